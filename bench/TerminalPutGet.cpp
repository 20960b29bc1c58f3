// The whole `put` and `get` commands of feldspan-cli, end to end, against feldspan-pdtsim on a paced
// 115200 bit/s line at firmware 201: process start, connecting, the link check, the disk
// information, the transfer and the exit. Prints the payload rate as a share of the protocol's
// ceiling and the CLI's CPU time as a share of one core. Prints figures; it is not a test.
//
//   bench-terminalputget [--bin DIR] [--kib N] [--baud N] [--sim-arg ARG]...  (ARG goes to the simulator)

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/ProgramRunner.h"
#include "support/SimProcess.h"

namespace fs = std::filesystem;
using feld::test::RunResult;

namespace {

bool sameFiles(const fs::path& a, const fs::path& b)
{
    std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
    std::vector<char> x((std::istreambuf_iterator<char>(fa)), std::istreambuf_iterator<char>());
    std::vector<char> y((std::istreambuf_iterator<char>(fb)), std::istreambuf_iterator<char>());
    return x == y;
}

void report(const char* what, const RunResult& r, std::size_t bytes, double ceiling)
{
    double rate = bytes / r.seconds;
    std::printf("  %-4s %7.2f s  %8.0f B/s  ratio %.3f of the ceiling  CLI CPU %.3f s (%.2f%% of a core)\n", what,
                r.seconds, rate, rate / ceiling, r.cpuSeconds, 100.0 * r.cpuSeconds / r.seconds);
}

}  // namespace

int main(int argc, char** argv)
{
    std::string bin = feld::test::BinDir(fs::path(argv[0]).parent_path().string());
    std::size_t kib = 256;
    long baud = 115200;
    std::vector<std::string> simExtra;  // e.g. --sim-arg --slice-bytes --sim-arg 5
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string a = argv[i];
        if (a == "--bin")
            bin = argv[i + 1];
        else if (a == "--kib")
            kib = std::strtoul(argv[i + 1], nullptr, 10);
        else if (a == "--baud")
            baud = std::strtol(argv[i + 1], nullptr, 10);
        else if (a == "--sim-arg")
            simExtra.push_back(argv[i + 1]);
        else {
            std::fprintf(stderr, "usage: %s [--bin DIR] [--kib N] [--baud N] [--sim-arg ARG]...\n", argv[0]);
            return 2;
        }
    }
    if (kib == 0 || baud <= 0) {
        std::fprintf(stderr, "--kib and --baud must be positive\n");
        return 2;
    }

    fs::path tmp = fs::temp_directory_path() / ("feldspan-bench-putget-" + std::to_string(::getpid()));
    fs::create_directories(tmp / "project");
    {
        std::ofstream ini(tmp / "settings.ini");
        ini << "[FeldSpan]\nPATH\\PROJECTPATH=" << (tmp / "project").string() << "/\n";
    }
    const std::size_t n = kib * 1024;
    fs::path src = tmp / "BENCH.DAT", back = tmp / "back.dat";
    {
        std::ofstream f(src, std::ios::binary);
        for (std::size_t i = 0; i < n; ++i)
            f.put(static_cast<char>((i * 131 + (i >> 11)) & 0xFF));
    }

    feld::test::SimProcess sim;
    std::vector<std::string> simArgs{"--baud", std::to_string(baud), "--firmware", "201", "--root", (tmp / "term").string()};
    simArgs.insert(simArgs.end(), simExtra.begin(), simExtra.end());
    if (!sim.start(simArgs, bin + "/feldspan-pdtsim")) {
        std::fprintf(stderr, "cannot start the simulated terminal: %s\n", sim.error().c_str());
        fs::remove_all(tmp);
        return 1;
    }
    std::vector<std::string> cli{bin + "/feldspan-cli", "--settings", (tmp / "settings.ini").string(), "--device",
                                 sim.device(), "--baud", std::to_string(baud), "--yes"};

    auto with = [&](std::initializer_list<std::string> more) {
        std::vector<std::string> v = cli;
        v.insert(v.end(), more);
        return v;
    };
    // No time-out: a big file on a slow line takes as long as it takes.
    RunResult put = feld::test::RunProgram(with({"put", src.string(), "C:\\Data"}), {.timeoutMs = 0});
    RunResult get = feld::test::RunProgram(with({"get", "C:\\Data\\BENCH.DAT", back.string()}), {.timeoutMs = 0});
    sim.stop();

    int rc = 0;
    if (put.rc != 0 || get.rc != 0) {
        std::fprintf(stderr, "a command failed: put exit %d, get exit %d\n", put.rc, get.rc);
        rc = 1;
    } else if (!sameFiles(src, back)) {
        std::fprintf(stderr, "the file came back different\n");
        rc = 1;
    } else {
        // Each 512-byte frame costs 521 bytes one way and a 12-byte reply the other way; a byte is
        // 10 bit times on an 8N1 line.
        const double ceiling = baud / 10.0 * 512.0 / 533.0;
        std::string extra;
        for (const auto& a : simExtra)
            extra += " " + a;
        std::printf("whole feldspan-cli commands, %zu KiB at %ld bit/s%s, firmware 201 (ceiling %.0f B/s):\n", kib, baud,
                    extra.c_str(), ceiling);
        report("put", put, n, ceiling);
        report("get", get, n, ceiling);
    }
    fs::remove_all(tmp);
    return rc;
}
