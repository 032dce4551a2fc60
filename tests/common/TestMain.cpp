// Test entry point for the layers without a window: every test process runs
// in its own private folders, a home folder among them, since the command
// line keeps a backup of every radio it reads in the user's data folder.

// own
#include "PrivateTestDirs.h"

// std
#include <gtest/gtest.h>
#include <cstdio>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    CPrivateTestDirs dirs;
    if (!dirs.Create(true))
    {
        std::perror("private test folder");
        return 1;
    }
    return RUN_ALL_TESTS();
}
