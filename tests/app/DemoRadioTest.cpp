// The demonstration radio inside the program: asked for on the command line,
// the first steps of a new user against it (Up Load, take it into the Model
// form, Save), and what the live forms' port line says it is doing.

// own (and tests/common: EventWaits.h)
#include "AppFixture.h"
#include "EventWaits.h"

// app
#include "app/DemoRadio.h"

// sim
#include "sim/SampleImage.h"

// link
#include "link/LinkTexts.h"

// views
#include "views/AdjustView.h"
#include "views/ConnectView.h"
#include "views/TestView.h"
#include "views/ViewTexts.h"

// ui
#include "ui/FrequencyBox.h"
#include "ui/LevelRow.h"
#include "ui/SpinButton.h"

// Qt
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

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
protected:
    // The program started with its ports on the demonstration radio.
    void StartWithDemo()
    {
        ASSERT_TRUE(m_demo.Start(0));
        Start();
        m_demo.Attach(*m_app);
    }

    template <typename Form> Form* OpenForm(int index)
    {
        Frame().SwitchView(index);
        return dynamic_cast<Form*>(m_app->GetView(index));
    }

    // Whether the port line of the live `form` comes to contain `says` once
    // the radio's thread has taken what was sent: its timer refreshes it.
    template <typename Form> bool PortLineSays(Form* form, const char* says)
    {
        const bool shown = WaitUntil(
            [&]
            {
                if (form->IsTimerSet(Form::kPortLineTimerId))
                {
                    form->OnTimer(Form::kPortLineTimerId);
                }
                return form->PortStatus()->text().contains(QString::fromLatin1(says));
            });
        EXPECT_TRUE(form->PortStatus()->text().startsWith(QStringLiteral("COM1: ")));
        return shown;
    }

    void TearDown() override
    {
        // The program ends before its radio does.
        m_app.reset();
        AppFixture::TearDown();
    }

    CDemoRadio m_demo;
};

TEST_F(DemoRadioSessionTest, UploadTakeItIntoTheModelFormAndSaveWhatTheRadioHolds)
{
    StartWithDemo();
    auto* form = OpenForm<CConnectView>(VIEW_CONNECT);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->PortStatus()->text().toStdString(),
              "COM1: pseudo-terminal, " + m_demo.DevicePath() + ": open.");
    form->UploadButton()->click();
    ASSERT_TRUE(WaitUntil([&] { return m_ui.CountOf(kUploadCompleteText) == 1; }));

    m_ui.m_answers = {true};
    Frame().SwitchView(VIEW_MODEL);
    ASSERT_EQ(Frame().GetCurrentView(), VIEW_MODEL);
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
              m_demo.Radio().Eeprom());
    // Byte for byte what the radio itself would write as a dump file.
    const std::string reference = Path("reference.dmp");
    ASSERT_TRUE(m_demo.Radio().SaveImage(reference));
    EXPECT_EQ(file, ReadFile(reference));
}

TEST_F(DemoRadioSessionTest, TheAdjustFormsPortLineShowsTheLastLevelTheRadioTook)
{
    StartWithDemo();
    ChooseModel(5);
    auto* form = OpenForm<CAdjustView>(VIEW_ADJUST);
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->Link().IsOpen());
    EXPECT_TRUE(form->PortStatus()->text().contains(QStringLiteral("last level taken: none.")))
        << form->PortStatus()->text().toStdString();

    constexpr int kTxTone = 2; // rows of the form
    constexpr int kSqVolume = 7;
    const struct
    {
        int level;
        int start;
        const char* says;
    } cases[] = {
        {kSqVolume, 20, "last level taken: SQ Volume 21."},
        {kTxTone, 64, "last level taken: Tx Tone Level 65 (transmitting)."},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.says);
        form->Row(c.level)->SetValue(c.start);
        m_ui.m_answers = {true};
        form->Row(c.level)->Spin()->UpArrow()->click();
        form->OnTimer(CAdjustView::TimerId(c.level));
        EXPECT_TRUE(form->IsTimerSet(CAdjustView::kPortLineTimerId));
        EXPECT_TRUE(PortLineSays(form, c.says)) << form->PortStatus()->text().toStdString();
    }
}

TEST_F(DemoRadioSessionTest, TheTestFormsPortLineSaysWhatTheRadioIsDoing)
{
    StartWithDemo();
    ChooseModel(5);
    auto* form = OpenForm<CTestView>(VIEW_TEST);
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->Link().IsOpen());
    EXPECT_TRUE(form->PortStatus()->text().contains(
        QStringLiteral("Simulated radio: no receive or transmit command taken yet; lamp off, "
                       "beeper off; last level taken: none.")))
        << form->PortStatus()->text().toStdString();

    // The sample: VHF(H) B Band, high side, 5 and 6.25 kHz steps.
    CRadioImage sample;
    ASSERT_TRUE(BuildSampleImage(sample));
    form->LoadFromImage(sample);
    const struct
    {
        QPushButton* button;
        const char* frequency;
        const char* says;
    } cases[] = {
        {form->ReceiveButton(), "152.5", "Simulated radio: receiving on 152.50000 MHz, wide"},
        {form->TransmitButton(), "151.0", "Simulated radio: transmitting on 151.00000 MHz"},
        {form->LightOnButton(), nullptr, "; lamp on, beeper off;"},
        {form->BeepOnButton(), nullptr, "; lamp on, beeper on;"},
        {form->LightOffButton(), nullptr, "; lamp off, beeper on;"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.says);
        if (c.frequency != nullptr)
        {
            form->RxFrequency()->Edit()->setText(QString::fromLatin1(c.frequency));
            form->TxFrequency()->Edit()->setText(QString::fromLatin1(c.frequency));
        }
        c.button->click();
        EXPECT_TRUE(form->IsTimerSet(CTestView::kPortLineTimerId));
        EXPECT_TRUE(PortLineSays(form, c.says)) << form->PortStatus()->text().toStdString();
    }
    // Leaving tells the radio to receive; the next live form's line catches
    // up with that once the radio has taken it.
    auto* adjust = OpenForm<CAdjustView>(VIEW_ADJUST);
    ASSERT_NE(adjust, nullptr);
    EXPECT_TRUE(PortLineSays(
        adjust, "Simulated radio: receiving with no frequency set, wide, no signalling"))
        << adjust->PortStatus()->text().toStdString();
}

TEST_F(DemoRadioSessionTest, AnUploadCopiedInOverUnsavedEditsAsksFirst)
{
    StartWithDemo();
    ChooseModel(3);
    auto* form = OpenForm<CConnectView>(VIEW_CONNECT);
    ASSERT_NE(form, nullptr);
    form->UploadButton()->click();
    ASSERT_TRUE(WaitUntil([&] { return m_ui.CountOf(kUploadCompleteText) == 1; }));

    // Cancel: the upload stays out and the edits in.
    m_ui.m_answers = {true};
    Frame().SwitchView(VIEW_MODEL);
    EXPECT_EQ(Frame().GetCurrentView(), VIEW_CONNECT);
    EXPECT_EQ(m_ui.CountOf("Save the changes to Untitled?"), 1);
    int model = -1;
    EXPECT_TRUE(Frame().GetSharedImage().GetModel(model) && model == 3);

    m_ui.m_answers = {true};
    m_ui.m_saveAnswers = {SaveAnswer::Discard};
    Frame().SwitchView(VIEW_MODEL);
    ASSERT_EQ(Frame().GetCurrentView(), VIEW_MODEL);
    EXPECT_EQ(ModelForm()->ModelList()->currentIndex(), 6);
    Frame().UpdateUnsavedState();
    EXPECT_EQ(Frame().windowTitle(), "Borea 320") << "what was uploaded is not unsaved";
}
