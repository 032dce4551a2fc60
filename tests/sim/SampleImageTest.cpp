// The sample configuration of the demonstration radio.

// sim
#include "sim/SampleImage.h"

// model
#include "model/RadioImage.h"
#include "model/SignallingTables.h"

// std
#include <gtest/gtest.h>
#include <cstdint>
#include <string>

TEST(SampleImageTest, IsAVhfRadioWithItsIdentityAndADozenNamedChannels)
{
    CRadioImage image;
    ASSERT_TRUE(BuildSampleImage(image));
    int model = -1;
    ASSERT_TRUE(image.GetModel(model));
    EXPECT_EQ(model, 6);
    std::string text;
    ASSERT_TRUE(image.GetSerialNumber(text));
    EXPECT_EQ(text, "32000417");
    int year = 0;
    int month = 0;
    int day = 0;
    ASSERT_TRUE(image.GetDate(year, month, day));
    EXPECT_EQ(year * 10000 + month * 100 + day, 20240315);

    int ctcss = 0;
    int dcs = 0;
    for (int n = 0; n < 12; ++n)
    {
        ASSERT_TRUE(image.GetChannelName(n, text));
        EXPECT_NE(text.find_first_not_of(' '), std::string::npos) << "channel " << n;
        std::uint32_t word = 0;
        ASSERT_TRUE(image.GetRxWord(n, word));
        EXPECT_NE(word, kUnusedWord) << "channel " << n;
        int none = 1;
        int type = 0;
        ASSERT_TRUE(image.GetRxSignallingNone(n, none));
        ASSERT_TRUE(image.GetRxSignallingType(n, type));
        if (none == 0)
        {
            (type == 0 ? ctcss : dcs) += 1;
        }
    }
    EXPECT_GE(ctcss, 4);
    EXPECT_GE(dcs, 2);
    // The rest is left as a fresh radio has it.
    std::uint32_t word = 0;
    ASSERT_TRUE(image.GetRxWord(12, word));
    EXPECT_EQ(word, kUnusedWord);
}
