// The RAM read and RAM write dialogs: every check with its message, the spin
// rules and the data fields the count allows; and the port dialog.

// ui
#include "ui/FakeUiServices.h"

// link
#include "link/LinkTexts.h"

// views
#include "views/ComportDlg.h"
#include "views/RamReadDlg.h"
#include "views/RamWriteDlg.h"
#include "ui/SpinButton.h"
#include "views/ViewTexts.h"

// Qt
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

// std
#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(RamReadDlgTest, ChecksAddressAndCountWithTheirMessages)
{
    const std::string setByte = kSetByteErrorText;
    const std::string setAddress = kSetAddressErrorText;
    const struct
    {
        const char* address;
        const char* count;
        std::vector<std::string> messages; // empty: accepted
        int resultAddress;
        int resultCount;
    } cases[] = {
        {"FFFF", "1", {}, 0xFFFF, 1},
        {"FFFF", "2", {setByte}, 0, 0},
        {"0", "9", {setByte}, 0, 0},
        {"0", "0", {}, 0, 0},
        {"0", "-1", {setByte}, 0, 0},
        {"12G", "8", {}, 0x12, 8},
        {"0x1f", "1", {}, 0x1F, 1},
        {"xyz", "1", {}, 0, 1}, // no hexadecimal digit reads as 0
        {"10000", "1", {setAddress}, 0, 0},
        {"-1", "1", {setAddress}, 0, 0},
        {"FFFF", "9", {setByte, setByte}, 0, 0}, // both checks speak
        {"0", "abc", {ViewText::kEnterInteger}, 0, 0},
        {"0", "", {ViewText::kEnterInteger}, 0, 0},
        {"0", "3x", {ViewText::kEnterInteger}, 0, 0},
        {"0", " 3 ", {}, 0, 3},
    };
    for (const auto& c : cases)
    {
        CFakeUiServices ui;
        CRamReadDlg dialog(ui, nullptr);
        EXPECT_EQ(dialog.windowTitle(), "RAMREAD");
        EXPECT_EQ(dialog.AddressEdit()->text(), "0");
        EXPECT_EQ(dialog.CountEdit()->text(), "1");
        dialog.AddressEdit()->setText(c.address);
        dialog.CountEdit()->setText(c.count);
        const bool closed = dialog.OnOK();
        EXPECT_EQ(ui.Texts(), c.messages) << c.address << " / " << c.count;
        EXPECT_EQ(closed, c.messages.empty()) << c.address << " / " << c.count;
        EXPECT_EQ(dialog.result(), closed ? QDialog::Accepted : QDialog::Rejected);
        if (closed)
        {
            EXPECT_EQ(dialog.m_nAddress, c.resultAddress) << c.address;
            EXPECT_EQ(dialog.m_nCount, c.resultCount) << c.count;
        }
        // The entries stay as typed.
        EXPECT_EQ(dialog.AddressEdit()->text(), c.address);
    }
}

TEST(RamReadDlgTest, SpinStepsTheAddressInsideItsRange)
{
    const struct
    {
        const char* text;
        bool up;
        const char* expected;
    } cases[] = {{"0", true, "1"},       {"0", false, "0"},       {"ffff", true, "ffff"},
                 {"FFFE", true, "ffff"}, {"12G", true, "13"},     {"100", false, "ff"},
                 {"-5", true, "0"},      {"20000", false, "ffff"}};
    for (const auto& c : cases)
    {
        CFakeUiServices ui;
        CRamReadDlg dialog(ui, nullptr);
        dialog.AddressEdit()->setText(c.text);
        (c.up ? dialog.AddressSpin()->UpArrow() : dialog.AddressSpin()->DownArrow())->click();
        EXPECT_EQ(dialog.AddressEdit()->text(), c.expected) << c.text << (c.up ? " up" : " down");
    }
}

TEST(RamWriteDlgTest, ChecksAddressAndDataWithTheirMessages)
{
    const std::string address = kHexAddressErrorText;
    const std::string data = kHexDataErrorText;
    const struct
    {
        const char* address;
        int countIndex; // selected before the address is typed
        std::vector<const char*> bytes;
        std::vector<std::string> messages;
        std::vector<std::uint8_t> written;
    } cases[] = {
        {"0", 0, {"1"}, {address}, {}},
        {"3F", 0, {"1"}, {address}, {}},
        {"40", 0, {"7"}, {}, {0x07}},
        {"", 0, {"1"}, {address}, {}},
        {"4G", 0, {"1"}, {address}, {}},
        {"0x40", 0, {"1"}, {address}, {}},
        {"440", 0, {"1"}, {address}, {}},
        {"43F", 0, {"aB"}, {}, {0xAB}},
        {"43F", 1, {"1", "2"}, {address}, {}},
        {"438", 7, {"0", "1", "2", "3", "4", "5", "6", "ff"}, {}, {0, 1, 2, 3, 4, 5, 6, 0xFF}},
        {"100", 1, {"12", ""}, {data}, {}},
        {"100", 1, {"G1", "2"}, {data}, {}},
        {"100", 2, {"1", "-1", "2"}, {data}, {}},
    };
    for (const auto& c : cases)
    {
        CFakeUiServices ui;
        CRamWriteDlg dialog(ui, nullptr);
        EXPECT_EQ(dialog.windowTitle(), "RAMWRITE");
        EXPECT_EQ(dialog.AddressEdit()->text(), "0");
        EXPECT_EQ(dialog.CountList()->count(), 8);
        EXPECT_EQ(dialog.CountList()->itemText(7), "8");
        dialog.CountList()->setCurrentIndex(c.countIndex);
        dialog.EnableDataFields();
        dialog.AddressEdit()->setText(c.address);
        for (std::size_t i = 0; i < c.bytes.size(); ++i)
        {
            dialog.DataEdit(static_cast<int>(i))->setText(c.bytes[i]);
        }
        const bool closed = dialog.OnOK();
        EXPECT_EQ(ui.Texts(), c.messages) << c.address;
        EXPECT_EQ(closed, c.messages.empty()) << c.address;
        if (closed)
        {
            EXPECT_EQ(dialog.m_nAddress, std::stoul(c.address, nullptr, 16));
            ASSERT_EQ(dialog.m_nCount, c.written.size());
            EXPECT_EQ(std::vector<std::uint8_t>(dialog.m_data.begin(),
                                                dialog.m_data.begin() + dialog.m_nCount),
                      c.written);
        }
    }
}

TEST(RamWriteDlgTest, CountNearTheTopIsLoweredAndOnlyItsFieldsAreEnabled)
{
    const struct
    {
        const char* address;
        int selected; // index
        int expected; // index after the change
    } cases[] = {{"43C", 7, 3}, {"43F", 7, 0}, {"439", 7, 6}, {"438", 7, 7},
                 {"43C", 2, 2}, {"40", 5, 5},  {"500", 7, 7}};
    for (const auto& c : cases)
    {
        CFakeUiServices ui;
        CRamWriteDlg dialog(ui, nullptr);
        dialog.AddressEdit()->setText(c.address);
        dialog.CountList()->setCurrentIndex(c.selected);
        emit dialog.CountList()->activated(c.selected);
        EXPECT_EQ(dialog.CountList()->currentIndex(), c.expected) << c.address;
        for (int i = 0; i < 8; ++i)
        {
            EXPECT_EQ(dialog.DataEdit(i)->isEnabled(), i <= c.expected) << c.address << " " << i;
            EXPECT_EQ(dialog.DataEdit(i)->maxLength(), 2);
        }
    }
    // A fresh dialog: count 1, only the first field.
    CFakeUiServices ui;
    CRamWriteDlg dialog(ui, nullptr);
    EXPECT_TRUE(dialog.DataEdit(0)->isEnabled());
    EXPECT_FALSE(dialog.DataEdit(1)->isEnabled());

    // At 43C with 8 selected, OK writes 4 bytes.
    dialog.AddressEdit()->setText("43C");
    dialog.CountList()->setCurrentIndex(7);
    emit dialog.CountList()->activated(7);
    for (int i = 0; i < 4; ++i)
    {
        dialog.DataEdit(i)->setText(QString::number(i + 1));
    }
    ASSERT_TRUE(dialog.OnOK());
    EXPECT_EQ(dialog.m_nAddress, 0x43Cu);
    EXPECT_EQ(dialog.m_nCount, 4u);
}

TEST(RamWriteDlgTest, SpinStopsAt40And43F)
{
    const struct
    {
        const char* text;
        bool up;
        const char* expected;
    } cases[] = {{"0", true, "40"},     {"40", false, "40"},  {"43f", true, "43f"},
                 {"43E", true, "43f"},  {"100", true, "101"}, {"100", false, "ff"},
                 {"FFFF", false, "43f"}};
    for (const auto& c : cases)
    {
        CFakeUiServices ui;
        CRamWriteDlg dialog(ui, nullptr);
        dialog.AddressEdit()->setText(c.text);
        (c.up ? dialog.AddressSpin()->UpArrow() : dialog.AddressSpin()->DownArrow())->click();
        EXPECT_EQ(dialog.AddressEdit()->text(), c.expected) << c.text << (c.up ? " up" : " down");
    }
}

TEST(ComportDlgTest, TheChoiceIsTakenFromTheApplicationWhenTheDialogOpens)
{
    CComportDlg dialog(1, nullptr);
    EXPECT_EQ(dialog.m_nPort, -1);
    dialog.show();
    EXPECT_EQ(dialog.m_nPort, 1);
    dialog.reject(); // closing the window cancels
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}
