// The Option form: scanning, priority monitoring, DTMF timing, time-out timer,
// lock-out, beeps, the group count and the radio's channel capacity.
#pragma once

// own
#include "views/Vesk4View.h"


// std
#include <array>

class COptionList;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class COptionView : public CVesk4View
{
    Q_OBJECT
public:
    // The drop lists whose position is an image field, in the order the form
    // stores them.
    enum Field
    {
        kScanType,
        kScanHoldOnRx,
        kScanHoldAfterTx,
        kScanListClear,
        kScanHoldBy,
        kScanHoldAt,
        kPriorityCycle,
        kPriorityTime,
        kDefeatPriority2,
        kDtmfTiming,
        kChannelRollOver,
        kTimeOutTimer,
        kMicOffHookScanStop,
        kBusyLockout,
        kFieldCount
    };
    static constexpr int kBeepCount = 4;

    COptionView(IViewHost& host, QWidget* parent);

    // Reads and checks every entry. The capacity chosen becomes the
    // application's whatever the outcome, so the Channel form and the dump
    // file follow the form even when it is not left yet.
    bool ValidateForm() override;
    // Writes every option and the group count into `image` when the form is
    // valid; nothing otherwise.
    void StoreToImage(CRadioImage& image) override;
    bool PreviewStore(CRadioImage& image, int& channelMode) override;
    void RefreshForm() override;

    // The DTMF timing chosen: its on and off times are shown.
    void OnDtmfTimingChanged();
    // "120ch" (0) or "320ch" (1) clicked: the group counts of that capacity,
    // with "1" selected.
    void OnCapacityClicked(int capacity);

    // The controls, for tests.
    COptionList* List(Field field) const { return m_pLists[field]; }
    QLineEdit* OnTimeBox() const { return m_pOnTime; }
    QLineEdit* OffTimeBox() const { return m_pOffTime; }
    QCheckBox* BeepBox(int beep) const { return m_pBeeps[static_cast<std::size_t>(beep)]; }
    QRadioButton* CapacityButton(int capacity) const { return capacity == 0 ? m_p120 : m_p320; }
    COptionList* GroupCountList() const { return m_pGroupCountList; }
    QPushButton* CancelButton() const { return m_pCancel; }

private:
    std::array<COptionList*, kFieldCount> m_pLists{};
    QLineEdit* m_pOnTime;
    QLineEdit* m_pOffTime;
    std::array<QCheckBox*, kBeepCount> m_pBeeps{};
    QRadioButton* m_p120;
    QRadioButton* m_p320;
    COptionList* m_pGroupCountList;
    QPushButton* m_pCancel;

    // The form's values as last read from the controls: list positions (-1
    // none), beep flags A to D, the capacity (0 = 120, 1 = 320 channels), the
    // group-count position and the count it names.
    std::array<int, kFieldCount> m_nPositions{};
    std::array<int, kBeepCount> m_nBeeps{};
    int m_nCapacity = 0;
    int m_nGroupCountSel = -1;
    int m_nGroupCount = 0;

    // The checks of ValidateForm on the members as read: the first entry
    // found wrong, or nullptr. `count` is the group count chosen, -1 when
    // none can be read.
    QWidget* WrongEntry(int& count) const;

    void BuildLayout();
    // Refills the group-count list with the counts `capacity` allows.
    void RebuildGroupCounts(int capacity);
    void ShowDtmfTimes(int timing);
};
