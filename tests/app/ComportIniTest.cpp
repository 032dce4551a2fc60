// "Comport.ini": the profile-file reading and writing, and the port choice kept
// across runs of the program.

// own
#include "AppFixture.h"

// app
#include "app/ComportIni.h"

// views
#include "views/ComportDlg.h"

// Qt
#include <QRadioButton>

using ComportIniTest = AppFixture;

TEST_F(ComportIniTest, ReadsTheValueTheWayAProfileFileIsRead)
{
    const struct
    {
        const char* content;
        int expected;
    } cases[] = {
        {"[AppComport]\r\nValue=1\r\n", 1},
        {"[AppComport]\nValue=5\n", 5},
        {"[AppComport]\nValue=-1\n", -1},
        {"[appcomport]\n  value =  0  \n", 0},
        {"[Other]\nValue=1\n[AppComport]\nValue=0\n", 0},
        {"[Other]\nValue=1\n", -7},          // key only in another section
        {"[AppComport]\nValue=\n", -7},      // empty value: the default
        {"[AppComport]\nValue=abc\n", 0},    // no digits: zero
        {"[AppComport]\nValue=12xyz\n", 12}, // stops at the first non-digit
        {"[AppComport]\nValue=0x10\n", 16},
        {"", -7},
    };
    for (const auto& c : cases)
    {
        WriteText(Path("Comport.ini"), c.content);
        EXPECT_EQ(CComportIni::ReadValue(Path("Comport.ini"), -7), c.expected) << c.content;
    }
    EXPECT_EQ(CComportIni::ReadValue(Path("missing.ini"), -7), -7);
}

TEST_F(ComportIniTest, WritingKeepsTheRestOfTheFile)
{
    WriteText(Path("Comport.ini"),
              "[Devices]\nCOM1=/dev/ttyUSB0\n\n[AppComport]\nValue=0\nOther=x\n");
    ASSERT_TRUE(CComportIni::WriteValue(Path("Comport.ini"), "1"));
    EXPECT_EQ(ReadText(Path("Comport.ini")),
              "[Devices]\r\nCOM1=/dev/ttyUSB0\r\n\r\n[AppComport]\r\nValue=1\r\nOther=x\r\n");

    // A section without the key gets it; a file without the section gets both.
    WriteText(Path("Comport.ini"), "[AppComport]\nOther=x\n\n[Devices]\nCOM2=/dev/ttyS9\n");
    ASSERT_TRUE(CComportIni::WriteValue(Path("Comport.ini"), "0"));
    EXPECT_EQ(ReadText(Path("Comport.ini")),
              "[AppComport]\r\nOther=x\r\nValue=0\r\n\r\n[Devices]\r\nCOM2=/dev/ttyS9\r\n");
    WriteText(Path("Comport.ini"), "[Devices]\nCOM1=/dev/ttyUSB0\n");
    ASSERT_TRUE(CComportIni::WriteValue(Path("Comport.ini"), "1"));
    EXPECT_EQ(CComportIni::ReadValue(Path("Comport.ini"), -1), 1);
    EXPECT_NE(ReadText(Path("Comport.ini")).find("COM1=/dev/ttyUSB0"), std::string::npos);

    EXPECT_FALSE(CComportIni::WriteValue(Path("no/such/dir/Comport.ini"), "1"));
}

TEST_F(ComportIniTest, StartUpReadsThePortAndExitWritesItBack)
{
    const struct
    {
        const char* content; // nullptr: no file
        int port;
        const char* written;
    } cases[] = {
        {nullptr, 0, "0"},
        {"[AppComport]\nValue=0\n", 0, "0"},
        {"[AppComport]\nValue=1\n", 1, "1"},
        {"[AppComport]\nValue=5\n", 1, "1"},
        {"[AppComport]\nValue=-1\n", 0, "0"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.content ? c.content : "no file");
        QFile::remove(m_dir.filePath("Comport.ini"));
        if (c.content)
        {
            WriteText(Path("Comport.ini"), c.content);
        }
        Start();
        EXPECT_EQ(m_app->m_nComPort, c.port);
        m_app->ExitInstance();
        EXPECT_EQ(ReadText(Path("Comport.ini")),
                  std::string("[AppComport]\r\nValue=") + c.written + "\r\n");
        m_app.reset();
    }
}

TEST_F(ComportIniTest, ThePortChosenInComportSetIsWrittenAtExit)
{
    Start();
    m_ui.m_dialogScripts.push_back(
        [](QDialog& dialog)
        {
            auto& port = dynamic_cast<CComportDlg&>(dialog);
            port.Comport2()->setChecked(true);
            port.OnOK();
            return dialog.result();
        });
    Frame().OnComportSet();
    m_app->ExitInstance();
    EXPECT_EQ(CComportIni::ReadValue(Path("Comport.ini"), -1), 1);

    // The next start picks it up.
    m_app.reset();
    Start();
    EXPECT_EQ(m_app->m_nComPort, 1);
}

TEST_F(ComportIniTest, AnIniPathThatCannotBeWrittenIsIgnoredAtExit)
{
    Start();
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("Comport.ini")); // a folder in its place
    m_app->m_nComPort = 1;
    EXPECT_EQ(m_app->ExitInstance(), 0);
    EXPECT_TRUE(m_ui.m_records.empty());
}
