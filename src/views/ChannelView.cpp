// The Channel form.

// own
#include "views/ChannelView.h"
#include "views/ChannelViewTexts.h"
#include "views/SideGroup.h"

// ui
#include "ui/BitRow.h"
#include "ui/CommandIds.h"
#include "ui/FormRows.h"
#include "ui/FrequencyBox.h"
#include "ui/OptionList.h"
#include "ui/SignallingBox.h"
#include "ui/SpinButton.h"
#include "ui/UiServices.h"

// model
#include "model/ChannelNames.h"
#include "model/ChannelStore.h"
#include "model/ChannelTexts.h"
#include "model/DcsCodeText.h"
#include "model/SignallingTables.h"
#include "model/TextReaders.h"

// Qt
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace
{
constexpr int kRx = 0;
constexpr int kTx = 1;

QString Latin1(const char* text)
{
    return QString::fromLatin1(text);
}

QLineEdit* NumberBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setMaxLength(3);
    box->setReadOnly(true);
    box->setFixedWidth(40);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QLineEdit* NameBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setMaxLength(kNameLength);
    // Wide enough for the widest name, twelve W: a name that scrolls hides
    // its first letters. The frame, the text margins and the cursor come on
    // top of the letters.
    const int letters =
        box->fontMetrics().horizontalAdvance(QString(kNameLength, QLatin1Char('W')));
    box->setFixedWidth(letters + 2 * box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8);
    return box;
}

QLabel* Label(const char* text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(Latin1(text), parent);
    label->setBuddy(buddy);
    return label;
}

const SwitchPanelTexts kSwitchTexts{
    ChannelViewText::kOptionBox,     ChannelViewText::kTxPowerControl,
    ChannelViewText::kCompand,       ChannelViewText::kDTone,
    ChannelViewText::kAni,           ChannelViewText::kPowerChoices,
    ChannelViewText::kEnableChoices, ChannelViewText::kGroupRegistryBox,
    ChannelViewText::kScanGroupA,    ChannelViewText::kScanGroupB,
    ChannelViewText::kAuxDataBox,    ChannelViewText::kAuxCaption,
};

bool SameSide(const ChannelSideEntry& a, const ChannelSideEntry& b)
{
    return a.frequencyText == b.frequencyText && a.signallingType == b.signallingType &&
           a.toneIndex == b.toneIndex && a.dcsText == b.dcsText;
}
} // namespace

CChannelView::CChannelView(IViewHost& host, QWidget* parent)
    : CVesk4View(host, VIEW_CHANNEL, parent), m_pChannelNumber(NumberBox(this)),
      m_pChannelSpin(new CSpinButton(this)), m_pChannelName(NameBox(this)),
      m_pWide(new QRadioButton(Latin1(ChannelViewText::kWide), this)),
      m_pNarrow(new QRadioButton(Latin1(ChannelViewText::kNarrow), this)),
      m_pRxFrequency(new CFrequencyBox(this)), m_pRxSignalling(new CSignallingBox(this)),
      m_pTxFrequency(new CFrequencyBox(this)), m_pTxSignalling(new CSignallingBox(this)),
      m_pGroupNumber(NumberBox(this)), m_pGroupSpin(new CSpinButton(this)),
      m_pGroupName(NameBox(this)), m_switches(this, kSwitchTexts),
      m_pScrambler(new COptionList(this, ChannelViewText::kEnableChoices)),
      m_pCancel(new QPushButton(Latin1(ChannelViewText::kCancel), this)),
      m_pModelNotice(new QLabel(Latin1(ChannelTexts::kModelNotChosen), this))
{
    auto* bandwidth = new QButtonGroup(this);
    bandwidth->addButton(m_pWide);
    bandwidth->addButton(m_pNarrow);
    m_pWide->setChecked(true);
    // The radio keeps the scrambler bit, but the form offers no choice of it.
    m_pScrambler->hide();
    m_pModelNotice->setWordWrap(true);
    m_pModelNotice->hide();
    BuildLayout();

    // The DCS arrows step by the code list of the model's rules, which also
    // find inverted codes, rather than by the box's own count.
    CSignallingBox* boxes[2] = {m_pRxSignalling, m_pTxSignalling};
    for (int side : {kRx, kTx})
    {
        CSignallingBox* box = boxes[side];
        disconnect(box->DcsSpin(), &CSpinButton::Stepped, box, nullptr);
        connect(box->DcsSpin(), &CSpinButton::Stepped, this,
                [this, side](int direction) { OnDcsSpin(side, direction); });
        connect(box, &CSignallingBox::TypeChosen, this,
                [this, side](int type) { EnableSignalingControls(side, type); });
        box->DcsEdit()->installEventFilter(this);
    }
    AttachStepping(
        m_pRxFrequency, [this] { return m_pNarrow->isChecked(); }, false);
    AttachStepping(
        m_pTxFrequency, [this] { return m_pNarrow->isChecked(); }, true);

    connect(m_pChannelSpin, &CSpinButton::Stepped, this, &CChannelView::OnChannelSpin);
    connect(m_pGroupSpin, &CSpinButton::Stepped, this, &CChannelView::OnGroupSpin);
    m_pChannelNumber->installEventFilter(this);
    m_pGroupNumber->installEventFilter(this);
    connect(m_pChannelNumber, &QLineEdit::textChanged, this, [this] { OnChannelNumberChanged(); });
    connect(m_pGroupNumber, &QLineEdit::textChanged, this, [this] { OnGroupNumberChanged(); });
    connect(m_pWide, &QRadioButton::clicked, this, [this] { UpdateStepSize(); });
    connect(m_pNarrow, &QRadioButton::clicked, this, [this] { UpdateStepSize(); });
    connect(m_pCancel, &QPushButton::clicked, this, [this] { OnCancel(); });
}

void CChannelView::BuildLayout()
{
    using namespace ChannelViewText;
    const auto name = [](QWidget* control, const char* text)
    { CFormRows::Name(control, Latin1(text)); };

    // Channel and group number, each with its name.
    const auto numberBox = [this, &name](const char* title, QLineEdit* number, CSpinButton* spin,
                                         QLineEdit* alpha, const char* numberName,
                                         const char* alphaName)
    {
        // The label stands over the name: beside it, a name box wide enough
        // for twelve letters leaves no room for the other box in the row.
        auto* box = new QGroupBox(Latin1(title), this);
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(8, 0, 8, 4);
        grid->setHorizontalSpacing(0);
        grid->setVerticalSpacing(0);
        grid->addWidget(Label(kAlphaCharacter, alpha, box), 0, 3);
        grid->addWidget(number, 1, 0);
        grid->addWidget(spin, 1, 1);
        grid->setColumnMinimumWidth(2, 10);
        grid->addWidget(alpha, 1, 3);
        grid->setColumnStretch(4, 1);
        name(number, numberName);
        spin->NameFor(Latin1(numberName));
        name(alpha, alphaName);
        return box;
    };

    auto* top = new QHBoxLayout;
    top->addWidget(numberBox(kChannelNumberBox, m_pChannelNumber, m_pChannelSpin, m_pChannelName,
                             kChannelNumberName, kChannelNameName));
    top->addWidget(numberBox(kGroupNumberBox, m_pGroupNumber, m_pGroupSpin, m_pGroupName,
                             kGroupNumberName, kGroupNameName));

    QGridLayout* optionGrid = m_switches.OptionGrid();
    optionGrid->addWidget(m_pWide, 2, 0);
    optionGrid->addWidget(m_pNarrow, 2, 1);
    optionGrid->addWidget(m_pScrambler, 2, 3);
    name(m_pWide, kWide);
    name(m_pNarrow, kNarrow);
    name(m_pScrambler, kScrambler);

    auto* middle = new QHBoxLayout;
    middle->addWidget(m_switches.OptionBox(), 1);
    middle->addWidget(m_switches.RegistryBox());
    name(m_pCancel, kCancel);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_switches.AuxBox(), 1);
    bottom->addWidget(m_pCancel, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    layout->addWidget(m_pModelNotice);
    layout->addLayout(top);
    layout->addWidget(MakeSideGroup(this, kReceiveBox, kReceiveFreq, m_pRxFrequency,
                                    kReceiveSignalingType, m_pRxSignalling));
    layout->addWidget(MakeSideGroup(this, kTransmitBox, kTransmitFreq, m_pTxFrequency,
                                    kTransmitSignalingType, m_pTxSignalling));
    layout->addLayout(middle);
    layout->addLayout(bottom);
    layout->addStretch(1);
}

// ---- the form's state ----------------------------------------------------------

CChannelView::FormState CChannelView::ReadState() const
{
    FormState state;
    state.entry.channel = m_nShownChannel;
    state.entry.name = m_pChannelName->text().toStdString();
    state.entry.groupName = m_pGroupName->text().toStdString();
    state.entry.narrow = m_pNarrow->isChecked();
    const CFrequencyBox* frequencies[2] = {m_pRxFrequency, m_pTxFrequency};
    const CSignallingBox* boxes[2] = {m_pRxSignalling, m_pTxSignalling};
    ChannelSideEntry* sides[2] = {&state.entry.rx, &state.entry.tx};
    for (int side : {kRx, kTx})
    {
        ChannelSideEntry& entry = *sides[side];
        entry.frequencyText = frequencies[side]->Edit()->text().toStdString();
        entry.signallingType = boxes[side]->TypeList()->Value();
        entry.toneIndex = boxes[side]->ToneList()->Value();
        entry.dcsText = boxes[side]->DcsEdit()->text().toStdString();
    }
    state.switches = m_switches.Read();
    state.scrambler = m_pScrambler->Value();
    return state;
}

bool CChannelView::SameRecord(const FormState& a, const FormState& b)
{
    return a.entry.name == b.entry.name && a.entry.narrow == b.entry.narrow &&
           SameSide(a.entry.rx, b.entry.rx) && SameSide(a.entry.tx, b.entry.tx) &&
           a.switches == b.switches && a.scrambler == b.scrambler;
}

bool CChannelView::IsShownChannelChanged() const
{
    const FormState now = ReadState();
    return !SameRecord(now, m_loaded) || now.entry.groupName != m_loaded.entry.groupName;
}

// ---- loading, checking and storing -------------------------------------------

void CChannelView::UpdateStepSize()
{
    // Without a model the rules hold no band; every check then refuses and
    // the step is 0.
    (void)m_rules.LoadFromImage(m_image);
    m_dChannelStep = m_rules.GetStepMhz(m_pNarrow->isChecked());
}

void CChannelView::FillToneLists()
{
    for (CSignallingBox* box : {m_pRxSignalling, m_pTxSignalling})
    {
        COptionList* list = box->ToneList();
        list->clear();
        for (int i = 0; i < kCtcssCount; ++i)
        {
            list->addItem(QString::number(kCtcssTones[i], 'f', 1));
        }
    }
}

void CChannelView::EnableSignalingControls(int side, int type)
{
    (side == kTx ? m_pTxSignalling : m_pRxSignalling)->ApplyType(type);
}

void CChannelView::ReadGroupCount()
{
    // The count is used whatever the getter says of it; the groups turn one
    // outside 1..40 into 1.
    int big = 0;
    int count = 0;
    (void)m_image.GetGroupCount(big, count);
    m_groups = CChannelGroups(Host().GetChannelMode(), count);
}

void CChannelView::LoadChannel(int n)
{
    // A channel the image cannot hold shows as empty, with every switch off.
    StoredChannel record;
    (void)ReadChannel(m_image, m_rules, n, record);
    m_pChannelName->setText(QString::fromStdString(record.name));
    (record.switches.narrow ? m_pNarrow : m_pWide)->setChecked(true);

    CFrequencyBox* frequencies[2] = {m_pRxFrequency, m_pTxFrequency};
    CSignallingBox* boxes[2] = {m_pRxSignalling, m_pTxSignalling};
    for (int side : {kRx, kTx})
    {
        const ChannelSideRecord& stored = side == kTx ? record.tx : record.rx;
        frequencies[side]->SetValue(stored.mhz);
        const ChannelSignalling& signalling = stored.signalling;
        CSignallingBox* box = boxes[side];
        if (signalling.type == kSignallingDcs)
        {
            box->SetValue(SignallingChoice{SignallingChoice::kDcs, 0});
            box->DcsEdit()->setText(QString::fromStdString(
                FormatDcsCode(signalling.dcsInverted ? 1 : 0, signalling.dcsCode)));
        }
        else if (signalling.type == kSignallingCtcss)
        {
            box->SetValue(SignallingChoice{SignallingChoice::kCtcss, signalling.toneIndex});
        }
        else
        {
            box->SetValue(SignallingChoice{SignallingChoice::kNone, SignallingChoice::kNoneValue});
        }
    }
    m_switches.Show(CSwitchPanel::FromSwitches(record.switches));
    m_pScrambler->SetValue(record.switches.scrambler ? 0 : 1);

    ReadGroupCount();
    {
        // Filling the form from its own state is not a change the number
        // boxes react to.
        const QSignalBlocker blocker(m_pChannelNumber);
        m_pChannelNumber->setText(QString::number(n));
    }
    m_loaded = ReadState();
}

bool CChannelView::CheckEntries(int n, bool report)
{
    FormState state = ReadState();
    state.entry.channel = n;
    UpdateStepSize();
    ChannelValues values;
    ChannelCheckFailure failure;
    if (!CheckChannelEntry(m_rules, state.entry, values, failure))
    {
        if (!report)
        {
            return false;
        }
        const std::pair<ChannelField, QWidget*> entries[] = {
            {ChannelField::ChannelName, m_pChannelName},
            {ChannelField::GroupName, m_pGroupName},
            {ChannelField::ChannelNumber, m_pChannelNumber},
            {ChannelField::RxFrequency, m_pRxFrequency->Edit()},
            {ChannelField::TxFrequency, m_pTxFrequency->Edit()},
            {ChannelField::RxDcs, m_pRxSignalling->DcsEdit()},
            {ChannelField::RxTone, m_pRxSignalling->ToneList()},
            {ChannelField::TxDcs, m_pTxSignalling->DcsEdit()},
            {ChannelField::TxTone, m_pTxSignalling->ToneList()},
        };
        QWidget* focus = nullptr;
        for (const auto& [field, entry] : entries)
        {
            if (field == failure.focus)
            {
                focus = entry;
            }
        }
        if (focus != nullptr)
        {
            focus->setFocus();
            if (auto* edit = qobject_cast<QLineEdit*>(focus))
            {
                edit->selectAll();
            }
        }
        Ui().ShowMessage(failure.message, MessageIcon::Warning);
        return false;
    }
    m_values = values;
    // Names are shown as they will be kept.
    if (m_pChannelName->text().toStdString() != values.name)
    {
        m_pChannelName->setText(QString::fromStdString(values.name));
    }
    if (m_pGroupName->text().toStdString() != values.groupName)
    {
        m_pGroupName->setText(QString::fromStdString(values.groupName));
    }
    return true;
}

bool CChannelView::ValidateChannel(int n)
{
    return CheckEntries(n, true);
}

bool CChannelView::WriteChannel(CRadioImage& image, int n, const FormState& state) const
{
    // The form offers no scrambler: it always writes it disabled.
    ChannelSwitches switches;
    switches.narrow = state.entry.narrow;
    return CSwitchPanel::ToSwitches(state.switches, switches) &&
           image.SetGroupName(m_nShownGroup - 1, NameForImage(m_values.groupName)) &&
           ::StoreChannel(image, n, m_values, switches);
}

bool CChannelView::StoreChannel(int n)
{
    if (!CheckEntries(n, false))
    {
        return false;
    }
    // Into a copy, so that a refused write leaves no half-written record.
    CRadioImage stored = m_image;
    if (!WriteChannel(stored, n, ReadState()))
    {
        return false;
    }
    m_image = stored;
    m_loaded = ReadState();
    return true;
}

bool CChannelView::CommitShownChannel()
{
    if (!IsShownChannelChanged())
    {
        return true;
    }
    if (!m_rules.HasModel())
    {
        Ui().ShowMessage(ChannelTexts::kModelNotChosen, MessageIcon::Warning);
        return false;
    }
    if (SameRecord(ReadState(), m_loaded))
    {
        // The record stays as it was; only the group name is kept.
        std::string groupName;
        if (!NormaliseName(m_pGroupName->text().toStdString(), groupName))
        {
            m_pGroupName->setFocus();
            m_pGroupName->selectAll();
            Ui().ShowMessage(ChannelTexts::kGroupNameError, MessageIcon::Warning);
            return false;
        }
        if (!m_image.SetGroupName(m_nShownGroup - 1, NameForImage(groupName)))
        {
            Ui().ShowMessage(ChannelTexts::kEepromSetError, MessageIcon::Warning);
            return false;
        }
        m_pGroupName->setText(QString::fromStdString(groupName));
        m_loaded.entry.groupName = groupName;
        return true;
    }
    if (!ValidateChannel(m_nShownChannel))
    {
        return false;
    }
    if (!StoreChannel(m_nShownChannel))
    {
        Ui().ShowMessage(ChannelTexts::kEepromSetError, MessageIcon::Warning);
        return false;
    }
    // A trial on a copy (ValidateForm) is no step.
    if (!m_bTrying)
    {
        Host().OnFormEdited(
            GetViewIndex(),
            QString::fromLatin1(ChannelViewText::kChannelStep).arg(m_nShownChannel).toStdString());
    }
    return true;
}

// ---- the contract with the main frame --------------------------------------------

bool CChannelView::ValidateForm()
{
    if (m_pChannelNumber->text().isEmpty())
    {
        return false;
    }
    // Tried on a copy: a channel the image would refuse stops the switch or
    // the Save here, before anything is lost.
    const CRadioImage image = m_image;
    const FormState loaded = m_loaded;
    m_bTrying = true;
    const bool ok = CommitShownChannel();
    m_bTrying = false;
    m_image = image;
    m_loaded = loaded;
    return ok;
}

bool CChannelView::ReadForm()
{
    return ValidateForm();
}

void CChannelView::StoreToImage(CRadioImage& image)
{
    if (!m_rules.HasModel() || !CommitShownChannel())
    {
        return;
    }
    CVesk4View::StoreToImage(image);
}

bool CChannelView::PreviewStore(CRadioImage& image, int& /*channelMode*/)
{
    image = m_image;
    if (!m_rules.HasModel() || !IsShownChannelChanged())
    {
        return true;
    }
    const FormState state = ReadState();
    if (SameRecord(state, m_loaded))
    {
        std::string groupName;
        return NormaliseName(state.entry.groupName, groupName) &&
               image.SetGroupName(m_nShownGroup - 1, NameForImage(groupName));
    }
    // The model's check alone: CheckEntries would also show the names as
    // they will be kept, under the user's fingers.
    ChannelValues values;
    ChannelCheckFailure failure;
    if (!CheckChannelEntry(m_rules, state.entry, values, failure))
    {
        return false;
    }
    // WriteChannel takes the checked values from m_values, which stays the
    // form's own.
    const ChannelValues kept = m_values;
    m_values = values;
    CRadioImage stored = m_image;
    const bool ok = WriteChannel(stored, m_nShownChannel, state);
    m_values = kept;
    if (ok)
    {
        image = stored;
    }
    return ok;
}

void CChannelView::RefreshForm()
{
    KillTimer(kChannelTimer);
    KillTimer(kGroupTimer);
    m_bOwnChange = false;
    m_bSwallow = false;
    m_nDcsPosition[kRx] = m_nDcsPosition[kTx] = 0;
    UpdateStepSize();
    FillToneLists();
    ReadGroupCount();
    m_nShownChannel = 1;
    m_nShownGroup = 1;
    {
        const QSignalBlocker blocker(m_pGroupNumber);
        m_pGroupNumber->setText(QStringLiteral("1"));
    }
    ShowGroupName(1);
    LoadChannel(1);
    m_pModelNotice->setVisible(!m_rules.HasModel());
}

void CChannelView::OnCancel()
{
    m_nDcsPosition[kRx] = m_nDcsPosition[kTx] = 0;
    UpdateStepSize();
    FillToneLists();
    ShowGroupName(m_nShownGroup);
    LoadChannel(m_nShownChannel);
    emit CommandStateChanged();
}

// ---- navigation ------------------------------------------------------------------

void CChannelView::SetNumberBox(QLineEdit* box, int value, bool own)
{
    const QString text = QString::number(value);
    if (box->text() == text)
    {
        return;
    }
    m_bOwnChange = own;
    box->setText(text);
}

void CChannelView::ShowGroupName(int g)
{
    std::string name;
    (void)m_image.GetGroupName(g - 1, name);
    const std::string shown = NameForDisplay(name);
    m_pGroupName->setText(QString::fromStdString(shown));
    m_loaded.entry.groupName = shown;
}

void CChannelView::ShowGroupOfChannel(int n)
{
    const int g = m_groups.GroupOfChannel(n);
    SetNumberBox(m_pGroupNumber, g, true);
    m_nShownGroup = g;
    ShowGroupName(g);
}

void CChannelView::ShowFirstChannelOfGroup(int g)
{
    const int n = m_groups.FirstChannelOfGroup(g);
    SetNumberBox(m_pChannelNumber, n, true);
    m_nShownChannel = n;
    LoadChannel(n);
}

void CChannelView::OnChannelSpin(int direction)
{
    if (m_bSwallow)
    {
        m_bSwallow = false;
        return;
    }
    if (!CommitShownChannel())
    {
        m_bSwallow = true;
        return;
    }
    const int n = m_groups.ClampChannel(m_nShownChannel + (direction > 0 ? 1 : -1));
    ShowGroupOfChannel(n);
    m_nShownChannel = n;
    LoadChannel(n);
}

void CChannelView::OnGroupSpin(int direction)
{
    MoveToGroup(m_groups.ClampGroup(m_nShownGroup + (direction > 0 ? 1 : -1)));
}

void CChannelView::MoveToGroup(int g)
{
    // A channel that fails its check stays on screen with its entries, as on
    // the channel spin.
    if (!CommitShownChannel())
    {
        return;
    }
    ShowFirstChannelOfGroup(g);
    m_nShownGroup = g;
    SetNumberBox(m_pGroupNumber, g, false);
    ShowGroupName(g);
}

void CChannelView::OnDcsSpin(int side, int direction)
{
    QLineEdit* box = (side == kTx ? m_pTxSignalling : m_pRxSignalling)->DcsEdit();
    box->setText(QString::fromStdString(
        StepDcsCode(box->text().toStdString(), direction, m_nDcsPosition[side])));
}

void CChannelView::OnChannelNumberChanged()
{
    if (m_bOwnChange)
    {
        m_bOwnChange = false;
        return;
    }
    double rx = 0.0;
    double tx = 0.0;
    const bool bothUnused = ReadFrequencyEntry(m_pRxFrequency->Edit()->text().toStdString(), rx) &&
                            ReadFrequencyEntry(m_pTxFrequency->Edit()->text().toStdString(), tx) &&
                            rx == 0.0 && tx == 0.0;
    if (bothUnused || CommitShownChannel())
    {
        SetTimer(kChannelTimer, kChannelTimerMs);
    }
}

void CChannelView::OnGroupNumberChanged()
{
    if (m_bOwnChange)
    {
        m_bOwnChange = false;
        return;
    }
    double rx = 0.0;
    double tx = 0.0;
    const bool bothUnused = ReadFrequencyEntry(m_pRxFrequency->Edit()->text().toStdString(), rx) &&
                            ReadFrequencyEntry(m_pTxFrequency->Edit()->text().toStdString(), tx) &&
                            rx == 0.0 && tx == 0.0;
    if (!bothUnused && IsShownChannelChanged())
    {
        // Checked only, so the user hears of a fault early; stored on the move.
        (void)ValidateForm();
    }
    SetTimer(kGroupTimer, kGroupTimerMs);
}

void CChannelView::OnTimer(int id)
{
    switch (id)
    {
    case kChannelTimer:
        KillTimer(kChannelTimer);
        OnTimerChannel();
        break;
    case kGroupTimer:
        KillTimer(kGroupTimer);
        OnTimerGroup();
        break;
    default:
        CVesk4View::OnTimer(id);
        break;
    }
}

void CChannelView::OnTimerChannel()
{
    int n = m_nShownChannel;
    (void)ReadInteger(m_pChannelNumber->text().toStdString(), n);
    n = m_groups.ClampChannel(n);
    if (n == m_nShownChannel || !CommitShownChannel())
    {
        return;
    }
    ShowGroupOfChannel(n);
    m_nShownChannel = n;
    LoadChannel(n);
}

void CChannelView::OnTimerGroup()
{
    int g = m_nShownGroup;
    (void)ReadInteger(m_pGroupNumber->text().toStdString(), g);
    g = m_groups.ClampGroup(g);
    // Already in step: the user may have moved on within the group since.
    if (g == m_groups.GroupOfChannel(m_nShownChannel))
    {
        return;
    }
    MoveToGroup(g);
}

bool CChannelView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
    {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down)
        {
            const int direction = key == Qt::Key_Up ? +1 : -1;
            if (watched == m_pChannelNumber)
            {
                OnChannelSpin(direction);
                return true;
            }
            if (watched == m_pGroupNumber)
            {
                OnGroupSpin(direction);
                return true;
            }
            for (int side : {kRx, kTx})
            {
                QLineEdit* dcs = (side == kTx ? m_pTxSignalling : m_pRxSignalling)->DcsEdit();
                if (watched == dcs && dcs->isEnabled())
                {
                    OnDcsSpin(side, direction);
                    return true;
                }
            }
        }
    }
    return CVesk4View::eventFilter(watched, event);
}
