// Hex dump rows and their paging.
#include "print/HexDump.h"

// model
#include "model/RadioImage.h"

// std
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace
{

// A geometry with exactly `lines` lines per page (character height 10).
CPageGeometry GeometryWithLines(int lines)
{
    // L = ((H / 12) * 11) / 15, so H = 12 * ceil(15 * L / 11) gives L.
    const int height = 12 * ((15 * lines + 10) / 11);
    const CPageGeometry geometry({0, 0, 1000, height}, 10);
    EXPECT_EQ(geometry.GetLinesPerPage(), lines);
    return geometry;
}

CHexDump DumpOf(const CRadioImage& image)
{
    CHexDump dump;
    EXPECT_TRUE(dump.TakeSnapshot(image));
    return dump;
}

TEST(HexDump, HeaderUsesUpperCaseColumns)
{
    EXPECT_EQ(CHexDump::HeaderLine(), "Add  :  0  1  2  3  4  5  6  7  8  9  A  B  C  D  E  F");
}

TEST(HexDump, ResetImageShowsErasedBytesAndBlankNames)
{
    const CHexDump dump = DumpOf(CRadioImage());
    EXPECT_EQ(dump.RowText(3), "0030 :  ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff  :  "
                               "................");
    // The image ends with the blank name of channel 320.
    EXPECT_EQ(dump.RowText(511), "1ff0 :  ff ff ff ff 20 20 20 20 20 20 20 20 20 20 20 20  :  "
                                 "....            ");
}

TEST(HexDump, CharacterColumnShowsPrintableAsciiOnly)
{
    CRadioImage image;
    const std::uint8_t bytes[16] = {0x41, 0x7A, 0x20, 0x7E, 0x00, 0x0A, 0x0D, 0x1B,
                                    0x7F, 0x80, 0xFF, 0x30, 0x2E, 0x09, 0x61, 0x5A};
    ASSERT_TRUE(image.WriteBlock(bytes, 0x1000, 16));
    EXPECT_EQ(DumpOf(image).RowText(0x100),
              "1000 :  41 7a 20 7e 00 0a 0d 1b 7f 80 ff 30 2e 09 61 5a"
              "  :  Az ~.......0..aZ");
}

TEST(HexDump, RowsOutsideTheImageAreEmpty)
{
    const CHexDump dump;
    EXPECT_EQ(dump.RowText(-1), "");
    EXPECT_EQ(dump.RowText(512), "");
    EXPECT_EQ(dump.RowText(0).substr(0, 7), "0000 : ");
}

TEST(HexDump, ShowsTheSnapshotNotTheLiveImage)
{
    CRadioImage image;
    const CHexDump dump = DumpOf(image);
    const std::uint8_t byte = 0x41;
    ASSERT_TRUE(image.WriteBlock(&byte, 0x30, 1));
    EXPECT_EQ(dump.RowText(3).substr(0, 10), "0030 :  ff");
}

TEST(HexDump, FiftyLinesGiveElevenPages)
{
    const CPageGeometry geometry = GeometryWithLines(50);
    EXPECT_EQ(CHexDump::PageCount(geometry), 11);
    int first = 0;
    int count = 0;
    ASSERT_TRUE(CHexDump::GetPageRows(geometry, 2, first, count));
    EXPECT_EQ(first * 16, 0x310);
    EXPECT_EQ(count, 49);
    ASSERT_TRUE(CHexDump::GetPageRows(geometry, 11, first, count));
    EXPECT_EQ(first * 16, 7840);
    EXPECT_EQ(count, 22);
    EXPECT_FALSE(CHexDump::GetPageRows(geometry, 0, first, count));
    EXPECT_FALSE(CHexDump::GetPageRows(geometry, 12, first, count));
}

// Every row lands on exactly one page and no page holds more than L - 1 rows,
// including the page heights where L - 1 divides 511 (L = 8, 74, 512).
TEST(HexDump, EveryRowIsPrintedExactlyOnce)
{
    for (int lines : {2, 3, 8, 17, 50, 74, 512, 513, 600})
    {
        SCOPED_TRACE(lines);
        const CPageGeometry geometry = GeometryWithLines(lines);
        std::multiset<int> rows;
        for (int page = 1; page <= CHexDump::PageCount(geometry); ++page)
        {
            int first = 0;
            int count = 0;
            ASSERT_TRUE(CHexDump::GetPageRows(geometry, page, first, count));
            EXPECT_GE(count, 1);
            EXPECT_LE(count, lines - 1);
            for (int r = first; r < first + count; ++r)
            {
                rows.insert(r);
            }
        }
        ASSERT_EQ(rows.size(), 512u);
        EXPECT_EQ(*rows.begin(), 0);
        EXPECT_EQ(*rows.rbegin(), 511);
        EXPECT_EQ(std::set<int>(rows.begin(), rows.end()).size(), 512u);
    }
}

TEST(HexDump, LaysOutTitleLabelHeaderRowsAndPageNumber)
{
    const CPageGeometry geometry({100, 200, 1000, 828}, 10); // L = 50, p = 12
    const CHexDump dump = DumpOf(CRadioImage());
    CPageLayout layout;
    ASSERT_TRUE(dump.LayOutPage(geometry, 2, "/tmp/a.dmp", "320Ch", layout));
    EXPECT_EQ(layout.GetPage(), 2);
    EXPECT_EQ(layout.GetPageCount(), 11);
    const auto& texts = layout.GetTexts();
    ASSERT_EQ(texts.size(), 3u + 49u + 1u);
    const int x0 = 100 + 1000 / 15;
    const int y0 = 200 + 828 / 15;
    EXPECT_EQ(texts[0].m_role, PageTextRole::Title);
    EXPECT_EQ(texts[0].m_strText, "/tmp/a.dmp");
    EXPECT_EQ(texts[0].m_nX, x0);
    EXPECT_EQ(texts[0].m_nY, y0 - 24);
    EXPECT_EQ(texts[1].m_role, PageTextRole::CapacityLabel);
    EXPECT_EQ(texts[1].m_strText, "320Ch");
    EXPECT_EQ(texts[1].m_nY, y0 - 12);
    EXPECT_EQ(texts[2].m_role, PageTextRole::Header);
    EXPECT_EQ(texts[2].m_nY, y0);
    EXPECT_EQ(texts[3].m_role, PageTextRole::Body);
    EXPECT_EQ(texts[3].m_strText.substr(0, 7), "0310 : ");
    EXPECT_EQ(texts[3].m_nY, y0 + 12);
    EXPECT_EQ(texts[51].m_nY, y0 + 49 * 12);
    EXPECT_EQ(texts[52].m_role, PageTextRole::PageNumber);
    EXPECT_EQ(texts[52].m_strText, "Page 2 / 11 ");
    EXPECT_EQ(texts[52].m_nX, 100 + 500);
    EXPECT_EQ(texts[52].m_nY, y0 + 51 * 12);
}

TEST(HexDump, LastPageKeepsThePageNumberAtTheFullPagePosition)
{
    const CPageGeometry geometry({0, 0, 1000, 828}, 10);
    CPageLayout layout;
    ASSERT_TRUE(CHexDump().LayOutPage(geometry, 11, "", "", layout));
    ASSERT_EQ(layout.GetTexts().size(), 3u + 22u + 1u);
    EXPECT_EQ(layout.GetTexts().back().m_strText, "Page 11 / 11 ");
    EXPECT_EQ(layout.GetTexts().back().m_nY, geometry.LineY(50));
    EXPECT_FALSE(CHexDump().LayOutPage(geometry, 12, "", "", layout));
}

} // namespace
