// Link throughput against the simulated terminal over a pseudo-terminal: 256 KiB each way on a
// paced 115200 bit/s line (payload bytes/s, share of the protocol's ceiling, this process's CPU per
// MiB) and 8 MiB each way unpaced (MB/s). Prints figures; it is not a test.
//
//   bench-linkthroughput [--sim PATH] [--paced-kib N] [--unpaced-mib N]

#include <algorithm>
#include <sys/resource.h>

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

double cpuSeconds()
{
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return static_cast<double>(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) + (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

double now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

struct Figures {
    double sendSeconds = 0, receiveSeconds = 0;
    double sendCpu = 0, receiveCpu = 0;
    bool ok = false;
};

// Sends `size` bytes as C:\Data\BENCH.DAT and fetches it back; times both without the settling sleeps.
Figures run(const std::string& simPath, long baud, std::size_t size, const std::string& /*tmpDir*/)
{
    Figures f;
    std::vector<std::string> args;
    if (baud > 0)
        args = {"--baud", std::to_string(baud)};
    args.push_back("--c-size");
    args.push_back(std::to_string(64ll * 1024 * 1024));
    test::SimProcess sim;
    if (!sim.start(args, simPath)) {
        std::fprintf(stderr, "cannot start the simulator: %s\n", sim.error().c_str());
        return f;
    }
    SilentUi ui;
    PortSettings settings;
    settings.serialDevice = sim.device();
    settings.baudrate = baud > 0 ? static_cast<int>(baud) : 115200;
    LinkEnv env;
    env.settings = settings;
    env.ui = &ui;
    env.clock = &systemClock();
    PdtLink link(env);
    if (!link.Connect(0)) {
        std::fprintf(stderr, "no link: %s\n", link.LastConnectError().c_str());
        return f;
    }

    std::vector<std::uint8_t> content(size);
    std::uint32_t x = 12345;
    for (auto& b : content) {
        x = x * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(x >> 16);
    }
    wire::FileHeader h;
    h.type = wire::kTypeData;
    h.name = "BENCH.DAT";
    h.sizeField = static_cast<std::uint32_t>(size);
    h.overwrite = 1;
    auto header = wire::makeFileHeader(h);
    std::vector<std::uint8_t> payload(header->size() + content.size());
    std::copy(header->begin(), header->end(), payload.begin());
    std::copy(content.begin(), content.end(), payload.begin() + static_cast<std::ptrdiff_t>(header->size()));

    const double settle = 0.100;
    double c0 = cpuSeconds(), t0 = now();
    int r = link.SendTransfer(wire::kFile, static_cast<std::uint32_t>(payload.size()), payload.data(), false);
    f.sendSeconds = now() - t0 - settle;
    f.sendCpu = cpuSeconds() - c0;
    if (r != 1) {
        std::fprintf(stderr, "send failed: %d %s\n", r, ui.lastMessage.c_str());
        return f;
    }

    auto cmd = wire::makeCommand(wire::kOpGetFile, "C:\\Data\\BENCH.DAT");
    if (link.SendTransfer(wire::kCommand, static_cast<std::uint32_t>(cmd.size()), cmd.data(), false) != 1) {
        std::fprintf(stderr, "the fetch command failed\n");
        return f;
    }
    c0 = cpuSeconds();
    t0 = now();
    BufferSink sink;
    r = link.ReceiveTransfer(false, Expect::FileOrAnswer(sink));
    f.receiveSeconds = now() - t0 - settle;
    f.receiveCpu = cpuSeconds() - c0;
    if (r != 1) {
        std::fprintf(stderr, "receive failed\n");
        return f;
    }
    const std::vector<std::uint8_t>& back = sink.bytes;
    if (back != content) {
        std::fprintf(stderr, "the file came back different (%zu bytes)\n", back.size());
        return f;
    }
    f.ok = true;
    return f;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string sim = test::SimProcess::program((std::filesystem::path(argv[0]).parent_path()).string());
    std::size_t pacedKib = 256, unpacedMib = 8;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string a = argv[i];
        if (a == "--sim")
            sim = argv[i + 1];
        else if (a == "--paced-kib")
            pacedKib = std::strtoul(argv[i + 1], nullptr, 10);
        else if (a == "--unpaced-mib")
            unpacedMib = std::strtoul(argv[i + 1], nullptr, 10);
    }
    std::string tmp = std::filesystem::temp_directory_path().string();
    const double ceiling = 11520.0 * 512.0 / 533.0;  // 11,066 B/s
    int rc = 0;

    if (pacedKib > 0) {
        std::size_t n = pacedKib * 1024;
        Figures f = run(sim, 115200, n, tmp);
        if (!f.ok) {
            rc = 1;
        } else {
            double mib = n / (1024.0 * 1024.0);
            double sendRate = n / f.sendSeconds, recvRate = n / f.receiveSeconds;
            std::printf("paced 115200 bit/s, %zu KiB each way (ceiling %.0f B/s):\n", pacedKib, ceiling);
            std::printf("  PC -> terminal: %8.0f B/s  ratio %.3f  CPU %.3f s/MiB (%.2f%% of a core)\n", sendRate, sendRate / ceiling,
                        f.sendCpu / mib, 100.0 * f.sendCpu / f.sendSeconds);
            std::printf("  terminal -> PC: %8.0f B/s  ratio %.3f  CPU %.3f s/MiB (%.2f%% of a core)\n", recvRate, recvRate / ceiling,
                        f.receiveCpu / mib, 100.0 * f.receiveCpu / f.receiveSeconds);
        }
    }
    if (unpacedMib > 0) {
        std::size_t n = unpacedMib * 1024 * 1024;
        Figures f = run(sim, 0, n, tmp);
        if (!f.ok) {
            rc = 1;
        } else {
            std::printf("unpaced pseudo-terminal, %zu MiB each way:\n", unpacedMib);
            std::printf("  PC -> terminal: %6.2f MB/s  (%.2f s, CPU %.3f s/MiB)\n", n / f.sendSeconds / 1e6, f.sendSeconds,
                        f.sendCpu / unpacedMib);
            std::printf("  terminal -> PC: %6.2f MB/s  (%.2f s, CPU %.3f s/MiB)\n", n / f.receiveSeconds / 1e6, f.receiveSeconds,
                        f.receiveCpu / unpacedMib);
        }
    }
    return rc;
}
