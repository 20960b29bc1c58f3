// Link throughput and cost against the simulated terminal over a pseudo-terminal. Prints figures;
// it is not a test. For each line it sends a file as C:\Data\BENCH.DAT and fetches it back, timing
// both transfers (without the settling pauses) and this process's CPU time:
//
//   - a paced 115200 bit/s line written in 10-ms slices (coarse) and 5 bytes at a time (fine, as a
//     motherboard UART hands them over): payload bytes/s, the share of the protocol's ceiling
//     (11,066 B/s), CPU seconds per MiB and the share of one core;
//   - the same line behind a USB-serial adapter whose latency timer is 16 ms (the common default)
//     and 1 ms (what the driver's low-latency mode asks for);
//   - an unpaced pseudo-terminal: MB/s and the time of one frame's round trip.
//
//   bench-linkthroughput [--sim PATH] [--paced-kib N] [--unpaced-mib N] [--only NAME]

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/PortSettings.h"
#include "base/Ui.h"
#include "link/LinkPort.h"
#include "link/PdtLink.h"
#include "link/wire/TermCodec.h"
#include "support/SimProcess.h"

using namespace feld;

namespace {

constexpr double kSettleSeconds = 0.100;  // the pause before every transfer, not the line's doing
const double kCeiling = 11520.0 * 512.0 / 533.0;  // payload bytes/s of 115200 bit/s: 11,066

double cpuSeconds()
{
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return static_cast<double>(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) + (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

double now() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

struct Leg {
    double seconds = 0;
    double cpu = 0;
};

struct Figures {
    Leg send, receive;
    std::size_t size = 0;
    bool ok = false;
};

std::vector<std::uint8_t> content(std::size_t size)
{
    std::vector<std::uint8_t> v(size);
    std::uint32_t x = 12345;
    for (auto& b : v) {
        x = x * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(x >> 16);
    }
    return v;
}

// Sends `size` bytes as C:\Data\BENCH.DAT and fetches it back over a simulator started with `simArgs`.
Figures run(const std::string& simPath, std::vector<std::string> simArgs, int baud, std::size_t size)
{
    Figures f;
    f.size = size;
    simArgs.insert(simArgs.end(), {"--c-size", std::to_string(64ll * 1024 * 1024)});
    test::SimProcess sim;
    if (!sim.start(simArgs, simPath)) {
        std::fprintf(stderr, "cannot start the simulator: %s\n", sim.error().c_str());
        return f;
    }
    SilentUi ui;
    LinkEnv env;
    env.settings.serialDevice = sim.device();
    env.settings.baudrate = baud;
    env.ui = &ui;
    PdtLink link(env);
    if (!link.Connect(0)) {
        std::fprintf(stderr, "no link: %s\n", link.LastConnectError().c_str());
        return f;
    }

    const std::vector<std::uint8_t> data = content(size);
    wire::FileHeader h;
    h.type = wire::kTypeData;
    h.name = "BENCH.DAT";
    h.sizeField = static_cast<std::uint32_t>(size);
    h.overwrite = 1;
    auto header = wire::makeFileHeader(h);
    std::vector<std::uint8_t> payload(header->size() + data.size());
    std::copy(header->begin(), header->end(), payload.begin());
    std::copy(data.begin(), data.end(), payload.begin() + static_cast<std::ptrdiff_t>(header->size()));

    double c0 = cpuSeconds(), t0 = now();
    int r = link.SendTransfer(wire::kFile, static_cast<std::uint32_t>(payload.size()), payload.data(), false);
    f.send = {now() - t0 - kSettleSeconds, cpuSeconds() - c0};
    if (r != 1) {
        std::fprintf(stderr, "send failed: %d %s\n", r, ui.lastMessage.c_str());
        return f;
    }

    auto cmd = wire::makeCommand(wire::kOpGetFile, "C:\\Data\\BENCH.DAT");
    if (link.SendTransfer(wire::kCommand, static_cast<std::uint32_t>(cmd.size()), cmd.data(), false) != 1) {
        std::fprintf(stderr, "the fetch command failed\n");
        return f;
    }
    BufferSink sink;
    c0 = cpuSeconds();
    t0 = now();
    r = link.ReceiveTransfer(false, Expect::FileOrAnswer(sink));
    f.receive = {now() - t0 - kSettleSeconds, cpuSeconds() - c0};
    if (r != 1 || sink.bytes != data) {
        std::fprintf(stderr, "the file did not come back whole (%zu bytes)\n", sink.bytes.size());
        return f;
    }
    f.ok = true;
    return f;
}

void printPaced(const char* name, const Figures& f)
{
    const double mib = f.size / (1024.0 * 1024.0);
    std::printf("%s\n", name);
    for (const auto& [dir, leg] : {std::pair{"PC -> terminal", f.send}, std::pair{"terminal -> PC", f.receive}}) {
        const double rate = f.size / leg.seconds;
        std::printf("  %s: %8.0f B/s  ratio %.3f  CPU %.3f s/MiB (%.2f%% of a core)\n", dir, rate, rate / kCeiling,
                    leg.cpu / mib, 100.0 * leg.cpu / leg.seconds);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    std::string sim = test::SimProcess::program((std::filesystem::path(argv[0]).parent_path()).string());
    std::size_t pacedKib = 256, unpacedMib = 8;
    std::string only;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string a = argv[i];
        if (a == "--sim")
            sim = argv[i + 1];
        else if (a == "--paced-kib")
            pacedKib = std::strtoul(argv[i + 1], nullptr, 10);
        else if (a == "--unpaced-mib")
            unpacedMib = std::strtoul(argv[i + 1], nullptr, 10);
        else if (a == "--only")
            only = argv[i + 1];
    }
    int rc = 0;
    struct Line {
        const char* key;
        const char* name;
        std::vector<std::string> args;
    };
    const Line lines[] = {
        {"coarse", "paced 115200 bit/s, 10-ms slices:", {"--baud", "115200"}},
        {"fine", "paced 115200 bit/s, 5 bytes at a time (a motherboard UART):", {"--baud", "115200", "--slice-bytes", "5"}},
        {"timer16", "paced 115200 bit/s behind a USB adapter with a 16-ms latency timer:",
         {"--baud", "115200", "--latency-timer", "16"}},
        {"timer1", "paced 115200 bit/s behind a USB adapter with a 1-ms latency timer:",
         {"--baud", "115200", "--latency-timer", "1"}},
    };
    if (pacedKib > 0) {
        std::printf("%zu KiB each way; the protocol's ceiling at 115200 bit/s is %.0f B/s\n", pacedKib, kCeiling);
        for (const Line& l : lines) {
            if (!only.empty() && only != l.key)
                continue;
            Figures f = run(sim, l.args, 115200, pacedKib * 1024);
            if (f.ok)
                printPaced(l.name, f);
            else
                rc = 1;
        }
    }
    if (unpacedMib > 0 && (only.empty() || only == "unpaced")) {
        const std::size_t n = unpacedMib * 1024 * 1024;
        Figures f = run(sim, {}, 115200, n);
        if (!f.ok) {
            rc = 1;
        } else {
            const double frames = std::ceil(n / 512.0);
            std::printf("unpaced pseudo-terminal, %zu MiB each way:\n", unpacedMib);
            for (const auto& [dir, leg] : {std::pair{"PC -> terminal", f.send}, std::pair{"terminal -> PC", f.receive}})
                std::printf("  %s: %6.2f MB/s  (%.2f s, %.1f us a frame with its reply, CPU %.3f s/MiB)\n", dir,
                            n / leg.seconds / 1e6, leg.seconds, 1e6 * leg.seconds / frames, leg.cpu / unpacedMib);
        }
    }
    return rc;
}
