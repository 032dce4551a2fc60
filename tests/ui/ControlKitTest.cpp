// The control kit: typed values in and out, the enabling and stepping rules,
// and the accessible names every control gets from its row.

// ui
#include "ui/BitRow.h"
#include "ui/FormRows.h"
#include "ui/FrequencyBox.h"
#include "ui/LevelRow.h"
#include "ui/OptionList.h"
#include "ui/SignallingBox.h"
#include "ui/SpinButton.h"

// Qt
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QWheelEvent>

// std
#include <gtest/gtest.h>
#include <vector>

namespace
{
QWheelEvent Wheel(int delta)
{
    return QWheelEvent(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, delta), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
}
} // namespace

TEST(FrequencyBoxTest, ArrowsKeysAndWheelEachAskForOneStep)
{
    enum Input
    {
        UpArrow,
        DownArrow,
        UpKey,
        DownKey,
        LeftKey,
        WheelNotchUp,
        WheelNotchDown,
        WheelHalfNotchTwice,
        WheelThreeNotches
    };
    const struct
    {
        Input input;
        std::vector<int> steps;
    } cases[] = {
        {UpArrow, {1}},
        {DownArrow, {-1}},
        {UpKey, {1}},
        {DownKey, {-1}},
        {LeftKey, {}},
        {WheelNotchUp, {1}},
        {WheelNotchDown, {-1}},
        {WheelHalfNotchTwice, {1}},
        {WheelThreeNotches, {1, 1, 1}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.input);
        CFrequencyBox box(nullptr);
        std::vector<int> steps;
        QObject::connect(&box, &CFrequencyBox::StepRequested,
                         [&](int direction) { steps.push_back(direction); });
        const auto key = [&](int code)
        {
            QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
            QApplication::sendEvent(box.Edit(), &press);
        };
        const auto wheel = [&](int delta)
        {
            QWheelEvent event = Wheel(delta);
            QApplication::sendEvent(box.Edit(), &event);
        };
        switch (c.input)
        {
        case UpArrow:
            box.Spin()->UpArrow()->click();
            break;
        case DownArrow:
            box.Spin()->DownArrow()->click();
            break;
        case UpKey:
            key(Qt::Key_Up);
            break;
        case DownKey:
            key(Qt::Key_Down);
            break;
        case LeftKey:
            key(Qt::Key_Left);
            break;
        case WheelNotchUp:
            wheel(120);
            break;
        case WheelNotchDown:
            wheel(-120);
            break;
        case WheelHalfNotchTwice:
            wheel(60);
            wheel(60);
            break;
        case WheelThreeNotches:
            wheel(360);
            break;
        }
        EXPECT_EQ(steps, c.steps);
    }
}

TEST(FrequencyBoxTest, ReadsFrequenciesAndShowsFiveDecimals)
{
    const struct
    {
        const char* text;
        bool readable;
        double mhz;
    } cases[] = {
        {"150.005", true, 150.005}, {" 0 ", true, 0.0}, {"150.000001", false, 0},
        {"abc", false, 0},          {"-150", false, 0}, {"", false, 0},
    };
    CFrequencyBox box(nullptr);
    EXPECT_EQ(box.Edit()->maxLength(), 11);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        box.Edit()->setText(c.text);
        double mhz = -1.0;
        EXPECT_EQ(box.ReadValue(mhz), c.readable);
        EXPECT_DOUBLE_EQ(mhz, c.readable ? c.mhz : -1.0) << "untouched when unreadable";
    }
    box.SetValue(851.0125);
    EXPECT_EQ(box.Edit()->text(), "851.01250");
}

TEST(SignallingBoxTest, EachTypeEnablesOnlyItsEntries)
{
    const struct
    {
        int type;
        bool tone;
        bool dcs;
        const char* dcsText; // after the choice, from "-023" typed before
        int toneIndex;       // from tone 5 selected before
    } cases[] = {
        {SignallingChoice::kCtcss, true, false, "0", 5},
        {SignallingChoice::kDcs, false, true, "-023", -1},
        {SignallingChoice::kNone, false, false, "0", -1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.type);
        CSignallingBox box(nullptr);
        box.ToneList()->SetValue(5);
        box.DcsEdit()->setText("-023");
        box.TypeList()->SetValue(c.type);
        emit box.TypeList()->activated(c.type);
        EXPECT_EQ(box.ToneList()->isEnabled(), c.tone);
        EXPECT_EQ(box.DcsEdit()->isEnabled(), c.dcs);
        EXPECT_EQ(box.DcsSpin()->isEnabled(), c.dcs);
        EXPECT_EQ(box.DcsEdit()->text(), c.dcsText);
        EXPECT_EQ(box.ToneList()->Value(), c.toneIndex);
    }
}

TEST(SignallingBoxTest, ValuesGoInAndComeBackOutAsTheyWere)
{
    const struct
    {
        SignallingChoice choice;
        const char* dcsText;
        int tone;
    } cases[] = {
        {{SignallingChoice::kCtcss, 0}, "0", 0},
        {{SignallingChoice::kCtcss, 44}, "0", 44},
        {{SignallingChoice::kDcs, 19}, "23", -1},   // code 023
        {{SignallingChoice::kDcs, -19}, "-23", -1}, // inverted
        {{SignallingChoice::kDcs, 0754}, "754", -1},
        {{SignallingChoice::kNone, SignallingChoice::kNoneValue}, "0", -1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.dcsText);
        CSignallingBox box(nullptr);
        box.SetValue(c.choice);
        EXPECT_EQ(box.DcsEdit()->text(), c.dcsText);
        EXPECT_EQ(box.ToneList()->Value(), c.tone);
        SignallingChoice read;
        ASSERT_TRUE(box.ReadValue(read));
        EXPECT_EQ(read, c.choice);
    }
}

TEST(SignallingBoxTest, RefusesWhatIsNoSignallingAndPointsAtTheEntry)
{
    const struct
    {
        int type;
        int tone;
        const char* dcs;
        bool readable;
        int value;
    } cases[] = {
        {SignallingChoice::kCtcss, -1, "0", false, 0},
        {SignallingChoice::kCtcss, 1, "0", true, 1},
        {SignallingChoice::kDcs, -1, "023", true, 19},
        {SignallingChoice::kDcs, -1, "-023", true, -19},
        {SignallingChoice::kDcs, -1, "024", false, 0},
        {SignallingChoice::kDcs, -1, "0", false, 0},
        {SignallingChoice::kDcs, -1, "8", false, 0},
        {SignallingChoice::kDcs, -1, "-", false, 0},
        {SignallingChoice::kDcs, -1, "-000", false, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.dcs) + " tone " + std::to_string(c.tone));
        CSignallingBox box(nullptr);
        box.TypeList()->SetValue(c.type);
        box.ApplyType(c.type);
        box.ToneList()->SetValue(c.tone);
        box.DcsEdit()->setText(c.dcs);
        SignallingChoice read{SignallingChoice::kNone, 1234};
        EXPECT_EQ(box.ReadValue(read), c.readable);
        if (c.readable)
        {
            EXPECT_EQ(read, (SignallingChoice{c.type, c.value}));
            continue;
        }
        EXPECT_EQ(read.value, 1234) << "untouched when refused";
        QWidget* entry = c.type == SignallingChoice::kCtcss ? static_cast<QWidget*>(box.ToneList())
                                                            : box.DcsEdit();
        EXPECT_EQ(box.EntryOfType(), entry);
    }
}

TEST(SignallingBoxTest, DcsArrowsWalkTheCodeListIntoTheInvertedCodes)
{
    const struct
    {
        const char* start;
        std::vector<int> arrows;
        const char* shown;
    } cases[] = {
        {"000", {1}, "023"},
        {"000", {-1}, "-023"},
        {"023", {-1}, "000"},
        {"023", {-1, -1}, "-023"},
        {"754", {1}, "754"},
        {"025", {1}, "026"},
        {"23", {1}, "025"},
        // Not in the list: stepping goes on from the spin's own count.
        {"-023", {1}, "023"},
        {"777", {-1, -1}, "-025"},
        {"000", std::vector<int>(110, -1), "-754"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.start);
        CSignallingBox box(nullptr);
        box.SetValue({SignallingChoice::kDcs, 19});
        box.DcsEdit()->setText(c.start);
        for (int arrow : c.arrows)
        {
            (arrow > 0 ? box.DcsSpin()->UpArrow() : box.DcsSpin()->DownArrow())->click();
        }
        EXPECT_EQ(box.DcsEdit()->text(), c.shown);
    }
}

TEST(BitRowTest, TheListsSpellTheByteWithBit7AtTheLeft)
{
    const struct
    {
        int value;
        const char* lists; // left to right
    } cases[] = {{0x00, "00000000"},
                 {0xFF, "11111111"},
                 {0x80, "10000000"},
                 {0x0A, "00001010"},
                 {0x01, "00000001"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.lists);
        CBitRow row(nullptr, "7 6 5 4 3 2 1 0");
        row.SetValue(c.value);
        QString shown;
        for (int bit = 7; bit >= 0; --bit)
        {
            shown += row.BitList(bit)->currentText();
        }
        EXPECT_EQ(shown, c.lists);
        EXPECT_EQ(row.Value(), c.value);
    }
    // Lists without a selection count as 1; a user's choice is reported.
    CBitRow row(nullptr, "");
    EXPECT_EQ(row.BitList(0)->Value(), -1);
    EXPECT_EQ(row.Value(), 0xFF);
    int changes = 0;
    QObject::connect(&row, &CBitRow::Changed, [&] { ++changes; });
    row.BitList(0)->SetValue(0);
    emit row.BitList(0)->activated(0);
    EXPECT_EQ(row.Value(), 0xFE);
    EXPECT_EQ(changes, 1);
}

TEST(LevelRowTest, ArrowsHoldTheValueWithinItsRange)
{
    const struct
    {
        int maximum;
        int start;
        std::vector<int> arrows;
        int value;
    } cases[] = {
        {80, 80, {1}, 80}, {15, 0, {-1}, 0},    {255, 100, {1, 1, 1, 1, 1}, 105},
        {80, -1, {1}, 0},  {80, 200, {-1}, 80}, {31, 30, {1, 1, -1}, 30},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.start);
        CLevelRow row(nullptr, "SQ Volume", 0, c.maximum, 3);
        row.SetValue(c.start);
        EXPECT_EQ(row.Box()->text(), QString::number(c.start)) << "shown even out of range";
        std::vector<int> reported;
        QObject::connect(&row, &CLevelRow::Stepped, [&](int value) { reported.push_back(value); });
        for (int arrow : c.arrows)
        {
            (arrow > 0 ? row.Spin()->UpArrow() : row.Spin()->DownArrow())->click();
        }
        EXPECT_EQ(row.Value(), c.value);
        EXPECT_EQ(row.Box()->text(), QString::number(c.value));
        EXPECT_EQ(reported.size(), c.arrows.size());
        EXPECT_TRUE(row.InRange());
    }
}

TEST(OptionListTest, APositionThatNamesNoItemSelectsNothing)
{
    const struct
    {
        int value;
        int shown;
    } cases[] = {{0, 0}, {1, 1}, {2, -1}, {-1, -1}, {255, -1}};
    for (const auto& c : cases)
    {
        COptionList list(nullptr, {"Enable", "Disable"});
        list.SetValue(c.value);
        EXPECT_EQ(list.Value(), c.shown) << c.value;
    }
}

TEST(FormRowsTest, EveryControlIsNamedAfterItsLabel)
{
    QWidget form;
    CFormRows rows(&form, "Receive Parameters");
    auto* frequency = new CFrequencyBox(&form);
    auto* signalling = new CSignallingBox(&form);
    auto* bits = new CBitRow(&form, "7 6 5 4 3 2 1 0");
    auto* option = new COptionList(&form, {"Enable", "Disable"});
    rows.AddRow("Receive  Freq", frequency);
    rows.AddRow("Receive Signaling Type", signalling, "Receive");
    rows.AddRow("Auxiliay Data", bits);
    rows.AddToRow("DTone", option);

    const struct
    {
        QWidget* widget;
        const char* name;
    } cases[] = {
        {frequency->Edit(), "Receive Freq"},
        {frequency->Spin()->UpArrow(), "Receive Freq up"},
        {frequency->Spin()->DownArrow(), "Receive Freq down"},
        {signalling->TypeList(), "Receive"},
        {signalling->ToneList(), "Receive tone"},
        {signalling->DcsEdit(), "Receive DCS code"},
        {signalling->DcsSpin()->UpArrow(), "Receive DCS code up"},
        {bits->BitList(7), "Auxiliay Data bit 7"},
        {bits->BitList(0), "Auxiliay Data bit 0"},
        {option, "DTone"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.widget->accessibleName(), c.name);
    }
    EXPECT_EQ(rows.Widget()->parentWidget(), &form);
}
