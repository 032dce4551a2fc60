// The folder of automatic backups: names, where the folder is, safe and
// clash-free saving, and the listing order.
#include "ScopedEnv.h"
#include "TestFiles.h"
#include "TestSupport.h"

// model
#include "model/BackupStore.h"

// std
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

// POSIX
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace
{
// 2026-12-08 12:09:32 UTC
constexpr std::time_t kWhen = 1796731772;

CRadioImage ImageWithSerial(const char* serial, int model = 5)
{
    CRadioImage image;
    EXPECT_TRUE(image.SetSerialNumber(serial));
    EXPECT_TRUE(image.SetModel(model));
    // As loading a dump file would, so that a loaded backup compares equal.
    image.DeriveInjection();
    return image;
}

int Mode(const fs::path& path)
{
    struct stat info
    {
    };
    return ::stat(path.c_str(), &info) == 0 ? static_cast<int>(info.st_mode & 07777) : -1;
}

class BackupStoreTest : public PinnedClockTest
{
protected:
    void SetUp() override
    {
        PinnedClockTest::SetUp();
        ASSERT_TRUE(m_scratch.IsValid());
    }
    CScratchDir m_scratch{"backup-test"};
    fs::path m_root{m_scratch.Path()};
};

TEST(BackupNames, AreTimeThenSerialNumber)
{
    const struct
    {
        const char* serial;
        std::time_t when;
        int clash;
        const char* expected;
    } cases[] = {
        {"12AB3400", kWhen, 1, "20261208T120932Z_12AB3400.dmp"},
        {"12AB", kWhen, 1, "20261208T120932Z_12AB.dmp"},
        {" ", kWhen, 1, "20261208T120932Z_noserial.dmp"},
        {"1 2", kWhen, 1, "20261208T120932Z_1_2.dmp"},
        {"12AB", kWhen, 2, "20261208T120932Z_12AB_2.dmp"},
        {"7", 0, 1, "19700101T000000Z_7.dmp"},
        {"7", 951782400, 1, "20000229T000000Z_7.dmp"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(CBackupStore::FileName(ImageWithSerial(c.serial), c.when, c.clash), c.expected);
    }
}

TEST(BackupNames, TimeComesBackFromTheName)
{
    for (const std::time_t when : {std::time_t{0}, std::time_t{951782400}, kWhen,
                                   std::time_t{4102444799}})
    {
        std::int64_t time = -1;
        EXPECT_TRUE(CBackupStore::TimeFromName(CBackupStore::FileName(CRadioImage(), when, 3), time));
        EXPECT_EQ(time, when);
    }
    for (const char* name : {"old.dmp", "20261308T120932Z_1.dmp", "2026120xT120932Z_1.dmp",
                             "20261208 120932Z_1.dmp", "20261208T1209"})
    {
        std::int64_t time = -1;
        EXPECT_FALSE(CBackupStore::TimeFromName(name, time)) << name;
    }
    EXPECT_EQ(CBackupStore::TimeText(kWhen), "2026-12-08 12:09:32 UTC");
}

TEST(BackupFolder, FollowsTheDataHomeElseTheHomeFolder)
{
    const struct
    {
        const char* dataHome;
        const char* home;
        const char* expected;
    } cases[] = {
        {"/data", "/home/u", "/data/vesk4/backups"},
        {"relative/data", "/home/u", "/home/u/.local/share/vesk4/backups"},
        {"", "/home/u", "/home/u/.local/share/vesk4/backups"},
        {nullptr, "/home/u", "/home/u/.local/share/vesk4/backups"},
        {nullptr, nullptr, ""},
    };
    for (const auto& c : cases)
    {
        CScopedEnv data("XDG_DATA_HOME", c.dataHome);
        CScopedEnv home("HOME", c.home);
        EXPECT_EQ(CBackupStore::DefaultFolder(), c.expected);
    }
}

TEST(BackupFolder, TheEnvironmentTurnsBackupsOff)
{
    const struct
    {
        const char* value;
        bool off;
    } cases[] = {{"off", true}, {"OFF", true}, {"0", true},   {"no", true},  {"False", true},
                 {"on", false}, {"1", false},  {"", false},   {nullptr, false}};
    for (const auto& c : cases)
    {
        CScopedEnv variable(CBackupStore::kOffVariable, c.value);
        EXPECT_EQ(CBackupStore::TurnedOffByEnvironment(), c.off) << (c.value ? c.value : "unset");
    }
}

TEST_F(BackupStoreTest, SavesADumpFileInANewOwnerOnlyFolder)
{
    const fs::path folder = m_root / "share" / "vesk4" / "backups";
    const CBackupStore store(folder.string());
    CRadioImage image = ImageWithSerial("12AB3400");
    ASSERT_TRUE(image.SetChannelName(3, "KEPT"));
    CPlainAppState app;
    app.m_nChannelCode = 2;
    std::string path;
    BackupError error = BackupError::WriteFailed;
    ASSERT_TRUE(store.Save(image, app, kWhen, path, error));
    EXPECT_EQ(error, BackupError::None);
    EXPECT_EQ(path, (folder / "20261208T120932Z_12AB3400.dmp").string());
    EXPECT_EQ(Mode(folder), 0700);
    EXPECT_EQ(Mode(m_root / "share"), 0700);
    EXPECT_EQ(Mode(path), 0600);
    EXPECT_EQ(fs::file_size(path), kDumpFileSize);

    CRadioImage loaded;
    CPlainAppState loadedApp;
    ASSERT_TRUE(loaded.LoadFromFile(path, loadedApp));
    EXPECT_EQ(WholeImage(loaded), WholeImage(image));
    EXPECT_EQ(loadedApp.m_nChannelCode, 2);
}

TEST_F(BackupStoreTest, AFolderThatExistsKeepsItsPermissions)
{
    ASSERT_EQ(::chmod(m_root.c_str(), 0755), 0);
    const CBackupStore store(m_root.string());
    std::string path;
    BackupError error = BackupError::None;
    ASSERT_TRUE(store.Save(ImageWithSerial("1"), CPlainAppState(), kWhen, path, error));
    EXPECT_EQ(Mode(m_root), 0755);
}

TEST_F(BackupStoreTest, BackupsOfOneRadioInOneSecondNeverClash)
{
    const CBackupStore store(m_root.string());
    const CRadioImage first = ImageWithSerial("55");
    CRadioImage second = ImageWithSerial("55");
    ASSERT_TRUE(second.SetChannelName(0, "SECOND"));
    std::string a;
    std::string b;
    std::string c;
    BackupError error = BackupError::None;
    ASSERT_TRUE(store.Save(first, CPlainAppState(), kWhen, a, error));
    ASSERT_TRUE(store.Save(second, CPlainAppState(), kWhen, b, error));
    ASSERT_TRUE(store.Save(ImageWithSerial("66"), CPlainAppState(), kWhen, c, error));
    EXPECT_EQ(fs::path(a).filename(), "20261208T120932Z_55.dmp");
    EXPECT_EQ(fs::path(b).filename(), "20261208T120932Z_55_2.dmp");
    EXPECT_EQ(fs::path(c).filename(), "20261208T120932Z_66.dmp");
    CRadioImage loaded;
    CPlainAppState app;
    ASSERT_TRUE(loaded.LoadFromFile(a, app));
    EXPECT_EQ(WholeImage(loaded), WholeImage(first)) << "the first backup was overwritten";
}

TEST_F(BackupStoreTest, FailuresSayWhy)
{
    std::ofstream(m_root / "plain") << "not a folder";
    const struct
    {
        std::string folder;
        BackupError expected;
    } cases[] = {
        {"", BackupError::NoFolder},
        {(m_root / "plain").string(), BackupError::FolderFailed},
        {(m_root / "plain" / "below").string(), BackupError::FolderFailed},
    };
    for (const auto& c : cases)
    {
        std::string path = "stale";
        BackupError error = BackupError::None;
        EXPECT_FALSE(CBackupStore(c.folder).Save(CRadioImage(), CPlainAppState(), kWhen, path,
                                                 error));
        EXPECT_EQ(error, c.expected) << c.folder;
        EXPECT_EQ(path, "");
    }
}

TEST_F(BackupStoreTest, ListsDumpFilesNewestLast)
{
    const CBackupStore store(m_root.string());
    std::string path;
    BackupError error = BackupError::None;
    ASSERT_TRUE(store.Save(ImageWithSerial("33", 9), CPlainAppState(), kWhen + 60, path, error));
    ASSERT_TRUE(store.Save(ImageWithSerial("11", 5), CPlainAppState(), kWhen - 3600, path, error));
    ASSERT_TRUE(store.Save(ImageWithSerial("22", -1), CPlainAppState(), kWhen, path, error));
    // A dump file copied in by hand has no time in its name: its own time
    // counts, here far in the past.
    const fs::path copied = m_root / "copied.dmp";
    fs::copy_file(path, copied);
    fs::last_write_time(copied, fs::file_time_type::clock::now() - std::chrono::hours(24 * 365 * 20));
    std::ofstream(m_root / "broken.dmp") << "short";
    fs::last_write_time(m_root / "broken.dmp",
                        fs::file_time_type::clock::now() - std::chrono::hours(24 * 365 * 30));
    std::ofstream(m_root / "notes.txt") << "not a dump file";
    std::ofstream(m_root / ".20261208T120932Z_22.dmp.1a2b3c4d") << "a temporary file";
    fs::create_directory(m_root / "folder.dmp");

    std::vector<BackupEntry> entries;
    ASSERT_TRUE(store.List(entries));
    ASSERT_EQ(entries.size(), 5U);
    EXPECT_EQ(entries[0].strName, "broken.dmp");
    EXPECT_FALSE(entries[0].bReadable);
    EXPECT_EQ(entries[1].strName, "copied.dmp");
    EXPECT_EQ(entries[1].strSerial, "22");
    EXPECT_EQ(entries[2].strName, "20261208T110932Z_11.dmp");
    EXPECT_EQ(entries[2].nModel, 5);
    EXPECT_EQ(entries[3].strName, "20261208T120932Z_22.dmp");
    EXPECT_EQ(entries[3].nModel, -1);
    EXPECT_EQ(entries[3].nTime, kWhen);
    EXPECT_EQ(entries[4].strName, "20261208T121032Z_33.dmp");
    EXPECT_EQ(entries[4].strSerial, "33");
    EXPECT_TRUE(entries[4].bReadable);
}

TEST_F(BackupStoreTest, AFolderNotYetMadeHoldsNoBackups)
{
    std::vector<BackupEntry> entries(1);
    EXPECT_TRUE(CBackupStore((m_root / "none").string()).List(entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_FALSE(CBackupStore("").List(entries));
}
} // namespace
