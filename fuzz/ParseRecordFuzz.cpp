// One received line straight into the link's record parser, with a target
// buffer of a chosen size that ends exactly where the parser may write. A
// line the parser takes must read back as the same record when composed
// again, and may only change the bytes its address and count name.

// own
#include "FuzzInput.h"

// link
#include "link/RadioLink.h"
#include "link/Record.h"

// model
#include "model/AppState.h"

// std
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{
[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "parse record: %s\n", what);
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CFuzzInput input(data, size);
    static const std::uint32_t kSizes[] = {1, 8, 0x0E08, 8192, 65536};
    const std::uint8_t pick = input.TakeByte();
    const std::uint32_t targetSize = kSizes[pick % 5];
    const std::vector<std::uint8_t> line = input.TakeRest();

    CPlainAppState app;
    // One link for every run: the parser keeps nothing from one line to the
    // next but the last end, which each stored record sets afresh.
    static CRadioLink link;
    link.SetAppState((pick & 0x80) != 0 ? &app : nullptr);
    static const std::vector<std::uint8_t> kUntouched(65536, 0xA5);
    std::vector<std::uint8_t> target(kUntouched.begin(), kUntouched.begin() + targetSize);
    const int type = link.ParseRecord(line.data(), static_cast<std::int32_t>(line.size()),
                                      target.data(), targetSize);
    if (type < 0 || type > 9)
    {
        Fail("a type that is not a digit");
    }

    DecodedRecord record;
    const bool decoded = CRecord::Decode(line.data(), line.size(), record);
    if (type == 0)
    {
        if (std::memcmp(target.data(), kUntouched.data(), targetSize) != 0)
        {
            Fail("a refused line changed the target");
        }
        return 0;
    }
    if (!decoded)
    {
        Fail("a line the parser took does not decode");
    }
    if (record.address >= targetSize)
    {
        Fail("a record outside the target was taken");
    }

    // Composing the record again gives the line, up to the case of its digits.
    std::size_t length = line.size();
    if (length > 0 && line[length - 1] == '\n')
    {
        --length;
    }
    if (length > 0 && line[length - 1] == '\r')
    {
        --length;
    }
    std::string text(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(length));
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c)
                   { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    const std::string composed =
        CRecord::Compose(record.type, record.address, record.data, record.dataCount);
    if (composed != text + "\r\n")
    {
        Fail("the record does not compose back to its line");
    }

    std::vector<std::uint8_t> expected(kUntouched.begin(), kUntouched.begin() + targetSize);
    for (std::uint32_t i = 0; type == 1 && i < record.dataCount; ++i)
    {
        if (record.address + i < targetSize)
        {
            expected[record.address + i] = record.data[i];
        }
    }
    if (target != expected)
    {
        Fail("the target does not hold exactly the record's data");
    }
    if (type == 1 && link.LastEnd() != record.address + record.dataCount)
    {
        Fail("the last end is not where the record ends");
    }
    if (type == 9 && (pick & 0x80) != 0 &&
        (app.m_nChannelMode < 0 || app.m_nChannelMode > 1 ||
         app.m_nChannelCode != app.m_nChannelMode + 1))
    {
        Fail("the end record set an impossible capacity");
    }
    return 0;
}
