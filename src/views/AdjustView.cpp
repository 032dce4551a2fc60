// The Adjust form.

// own
#include "views/AdjustView.h"
#include "views/AdjustViewTexts.h"
#include "views/ViewTexts.h"

// ui
#include "ui/CommandIds.h"
#include "ui/FormRows.h"
#include "ui/LevelRow.h"
#include "ui/UiServices.h"

// Qt
#include <QCheckBox>
#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const std::array<CAdjustView::Level, CAdjustView::kLevelCount>& CAdjustView::Levels()
{
    using namespace AdjustText;
    static const std::array<Level, kLevelCount> levels = {{
        {kTxHighPower, 255, 3, false, &CRadioLink::SendTxHighPowerLevel,
         &CRadioImage::GetTxHighPowerLevel, &CRadioImage::SetTxHighPowerLevel},
        {kTxLowPower, 255, 3, false, &CRadioLink::SendTxLowPowerLevel,
         &CRadioImage::GetTxLowPowerLevel, &CRadioImage::SetTxLowPowerLevel},
        {kTxTone, 127, 3, false, &CRadioLink::SendTxToneLevel, &CRadioImage::GetTxToneLevel,
         &CRadioImage::SetTxToneLevel},
        {kDtmfLowTone, 127, 3, false, &CRadioLink::SendDtmfLowToneLevel,
         &CRadioImage::GetDtmfLowToneLevel, &CRadioImage::SetDtmfLowToneLevel},
        {kModulationSensitivity, 15, 2, false, &CRadioLink::SendModulationSensitivity,
         &CRadioImage::GetModulationSensitivity, &CRadioImage::SetModulationSensitivity},
        {kWideModulation, 31, 2, false, &CRadioLink::SendWideBandModulation,
         &CRadioImage::GetWideModulation, &CRadioImage::SetWideModulation},
        {kNarrowModulation, 31, 2, false, &CRadioLink::SendNarrowBandModulation,
         &CRadioImage::GetNarrowModulation, &CRadioImage::SetNarrowModulation},
        {kSqVolume, 80, 2, true, &CRadioLink::SendSquelchVolume, &CRadioImage::GetSqVolume,
         &CRadioImage::SetSqVolume},
        {kWideDemodulation, 15, 2, true, &CRadioLink::SendWideBandDemodulation,
         &CRadioImage::GetWideDemodulation, &CRadioImage::SetWideDemodulation},
        {kNarrowDemodulation, 15, 2, true, &CRadioLink::SendNarrowBandDemodulation,
         &CRadioImage::GetNarrowDemodulation, &CRadioImage::SetNarrowDemodulation},
    }};
    return levels;
}

CAdjustView::CAdjustView(IViewHost& host, QWidget* parent)
    : CLiveView(host, VIEW_ADJUST, parent),
      m_pWarning(new QCheckBox(QString::fromLatin1(AdjustText::kWarningView), this)),
      m_pWrite(new QPushButton(QString::fromLatin1(AdjustText::kWrite), this))
{
    for (int i = 0; i < kLevelCount; ++i)
    {
        const Level& level = Levels()[static_cast<std::size_t>(i)];
        CLevelRow* row = new CLevelRow(this, level.label, 0, level.maximum, level.maxLength);
        m_rows[static_cast<std::size_t>(i)] = row;
        m_binder.Bind(row, m_nLevels[static_cast<std::size_t>(i)]);
        connect(row, &CLevelRow::Stepped, this, [this, i](int) { OnLevelStepped(i); });
    }
    m_pWarning->setChecked(true);
    connect(m_pWrite, &QPushButton::clicked, this, [this] { OnWrite(); });
    BuildLayout();
}

CAdjustView::~CAdjustView()
{
    // Leaving the form or ending the program must not leave a radio keyed.
    ReleaseTransmitter();
    m_radio.Close();
}

void CAdjustView::BuildLayout()
{
    auto* group = new QGroupBox(QString::fromLatin1(AdjustText::kAdjustData), this);
    auto* levels = new QVBoxLayout(group);
    levels->setSpacing(8);
    for (CLevelRow* row : m_rows)
    {
        row->setParent(group);
        levels->addWidget(row);
    }

    auto* side = new QVBoxLayout;
    side->addWidget(m_pWarning);
    side->addStretch(1);
    m_pWrite->setMinimumSize(110, 30);
    side->addWidget(m_pWrite);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(24, 20, 24, 12);
    grid->setHorizontalSpacing(28);
    grid->addWidget(group, 0, 0);
    grid->addLayout(side, 0, 1);
    grid->addWidget(m_pPortStatus, 1, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);
}

void CAdjustView::OnPortChanged()
{
    // The port line's advice ends with choosing the port again, so a new
    // choice is followed here as the Radio Comm form follows it; a level
    // still waiting to go is not sent to the new radio.
    for (int i = 0; i < kLevelCount; ++i)
    {
        KillTimer(TimerId(i));
    }
    ReleaseTransmitter();
    OpenLink();
}

void CAdjustView::RefreshForm()
{
    // A getter hands back -1 for a stored byte no level can take, and the form
    // shows it as such.
    for (int i = 0; i < kLevelCount; ++i)
    {
        const Level& level = Levels()[static_cast<std::size_t>(i)];
        int value = 0;
        (void)(m_image.*level.get)(value);
        m_nLevels[static_cast<std::size_t>(i)] = value;
    }
    m_binder.WriteAll();
}

void CAdjustView::OnLevelStepped(int index)
{
    // The row has already shown the stepped value; only the send waits.
    SetTimer(TimerId(index), kSendDelayMs);
}

void CAdjustView::OnTimer(int id)
{
    const int index = id - kFirstTimerId;
    if (index < 0 || index >= kLevelCount)
    {
        CLiveView::OnTimer(id);
        return;
    }
    KillTimer(id);
    const Level& level = Levels()[static_cast<std::size_t>(index)];
    const CLevelRow* row = m_rows[static_cast<std::size_t>(index)];
    // A level outside its range (an unreadable stored byte) has no byte the
    // radio could take; it is never sent.
    if (!row->InRange())
    {
        return;
    }
    if (!level.receiveSide && m_pWarning->isChecked() &&
        !Ui().AskOkCancel(AdjustText::kTransmitQuestion, MessageIcon::Question))
    {
        return;
    }
    (void)(m_radio.*level.send)(static_cast<std::uint8_t>(row->Value()));
    if (!level.receiveSide)
    {
        // A transmit-side level keys the transmitter; it may have done so
        // even when the write reported a failure.
        int model = -1;
        (void)m_image.GetModel(model);
        NoteKeying(true, TestSettings{}, model);
    }
    RefreshPortLineSoon();
}

bool CAdjustView::LevelsInRange() const
{
    for (int i = 0; i < kLevelCount; ++i)
    {
        const int value = m_nLevels[static_cast<std::size_t>(i)];
        if (value < 0 || value > Levels()[static_cast<std::size_t>(i)].maximum)
        {
            return false;
        }
    }
    return true;
}

bool CAdjustView::CheckLevels()
{
    if (!LevelsInRange())
    {
        Ui().ShowMessage(AdjustText::kSetError, MessageIcon::Warning);
        return false;
    }
    return true;
}

bool CAdjustView::ValidateForm()
{
    return ReadForm() && CheckLevels();
}

bool CAdjustView::WriteLevels(CRadioImage& image) const
{
    bool ok = true;
    for (int i = 0; i < kLevelCount; ++i)
    {
        const Level& level = Levels()[static_cast<std::size_t>(i)];
        ok = (image.*level.set)(m_nLevels[static_cast<std::size_t>(i)]) && ok;
    }
    return ok;
}

void CAdjustView::StoreToImage(CRadioImage& image)
{
    if (!ValidateForm())
    {
        return;
    }
    // Every level is in range, so no setter refuses.
    (void)WriteLevels(image);
}

bool CAdjustView::PreviewStore(CRadioImage& image, int& /*channelMode*/)
{
    const std::function<void()> restore = m_binder.KeepMembers();
    const bool readable = m_binder.ReadAll(false);
    if (readable && LevelsInRange())
    {
        (void)WriteLevels(image);
    }
    restore();
    return readable;
}

void CAdjustView::OnWrite()
{
    if (!ValidateForm())
    {
        return;
    }
    (void)WriteLevels(m_image);
    (void)m_radio.StoreAdjustments();
    RefreshPortLineSoon();
}
