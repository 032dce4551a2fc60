// The 2-Tone form: formats, group codes and tone lists, what it shows of stored
// values inside and outside the tables, the ANI number, and what it stores.

// own
#include "FormFixture.h"
#include "FormTestSupport.h"

// views
#include "views/TwoToneView.h"
#include "views/ViewTexts.h"

// ui
#include "ui/OptionList.h"

// Qt
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// std
#include <array>
#include <cstring>

namespace
{
const QStringList kCodes10{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
const QStringList kCodes11{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A"};

// A 2-tone setting stored in an image.
CRadioImage Stored(int used, int format, int g1, int g2, int t1, int t2, int t3)
{
    CRadioImage image;
    EXPECT_TRUE(image.SetTwoToneUnused(used == 1 ? 0 : 1));
    EXPECT_TRUE(image.SetTwoToneFormat(format));
    EXPECT_TRUE(image.SetTwoToneGroups(g1, g2));
    EXPECT_TRUE(image.SetFirstToneIndex(t1));
    EXPECT_TRUE(image.SetSecondToneIndex(t2));
    EXPECT_TRUE(image.SetThirdToneIndex(t3));
    return image;
}
} // namespace

class TwoToneViewTest : public FormFixture
{
protected:
    void SetUp() override
    {
        UseModel(5);
        m_form = OpenForm<C2ToneView>(VIEW_2TONE);
        ASSERT_NE(m_form, nullptr);
        m_ui.Clear();
    }

    void Choose(QComboBox* list, int position)
    {
        list->setCurrentIndex(position);
        emit list->activated(position);
    }

    void Use()
    {
        if (!m_form->UsedBox()->isChecked())
        {
            m_form->UsedBox()->click();
        }
    }

    std::string Group(int which)
    {
        return (which == 1 ? m_form->Group1Text() : m_form->Group2Text())->text().toStdString();
    }

    C2ToneView* m_form = nullptr;
};

TEST_F(TwoToneViewTest, AResetImageShowsPlectronUnused)
{
    m_form->LoadFromImage(CRadioImage());
    EXPECT_FALSE(m_form->UsedBox()->isChecked());
    EXPECT_EQ(m_form->UsedBox()->text(), " 2Tone  used / unused");
    EXPECT_EQ(Items(m_form->FormatList()),
              QStringList({"MOTOROLA 1+1", "MOTOROLA 2+2", "REACH", "PLECTRON"}));
    EXPECT_EQ(m_form->FormatList()->currentText(), "PLECTRON");
    for (COptionList* list : {m_form->FormatList(), m_form->CodeList(), m_form->ToneList(0),
                              m_form->ToneList(1), m_form->ToneList(2)})
    {
        EXPECT_FALSE(list->isEnabled());
    }
    EXPECT_TRUE(m_form->AniEdit()->isEnabled());
    EXPECT_EQ(m_form->AniEdit()->maxLength(), 10);
    // Ten blanks: shown without the padding, stored back as ten blanks.
    EXPECT_EQ(m_form->AniEdit()->text(), "");
    EXPECT_EQ(m_form->ToneList(0)->count(), 59);
    EXPECT_EQ(m_form->ToneList(0)->itemText(58), "3487.0");
    EXPECT_EQ(m_form->ToneList(0)->currentText(), "282.2");
    EXPECT_EQ(m_form->ToneList(2)->count(), 0);
    EXPECT_EQ(Group(1), "");
    EXPECT_EQ(Group(2), "");
    CRadioImage target;
    PutByte(target, 0x21, 0x33);
    m_form->StoreToImage(target);
    EXPECT_EQ(Byte(target, 0x21), 0x33) << "nothing edited, nothing stored";
    m_form->AniEdit()->setText("1");
    m_form->StoreToImage(target);
    EXPECT_EQ(Byte(target, 0x21), 0x00); // Plectron keeps no groups
    EXPECT_EQ(Byte(target, 0x9D), 0x1F);
    EXPECT_TRUE(m_ui.m_records.empty());
}

TEST_F(TwoToneViewTest, TheListsEnabledFollowUseAndFormat)
{
    const struct
    {
        int used;
        int format;
        bool code;
        bool third;
    } cases[] = {
        {1, 0, true, false},  {1, 1, false, true},  {1, 2, true, false},
        {1, 3, false, false}, {0, 0, false, false}, {0, 1, false, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.used * 10 + c.format);
        m_form->LoadFromImage(Stored(1, 3, 0, 0, 0, 0, 0));
        Choose(m_form->FormatList(), c.format);
        if (c.used == 0)
        {
            m_form->UsedBox()->click();
        }
        EXPECT_EQ(m_form->FormatList()->isEnabled(), c.used == 1);
        EXPECT_EQ(m_form->ToneList(0)->isEnabled(), c.used == 1);
        EXPECT_EQ(m_form->CodeList()->isEnabled(), c.code);
        EXPECT_EQ(m_form->ToneList(2)->isEnabled(), c.third);
        // Shown from an image the same way.
        m_form->LoadFromImage(Stored(c.used, c.format, 4, 2, 0, 0, 0));
        EXPECT_EQ(m_form->CodeList()->isEnabled(), c.code);
        EXPECT_EQ(m_form->ToneList(2)->isEnabled(), c.third);
    }
}

TEST_F(TwoToneViewTest, TheCodeGivesTheGroupsAndTheirTones)
{
    const struct
    {
        int format;
        int code;
        const char* g1;
        const char* g2;
        const char* firstTone1; // the first entry of each list
        const char* firstTone2;
        int pick1; // positions chosen, and the indexes they store
        int pick2;
        int stored1;
        int stored2;
    } cases[] = {
        {0, 10, "3", "3", "288.5", "288.5", 0, 7, 20, 27}, // "A"; 1034.7 Hz is index 27
        {0, 0, "4", "2", "339.6", "600.9", 9, 9, 39, 19},
        {0, 5, "5", "5", "584.8", "584.8", 1, 2, 41, 42},
        {2, 0, "e", "b", "804.0", "1912.0", 0, 9, 40, 19},
        {2, 2, "c", "a", "1608.0", "2704.0", 3, 0, 23, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.format * 100 + c.code);
        m_form->LoadFromImage(Stored(1, c.format == 0 ? 2 : 0, 14, 11, 0, 0, 0));
        Choose(m_form->FormatList(), c.format);
        Choose(m_form->CodeList(), c.code);
        EXPECT_EQ(Group(1), c.g1);
        EXPECT_EQ(Group(2), c.g2);
        EXPECT_EQ(m_form->ToneList(0)->count(), 10);
        EXPECT_EQ(m_form->ToneList(0)->itemText(0), c.firstTone1);
        EXPECT_EQ(m_form->ToneList(1)->itemText(0), c.firstTone2);
        Choose(m_form->ToneList(0), c.pick1);
        Choose(m_form->ToneList(1), c.pick2);
        CRadioImage image;
        m_form->StoreToImage(image);
        int index = -1;
        int first = -1;
        int second = -1;
        EXPECT_TRUE(image.GetFirstToneIndex(index));
        EXPECT_EQ(index, c.stored1);
        EXPECT_TRUE(image.GetSecondToneIndex(index));
        EXPECT_EQ(index, c.stored2);
        EXPECT_TRUE(image.GetTwoToneGroups(first, second));
        EXPECT_EQ(QString::number(first, 16).toStdString(), c.g1);
        EXPECT_EQ(QString::number(second, 16).toStdString(), c.g2);
        // Shown again from what was stored.
        m_form->LoadFromImage(image);
        EXPECT_EQ(m_form->CodeList()->currentIndex(), c.code);
        EXPECT_EQ(m_form->ToneList(0)->currentIndex(), c.pick1);
        EXPECT_EQ(m_form->ToneList(1)->currentIndex(), c.pick2);
    }
    EXPECT_TRUE(m_ui.m_records.empty());
}

TEST_F(TwoToneViewTest, OnlyMotorolaOnePlusOneHasCodeA)
{
    m_form->LoadFromImage(Stored(1, 0, 4, 2, 0, 0, 0));
    EXPECT_EQ(Items(m_form->CodeList()), kCodes11);
    const struct
    {
        int format;
        QStringList codes;
        const char* g1;
    } steps[] = {{2, kCodes10, "e"}, {0, kCodes11, "4"}, {1, kCodes10, ""},
                 {0, kCodes11, "4"}, {3, kCodes10, ""},  {0, kCodes11, "4"}};
    for (const auto& step : steps)
    {
        SCOPED_TRACE(step.format);
        Choose(m_form->FormatList(), step.format);
        EXPECT_EQ(Items(m_form->CodeList()), step.codes);
        EXPECT_EQ(m_form->CodeList()->currentText(), "0");
        EXPECT_EQ(Group(1), step.g1);
    }
    // Shown again and again: still one "A".
    for (int i = 0; i < 3; ++i)
    {
        m_form->LoadFromImage(Stored(1, 0, 3, 3, 20, 27, 0));
        m_form->OnCancelEdit();
    }
    EXPECT_EQ(Items(m_form->CodeList()), kCodes11);
    EXPECT_EQ(m_form->CodeList()->currentText(), "A");
}

TEST_F(TwoToneViewTest, MotorolaTwoPlusTwoUsesThreeTonesFromOneList)
{
    m_form->LoadFromImage(Stored(1, 1, 0, 0, 35, 0, 12));
    for (int tone = 0; tone < 3; ++tone)
    {
        EXPECT_EQ(m_form->ToneList(tone)->count(), 36);
    }
    EXPECT_EQ(m_form->ToneList(0)->currentText(), "1084.0");
    EXPECT_EQ(m_form->ToneList(2)->currentText(), "412.1");
    Choose(m_form->ToneList(2), 21);
    CRadioImage image;
    m_form->StoreToImage(image);
    int index = -1;
    EXPECT_TRUE(image.GetThirdToneIndex(index));
    EXPECT_EQ(index, 21);
    EXPECT_TRUE(image.GetFirstToneIndex(index));
    EXPECT_EQ(index, 35);
}

TEST_F(TwoToneViewTest, StoredValuesOutsideTheTablesShowNoSelection)
{
    const struct
    {
        const char* name;
        int format;
        int g1, g2;
        std::uint8_t t1, t2;
        int tone1Count;  // entries of the first list
        bool code;       // a code is selected
        bool tone1Shown; // the first tone has a selection
        bool tone2Shown;
    } cases[] = {
        {"Reach pair without a code", 2, 10, 10, 0, 5, 10, false, true, true},
        {"Reach tone of another group", 2, 14, 11, 5, 15, 10, true, false, true},
        {"Motorola 1+1 group 0", 0, 0, 0, 0, 0, 0, false, false, false},
        {"Motorola 1+1 group beyond the image", 0, 7, 4, 0, 30, 0, false, false, true},
        {"tone index beyond the image", 3, 0, 0, 0x70, 0xFF, 59, false, false, false},
        {"Motorola 1+1 pair without a code", 0, 1, 3, 5, 25, 10, false, true, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CRadioImage image = Stored(1, c.format, c.g1, c.g2, 0, 0, 0);
        PutByte(image, 0x22, c.t1);
        PutByte(image, 0x23, c.t2);
        m_form->LoadFromImage(image);
        EXPECT_EQ(m_form->ToneList(0)->count(), c.tone1Count);
        EXPECT_EQ(m_form->CodeList()->currentIndex() >= 0, c.code);
        EXPECT_EQ(m_form->ToneList(0)->currentIndex() >= 0, c.tone1Shown);
        EXPECT_EQ(m_form->ToneList(1)->currentIndex() >= 0, c.tone2Shown);
        if (!c.code)
        {
            EXPECT_EQ(Group(1), "");
            EXPECT_EQ(Group(2), "");
        }
        // In use, the form asks for what it does not show rather than
        // storing a tone nobody chose.
        m_ui.Clear();
        CRadioImage target = image;
        m_form->StoreToImage(target);
        EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{" Set Up Error ! "});
        EXPECT_EQ(std::memcmp(target.WorkBlock().image, image.WorkBlock().image, 8192), 0);
    }
}

TEST_F(TwoToneViewTest, TheAniNumberTakesDialDigitsOnly)
{
    const struct
    {
        const char* typed;
        bool accepted;
        std::array<std::uint8_t, 5> stored;
    } cases[] = {
        {"123", true, {0x12, 0x3F, 0xFF, 0xFF, 0xFF}},
        {"0#*9 1", true, {0x0A, 0xB9, 0xF1, 0xFF, 0xFF}},
        {"9876543210", true, {0x98, 0x76, 0x54, 0x32, 0x10}},
        {"", true, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"12a", false, {}},
        {"1-2", false, {}},
        {"A", false, {}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.typed);
        m_ui.Clear();
        CRadioImage shown;
        ASSERT_TRUE(shown.SetAniNumber("7")); // so that each text typed is an edit
        m_form->LoadFromImage(shown);
        m_form->AniEdit()->setText(c.typed);
        CRadioImage target;
        ASSERT_TRUE(target.SetAniNumber("55"));
        const CRadioImage before = target;
        m_form->StoreToImage(target);
        std::array<std::uint8_t, 5> ani{};
        ASSERT_TRUE(target.ReadBlock(ani.data(), 0x9D, 5));
        if (c.accepted)
        {
            EXPECT_EQ(ani, c.stored);
            EXPECT_TRUE(m_ui.m_records.empty());
        }
        else
        {
            EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{" Set Up Error ! "});
            EXPECT_EQ(std::memcmp(target.WorkBlock().image, before.WorkBlock().image, 8192), 0);
        }
    }
}

TEST_F(TwoToneViewTest, AnAniTheFieldCannotHoldShowsWhatDecodes)
{
    CRadioImage earlier;
    ASSERT_TRUE(earlier.SetAniNumber("999"));
    m_form->LoadFromImage(earlier);
    EXPECT_EQ(m_form->AniEdit()->text(), "999");
    const struct
    {
        std::array<std::uint8_t, 5> bytes;
        const char* shown;
    } cases[] = {
        {{0x12, 0xC3, 0xFF, 0xFF, 0xFF}, "12"},
        {{0xD0, 0x00, 0x00, 0x00, 0x00}, ""},
        {{0x12, 0x34, 0x56, 0x78, 0x9E}, "123456789"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.shown);
        CRadioImage image;
        ASSERT_TRUE(image.WriteBlock(c.bytes.data(), 0x9D, 5));
        m_form->LoadFromImage(image);
        EXPECT_EQ(m_form->AniEdit()->text(), c.shown);
    }
}

TEST_F(TwoToneViewTest, StoresOnlyTheTwoToneAndAniFields)
{
    m_form->LoadFromImage(Stored(0, 3, 0, 0, 0, 0, 0));
    Use();
    Choose(m_form->FormatList(), 2);
    Choose(m_form->CodeList(), 7); // a, e
    Choose(m_form->ToneList(1), 4);
    m_form->AniEdit()->setText("42");
    CRadioImage target;
    std::array<std::uint8_t, 8192> before{};
    for (std::size_t i = 0; i < before.size(); ++i)
    {
        before[i] = static_cast<std::uint8_t>(i * 13 + 1);
    }
    before[0x22] = before[0x23] = before[0x24] = 7; // valid tone indexes
    ASSERT_TRUE(target.WriteBlock(before.data(), 0, 8192));
    m_form->StoreToImage(target);
    EXPECT_TRUE(m_ui.m_records.empty());
    // Used, Reach, the rest of byte 0x1A kept.
    EXPECT_EQ(Byte(target, 0x1A), (before[0x1A] & 0xC7) | 0x10);
    EXPECT_EQ(Byte(target, 0x21), 0xAE);
    EXPECT_EQ(Byte(target, 0x22), 0);
    EXPECT_EQ(Byte(target, 0x23), 44);
    EXPECT_EQ(Byte(target, 0x24), 0); // as the form showed it
    EXPECT_EQ(Byte(target, 0x9D), 0x42);
    for (std::uint32_t offset = 0; offset < 8192; ++offset)
    {
        const bool field = offset == 0x1A || (offset >= 0x21 && offset <= 0x24) ||
                           (offset >= 0x9D && offset <= 0xA1);
        if (!field)
        {
            ASSERT_EQ(Byte(target, offset), before[offset]) << offset;
        }
    }
}
