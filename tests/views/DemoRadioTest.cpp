// The demonstration radio: its sample configuration, and the first steps of a
// new user against it (Up Load, take it into the Model form, Save).

// own
#include "RadioCommFixture.h"

// app
#include "app/DemoRadio.h"

// link
#include "link/LinkTexts.h"

// model
#include "model/SignallingTables.h"

// views
#include "views/ViewTexts.h"

// Qt
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TEST(DemoRadioTest, SampleIsAVhfRadioWithItsIdentityAndADozenNamedChannels)
{
    CRadioImage image;
    ASSERT_TRUE(CDemoRadio::BuildSampleImage(image));
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

TEST(DemoRadioTest, CommandLineAsksForIt)
{
    char program[] = "vesk4";
    char demo[] = "--demo";
    char other[] = "--demo=1";
    char* with[] = {program, demo};
    char* without[] = {program, other};
    EXPECT_TRUE(CDemoRadio::IsRequested(2, with));
    EXPECT_FALSE(CDemoRadio::IsRequested(2, without));
    EXPECT_FALSE(CDemoRadio::IsRequested(1, with));
}

class DemoRadioSessionTest : public AppFixture
{
};

TEST_F(DemoRadioSessionTest, SampleSurvivesTheModelFormUnchanged)
{
    Start();
    CRadioImage sample;
    ASSERT_TRUE(CDemoRadio::BuildSampleImage(sample));
    Frame().m_sharedImage = sample;
    ModelForm()->LoadFromImage(Frame().m_sharedImage);
    CRadioImage stored = sample;
    ModelForm()->StoreToImage(stored);
    EXPECT_EQ(std::vector<std::uint8_t>(stored.WorkBlock().image, stored.WorkBlock().image + 8192),
              std::vector<std::uint8_t>(sample.WorkBlock().image, sample.WorkBlock().image + 8192));
    EXPECT_TRUE(m_ui.Texts().empty());
}

TEST_F(DemoRadioSessionTest, UploadTakeItIntoTheModelFormAndSaveWhatTheRadioHolds)
{
    CDemoRadio demo;
    ASSERT_TRUE(demo.Start(0));
    Start();
    demo.Attach(*m_app);

    Frame().SwitchView(VIEW_CONNECT);
    auto* form = dynamic_cast<CConnectView*>(m_app->GetView(VIEW_CONNECT));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->PortStatus()->text().toStdString(), "COM1 is " + demo.DevicePath() + ": open.");
    form->UploadButton()->click();
    ASSERT_TRUE(WaitUntil([&] { return m_ui.CountOf(kUploadCompleteText) == 1; }));

    m_ui.m_answers = {true};
    Frame().SwitchView(VIEW_MODEL);
    ASSERT_EQ(Frame().m_nCurView, VIEW_MODEL);
    EXPECT_EQ(m_ui.CountOf(ViewText::kCopyOk), 1);
    CModelView* model = ModelForm();
    EXPECT_EQ(model->ModelList()->currentIndex(), 6);
    EXPECT_EQ(model->ModelList()->currentText(), "VHF(H) B Band");
    EXPECT_EQ(model->SerialEdit()->text(), "32000417");
    EXPECT_EQ(model->CustomerEdit()->text(), "0000012345");
    EXPECT_EQ(model->MonthList()->currentText(), "March");
    EXPECT_EQ(model->DayEdit()->text(), "15");
    EXPECT_EQ(model->YearEdit()->text(), "2024");

    const std::string saved = Path("radio.dmp");
    m_ui.m_files.push_back(saved);
    Frame().OnFileSave();
    const auto file = ReadFile(saved);
    ASSERT_EQ(file.size(), kDumpFileSize);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 8, file.begin() + 8 + kImageSize),
              demo.Radio().Eeprom());
    // Byte for byte what the radio itself would write as a dump file.
    const std::string reference = Path("reference.dmp");
    ASSERT_TRUE(demo.Radio().SaveImage(reference));
    EXPECT_EQ(file, ReadFile(reference));
}
