// The serial device list: what a device tree shows, what a path names, and a
// by-id name taken as the link. The USB attributes and by-id links are a
// fake tree in a folder (they cannot be made real here); the pseudo-terminal
// is real.

// own
#include "FakeDeviceTree.h"
#include "LinkTestSupport.h"
#include "TestFiles.h"

// link
#include "link/PortMap.h"
#include "link/SerialDevices.h"

// std
#include <array>
#include <filesystem>

namespace
{
class SerialDevicesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.IsValid());
        m_tree.AddUsb("ttyUSB0", "0403", "6001", "FTDI", "FT232R USB UART", "A1B2C3", "ftdi_sio",
                      "usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0");
        m_tree.AddUsb("ttyACM0", "2341", "0043", "Arduino", "", "", "cdc_acm", "");
        m_tree.AddUart("ttyS0", "4");
        for (const char* placeholder : {"ttyS1", "ttyS2", "ttyS3"})
        {
            m_tree.AddUart(placeholder, "0");
        }
        m_tree.AddVirtual("tty0");
    }

    std::string Dev(const std::string& rest) const { return m_dir.Path("dev/" + rest); }

    CScratchDir m_dir{"devices"};
    CFakeDeviceTree m_tree{m_dir.Path()};
    CSerialDevices m_devices{m_dir.Path()};
};
} // namespace

TEST_F(SerialDevicesTest, ListsAdaptersAndAnsweringUartsButNoPlaceholders)
{
    // Node, by-id name, "vendor:product manufacturer/product", serial, driver, label.
    const std::array<const char*, 6> expected[] = {
        {"ttyACM0", "", "2341:0043 Arduino/", "", "cdc_acm", "USB serial cable 2341:0043"},
        {"ttyS0", "", ": /", "", "serial8250", "built-in serial port"},
        {"ttyUSB0", "usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0", "0403:6001 FTDI/FT232R USB UART",
         "A1B2C3", "ftdi_sio", "USB serial cable FT232R USB UART"},
    };
    const std::vector<SerialDevice> devices = m_devices.Scan();
    ASSERT_EQ(devices.size(), std::size(expected));
    for (std::size_t i = 0; i < devices.size(); ++i)
    {
        const SerialDevice& d = devices[i];
        const auto& [node, byId, names, serial, driver, label] = expected[i];
        SCOPED_TRACE(node);
        EXPECT_EQ(d.m_strNode, Dev(node));
        EXPECT_EQ(d.m_strById, *byId ? Dev(std::string("serial/by-id/") + byId) : std::string());
        EXPECT_EQ(d.m_strByPath.empty(), !d.m_bUsb);
        EXPECT_EQ(d.m_strVendorId + ":" + d.m_strProductId + " " + d.m_strManufacturer + "/" +
                      d.m_strProduct,
                  names);
        EXPECT_EQ(d.m_strSerial, serial);
        EXPECT_EQ(d.m_strDriver, driver);
        EXPECT_EQ(CSerialDevices::Label(d), label);
    }
}

TEST_F(SerialDevicesTest, APathIsDescribedAndAByIdNameIsKeptAsTheLink)
{
    const std::string byId = Dev("serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0");
    const std::string byPath = Dev("serial/by-path/pci-0000:00:14.0-usb-0:1:1.0");
    CPtyPair pty;
    ASSERT_TRUE(pty.IsValid());
    const std::string ptyLink = m_dir.Path("radio-link");
    std::filesystem::create_symlink(pty.SlavePath(), ptyLink);
    const std::string cable = "USB serial cable FT232R USB UART";
    const struct
    {
        std::string path, node, stable, label; // node empty: not a device
    } cases[] = {
        {byId, Dev("ttyUSB0"), byId, cable},
        {Dev("ttyUSB0"), Dev("ttyUSB0"), byId, cable},
        {byPath, Dev("ttyUSB0"), byId, cable},
        {pty.SlavePath(), pty.SlavePath(), pty.SlavePath(), "pseudo-terminal"},
        {ptyLink, pty.SlavePath(), ptyLink, "pseudo-terminal"},
        {Dev("ttyUSB7"), "", "", ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.path);
        SerialDevice device;
        ASSERT_EQ(m_devices.Describe(c.path, device), !c.node.empty());
        if (!c.node.empty())
        {
            EXPECT_EQ(device.m_strNode, c.node);
            EXPECT_EQ(device.StablePath(), c.stable);
            EXPECT_EQ(CSerialDevices::Label(device), c.label);
        }
    }

    // --port and the port map take a bare by-id name as the path of the link.
    CPortMap map;
    std::string device;
    ASSERT_TRUE(map.Resolve("usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0", device, m_devices));
    EXPECT_EQ(device, byId);
    EXPECT_FALSE(map.Resolve("usb-nothing-like-it", device, m_devices));
    ASSERT_TRUE(map.Resolve(byId, device, m_devices));
    EXPECT_EQ(device, byId) << "a path stands as given, a link not replaced by its target";
}
