// The Adjust form: the ten analogue levels a technician sets while the radio is
// connected and watched on test equipment. Each change reaches the radio live a
// moment after the last click; a transmit-side level can key the transmitter,
// so it goes only once the operator agrees. "Write" records the levels and
// asks the radio to store its adjustments.
#pragma once

// own
#include "views/LiveView.h"

// link
#include "link/RadioLink.h"

// std
#include <array>
#include <cstdint>
#include <vector>

class CLevelRow;
class QCheckBox;
class QLabel;
class QPushButton;

class CAdjustView : public CLiveView
{
    Q_OBJECT
public:
    static constexpr int kLevelCount = 10;
    // A level's timer fires this long after its last click; clicks closer
    // together postpone the send, so a run of clicks sends once.
    static constexpr int kSendDelayMs = 200;

    // One level of the form, in the form's order.
    struct Level
    {
        const char* label;
        int maximum;   // the minimum is 0
        int maxLength; // characters the box takes
        bool receiveSide;
        bool (CRadioLink::*send)(std::uint8_t);
        bool (CRadioImage::*get)(int&) const;
        bool (CRadioImage::*set)(int);
    };
    static const std::array<Level, kLevelCount>& Levels();
    // The timer of level `index`; each level has its own, so they run apart.
    static constexpr int TimerId(int index) { return kFirstTimerId + index; }

    CAdjustView(IViewHost& host, QWidget* parent);
    // Tells a radio a transmit-side level keyed to receive, then closes the
    // link, joining its reader, before the sink it posts to goes.
    ~CAdjustView() override;

    bool ValidateForm() override;
    // Writes the ten levels into `image` when every one is in range; nothing
    // otherwise.
    void StoreToImage(CRadioImage& image) override;
    bool PreviewStore(CRadioImage& image, int& channelMode) override;
    void RefreshForm() override;
    // The port choice changed: the link moves to the new port (a radio a
    // transmit-side level keyed on the old one is first told to receive).
    void OnPortChanged() override;
    void OnTimer(int id) override;

    // An arrow of level `index` was clicked (its row has moved the value).
    void OnLevelStepped(int index);
    void OnWrite();

    // ---- for tests -----------------------------------------------------------
    CLevelRow* Row(int index) const { return m_rows[static_cast<std::size_t>(index)]; }
    QCheckBox* WarningCheck() const { return m_pWarning; }
    QPushButton* WriteButton() const { return m_pWrite; }

private:
    static constexpr int kFirstTimerId = 1200;

    void BuildLayout();
    // Every level within its range; says nothing.
    bool LevelsInRange() const;
    // Every level in its range; otherwise the error message and false.
    [[nodiscard]] bool CheckLevels();
    // Sets the ten levels into `image`; false when the image refused one.
    [[nodiscard]] bool WriteLevels(CRadioImage& image) const;

    std::array<CLevelRow*, kLevelCount> m_rows{};
    QCheckBox* m_pWarning;
    QPushButton* m_pWrite;

    std::array<int, kLevelCount> m_nLevels{};
};
