// The feldspan-pdtsim program: its first line, its options, its clean end.

#include <signal.h>
#include <sys/wait.h>

#include "SimHarness.h"
#include "support/ProgramRunner.h"
#include "support/SimProcess.h"
#include "support/TestFiles.h"

namespace feld::sim::test {

namespace {

// The simulator with `args`, to its end.
feld::test::RunResult runSim(std::vector<std::string> args)
{
    args.insert(args.begin(), feld::test::SimProcess::program());
    return feld::test::RunProgram(args, {.timeoutMs = 30000});
}

bool linkCheck(RawPc& pc)
{
    return pc.send(wire::kLinkCheck, {}) == 1;
}

}  // namespace

TEST(SimProgram, ServesTheDeviceItNamesAcrossReopens)
{
    feld::test::TempDir temp;
    const std::string dir = temp.path().string();
    {
        feld::test::SimProcess sim;
        sim.start({"--root", dir + "/r", "--log", dir + "/log.jsonl", "--c-size", "1M"});
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
    EXPECT_NE(first.find("\"event\":\"header\""), std::string::npos) << first;
    EXPECT_TRUE(std::filesystem::is_directory(dir + "/r/C"));
}

TEST(SimProgram, OptionsCheckedAndHelpGiven)
{
    const auto help = runSim({"--help"});
    EXPECT_EQ(help.rc, 0);
    EXPECT_EQ(runSim({"--no-such-option"}).rc, 2);
    EXPECT_EQ(runSim({"--baud", "fast"}).rc, 2);
    EXPECT_EQ(runSim({"--force-status", "3:sometimes"}).rc, 2);
    EXPECT_EQ(runSim({"--device", "/nonexistent/tty"}).rc, 1);
    for (const char* opt : {"--device", "--baud", "--root", "--c-size", "--d-size", "--unformatted", "--firmware", "--model",
                            "--log", "--seed", "--corrupt-every", "--drop-every", "--busy-every", "--restart-every",
                            "--duplicate-every", "--repeat-frame", "--force-status", "--stdin-lifetime"})
        EXPECT_NE(help.out.find(opt), std::string::npos) << opt;
}

}  // namespace feld::sim::test
