// The recovery copy of unsaved edits: where it lives, when it is written and
// removed, and which copies a new start offers back.
#include "ProgramRunner.h"
#include "ScopedEnv.h"
#include "TestFiles.h"
#include "TestSupport.h"

// model
#include "model/DumpFile.h"
#include "model/RecentFiles.h"
#include "model/RecoveryStore.h"

// std
#include <filesystem>
#include <string>

// POSIX
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
ImageBlock BlockWithModel(int model)
{
    CRadioImage image;
    EXPECT_TRUE(image.SetModel(model));
    return image.WorkBlock();
}
} // namespace

// The recovery copy goes with the state folder, the recent files with the
// config folder; a relative XDG folder is ignored.
TEST(PerUserFiles, FollowTheXdgFoldersElseTheHomeFolder)
{
    const struct
    {
        const char* xdg;
        const char* home;
        const char* state;
        const char* recent;
    } cases[] = {
        {"/x", "/home/u", "/x/vesk4", "/x/vesk4/recent-files"},
        {"relative", "/home/u", "/home/u/.local/state/vesk4", "/home/u/.config/vesk4/recent-files"},
        {nullptr, nullptr, "", ""},
    };
    for (const auto& c : cases)
    {
        CScopedEnv state("XDG_STATE_HOME", c.xdg);
        CScopedEnv config("XDG_CONFIG_HOME", c.xdg);
        CScopedEnv home("HOME", c.home);
        EXPECT_EQ(CRecoveryStore::DefaultFolder(), c.state);
        EXPECT_EQ(CRecentFiles::DefaultPath(), c.recent);
    }
}

TEST(RecoveryStore, IsWrittenOnlyWhileThereAreUnsavedEdits)
{
    CScratchDir dir("recovery");
    ASSERT_TRUE(dir.IsValid());
    CRecoveryStore store(dir.Path("state/vesk4"), 4242);
    const ImageBlock first = BlockWithModel(3);

    ASSERT_TRUE(store.Update(false, first, 2, "/plans/a.dmp"));
    EXPECT_FALSE(fs::exists(dir.Path("state"))) << "nothing unsaved, nothing made";

    ASSERT_TRUE(store.Update(true, first, 2, "/plans/a.dmp"));
    EXPECT_EQ(store.DumpPath(), dir.Path("state/vesk4/4242.dmp"));
    ASSERT_TRUE(WriteDumpFile(dir.Path("expected.dmp"), first, 2));
    EXPECT_EQ(ReadFile(store.DumpPath()), ReadFile(dir.Path("expected.dmp")));
    EXPECT_EQ(ReadText(store.SourcePath()), "/plans/a.dmp\n");
    EXPECT_EQ(fs::status(store.Folder()).permissions() & fs::perms::all, fs::perms::owner_all)
        << "a customer's radio is the owner's alone";

    // New edits replace the copy.
    ASSERT_TRUE(store.Update(true, BlockWithModel(4), 2, "/plans/a.dmp"));
    ASSERT_TRUE(WriteDumpFile(dir.Path("expected.dmp"), BlockWithModel(4), 2));
    EXPECT_EQ(ReadFile(store.DumpPath()), ReadFile(dir.Path("expected.dmp")));

    // Saved or discarded: the copy goes, source and all.
    ASSERT_TRUE(store.Update(false, first, 2, "/plans/a.dmp"));
    EXPECT_FALSE(fs::exists(store.DumpPath()));
    EXPECT_FALSE(fs::exists(store.SourcePath()));
    EXPECT_EQ(fs::directory_iterator(store.Folder()), fs::directory_iterator());
}

TEST(RecoveryStore, OffersOnlyCopiesOfProgramsNoLongerRunning)
{
    CScratchDir dir("recovery");
    ASSERT_TRUE(dir.IsValid());
    const std::string folder = dir.Path("vesk4");
    const int ended = static_cast<int>(EndedProcessId());
    const ImageBlock block = BlockWithModel(5);
    CRecoveryStore left(folder, ended);
    ASSERT_TRUE(left.Update(true, block, 1, "/plans/left behind.dmp"));
    // A running program (the test's parent) and this very program keep theirs.
    CRecoveryStore running(folder, static_cast<int>(::getppid()));
    ASSERT_TRUE(running.Update(true, block, 1, "/plans/running.dmp"));
    CRecoveryStore own(folder, static_cast<int>(::getpid()));
    ASSERT_TRUE(own.Update(true, block, 1, ""));
    // Not ours: left alone.
    ASSERT_TRUE(WriteText(folder + "/notes.dmp", "x"));

    const std::vector<RecoveryCopy> offered = own.LeftBehind();
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].nPid, ended);
    EXPECT_EQ(offered[0].strDumpPath, left.DumpPath());
    EXPECT_EQ(offered[0].strSourcePath, "/plans/left behind.dmp");

    CRecoveryStore::Discard(offered[0]);
    EXPECT_FALSE(fs::exists(left.DumpPath()));
    EXPECT_FALSE(fs::exists(left.SourcePath()));
    EXPECT_TRUE(own.LeftBehind().empty());
    EXPECT_TRUE(fs::exists(running.DumpPath()));
    EXPECT_TRUE(fs::exists(folder + "/notes.dmp"));
}
