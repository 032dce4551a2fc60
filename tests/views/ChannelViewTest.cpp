// The Channel form: its controls, the checks and what a passing entry writes,
// the untouched channels it must leave alone, and its navigation and timers.

// own
#include "FormFixture.h"

// views
#include "views/ChannelView.h"

// ui
#include "ui/BitRow.h"
#include "ui/FrequencyBox.h"
#include "ui/OptionList.h"
#include "ui/SignallingBox.h"
#include "ui/SpinButton.h"

// model
#include "model/ChannelTexts.h"

// Qt
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

// std
#include <array>
#include <cstring>

namespace
{
void Choose(QComboBox* list, int position)
{
    list->setCurrentIndex(position);
    emit list->activated(position);
}

void PressKey(QWidget* widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

std::array<std::uint8_t, kImageSize> Bytes(const CRadioImage& image)
{
    std::array<std::uint8_t, kImageSize> bytes{};
    EXPECT_TRUE(image.ReadBlock(bytes.data(), 0, kImageSize));
    return bytes;
}

std::array<std::uint8_t, kChannelRecordSize> Record(const CRadioImage& image, int n)
{
    std::array<std::uint8_t, kChannelRecordSize> bytes{};
    EXPECT_TRUE(image.ReadBlock(bytes.data(), ImageMap::kChannels + kChannelRecordSize * (n - 1),
                                kChannelRecordSize));
    return bytes;
}
} // namespace

class ChannelViewTest : public FormFixture
{
protected:
    void SetUp() override
    {
        UseModel(5); // VHF(H) A Band, 136-160 MHz, wide step 5 kHz
    }

    // The model chosen on the Model form, then the Channel form opened.
    void UseModel(int model)
    {
        FormFixture::UseModel(model);
        m_form = OpenForm<CChannelView>(VIEW_CHANNEL);
        ASSERT_NE(m_form, nullptr);
    }

    // The shared image with `edit` applied, shown again in the form.
    template <typename Edit> void Reload(Edit edit, int channelMode = 0)
    {
        m_host.SetChannelMode(channelMode);
        edit(m_shared);
        m_form->LoadFromImage(m_shared);
    }

    static void SetGroupCountByte(CRadioImage& image, std::uint8_t count)
    {
        ASSERT_TRUE(image.WriteBlock(&count, ImageMap::kGroupCount, 1));
    }

    void Type(QLineEdit* edit, const char* text) { edit->setText(QString::fromLatin1(text)); }
    void TypeRx(const char* text) { Type(m_form->RxFrequencyBox()->Edit(), text); }
    void TypeTx(const char* text) { Type(m_form->TxFrequencyBox()->Edit(), text); }
    void ChooseDcs(CSignallingBox* box, const char* code)
    {
        Choose(box->TypeList(), SignallingChoice::kDcs);
        Type(box->DcsEdit(), code);
    }

    CChannelView* m_form = nullptr;
};

TEST_F(ChannelViewTest, ShowsEveryTextListAndLimit)
{
    QStringList texts;
    for (const QLabel* label : m_form->findChildren<QLabel*>())
    {
        texts << label->text();
    }
    for (const QGroupBox* box : m_form->findChildren<QGroupBox*>())
    {
        texts << box->title();
    }
    for (const QAbstractButton* button : m_form->findChildren<QAbstractButton*>())
    {
        texts << button->text();
    }
    for (const char* text : {"Channel Number",
                             "Alpha Character",
                             "Wide",
                             "Narrow",
                             "Receive Freq",
                             "MHz",
                             "Receive Signaling Type",
                             "Hz",
                             "(OCT)",
                             "Transmit Freq",
                             "Transmit Signaling Type",
                             "Group Number",
                             "Tx Power Control",
                             "Compand",
                             "DTone",
                             "ANI",
                             "    Channel  in  Scan  Group  A",
                             "    Channel  in  Scan  Group  B",
                             "Auxiliay Data",
                             "Cancel",
                             "Receive Parameters",
                             "Transmit Parameters",
                             "Option Parameters",
                             "Group Registry"})
    {
        EXPECT_TRUE(texts.contains(QString::fromLatin1(text))) << text;
    }
    const auto items = [](QComboBox* list)
    {
        QStringList all;
        for (int i = 0; i < list->count(); ++i)
        {
            all << list->itemText(i);
        }
        return all;
    };
    EXPECT_EQ(items(m_form->PowerList()), QStringList({"Lowpower", "Normal"}));
    for (COptionList* list :
         {m_form->CompandList(), m_form->DToneList(), m_form->AniList(), m_form->ScramblerList()})
    {
        EXPECT_EQ(items(list), QStringList({"Enable", "Disable"}));
    }
    EXPECT_TRUE(m_form->ScramblerList()->isHidden());
    EXPECT_EQ(items(m_form->RxSignallingBox()->TypeList()), QStringList({"CTCSS", "DCS", "None"}));
    QComboBox* tones = m_form->TxSignallingBox()->ToneList();
    ASSERT_EQ(tones->count(), 45);
    EXPECT_EQ(tones->itemText(0), "67.0");
    EXPECT_EQ(tones->itemText(44), "254.1");
    const struct
    {
        QLineEdit* edit;
        int limit;
    } limits[] = {
        {m_form->ChannelNumberEdit(), 3},          {m_form->GroupNumberEdit(), 3},
        {m_form->ChannelNameEdit(), 12},           {m_form->GroupNameEdit(), 12},
        {m_form->RxFrequencyBox()->Edit(), 11},    {m_form->TxFrequencyBox()->Edit(), 11},
        {m_form->RxSignallingBox()->DcsEdit(), 4}, {m_form->TxSignallingBox()->DcsEdit(), 4},
    };
    for (const auto& c : limits)
    {
        EXPECT_EQ(c.edit->maxLength(), c.limit) << c.edit->accessibleName().toStdString();
    }
    EXPECT_TRUE(m_form->ChannelNumberEdit()->isReadOnly());
    EXPECT_TRUE(m_form->GroupNumberEdit()->isReadOnly());
    // The widest name fits the box, its frame and text margins aside.
    for (QLineEdit* name : {m_form->ChannelNameEdit(), m_form->GroupNameEdit()})
    {
        const int letters = name->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWWWWWWWW"));
        EXPECT_LE(letters + 4 + 2 * name->style()->pixelMetric(QStyle::PM_DefaultFrameWidth),
                  name->width());
    }
}

TEST_F(ChannelViewTest, ChecksInOrderWithTheirMessageAndFocus)
{
    using namespace ChannelTexts;
    CSignallingBox* rx = m_form->RxSignallingBox();
    CSignallingBox* tx = m_form->TxSignallingBox();
    QWidget* rxFreq = m_form->RxFrequencyBox()->Edit();
    QWidget* txFreq = m_form->TxFrequencyBox()->Edit();
    const struct
    {
        const char* what;
        std::function<void()> enter;
        int channel;
        const char* message; // null: passes
        QWidget* focus;
    } cases[] = {
        {"grid point", [&] { TypeRx("150.005"); }, 1, nullptr, nullptr},
        {"band top", [&] { TypeRx("160.0"); }, 1, nullptr, nullptr},
        {"off the grid", [&] { TypeRx("150.0025"); }, 1, kRxFrequencyError, rxFreq},
        {"above the band", [&] { TypeRx("160.005"); }, 1, kRxFrequencyError, rxFreq},
        {"not a number", [&] { TypeRx("15o.0"); }, 1, kNotANumber, rxFreq},
        {"tx not a number", [&] { TypeTx("-"); }, 1, kNotANumber, txFreq},
        {"tx below the band", [&] { TypeTx("135.995"); }, 1, kTxFrequencyError, txFreq},
        {"full stop in name", [&] { Type(m_form->ChannelNameEdit(), "AB.C"); }, 1,
         kChannelNameError, m_form->ChannelNameEdit()},
        {"name before freq",
         [&]
         {
             Type(m_form->GroupNameEdit(), "G:1");
             TypeRx("1.0");
         },
         1, kGroupNameError, m_form->GroupNameEdit()},
        {"channel 321", [] {}, 321, kChannelNumberError, m_form->ChannelNumberEdit()},
        {"channel 320", [] {}, 320, nullptr, nullptr},
        {"inverted DCS", [&] { ChooseDcs(rx, "-023"); }, 1, nullptr, nullptr},
        {"DCS 0", [&] { ChooseDcs(rx, "0"); }, 1, kRxSignallingError, rx->DcsEdit()},
        {"DCS 8", [&] { ChooseDcs(rx, "8"); }, 1, kRxSignallingError, rx->DcsEdit()},
        {"lone minus", [&] { ChooseDcs(rx, "-"); }, 1, kRxSignallingError, rx->DcsEdit()},
        {"DCS 024", [&] { ChooseDcs(rx, "024"); }, 1, kRxSignallingError, rx->DcsEdit()},
        {"DCS -000", [&] { ChooseDcs(rx, "-000"); }, 1, kRxSignallingError, rx->DcsEdit()},
        {"CTCSS without tone", [&] { Choose(rx->TypeList(), SignallingChoice::kCtcss); }, 1,
         kRxSignallingError, rx->ToneList()},
        {"tx DCS 8", [&] { ChooseDcs(tx, "8"); }, 1, kTxSignallingError, tx->DcsEdit()},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        m_form->OnCancel();
        TypeRx("150.0");
        TypeTx("150.0");
        c.enter();
        m_ui.Clear();
        m_form->CancelButton()->setFocus();
        const bool valid = m_form->ValidateChannel(c.channel);
        EXPECT_EQ(valid, c.message == nullptr);
        EXPECT_EQ(m_ui.Texts(),
                  c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        if (c.focus != nullptr)
        {
            EXPECT_EQ(m_form->focusWidget(), c.focus);
        }
        EXPECT_EQ(m_form->GetShownChannel(), 1);
    }
}

TEST_F(ChannelViewTest, EightHundredMegahertzEdgesDifferPerSide)
{
    UseModel(13); // 12.5 kHz wide step
    const struct
    {
        const char* rx;
        const char* tx;
        const char* message;
    } cases[] = {
        {"851.0125", "0", nullptr},     {"851.0125", "851.0125", ChannelTexts::kTxFrequencyError},
        {"851.0125", "806.0", nullptr}, {"806.0", "806.0", ChannelTexts::kRxFrequencyError},
        {"870.0", "825.0", nullptr},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.rx) + " / " + c.tx);
        TypeRx(c.rx);
        TypeTx(c.tx);
        m_ui.Clear();
        EXPECT_EQ(m_form->ValidateChannel(1), c.message == nullptr);
        EXPECT_EQ(m_ui.Texts(),
                  c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    }
}

TEST_F(ChannelViewTest, StoresWhatTheEntriesMean)
{
    CSignallingBox* rx = m_form->RxSignallingBox();
    CSignallingBox* tx = m_form->TxSignallingBox();
    TypeRx("150.0125"); // on the 6.25 kHz grid of the narrow step
    TypeTx("0");
    ChooseDcs(rx, "-023");
    Choose(tx->TypeList(), SignallingChoice::kCtcss);
    Choose(tx->ToneList(), 12);
    Type(m_form->ChannelNameEdit(), "abc/1");
    Type(m_form->GroupNameEdit(), "west");
    m_form->NarrowButton()->click();
    Choose(m_form->PowerList(), 0);
    Choose(m_form->DToneList(), 0);
    m_form->ScanGroupBCheck()->setChecked(true);
    m_form->AuxRow()->SetValue(0x5A);
    m_form->OnChannelSpin(+1);
    ASSERT_EQ(m_form->GetShownChannel(), 2);

    const CRadioImage& image = m_form->GetImage();
    int inverted = 0;
    int code = 0;
    std::string name;
    int flag = -1;
    ASSERT_TRUE(image.GetRxDcs(0, inverted, code));
    EXPECT_EQ(inverted, 1);
    EXPECT_EQ(code, 023);
    ASSERT_TRUE(image.GetChannelName(0, name));
    EXPECT_EQ(name, "ABC/1");
    ASSERT_TRUE(image.GetGroupName(0, name));
    EXPECT_EQ(name, "WEST");
    // The transmit side is unused; the options stay as chosen.
    ASSERT_TRUE(image.GetTxUnused(0, flag));
    EXPECT_EQ(flag, 1);
    const struct
    {
        bool (CRadioImage::*get)(int, int&) const;
        int expected;
    } bits[] = {
        {&CRadioImage::GetWide, 0},       {&CRadioImage::GetTxPower, 0},
        {&CRadioImage::GetDTone, 0},      {&CRadioImage::GetCompander, 1},
        {&CRadioImage::GetScanGroupA, 1}, {&CRadioImage::GetScanGroupB, 0},
        {&CRadioImage::GetScrambler, 1},  {&CRadioImage::GetAuxData, 0x5A},
    };
    for (const auto& b : bits)
    {
        ASSERT_TRUE((image.*b.get)(0, flag));
        EXPECT_EQ(flag, b.expected);
    }
    // Back on channel 1 the form shows what was stored.
    m_form->OnChannelSpin(-1);
    EXPECT_EQ(m_form->ChannelNameEdit()->text(), "ABC/1");
    EXPECT_EQ(rx->DcsEdit()->text(), "-23");
    EXPECT_EQ(m_form->RxFrequencyBox()->Edit()->text(), "150.01250");
    EXPECT_EQ(tx->TypeList()->currentText(), "None");
    EXPECT_TRUE(m_form->NarrowButton()->isChecked());

    // A receive frequency of 0 empties the channel, whatever else was entered.
    TypeRx("0");
    TypeTx("150.0");
    m_form->OnChannelSpin(+1);
    CRadioImage empty;
    auto expected = Record(empty, 1);
    expected[9] = Record(m_form->GetImage(), 1)[9]; // the check value is not written
    EXPECT_EQ(Record(m_form->GetImage(), 1), expected);
    m_form->OnChannelSpin(-1);
    EXPECT_EQ(m_form->TxFrequencyBox()->Edit()->text(), "0.00000");
    EXPECT_EQ(rx->TypeList()->currentText(), "None");
}

TEST_F(ChannelViewTest, ChannelsLeftUntouchedStayByteIdentical)
{
    // Records the form cannot show as they are: a transmit side, a name and
    // options on an unused receive side; a tone index past the table.
    Reload(
        [](CRadioImage& image)
        {
            ASSERT_TRUE(image.SetTxUnused(0, 0) && image.SetTxWord(0, 0x0EA30) &&
                        image.SetChannelName(0, "KEEP") && image.SetTxPower(0, 0));
            ASSERT_TRUE(image.SetRxUnused(1, 0) && image.SetRxWord(1, 0x0A408) &&
                        image.SetRxSignallingNone(1, 0) && image.SetRxSignallingType(1, 0));
            std::uint8_t tone = 60;
            ASSERT_TRUE(image.WriteBlock(&tone, ImageMap::kChannels + kChannelRecordSize, 1));
        },
        1);
    const auto before = Bytes(m_shared);
    for (int i = 0; i < 4; ++i)
    {
        m_form->OnChannelSpin(+1);
    }
    m_form->OnGroupSpin(+1);
    m_form->OnChannelSpin(-1);
    EXPECT_TRUE(m_ui.Texts().empty());
    ASSERT_TRUE(LeaveForm());
    EXPECT_EQ(Bytes(m_shared), before);
}

TEST_F(ChannelViewTest, EveryChannelStoredAgainUnchangedLeavesTheImageIdentical)
{
    Reload([](CRadioImage&) {}, 1);
    for (int n = 1; n <= kChannelCount; ++n)
    {
        // 25 kHz apart: on the grid of the wide and the narrow step.
        TypeRx(CChannelRules::FormatFrequency(136.0 + 0.025 * n).c_str());
        TypeTx(n % 5 == 0 ? "0" : CChannelRules::FormatFrequency(159.9 - 0.025 * n).c_str());
        const int type = n % 3;
        Choose(m_form->RxSignallingBox()->TypeList(), type);
        if (type == SignallingChoice::kCtcss)
        {
            Choose(m_form->RxSignallingBox()->ToneList(), n % 45);
        }
        else if (type == SignallingChoice::kDcs)
        {
            Type(m_form->RxSignallingBox()->DcsEdit(), n % 2 ? "-754" : "23");
        }
        Type(m_form->ChannelNameEdit(), QString("ch %1").arg(n).toLatin1().constData());
        (n % 2 ? m_form->NarrowButton() : m_form->WideButton())->click();
        Choose(m_form->AniList(), n % 2);
        m_form->ScanGroupACheck()->setChecked(n % 3 == 0);
        m_form->AuxRow()->SetValue(n & 0xFF);
        m_ui.Clear();
        m_form->OnChannelSpin(+1);
        ASSERT_TRUE(m_ui.Texts().empty()) << n << ": " << m_ui.Texts().front();
    }
    m_form->StoreToImage(m_shared);
    const auto written = Bytes(m_shared);
    m_form->LoadFromImage(m_shared);
    for (int n = 1; n <= kChannelCount; ++n)
    {
        m_form->LoadChannel(n);
        ASSERT_TRUE(m_form->ValidateChannel(n)) << n;
        ASSERT_TRUE(m_form->StoreChannel(n)) << n;
    }
    EXPECT_EQ(Bytes(m_form->GetImage()), written);
}

TEST_F(ChannelViewTest, GroupsFollowTheCountAndCapacity)
{
    const struct
    {
        int mode;
        std::uint8_t count; // as stored
        int capacity;
        int groups;
        int channel;
        int groupOfChannel;
    } cases[] = {
        {0, 10, 120, 10, 13, 2}, {1, 15, 320, 15, 316, 16}, {5, 1, 320, 1, 300, 1},
        {1, 0, 320, 1, 320, 1},  {0, 200, 120, 1, 120, 1},  {1, 40, 320, 40, 9, 2},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(static_cast<int>(c.count));
        Reload([&](CRadioImage& image) { SetGroupCountByte(image, c.count); }, c.mode);
        EXPECT_EQ(m_form->GetCapacity(), c.capacity);
        EXPECT_EQ(m_form->GetGroupCount(), c.groups);
        m_form->ShowGroupOfChannel(c.channel);
        EXPECT_EQ(m_form->GroupNumberEdit()->text().toInt(), c.groupOfChannel);
    }
    // 120 channels in 10 groups: group up shows channel 13, the spin stops at 120.
    Reload([](CRadioImage& image) { SetGroupCountByte(image, 10); }, 0);
    m_form->OnGroupSpin(+1);
    EXPECT_EQ(m_form->GetShownChannel(), 13);
    EXPECT_EQ(m_form->ChannelNumberEdit()->text(), "13");
    EXPECT_EQ(m_form->GroupNumberEdit()->text(), "2");
    m_form->OnTimer(CChannelView::kGroupTimer);
    m_form->OnChannelSpin(+1);
    EXPECT_EQ(m_form->GroupNumberEdit()->text(), "2");
    for (int i = 0; i < 130; ++i)
    {
        m_form->OnChannelSpin(+1);
    }
    EXPECT_EQ(m_form->GetShownChannel(), 120);
    EXPECT_EQ(m_form->GetShownGroup(), 10);
}

TEST_F(ChannelViewTest, AFailedCheckKeepsTheChannelOnEverySpinAndTimer)
{
    Reload([](CRadioImage& image) { SetGroupCountByte(image, 10); }, 0);
    const auto failing = [this] { TypeRx("150.0025"); };
    const struct
    {
        const char* what;
        std::function<void()> move;
        int messages;
    } cases[] = {
        // The swallow flag: the click after a failure is ignored, the next one
        // tries again.
        {"channel spin", [this] { m_form->OnChannelSpin(+1); }, 1},
        {"swallowed click", [this] { m_form->OnChannelSpin(+1); }, 0},
        {"click after", [this] { m_form->OnChannelSpin(+1); }, 1},
        {"group spin", [this] { m_form->OnGroupSpin(+1); }, 1},
        {"group timer", [this] { m_form->OnTimer(CChannelView::kGroupTimer); }, 0},
        {"group box", [this] { m_form->GroupNumberEdit()->setText("3"); }, 1},
        {"group timer after", [this] { m_form->OnTimer(CChannelView::kGroupTimer); }, 1},
        {"channel box", [this] { m_form->ChannelNumberEdit()->setText("5"); }, 1},
    };
    failing();
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        m_ui.Clear();
        c.move();
        EXPECT_EQ(m_ui.CountOf(ChannelTexts::kRxFrequencyError), c.messages);
        EXPECT_EQ(m_form->GetShownChannel(), 1);
        EXPECT_EQ(m_form->RxFrequencyBox()->Edit()->text(), "150.0025");
    }
    EXPECT_FALSE(m_form->IsTimerSet(CChannelView::kChannelTimer));
    // Put right: the click after the last failure is still swallowed, the
    // next one stores the entry and moves on.
    TypeRx("150.0");
    m_form->OnChannelSpin(+1);
    m_form->OnChannelSpin(+1);
    EXPECT_EQ(m_form->GetShownChannel(), 2);
}

// A held arrow repeats; the message of a failed check must release it, or the
// arrow, never seeing its release under the message, steps on by itself.
TEST_F(ChannelViewTest, AHeldArrowStopsAtTheFirstFailedCheck)
{
    Reload([](CRadioImage& image) { SetGroupCountByte(image, 10); }, 0);
    for (CSpinButton* spin : {m_form->ChannelSpin(), m_form->GroupSpin()})
    {
        SCOPED_TRACE(spin->UpArrow()->accessibleName().toStdString());
        m_ui.Clear();
        TypeRx("150.0025");
        QToolButton* arrow = spin->UpArrow();
        const QPoint centre = arrow->rect().center();
        QMouseEvent press(QEvent::MouseButtonPress, centre, arrow->mapToGlobal(centre),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(arrow, &press);
        ASSERT_TRUE(arrow->isDown());
        // Held, with no release, well past the repeat delay and many repeats.
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(1200);
        while (std::chrono::steady_clock::now() < end)
        {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{ChannelTexts::kRxFrequencyError});
        EXPECT_FALSE(arrow->isDown());
        EXPECT_EQ(m_form->GetShownChannel(), 1);
        m_form->OnCancel();
    }
}

TEST_F(ChannelViewTest, NumberBoxRewritesResynchroniseThroughTimers)
{
    Reload([](CRadioImage& image) { SetGroupCountByte(image, 10); }, 0);
    // The form's own rewrites are not seen: no timer runs after the spins.
    m_form->OnChannelSpin(+1);
    m_form->OnGroupSpin(+1);
    EXPECT_FALSE(m_form->IsTimerSet(CChannelView::kChannelTimer));
    EXPECT_TRUE(m_form->IsTimerSet(CChannelView::kGroupTimer));
    m_form->OnTimer(CChannelView::kGroupTimer);
    EXPECT_EQ(m_form->GetShownChannel(), 13);

    // A rewrite from elsewhere: both frequencies 0, so timer 1 starts at once.
    m_form->ChannelNumberEdit()->setText("40");
    EXPECT_TRUE(m_form->IsTimerSet(CChannelView::kChannelTimer));
    m_form->OnTimer(CChannelView::kChannelTimer);
    EXPECT_FALSE(m_form->IsTimerSet(CChannelView::kChannelTimer));
    EXPECT_EQ(m_form->GetShownChannel(), 40);
    EXPECT_EQ(m_form->GroupNumberEdit()->text(), "4");

    // With an entry on screen it is stored before the timer moves on.
    TypeRx("140.0");
    m_form->GroupNumberEdit()->setText("7");
    ASSERT_TRUE(m_form->IsTimerSet(CChannelView::kGroupTimer));
    m_form->OnTimer(CChannelView::kGroupTimer);
    EXPECT_EQ(m_form->GetShownChannel(), 73);
    std::uint32_t word = 0;
    ASSERT_TRUE(m_form->GetImage().GetRxWord(39, word));
    EXPECT_NE(word, kUnusedWord);
    EXPECT_TRUE(m_ui.Texts().empty());
}

TEST_F(ChannelViewTest, ArrowsAndKeysStepEveryBox)
{
    Reload([](CRadioImage& image) { SetGroupCountByte(image, 10); }, 0);
    QLineEdit* rx = m_form->RxFrequencyBox()->Edit();
    QLineEdit* dcs = m_form->RxSignallingBox()->DcsEdit();
    Choose(m_form->RxSignallingBox()->TypeList(), SignallingChoice::kDcs);
    const struct
    {
        QLineEdit* box;
        const char* from;
        bool viaKey;
        int direction;
        const char* shown;
    } cases[] = {
        {rx, "136.0", false, -1, "0.00000"},
        {rx, "0", true, +1, "136.00000"},
        {rx, "150.0031", false, -1, "149.99500"},
        {rx, "150.0031", true, +1, "150.00500"},
        {rx, "170", false, -1, "160.00000"},
        {dcs, "754", false, +1, "754"},
        {dcs, "023", true, -1, "000"},
        {dcs, "000", false, -1, "-023"},
        {dcs, "-023", true, -1, "-025"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.from) + (c.direction > 0 ? " up" : " down"));
        c.box->setText(c.from);
        if (c.viaKey)
        {
            PressKey(c.box, c.direction > 0 ? Qt::Key_Up : Qt::Key_Down);
        }
        else
        {
            CSpinButton* spin = c.box == rx ? m_form->RxFrequencyBox()->Spin()
                                            : m_form->RxSignallingBox()->DcsSpin();
            (c.direction > 0 ? spin->UpArrow() : spin->DownArrow())->click();
        }
        EXPECT_EQ(c.box->text(), c.shown);
    }
    m_form->OnCancel();
    PressKey(m_form->ChannelNumberEdit(), Qt::Key_Up);
    EXPECT_EQ(m_form->GetShownChannel(), 2);
    m_form->ChannelSpin()->UpArrow()->click();
    EXPECT_EQ(m_form->GetShownChannel(), 3);
    PressKey(m_form->GroupNumberEdit(), Qt::Key_Up);
    EXPECT_EQ(m_form->GetShownChannel(), 13);
    m_form->GroupSpin()->DownArrow()->click();
    EXPECT_EQ(m_form->GetShownChannel(), 1);
}

TEST_F(ChannelViewTest, CancelRestoresTheShownChannel)
{
    m_form->OnChannelSpin(+1);
    TypeRx("150.0");
    Type(m_form->ChannelNameEdit(), "X");
    m_form->CancelButton()->click();
    EXPECT_EQ(m_form->GetShownChannel(), 2);
    EXPECT_EQ(m_form->RxFrequencyBox()->Edit()->text(), "0.00000");
    EXPECT_EQ(m_form->ChannelNameEdit()->text(), "");
    EXPECT_FALSE(m_form->IsShownChannelChanged());
}

TEST_F(ChannelViewTest, ARefusedWriteStopsTheSwitchAndLeavesTheSharedImage)
{
    const auto before = Bytes(m_shared);
    TypeRx("150.0");
    m_form->PowerList()->setCurrentIndex(-1); // a bit the image cannot hold
    EXPECT_FALSE(m_form->ValidateForm());
    EXPECT_EQ(m_ui.CountOf(ChannelTexts::kEepromSetError), 1);
    EXPECT_FALSE(LeaveForm());
    EXPECT_EQ(Form(), m_form);
    m_form->StoreToImage(m_shared);
    EXPECT_EQ(Bytes(m_shared), before);
    EXPECT_FALSE(m_form->StoreChannel(0));
    EXPECT_FALSE(m_form->StoreChannel(321));
}

TEST_F(ChannelViewTest, WithoutAModelNothingIsStoredAndNothingBreaks)
{
    Reload([](CRadioImage& image) { image.Reset(); }, 1);
    const auto before = Bytes(m_shared);
    EXPECT_FALSE(m_form->ModelNotice()->isHidden());
    m_form->OnChannelSpin(+1);
    PressKey(m_form->RxFrequencyBox()->Edit(), Qt::Key_Up);
    m_form->OnGroupSpin(+1);
    EXPECT_TRUE(m_form->ValidateForm()); // nothing changed: free to leave
    Type(m_form->ChannelNameEdit(), "NEW");
    m_form->OnChannelSpin(+1);
    EXPECT_EQ(m_ui.CountOf(ChannelTexts::kModelNotChosen), 1);
    m_form->StoreToImage(m_shared);
    EXPECT_EQ(Bytes(m_shared), before);
}
