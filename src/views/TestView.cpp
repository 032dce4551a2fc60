// The Test form.

// own
#include "views/TestView.h"
#include "views/TestViewTexts.h"
#include "views/SideGroup.h"
#include "views/ViewTexts.h"

// ui
#include "ui/BitRow.h"
#include "ui/CommandIds.h"
#include "ui/FormRows.h"
#include "ui/FrequencyBox.h"
#include "ui/OptionList.h"
#include "ui/SpinButton.h"
#include "ui/UiServices.h"

// model
#include "model/BandTable.h"
#include "model/ChannelRules.h"
#include "model/DcsCodeText.h"
#include "model/TextReaders.h"

// Qt
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

// std
#include <cmath>
#include <utility>

namespace
{
constexpr int kRx = 0;
constexpr int kTx = 1;
// The largest frequency a box takes, in MHz.
constexpr double kHighestEntry = 10000.0;
// The box's choice goes to the link as it stands.
static_assert(SignallingChoice::kCtcss == kSignallingCtcss &&
              SignallingChoice::kDcs == kSignallingDcs &&
              SignallingChoice::kNone == kSignallingNone &&
              SignallingChoice::kNoneValue == kNoSignallingValue);

QString Latin1(const char* text)
{
    return QString::fromLatin1(text);
}

const SwitchPanelTexts kSwitchTexts{
    TestViewText::kOptionBox,     TestViewText::kTxPowerControl,
    TestViewText::kCompander,     TestViewText::kDTone,
    TestViewText::kAni,           TestViewText::kPowerChoices,
    TestViewText::kEnableChoices, TestViewText::kGroupRegistryBox,
    TestViewText::kScanGroupA,    TestViewText::kScanGroupB,
    TestViewText::kAuxDataBox,    TestViewText::kAuxCaption,
};

// The wait cursor while the beeper command goes out.
class CWaitCursor
{
public:
    CWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
} // namespace

CTestView::CTestView(IViewHost& host, QWidget* parent)
    : CLiveView(host, VIEW_TEST, parent), m_pRxFrequency(new CFrequencyBox(this)),
      m_pRxSignalling(new CSignallingBox(this)), m_pTxFrequency(new CFrequencyBox(this)),
      m_pTxSignalling(new CSignallingBox(this)), m_switches(this, kSwitchTexts),
      m_pWide(new QRadioButton(Latin1(TestViewText::kWide), this)),
      m_pNarrow(new QRadioButton(Latin1(TestViewText::kNarrow), this)),
      m_pReceive(new QPushButton(Latin1(TestViewText::kReceive), this)),
      m_pTransmit(new QPushButton(Latin1(TestViewText::kTransmit), this)),
      m_pLightOn(new QPushButton(Latin1(TestViewText::kLightOn), this)),
      m_pLightOff(new QPushButton(Latin1(TestViewText::kLightOff), this)),
      m_pBeepOn(new QPushButton(Latin1(TestViewText::kBeepOn), this)),
      m_pBeepOff(new QPushButton(Latin1(TestViewText::kBeepOff), this)),
      m_pCancel(new QPushButton(Latin1(TestViewText::kCancel), this))
{
    auto* bandwidth = new QButtonGroup(this);
    bandwidth->addButton(m_pWide);
    bandwidth->addButton(m_pNarrow);
    m_pWide->setChecked(true);

    // A frequency box takes a number from 0 to 10000; the band and the grid
    // are checked only when a command is built.
    for (auto [box, member] :
         {std::pair{m_pRxFrequency, &m_dRxFreq}, std::pair{m_pTxFrequency, &m_dTxFreq}})
    {
        m_binder.BindExplained<double>(
            *member,
            [box](double& value) { return box->ReadValue(value) && value <= kHighestEntry; },
            [box](const double& value) { box->SetValue(value); }, [box] { return box->Edit(); },
            [box]
            {
                switch (FrequencyFaultOf(box->Edit()->text().toStdString()))
                {
                case FrequencyTextFault::Sign:
                    return TestViewText::kFrequencySign;
                case FrequencyTextFault::Decimals:
                    return TestViewText::kFrequencyDecimals;
                default:
                    return TestViewText::kFrequencyEntry;
                }
            });
    }
    // The switches go to the radio as the list positions stand: their bits.
    m_binder.Bind<CSwitchPanel::Values>(
        m_switchValues,
        [this](CSwitchPanel::Values& values)
        {
            values = m_switches.Read();
            return true;
        },
        [this](const CSwitchPanel::Values& values) { m_switches.Show(values); },
        [this] { return m_switches.PowerList(); }, nullptr);
    m_binder.Bind(m_pWide, m_pNarrow, m_nBandwidth);

    // The DCS arrows step by the code list of the model's rules, which also
    // reaches the inverted codes below the first one.
    CSignallingBox* boxes[2] = {m_pRxSignalling, m_pTxSignalling};
    for (int side : {kRx, kTx})
    {
        CSignallingBox* box = boxes[side];
        disconnect(box->DcsSpin(), &CSpinButton::Stepped, box, nullptr);
        connect(box->DcsSpin(), &CSpinButton::Stepped, this,
                [this, side](int direction) { OnDcsSpin(side, direction); });
    }
    // The radio takes no frequency outside the band, so the arrows stop at its
    // edges rather than one step past them.
    AttachStepping(
        m_pRxFrequency, [this] { return m_pNarrow->isChecked(); }, false, true);
    AttachStepping(
        m_pTxFrequency, [this] { return m_pNarrow->isChecked(); }, true, true);

    connect(m_pReceive, &QPushButton::clicked, this, [this] { OnReceive(); });
    connect(m_pTransmit, &QPushButton::clicked, this, [this] { OnTransmit(); });
    connect(m_pLightOn, &QPushButton::clicked, this, [this] { OnLightOn(); });
    connect(m_pLightOff, &QPushButton::clicked, this, [this] { OnLightOff(); });
    connect(m_pBeepOn, &QPushButton::clicked, this, [this] { OnBeepOn(); });
    connect(m_pBeepOff, &QPushButton::clicked, this, [this] { OnBeepOff(); });
    connect(m_pWide, &QRadioButton::clicked, this, [this] { OnWide(); });
    connect(m_pNarrow, &QRadioButton::clicked, this, [this] { OnNarrow(); });
    connect(m_pCancel, &QPushButton::clicked, this, [this] { OnCancelEdit(); });
    BuildLayout();
}

CTestView::~CTestView()
{
    // Leaving the form or ending the program must not leave a radio keyed.
    ReleaseTransmitter();
    m_radio.Close();
}

void CTestView::BuildLayout()
{
    using namespace TestViewText;

    auto* bandwidth = new QHBoxLayout;
    bandwidth->addWidget(m_pWide);
    bandwidth->addWidget(m_pNarrow);
    bandwidth->addStretch(1);
    CFormRows::Name(m_pWide, Latin1(kWide));
    CFormRows::Name(m_pNarrow, Latin1(kNarrow));

    auto* buttons = new QGridLayout;
    const struct
    {
        QPushButton* button;
        const char* name;
        int row;
        int column;
    } commands[] = {
        {m_pReceive, kReceive, 0, 0}, {m_pTransmit, kTransmit, 0, 1},
        {m_pLightOn, kLightOn, 1, 0}, {m_pLightOff, kLightOff, 1, 1},
        {m_pBeepOn, kBeepOn, 2, 0},   {m_pBeepOff, kBeepOff, 2, 1},
        {m_pCancel, kCancel, 3, 1},
    };
    for (const auto& command : commands)
    {
        command.button->setMinimumWidth(96);
        buttons->addWidget(command.button, command.row, command.column);
        CFormRows::Name(command.button, Latin1(command.name));
    }

    auto* middle = new QHBoxLayout;
    middle->addWidget(m_switches.OptionBox(), 1);
    middle->addWidget(m_switches.RegistryBox());

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_switches.AuxBox(), 1);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    layout->addLayout(bandwidth);
    layout->addWidget(MakeSideGroup(this, kReceiveBox, kReceiveFreq, m_pRxFrequency,
                                    kReceiveSignalingType, m_pRxSignalling));
    layout->addWidget(MakeSideGroup(this, kTransmitBox, kTransmitFreq, m_pTxFrequency,
                                    kTransmitSignalingType, m_pTxSignalling));
    layout->addLayout(middle);
    layout->addLayout(bottom);
    layout->addWidget(m_pPortStatus);
    layout->addStretch(1);
}

void CTestView::OnPortChanged()
{
    // The port line's advice ends with choosing the port again, so a new
    // choice is followed here as the Radio Comm form follows it.
    ReleaseTransmitter();
    OpenLink();
}

void CTestView::RefreshForm()
{
    m_dRxFreq = 0.0;
    m_dTxFreq = 0.0;
    m_switchValues = CSwitchPanel::Values{};
    m_nBandwidth = 0;
    ComputeTestSteps();
    m_binder.WriteAll();
    m_pRxSignalling->SetValue(SignallingChoice{});
    m_pTxSignalling->SetValue(SignallingChoice{});
    m_nDcsPosition = {};
}

void CTestView::ComputeTestSteps()
{
    CChannelRules rules;
    m_nModel = -1;
    m_dWideStep = 0.0;
    m_dNarrowStep = 0.0;
    m_dChannelStep = 0.0;
    if (rules.LoadFromImage(m_image))
    {
        m_nModel = rules.GetModel();
        m_dWideStep = rules.GetStepKhz(false);
        m_dNarrowStep = rules.GetStepKhz(true);
        m_dChannelStep = rules.GetStepMhz(m_nBandwidth != 0);
    }
}

int CTestView::BandStepCount() const
{
    CChannelRules rules;
    double low = 0.0;
    double high = 0.0;
    if (!rules.LoadFromImage(m_image) || !rules.GetBandEdges(false, low, high))
    {
        return 0;
    }
    // The 800 MHz model's two pairs of edges span the same 19 MHz, so the
    // receive pair serves both boxes.
    const long long span = (std::llround(high) - std::llround(low)) * 100000LL;
    const long long step = std::llround(rules.GetStepKhz(m_nBandwidth != 0) * 100.0);
    return step > 0 ? static_cast<int>(span / step) : 0;
}

bool CTestView::BuildSettings(bool transmit, TestSettings& settingsOut, QWidget** entryOut,
                              std::string* reasonOut)
{
    const double f = transmit ? m_dTxFreq : m_dRxFreq;
    const bool narrow = m_nBandwidth != 0;
    CChannelRules rules;
    const bool hasModel = rules.LoadFromImage(m_image);
    // Off the grid or outside the side's band (the 800 MHz model transmits
    // below where it receives): the radio is never asked to tune there.
    if (f != 0.0 && (!hasModel || !rules.IsFrequencyAllowed(f, transmit, narrow)))
    {
        if (entryOut != nullptr)
        {
            *entryOut = (transmit ? m_pTxFrequency : m_pRxFrequency)->Edit();
        }
        double low = 0.0;
        double high = 0.0;
        if (reasonOut != nullptr && rules.GetBandEdges(transmit, low, high) &&
            (f < low || f > high))
        {
            const auto mhz = [](double value) { return QString::number(value, 'f', 5); };
            *reasonOut = Latin1(TestViewText::kOutsideBand)
                             .arg(Latin1(transmit ? TestViewText::kTransmitFreq
                                                  : TestViewText::kReceiveFreq),
                                  Latin1(FindBand(rules.GetModel())->name), mhz(low), mhz(high))
                             .toStdString();
        }
        return false;
    }
    SignallingChoice choice;
    // Only the check is wanted here: a choice the link has no word for is
    // refused with the focus on its entry, before anything is sent.
    std::uint32_t unusedWord = 0;
    const CSignallingBox* box = transmit ? m_pTxSignalling : m_pRxSignalling;
    if (!box->ReadValue(choice) ||
        !CTestRecord::SignallingWord(choice.type, choice.value, unusedWord))
    {
        if (entryOut != nullptr)
        {
            *entryOut = box->EntryOfType();
        }
        return false;
    }

    TestSettings settings;
    settings.frequency = f;
    if (f != 0.0 && !transmit)
    {
        // The receiver's oscillator runs an IF above the channel on the high
        // side (flag 0) and below it on the low side.
        int injection = 0;
        (void)m_image.GetInjection(injection);
        const double ifMhz = FindBand(rules.GetModel())->ifMhz;
        settings.frequency = injection == 0 ? f + ifMhz : f - ifMhz;
    }
    settings.referenceStep = hasModel ? rules.GetStepKhz(narrow) : 0.0;
    settings.noFrequency = f == 0.0;
    settings.signallingType = choice.type;
    settings.signallingValue = choice.value;
    settings.txPowerControl = m_switchValues.power;
    settings.fixedBit = 1;
    settings.compander = m_switchValues.compander;
    settings.dtone = m_switchValues.dtone;
    settings.ani = m_switchValues.ani;
    settings.notScanGroupA = m_switchValues.scanGroupA ? 0 : 1;
    settings.notScanGroupB = m_switchValues.scanGroupB ? 0 : 1;
    settings.auxiliary = static_cast<std::uint8_t>(m_switchValues.aux);
    settings.wide = narrow ? 0 : 1;
    settingsOut = settings;
    return true;
}

void CTestView::SendTest(bool transmit)
{
    if (!ReadForm())
    {
        return;
    }
    ComputeTestSteps();
    TestSettings settings;
    QWidget* entry = nullptr;
    std::string reason;
    if (!BuildSettings(transmit, settings, &entry, &reason))
    {
        Ui().ShowMessage(reason.empty() ? std::string(TestViewText::kSetUpError)
                                        : TestViewText::kSetUpError + std::string("\n") + reason,
                         MessageIcon::Warning);
        if (entry != nullptr)
        {
            entry->setFocus();
        }
        return;
    }
    // The prescaler follows the model whose band, steps and IF the settings
    // were built from: this form's own image.
    m_radio.SetModelIndex(m_nModel);
    const bool sent = transmit ? m_radio.TestTransmit(settings) : m_radio.TestReceive(settings);
    // A transmit that may have reached the radio counts as keyed; only a
    // receive that was written releases it.
    if (transmit || sent)
    {
        NoteKeying(transmit, settings, m_nModel);
    }
    RefreshPortLineSoon();
}

void CTestView::OnReceive()
{
    SendTest(false);
}

void CTestView::OnTransmit()
{
    SendTest(true);
}

void CTestView::OnLightOn()
{
    (void)m_radio.SetLight(1);
    RefreshPortLineSoon();
}

void CTestView::OnLightOff()
{
    (void)m_radio.SetLight(0);
    RefreshPortLineSoon();
}

void CTestView::OnBeepOn()
{
    {
        const CWaitCursor wait;
        (void)m_radio.SetBeep(1);
    }
    RefreshPortLineSoon();
}

void CTestView::OnBeepOff()
{
    {
        const CWaitCursor wait;
        (void)m_radio.SetBeep(0);
    }
    RefreshPortLineSoon();
}

void CTestView::OnWide()
{
    m_nBandwidth = 0;
    ComputeTestSteps();
}

void CTestView::OnNarrow()
{
    m_nBandwidth = 1;
    ComputeTestSteps();
}

void CTestView::OnDcsSpin(int side, int direction)
{
    QLineEdit* box = (side == kTx ? m_pTxSignalling : m_pRxSignalling)->DcsEdit();
    box->setText(QString::fromStdString(StepDcsCode(
        box->text().toStdString(), direction, m_nDcsPosition[static_cast<std::size_t>(side)])));
}
