// What a fetch leaves on the PC when it goes wrong, and where the PC file is not a plain file:
// the previous file stays whole, no temporary stays behind, devices and FIFOs are written through,
// and Ctrl-C, SIGTERM or SIGHUP end get and put at once with the shell's exit codes.

#include <fcntl.h>
#include <termios.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <future>
#include <thread>

#include <chrono>
#include "TerminalCli.h"

namespace feld::test {
namespace {

class TerminalSafety : public TerminalCliFixture {
protected:
    // Files in the PC folder other than `keep`: temporaries a command left behind.
    std::vector<std::string> Strays(const std::string& keep)
    {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(dir / "pc"))
            if (e.path().filename() != keep)
                out.push_back(e.path().filename().string());
        return out;
    }
};

TEST_F(TerminalSafety, FailedFetchKeepsThePreviousFile)
{
    StartSim();
    fs::path old = PcFile("OLD.TXT", 300, 1);
    CliRun r = Cli({"get", "C:\\Data\\NONE.TXT", old.string()});
    EXPECT_EQ(r.rc, 1) << r.err;
    EXPECT_EQ(ReadFile(old), Pattern(300, 1));
    EXPECT_TRUE(Strays("OLD.TXT").empty());
}

// The terminal goes away in the middle of a fetch: the CLI fails within its time-out and the
// previous file stays as it was, with nothing beside it.
TEST_F(TerminalSafety, ATerminalThatVanishesMidFetchFailsAndKeepsThePreviousFile)
{
    WriteFile(TermRoot("C") / "DATA" / "BIG.DAT", Pattern(64 * 1024, 2));
    StartSim({"--baud", "38400"});
    fs::path old = PcFile("OLD.TXT", 300, 1);
    std::thread killer;
    RunOptions options;
    options.timeoutMs = 30'000;
    options.started = [&](pid_t) {
        killer = std::thread([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            sim.kill();
        });
    };
    CliRun r = Cli({"get", "C:\\Data\\BIG.DAT", old.string()}, true, options);
    killer.join();
    EXPECT_EQ(r.rc, 1) << r.err;
    EXPECT_LT(r.seconds, 8.0) << "one reply time-out at most after the terminal went";
    EXPECT_EQ(ReadFile(old), Pattern(300, 1));
    EXPECT_TRUE(Strays("OLD.TXT").empty());
}

// A FIFO and a terminal device are written through, as cp would, and stay what they were.
TEST_F(TerminalSafety, FetchOntoADeviceOrFifoWritesThroughIt)
{
    WriteFile(TermRoot("C") / "DATA" / "SCAN.TXT", Pattern(5000, 4));
    StartSim();

    const fs::path fifo = dir / "pc" / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    termios raw{};
    const std::string slave = ::ptsname(master);
    int keep = ::open(slave.c_str(), O_RDWR | O_NOCTTY);  // raw, so the bytes come through unchanged
    ::tcgetattr(keep, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(keep, TCSANOW, &raw);

    // The FIFO's reader is there before the program looks for one.
    int fifoIn = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(fifoIn, 0);
    for (const auto& [target, readFd] : {std::pair{fifo.string(), fifoIn}, std::pair{slave, master}}) {
        std::future<std::vector<std::uint8_t>> got = std::async(std::launch::async, [readFd = readFd] {
            std::vector<std::uint8_t> bytes;
            std::uint8_t buf[4096];
            const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            while (bytes.size() < 5000 && std::chrono::steady_clock::now() < end) {
                ssize_t n = ::read(readFd, buf, sizeof buf);
                if (n > 0)
                    bytes.insert(bytes.end(), buf, buf + n);
                else
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));  // no writer yet
            }
            return bytes;
        });
        CliRun r = Cli({"get", "C:\\Data\\SCAN.TXT", target});
        EXPECT_EQ(r.rc, 0) << target << ": " << r.err;
        ASSERT_EQ(got.wait_for(std::chrono::seconds(20)), std::future_status::ready) << target;
        EXPECT_EQ(got.get(), Pattern(5000, 4)) << target;
        struct stat st {};
        ASSERT_EQ(::lstat(target.c_str(), &st), 0);
        EXPECT_TRUE(readFd == fifoIn ? S_ISFIFO(st.st_mode) : S_ISCHR(st.st_mode)) << target << " was replaced";
    }
    ::close(fifoIn);
    ::close(keep);
    ::close(master);
    EXPECT_TRUE(Strays("fifo").empty());
}

struct SignalCase {
    const char* command;
    int signal;
    int exitCode;
};

class TerminalSignals : public TerminalSafety, public ::testing::WithParamInterface<SignalCase> {};

// Interrupted in the middle of a transfer on a paced line (the file would take about 20 s), the
// program ends at once with 128 + the signal; a fetch leaves no temporary and the old file whole.
TEST_P(TerminalSignals, EndTheCommandAtOnceAndLeaveNothingPartial)
{
    const SignalCase c = GetParam();
    WriteFile(TermRoot("C") / "DATA" / "BIG.DAT", Pattern(220'000, 6));
    StartSim({"--baud", "115200"});
    fs::path old = PcFile("BIG.DAT", 100, 2);

    std::atomic<pid_t> pid{-1};
    RunOptions options{.timeoutMs = 60'000, .started = [&](pid_t p) { pid = p; }};
    std::vector<std::string> args = std::string(c.command) == "get"
                                        ? std::vector<std::string>{"get", "C:\\Data\\BIG.DAT", old.string()}
                                        : std::vector<std::string>{"put", old.string(), "C:\\Data"};
    if (std::string(c.command) == "put")
        WriteFile(old, Pattern(220'000, 2));
    auto run = std::async(std::launch::async, [&] { return Cli(args, true, options); });

    // Wait until the file is on its way: a temporary that grows (get), or a second gone by (put).
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    bool moving = false;
    while (!moving && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (std::string(c.command) == "put") {
            moving = pid > 0 && run.wait_for(std::chrono::seconds(1)) == std::future_status::timeout;
            continue;
        }
        for (const auto& name : Strays("BIG.DAT"))
            moving = moving || fs::file_size(dir / "pc" / name) > 2000;
    }
    ASSERT_TRUE(moving) << "the transfer did not start";
    const auto sent = std::chrono::steady_clock::now();
    ASSERT_EQ(::kill(pid, c.signal), 0);
    CliRun r = run.get();
    EXPECT_LT(std::chrono::steady_clock::now() - sent, std::chrono::seconds(2));
    EXPECT_EQ(r.rc, c.exitCode) << r.err;
    EXPECT_TRUE(Strays("BIG.DAT").empty()) << "a temporary stayed behind";
    EXPECT_EQ(ReadFile(old), std::string(c.command) == "get" ? Pattern(100, 2) : Pattern(220'000, 2));
}

INSTANTIATE_TEST_SUITE_P(Each, TerminalSignals,
                         ::testing::Values(SignalCase{"get", SIGINT, 130}, SignalCase{"get", SIGTERM, 143},
                                           SignalCase{"put", SIGHUP, 129}),
                         [](const auto& p) { return std::string(p.param.command) + std::to_string(p.param.signal); });

}  // namespace
}  // namespace feld::test
