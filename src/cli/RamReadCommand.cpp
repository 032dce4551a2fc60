// ram-read: up to eight bytes of the radio's RAM, listed as the Ram Read
// button lists them.

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/RadioSession.h"

// link
#include "link/LinkTexts.h"
#include "link/RamRules.h"

// std
#include <cctype>
#include <cstdio>

int RunRamRead(const CCliOptions& options)
{
    if (const int status = RequirePort(options); status != kExitOk)
    {
        return status;
    }
    if (options.m_args.size() != 2)
    {
        return UsageError(kWrongArguments, options.m_strCommand);
    }
    std::uint32_t address = 0;
    if (!CRamRules::ParseHex(options.m_args[0], address))
    {
        return UsageError(kBadAddress, options.m_args[0]);
    }
    const std::string& countText = options.m_args[1];
    if (countText.empty() || countText.size() > 6)
    {
        return UsageError(kBadCount, countText);
    }
    std::int64_t count = 0;
    for (const char c : countText)
    {
        if (!std::isdigit(static_cast<unsigned char>(c)))
        {
            return UsageError(kBadCount, countText);
        }
        count = count * 10 + (c - '0');
    }
    if (const char* refusal = CRamRules::CheckRead(address, count))
    {
        return UsageError("%s", refusal);
    }

    CRadioSession session(options);
    if (const int status = session.Open(); status != kExitOk)
    {
        return status;
    }
    if (!session.Conversation().OnRamRead(address, static_cast<std::uint32_t>(count)))
    {
        std::fputs(kRamReadFailed, stderr);
        return session.Conversation().Link().IsLost() ? kExitPortLost : kExitWriteFailed;
    }
    if (const int status = session.RunReceive(); status != kExitOk)
    {
        return status;
    }
    std::printf("%s\n", kRamHeading);
    for (const std::string& line : session.Conversation().RamListing())
    {
        std::printf("%s\n", line.c_str());
    }
    return kExitOk;
}
