// The command line of the windowed program: what is answered before a window
// exists, what is refused, and a dump file named at start-up, which must be
// opened exactly as File Open opens it. Also where an installed program finds
// its help.

// own
#include "AppFixture.h"

// app
#include "app/HelpWindow.h"
#include "app/StartupOptions.h"

// std
#include <initializer_list>
#include <sys/stat.h>

namespace
{
std::vector<const char*> Argv(std::initializer_list<const char*> args)
{
    std::vector<const char*> argv{"vesk4"};
    argv.insert(argv.end(), args.begin(), args.end());
    return argv;
}
} // namespace

TEST(StartupOptions, HelpAndVersionAreFoundBeforeAnythingElse)
{
    using Request = CStartupOptions::Request;
    const struct
    {
        std::vector<const char*> argv;
        Request expected;
    } cases[] = {
        {Argv({}), Request::Window},
        {Argv({"radio.dmp"}), Request::Window},
        {Argv({"--demo", "radio.dmp"}), Request::Window},
        {Argv({"--help"}), Request::Help},
        {Argv({"-h"}), Request::Help},
        {Argv({"radio.dmp", "--help"}), Request::Help},
        {Argv({"--version"}), Request::Version},
        {Argv({"-platform", "offscreen", "--version"}), Request::Version},
        // After "--" they are file names.
        {Argv({"--", "--help"}), Request::Window},
        {Argv({"--", "--version"}), Request::Window},
        // Only the exact words count.
        {Argv({"--helpme"}), Request::Window},
        {Argv({"--versions"}), Request::Window},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.argv.size() > 1 ? c.argv.back() : "(none)");
        EXPECT_EQ(CStartupOptions::EarlyRequest(static_cast<int>(c.argv.size()), c.argv.data()),
                  c.expected);
    }
}

TEST(StartupOptions, ReadsDemoAndOneFileAndRefusesTheRest)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString oldDir = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const std::string here = QDir::currentPath().toStdString();
    const struct
    {
        std::vector<const char*> argv;
        bool ok;
        bool demo;
        std::string file;
        std::string error;
    } cases[] = {
        {Argv({}), true, false, "", ""},
        {Argv({"--demo"}), true, true, "", ""},
        {Argv({"radio.dmp"}), true, false, here + "/radio.dmp", ""},
        {Argv({"./radio.dmp"}), true, false, here + "/radio.dmp", ""},
        {Argv({"sub/radio.dmp", "--demo"}), true, true, here + "/sub/radio.dmp", ""},
        {Argv({"/abs/radio.dmp"}), true, false, "/abs/radio.dmp", ""},
        // ".." is kept: through a symbolic link it names another folder.
        {Argv({"link/../radio.dmp"}), true, false, here + "/link/../radio.dmp", ""},
        {Argv({"--", "-odd.dmp"}), true, false, here + "/-odd.dmp", ""},
        {Argv({"-"}), true, false, here + "/-", ""},
        {Argv({"--bogus"}), false, false, "",
         "vesk4: unknown option '--bogus'\nTry 'vesk4 --help'.\n"},
        {Argv({"-x", "radio.dmp"}), false, false, "",
         "vesk4: unknown option '-x'\nTry 'vesk4 --help'.\n"},
        {Argv({"a.dmp", "b.dmp"}), false, false, "",
         "vesk4: 'b.dmp': only one dump file can be opened\nTry 'vesk4 --help'.\n"},
        {Argv({""}), false, false, "",
         "vesk4: an empty file name was given\nTry 'vesk4 --help'.\n"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.argv.size() > 1 ? c.argv[1] : "(none)");
        CStartupOptions options;
        std::string error;
        EXPECT_EQ(options.Parse(static_cast<int>(c.argv.size()), c.argv.data(), error), c.ok);
        EXPECT_EQ(error, c.error);
        if (c.ok)
        {
            EXPECT_EQ(options.m_bDemo, c.demo);
            EXPECT_EQ(options.m_strFile, c.file);
        }
    }
    QDir::setCurrent(oldDir);
}

using StartupFileTest = AppFixture;

TEST_F(StartupFileTest, AFileNamedAtStartUpShowsItsModelAsFileOpenWould)
{
    Start();
    ChooseModel(5);
    m_ui.m_files.push_back(Path("radio.dmp"));
    Frame().GetCommand(ID_FILE_SAVE)->trigger();
    ASSERT_EQ(ReadFile(Path("radio.dmp")).size(), 8208u);
    m_app.reset();

    // A fresh start with the file on the command line, relative to the
    // folder the program starts in.
    const std::vector<const char*> argv = Argv({"radio.dmp"});
    CStartupOptions options;
    std::string error;
    ASSERT_TRUE(options.Parse(static_cast<int>(argv.size()), argv.data(), error));
    Start();
    ASSERT_EQ(ModelForm()->ModelList()->currentIndex(), -1);
    EXPECT_TRUE(Frame().OpenDumpFile(options.m_strFile));
    EXPECT_EQ(ModelForm()->ModelList()->currentIndex(), 5);
    EXPECT_EQ(Frame().windowTitle().toStdString(), Path("radio.dmp"));
    EXPECT_EQ(Frame().GetFilePath(), Path("radio.dmp"));
    EXPECT_TRUE(m_ui.Texts().empty());
}

TEST_F(StartupFileTest, AFileThatCannotBeReadGetsTheMessageOfFileOpen)
{
    WriteText(Path("short.dmp"), "far too short");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder.dmp"));
    ASSERT_EQ(::mkfifo(Path("pipe.dmp").c_str(), 0600), 0);
    for (const char* name : {"short.dmp", "absent.dmp", "folder.dmp", "pipe.dmp"})
    {
        SCOPED_TRACE(name);
        Start();
        m_ui.Clear();
        m_ui.m_files.push_back(Path(name));
        Frame().GetCommand(ID_FILE_OPEN)->trigger();
        const std::vector<std::string> byMenu = m_ui.Texts();
        m_app.reset();

        const std::vector<const char*> argv = Argv({name});
        CStartupOptions options;
        std::string error;
        ASSERT_TRUE(options.Parse(static_cast<int>(argv.size()), argv.data(), error));
        Start();
        m_ui.Clear();
        EXPECT_FALSE(Frame().OpenDumpFile(options.m_strFile));
        ASSERT_EQ(byMenu.size(), 1u);
        EXPECT_EQ(m_ui.Texts(), byMenu);
        EXPECT_EQ(ModelForm()->ModelList()->currentIndex(), -1);
        EXPECT_EQ(Frame().GetFilePath(), "");
        m_app.reset();
    }
}

TEST(HelpLookup, StartFolderThenProgramFolderThenInstalledDataFolder)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const std::string top = root.path().toStdString();
    const std::string start = top + "/work";
    const std::string bin = top + "/usr/bin";
    const std::string data = top + "/usr/share/vesk4";
    for (const std::string& dir : {start, bin, data})
    {
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(dir)));
    }
    const auto put = [](const std::string& dir, bool present)
    {
        const QString path = QString::fromStdString(dir + "/Vesk4.hlp");
        if (present)
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        else
        {
            QFile::remove(path);
        }
    };
    const struct
    {
        bool inStart, inBin, inData;
        std::string expected;
    } cases[] = {
        {true, true, true, start + "/Vesk4.hlp"},
        {false, true, true, bin + "/Vesk4.hlp"},
        {false, false, true, bin + "/../share/vesk4/Vesk4.hlp"},
        {false, false, false, ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.expected);
        put(start, c.inStart);
        put(bin, c.inBin);
        put(data, c.inData);
        EXPECT_EQ(CHelpWindow::LocateHelpFile(start, bin), c.expected);
    }
}
