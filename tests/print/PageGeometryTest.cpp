// Page geometry of the printed listings: lines per page, pitch and margins.
#include "print/PageGeometry.h"
#include "print/PageLayout.h"

// std
#include <gtest/gtest.h>

namespace
{

struct GeometryCase
{
    PrintArea area;
    int charHeight;
    int lines;
    int pitch;
    int x0;
    int y0;
};

class PageGeometryTest : public ::testing::TestWithParam<GeometryCase>
{
};

TEST_P(PageGeometryTest, ComputesLinesPitchAndMargins)
{
    const GeometryCase& c = GetParam();
    const CPageGeometry geometry(c.area, c.charHeight);
    EXPECT_EQ(geometry.GetLinesPerPage(), c.lines);
    EXPECT_EQ(geometry.GetLinePitch(), c.pitch);
    EXPECT_EQ(geometry.GetLeftMargin(), c.x0);
    EXPECT_EQ(geometry.GetTopMargin(), c.y0);
}

INSTANTIATE_TEST_SUITE_P(Areas, PageGeometryTest,
                         ::testing::Values(
                             // A4 at 600 dpi with a 100-unit font: (550 * 11) / 150 = 40 lines.
                             GeometryCase{{0, 0, 4800, 6600}, 100, 40, 125, 320, 440},
                             // The area's own origin shifts both margins.
                             GeometryCase{{100, 200, 4800, 6600}, 100, 40, 125, 420, 640},
                             // Truncation at every step: (69 * 11) / 15 = 50, pitch 10 + 2.
                             GeometryCase{{0, 0, 600, 839}, 10, 50, 12, 40, 55},
                             // An odd character height: c / 2 and c / 4 truncate.
                             GeometryCase{{0, 0, 1500, 1200}, 7, 110, 8, 100, 80},
                             // Too small for two lines: two are assumed, nothing divides by zero.
                             GeometryCase{{0, 0, 300, 20}, 100, 2, 125, 20, 1},
                             GeometryCase{{0, 0, 0, 0}, 10, 2, 12, 0, 0},
                             // A font metric of zero or less counts as one unit.
                             GeometryCase{{0, 0, 120, 120}, 0, 110, 1, 8, 8},
                             GeometryCase{{0, 0, 120, 120}, -5, 110, 1, 8, 8}));

TEST(PageGeometry, PlacesTitleLinesAndPageNumber)
{
    const CPageGeometry geometry({100, 200, 4800, 6600}, 100);
    EXPECT_EQ(geometry.TitleY(), 640 - 250);
    EXPECT_EQ(geometry.CapacityLabelY(), 640 - 125);
    EXPECT_EQ(geometry.LineY(0), 640 + 125);
    EXPECT_EQ(geometry.LineY(39), 640 + 40 * 125);
    EXPECT_EQ(geometry.PageNumberX(), 100 + 2400);
    EXPECT_EQ(geometry.PageNumberY(40), 640 + 41 * 125);
}

TEST(PageLayout, FormatsThePageNumberLine)
{
    EXPECT_EQ(CPageLayout::PageNumberText(1, 1), "Page 1 / 1 ");
    EXPECT_EQ(CPageLayout::PageNumberText(12, 345), "Page 12 / 345 ");
}

} // namespace
