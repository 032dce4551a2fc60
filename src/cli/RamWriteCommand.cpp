// ram-write: one to eight bytes into the radio's RAM at 0x40..0x43F. The
// radio does not answer a RAM write.

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/RadioSession.h"

// link
#include "link/LinkTexts.h"
#include "link/RamRules.h"

// std
#include <cstdio>
#include <vector>

int RunRamWrite(const CCliOptions& options)
{
    if (const int status = RequirePort(options); status != kExitOk)
    {
        return status;
    }
    if (options.m_args.size() < 2)
    {
        return UsageError(kWrongArguments, options.m_strCommand);
    }
    std::uint32_t address = 0;
    if (!CRamRules::ParseHex(options.m_args[0], address))
    {
        return UsageError("%s", kHexAddressErrorText);
    }
    const auto count = static_cast<std::uint32_t>(options.m_args.size() - 1);
    if (const char* refusal = CRamRules::CheckWrite(address, count))
    {
        return UsageError("%s", refusal);
    }
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 1; i < options.m_args.size(); ++i)
    {
        std::uint32_t value = 0;
        if (!CRamRules::ParseHex(options.m_args[i], value) || value > 0xFF)
        {
            return UsageError("%s", kHexDataErrorText);
        }
        bytes.push_back(static_cast<std::uint8_t>(value));
    }

    CRadioSession session(options);
    if (const int status = session.Open(); status != kExitOk)
    {
        return status;
    }
    if (!session.Conversation().OnRamWrite(address, bytes.data(), count))
    {
        std::fputs(kRamWriteFailed, stderr);
        return session.Conversation().Link().IsLost() ? kExitPortLost : kExitWriteFailed;
    }
    // The records are few and short and went out whole; a signal during
    // them still ends the program as one.
    return session.Interrupted();
}
