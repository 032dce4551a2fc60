// Parsing of the vesk4-cli command line.

// cli
#include "cli/CliOptions.h"

// std
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
bool Parse(std::vector<const char*> args, CCliOptions& options, std::string& error)
{
    args.insert(args.begin(), "vesk4-cli");
    return options.Parse(static_cast<int>(args.size()), args.data(), error);
}

TEST(CliOptions, CommandOptionsAndArgumentsInAnyOrder)
{
    CCliOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"--timeout", "0.5", "ram-write", "40", "--port", "COM2", "12", "-o", "x",
                       "--silence", "0.25"},
                      options, error))
        << error;
    EXPECT_DOUBLE_EQ(options.m_dSilence, 0.25);
    EXPECT_EQ(options.m_strCommand, "ram-write");
    EXPECT_EQ(options.m_strPort, "COM2");
    EXPECT_EQ(options.m_strOutput, "x");
    EXPECT_DOUBLE_EQ(options.m_dTimeout, 0.5);
    EXPECT_EQ(options.m_args, (std::vector<std::string>{"40", "12"}));
}

TEST(CliOptions, FleetKeepsEveryPortInOrder)
{
    CCliOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"fleet", "plan.dmp", "--port", "COM1", "--loop", "--port", "/dev/ttyUSB3",
                       "--journal", "depot.csv", "--status"},
                      options, error))
        << error;
    EXPECT_EQ(options.m_ports, (std::vector<std::string>{"COM1", "/dev/ttyUSB3"}));
    EXPECT_EQ(options.m_strPort, "/dev/ttyUSB3"); // the other commands take the last
    EXPECT_EQ(options.m_strJournal, "depot.csv");
    EXPECT_TRUE(options.m_bLoop);
    EXPECT_TRUE(options.m_bStatusLines);
    EXPECT_EQ(options.m_args, (std::vector<std::string>{"plan.dmp"}));
}

TEST(CliOptions, RefusesWhatItCannotUnderstand)
{
    const std::vector<std::vector<const char*>> cases = {
        {},
        {"upload", "--port"},
        {"upload", "--colour"},
        {"upload", "--timeout", "0"},
        {"upload", "--timeout", "abc"},
        {"upload", "--timeout", "-2"},
        {"upload", "--silence", "0"},
        {"upload", "--silence", "1e9"},
        {"upload", "--silence", "nan"},
        {"fleet", "plan.dmp", "--journal"},
    };
    for (const auto& args : cases)
    {
        CCliOptions options;
        std::string error;
        EXPECT_FALSE(Parse(args, options, error)) << (args.empty() ? "(none)" : args.back());
        EXPECT_FALSE(error.empty());
    }
}

TEST(CliOptions, HelpNeedsNoCommand)
{
    CCliOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"--help"}, options, error));
    EXPECT_TRUE(options.m_bHelp);
}
} // namespace
