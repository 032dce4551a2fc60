// The Manual form: one byte of the image shown and changed as hexadecimal or as
// bits, the address it works on, and what it refuses to write.

// own
#include "FormFixture.h"
#include "FormTestSupport.h"

// views
#include "views/ManualView.h"
#include "views/ViewTexts.h"

// ui
#include "ui/BitRow.h"
#include "ui/HexAddressBox.h"
#include "ui/OptionList.h"
#include "ui/SpinButton.h"

// model
#include "model/TextReaders.h"

// Qt
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

// std
#include <array>
#include <cstring>

namespace
{
// What the test image holds at `address` until the form writes there.
int Initial(std::uint32_t address)
{
    return static_cast<std::uint8_t>(address * 7 + 3);
}

std::string Hex(int byte)
{
    return QString::number(byte, 16).toStdString();
}

// The bit lists as shown, bit 7 first ("-" for no selection).
std::string BitsShown(CBitRow* row)
{
    std::string bits;
    for (int bit = 7; bit >= 0; --bit)
    {
        const int value = row->BitList(bit)->Value();
        bits += value < 0 ? '-' : static_cast<char>('0' + value);
    }
    return bits;
}
} // namespace

class ManualViewTest : public FormFixture
{
protected:
    void SetUp() override
    {
        UseModel(5);
        m_form = OpenForm<CManualView>(VIEW_MANUAL);
        ASSERT_NE(m_form, nullptr);
        // Distinct bytes to find: address a holds a * 7 + 3.
        std::array<std::uint8_t, 8192> bytes{};
        for (std::size_t i = 0; i < bytes.size(); ++i)
        {
            bytes[i] = static_cast<std::uint8_t>(Initial(static_cast<std::uint32_t>(i)));
        }
        ASSERT_TRUE(m_form->GetImage().WriteBlock(bytes.data(), 0, 8192));
        m_ui.Clear();
    }

    void PutByte(std::uint32_t address, std::uint8_t byte)
    {
        ASSERT_TRUE(m_form->GetImage().WriteBlock(&byte, address, 1));
    }

    void Address(const char* text) { m_form->AddressBox()->Edit()->setText(text); }
    std::string AddressShown() { return m_form->AddressBox()->Edit()->text().toStdString(); }
    std::string HexShown() { return m_form->HexBox()->text().toStdString(); }

    // As the user types into the hex box or picks in a bit list.
    void TypeHex(const char* text)
    {
        m_form->HexBox()->setText(text);
        emit m_form->HexBox()->textEdited(text);
    }
    void ChooseBit(int bit, int value)
    {
        COptionList* list = m_form->Bits()->BitList(bit);
        list->setCurrentIndex(value);
        emit list->activated(value);
    }

    CManualView* m_form = nullptr;
};

TEST_F(ManualViewTest, OpensAtAddressZeroWithNothingShown)
{
    EXPECT_EQ(AddressShown(), "0");
    EXPECT_EQ(HexShown(), "");
    EXPECT_EQ(BitsShown(m_form->Bits()), "--------");
    EXPECT_EQ(m_form->AddressBox()->Edit()->maxLength(), 4);
    EXPECT_EQ(m_form->HexBox()->maxLength(), 2);
    EXPECT_EQ(m_form->Bits()->CaptionText(),
              "   7      6      5      4      3      2      1      0");

    const CRadioImage before = m_form->GetImage();
    m_form->OkButton()->click();
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{"Hex Data Error ! "});
    EXPECT_EQ(std::memcmp(m_form->GetImage().WorkBlock().image, before.WorkBlock().image, 8192), 0);
}

TEST_F(ManualViewTest, DecisionShowsTheByteAtTheAddress)
{
    PutByte(0x0123, 0x0A);
    PutByte(0x1FFF, 0xFF);
    PutByte(0x0000, 0x00);
    const struct
    {
        const char* address;
        const char* hex;
        const char* bits;
    } cases[] = {
        {"123", "a", "00001010"},   {"0123", "a", "00001010"}, {"1FFF", "ff", "11111111"},
        {"1fff", "ff", "11111111"}, {"0", "0", "00000000"},    {"80", "83", "10000011"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.address);
        Address(c.address);
        m_form->DecisionButton()->click();
        EXPECT_EQ(HexShown(), c.hex);
        EXPECT_EQ(BitsShown(m_form->Bits()), c.bits);
    }
    EXPECT_TRUE(m_ui.m_records.empty());
}

TEST_F(ManualViewTest, DecisionAndCancelRefuseAnAddressThatIsNotOneOfTheImage)
{
    for (const char* address : {"1g", "", "2000", "ffff", " 1", "-1", "x"})
    {
        for (QPushButton* button : {m_form->DecisionButton(), m_form->CancelButton()})
        {
            SCOPED_TRACE(testing::Message()
                         << '"' << address << "\" " << button->text().toStdString());
            m_ui.Clear();
            Address("10");
            m_form->DecisionButton()->click();
            Address(address);
            button->click();
            EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{"Hex Address Error ! "});
            // The byte of address 10 stays on show.
            EXPECT_EQ(HexShown(), "73");
        }
    }
}

TEST_F(ManualViewTest, OkWritesTheHexBoxAndMovesOn)
{
    const struct
    {
        const char* address;
        const char* hex;
        std::uint32_t written; // address written, or none
        std::uint8_t value;
        const char* next;    // address shown afterwards
        const char* message; // the one message shown, or none
    } cases[] = {
        {"10", "5a", 0x10, 0x5A, "11", nullptr},
        {"0", "F", 0x00, 0x0F, "1", nullptr},
        {"1ffe", "00", 0x1FFE, 0x00, "1fff", nullptr},
        {"1fff", "3c", 0x1FFF, 0x3C, "1fff", nullptr},
        {"10", "zz", 0, 0, "10", "Hex Data Error ! "},
        {"10", "", 0, 0, "10", "Hex Data Error ! "},
        {"2000", "12", 0, 0, "2000", " Set Address Error "},
        // Only what was typed is an address: "1g" is not address 1.
        {"1g", "12", 0, 0, "1g", "Hex Address Error ! "},
        {"", "12", 0, 0, "", "Hex Address Error ! "},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.address << " <- " << c.hex);
        m_ui.Clear();
        const CRadioImage before = m_form->GetImage();
        Address(c.address);
        TypeHex(c.hex);
        m_form->OkButton()->click();
        EXPECT_EQ(AddressShown(), c.next);
        CRadioImage expected = before;
        if (c.message == nullptr)
        {
            ASSERT_TRUE(expected.WriteBlock(&c.value, c.written, 1));
            EXPECT_TRUE(m_ui.m_records.empty());
            // The byte at the new address is on show.
            std::uint32_t shown = 0;
            ASSERT_TRUE(ReadHex(c.next, shown));
            EXPECT_EQ(HexShown(), Hex(Byte(expected, shown)));
        }
        else
        {
            EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{c.message});
        }
        EXPECT_EQ(
            std::memcmp(m_form->GetImage().WorkBlock().image, expected.WorkBlock().image, 8192), 0);
    }
}

TEST_F(ManualViewTest, TheLastEntryChangedIsTheOneWritten)
{
    const struct
    {
        const char* name;
        bool hexFirst; // typed hex, then flipped a bit; or the other way round
        std::uint8_t expected;
    } cases[] = {
        {"bit last", true, 0xFE},  // ff with bit 0 cleared
        {"hex last", false, 0x42}, // the typed byte
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        PutByte(0x40, 0xFF);
        Address("40");
        m_form->DecisionButton()->click();
        if (c.hexFirst)
        {
            TypeHex("42");
            ChooseBit(0, 0);
            EXPECT_EQ(m_form->GetEditMode(), CManualView::kEditBits);
        }
        else
        {
            ChooseBit(0, 0);
            TypeHex("42");
            EXPECT_EQ(m_form->GetEditMode(), CManualView::kEditHex);
        }
        m_form->OkButton()->click();
        EXPECT_EQ(Byte(m_form->GetImage(), 0x40), c.expected);
        EXPECT_EQ(AddressShown(), "41");
        EXPECT_EQ(HexShown(), Hex(Initial(0x41)));
        EXPECT_EQ(m_form->GetEditMode(), CManualView::kEditNone);
    }
}

TEST_F(ManualViewTest, BitsNotYetShownAreNotWritten)
{
    Address("20");
    ChooseBit(3, 1); // seven lists still empty
    m_form->OkButton()->click();
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{"Hex Data Error ! "});
    EXPECT_EQ(Byte(m_form->GetImage(), 0x20), Initial(0x20));
    EXPECT_EQ(AddressShown(), "20");
}

TEST_F(ManualViewTest, TheSpinMovesWithinTheImageAndShowsTheByteThere)
{
    const struct
    {
        const char* from;
        bool up;
        const char* to;
    } cases[] = {
        {"10", true, "11"}, {"10", false, "f"},     {"1fff", true, "1fff"},
        {"0", false, "0"},  {"1ffe", true, "1fff"}, {"1g", true, "2"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.from << (c.up ? " up" : " down"));
        Address(c.from);
        CSpinButton* spin = m_form->AddressBox()->Spin();
        (c.up ? spin->UpArrow() : spin->DownArrow())->click();
        EXPECT_EQ(AddressShown(), c.to);
        std::uint32_t address = 0;
        ASSERT_TRUE(ReadHex(c.to, address));
        EXPECT_EQ(HexShown(), Hex(Initial(address)));
    }
    // A bit flipped after stepping changes only that bit of the new byte.
    Address("30");
    m_form->DecisionButton()->click();
    m_form->AddressBox()->Spin()->UpArrow()->click();
    ChooseBit(7, 1 - ((Initial(0x31) >> 7) & 1));
    m_form->OkButton()->click();
    EXPECT_EQ(Byte(m_form->GetImage(), 0x31), Initial(0x31) ^ 0x80);
    EXPECT_EQ(Byte(m_form->GetImage(), 0x30), Initial(0x30));
    EXPECT_TRUE(m_ui.m_records.empty());
}

TEST_F(ManualViewTest, LeavingTheFormKeepsItsChanges)
{
    Address("1234");
    TypeHex("c3");
    m_form->OkButton()->click();
    ASSERT_TRUE(LeaveForm());
    EXPECT_EQ(Byte(m_shared, 0x1234), 0xC3);
    EXPECT_EQ(Byte(m_shared, 0x1235), Initial(0x1235));
}
