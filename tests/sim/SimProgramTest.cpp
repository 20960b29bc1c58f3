// The feldspan-pdtsim program: its first line, its options, its clean end.

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include "SimHarness.h"
#include "support/SimProcess.h"

namespace feld::sim::test {

namespace {

// The program beside the tests' own folder when the runner does not say where it is.
std::string simProgram()
{
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return feld::test::SimProcess::program(ec ? std::string() : (self.parent_path().parent_path() / "bin").string());
}

int runStatus(const std::string& args)
{
    std::string cmd = simProgram() + " " + args + " >/dev/null 2>&1";
    int st = std::system(cmd.c_str());
    return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
}

bool linkCheck(RawPc& pc)
{
    return pc.send(wire::kLinkCheck, {}) == 1;
}

}  // namespace

TEST(SimProgram, ServesTheDeviceItNamesAcrossReopens)
{
    char tmpl[] = "/tmp/simprog-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    std::string dir = tmpl;
    {
        feld::test::SimProcess sim;
        sim.start({"--root", dir + "/r", "--log", dir + "/log.jsonl", "--c-size", "1M"}, simProgram());
        ASSERT_TRUE(sim.running()) << sim.error();
        EXPECT_EQ(sim.device().rfind("/dev/pts/", 0), 0u);
        {
            RawPc pc(sim.device());
            ASSERT_TRUE(pc.ok());
            EXPECT_TRUE(linkCheck(pc));
        }
        // The PC closed the device; the terminal still answers when it is opened again.
        RawPc pc(sim.device());
        EXPECT_TRUE(linkCheck(pc));
        Bytes a;
        ASSERT_EQ(pc.command(wire::kOpDiskInfo, "", a), 1);
        auto info = wire::parseDiskInfoReply(a.data(), a.size());
        ASSERT_TRUE(info);
        EXPECT_EQ(info->cTotal, 1 << 20);

        // SIGTERM ends it with status 0.
        pid_t pid = sim.pid();
        ::kill(pid, SIGTERM);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    std::ifstream log(dir + "/log.jsonl");
    std::string first;
    std::getline(log, first);
    EXPECT_NE(first.find("\"event\":\"receive\""), std::string::npos) << first;
    EXPECT_TRUE(std::filesystem::is_directory(dir + "/r/C"));
    std::filesystem::remove_all(dir);
}

TEST(SimProgram, OptionsCheckedAndHelpGiven)
{
    EXPECT_EQ(runStatus("--help"), 0);
    EXPECT_EQ(runStatus("--no-such-option"), 2);
    EXPECT_EQ(runStatus("--baud fast"), 2);
    EXPECT_EQ(runStatus("--force-status 3:sometimes"), 2);
    EXPECT_EQ(runStatus("--device /nonexistent/tty"), 1);
    std::string cmd = simProgram() + " --help";
    std::FILE* p = popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string text;
    char buf[512];
    while (std::fgets(buf, sizeof buf, p))
        text += buf;
    pclose(p);
    for (const char* opt : {"--device", "--baud", "--root", "--c-size", "--d-size", "--unformatted", "--firmware", "--model",
                            "--log", "--seed", "--corrupt-every", "--drop-every", "--busy-every", "--restart-every",
                            "--duplicate-every", "--force-status", "--stdin-lifetime"})
        EXPECT_NE(text.find(opt), std::string::npos) << opt;
}

}  // namespace feld::sim::test
