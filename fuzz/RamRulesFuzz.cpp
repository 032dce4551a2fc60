// The RAM dialogs' readers and checks on any text: the strict hexadecimal
// reader, the leading-number reader of the text readers (held against the C
// library's strtoll, which it stands in for) and the read and write checks.

// own
#include "FuzzInput.h"

// link
#include "link/RamRules.h"

// model
#include "model/TextReaders.h"

// std
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace
{
[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "RAM rules: %s\n", what);
    std::abort();
}

void CheckText(const std::string& text)
{
    // The C library stops at a NUL; so does a text box.
    const std::string cText = text.substr(0, text.find('\0'));
    const long long library = std::strtoll(cText.c_str(), nullptr, 16);
    const long long clamped = std::clamp<long long>(library, -0x80000000LL, 0x7FFFFFFFLL);
    std::int64_t leading = 0; // no digit at all reads as 0, as strtoll gives it
    if (!ReadHexLeading(cText, leading))
    {
        leading = 0;
    }
    if (leading != clamped)
    {
        Fail("the leading hexadecimal number differs from strtoll's");
    }

    std::uint32_t value = 0xDEADBEEF;
    if (CRamRules::ParseHex(text, value))
    {
        std::size_t pos =
            text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') ? 2 : 0;
        if (pos == text.size() || text.size() - pos > 8)
        {
            Fail("an empty or over-long number was taken");
        }
        for (; pos < text.size(); ++pos)
        {
            if (!std::isxdigit(static_cast<unsigned char>(text[pos])))
            {
                Fail("a text with a stray character was taken");
            }
        }
        if (value != static_cast<std::uint32_t>(std::strtoull(text.c_str(), nullptr, 16)))
        {
            Fail("the number read is not the text's value");
        }
    }
    else if (value != 0xDEADBEEF)
    {
        Fail("a refused text changed the value");
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CFuzzInput input(data, size);
    const std::uint32_t address =
        static_cast<std::uint32_t>(input.TakeWord()) << 16 | input.TakeWord();
    const std::uint8_t countByte = input.TakeByte();
    const std::int64_t count = static_cast<std::int8_t>(countByte);

    const char* readError = CRamRules::CheckRead(address, count);
    if (readError == nullptr &&
        (count < 0 || address + static_cast<std::uint64_t>(count) > CRamRules::kReadLimit ||
         count > static_cast<std::int64_t>(CRamRules::kMaxReadCount)))
    {
        Fail("a read beyond the RAM or the count limit was allowed");
    }

    const char* writeError = CRamRules::CheckWrite(address, countByte);
    if (writeError == nullptr &&
        (countByte < 1 || countByte > CRamRules::kMaxWriteCount ||
         address < CRamRules::kWriteFirst || address + countByte - 1 > CRamRules::kWriteLast))
    {
        Fail("a write outside the writable RAM was allowed");
    }

    while (!input.IsEmpty())
    {
        CheckText(input.TakeString('\n'));
    }
    return 0;
}
