// The profile file ("Comport.ini") and the port names it maps.

// link
#include "link/PortMap.h"
#include "link/ProfileFile.h"

// std
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace
{
class ProfileFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/vesk4-ini-XXXXXX";
        const int fd = ::mkstemp(pattern);
        ASSERT_GE(fd, 0);
        ::close(fd);
        m_strPath = pattern;
    }
    void TearDown() override { ::unlink(m_strPath.c_str()); }

    void Put(const std::string& text) { std::ofstream(m_strPath, std::ios::binary) << text; }
    std::string Get()
    {
        std::ifstream in(m_strPath, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string m_strPath;
};

TEST_F(ProfileFileTest, ReadsIntegersTheWayTheOriginalFormatDoes)
{
    Put("[AppComport]\nValue=1\nNeg = -7\nJunk=12abc\nNone=abc\n[Other]\nValue=5\n");
    const CProfileFile ini(m_strPath);
    const struct
    {
        const char* section;
        const char* key;
        int expected;
    } cases[] = {
        {"AppComport", "Value", 1}, {"appcomport", "VALUE", 1}, {"AppComport", "Neg", -7},
        {"AppComport", "Junk", 12}, {"AppComport", "None", 0},  {"AppComport", "Missing", -1},
        {"Other", "Value", 5},      {"Nowhere", "Value", -1},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ini.ReadInt(c.section, c.key, -1), c.expected) << c.section << "/" << c.key;
    }
    EXPECT_EQ(CProfileFile("/nonexistent/Comport.ini").ReadInt("AppComport", "Value", -1), -1);
}

TEST_F(ProfileFileTest, WritingKeepsEveryOtherLine)
{
    Put("; settings\n[Devices]\nCOM1=/dev/ttyUSB0\n\n[AppComport]\nValue=0\n");
    CProfileFile ini(m_strPath);
    ASSERT_TRUE(ini.WriteString("AppComport", "Value", "1"));
    EXPECT_EQ(Get(), "; settings\n[Devices]\nCOM1=/dev/ttyUSB0\n\n[AppComport]\nValue=1\n");
    ASSERT_TRUE(ini.WriteString("Devices", "COM2", "/dev/ttyUSB1"));
    EXPECT_EQ(Get(), "; settings\n[Devices]\nCOM1=/dev/ttyUSB0\nCOM2=/dev/ttyUSB1\n\n"
                     "[AppComport]\nValue=1\n");
    ASSERT_TRUE(ini.WriteString("New", "Key", "x"));
    EXPECT_EQ(ini.ReadString("New", "Key", ""), "x");
    EXPECT_EQ(ini.ReadString("Devices", "COM1", ""), "/dev/ttyUSB0");
}

TEST_F(ProfileFileTest, WritingAMissingFileCreatesItAndKeepsWindowsLineEnds)
{
    ::unlink(m_strPath.c_str());
    CProfileFile ini(m_strPath);
    ASSERT_TRUE(ini.WriteString("AppComport", "Value", "1"));
    EXPECT_EQ(Get(), "[AppComport]\nValue=1\n");

    Put("[AppComport]\r\nValue=0\r\n");
    ASSERT_TRUE(ini.WriteString("AppComport", "Value", "1"));
    EXPECT_EQ(Get(), "[AppComport]\r\nValue=1\r\n");
    EXPECT_FALSE(CProfileFile("/nonexistent/dir/Comport.ini").WriteString("A", "B", "C"));
}

TEST_F(ProfileFileTest, PortMapTakesItsDevicesFromTheDevicesSection)
{
    Put("[Devices]\nCOM1=/dev/ttyUSB0\nCOM3=\n");
    CPortMap map;
    map.Load(CProfileFile(m_strPath));
    EXPECT_EQ(map.DevicePath(1), "/dev/ttyUSB0");
    EXPECT_EQ(map.DevicePath(2), "/dev/ttyS1");
    EXPECT_EQ(map.DevicePath(3), "/dev/ttyS2"); // an empty entry keeps the default
    EXPECT_EQ(map.DevicePath(5), "");

    const struct
    {
        const char* name;
        bool ok;
        const char* device;
    } cases[] = {
        {"COM1", true, "/dev/ttyUSB0"},
        {"com4", true, "/dev/ttyS3"},
        {"/dev/pts/7", true, "/dev/pts/7"},
        {"COM5", false, ""},
        {"COM", false, ""},
        {"ttyS0", false, ""},
    };
    for (const auto& c : cases)
    {
        std::string device;
        EXPECT_EQ(map.Resolve(c.name, device), c.ok) << c.name;
        if (c.ok)
        {
            EXPECT_EQ(device, c.device) << c.name;
        }
    }
}
} // namespace
