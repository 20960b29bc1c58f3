// feldspan-cli font and defrag against the simulated terminal: a font goes into D:\Fonts, and a
// defragmentation brings every file of D: back byte for byte.

#include <signal.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "TerminalCli.h"

namespace feld::test {
namespace {

using TerminalMaintenance = TerminalCliFixture;

TEST_F(TerminalMaintenance, FontThenDefragKeepEveryFileOfD)
{
    WriteFile(TermRoot("D") / "LOOKUP" / "CITY.TXT", Pattern(700, 1));
    WriteFile(TermRoot("D") / "PROGRAM" / "APP.ABP", Pattern(9000, 2));
    StartSim();
    fs::path font = PcFile("@oemb-tc.sft", 4000, 3);
    CliRun r = Cli({"font", font.string()});
    ASSERT_EQ(r.rc, 0) << r.err;

    r = Cli({"defrag"});
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "3 file(s) back")) << r.out;
    EXPECT_EQ(LogWith({"\"format\"", "D:"}).size(), 1u);
    EXPECT_EQ(ReadFile(TermRoot("D") / "Fonts" / "@OEMB-TC.SFT"), Pattern(4000, 3));
    EXPECT_EQ(ReadFile(TermRoot("D") / "Lookup" / "CITY.TXT"), Pattern(700, 1));
    EXPECT_EQ(ReadFile(TermRoot("D") / "Program" / "APP.ABP"), Pattern(9000, 2));
    EXPECT_FALSE(fs::exists(dir / "project" / "FSDefrag.lst"));
}

}  // namespace
}  // namespace feld::test

namespace feld::test {
namespace {

// A format the terminal does not confirm is never reported done: whatever it answers instead, the
// command fails with the terminal's reason and both drives keep their files.
TEST_F(TerminalMaintenance, RefusedFormatFailsWithTheTerminalsReason)
{
    struct Case {
        const char* force;
        const char* drive;
        std::string why;
    };
    const Case cases[] = {
        {"4:op=4,C:\\", "C:", "the drive is not formatted"},
        {"9:op=4,C:\\", "C:", "the terminal's power is too low"},
        {"10:op=4,c:\\", "C:", "the terminal refused the name or path"},
        {"42:op=4,D:\\", "D:", "the terminal refused (status 42)"},
        {"12:command=4", "C:", Text(txt::kFileInUse)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.force);
        sim.stop();
        StartSim({"--force-status", c.force});
        WriteFile(TermRoot("C") / "DATA" / "KEEP.TXT", Pattern(10));
        WriteFile(TermRoot("D") / "PROGRAM" / "KEEP.ABP", Pattern(10));
        CliRun r = Cli({"format", c.drive});
        EXPECT_EQ(r.rc, 1);
        EXPECT_TRUE(Has(r.err, c.why)) << r.err;
        EXPECT_FALSE(Has(r.err + r.out, Text(txt::kFormatDone))) << r.err;
        EXPECT_TRUE(fs::exists(TermRoot("C") / "DATA" / "KEEP.TXT"));
        EXPECT_TRUE(fs::exists(TermRoot("D") / "PROGRAM" / "KEEP.ABP"));
        EXPECT_TRUE(LogWith({"\"event\":\"format\""}).empty());
    }
}

// Drive D: is defragmented only when the terminal confirmed its format; refused, the copies go
// back over the files still there and the command fails with the reason.
TEST_F(TerminalMaintenance, DefragWhoseFormatIsRefusedIsNotReportedDone)
{
    WriteFile(TermRoot("D") / "LOOKUP" / "CITY.TXT", Pattern(700, 1));
    StartSim({"--force-status", "9:op=4,D:\\"});
    CliRun r = Cli({"defrag"});
    EXPECT_EQ(r.rc, 1);
    EXPECT_FALSE(Has(r.out, "defragmented")) << r.out;
    EXPECT_TRUE(Has(r.err, "the terminal's power is too low")) << r.err;
    EXPECT_EQ(ReadFile(TermRoot("D") / "LOOKUP" / "CITY.TXT"), Pattern(700, 1));
}

// Ctrl-C while D: is being copied out, before its format: the terminal still has every file, so
// the copies made so far, the list and the work folders all go, and D: is left as it was.
TEST_F(TerminalMaintenance, DefragStoppedBeforeTheFormatLeavesNoCopies)
{
    WriteFile(TermRoot("D") / "LOOKUP" / "CITY.TXT", Pattern(700, 1));
    WriteFile(TermRoot("D") / "LOOKUP" / "ZIP.TXT", Pattern(900, 2));
    WriteFile(TermRoot("D") / "PROGRAM" / "APP.ABP", Pattern(220'000, 3));
    StartSim({"--baud", "115200"});

    std::atomic<pid_t> pid{-1};
    RunOptions options{.timeoutMs = 60'000, .started = [&](pid_t p) { pid = p; }};
    auto run = std::async(std::launch::async, [&] { return Cli({"defrag"}, true, options); });
    // Both lookup files are copied; the program file takes about 20 s on this line.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!fs::exists(dir / "project" / "FSLook" / "ZIP.TXT") && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_TRUE(fs::exists(dir / "project" / "FSLook" / "ZIP.TXT")) << "the copy phase did not start";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_EQ(::kill(pid, SIGINT), 0);
    CliRun r = run.get();

    EXPECT_EQ(r.rc, 130) << r.err;
    std::vector<std::string> left;
    for (const auto& e : fs::directory_iterator(dir / "project"))
        if (e.path().filename() != "Data")  // the received files' folder, made at start-up
            left.push_back(e.path().filename().string());
    EXPECT_TRUE(left.empty()) << "left in the project folder: " << ::testing::PrintToString(left);
    EXPECT_TRUE(LogWith({"\"format\""}).empty());
    EXPECT_EQ(ReadFile(TermRoot("D") / "LOOKUP" / "CITY.TXT"), Pattern(700, 1));
    EXPECT_EQ(ReadFile(TermRoot("D") / "LOOKUP" / "ZIP.TXT"), Pattern(900, 2));
    EXPECT_EQ(ReadFile(TermRoot("D") / "PROGRAM" / "APP.ABP"), Pattern(220'000, 3));
}

}  // namespace
}  // namespace feld::test
