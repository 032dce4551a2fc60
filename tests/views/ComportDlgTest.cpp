// The port dialog.

// views
#include "views/ComportDlg.h"

// Qt
#include <QPushButton>
#include <QRadioButton>

// std
#include <gtest/gtest.h>

TEST(ComportDlgTest, OpensOnTheCurrentPortAndReturnsTheChoice)
{
    const struct
    {
        int current;
        bool pickSecond;
        int expected;
    } cases[] = {{0, false, 0}, {0, true, 1}, {1, false, 1}, {1, true, 1}};
    for (const auto& c : cases)
    {
        CComportDlg dialog(c.current, nullptr);
        EXPECT_EQ(dialog.m_nPort, -1);
        EXPECT_EQ(dialog.Comport1()->text(), "Comport1");
        EXPECT_EQ(dialog.Comport2()->text(), "Comport2");
        EXPECT_EQ(dialog.Comport2()->isChecked(), c.current == 1);
        EXPECT_EQ(dialog.Comport1()->isChecked(), c.current == 0);
        if (c.pickSecond)
        {
            dialog.Comport2()->setChecked(true);
        }
        dialog.OnOK();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.m_nPort, c.expected);
    }
    CComportDlg dialog(0, nullptr);
    const auto buttons = dialog.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1) << "OK only; closing the window cancels";
    EXPECT_EQ(buttons.front()->text(), "OK");
}
