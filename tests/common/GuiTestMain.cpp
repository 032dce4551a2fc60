// Test entry point for the GUI layers: one real QApplication, offscreen unless
// the environment says otherwise, in a private home and runtime folder so the
// tests neither read nor change the real settings and port lock.

// own
#include "PrivateTestDirs.h"

// Qt
#include <QApplication>

// std
#include <gtest/gtest.h>
#include <cstdio>

int main(int argc, char** argv)
{
    // Before the application exists: it reads the folders while starting.
    CPrivateTestDirs dirs;
    if (!dirs.Create(true))
    {
        std::perror("private test folder");
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
