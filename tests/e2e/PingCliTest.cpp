// feldspan-cli ping against the simulated terminal, and against devices that are not there.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/SimProcess.h"

extern char** environ;

namespace feld::test {
namespace {

namespace fs = std::filesystem;

class PingCliTest : public ::testing::Test {
protected:
    fs::path dir;
    struct Result {
        int rc = -1;
        std::string out, err;
    };

    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("feld-ping-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "home");
        std::ofstream(dir / "settings.ini") << "[FeldSpan]\nPATH\\PROJECTPATH=" << (dir / "project").string() << "/\n";
    }
    void TearDown() override { fs::remove_all(dir); }

    Result Cli(std::vector<std::string> args)
    {
        const char* bin = std::getenv("FELDSPAN_BIN_DIR");
        std::string program = std::string(bin && *bin ? bin : ".") + "/feldspan-cli";
        std::vector<std::string> all{program, "--settings", (dir / "settings.ini").string()};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& a : all)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        std::vector<std::string> envs{"HOME=" + (dir / "home").string(), "LANG=C", "PATH=/usr/bin:/bin"};
        std::vector<char*> envp;
        for (auto& e : envs)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&fa, 1, (dir / "out.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&fa, 2, (dir / "err.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid = -1;
        Result r;
        if (posix_spawn(&pid, program.c_str(), &fa, nullptr, argv.data(), envp.data()) == 0) {
            int status = 0;
            waitpid(pid, &status, 0);
            r.rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        posix_spawn_file_actions_destroy(&fa);
        r.out = Slurp(dir / "out.txt");
        r.err = Slurp(dir / "err.txt");
        return r;
    }
    static std::string Slurp(const fs::path& p)
    {
        std::ifstream in(p);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(PingCliTest, AnswersOverThePseudoTerminalAtTheGivenRate)
{
    SimProcess sim({"--baud", "9600"});
    ASSERT_TRUE(sim.running()) << sim.error();
    Result r = Cli({"--device", sim.device(), "--baud", "9600", "ping"});
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_NE(r.out.find("the terminal answered on " + sim.device()), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("9600"), std::string::npos) << r.out;
}

TEST_F(PingCliTest, NoAnswerAndMissingDeviceFailWithTheReason)
{
    SimProcess sim({"--force-status", "none:header:all"});
    ASSERT_TRUE(sim.running()) << sim.error();
    Result r = Cli({"--device", sim.device(), "ping"});
    EXPECT_EQ(r.rc, 1);
    EXPECT_NE(r.err.find("did not answer"), std::string::npos) << r.err;

    r = Cli({"--device", "/dev/feldspan-missing", "ping"});
    EXPECT_EQ(r.rc, 1);
    EXPECT_NE(r.err.find("device missing: /dev/feldspan-missing"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace feld::test
