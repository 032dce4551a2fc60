// "Comport.ini": the port choice read at start-up, written back at exit, and
// carried across runs of the program.

// own
#include "AppFixture.h"

// views
#include "views/ComportDlg.h"

// Qt
#include <QRadioButton>

using ComportIniTest = AppFixture;

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
        {"[appcomport]\nvalue = 1\n", 1, "1"}, // names compare without case
        {"[Other]\nValue=1\n", 0, "0"},        // the key of another section
        {"[AppComport]\nValue=abc\n", 0, "0"},
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
        const std::string text = ReadText(Path("Comport.ini"));
        if (!c.content)
        {
            EXPECT_EQ(text, std::string("[AppComport]\nValue=") + c.written + "\n");
        }
        else
        {
            EXPECT_NE(text.find(std::string("alue=") + c.written + "\n"), std::string::npos)
                << text;
        }
        m_app.reset();
    }
}

TEST_F(ComportIniTest, ExitKeepsTheRestOfTheFile)
{
    WriteText(Path("Comport.ini"),
              "[Devices]\r\nCOM1=/dev/ttyUSB0\r\n\r\n[AppComport]\r\nValue=5\r\n");
    Start();
    m_app->m_nComPort = 0;
    m_app->ExitInstance();
    EXPECT_EQ(ReadText(Path("Comport.ini")),
              "[Devices]\r\nCOM1=/dev/ttyUSB0\r\n\r\n[AppComport]\r\nValue=0\r\n");
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
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath("Comport.ini"))) << "written only at exit";
    m_app->ExitInstance();
    EXPECT_EQ(ReadText(Path("Comport.ini")), "[AppComport]\nValue=1\n");

    // The next start picks it up.
    m_app.reset();
    Start();
    EXPECT_EQ(m_app->m_nComPort, 1);
}

TEST_F(ComportIniTest, TheFileStaysInTheStartUpDirectory)
{
    Start();
    QTemporaryDir other;
    ASSERT_TRUE(QDir::setCurrent(other.path())); // as File > Directory would
    m_app->m_nComPort = 1;
    m_app->ExitInstance();
    EXPECT_TRUE(QFileInfo::exists(m_dir.filePath("Comport.ini")));
    EXPECT_FALSE(QFileInfo::exists(QDir(other.path()).filePath("Comport.ini")));
}

TEST_F(ComportIniTest, AnIniPathThatCannotBeWrittenIsIgnoredAtExit)
{
    Start();
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("Comport.ini")); // a folder in its place
    m_app->m_nComPort = 1;
    EXPECT_EQ(m_app->ExitInstance(), 0);
    EXPECT_TRUE(m_ui.m_records.empty());
}
