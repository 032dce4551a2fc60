// The command line's summary of a radio image.
#include "print/ImageSummary.h"

// model
#include "model/AppState.h"
#include "model/Clock.h"
#include "model/RadioImage.h"

// std
#include <gtest/gtest.h>

namespace
{

TEST(ImageSummary, ResetImageHasNoModelNoDateAndNoChannels)
{
    CRadioImage image;
    const std::uint8_t noDate[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    ASSERT_TRUE(image.WriteBlock(noDate, 0x09, 4));
    EXPECT_EQ(CImageSummary::BuildLines(image, CPlainAppState()),
              (std::vector<std::string>{
                  "Model           : (none chosen)",
                  "Serial Number   : ",
                  "Customer        : ",
                  "Date            : (not set)",
                  "Capacity        : 120 channels",
                  "Channels in use : 0",
              }));
}

TEST(ImageSummary, CountsChannelsInUseWithinTheCapacity)
{
    CRadioImage image;
    ASSERT_TRUE(image.SetModel(9));
    ASSERT_TRUE(image.SetSerialNumber("12AB"));
    ASSERT_TRUE(image.SetCustomer("C0FFEE"));
    ASSERT_TRUE(image.SetDate(1998, 7, 4));
    for (int n : {0, 5, 119, 120, 319})
    {
        ASSERT_TRUE(image.SetRxUnused(n, 0));
    }
    ASSERT_TRUE(image.SetTxUnused(7, 0)); // transmit only: not in use

    CPlainAppState app;
    app.m_nChannelCode = 2;
    app.m_nChannelMode = 1;
    EXPECT_EQ(CImageSummary::BuildLines(image, app),
              (std::vector<std::string>{
                  "Model           : UHF A Band",
                  "Serial Number   : 12AB",
                  "Customer        : C0  EE", // F reads back as a blank
                  "Date            : 1998-07-04",
                  "Capacity        : 320 channels",
                  "Channels in use : 5",
              }));

    app.m_nChannelCode = -1;
    app.m_nChannelMode = 0;
    const auto lines = CImageSummary::BuildLines(image, app);
    EXPECT_EQ(lines[4], "Capacity        : 120 channels (the file has no capacity code)");
    EXPECT_EQ(lines[5], "Channels in use : 3");

    app.m_nChannelCode = 5;
    app.m_nChannelMode = 4;
    EXPECT_EQ(CImageSummary::BuildLines(image, app)[4],
              "Capacity        : 320 channels (capacity code 5)");

    // A file whose code bytes say -1 has a code; it loads as mode -2.
    app.m_nChannelCode = -1;
    app.m_nChannelMode = -2;
    EXPECT_EQ(CImageSummary::BuildLines(image, app)[4],
              "Capacity        : 320 channels (capacity code -1)");
}

} // namespace
