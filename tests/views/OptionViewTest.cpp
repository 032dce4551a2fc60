// The Option form: what it shows of the image, what it stores, the group
// counts of each capacity and the capacity it hands to the application.

// own
#include "FormFixture.h"
#include "FormTestSupport.h"

// views
#include "views/OptionView.h"
#include "views/ViewTexts.h"

// ui
#include "ui/OptionList.h"

// Qt
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// std
#include <array>
#include <cstring>

namespace
{
const QStringList kCounts120{"1", "2", "3", "4", "5", "6", "8", "10", "15", "20", "30", "40"};
const QStringList kCounts320{"1", "2", "4", "5", "8", "10", "16", "20", "32", "40"};
} // namespace

class OptionViewTest : public FormFixture
{
protected:
    void SetUp() override
    {
        UseModel(5);
        m_form = OpenForm<COptionView>(VIEW_OPTION);
        ASSERT_NE(m_form, nullptr);
        m_ui.Clear();
    }

    // The form shows `image` with the application's channel mode `mode`.
    void Show(const CRadioImage& image, int mode)
    {
        m_host.m_nChannelMode = mode;
        m_form->LoadFromImage(image);
    }

    void Choose(QComboBox* list, int position)
    {
        list->setCurrentIndex(position);
        emit list->activated(position);
    }

    COptionView* m_form = nullptr;
};

TEST_F(OptionViewTest, ListsAreSpelledAsTheRadioNamesThem)
{
    const QStringList enable{"Enable", "Disable"};
    const QStringList hold{"0.5", "2.5", "5.0", "INF"};
    const struct
    {
        COptionView::Field field;
        QStringList items;
    } cases[] = {
        {COptionView::kScanType, {"NORMAL", "MODIFY", "SECOND", "PS"}},
        {COptionView::kScanHoldOnRx, hold},
        {COptionView::kScanHoldAfterTx, hold},
        {COptionView::kScanListClear, {"Power/Scan", "When Power On", "When Scan Off", "No Clear"}},
        {COptionView::kScanHoldBy, {"NSQ", "SIGNALLING"}},
        {COptionView::kScanHoldAt, {"VACANT CH", "BUSY CH"}},
        {COptionView::kPriorityCycle, {"1/4", "1/8"}},
        {COptionView::kPriorityTime, {"0.5", "0.75", "1.0", "1.5"}},
        {COptionView::kDefeatPriority2, enable},
        {COptionView::kDtmfTiming, {"0", "1", "2", "3", "4", "5", "6", "7"}},
        {COptionView::kChannelRollOver, enable},
        {COptionView::kTimeOutTimer, {"30", "60", "90", "120", "150", "180", "210", "INF"}},
        {COptionView::kMicOffHookScanStop, enable},
        {COptionView::kBusyLockout, {"NSQ", "SGNL", "SPCL", "DIS"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(Items(m_form->List(c.field)), c.items);
    }
    // The labels keep the radio's own spellings, the blank included.
    EXPECT_EQ(m_form->List(COptionView::kTimeOutTimer)->accessibleName(), "Tx Time-Out Timer");
    EXPECT_EQ(m_form->List(COptionView::kPriorityCycle)->accessibleName(), "PRI CH Moniter Cycle");
    EXPECT_STREQ(ViewText::kTxTimeOut, "Tx Time-Out Timer ");
}

TEST_F(OptionViewTest, ShowsTheStoredOptions)
{
    // Byte 0x18 = 1110 1001: list clear 3, hold by 1, hold at 0, scan type 2,
    // roll-over 0 (Disable, position 1), cycle 1. Byte 0x1B = 0100 1000:
    // lock-out 1, time-out 1, scan stop 0.
    CRadioImage image;
    PutByte(image, 0x18, 0xE9);
    PutByte(image, 0x1B, 0x48);
    PutByte(image, 0x19, 0x8A); // beeps A and C
    Show(image, 0);
    const struct
    {
        COptionView::Field field;
        int position;
    } cases[] = {
        {COptionView::kScanListClear, 3},      {COptionView::kScanHoldBy, 1},
        {COptionView::kScanHoldAt, 0},         {COptionView::kScanType, 2},
        {COptionView::kChannelRollOver, 1},    {COptionView::kPriorityCycle, 1},
        {COptionView::kBusyLockout, 1},        {COptionView::kTimeOutTimer, 1},
        {COptionView::kMicOffHookScanStop, 0}, {COptionView::kScanHoldOnRx, 1},
        {COptionView::kScanHoldAfterTx, 2},    {COptionView::kPriorityTime, 2},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(m_form->List(c.field)->currentIndex(), c.position);
    }
    const std::array<bool, 4> beeps{true, false, true, false};
    for (int beep = 0; beep < 4; ++beep)
    {
        EXPECT_EQ(m_form->BeepBox(beep)->isChecked(), beeps[static_cast<std::size_t>(beep)]);
    }
    // The reset image's roll-over bit 1 is "Enable".
    Show(CRadioImage(), 0);
    EXPECT_EQ(m_form->List(COptionView::kChannelRollOver)->currentText(), "Enable");
}

TEST_F(OptionViewTest, StoresEachListIntoItsField)
{
    using Getter = bool (CRadioImage::*)(int&) const;
    const struct
    {
        COptionView::Field field;
        int position;
        Getter get;
        int stored;
    } cases[] = {
        {COptionView::kScanType, 1, &CRadioImage::GetScanType, 1},
        {COptionView::kScanHoldOnRx, 3, &CRadioImage::GetScanHoldOnRx, 3},
        {COptionView::kScanHoldAfterTx, 0, &CRadioImage::GetScanHoldAfterTx, 0},
        {COptionView::kScanListClear, 1, &CRadioImage::GetScanListClear, 1},
        {COptionView::kScanHoldBy, 0, &CRadioImage::GetScanHoldBy, 0},
        {COptionView::kScanHoldAt, 0, &CRadioImage::GetScanHoldAt, 0},
        {COptionView::kPriorityCycle, 0, &CRadioImage::GetPriorityCycle, 0},
        {COptionView::kPriorityTime, 3, &CRadioImage::GetPriorityTime, 3},
        {COptionView::kDefeatPriority2, 0, &CRadioImage::GetDefeatPriority2, 0},
        {COptionView::kDtmfTiming, 5, &CRadioImage::GetDtmfTiming, 5},
        // Roll-over is the one Enable/Disable list stored turned over.
        {COptionView::kChannelRollOver, 0, &CRadioImage::GetChannelRollOver, 1},
        {COptionView::kChannelRollOver, 1, &CRadioImage::GetChannelRollOver, 0},
        {COptionView::kTimeOutTimer, 4, &CRadioImage::GetTimeOutTimer, 4},
        {COptionView::kMicOffHookScanStop, 0, &CRadioImage::GetMicOffHookScanStop, 0},
        {COptionView::kBusyLockout, 2, &CRadioImage::GetBusyLockout, 2},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.field << " at " << c.position);
        Show(CRadioImage(), 0);
        Choose(m_form->List(c.field), c.position);
        CRadioImage image;
        m_form->StoreToImage(image);
        int value = -1;
        EXPECT_TRUE((image.*c.get)(value));
        EXPECT_EQ(value, c.stored);
    }
    EXPECT_TRUE(m_ui.m_records.empty());
}

TEST_F(OptionViewTest, StoresBeepsAndGroupCountAndNothingElse)
{
    CRadioImage shown;
    Show(shown, 0);
    m_form->BeepBox(1)->setChecked(false);
    m_form->BeepBox(3)->setChecked(false);
    Choose(m_form->GroupCountList(), 8); // 15
    // A target that differs from the shown image everywhere outside the
    // options keeps those bytes.
    CRadioImage target;
    std::array<std::uint8_t, 8192> before{};
    for (std::size_t i = 0; i < before.size(); ++i)
    {
        before[i] = static_cast<std::uint8_t>(i * 7);
    }
    ASSERT_TRUE(target.WriteBlock(before.data(), 0, 8192));
    m_form->StoreToImage(target);
    EXPECT_EQ(Byte(target, 0x19) & 0x0F, 0x0A);
    EXPECT_EQ(Byte(target, 0x25), 15);
    for (std::uint32_t offset = 0; offset < 8192; ++offset)
    {
        const bool option = (offset >= 0x17 && offset <= 0x1B) || offset == 0x1E || offset == 0x25;
        if (!option)
        {
            ASSERT_EQ(Byte(target, offset), before[offset]) << offset;
        }
    }
    // The bits the form has no control for stay as the target had them:
    // 0x1A bits 5-3 are the 2-tone fields.
    EXPECT_EQ(Byte(target, 0x1A) & 0x38, before[0x1A] & 0x38);
}

TEST_F(OptionViewTest, CapacityChoosesTheGroupCountsOffered)
{
    const struct
    {
        int mode;  // the application's channel mode when shown
        int click; // 0 "120ch", 1 "320ch"
        QStringList before;
        QStringList after;
    } cases[] = {
        {0, 1, kCounts120, kCounts320},
        {1, 0, kCounts320, kCounts120},
        {5, 0, kCounts320, kCounts120}, // any nonzero mode is 320 channels
        {0, 0, kCounts120, kCounts120},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.mode * 10 + c.click);
        CRadioImage image;
        PutByte(image, 0x25, 4);
        Show(image, c.mode);
        EXPECT_TRUE(m_form->CapacityButton(c.mode != 0 ? 1 : 0)->isChecked());
        EXPECT_EQ(Items(m_form->GroupCountList()), c.before);
        EXPECT_EQ(m_form->GroupCountList()->currentText(), "4");
        m_form->CapacityButton(c.click)->click();
        EXPECT_EQ(Items(m_form->GroupCountList()), c.after);
        EXPECT_EQ(m_form->GroupCountList()->currentText(), "1");
        // Only validation hands the capacity on.
        EXPECT_EQ(m_host.m_nChannelMode, c.mode);
        ASSERT_TRUE(m_form->ValidateForm());
        EXPECT_EQ(m_host.m_nChannelMode, c.click);
        EXPECT_EQ(m_host.m_nChannelCode, c.click + 1);
    }
}

TEST_F(OptionViewTest, ACountTheCapacityDoesNotOfferIsAnError)
{
    CRadioImage image;
    PutByte(image, 0x25, 15);
    m_host.m_nChannelCode = 2;
    Show(image, 1);
    EXPECT_EQ(m_form->GroupCountList()->currentIndex(), -1);
    // Switching to 120 channels and back clears the choice as well.
    m_form->CapacityButton(0)->click();
    m_form->CapacityButton(1)->click();
    EXPECT_EQ(m_form->GroupCountList()->currentText(), "1");

    Show(image, 1);
    m_form->CapacityButton(0)->setChecked(true); // chosen, not clicked: the list stays
    CRadioImage target;
    const CRadioImage untouched = target;
    m_form->StoreToImage(target);
    EXPECT_EQ(m_ui.CountOf(ViewText::kSetUpErrorOption), 1);
    EXPECT_EQ(m_ui.m_records.size(), 1U);
    EXPECT_EQ(std::memcmp(target.WorkBlock().image, untouched.WorkBlock().image, 8192), 0);
    // The capacity was taken all the same.
    EXPECT_EQ(m_host.m_nChannelMode, 0);
    EXPECT_EQ(m_host.m_nChannelCode, 1);

    // Leaving the form is refused until a count is chosen.
    m_ui.Clear();
    EXPECT_FALSE(LeaveForm());
    EXPECT_EQ(m_ui.CountOf(ViewText::kSetUpErrorOption), 1);
    Choose(m_form->GroupCountList(), 2);
    EXPECT_TRUE(LeaveForm());
    EXPECT_EQ(Byte(m_shared, 0x25), 4);
}

TEST_F(OptionViewTest, DtmfTimingShowsItsOnAndOffTimes)
{
    const struct
    {
        int position;
        const char* on;
        const char* off;
    } cases[] = {
        {0, "600", "600"}, {1, "600", "300"}, {3, "300", "150"}, {6, "75", "75"}, {7, "75", "30"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.position);
        Choose(m_form->List(COptionView::kDtmfTiming), c.position);
        EXPECT_EQ(m_form->OnTimeBox()->text(), c.on);
        EXPECT_EQ(m_form->OffTimeBox()->text(), c.off);
        // And from an image.
        CRadioImage image;
        ASSERT_TRUE(image.SetDtmfTiming(c.position));
        Show(image, 0);
        EXPECT_EQ(m_form->OffTimeBox()->text(), c.off);
    }
}

TEST_F(OptionViewTest, CancelDropsTheEdits)
{
    Choose(m_form->List(COptionView::kScanType), 0);
    m_form->BeepBox(0)->setChecked(false);
    m_form->CapacityButton(1)->click();
    m_form->CancelButton()->click();
    EXPECT_EQ(m_form->List(COptionView::kScanType)->currentText(), "PS");
    EXPECT_TRUE(m_form->BeepBox(0)->isChecked());
    EXPECT_TRUE(m_form->CapacityButton(0)->isChecked());
    EXPECT_EQ(Items(m_form->GroupCountList()), kCounts120);
}
