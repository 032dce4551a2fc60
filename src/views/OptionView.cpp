// The Option form.

// own
#include "views/OptionView.h"
#include "views/ViewTexts.h"

// ui
#include "ui/CommandIds.h"
#include "ui/FormRows.h"
#include "ui/OptionList.h"
#include "ui/UiServices.h"

// model
#include "model/OptionTables.h"
#include "model/TextReaders.h"

// Qt
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
using Getter = bool (CRadioImage::*)(int&) const;
using Setter = bool (CRadioImage::*)(int);

// One drop list of the form: its label, items (position = stored value),
// the unit after it and the image field behind it. A turned list shows the
// field's 1 first.
struct FieldRow
{
    const char* label;
    const char* const* items;
    int count;
    const char* unit;
    Getter get;
    Setter set;
    bool turned;
};

template <std::size_t N>
constexpr FieldRow Row(const char* label, const char* const (&items)[N], const char* unit,
                       Getter get, Setter set, bool turned = false)
{
    return {label, items, static_cast<int>(N), unit, get, set, turned};
}

// In the order of COptionView::Field, which is also the order of the stores.
const FieldRow kFields[COptionView::kFieldCount] = {
    Row(ViewText::kScanType, ViewText::kScanTypes, nullptr, &CRadioImage::GetScanType,
        &CRadioImage::SetScanType),
    Row(ViewText::kScanHoldOnRx, ViewText::kScanHoldTimes, ViewText::kSec,
        &CRadioImage::GetScanHoldOnRx, &CRadioImage::SetScanHoldOnRx),
    Row(ViewText::kScanHoldAfterTx, ViewText::kScanHoldTimes, ViewText::kSec,
        &CRadioImage::GetScanHoldAfterTx, &CRadioImage::SetScanHoldAfterTx),
    Row(ViewText::kScanListClear, ViewText::kScanListClears, nullptr,
        &CRadioImage::GetScanListClear, &CRadioImage::SetScanListClear),
    Row(ViewText::kScanHoldBy, ViewText::kScanHoldBys, nullptr, &CRadioImage::GetScanHoldBy,
        &CRadioImage::SetScanHoldBy),
    Row(ViewText::kScanHoldAt, ViewText::kScanHoldAts, nullptr, &CRadioImage::GetScanHoldAt,
        &CRadioImage::SetScanHoldAt),
    Row(ViewText::kPriCycle, ViewText::kPriCycles, nullptr, &CRadioImage::GetPriorityCycle,
        &CRadioImage::SetPriorityCycle),
    Row(ViewText::kPriTime, ViewText::kPriTimes, ViewText::kSec, &CRadioImage::GetPriorityTime,
        &CRadioImage::SetPriorityTime),
    Row(ViewText::kDefeatPri2, ViewText::kEnableDisable, nullptr, &CRadioImage::GetDefeatPriority2,
        &CRadioImage::SetDefeatPriority2),
    Row(ViewText::kDtmfOnOffTime, ViewText::kDtmfTimings, nullptr, &CRadioImage::GetDtmfTiming,
        &CRadioImage::SetDtmfTiming),
    // The list shows Enable first, while the image keeps 1 for enabled.
    Row(ViewText::kChannelRollOver, ViewText::kEnableDisable, nullptr,
        &CRadioImage::GetChannelRollOver, &CRadioImage::SetChannelRollOver, true),
    Row(ViewText::kTxTimeOut, ViewText::kTimeOuts, ViewText::kSec, &CRadioImage::GetTimeOutTimer,
        &CRadioImage::SetTimeOutTimer),
    Row(ViewText::kMicOffHook, ViewText::kEnableDisable, nullptr,
        &CRadioImage::GetMicOffHookScanStop, &CRadioImage::SetMicOffHookScanStop),
    Row(ViewText::kBusyLockOut, ViewText::kBusyLockOuts, nullptr, &CRadioImage::GetBusyLockout,
        &CRadioImage::SetBusyLockout),
};

QLineEdit* ReadOnlyBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setFixedWidth(52);
    return box;
}
} // namespace

COptionView::COptionView(IViewHost& host, QWidget* parent)
    : CVesk4View(host, VIEW_OPTION, parent), m_pOnTime(ReadOnlyBox(this)),
      m_pOffTime(ReadOnlyBox(this)),
      m_p120(new QRadioButton(QString::fromLatin1(ViewText::k120ch), this)),
      m_p320(new QRadioButton(QString::fromLatin1(ViewText::k320ch), this)),
      m_pGroupCountList(new COptionList(this, {})),
      m_pCancel(new QPushButton(QString::fromLatin1(ViewText::kCancel), this))
{
    for (int field = 0; field < kFieldCount; ++field)
    {
        const FieldRow& row = kFields[field];
        auto* list = new COptionList(this, {});
        list->SetItems(row.items, static_cast<std::size_t>(row.count));
        m_pLists[static_cast<std::size_t>(field)] = list;
        m_binder.Bind(list, m_nPositions[static_cast<std::size_t>(field)],
                      row.turned ? CFormBinder::TurnedField(row.get, row.set)
                                 : CFormBinder::Field(row.get, row.set));
    }
    for (int beep = 0; beep < kBeepCount; ++beep)
    {
        auto* box = new QCheckBox(QString::fromLatin1(ViewText::kBeeps[beep]), this);
        m_pBeeps[static_cast<std::size_t>(beep)] = box;
        // The four beeps share one accessor pair; each box takes its own.
        const auto index = static_cast<std::size_t>(beep);
        m_binder.Bind(
            box, m_nBeeps[index],
            FieldAccess<int>{[index](const CRadioImage& image, int& value)
                             {
                                 std::array<int, kBeepCount> beeps{};
                                 (void)image.GetBeeps(beeps[0], beeps[1], beeps[2], beeps[3]);
                                 value = beeps[index];
                             },
                             [index](CRadioImage& image, const int& value)
                             {
                                 std::array<int, kBeepCount> beeps{};
                                 (void)image.GetBeeps(beeps[0], beeps[1], beeps[2], beeps[3]);
                                 beeps[index] = value;
                                 return image.SetBeeps(beeps[0], beeps[1], beeps[2], beeps[3]);
                             }});
    }
    // The capacity is the application's channel mode, not a field of the image.
    m_binder.Bind(m_p120, m_p320, m_nCapacity);
    m_binder.Bind(m_pGroupCountList, m_nGroupCountSel);
    BuildLayout();

    connect(m_pLists[kDtmfTiming], &COptionList::Chosen, this, [this] { OnDtmfTimingChanged(); });
    connect(m_p120, &QRadioButton::clicked, this, [this] { OnCapacityClicked(0); });
    connect(m_p320, &QRadioButton::clicked, this, [this] { OnCapacityClicked(1); });
    connect(m_pCancel, &QPushButton::clicked, this, [this] { OnCancelEdit(); });
}

void COptionView::BuildLayout()
{
    const auto addField = [this](CFormRows& rows, Field field)
    {
        const FieldRow& row = kFields[field];
        rows.AddRow(row.label, m_pLists[field]);
        if (row.unit != nullptr)
        {
            rows.AddToRow(nullptr, new QLabel(QString::fromLatin1(row.unit)), row.unit);
        }
    };
    // The boxes side by side share their height; the rows keep together at
    // the top of the shorter one.
    const auto box = [](CFormRows& rows)
    {
        rows.Grid()->setVerticalSpacing(4);
        rows.Grid()->setRowStretch(rows.Grid()->rowCount(), 1);
        return rows.Widget();
    };

    CFormRows scan(this, ViewText::kScanCondition);
    for (Field field :
         {kScanType, kScanHoldOnRx, kScanHoldAfterTx, kScanListClear, kScanHoldBy, kScanHoldAt})
    {
        addField(scan, field);
    }
    CFormRows dtmf(this, ViewText::kDtmfCondition);
    addField(dtmf, kDtmfTiming);
    dtmf.AddRow(ViewText::kOnTime, m_pOnTime, ViewText::kOnTimeName);
    dtmf.AddToRow(nullptr, new QLabel(QString::fromLatin1(ViewText::kMs)), ViewText::kMs);
    dtmf.AddRow(ViewText::kOffTime, m_pOffTime, ViewText::kOffTimeName);
    dtmf.AddToRow(nullptr, new QLabel(QString::fromLatin1(ViewText::kMs)), ViewText::kMs);
    CFormRows priority(this, ViewText::kPriCondition);
    for (Field field : {kPriorityCycle, kPriorityTime, kDefeatPriority2})
    {
        addField(priority, field);
    }
    CFormRows other(this, ViewText::kOtherCondition);
    for (Field field : {kChannelRollOver, kTimeOutTimer, kMicOffHookScanStop, kBusyLockout})
    {
        addField(other, field);
    }
    // Two beeps a row, so that the box keeps to its half of the form.
    other.AddRow(ViewText::kBeepControl, nullptr);
    other.AddToRow(nullptr, m_pBeeps[0], ViewText::kBeeps[0]);
    other.AddToRow(nullptr, m_pBeeps[1], ViewText::kBeeps[1]);
    other.AddRow("", nullptr);
    other.AddToRow(nullptr, m_pBeeps[2], ViewText::kBeeps[2]);
    other.AddToRow(nullptr, m_pBeeps[3], ViewText::kBeeps[3]);
    other.AddRow("", nullptr);
    other.AddToRow(nullptr, m_p120, ViewText::k120ch);
    other.AddToRow(nullptr, m_p320, ViewText::k320ch);
    other.AddRow(ViewText::kGroupCount, m_pGroupCountList);
    m_pGroupCountList->setMinimumWidth(60);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    grid->addWidget(box(scan), 0, 0);
    grid->addWidget(box(dtmf), 1, 0);
    grid->addWidget(box(priority), 0, 1);
    grid->addWidget(box(other), 1, 1);
    grid->setRowStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);
}

void COptionView::RebuildGroupCounts(int capacity)
{
    m_pGroupCountList->clear();
    for (int i = 0; i < GroupCountChoices(capacity); ++i)
    {
        m_pGroupCountList->addItem(QString::number(GroupCountChoice(capacity, i)));
    }
    m_pGroupCountList->setCurrentIndex(-1);
}

void COptionView::ShowDtmfTimes(int timing)
{
    int onMs = 0;
    int offMs = 0;
    const bool known = DtmfTimes(timing, onMs, offMs);
    m_pOnTime->setText(known ? QString::number(onMs) : QString());
    m_pOffTime->setText(known ? QString::number(offMs) : QString());
}

void COptionView::RefreshForm()
{
    // The count is used whatever the getter says of it (it calls counts
    // above 15 invalid, which the 320-channel list offers).
    int bigFlag = 0;
    int count = 0;
    (void)m_image.GetGroupCount(bigFlag, count);
    m_nGroupCount = count;
    // Any nonzero channel mode is a 320-channel radio, as everywhere else.
    m_nCapacity = Host().GetChannelMode() != 0 ? 1 : 0;
    RebuildGroupCounts(m_nCapacity);
    m_nGroupCountSel = -1;
    for (int i = 0; i < GroupCountChoices(m_nCapacity); ++i)
    {
        if (GroupCountChoice(m_nCapacity, i) == count)
        {
            m_nGroupCountSel = i;
        }
    }
    m_binder.ShowImage(m_image);
    ShowDtmfTimes(m_nPositions[kDtmfTiming]);
}

void COptionView::OnDtmfTimingChanged()
{
    ShowDtmfTimes(m_pLists[kDtmfTiming]->Value());
}

void COptionView::OnCapacityClicked(int capacity)
{
    if (!ReadForm())
    {
        return;
    }
    m_nCapacity = capacity;
    RebuildGroupCounts(capacity);
    m_nGroupCountSel = 0;
    m_binder.WriteAll();
}

QWidget* COptionView::WrongEntry(int& count) const
{
    QWidget* wrong = nullptr;
    for (int field = 0; field < kFieldCount && wrong == nullptr; ++field)
    {
        const int position = m_nPositions[static_cast<std::size_t>(field)];
        if (position < 0 || position >= kFields[field].count)
        {
            wrong = m_pLists[static_cast<std::size_t>(field)];
        }
    }
    if (wrong == nullptr && m_nCapacity != 0 && m_nCapacity != 1)
    {
        wrong = m_p120;
    }
    if (m_nGroupCountSel < 0 || !ReadInteger(m_pGroupCountList->currentText().toStdString(), count))
    {
        count = -1;
        if (wrong == nullptr)
        {
            wrong = m_pGroupCountList;
        }
    }
    return wrong;
}

bool COptionView::ValidateForm()
{
    if (!ReadForm())
    {
        return false;
    }
    if (m_nCapacity == 0 || m_nCapacity == 1)
    {
        Host().SetChannelMode(m_nCapacity);
        Host().SetChannelCode(m_nCapacity + 1);
    }
    int count = 0;
    QWidget* wrong = WrongEntry(count);
    if (count >= 0)
    {
        m_nGroupCount = count;
    }
    if (wrong != nullptr)
    {
        wrong->setFocus();
        Ui().ShowMessage(ViewText::kSetUpErrorOption, MessageIcon::Warning);
        return false;
    }
    return true;
}

void COptionView::StoreToImage(CRadioImage& image)
{
    if (!ValidateForm())
    {
        return;
    }
    (void)StoreOnCopy(image, ViewText::kSetUpErrorOption,
                      [this](CRadioImage& stored)
                      { return stored.SetGroupCount(m_nCapacity, m_nGroupCount); });
}

bool COptionView::PreviewStore(CRadioImage& image, int& channelMode)
{
    const std::function<void()> restore = m_binder.KeepMembers();
    bool stored = m_binder.ReadAll(false);
    int count = 0;
    if (stored && WrongEntry(count) == nullptr)
    {
        CRadioImage copy = image;
        stored = m_binder.StoreImage(copy) && copy.SetGroupCount(m_nCapacity, count);
        if (stored)
        {
            image = copy;
            channelMode = m_nCapacity;
        }
    }
    restore();
    return stored;
}
