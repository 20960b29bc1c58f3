// Runs the feldspan-cli program itself: the config command and the exit codes of the frame.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/ProgramRunner.h"
#include "support/TestFiles.h"

namespace feld::test {
namespace {

namespace fs = std::filesystem;

class CliProgram : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(fs::exists(cli_)) << cli_; }

    RunResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), cli_);
        return RunProgram(args);
    }
    RunResult config(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--settings", ini_, "config"});
        return run(args);
    }

    const std::string cli_ = BinProgram("feldspan-cli");
    TempDir dir_;
    const std::string ini_ = (dir_ / "new.ini").string();
};

TEST_F(CliProgram, ListsTheDefaultsOfAMissingStoreWithoutCreatingIt)
{
    RunResult r = config({});
    ASSERT_EQ(r.rc, 0) << r.err;
    for (const char* line : {"FeldSpan/Settings/PortChoice=1\n", "FeldSpan/Settings/Baudrate=115200\n",
                             "FeldSpan/Settings/Databits=8\n", "FeldSpan/Settings/Parity=0\n",
                             "FeldSpan/Settings/Stopbits=1\n", "FeldSpan/Settings/CarriageReturn=1\n",
                             "FeldSpan/Settings/LineFeed=1\n", "FeldSpan/Settings/Delete=0\n",
                             "FeldSpan/Standby/Type=0\n", "FeldSpan/Standby/TimeInterval=10\n",
                             "FeldSpan/Standby/FixTime3Enable=0\n", "PATH/LANGUAGE=0\n"})
        EXPECT_NE(r.out.find(line), std::string::npos) << line;
    EXPECT_EQ(r.err, "");
    EXPECT_FALSE(fs::exists(ini_));
}

TEST_F(CliProgram, ValueSetIsReadBackByTheNextRun)
{
    RunResult set = config({"FeldSpan/Settings/Baudrate", "9600"});
    ASSERT_EQ(set.rc, 0) << set.err;
    RunResult get = config({"feldspan/settings/BAUDRATE"});
    EXPECT_EQ(get.rc, 0);
    EXPECT_EQ(get.out, "9600\n");
    EXPECT_NE(config({}).out.find("FeldSpan/Settings/Baudrate=9600\n"), std::string::npos);

    ASSERT_EQ(config({"FeldSpan/Settings/Dump", "1"}).rc, 0);
    EXPECT_EQ(config({"FeldSpan/Settings/Dump"}).out, "1\n");

    // No start-up side effects: the version is not written by config.
    EXPECT_EQ(ReadText(ini_).find("VERSION"), std::string::npos) << ReadText(ini_);
}

TEST_F(CliProgram, ExitCodesSayWhatWentWrong)
{
    RunResult badKey = config({"FeldSpan/Settings/NoSuchKey"});
    EXPECT_EQ(badKey.rc, 2);
    EXPECT_NE(badKey.err.find("usage:"), std::string::npos) << badKey.err;

    RunResult badValue = config({"FeldSpan/Settings/Baudrate", "fast"});
    EXPECT_EQ(badValue.rc, 1);
    EXPECT_NE(badValue.err.find("whole number"), std::string::npos) << badValue.err;
    EXPECT_FALSE(fs::exists(ini_));

    EXPECT_EQ(config({"a", "b", "c"}).rc, 2);
    EXPECT_EQ(run({"no-such-command"}).rc, 2);
    EXPECT_EQ(run({}).rc, 2);
    EXPECT_EQ(run({"--baud", "fast", "config"}).rc, 2);
    EXPECT_EQ(run({"--settings"}).rc, 2);

    RunResult help = run({"--help"});
    EXPECT_EQ(help.rc, 0);
    EXPECT_NE(help.out.find("config"), std::string::npos);
}

TEST_F(CliProgram, UnwritableStoreFailsWithItsReason)
{
    std::ofstream(dir_ / "file") << "x";
    const std::string under = (dir_ / "file" / "s.ini").string();
    RunResult r = run({"--settings", under, "config", "FeldSpan/Settings/Baudrate", "9600"});
    EXPECT_EQ(r.rc, 1);
    EXPECT_NE(r.err.find("cannot write"), std::string::npos) << r.err;
    // Reading the same store still works, with the defaults.
    RunResult list = run({"--settings", under, "config", "FeldSpan/Settings/Baudrate"});
    EXPECT_EQ(list.rc, 0);
    EXPECT_EQ(list.out, "115200\n");
}

}  // namespace
}  // namespace feld::test
