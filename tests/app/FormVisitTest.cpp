// Open, look, save: a form the user did not change stores nothing, so the file
// comes back byte for byte whatever forms were shown in between.

// own
#include "AppFixture.h"
#include "../model/PlanTestSupport.h"

// sim
#include "sim/SampleImage.h"

// std
#include <cstring>
#include <functional>

TEST_F(AppFixture, VisitingEveryFormWithoutAnEditSavesTheFileUnchanged)
{
    // No form may reach a real port.
    WriteText(Path("Comport.ini"), "[Devices]\nCOM1=/nonexistent/vesk4-port\n");
    const struct
    {
        const char* name;
        std::int32_t channelCode;
        std::function<CRadioImage()> build;
    } cases[] = {
        {"reset, model chosen", 1,
         []
         {
             CRadioImage image;
             EXPECT_TRUE(image.SetModel(5));
             // As a file read back holds it.
             image.DeriveInjection();
             return image;
         }},
        {"320 channels", 2,
         []
         {
             CRadioImage image = PlanImage(5);
             for (int n = 1; n <= 320; ++n)
             {
                 const std::string mhz = std::to_string(136.0 + 0.005 * n);
                 PutChannel(image, n, "CH" + std::to_string(n), Side(mhz, n % 45),
                            Side(mhz, -1, n % 2 ? "023" : "-754"));
             }
             return image;
         }},
        {"2-tone in use", 2,
         []
         {
             CRadioImage image;
             EXPECT_TRUE(BuildSampleImage(image));
             EXPECT_TRUE(image.SetTwoToneUnused(0) && image.SetTwoToneFormat(0) &&
                         image.SetTwoToneGroups(3, 3) && image.SetFirstToneIndex(22) &&
                         image.SetSecondToneIndex(27) && image.SetAniNumber("12#4*"));
             return image;
         }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_app.reset();
        m_ui.Clear();
        Start();
        m_app->SetChannelCode(c.channelCode);
        ASSERT_TRUE(c.build().SaveToFile(Path("in.dmp"), *m_app));
        ASSERT_TRUE(Frame().OpenDumpFile(Path("in.dmp")));
        for (const int index : {VIEW_CONNECT, VIEW_CHANNEL, VIEW_MANUAL, VIEW_TEST, VIEW_2TONE,
                                VIEW_OPTION, VIEW_ADJUST, VIEW_MODEL})
        {
            const CRadioImage before = Frame().GetSharedImage();
            const int left = Frame().GetCurrentView();
            Frame().SwitchView(index);
            ASSERT_EQ(Frame().GetCurrentView(), index);
            EXPECT_EQ(std::memcmp(Frame().GetSharedImage().WorkBlock().image,
                                  before.WorkBlock().image, kImageSize),
                      0)
                << "changed by leaving form " << left;
        }
        ASSERT_TRUE(Frame().SaveImage(Path("out.dmp")));
        EXPECT_TRUE(ReadFile(Path("out.dmp")) == ReadFile(Path("in.dmp")));
        EXPECT_TRUE(m_ui.Texts().empty()) << m_ui.Texts().front();
    }
}
