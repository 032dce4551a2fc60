// The Test form end to end against the simulated radio on a pseudo-terminal:
// what the radio decodes from "Receive" and "Transmit", the lamp and beeper,
// the setups refused with nothing sent, and the receive command that follows a
// transmit when the form goes.

// own
#include "RadioCommFixture.h"

// views
#include "views/AdjustView.h"
#include "views/TestView.h"
#include "views/TestViewTexts.h"

// ui
#include "ui/BitRow.h"
#include "ui/FrequencyBox.h"
#include "ui/OptionList.h"
#include "ui/SpinButton.h"

// model
#include "model/Synthesizer.h"

// Qt
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

// std
#include <cmath>

namespace
{
constexpr int kHighSide = 0; // injection flag values
constexpr int kLowSide = 1;

// A band set up as the Model form writes it: model, injection flag and the
// wide and narrow reference steps.
struct Band
{
    int model;
    int injection;
    double wideHz;
    double narrowHz;
};
constexpr Band kVhfA{5, kHighSide, 5000, 6250};     // 136-160 MHz
constexpr Band kVhfB{6, kHighSide, 5000, 6250};     // 150-174 MHz
constexpr Band kVhfBLow{6, kLowSide, 5000, 6250};   // the same, low side
constexpr Band k800{13, kLowSide, 12500, 6250};     // receive 851-870, transmit 806-825
constexpr Band kVhfL{0, kLowSide, 2500, 5000};      // 29.7-36 MHz
constexpr Band kUhfA{9, kLowSide, 6250, 5000};      // 403-430 MHz
constexpr Band k800Fine{13, kLowSide, 5000, 12500}; // the 800 MHz codes the other way

// An image of `model` with the given injection flag and reference steps,
// written as the Model form writes them.
CRadioImage MakeImage(int model, int injection, double wideHz, double narrowHz)
{
    CRadioImage image;
    EXPECT_TRUE(BuildSampleImage(image));
    EXPECT_TRUE(image.SetModel(model) && image.SetInjection(injection) &&
                image.SetWideIfOffset(ComputeIfOffset(model, injection == kLowSide, wideHz)) &&
                image.SetNarrowIfOffset(ComputeIfOffset(model, injection == kLowSide, narrowHz)) &&
                image.SetWideReference(wideHz) && image.SetNarrowReference(narrowHz));
    return image;
}

CRadioImage MakeImage(const Band& band)
{
    return MakeImage(band.model, band.injection, band.wideHz, band.narrowHz);
}

// One side's entries: frequency text and signalling.
struct Side
{
    const char* frequency = "0";
    int type = SignallingChoice::kNone;
    int tone = -1;
    const char* dcs = "0";
};

Side Plain(const char* frequency)
{
    return {frequency};
}

Side Ctcss(const char* frequency, int tone)
{
    return {frequency, SignallingChoice::kCtcss, tone};
}

Side Dcs(const char* frequency, const char* code)
{
    return {frequency, SignallingChoice::kDcs, -1, code};
}

void Enter(CFrequencyBox* frequency, CSignallingBox* signalling, const Side& side)
{
    frequency->Edit()->setText(QString::fromLatin1(side.frequency));
    signalling->TypeList()->SetValue(side.type);
    signalling->ApplyType(side.type);
    signalling->ToneList()->SetValue(side.tone);
    if (side.type == SignallingChoice::kDcs)
    {
        signalling->DcsEdit()->setText(QString::fromLatin1(side.dcs));
    }
}

// The test record as the radio's log shows it, for a receive (M4) or
// transmit (M6) of `payload`.
std::string TestRecord(bool transmit, const std::vector<std::uint8_t>& payload)
{
    const std::string line =
        CRecord::Compose(transmit ? "M6" : "M4", RadioCommands::kTestAddress, payload.data(), 7);
    return line.substr(0, line.size() - 2);
}
} // namespace

class TestViewTest : public RadioCommFixture
{
protected:
    void SetUp() override
    {
        StartWithRadio(SampleEeprom());
        // The application's model (VHF(H) A Band) differs from the images the
        // cases load into the form, so a prescaler taken from it would show.
        UseModel(5);
    }

    CTestView* OpenTest() { return OpenForm<CTestView>(VIEW_TEST); }

    // The form and the radio both take `image`, so that the radio decodes
    // with the band, steps and injection the form used.
    void LoadBoth(CTestView* form, const CRadioImage& image)
    {
        m_radio.SetEeprom(Bytes(image).data());
        form->LoadFromImage(image);
    }

    // Clicks `button` and waits until the radio has taken one more command.
    bool ClickAndAwait(QPushButton* button)
    {
        const int before = m_radio.State().commandsTaken;
        button->click();
        return WaitUntil([&] { return m_radio.State().commandsTaken > before; });
    }

    // Every record sent after `mark`: a lamp command follows as a marker, and
    // once the radio has it, everything before it has arrived too.
    std::vector<std::string> RecordsBeforeMarker(CTestView* form, std::size_t mark)
    {
        EXPECT_TRUE(ClickAndAwait(form->LightOffButton()));
        std::vector<std::string> records = ReceivedSince(mark);
        EXPECT_FALSE(records.empty());
        if (!records.empty())
        {
            records.pop_back();
        }
        return records;
    }
};

TEST_F(TestViewTest, TheRadioDecodesWhatReceiveAndTransmitSend)
{
    struct Heard
    {
        SimSignalling signalling;
        int toneOrCode; // CTCSS index, or DCS digits negative when inverted
    };
    constexpr Heard kQuiet{SimSignalling::None, -1};
    constexpr Heard kDcs023{SimSignalling::Dcs, 23};
    constexpr Heard kDcs023Inverted{SimSignalling::Dcs, -23};
    constexpr Heard kTone1{SimSignalling::Ctcss, 1};
    struct Case
    {
        const char* name;
        Band band;
        bool transmit;
        bool narrow;
        Side side;
        int aux;
        // What the radio decoded.
        bool hasFrequency;
        double synthesizerMhz;
        double airMhz;
        Heard heard;
    };
    const Case cases[] = {
        {"receive, no frequency, no signalling", kVhfB, false, false, Plain("0"), 0xFF, false, 0.0,
         0.0, kQuiet},
        {"receive high side adds the 45 MHz IF", kVhfB, false, false, Plain("150.005"), 0xFF, true,
         195.005, 150.005, kQuiet},
        {"receive low side takes the IF away", kVhfBLow, false, false, Plain("160.0"), 0xFF, true,
         115.0, 160.0, kQuiet},
        {"receive narrow on the 6.25 kHz grid", kVhfA, false, true, Plain("136.00625"), 0xFF, true,
         181.00625, 136.00625, kQuiet},
        {"transmit carries no IF", kVhfB, true, false, Plain("150.005"), 0xFF, true, 150.005,
         150.005, kQuiet},
        {"inverted DCS -023", kVhfB, true, false, Dcs("151.0", "-023"), 0xFF, true, 151.0, 151.0,
         kDcs023Inverted},
        {"DCS 023", kVhfB, false, false, Dcs("0", "023"), 0xFF, false, 0.0, 0.0, kDcs023},
        {"second CTCSS tone", kVhfB, false, false, Ctcss("0", 1), 0xFF, false, 0.0, 0.0, kTone1},
        {"only the leftmost auxiliary bit", kVhfB, false, false, Plain("0"), 0x80, false, 0.0, 0.0,
         kQuiet},
        // The application's model is 5 (prescaler 64); the form's own image
        // is the 800 MHz model, whose prescaler is 128.
        {"800 MHz transmit edge with its own prescaler", k800, true, false, Plain("815.0"), 0xFF,
         true, 815.0, 815.0, kQuiet},
        {"800 MHz receive, low side", k800, false, true, Plain("860.0"), 0xFF, true, 790.0, 860.0,
         kQuiet},
    };
    CTestView* form = OpenTest();
    ASSERT_NE(form, nullptr);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        LoadBoth(form, MakeImage(c.band));
        (c.narrow ? form->NarrowButton() : form->WideButton())->click();
        Enter(c.transmit ? form->TxFrequency() : form->RxFrequency(),
              c.transmit ? form->TxSignalling() : form->RxSignalling(), c.side);
        form->AuxRow()->SetValue(c.aux);
        m_ui.Clear();
        ASSERT_TRUE(ClickAndAwait(c.transmit ? form->TransmitButton() : form->ReceiveButton()));
        EXPECT_TRUE(m_ui.Texts().empty());

        const SimTestState test = m_radio.State().test;
        EXPECT_EQ(test.side, c.transmit ? 'T' : 'R');
        EXPECT_EQ(test.hasFrequency, c.hasFrequency);
        if (c.hasFrequency)
        {
            EXPECT_TRUE(test.bandKnown);
            EXPECT_NEAR(test.synthesizerMhz, c.synthesizerMhz, 1e-6);
            EXPECT_NEAR(test.frequencyMhz, c.airMhz, 1e-6);
        }
        EXPECT_EQ(test.signalling, c.heard.signalling);
        EXPECT_EQ(test.signalling == SimSignalling::Ctcss ? test.ctcssIndex
                  : test.dcsInverted                      ? -test.dcsDigits
                                                          : test.dcsDigits,
                  c.heard.toneOrCode);
        EXPECT_EQ(test.wide, !c.narrow);
        EXPECT_EQ(test.auxiliary, c.aux);
        EXPECT_EQ(form->IsTransmitting(), c.transmit);
    }
}

TEST_F(TestViewTest, TheFormsStartingEntriesSendTheRecordTheLinkBuildsForThem)
{
    CTestView* form = OpenTest();
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(ClickAndAwait(form->ReceiveButton()));
    // Normal power, in neither scan group, compander, DTone and ANI
    // disabled, wide, all auxiliary bits 1; no frequency, no signalling.
    TestSettings starting;
    starting.noFrequency = true;
    starting.wide = 1;
    std::vector<std::uint8_t> expected(RadioCommands::kTestPayloadSize);
    ASSERT_TRUE(CTestRecord::Build(starting, -1, expected.data()));
    EXPECT_EQ(m_radio.TestPayload(), expected);
    EXPECT_EQ(m_radio.TestSide(), 'R');
}

TEST_F(TestViewTest, OptionsReachTheRadio)
{
    struct Case
    {
        const char* name;
        int power;
        int compander;
        int dtone;
        int ani;
        bool scanA;
        bool scanB;
    };
    const Case cases[] = {
        {"the form's defaults", 1, 1, 1, 1, false, false},
        {"low power, everything enabled, both groups", 0, 0, 0, 0, true, true},
        {"scan group A only", 1, 1, 1, 1, true, false},
        {"compander only", 1, 0, 1, 1, false, false},
    };
    CTestView* form = OpenTest();
    ASSERT_NE(form, nullptr);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        form->PowerList()->SetValue(c.power);
        form->CompanderList()->SetValue(c.compander);
        form->DToneList()->SetValue(c.dtone);
        form->AniList()->SetValue(c.ani);
        form->ScanGroupACheck()->setChecked(c.scanA);
        form->ScanGroupBCheck()->setChecked(c.scanB);
        ASSERT_TRUE(ClickAndAwait(form->TransmitButton()));
        const SimTestState test = m_radio.State().test;
        EXPECT_EQ(test.highPower, c.power == 1);
        EXPECT_EQ(test.compander, c.compander == 0);
        EXPECT_EQ(test.dtone, c.dtone == 0);
        EXPECT_EQ(test.ani, c.ani == 0);
        EXPECT_EQ(test.scanGroupA, c.scanA);
        EXPECT_EQ(test.scanGroupB, c.scanB);
    }
}

TEST_F(TestViewTest, LampAndBeeperFollowTheirButtons)
{
    CTestView* form = OpenTest();
    ASSERT_NE(form, nullptr);
    const struct
    {
        QPushButton* button;
        bool lamp;
        bool beeper;
    } cases[] = {
        {form->LightOnButton(), true, false},  {form->BeepOnButton(), true, true},
        {form->LightOffButton(), false, true}, {form->LightOnButton(), true, true},
        {form->BeepOffButton(), true, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.button->text().toStdString());
        ASSERT_TRUE(ClickAndAwait(c.button));
        const SimRadioState state = m_radio.State();
        EXPECT_EQ(state.lamp, c.lamp);
        EXPECT_EQ(state.beeper, c.beeper);
    }
    // Lamp and beeper commands leave the receive or transmit state alone.
    EXPECT_EQ(m_radio.State().test.side, 0);
    EXPECT_FALSE(form->IsTransmitting());
}

TEST_F(TestViewTest, AnInvalidSetupIsRefusedAndNothingIsSent)
{
    struct Case
    {
        const char* name;
        Band band;
        bool transmit;
        Side side;
        const char* message;
    };
    using namespace TestViewText;
    const Case cases[] = {
        {"off the 5 kHz grid", kVhfA, false, Plain("150.0025"), kSetUpError},
        {"below the band", kVhfB, false, Plain("149.995"),
         " Set Up Error ! \nReceive Freq must lie within the band VHF(H) B Band: 150.00000 to "
         "174.00000 MHz."},
        {"above the band", kVhfB, true, Plain("174.005"),
         " Set Up Error ! \nTransmit Freq must lie within the band VHF(H) B Band: 150.00000 to "
         "174.00000 MHz."},
        {"800 MHz: a transmit frequency for Receive", k800, false, Plain("815.0"),
         " Set Up Error ! \nReceive Freq must lie within the band 800 MHz: 851.00000 to "
         "870.00000 MHz."},
        {"800 MHz: a receive frequency for Transmit", k800, true, Plain("860.0"),
         " Set Up Error ! \nTransmit Freq must lie within the band 800 MHz: 806.00000 to "
         "825.00000 MHz."},
        {"CTCSS without a tone", kVhfB, true, Ctcss("0", -1), kSetUpError},
        {"DCS 024 is no code", kVhfB, false, Dcs("0", "024"), kSetUpError},
        {"DCS 0 is no code", kVhfB, false, Dcs("0", "0"), kSetUpError},
        {"not a number", kVhfB, false, Plain("15O.0"), kFrequencyEntry},
        {"beyond 10000", kVhfB, true, Plain("10000.5"), kFrequencyEntry},
        {"a sign", kVhfB, false, Plain("+150.005"), kFrequencySign},
        {"six decimals", kVhfB, true, Plain("150.0050001"), kFrequencyDecimals},
    };
    CTestView* form = OpenTest();
    ASSERT_NE(form, nullptr);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        LoadBoth(form, MakeImage(c.band));
        Enter(c.transmit ? form->TxFrequency() : form->RxFrequency(),
              c.transmit ? form->TxSignalling() : form->RxSignalling(), c.side);
        m_ui.Clear();
        const std::size_t mark = m_radio.Log().size();
        (c.transmit ? form->TransmitButton() : form->ReceiveButton())->click();
        EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(RecordsBeforeMarker(form, mark), std::vector<std::string>{});
        EXPECT_FALSE(form->IsTransmitting());
    }
}

TEST_F(TestViewTest, LeavingAfterTransmitTellsTheRadioToReceive)
{
    enum Leave
    {
        SwitchForm,
        EndProgram,
        ComportSet,
    };
    struct Case
    {
        const char* name;
        std::vector<int> presses; // 0 receive, 1 transmit, 2 lamp on, 3 beep on
        Leave leave;
        bool released;
    };
    const Case cases[] = {
        {"transmit, then another form", {1}, SwitchForm, true},
        {"transmit, lamp and beeper, then another form", {1, 2, 3}, SwitchForm, true},
        {"transmit, then the program ends", {1}, EndProgram, true},
        {"transmit, then receive", {1, 0}, SwitchForm, false},
        {"receive only", {0}, EndProgram, false},
        {"nothing pressed", {}, SwitchForm, false},
        {"transmit, then Comport set COM2", {1}, ComportSet, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTestView* form = OpenTest();
        ASSERT_NE(form, nullptr);
        LoadBoth(form, MakeImage(kVhfB));
        form->TxFrequency()->Edit()->setText(QStringLiteral("152.5"));
        form->RxFrequency()->Edit()->setText(QStringLiteral("152.5"));
        QPushButton* buttons[] = {form->ReceiveButton(), form->TransmitButton(),
                                  form->LightOnButton(), form->BeepOnButton()};
        for (const int press : c.presses)
        {
            ASSERT_TRUE(ClickAndAwait(buttons[press]));
        }
        const std::vector<std::uint8_t> last = m_radio.TestPayload();
        const int before = m_radio.State().commandsTaken;
        const std::size_t mark = m_radio.Log().size();
        if (c.leave == SwitchForm)
        {
            ASSERT_TRUE(LeaveForm());
        }
        else if (c.leave == ComportSet)
        {
            m_host.m_portMap.SetDevicePath(2, Path("no-such-port"));
            ChooseCom2();
            EXPECT_EQ(form->Link().DeviceName(), Path("no-such-port"));
        }
        else
        {
            CloseForm();
        }
        if (!c.released)
        {
            Pump(100);
            EXPECT_EQ(ReceivedSince(mark), std::vector<std::string>{});
            continue;
        }
        ASSERT_TRUE(WaitUntil([&] { return m_radio.State().commandsTaken > before; }));
        // The last command's options, with no frequency and no signalling.
        const std::vector<std::uint8_t> release = m_radio.TestPayload();
        EXPECT_EQ(ReceivedSince(mark), std::vector<std::string>{TestRecord(false, release)});
        TestRecordParts lastParts;
        TestRecordParts releaseParts;
        ASSERT_TRUE(CTestRecord::Split(last.data(), last.size(), lastParts));
        ASSERT_TRUE(CTestRecord::Split(release.data(), release.size(), releaseParts));
        EXPECT_EQ(releaseParts.flags, lastParts.flags);
        EXPECT_EQ(releaseParts.auxiliary, lastParts.auxiliary);
        const SimTestState test = m_radio.State().test;
        EXPECT_EQ(test.side, 'R');
        EXPECT_FALSE(test.hasFrequency);
        EXPECT_EQ(test.signalling, SimSignalling::None);
    }
}

TEST_F(TestViewTest, DcsArrowsWalkTheCodeListAndItsInvertedCodes)
{
    struct Case
    {
        const char* start;
        int direction;
        const char* shown;
    };
    const Case cases[] = {
        {"000", 1, "023"}, {"000", -1, "-023"},  {"754", 1, "754"},
        {"023", 1, "025"}, {"-023", -1, "-025"}, {"-023", 1, "000"},
    };
    CTestView* form = OpenTest();
    ASSERT_NE(form, nullptr);
    for (CSignallingBox* box : {form->RxSignalling(), form->TxSignalling()})
    {
        box->TypeList()->SetValue(SignallingChoice::kDcs);
        box->ApplyType(SignallingChoice::kDcs);
        for (const Case& c : cases)
        {
            SCOPED_TRACE(std::string(c.start) + (c.direction > 0 ? " up" : " down"));
            box->DcsEdit()->setText(QString::fromLatin1(c.start));
            (c.direction > 0 ? box->DcsSpin()->UpArrow() : box->DcsSpin()->DownArrow())->click();
            EXPECT_EQ(box->DcsEdit()->text().toStdString(), c.shown);
        }
    }
}

TEST_F(TestViewTest, StepsAndBandStepCountFollowTheOwnImage)
{
    struct Case
    {
        Band band;
        bool narrow;
        double wideKhz;
        double narrowKhz;
        int steps;
    };
    const Case cases[] = {
        {kVhfA, false, 5.0, 6.25, 4800},    // 24 MHz / 5 kHz
        {kVhfA, true, 5.0, 6.25, 3840},     // 24 MHz / 6.25 kHz
        {kVhfL, false, 2.5, 5.0, 2400},     // 30 (29.7 rounded) to 36 MHz
        {k800, true, 12.5, 6.25, 3040},     // narrow code 1 whatever the wide
        {k800Fine, false, 5.0, 12.5, 3800}, // 19 MHz / 5 kHz
        {kUhfA, false, 6.25, 5.0, 4320},    // 27 MHz / 6.25 kHz
    };
    CTestView* form = OpenTest();
    ASSERT_NE(form, nullptr);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.band.model);
        form->LoadFromImage(MakeImage(c.band));
        (c.narrow ? form->NarrowButton() : form->WideButton())->click();
        EXPECT_DOUBLE_EQ(form->GetWideStep(), c.wideKhz);
        EXPECT_DOUBLE_EQ(form->GetNarrowStep(), c.narrowKhz);
        EXPECT_DOUBLE_EQ(form->GetChannelStep(), (c.narrow ? c.narrowKhz : c.wideKhz) / 1000.0);
        EXPECT_EQ(form->BandStepCount(), c.steps);
    }
    // The arrows stop at the band's lower edge, rather than a step below it.
    form->LoadFromImage(MakeImage(kVhfA));
    form->RxFrequency()->Edit()->setText(QStringLiteral("136.0012"));
    form->RxFrequency()->Spin()->DownArrow()->click();
    EXPECT_EQ(form->RxFrequency()->Edit()->text(), "136.00000");
    form->RxFrequency()->Spin()->DownArrow()->click();
    EXPECT_EQ(form->RxFrequency()->Edit()->text(), "0.00000");
}

TEST_F(TestViewTest, CancelRestoresTheFormsStartingEntries)
{
    CTestView* form = OpenTest();
    ASSERT_NE(form, nullptr);
    form->NarrowButton()->click();
    Enter(form->RxFrequency(), form->RxSignalling(), Dcs("150.005", "-023"));
    form->PowerList()->SetValue(0);
    form->ScanGroupBCheck()->setChecked(true);
    form->AuxRow()->SetValue(0x12);
    form->CancelButton()->click();
    EXPECT_TRUE(form->WideButton()->isChecked());
    EXPECT_EQ(form->RxFrequency()->Edit()->text(), QStringLiteral("0.00000"));
    EXPECT_EQ(form->RxSignalling()->TypeList()->Value(), SignallingChoice::kNone);
    EXPECT_FALSE(form->RxSignalling()->DcsEdit()->isEnabled());
    EXPECT_EQ(form->PowerList()->Value(), 1);
    EXPECT_FALSE(form->ScanGroupBCheck()->isChecked());
    EXPECT_EQ(form->AuxRow()->Value(), 0xFF);
    // Nothing of the form reaches the radio image.
    CRadioImage target = m_shared;
    const std::vector<std::uint8_t> before = Bytes(target);
    form->StoreToImage(target);
    EXPECT_EQ(Bytes(target), before);
}
