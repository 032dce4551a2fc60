// The Adjust form end to end against the simulated radio on a pseudo-terminal:
// what reaches the radio after clicks, questions and "Write", what the form
// shows for unreadable stored bytes, and the port line.

// own
#include "RadioCommFixture.h"

// link
#include "link/Record.h"

// views
#include "views/AdjustView.h"
#include "views/AdjustViewTexts.h"

// ui
#include "ui/LevelRow.h"
#include "ui/SpinButton.h"

// Qt
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace
{
constexpr int kTxHigh = 0;
constexpr int kTxLow = 1;
constexpr int kTxTone = 2;
constexpr int kDtmfLowTone = 3;
constexpr int kModSensitivity = 4;
constexpr int kNarrowMod = 6;
constexpr int kSqVolume = 7;
constexpr int kWideDemod = 8;

// Where each level of the form sits in the radio's live addresses and in the
// image: "SQ Volume" comes third there, eighth on the form.
constexpr std::uint16_t kAddressOffset[CAdjustView::kLevelCount] = {0, 1, 3, 4, 5, 6, 7, 2, 8, 9};

// The record the radio takes for a live level or the store command, as its
// log shows it (no CR LF).
std::string LiveRecord(bool receiveSide, int index, int value)
{
    const auto byte = static_cast<std::uint8_t>(value);
    std::string line =
        CRecord::Compose(receiveSide ? "M4" : "M6",
                         static_cast<std::uint16_t>(0x4000 + kAddressOffset[index]), &byte, 1);
    return line.substr(0, line.size() - 2);
}

std::string StoreRecord()
{
    const std::string line = CRecord::Compose("M2", 0x8000, nullptr, 0);
    return line.substr(0, line.size() - 2);
}
} // namespace

class AdjustViewTest : public RadioCommFixture
{
protected:
    void SetUp() override
    {
        StartWithRadio(SampleEeprom());
        UseModel(5);
    }

    CAdjustView* OpenAdjust() { return OpenForm<CAdjustView>(VIEW_ADJUST); }

    void Click(CAdjustView* form, int index, int direction)
    {
        CSpinButton* spin = form->Row(index)->Spin();
        (direction > 0 ? spin->UpArrow() : spin->DownArrow())->click();
    }

    // Waits for `count` records after `from`, then a moment more so that one
    // too many would show.
    std::vector<std::string> AwaitRecords(std::size_t from, std::size_t count)
    {
        (void)WaitUntil([&] { return ReceivedSince(from).size() >= count; });
        Pump(100);
        return ReceivedSince(from);
    }
};

TEST_F(AdjustViewTest, ClicksSendOneRecordAfterTheLastOneAndAskOnlyForTransmitSide)
{
    struct Case
    {
        const char* name;
        int level;
        int start;
        std::vector<int> clicks;
        bool warning;
        bool answer; // to the question, when asked
        int shown;
        int questions;
        bool sent;
    };
    const Case cases[] = {
        {"five quick ups", kTxHigh, 100, {1, 1, 1, 1, 1}, true, true, 105, 1, true},
        {"squelch held at its top", kSqVolume, 80, {1}, true, true, 80, 0, true},
        {"sensitivity held at zero", kModSensitivity, 0, {-1}, true, true, 0, 1, true},
        {"no warning, no question", kTxTone, 64, {1}, false, true, 65, 0, true},
        {"cancel sends nothing", kNarrowMod, 10, {1}, true, false, 11, 1, false},
        {"receive side never asks", kWideDemod, 3, {-1, -1}, true, true, 1, 0, true},
        {"unreadable byte steps up to zero", kSqVolume, -1, {1}, true, true, 0, 0, true},
    };
    CAdjustView* form = OpenAdjust();
    ASSERT_NE(form, nullptr);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        form->WarningCheck()->setChecked(c.warning);
        form->Row(c.level)->SetValue(c.start);
        m_ui.Clear();
        m_ui.m_answers = {c.answer};
        const std::size_t mark = m_radio.Log().size();
        for (const int direction : c.clicks)
        {
            Click(form, c.level, direction);
        }
        EXPECT_EQ(form->Row(c.level)->Box()->text(), QString::number(c.shown));
        EXPECT_TRUE(form->IsTimerSet(CAdjustView::TimerId(c.level)));
        EXPECT_TRUE(m_ui.Texts().empty()) << "asked before the timer";
        form->OnTimer(CAdjustView::TimerId(c.level));
        EXPECT_FALSE(form->IsTimerSet(CAdjustView::TimerId(c.level)));
        EXPECT_EQ(m_ui.CountOf(AdjustText::kTransmitQuestion), c.questions);
        const bool receive = CAdjustView::Levels()[static_cast<std::size_t>(c.level)].receiveSide;
        const std::vector<std::string> expected =
            c.sent ? std::vector<std::string>{LiveRecord(receive, c.level, c.shown)}
                   : std::vector<std::string>{};
        EXPECT_EQ(AwaitRecords(mark, expected.size()), expected);
        EXPECT_EQ(form->Row(c.level)->Box()->text(), QString::number(c.shown));
    }
}

TEST_F(AdjustViewTest, TwoLevelsClickedTogetherSendApartEachWithItsQuestion)
{
    CAdjustView* form = OpenAdjust();
    ASSERT_NE(form, nullptr);
    form->Row(kTxLow)->SetValue(40);
    form->Row(kTxTone)->SetValue(70);
    m_ui.m_answers = {true, true};
    const std::size_t mark = m_radio.Log().size();
    Click(form, kTxLow, 1);
    Click(form, kTxTone, -1);
    form->OnTimer(CAdjustView::TimerId(kTxLow));
    // The other level's send is still pending, not swallowed by the first.
    EXPECT_TRUE(form->IsTimerSet(CAdjustView::TimerId(kTxTone)));
    form->OnTimer(CAdjustView::TimerId(kTxTone));
    EXPECT_EQ(m_ui.CountOf(AdjustText::kTransmitQuestion), 2);
    EXPECT_EQ(AwaitRecords(mark, 2), (std::vector<std::string>{LiveRecord(false, kTxLow, 41),
                                                               LiveRecord(false, kTxTone, 69)}));
}

TEST_F(AdjustViewTest, ATransmitSideLevelIsReleasedWhenTheFormGoesOrThePortChanges)
{
    enum Leave
    {
        SwitchForm,
        EndProgram,
        ComportSet,
    };
    const struct
    {
        const char* name;
        int level;
        Leave leave;
        bool released;
    } cases[] = {
        {"Tx Tone, then another form", kTxTone, SwitchForm, true},
        {"Tx Tone, then the program ends", kTxTone, EndProgram, true},
        {"SQ Volume, then another form", kSqVolume, SwitchForm, false},
        {"Tx Tone, then Comport set COM2", kTxTone, ComportSet, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_ui.Clear();
        CAdjustView* form = OpenAdjust();
        ASSERT_NE(form, nullptr);
        m_ui.m_answers = {true};
        const std::size_t mark = m_radio.Log().size();
        Click(form, c.level, 1);
        form->OnTimer(CAdjustView::TimerId(c.level));
        ASSERT_EQ(AwaitRecords(mark, 1).size(), 1u);
        const std::size_t sent = m_radio.Log().size();
        if (c.leave == SwitchForm)
        {
            EXPECT_TRUE(LeaveForm());
        }
        else if (c.leave == EndProgram)
        {
            CloseForm();
        }
        else
        {
            m_host.m_portMap.SetDevicePath(2, Path("no-such-port"));
            ChooseCom2();
            EXPECT_EQ(form->Link().DeviceName(), Path("no-such-port"));
        }
        if (!c.released)
        {
            Pump(100);
            EXPECT_EQ(ReceivedSince(sent), std::vector<std::string>{});
            continue;
        }
        EXPECT_EQ(AwaitRecords(sent, 1).size(), 1u);
        EXPECT_EQ(m_radio.State().test.side, 'R');
        EXPECT_FALSE(m_radio.State().test.hasFrequency);
    }
}

TEST_F(AdjustViewTest, WriteAfterACancelledQuestionStoresWithoutSendingTheLevel)
{
    CAdjustView* form = OpenAdjust();
    ASSERT_NE(form, nullptr);
    form->Row(kTxHigh)->SetValue(100);
    m_ui.m_answers = {false};
    const std::size_t mark = m_radio.Log().size();
    Click(form, kTxHigh, 1);
    form->OnTimer(CAdjustView::TimerId(kTxHigh));
    form->WriteButton()->click();
    EXPECT_EQ(AwaitRecords(mark, 1), std::vector<std::string>{StoreRecord()});
    int stored = 0;
    EXPECT_TRUE(form->GetImage().GetTxHighPowerLevel(stored));
    EXPECT_EQ(stored, 101);
    // "Write" asks nothing and reports nothing.
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{AdjustText::kTransmitQuestion});
}

TEST_F(AdjustViewTest, AnUnreadableStoredByteShowsMinusOneAndBlocksLeavingUntilStepped)
{
    // A byte one past the level's range, at the level's place in the image.
    struct Case
    {
        int level;
        std::uint8_t byte;
    };
    const Case cases[] = {
        {kSqVolume, 81}, {kModSensitivity, 16}, {kTxTone, 128}, {kDtmfLowTone, 255}};
    CAdjustView* form = OpenAdjust();
    ASSERT_NE(form, nullptr);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.level);
        CRadioImage image = m_shared;
        ASSERT_TRUE(image.WriteBlock(&c.byte, ImageMap::kAlignment + kAddressOffset[c.level], 1));
        form->LoadFromImage(image);
        m_ui.Clear();
        EXPECT_EQ(form->Row(c.level)->Box()->text(), QStringLiteral("-1"));

        CRadioImage target;
        const std::vector<std::uint8_t> before = Bytes(target);
        EXPECT_FALSE(form->ValidateForm());
        form->StoreToImage(target);
        EXPECT_EQ(Bytes(target), before) << "written although a level is out of range";
        EXPECT_EQ(m_ui.CountOf(AdjustText::kSetError), 2);

        // "Write" is refused the same way and sends nothing.
        const std::size_t mark = m_radio.Log().size();
        form->WriteButton()->click();
        EXPECT_EQ(m_ui.CountOf(AdjustText::kSetError), 3);

        Click(form, c.level, 1);
        form->KillTimer(CAdjustView::TimerId(c.level));
        EXPECT_EQ(form->Row(c.level)->Box()->text(), QStringLiteral("0"));
        EXPECT_TRUE(form->ValidateForm());
        form->StoreToImage(target);
        int value = -1;
        EXPECT_TRUE((target.*CAdjustView::Levels()[static_cast<std::size_t>(c.level)].get)(value));
        EXPECT_EQ(value, 0);
        EXPECT_EQ(AwaitRecords(mark, 0), std::vector<std::string>{});
    }
}

TEST_F(AdjustViewTest, StoreToImageWritesEveryLevelWhereTheImageKeepsIt)
{
    CAdjustView* form = OpenAdjust();
    ASSERT_NE(form, nullptr);
    for (int i = 0; i < CAdjustView::kLevelCount; ++i)
    {
        form->Row(i)->SetValue(CAdjustView::Levels()[static_cast<std::size_t>(i)].maximum - i);
    }
    CRadioImage target;
    form->StoreToImage(target);
    for (int i = 0; i < CAdjustView::kLevelCount; ++i)
    {
        const CAdjustView::Level& level = CAdjustView::Levels()[static_cast<std::size_t>(i)];
        int value = -1;
        EXPECT_TRUE((target.*level.get)(value)) << level.label;
        EXPECT_EQ(value, level.maximum - i) << level.label;
    }
}

TEST_F(AdjustViewTest, ThePortLineSaysWhetherTheRadioCanBeReached)
{
    struct Case
    {
        const char* name;
        bool reachable;
        const char* says;
    };
    const Case cases[] = {
        {"radio on the port", true, ": open."},
        {"no such device", false, "not open, there is no device"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_host.m_portMap.SetDevicePath(1, c.reachable ? m_port.DevicePath() : Path("no-such-port"));
        CAdjustView* form = OpenAdjust();
        ASSERT_NE(form, nullptr);
        form->OnPortChanged();
        EXPECT_EQ(form->Link().IsOpen(), c.reachable);
        EXPECT_TRUE(form->PortStatus()->text().startsWith(QStringLiteral("COM1: ")));
        EXPECT_TRUE(form->PortStatus()->text().contains(QString::fromLatin1(c.says)))
            << form->PortStatus()->text().toStdString();
        // A send that cannot reach the radio still shows no message box.
        m_ui.Clear();
        Click(form, kSqVolume, 1);
        form->OnTimer(CAdjustView::TimerId(kSqVolume));
        EXPECT_TRUE(m_ui.Texts().empty());
        EXPECT_TRUE(form->PortStatus()->text().contains(QString::fromLatin1(c.says)));
    }
}
