// "Comport.ini": the port choice read at start-up, written back at exit, and
// carried across runs of the program.

// own
#include "AppFixture.h"

// views
#include "views/ComportDlg.h"
#include "views/ConnectView.h"

// Qt
#include <QComboBox>
#include <QLabel>
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
        EXPECT_EQ(m_app->GetComPort(), c.port);
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

// Written at exit only, and into the directory the program started in even
// after File > Directory moved the current one; the next start picks it up.
TEST_F(ComportIniTest, ThePortChosenInComportSetIsWrittenAtExitWhereTheProgramStarted)
{
    Start();
    QTemporaryDir other;
    ASSERT_TRUE(QDir::setCurrent(other.path()));
    ChooseCom2();
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath("Comport.ini"))) << "written only at exit";
    m_app->ExitInstance();
    EXPECT_EQ(ReadText(Path("Comport.ini")), "[AppComport]\nValue=1\n");
    EXPECT_FALSE(QFileInfo::exists(QDir(other.path()).filePath("Comport.ini")));
    m_app.reset();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
    Start();
    EXPECT_EQ(m_app->GetComPort(), 1);
}

TEST_F(ComportIniTest, AnIniPathThatCannotBeWrittenIsIgnoredAtExit)
{
    Start();
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("Comport.ini")); // a folder in its place
    ChooseCom2();
    m_ui.Clear();
    EXPECT_EQ(m_app->ExitInstance(), 0);
    EXPECT_TRUE(m_ui.m_records.empty());
}

// Section "Devices" names the device behind each port; a device chosen in
// Comport set is kept there at once, as the path chosen (a by-id link stays
// the link), and the form moves to the port chosen.
TEST_F(ComportIniTest, TheFormOpensThePortsDeviceAndADeviceChosenIsKeptByItsLink)
{
    WriteText(Path("Comport.ini"), "[Devices]\nCOM1=" + Path("first-tty") + "\n");
    Start();
    Frame().SwitchView(VIEW_CONNECT);
    auto* form = dynamic_cast<CConnectView*>(m_app->GetView(VIEW_CONNECT));
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->PortStatus()->text().startsWith(
        QString::fromStdString("COM1: " + Path("first-tty") + ": not open")))
        << form->PortStatus()->text().toStdString();

    const std::string link = Path("usb-Test_Cable_T1-if00-port0");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), QString::fromStdString(link)));
    m_ui.m_dialogScripts.push_back(
        [&](QDialog& dialog)
        {
            auto& port = dynamic_cast<CComportDlg&>(dialog);
            port.Comport2()->setChecked(true);
            port.Device2()->addItem(QStringLiteral("cable"), QString::fromStdString(link));
            port.Device2()->setCurrentIndex(port.Device2()->count() - 1);
            port.OnOK();
            return dialog.result();
        });
    Frame().GetCommand(ID_COMPORT_SET)->trigger();
    EXPECT_EQ(m_app->GetPortMap().DevicePath(2), link);
    EXPECT_EQ(m_app->GetPortMap().DevicePath(1), Path("first-tty")) << "COM1 left as it was";
    EXPECT_EQ(ReadText(Path("Comport.ini")),
              "[Devices]\nCOM1=" + Path("first-tty") + "\nCOM2=" + link + "\n");
    EXPECT_EQ(form->PortNumber(), 2);
    // The link's device, which is no serial device.
    EXPECT_TRUE(form->PortStatus()->text().startsWith("COM2: /dev/null: not open"))
        << form->PortStatus()->text().toStdString();
}
