// Runs the feldspan-cli program itself: the config command and the exit codes of the frame.

#include <gtest/gtest.h>

#include <sys/stat.h>

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

    // A value outside its key's range is refused where it is set, naming what the key takes.
    for (const char* bad : {"fast", "1", "38401"}) {
        RunResult badValue = config({"FeldSpan/Settings/Baudrate", bad});
        EXPECT_EQ(badValue.rc, 1);
        EXPECT_EQ(badValue.err, std::string("error: FeldSpan/Settings/Baudrate takes one of 4800, 9600, 19200, 38400, "
                                            "57600, 115200, not \"") + bad + "\"\n");
    }
    EXPECT_EQ(config({"FeldSpan/Standby/TimeInterval", "15"}).rc, 1);
    EXPECT_EQ(config({"FeldSpan/Settings/Databits", "9"}).rc, 1);
    // A collection entry that names no terminal file is refused with the reason.
    for (const char* bad : {"C:\\DATA\\", "E:\\X.TXT", "LONGERNAME.TXT"}) {
        RunResult badEntry = config({"FeldSpan/Standby/string1", bad});
        EXPECT_EQ(badEntry.rc, 1) << bad;
        EXPECT_NE(badEntry.err.find(std::string("collection entry '") + bad + "' names no terminal file"), std::string::npos)
            << badEntry.err;
    }
    // The language is one of the packs' codes or 0 (a stored other code still loads).
    EXPECT_EQ(config({"PATH/LANGUAGE", "7"}).rc, 1);
    EXPECT_FALSE(fs::exists(ini_));
    // So is a line speed for one run: a usage error.
    RunResult badBaud = run({"--baud", "1", "config"});
    EXPECT_EQ(badBaud.rc, 2);
    EXPECT_NE(badBaud.err.find("--baud takes one of the supported rates 4800, 9600, 19200, 38400, 57600, 115200"),
              std::string::npos) << badBaud.err;

    EXPECT_EQ(config({"a", "b", "c"}).rc, 2);
    EXPECT_EQ(run({"no-such-command"}).rc, 2);
    EXPECT_EQ(run({}).rc, 2);
    EXPECT_EQ(run({"--baud", "fast", "config"}).rc, 2);
    EXPECT_EQ(run({"--settings"}).rc, 2);

    RunResult help = run({"--help"});
    EXPECT_EQ(help.rc, 0);
    EXPECT_NE(help.out.find("config"), std::string::npos);
    EXPECT_EQ(config({"FeldSpan/Standby/string1", "data1.txt"}).rc, 0) << "written as receive takes it";
}

TEST_F(CliProgram, AHandEditedFileKeepsEveryByteButTheValueSet)
{
    const std::string project = (dir_ / "proj").string();
    const std::string original = "; settings of the shop PC\n"
                                 "[FeldSpan]\n"
                                 "PATH\\PROJECTPATH = " + project + "\n"
                                 "  Settings\\Baudrate =  9600   ; the old cradle\n"
                                 "Settings\\Colour=blue\n"
                                 "\n"
                                 "# kept by hand\n"
                                 "[Elsewhere]\n"
                                 "x=1\n";
    std::ofstream(ini_, std::ios::binary) << original;
    auto inode = [&] {
        struct stat st {};
        ::stat(ini_.c_str(), &st);
        return st.st_ino;
    };

    // Commands that only read, the program's start-up among them, leave it as it was.
    EXPECT_EQ(config({}).rc, 0);
    EXPECT_EQ(config({"FeldSpan/Settings/Baudrate"}).out, "9600\n");
    EXPECT_EQ(run({"--settings", ini_, "--device", (dir_ / "no-such-tty").string(), "ping"}).rc, 1);
    EXPECT_EQ(ReadText(ini_), original);

    // Setting a value changes that value; a missing key joins its group.
    ASSERT_EQ(config({"feldspan/settings/BAUDRATE", "38400"}).rc, 0);
    ASSERT_EQ(config({"FeldSpan/Standby/TimeInterval", "60"}).rc, 0);
    std::string expected = original;
    expected.replace(expected.find("9600"), 4, "38400");
    expected.insert(expected.find("\n# kept"), "Standby\\TimeInterval=60\n");
    EXPECT_EQ(ReadText(ini_), expected);

    // The value it already has: nothing is written.
    const auto before = inode();
    EXPECT_EQ(config({"FeldSpan/Settings/Baudrate", "38400"}).rc, 0);
    EXPECT_EQ(inode(), before);

    // A file that does not parse is never rewritten.
    std::ofstream(ini_, std::ios::binary | std::ios::app) << "not a setting\n";
    const std::string broken = ReadText(ini_);
    RunResult r = config({"FeldSpan/Settings/Baudrate", "9600"});
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.err, "error: not changing the settings: " + ini_ +
                         " is not a valid settings file (line 11: \"not a setting\" is neither a KEY=VALUE line, a "
                         "[section] nor a comment)\n");
    EXPECT_EQ(ReadText(ini_), broken);
}

TEST_F(CliProgram, ABadStoredValueIsReportedAndItsDefaultUsed)
{
    const std::string original = "[FeldSpan]\nSettings\\Baudrate=1\n";
    std::ofstream(ini_, std::ios::binary) << original;
    RunResult r = config({"FeldSpan/Settings/Baudrate"});
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.out, "115200\n");
    EXPECT_EQ(r.err, "warning: bad value \"1\" for FeldSpan/Settings/Baudrate in " + ini_ +
                         " (it takes one of 4800, 9600, 19200, 38400, 57600, 115200); using the default 115200\n");
    EXPECT_EQ(ReadText(ini_), original);
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
