// A print job: capacity label, mode, the start and preparation steps of the
// print command and of each preview or print, and the pages drawn.
#include "print/PrintJob.h"

// model
#include "model/AppState.h"
#include "model/RadioImage.h"

// std
#include <gtest/gtest.h>

namespace
{

TEST(PrintJob, CapacityLabelFollowsTheChannelCode)
{
    EXPECT_EQ(CPrintJob::CapacityLabel(1), "120Ch");
    EXPECT_EQ(CPrintJob::CapacityLabel(2), "320Ch");
    for (int code : {-1, 0, 3, 5})
    {
        EXPECT_EQ(CPrintJob::CapacityLabel(code), "") << code;
    }
}

TEST(PrintJob, HexDumpPagesCarryTitleAndCapacityLabel)
{
    CRadioImage image;
    CPrintJob job;
    job.Start(PrintMode::HexDump, "/home/u/radio.dmp", image);
    CPlainAppState app;
    app.m_nChannelCode = 2;
    app.m_nChannelMode = 1;
    job.Prepare(image, app);

    const CPageGeometry geometry({0, 0, 1000, 828}, 10); // 50 lines
    EXPECT_EQ(job.GetPageCount(geometry), 11);
    CPageLayout layout;
    ASSERT_TRUE(job.LayOutPage(geometry, 1, layout));
    ASSERT_GE(layout.GetTexts().size(), 3u);
    EXPECT_EQ(layout.GetTexts()[0].m_strText, "/home/u/radio.dmp");
    EXPECT_EQ(layout.GetTexts()[1].m_strText, "320Ch");
    EXPECT_EQ(layout.GetTexts()[2].m_role, PageTextRole::Header);
    EXPECT_FALSE(job.LayOutPage(geometry, 12, layout));

    // A later job start with another capacity code relabels the pages.
    app.m_nChannelCode = -1;
    job.Prepare(image, app);
    ASSERT_TRUE(job.LayOutPage(geometry, 1, layout));
    EXPECT_EQ(layout.GetTexts()[1].m_strText, "");
}

TEST(PrintJob, ReportPagesCarryNoCapacityLabel)
{
    CRadioImage image;
    CPrintJob job;
    job.Start(PrintMode::Report, "title", image);
    CPlainAppState app;
    job.Prepare(image, app);
    EXPECT_EQ(job.GetReport().GetLines().size(), 78u);

    const CPageGeometry geometry({0, 0, 1000, 660}, 10); // 40 lines
    EXPECT_EQ(job.GetPageCount(geometry), 2);
    CPageLayout layout;
    ASSERT_TRUE(job.LayOutPage(geometry, 1, layout));
    for (const PageText& text : layout.GetTexts())
    {
        EXPECT_NE(text.m_role, PageTextRole::CapacityLabel);
    }
    EXPECT_EQ(layout.GetTexts().size(), 1u + 40u + 1u);
    EXPECT_EQ(layout.GetTexts()[1].m_strText, "[MODEL] ");
}

TEST(PrintJob, SnapshotIsTakenAtTheStartOfThePrintCommand)
{
    CRadioImage image;
    CPrintJob job;
    job.Start(PrintMode::HexDump, "", image);
    const std::uint8_t byte = 0x41;
    ASSERT_TRUE(image.WriteBlock(&byte, 0x30, 1));
    job.Prepare(image, CPlainAppState());
    EXPECT_EQ(job.GetHexDump().GetSnapshot()[0x30], 0xFF);

    job.Start(PrintMode::HexDump, "", image);
    EXPECT_EQ(job.GetHexDump().GetSnapshot()[0x30], 0x41);
}

// The framework's own Print command may reach a job that no print command
// started; it then prints the image it is given.
TEST(PrintJob, PreparingAJobNeverStartedStartsItFromTheImage)
{
    CRadioImage image;
    const std::uint8_t byte = 0x41;
    ASSERT_TRUE(image.WriteBlock(&byte, 0x30, 1));
    CPrintJob job;
    job.Prepare(image, CPlainAppState());
    EXPECT_EQ(job.GetMode(), PrintMode::HexDump);
    EXPECT_EQ(job.GetHexDump().GetSnapshot()[0x30], 0x41);
    EXPECT_EQ(job.GetCapacityLabel(), "120Ch");
}

} // namespace
