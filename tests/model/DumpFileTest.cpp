// Tests of the image side of the dump file: what is written, and how files of
// every length (and things that are not files) are loaded.
#include "TestFiles.h"
#include "TestSupport.h"

// std
#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// POSIX
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
// A capacity state that records every call, to check the loading contract.
class RecordingAppState : public CPlainAppState
{
public:
    int m_nCodeWrites = 0;
    void SetChannelCode(std::int32_t code) override
    {
        ++m_nCodeWrites;
        CPlainAppState::SetChannelCode(code);
    }
};

std::uint8_t WideIfHigh(const CRadioImage& image)
{
    return ByteAt(image, ImageMap::kWideIf);
}
} // namespace

class DumpFile : public PinnedClockTest
{
protected:
    CScratchDir m_scratch{"model"};
    fs::path m_dir{m_scratch.Path()};

    void SetUp() override
    {
        PinnedClockTest::SetUp();
        ASSERT_TRUE(m_scratch.IsValid());
    }

    // A valid dump file: a distinct image, then the given capacity code bytes.
    std::vector<std::uint8_t> DumpOf(const CRadioImage& image, std::size_t length)
    {
        const fs::path path = m_dir / "source.dmp";
        CPlainAppState app;
        app.m_nChannelCode = 5;
        EXPECT_TRUE(image.SaveToFile(path.string(), app));
        auto bytes = ReadFile(path);
        bytes.resize(length, 0x77);
        return bytes;
    }

    // bytes as a dump file, loaded into image with its capacity state in app.
    [[nodiscard]] bool LoadBytes(const std::vector<std::uint8_t>& bytes, CRadioImage& image,
                                 CPlainAppState& app)
    {
        const fs::path path = m_dir / "in.dmp";
        return WriteFile(path, bytes) && image.LoadFromFile(path.string(), app);
    }
};

TEST_F(DumpFile, SavedClearedImageHasTheDocumentedLayout)
{
    CRadioImage image;
    CPlainAppState app; // capacity code 1 after start-up
    const fs::path path = m_dir / "cleared.dmp";
    ASSERT_TRUE(image.SaveToFile(path.string(), app));

    const auto bytes = ReadFile(path);
    ASSERT_EQ(bytes.size(), kDumpFileSize);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 8),
              (std::vector<std::uint8_t>{0x0C, 0x20, 0x00, 0x00, 0, 0, 0, 0}));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 8, bytes.begin() + 8 + kImageSize),
              WholeImage(image));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 8200, bytes.end()),
              (std::vector<std::uint8_t>{0, 0, 0, 0, 0x01, 0, 0, 0}));
}

TEST_F(DumpFile, ImageSurvivesSaveAndLoadWithItsCode)
{
    CRadioImage source;
    ASSERT_TRUE(source.SetSerialNumber("1234ABCD"));
    ASSERT_TRUE(source.SetModel(13));
    ASSERT_TRUE(source.SetRxWord(319, 0x0FBE1));
    ASSERT_TRUE(source.SetChannelName(0, "Harbour"));
    ASSERT_TRUE(source.SetWideIfOffset(-9000));
    CPlainAppState app;
    app.m_nChannelCode = 2;
    const fs::path path = m_dir / "round.dmp";
    ASSERT_TRUE(source.SaveToFile(path.string(), app));

    CRadioImage target;
    CPlainAppState loaded;
    EXPECT_TRUE(target.LoadFromFile(path.string(), loaded));
    EXPECT_EQ(loaded.m_nChannelCode, 2);
    EXPECT_EQ(loaded.m_nChannelMode, 1);
    EXPECT_EQ(loaded.m_nReadErrors, 0);
    // The flag is derived from the negative IF word: high-side injection.
    int flag = -1;
    ASSERT_TRUE(target.GetInjection(flag));
    EXPECT_EQ(flag, 0);
    ASSERT_TRUE(source.SetInjection(0));
    EXPECT_EQ(std::memcmp(&target.WorkBlock(), &source.WorkBlock(), kBlockSize), 0);
}

TEST_F(DumpFile, HeaderAndReservedWordsComeBackFromTheFile)
{
    CRadioImage source;
    auto bytes = DumpOf(source, kDumpFileSize);
    const std::uint8_t header[8] = {0x11, 0x22, 0x33, 0x44, 0xA1, 0xA2, 0xA3, 0xA4};
    std::copy(std::begin(header), std::end(header), bytes.begin());
    bytes[8200] = 0xB1;
    bytes[8203] = 0xB4;
    CRadioImage target;
    CPlainAppState app;
    ASSERT_TRUE(LoadBytes(bytes, target, app));
    EXPECT_EQ(target.WorkBlock().size, 0x44332211U);
    EXPECT_EQ(target.WorkBlock().reserved1[3], 0xA4);
    EXPECT_EQ(target.WorkBlock().reserved2[0], 0xB1);
    EXPECT_EQ(target.WorkBlock().reserved2[3], 0xB4);

    // Clearing the image gives the fresh header again.
    ASSERT_TRUE(target.Reset());
    EXPECT_EQ(target.WorkBlock().size, kBlockSize);
    EXPECT_EQ(target.WorkBlock().reserved1[3], 0);
    EXPECT_EQ(target.WorkBlock().reserved2[0], 0);
}

struct LengthCase
{
    std::size_t length;
    bool replaced;
    int readErrors;
    std::int32_t code;
    std::int32_t mode;
};

class DumpFileLength : public DumpFile, public ::testing::WithParamInterface<LengthCase>
{
};

TEST_P(DumpFileLength, FollowsTheLoadingRules)
{
    const LengthCase& c = GetParam();
    CRadioImage source;
    ASSERT_TRUE(source.SetCustomer("42"));
    ASSERT_TRUE(source.SetWideIfOffset(9000));
    const fs::path path = m_dir / "file.dmp";
    WriteFile(path, DumpOf(source, c.length));

    CRadioImage target;
    ASSERT_TRUE(target.SetSerialNumber("BEEF"));
    ASSERT_TRUE(target.SetWideIfOffset(-9000)); // would give flag 0; the image's own word decides
    ASSERT_TRUE(target.SetInjection(1));
    const CRadioImage before = target;
    RecordingAppState app;
    app.m_nChannelCode = 7;
    app.m_nChannelMode = 6;

    EXPECT_EQ(target.LoadFromFile(path.string(), app), c.replaced);
    EXPECT_EQ(app.m_nReadErrors, c.readErrors);
    EXPECT_EQ(app.m_nChannelCode, c.code);
    EXPECT_EQ(app.m_nChannelMode, c.mode);
    int flag = -1;
    ASSERT_TRUE(target.GetInjection(flag));
    if (c.replaced)
    {
        EXPECT_EQ(WideIfHigh(target), 0x23);
        EXPECT_EQ(flag, 1);
        std::string customer;
        ASSERT_TRUE(target.GetCustomer(customer));
        EXPECT_EQ(customer, "42        ");
    }
    else
    {
        // The image is kept, but the flag is still re-derived from its own word.
        EXPECT_EQ(flag, 0);
        ASSERT_TRUE(target.SetInjection(1));
        EXPECT_EQ(WholeImage(target), WholeImage(before));
        EXPECT_EQ(app.m_nCodeWrites, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, DumpFileLength,
                         ::testing::Values(LengthCase{0, false, 1, 7, 6},
                                           LengthCase{100, false, 1, 7, 6},
                                           LengthCase{kBlockSize - 1, false, 1, 7, 6},
                                           LengthCase{kBlockSize, true, 0, -1, 0},
                                           LengthCase{kBlockSize + 3, true, 0, -1, 0},
                                           LengthCase{kDumpFileSize, true, 0, 5, 4},
                                           LengthCase{kDumpFileSize + 500, true, 0, 5, 4}));

TEST_F(DumpFile, CapacityCodeIsTakenUnchecked)
{
    CRadioImage source;
    auto bytes = DumpOf(source, kDumpFileSize);
    // The lowest 32-bit value: its mode must wrap, not overflow.
    bytes[8204] = 0x00;
    bytes[8205] = 0x00;
    bytes[8206] = 0x00;
    bytes[8207] = 0x80;
    CRadioImage target;
    CPlainAppState app;
    ASSERT_TRUE(LoadBytes(bytes, target, app));
    EXPECT_EQ(app.m_nChannelCode, INT32_MIN);
    EXPECT_EQ(app.m_nChannelMode, INT32_MAX);
}

struct InjectionCase
{
    std::uint8_t high, low;
    int flag;
};

class DumpFileInjection : public DumpFile, public ::testing::WithParamInterface<InjectionCase>
{
};

TEST_P(DumpFileInjection, FlagFollowsTheSignOfTheWideIfWord)
{
    const InjectionCase& c = GetParam();
    CRadioImage source;
    auto bytes = DumpOf(source, kDumpFileSize);
    bytes[8 + ImageMap::kWideIf] = c.high;
    bytes[8 + ImageMap::kWideIf + 1] = c.low;
    CRadioImage target;
    CPlainAppState app;
    ASSERT_TRUE(LoadBytes(bytes, target, app));
    int flag = -1;
    ASSERT_TRUE(target.GetInjection(flag));
    EXPECT_EQ(flag, c.flag);
}

INSTANTIATE_TEST_SUITE_P(Words, DumpFileInjection,
                         ::testing::Values(InjectionCase{0x2B, 0xC0, 1},
                                           InjectionCase{0xD4, 0x40, 0},
                                           InjectionCase{0x7F, 0xFF, 1},
                                           InjectionCase{0x80, 0x00, 0},
                                           InjectionCase{0xFF, 0xFF, 0}));

TEST_F(DumpFile, ThingsThatCannotBeOpenedChangeNothing)
{
    CRadioImage image;
    ASSERT_TRUE(image.SetInjection(0)); // a load that opened a file would re-derive this
    const CRadioImage before = image;
    for (const fs::path& path : {m_dir / "missing.dmp", m_dir, m_dir / "no" / "such.dmp"})
    {
        CPlainAppState app;
        EXPECT_FALSE(image.LoadFromFile(path.string(), app)) << path;
        EXPECT_EQ(app.m_nReadErrors, 0) << path;
        EXPECT_EQ(app.m_nChannelCode, 1) << path;
        EXPECT_EQ(std::memcmp(&image.WorkBlock(), &before.WorkBlock(), kBlockSize), 0) << path;
    }
}

TEST_F(DumpFile, UnreadableFileChangesNothing)
{
    const fs::path path = m_dir / "locked.dmp";
    WriteFile(path, std::vector<std::uint8_t>(kDumpFileSize, 0x00));
    fs::permissions(path, fs::perms::none);
    if (std::ifstream(path).is_open())
    {
        GTEST_SKIP() << "this user can read any file";
    }
    CRadioImage image;
    ASSERT_TRUE(image.SetInjection(0));
    const CRadioImage before = image;
    CPlainAppState app;
    EXPECT_FALSE(image.LoadFromFile(path.string(), app));
    EXPECT_EQ(app.m_nReadErrors, 0);
    EXPECT_EQ(std::memcmp(&image.WorkBlock(), &before.WorkBlock(), kBlockSize), 0);
}

TEST_F(DumpFile, SaveReportsFilesThatCannotBeWritten)
{
    CRadioImage image;
    CPlainAppState app;
    EXPECT_FALSE(image.SaveToFile(m_dir.string(), app));
    EXPECT_FALSE(image.SaveToFile((m_dir / "no" / "such.dmp").string(), app));
    if (fs::exists("/dev/full"))
    {
        // Opens fine, but no byte reaches it: the failure must not pass for success.
        EXPECT_FALSE(image.SaveToFile("/dev/full", app));
    }
}

TEST_F(DumpFile, SavingTruncatesALongerFile)
{
    const fs::path path = m_dir / "long.dmp";
    WriteFile(path, std::vector<std::uint8_t>(20000, 0x55));
    CRadioImage image;
    CPlainAppState app;
    ASSERT_TRUE(image.SaveToFile(path.string(), app));
    EXPECT_EQ(fs::file_size(path), kDumpFileSize);
}

TEST_F(DumpFile, NotRegularFilesAreRefusedAtOnceWithTheirReason)
{
    // A pipe without a writer would block a plain open for ever.
    const fs::path fifo = m_dir / "pipe.dmp";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct
    {
        fs::path path;
        DumpFileStatus status;
    } cases[] = {
        {fifo, DumpFileStatus::NotRegular},
        {m_dir, DumpFileStatus::NotRegular},
        {"/dev/zero", DumpFileStatus::NotRegular},
        {m_dir / "missing.dmp", DumpFileStatus::Missing},
        {m_dir / "no" / "such.dmp", DumpFileStatus::Missing},
    };
    for (const auto& c : cases)
    {
        CRadioImage image;
        CPlainAppState app;
        DumpFileStatus status = DumpFileStatus::Loaded;
        EXPECT_FALSE(image.LoadFromFile(c.path.string(), app, &status)) << c.path;
        EXPECT_EQ(status, c.status) << c.path;
        EXPECT_EQ(app.m_nReadErrors, 0) << c.path;
    }
}

TEST_F(DumpFile, ACodeMissingFromTheFileIsSavedAsTheCapacityItWasShownWith)
{
    CRadioImage source;
    ASSERT_TRUE(source.SetModel(3));
    const struct
    {
        std::size_t length;
        std::uint8_t codeByte; // all four code bytes, when the file has a code
        std::int32_t savedCode;
        std::int32_t reloadedMode;
    } cases[] = {
        {kBlockSize, 0, 1, 0},         // no code: 120 channels, saved as 1
        {kDumpFileSize, 0xFF, -1, -2}, // a real -1 is an odd code and stays
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.length);
        auto bytes = DumpOf(source, kDumpFileSize);
        std::fill(bytes.begin() + kBlockSize, bytes.end(), c.codeByte);
        bytes.resize(c.length);
        CRadioImage image;
        CPlainAppState app;
        ASSERT_TRUE(LoadBytes(bytes, image, app));
        ASSERT_TRUE(image.SaveToFile((m_dir / "out.dmp").string(), app));
        CPlainAppState reloaded;
        ASSERT_TRUE(image.LoadFromFile((m_dir / "out.dmp").string(), reloaded));
        EXPECT_EQ(reloaded.m_nChannelCode, c.savedCode);
        EXPECT_EQ(reloaded.m_nChannelMode, c.reloadedMode);
    }
}

TEST_F(DumpFile, SavingReplacesTheFileWholeKeepingItsPermissionsAndLinks)
{
    const fs::path real = m_dir / "real.dmp";
    const fs::path link = m_dir / "link.dmp";
    WriteFile(real, std::vector<std::uint8_t>(100, 0x55));
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.dmp", link);

    CRadioImage image;
    CPlainAppState app;
    ASSERT_TRUE(image.SaveToFile(link.string(), app));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::file_size(real), kDumpFileSize);
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // Nothing but the two names is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 2);
}

TEST_F(DumpFile, AFailedSaveLeavesTheOldFileWholeAndNoTemporaryFile)
{
    const fs::path path = m_dir / "old.dmp";
    const std::vector<std::uint8_t> old(kDumpFileSize, 0x42);
    WriteFile(path, old);
    CRadioImage image;
    CPlainAppState app;

    // A file-size limit below a dump file: the write runs out of room part way,
    // as on a full disk. The signal such a write raises is ignored for the test.
    struct rlimit saved = {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved_ok = image.SaveToFile(path.string(), app);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(saved_ok);
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);

    // A folder that cannot be written to: the old file stays as it was too.
    fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
    const bool blocked = ::access(m_dir.c_str(), W_OK) != 0; // root writes anywhere
    if (blocked)
    {
        EXPECT_FALSE(image.SaveToFile(path.string(), app));
        EXPECT_EQ(ReadFile(path), old);
    }
    fs::permissions(m_dir, fs::perms::owner_all);
}
