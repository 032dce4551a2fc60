// Any bytes as a dump file: loaded, summarised, reported and hex-dumped the
// way the windowed program and the command line show a file. A loaded image
// must be the file's bytes, and the hex dump must show them.

// own
#include "FuzzScratch.h"

// model
#include "model/AppState.h"
#include "model/RadioImage.h"

// print
#include "print/HexDump.h"
#include "print/ImageSummary.h"
#include "print/PageGeometry.h"
#include "print/TextReport.h"

// std
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{
[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "dump file: %s\n", what);
    std::abort();
}

std::uint32_t LittleEndian(const std::uint8_t* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const CFuzzScratch& scratch = CFuzzScratch::Instance();
    const std::string path = scratch.PathOf("radio.dat");
    if (!scratch.WriteFile(path, data, size))
    {
        Fail("the scratch file could not be written");
    }

    CPlainAppState app;
    CRadioImage image;
    const bool loaded = image.LoadFromFile(path, app);
    if (loaded != (size >= kBlockSize))
    {
        Fail("a file was taken or refused by the wrong size");
    }
    if (!loaded)
    {
        return 0;
    }
    // The file's image, with the injection flag re-derived from the sign of
    // the wide IF offset as every load does.
    std::vector<std::uint8_t> expected(data + 8, data + 8 + kImageSize);
    const bool lowSide = (expected[ImageMap::kWideIf] & 0x80) == 0;
    expected[ImageMap::kInjBeep] =
        static_cast<std::uint8_t>((expected[ImageMap::kInjBeep] & ~0x10) | (lowSide ? 0x10 : 0));
    if (std::memcmp(image.WorkBlock().image, expected.data(), kImageSize) != 0)
    {
        Fail("the image is not the file's bytes");
    }
    if (size >= kDumpFileSize &&
        app.m_nChannelCode != static_cast<std::int32_t>(LittleEndian(data + kBlockSize)))
    {
        Fail("the capacity code is not the file's");
    }

    (void)CImageSummary::BuildLines(image, app);

    CTextReport report;
    report.Build(image, app.m_nChannelMode);
    const int limit = CTextReport::ChannelCount(app.m_nChannelMode);
    if (report.GetChannelsListed() < 0 || report.GetChannelsListed() > limit)
    {
        Fail("more channels listed than the radio holds");
    }
    // A small page, so that the paging runs over many pages.
    const CPageGeometry geometry(PrintArea{0, 0, 800, 600}, 10);
    const int pages = report.PageCount(geometry);
    for (int page = 1; page <= pages; ++page)
    {
        CPageLayout layout;
        if (!report.LayOutPage(geometry, page, "radio.dat", layout))
        {
            Fail("a report page inside the count cannot be laid out");
        }
    }

    CHexDump dump;
    if (!dump.TakeSnapshot(image))
    {
        Fail("no snapshot of a loaded image");
    }
    if (std::memcmp(dump.GetSnapshot().data(), expected.data(), kImageSize) != 0)
    {
        Fail("the hex dump does not show the file's bytes");
    }
    for (int row = 0; row < CHexDump::kRowCount; ++row)
    {
        const std::string text = dump.RowText(row);
        char first[16];
        std::snprintf(first, sizeof first, " %02x",
                      expected[static_cast<std::size_t>(row * CHexDump::kBytesPerRow)]);
        if (text.find(first) == std::string::npos)
        {
            Fail("a hex dump row does not show its first byte");
        }
    }
    const int dumpPages = CHexDump::PageCount(geometry);
    for (int page = 1; page <= dumpPages; ++page)
    {
        CPageLayout layout;
        if (!dump.LayOutPage(geometry, page, "radio.dat", "320 CH", layout))
        {
            Fail("a hex dump page inside the count cannot be laid out");
        }
    }
    return 0;
}
