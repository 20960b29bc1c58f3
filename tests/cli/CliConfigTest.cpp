// Runs the feldspan-cli program itself: the config command and the exit codes of the frame.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

class CliProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* bin = std::getenv("FELDSPAN_BIN_DIR");
        cli_ = std::string(bin ? bin : "bin") + "/feldspan-cli";
        ASSERT_TRUE(fs::exists(cli_)) << cli_;
        dir_ = fs::temp_directory_path() /
               ("feldspan-cli-" + std::to_string(::getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        ini_ = (dir_ / "new.ini").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::string slurp(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    static std::string quote(const std::string& s)
    {
        std::string q = "'";
        for (char c : s)
            q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    }
    Outcome run(const std::string& args)
    {
        fs::path errFile = dir_ / "stderr.txt";
        std::string cmd = quote(cli_) + " " + args + " 2>" + quote(errFile.string()) + " </dev/null";
        Outcome r;
        std::FILE* p = ::popen(cmd.c_str(), "r");
        if (!p)
            return r;
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
            r.out.append(buf, n);
        int status = ::pclose(p);
        r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.err = slurp(errFile);
        return r;
    }
    Outcome config(const std::string& args) { return run("--settings " + quote(ini_) + " config " + args); }

    std::string cli_;
    fs::path dir_;
    std::string ini_;
};

TEST_F(CliProgram, ListsTheDefaultsOfAMissingStoreWithoutCreatingIt)
{
    Outcome r = config("");
    ASSERT_EQ(r.code, 0) << r.err;
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
    Outcome set = config("FeldSpan/Settings/Baudrate 9600");
    ASSERT_EQ(set.code, 0) << set.err;
    Outcome get = config("feldspan/settings/BAUDRATE");
    EXPECT_EQ(get.code, 0);
    EXPECT_EQ(get.out, "9600\n");
    EXPECT_NE(config("").out.find("FeldSpan/Settings/Baudrate=9600\n"), std::string::npos);

    ASSERT_EQ(config("FeldSpan/Settings/Dump 1").code, 0);
    EXPECT_EQ(config("FeldSpan/Settings/Dump").out, "1\n");

    // No start-up side effects: the version is not written by config.
    EXPECT_EQ(slurp(ini_).find("VERSION"), std::string::npos) << slurp(ini_);
}

TEST_F(CliProgram, ExitCodesSayWhatWentWrong)
{
    Outcome badKey = config("FeldSpan/Settings/NoSuchKey");
    EXPECT_EQ(badKey.code, 2);
    EXPECT_NE(badKey.err.find("usage:"), std::string::npos) << badKey.err;

    Outcome badValue = config("FeldSpan/Settings/Baudrate fast");
    EXPECT_EQ(badValue.code, 1);
    EXPECT_NE(badValue.err.find("whole number"), std::string::npos) << badValue.err;
    EXPECT_FALSE(fs::exists(ini_));

    EXPECT_EQ(config("a b c").code, 2);
    EXPECT_EQ(run("no-such-command").code, 2);
    EXPECT_EQ(run("").code, 2);
    EXPECT_EQ(run("--baud fast config").code, 2);
    EXPECT_EQ(run("--settings").code, 2);

    Outcome help = run("--help");
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("config"), std::string::npos);
}

TEST_F(CliProgram, UnwritableStoreFailsWithItsReason)
{
    std::ofstream(dir_ / "file") << "x";
    std::string under = quote((dir_ / "file" / "s.ini").string());
    Outcome r = run("--settings " + under + " config FeldSpan/Settings/Baudrate 9600");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("cannot write"), std::string::npos) << r.err;
    // Reading the same store still works, with the defaults.
    Outcome list = run("--settings " + under + " config FeldSpan/Settings/Baudrate");
    EXPECT_EQ(list.code, 0);
    EXPECT_EQ(list.out, "115200\n");
}

}  // namespace
