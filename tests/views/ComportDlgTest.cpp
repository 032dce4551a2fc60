// The port dialog.

// own
#include "FakeDeviceTree.h"
#include "FormTestSupport.h"
#include "TestFiles.h"

// views
#include "views/ComportDlg.h"

// Qt
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

// std
#include <gtest/gtest.h>
#include <tuple>

TEST(ComportDlgTest, OpensOnTheCurrentPortAndReturnsTheChoice)
{
    // Current port, whether COM2 is picked, the port returned.
    for (const auto& [current, pickSecond, expected] :
         {std::tuple{0, false, 0}, {0, true, 1}, {1, false, 1}, {1, true, 1}})
    {
        CComportDlg dialog(current, nullptr);
        EXPECT_EQ(dialog.m_nPort, -1);
        EXPECT_EQ(dialog.Comport2()->isChecked(), current == 1);
        EXPECT_EQ(dialog.Comport1()->isChecked(), current == 0);
        dialog.Comport2()->setChecked(pickSecond || dialog.Comport2()->isChecked());
        dialog.OnOK();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.m_nPort, expected);
    }
    CComportDlg dialog(0, nullptr);
    EXPECT_EQ(dialog.Comport1()->text() + dialog.Comport2()->text(), "Comport1Comport2");
    const auto buttons = dialog.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1) << "OK only; closing the window cancels";
    EXPECT_EQ(buttons.front()->text(), "OK");
}

TEST(ComportDlgTest, OffersTheDevicesPresentAndFollowsPluggingWhileOpen)
{
    // USB adapters and their by-id links cannot be plugged in here: a fake
    // device tree in a folder stands in for them.
    CScratchDir dir("comport");
    ASSERT_TRUE(dir.IsValid());
    CFakeDeviceTree tree(dir.Path());
    tree.AddUart("ttyS0", "4");
    tree.AddUart("ttyS1", "0");
    tree.AddUsb("ttyUSB0", "0403", "6001", "FTDI", "FT232R USB UART", "A1", "ftdi_sio",
                "usb-FTDI_FT232R_USB_UART_A1-if00-port0");
    const std::string ftdi = dir.Path("dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0");
    const std::string uart = dir.Path("dev/ttyS0");

    CComportDlg dialog(1, uart, dir.Path("dev/ttyS3"), nullptr, dir.Path());
    const auto items = [](QComboBox* box)
    { return Items(box).join(QLatin1Char('|')).toStdString(); };
    EXPECT_EQ(items(dialog.Device1()), "built-in serial port, " + uart +
                                           "|USB serial cable FT232R USB UART, " +
                                           dir.Path("dev/ttyUSB0"));
    EXPECT_EQ(dialog.Device1()->currentIndex(), 0);
    // A port that stands for a device not there keeps it on offer, marked.
    EXPECT_EQ(dialog.Device2()->currentText().toStdString(),
              dir.Path("dev/ttyS3") + " (not present)");

    dialog.Device2()->setCurrentIndex(dialog.Device2()->findData(QString::fromStdString(ftdi)));
    tree.AddUsb("ttyUSB1", "067b", "2303", "Prolific", "USB-Serial Controller", "", "pl2303", "");
    tree.Remove("ttyUSB0");
    dialog.RefreshDevices();
    EXPECT_EQ(items(dialog.Device1()), "built-in serial port, " + uart +
                                           "|USB serial cable USB-Serial Controller, " +
                                           dir.Path("dev/ttyUSB1"));
    EXPECT_EQ(dialog.Device2()->currentText().toStdString(), ftdi + " (not present)")
        << "the choice outlives the unplugging";

    dialog.Comport1()->setChecked(true);
    dialog.OnOK();
    EXPECT_EQ(dialog.m_nPort, 0);
    EXPECT_EQ(dialog.m_strDevice1, uart);
    EXPECT_EQ(dialog.m_strDevice2, ftdi) << "kept by its stable name, not the node";
}
