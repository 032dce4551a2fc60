// Dump files through the File menu: Open, Save, the extension rule, short and
// odd files, and saves that must fail without harm.

// own
#include "AppFixture.h"

// app
#include "app/AppTexts.h"

// Qt
#include <QFileInfo>
#include <QLineEdit>

// std
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

namespace
{
// The bytes a dump file of `image` with capacity `code` holds.
std::vector<std::uint8_t> DumpBytes(const CRadioImage& image, std::int32_t code)
{
    std::vector<std::uint8_t> bytes(kDumpFileSize);
    const ImageBlock& block = image.WorkBlock();
    for (int i = 0; i < 4; ++i)
    {
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(block.size >> (8 * i));
        bytes[static_cast<std::size_t>(kBlockSize + i)] =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(code) >> (8 * i));
    }
    std::memcpy(bytes.data() + 4, block.reserved1, 4);
    std::memcpy(bytes.data() + 8, block.image, kImageSize);
    std::memcpy(bytes.data() + 8 + kImageSize, block.reserved2, 4);
    return bytes;
}
} // namespace

class DumpFileTest : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        Start();
    }

    void Save(const std::string& path)
    {
        m_ui.m_files.push_back(path);
        Frame().GetCommand(ID_FILE_SAVE)->trigger();
    }

    void Open(const std::string& path)
    {
        m_ui.m_files.push_back(path);
        Frame().GetCommand(ID_FILE_OPEN)->trigger();
    }

    // Files in the temporary directory, hidden ones included.
    QStringList Entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

TEST_F(DumpFileTest, SavingAClearedImageWritesTheBlockAndTheCapacityCode)
{
    Save(Path("cleared"));
    const std::vector<std::uint8_t> bytes = ReadFile(Path("cleared.dmp"));
    ASSERT_EQ(bytes.size(), 8208u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4),
              (std::vector<std::uint8_t>{0x0C, 0x20, 0x00, 0x00}));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.end() - 4, bytes.end()),
              (std::vector<std::uint8_t>{0x01, 0x00, 0x00, 0x00}));
    EXPECT_EQ(bytes, DumpBytes(Frame().GetSharedImage(), 1));
    EXPECT_EQ(bytes[8 + 0x0D], 0xFF) << "no model";
    EXPECT_TRUE(m_ui.Texts().empty());
    EXPECT_EQ(QFileInfo(m_dir.filePath("cleared.dmp")).permissions() & QFile::ReadOther,
              QFile::ReadOther)
        << "an ordinary file, not a private temporary one";
}

TEST_F(DumpFileTest, TheExtensionIsAddedUnlessPresentAnywhere)
{
    const std::pair<std::string, std::string> cases[] = {
        {"ABC", "ABC.dmp"},
        {"ABC.dmp", "ABC.dmp"},
        {"ABC.DMP", "ABC.DMP.dmp"},
        {"/x/y.dmp/ABC", "/x/y.dmp/ABC"},
        {"ABC.dmpx", "ABC.dmpx"},
        {"", ".dmp"},
        {std::string(5000, 'a'), std::string(5000, 'a') + ".dmp"},
    };
    for (const auto& [path, expected] : cases)
    {
        EXPECT_EQ(CMainFrame::AddDumpExtension(path), expected) << path.substr(0, 40);
    }
}

TEST_F(DumpFileTest, TheTitleShowsThePathAsChosen)
{
    Save(Path("ABC"));
    EXPECT_TRUE(QFileInfo::exists(m_dir.filePath("ABC.dmp")));
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath("ABC")));
    EXPECT_EQ(Frame().windowTitle().toStdString(), Path("ABC"));
    EXPECT_EQ(Frame().GetFilePath(), Path("ABC"));

    Save(Path("DEF.dmp"));
    EXPECT_TRUE(QFileInfo::exists(m_dir.filePath("DEF.dmp")));
    EXPECT_EQ(Frame().windowTitle().toStdString(), Path("DEF.dmp"));
    EXPECT_EQ(Entries(), QStringList({"ABC.dmp", "DEF.dmp"})) << "no temporary files left";
}

TEST_F(DumpFileTest, SaveCollectsTheFormAndReplacesAnOlderFile)
{
    WriteText(Path("radio.dmp"), "old contents");
    ChooseModel(9);
    ModelForm()->SerialEdit()->setText("12AB");
    Save(Path("radio.dmp"));
    const std::vector<std::uint8_t> bytes = ReadFile(Path("radio.dmp"));
    ASSERT_EQ(bytes.size(), 8208u);
    EXPECT_EQ(bytes[8 + 0x0D], 9);
    EXPECT_EQ(bytes[8 + 0], 0x12);
    EXPECT_EQ(bytes[8 + 1], 0xAB);
    EXPECT_EQ(bytes, DumpBytes(Frame().GetSharedImage(), 1));
}

TEST_F(DumpFileTest, AnInvalidFormIsNotSavedAndNoDialogIsShown)
{
    ModelForm()->YearEdit()->setText("1979");
    Save(Path("never"));
    EXPECT_EQ(m_ui.CountOf(" Set Up Error !! "), 1);
    EXPECT_TRUE(m_ui.m_fileRequests.empty());
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath("never.dmp")));
}

TEST_F(DumpFileTest, CancelledDialogsChangeNothing)
{
    m_ui.m_files.push_back(std::nullopt);
    Frame().OnFileOpen();
    m_ui.m_files.push_back(std::nullopt);
    Frame().OnFileSave();
    EXPECT_EQ(Frame().windowTitle(), "Borea 320");
    EXPECT_TRUE(Entries().isEmpty());
    EXPECT_TRUE(m_ui.Texts().empty());
}

TEST_F(DumpFileTest, WriteErrorsKeepTheOldFileTitleAndPath)
{
    Save(Path("first"));
    ASSERT_EQ(Frame().GetFilePath(), Path("first"));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder.dmp"));
    ASSERT_TRUE(QDir(m_dir.path()).mkpath("keep.dmp/inside"));

    const std::string failing[] = {
        Path("no-such-folder/x"), // the folder does not exist
        Path("folder.dmp"),       // the target is a directory
        Path("keep"),             // keep.dmp is a directory that holds files
    };
    for (const std::string& path : failing)
    {
        SCOPED_TRACE(path);
        m_ui.Clear();
        Save(path);
        EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{" Write Error !! "});
        EXPECT_EQ(m_ui.m_records.back().kind, CFakeUiServices::Kind::Message);
        EXPECT_EQ(Frame().windowTitle().toStdString(), Path("first"));
        EXPECT_EQ(Frame().GetFilePath(), Path("first"));
    }
    EXPECT_TRUE(QFileInfo(m_dir.filePath("folder.dmp")).isDir());
    EXPECT_TRUE(QFileInfo(m_dir.filePath("keep.dmp/inside")).isDir());
    EXPECT_EQ(Entries(), QStringList({"first.dmp", "folder.dmp", "keep.dmp"}))
        << "no temporary files left";
}

TEST_F(DumpFileTest, AWriteThatRunsOutOfRoomKeepsTheFileItWouldReplace)
{
    // A file-size limit makes the write fail part-way, as a full disk would.
    const std::string old = "the configuration saved yesterday";
    WriteText(Path("radio.dmp"), old);
    Save(Path("first"));
    ChooseModel(9);

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    Save(Path("radio"));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{" Write Error !! "});
    EXPECT_EQ(ReadText(Path("radio.dmp")), old);
    EXPECT_EQ(Frame().windowTitle().toStdString(), "*" + Path("first")) << "still unsaved";
    EXPECT_EQ(Frame().GetFilePath(), Path("first"));
    EXPECT_EQ(Entries(), QStringList({"first.dmp", "radio.dmp"})) << "no temporary files left";

    // With room again the same save goes through.
    Save(Path("radio"));
    EXPECT_EQ(ReadFile(Path("radio.dmp")), DumpBytes(Frame().GetSharedImage(), 1));
    EXPECT_EQ(Frame().windowTitle().toStdString(), Path("radio"));
}

TEST_F(DumpFileTest, SavedConfigurationReopensIdenticallyAfterARestart)
{
    ChooseModel(13);
    ModelForm()->SerialEdit()->setText("12AB cd");
    ModelForm()->CustomerEdit()->setText("0123456789");
    ModelForm()->MonthList()->setCurrentIndex(6);
    ModelForm()->DayEdit()->setText("4");
    ModelForm()->YearEdit()->setText("1998");
    ModelForm()->NarrowReferenceList()->setCurrentIndex(1);
    Save(Path("roundtrip"));
    const std::vector<std::uint8_t> saved = ReadFile(Path("roundtrip.dmp"));
    ASSERT_EQ(saved, DumpBytes(Frame().GetSharedImage(), 1));

    m_app.reset();
    Start();
    Open(Path("roundtrip.dmp"));
    CModelView* form = ModelForm();
    EXPECT_EQ(form->ModelList()->currentText(), "800 MHz");
    EXPECT_EQ(form->InjectionList()->currentText(), "LOW");
    EXPECT_EQ(form->WideReferenceList()->currentText(), "12.5");
    EXPECT_EQ(form->NarrowReferenceList()->currentText(), "6.25");
    EXPECT_EQ(form->SerialEdit()->text(), "12AB CD");
    EXPECT_EQ(form->CustomerEdit()->text(), "0123456789");
    EXPECT_EQ(form->MonthList()->currentText(), "July");
    EXPECT_EQ(form->DayEdit()->text(), "4");
    EXPECT_EQ(form->YearEdit()->text(), "1998");
    EXPECT_EQ(Frame().windowTitle().toStdString(), Path("roundtrip.dmp"));
    EXPECT_EQ(DumpBytes(Frame().GetSharedImage(), m_app->GetChannelCode()), saved);
    EXPECT_EQ(DumpBytes(form->GetImage(), m_app->GetChannelCode()), saved);
    EXPECT_FALSE(m_app->IsModelUnset());
    EXPECT_TRUE(m_ui.Texts().empty());

    // Save offers the path last opened in this form.
    m_ui.m_files.push_back(std::nullopt);
    Frame().OnFileSave();
    EXPECT_EQ(m_ui.m_fileRequests.back().initialName, Path("roundtrip.dmp"));
}

TEST_F(DumpFileTest, ShortAndOddFiles)
{
    ChooseModel(5);
    Save(Path("base"));
    const std::vector<std::uint8_t> base = ReadFile(Path("base.dmp"));
    ASSERT_EQ(base.size(), 8208u);
    m_app.reset();

    // Exactly the block, no capacity code: code -1, 120 channels.
    Start();
    m_app->SetChannelMode(1);
    WriteFile(Path("block.dmp"), std::vector<std::uint8_t>(base.begin(), base.begin() + 8204));
    Open(Path("block.dmp"));
    EXPECT_EQ(m_app->GetChannelCode(), -1);
    EXPECT_EQ(m_app->GetChannelMode(), 0);
    EXPECT_EQ(ModelForm()->ModelList()->currentIndex(), 5);
    EXPECT_TRUE(m_ui.Texts().empty());

    // Capacity code 5: mode 4, taken unchecked.
    std::vector<std::uint8_t> five = base;
    five[8204] = 5;
    WriteFile(Path("five.dmp"), five);
    Open(Path("five.dmp"));
    EXPECT_EQ(m_app->GetChannelCode(), 5);
    EXPECT_EQ(m_app->GetChannelMode(), 4);

    // Saved again, it keeps the capacity it was shown with: 120 channels.
    Open(Path("block.dmp"));
    Save(Path("resaved"));
    m_app.reset();
    Start();
    Open(Path("resaved.dmp"));
    EXPECT_EQ(m_app->GetChannelCode(), 1);
    EXPECT_EQ(m_app->GetChannelMode(), 0);
}

TEST_F(DumpFileTest, AnOpenThatFailsSaysWhyAndChangesNothing)
{
    Save(Path("current"));
    ChooseModel(4);
    WriteText(Path("short.dmp"), "far too short");
    ASSERT_EQ(::mkfifo(Path("pipe.dmp").c_str(), 0600), 0);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder.dmp"));
    const std::vector<std::uint8_t> before = DumpBytes(Frame().GetSharedImage(), 1);
    const struct
    {
        std::string path;
        std::string text;
    } cases[] = {
        {Path("short.dmp"), " Read Error !! "},
        {Path("absent.dmp"),
         "The file " + Path("absent.dmp") + " could not be opened: it does not exist."},
        // A pipe would otherwise freeze the window waiting for a writer.
        {Path("pipe.dmp"),
         "The file " + Path("pipe.dmp") + " could not be opened: it is not a regular file."},
        {Path("folder.dmp"),
         "The file " + Path("folder.dmp") + " could not be opened: it is not a regular file."},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.path);
        m_ui.Clear();
        m_ui.m_saveAnswers.push_back(SaveAnswer::Discard);
        Open(c.path);
        EXPECT_EQ(m_ui.Texts(), (std::vector<std::string>{"Save the changes to current?", c.text}));
        EXPECT_EQ(DumpBytes(Frame().GetSharedImage(), 1), before);
        EXPECT_EQ(ModelForm()->ModelList()->currentIndex(), 4);
        EXPECT_EQ(m_app->GetChannelCode(), 1);
        EXPECT_EQ(Frame().windowTitle().toStdString(), "*" + Path("current"))
            << "the edits kept are still unsaved";
        EXPECT_EQ(Frame().GetFilePath(), Path("current"));
    }
}
