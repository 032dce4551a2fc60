// The bit numbers above the eight bit lists of the Channel, Manual and Test
// forms: the heading reads as described, and each number stands over its own
// list, as the form is laid out on screen.

// own
#include "FormFixture.h"

// views
#include "views/ChannelView.h"
#include "views/ManualView.h"
#include "views/TestView.h"

// ui
#include "ui/BitRow.h"
#include "ui/OptionList.h"

// Qt
#include <QLabel>

// std
#include <cstdlib>
#include <functional>

using BitHeadingTest = FormFixture;

TEST_F(BitHeadingTest, EachBitNumberStandsOverItsOwnList)
{
    UseModel(5);
    const struct
    {
        int view;
        const char* caption;
        std::function<CBitRow*(CVesk4View*)> row;
    } cases[] = {
        {VIEW_CHANNEL, "  7      6       5      4       3      2       1      0",
         [](CVesk4View* v) { return dynamic_cast<CChannelView*>(v)->AuxRow(); }},
        {VIEW_MANUAL, "   7      6      5      4      3      2      1      0",
         [](CVesk4View* v) { return dynamic_cast<CManualView*>(v)->Bits(); }},
        {VIEW_TEST, "  7       6        5        4        3        2         1       0",
         [](CVesk4View* v) { return dynamic_cast<CTestView*>(v)->AuxRow(); }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.caption);
        CBitRow* row = c.row(OpenForm(c.view));
        ASSERT_NE(row, nullptr);
        ASSERT_TRUE(row->isVisible());
        EXPECT_EQ(row->CaptionText(), c.caption);
        for (int bit = 0; bit < CBitRow::kBits; ++bit)
        {
            const QLabel* heading = row->Heading(bit);
            const COptionList* list = row->BitList(bit);
            EXPECT_EQ(heading->text(), QString::number(bit));
            EXPECT_TRUE(heading->isVisible());
            const int headingX = heading->mapTo(row, heading->rect().center()).x();
            const int listX = list->mapTo(row, list->rect().center()).x();
            EXPECT_LE(std::abs(headingX - listX), 1) << "bit " << bit;
            EXPECT_LT(heading->geometry().bottom(), list->geometry().top()) << "bit " << bit;
        }
    }
}
