// A soak of the link against feldspan-pdtsim with every fault kind mixed in: mixed transfers of 0 to
// 300 KiB in both directions at firmware 199, 200 and 201 (a third each), through the link's own
// PutFile / PutFileToPath and GetFile into a safely replaced PC file. Prints transfers, faults
// injected, retries, bytes and failures, and fails (exit 1) unless every file arrived byte-exact or
// its failure was reported with nothing partial left on either side.
//
// The fault mix is about one fault in five frames each way: the terminal corrupts every 10th frame
// it sends, sends every 10th data frame again once the PC took it (as if the PC's answer had been
// lost) and does the same with the first frame and the frame at counter 49 of every transfer it
// sends, answers every 5th PC data frame "busy" first, restarts every 5th transfer it sends, and
// leaves every 2,000th PC data frame unanswered (a dropped frame costs a whole reply time-out of
// 2 s, so more drops would only measure waiting).
//
//   bench-soak [--transfers N] [--max-kib N] [--seed N] [--bin DIR]

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/SafeFile.h"
#include "base/Ui.h"
#include "link/PdtLink.h"
#include "support/RecorderUi.h"
#include "support/SimProcess.h"

namespace fs = std::filesystem;
using namespace feld;

namespace {

std::vector<std::uint8_t> readAll(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAll(const fs::path& p, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Whatever is in `folder` besides the files named in `expected`: a temporary or a partial file.
int strayFiles(const fs::path& folder, std::size_t expected)
{
    std::size_t n = 0;
    for (const auto& e : fs::directory_iterator(folder))
        n += e.is_regular_file();
    return static_cast<int>(n) - static_cast<int>(expected);
}

struct Totals {
    int transfers = 0, up = 0, down = 0, failures = 0, wrong = 0, partial = 0;
    std::uint64_t bytes = 0, retries = 0, faults = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    std::string bin = test::BinDir(fs::path(argv[0]).parent_path().string());
    int transfers = 1000;
    std::size_t maxKib = 300;
    unsigned seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--transfers")
            transfers = std::atoi(argv[i + 1]);
        else if (a == "--max-kib")
            maxKib = std::strtoul(argv[i + 1], nullptr, 10);
        else if (a == "--seed")
            seed = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
        else if (a == "--bin")
            bin = argv[i + 1];
        else {
            std::fprintf(stderr, "usage: %s [--transfers N] [--max-kib N] [--seed N] [--bin DIR]\n", argv[0]);
            return 2;
        }
    }
    const fs::path dir = fs::temp_directory_path() / ("feldspan-soak-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    std::mt19937 rng(seed);
    Totals t;
    const auto start = std::chrono::steady_clock::now();
    const int firmwares[] = {199, 200, 201};
    for (int f = 0; f < 3; ++f) {
        const int firmware = firmwares[f];
        const fs::path root = dir / ("fw" + std::to_string(firmware));
        const fs::path pc = root / "pc";
        fs::create_directories(pc);
        fs::create_directories(root / "term" / "C" / "DATA");
        const fs::path log = root / "sim.log";
        test::SimProcess sim;
        if (!sim.start({"--firmware", std::to_string(firmware), "--seed", std::to_string(seed + f), "--corrupt-every", "10",
                        "--busy-every", "5", "--restart-every", "5", "--duplicate-every", "10", "--repeat-frame", "0:all",
                        "--repeat-frame", "49:all", "--drop-every", "2000",
                        "--root", (root / "term").string(), "--log", log.string()},
                       test::SimProcess::program(bin))) {
            std::fprintf(stderr, "cannot start the simulator: %s\n", sim.error().c_str());
            return 1;
        }
        test::RecorderUi ui;
        PortSettings settings;
        settings.serialDevice = sim.device();
        LinkEnv env;
        env.settings = settings;
        env.ui = &ui;
        env.clock = &systemClock();
        PdtLink link(env);
        if (link.Connect(0) != 1) {
            std::fprintf(stderr, "cannot connect: %s\n", link.LastConnectError().c_str());
            return 1;
        }
        const int share = transfers / 3 + (f < transfers % 3 ? 1 : 0);
        for (int i = 0; i < share; ++i) {
            const std::size_t size = std::uniform_int_distribution<std::size_t>(0, maxKib * 1024)(rng);
            std::vector<std::uint8_t> content(size);
            for (auto& b : content)
                b = static_cast<std::uint8_t>(rng());
            char name[16];
            std::snprintf(name, sizeof name, "S%04d.DAT", i);
            const fs::path onTerminal = root / "term" / "C" / "DATA" / name;
            ++t.transfers;
            if (rng() & 1) {
                ++t.up;
                const fs::path local = root / name;
                writeAll(local, content);
                const int r = (firmware >= 201 ? link.PutFileToPath(local.string(), std::string("C:\\DATA\\") + name, 1, 0, false)
                                               : link.PutFile(local.string(), "C:\\Data", 1, false, false))
                                  .status();
                fs::remove(local);
                if (r == term::kDone) {
                    t.bytes += size;
                    if (readAll(onTerminal) != content)
                        ++t.wrong;
                    fs::remove(onTerminal);  // checked: the drive is not left to fill up
                } else {
                    ++t.failures;
                    if (t.failures <= 10)
                        std::printf("  failed: %s to the terminal, %zu bytes, firmware %d: %d %s\n", name, size, firmware, r,
                                    link.LastFailure().c_str());
                    if (fs::exists(onTerminal))
                        ++t.partial;  // the terminal stores a file only when all of it came
                }
            } else {
                ++t.down;
                writeAll(onTerminal, content);
                const fs::path target = pc / name;
                SafeFileWriter w;
                int r = 0;
                if (w.Open(target.string())) {
                    SafeFileSink sink(w);
                    r = link.GetFile(std::string("C:\\DATA\\") + name, sink, false).status();
                    if (r == term::kDone && !w.Commit())
                        r = term::kFailed;
                    if (r != term::kDone)
                        w.Discard();
                }
                if (r == term::kDone) {
                    t.bytes += size;
                    if (readAll(target) != content)
                        ++t.wrong;
                    fs::remove(target);
                } else {
                    ++t.failures;
                    if (t.failures <= 10)
                        std::printf("  failed: %s to the PC, %zu bytes, firmware %d: %d %s\n", name, size, firmware, r,
                                    link.LastFailure().c_str());
                    if (fs::exists(target))
                        ++t.partial;
                }
                if (strayFiles(pc, 0) != 0)
                    ++t.partial;  // a temporary left beside the target
                fs::remove(onTerminal);
            }
        }
        t.retries += link.Engine().RetriesTotal();
        sim.stop();
        std::ifstream in(log);
        for (std::string l; std::getline(in, l);)
            t.faults += l.find("fault") != std::string::npos;
        std::printf("firmware %d: %d transfers done\n", firmware, share);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage ru{};
    ::getrusage(RUSAGE_SELF, &ru);
    const double cpu = ru.ru_utime.tv_sec + ru.ru_stime.tv_sec + (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
    std::printf("transfers %d (%d to the terminal, %d to the PC), faults injected %llu, retries %llu\n", t.transfers, t.up,
                t.down, static_cast<unsigned long long>(t.faults), static_cast<unsigned long long>(t.retries));
    std::printf("bytes moved %llu in %.1f s, PC-side CPU %.1f s; failures %d (reported, nothing partial left: %s), "
                "files not byte-exact %d\n",
                static_cast<unsigned long long>(t.bytes), seconds, cpu, t.failures, t.partial ? "NO" : "yes", t.wrong);
    fs::remove_all(dir);
    const bool ok = t.wrong == 0 && t.partial == 0;
    std::printf("%s\n", ok ? "soak: every file byte-exact or its failure reported cleanly" : "soak: FAILED");
    return ok ? 0 : 1;
}
