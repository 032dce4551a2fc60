// File > Recent Files: order, length, missing files and the file it is kept in.
#include "TestFiles.h"
#include "TestSupport.h"

// model
#include "model/RecentFiles.h"

// std
#include <filesystem>
#include <string>
#include <vector>

TEST(RecentFiles, KeepsTheLastEightNewestFirstAndShowsOnlyThoseThatExist)
{
    CScratchDir dir("recent");
    ASSERT_TRUE(dir.IsValid());
    std::vector<std::string> files;
    for (int i = 1; i <= 10; ++i)
    {
        files.push_back(dir.Path("plan" + std::to_string(i) + ".dmp"));
        ASSERT_TRUE(WriteText(files.back(), "x"));
    }
    const std::string kept = dir.Path("config/vesk4/recent-files");
    CRecentFiles recent(kept);
    for (const std::string& file : files)
    {
        ASSERT_TRUE(recent.Add(file));
    }
    // Opened again: to the front, once only.
    ASSERT_TRUE(recent.Add(files[5]));
    ASSERT_TRUE(std::filesystem::remove(files[8]));

    const std::vector<std::string> expected = {files[5], files[9], files[7], files[6],
                                               files[4], files[3], files[2]};
    EXPECT_EQ(recent.Files().size(), CRecentFiles::kMaxFiles);
    EXPECT_EQ(recent.Existing(), expected);

    // A new start reads the same list back; a relative line is no entry.
    ASSERT_TRUE(WriteText(kept, ReadText(kept) + "relative.dmp\n"));
    CRecentFiles again(kept);
    again.Load();
    EXPECT_EQ(again.Files(), recent.Files());
    EXPECT_EQ(again.Existing(), expected);
}
