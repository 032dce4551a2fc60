// Tests of the Model form's rules kept in the model: the reference steps each
// band offers, the injection side a band starts with, and the days of a month.

// model
#include "model/BandTable.h"
#include "model/Calendar.h"

// std
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
TEST(BandRules, ReferenceStepListsAndTheirDefaults)
{
    const struct
    {
        int model;
        std::vector<std::string> texts;
        std::vector<double> hz;
        int defaultWide;
        int defaultNarrow;
    } cases[] = {
        {0, {"2.5", "5.0", "6.25"}, {2500.0, 5000.0, 6250.0}, 1, 2},
        {7, {"2.5", "5.0", "6.25"}, {2500.0, 5000.0, 6250.0}, 1, 2},
        {8, {"5.0", "6.25"}, {5000.0, 6250.0}, 0, 1},
        {12, {"5.0", "6.25"}, {5000.0, 6250.0}, 0, 1},
        {13, {"5.0", "6.25", "12.5"}, {5000.0, 6250.0, 12500.0}, 2, 2},
        // No model chosen, or an index past the table: the lists of models 0..7.
        {-1, {"2.5", "5.0", "6.25"}, {2500.0, 5000.0, 6250.0}, 1, 2},
        {14, {"2.5", "5.0", "6.25"}, {2500.0, 5000.0, 6250.0}, 1, 2},
    };
    for (const auto& c : cases)
    {
        const ReferenceStepRow& row = ReferenceStepsOf(c.model);
        ASSERT_EQ(row.count, static_cast<int>(c.texts.size())) << c.model;
        for (int i = 0; i < row.count; ++i)
        {
            ASSERT_NE(row.texts[i], nullptr) << c.model;
            EXPECT_EQ(row.texts[i], c.texts[i]) << c.model << " code " << i;
            EXPECT_EQ(row.hz[i], c.hz[i]) << c.model << " code " << i;
        }
        EXPECT_EQ(row.defaultWide, c.defaultWide) << c.model;
        EXPECT_EQ(row.defaultNarrow, c.defaultNarrow) << c.model;
        EXPECT_LT(row.defaultWide, row.count) << c.model;
        EXPECT_LT(row.defaultNarrow, row.count) << c.model;
    }
}

TEST(BandRules, HighSideInjectionUpToVhfHBBand)
{
    const struct
    {
        int model;
        int side;
    } cases[] = {{0, 0}, {5, 0}, {6, 0}, {7, 1}, {8, 1}, {12, 1}, {13, 1}, {-1, 1}, {14, 1}};
    for (const auto& c : cases)
    {
        EXPECT_EQ(DefaultInjectionSide(c.model), c.side) << c.model;
    }
}

TEST(BandRules, DaysInMonthFollowTheLeapYearRule)
{
    const struct
    {
        int year;
        int month;
        int days;
    } cases[] = {
        {2023, 1, 31},  {2023, 2, 28}, {2024, 2, 29}, {2000, 2, 29},  {1900, 2, 28}, {2100, 2, 28},
        {2023, 4, 30},  {2023, 6, 30}, {2023, 9, 30}, {2023, 11, 30}, {2023, 7, 31}, {2023, 8, 31},
        {2023, 12, 31}, {2023, 0, 0},  {2023, 13, 0}, {2023, -1, 0},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << '-' << c.month;
    }
}
} // namespace
