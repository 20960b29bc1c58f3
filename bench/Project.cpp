// The whole job users wait for: `feldspan-cli send` of a generated project of 43 files (a 200 KB
// program, two fonts, 20 lookup files of 5-50 KB, 20 data files of 0.1-5 KB) to feldspan-pdtsim
// on a paced line, from process start to exit. Prints the payload rate as a share of the
// protocol's ceiling and the time each file costs beyond its own frames (the settling pauses, the
// headers and their replies, the listings and commands around the files), for a first send, a
// send of the same project again, and a send again after one lookup file changed. Prints figures;
// it is not a test.
//
//   bench-project [--bin DIR] [--baud N] [--firmware N] [--send-arg ARG]...  (ARG goes to `send`)

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/ProgramRunner.h"
#include "support/SimProcess.h"
#include "support/TestFiles.h"

namespace fs = std::filesystem;
using feld::test::RunResult;

namespace {

struct ProjectFile {
    std::string key;     // "Program", "Lookup3", ...
    std::string name;    // 8.3 name
    std::string folder;  // where the send puts it on the terminal
    std::size_t size = 0;
};

// The files of the project, sizes spread evenly over their ranges so every run sends the same.
std::vector<ProjectFile> projectFiles()
{
    std::vector<ProjectFile> files;
    files.push_back({"Program", "BENCH.ABP", "d:\\program", 200 * 1000});
    files.push_back({"SysFont", "SYSFONT.FNT", "d:\\fonts", 24 * 1024});
    files.push_back({"UserFont", "USER.FNT", "d:\\fonts", 12 * 1024});
    for (int i = 1; i <= 20; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "LOOK%02d.DBF", i);
        files.push_back({"Lookup" + std::to_string(i), name, "d:\\lookup", 5000 + static_cast<std::size_t>(i - 1) * 45000 / 19});
    }
    for (int i = 1; i <= 20; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "DATA%02d.TXT", i);
        files.push_back({"DataFile" + std::to_string(i), name, "c:\\data", 100 + static_cast<std::size_t>(i - 1) * 4900 / 19});
    }
    return files;
}

// The time the frames of one file take on an 8N1 line at `baud`: each data frame is its payload
// plus 9 bytes one way and a 12-byte reply the other, 10 bit times a byte; the payload is the
// file with its header (32 bytes, and the terminal path from firmware 2.01 on).
double framesSeconds(const ProjectFile& f, long baud, int firmware)
{
    std::size_t payload = f.size + 32 + (firmware >= 201 ? f.folder.size() + 1 + f.name.size() : 0);
    double seconds = 0;
    do {
        std::size_t n = payload > 512 ? 512 : payload;
        seconds += (n + 9 + 12) * 10.0 / baud;
        payload -= n;
    } while (payload > 0);
    return seconds;
}

void report(const char* what, const RunResult& r, std::size_t bytes, std::size_t files, double frames, double ceiling)
{
    const double rate = bytes / r.seconds;
    std::printf("  %-22s %6.2f s  %6.0f B/s  ratio %.3f  %zu file(s), %.0f ms a file beyond its frames  CLI CPU %.2f s\n", what,
                r.seconds, rate, rate / ceiling, files, files ? 1000.0 * (r.seconds - frames) / files : 0.0, r.cpuSeconds);
}

}  // namespace

int main(int argc, char** argv)
{
    std::string bin = feld::test::BinDir(fs::path(argv[0]).parent_path().string());
    long baud = 115200;
    int firmware = 201;
    std::vector<std::string> sendExtra;  // e.g. --send-arg --skip-unchanged
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string a = argv[i];
        if (a == "--bin")
            bin = argv[i + 1];
        else if (a == "--baud")
            baud = std::strtol(argv[i + 1], nullptr, 10);
        else if (a == "--firmware")
            firmware = std::atoi(argv[i + 1]);
        else if (a == "--send-arg")
            sendExtra.push_back(argv[i + 1]);
        else {
            std::fprintf(stderr, "usage: %s [--bin DIR] [--baud N] [--firmware N] [--send-arg ARG]...\n", argv[0]);
            return 2;
        }
    }
    if ((argc - 1) % 2 != 0 || baud <= 0 || firmware <= 0) {
        std::fprintf(stderr, "usage: %s [--bin DIR] [--baud N] [--firmware N] [--send-arg ARG]...\n", argv[0]);
        return 2;
    }

    fs::path tmp = fs::temp_directory_path() / ("feldspan-bench-project-" + std::to_string(::getpid()));
    fs::path projectDir = tmp / "BENCH";
    fs::create_directories(projectDir);
    fs::create_directories(tmp / "project");
    std::ofstream(tmp / "settings.ini") << "[FeldSpan]\nPATH\\PROJECTPATH=" << (tmp / "project").string() << "/\n";

    const std::vector<ProjectFile> files = projectFiles();
    std::size_t total = 0;
    double frames = 0;
    {
        std::ofstream ini(projectDir / "BENCH.ini", std::ios::binary);
        ini << "[Project]\r\n";
        unsigned seed = 1;
        for (const ProjectFile& f : files) {
            feld::test::WriteFile(projectDir / f.name, feld::test::Pattern(f.size, seed++));
            ini << f.key << "=C:\\Bench\\" << f.name << "\r\n";
            total += f.size;
            frames += framesSeconds(f, baud, firmware);
        }
    }

    feld::test::SimProcess sim;
    if (!sim.start({"--baud", std::to_string(baud), "--firmware", std::to_string(firmware), "--root", (tmp / "term").string()},
                   bin + "/feldspan-pdtsim")) {
        std::fprintf(stderr, "cannot start the simulated terminal: %s\n", sim.error().c_str());
        fs::remove_all(tmp);
        return 1;
    }
    std::vector<std::string> send{bin + "/feldspan-cli", "--settings", (tmp / "settings.ini").string(), "--device", sim.device(),
                                  "--baud", std::to_string(baud), "--yes", "send"};
    send.insert(send.end(), sendExtra.begin(), sendExtra.end());
    send.push_back((projectDir / "BENCH.ini").string());

    // No time-out: a slow line takes as long as it takes.
    RunResult first = feld::test::RunProgram(send, {.timeoutMs = 0});
    RunResult again = feld::test::RunProgram(send, {.timeoutMs = 0});
    // One lookup file changes: same size, new bytes.
    feld::test::WriteFile(projectDir / files[10].name, feld::test::Pattern(files[10].size, 999));
    RunResult changed = feld::test::RunProgram(send, {.timeoutMs = 0});
    sim.stop();

    int rc = 0;
    if (first.rc != 0 || again.rc != 0 || changed.rc != 0) {
        std::fprintf(stderr, "a send failed: exits %d, %d, %d\n%s\n", first.rc, again.rc, changed.rc, first.err.c_str());
        rc = 1;
    } else {
        // Every file must be on the terminal as it was last sent (found by name: the names are unique).
        for (const ProjectFile& f : files) {
            fs::path stored;
            for (const auto& e : fs::recursive_directory_iterator(tmp / "term"))
                if (e.is_regular_file() && e.path().filename() == f.name)
                    stored = e.path();
            std::ifstream a(stored, std::ios::binary), b(projectDir / f.name, std::ios::binary);
            std::string x((std::istreambuf_iterator<char>(a)), std::istreambuf_iterator<char>());
            std::string y((std::istreambuf_iterator<char>(b)), std::istreambuf_iterator<char>());
            if (stored.empty() || x != y) {
                std::fprintf(stderr, "%s is not on the terminal as sent\n", f.name.c_str());
                rc = 1;
            }
        }
    }
    if (rc == 0) {
        const double ceiling = baud / 10.0 * 512.0 / 533.0;
        std::string extra;
        for (const auto& a : sendExtra)
            extra += " " + a;
        std::printf("feldspan-cli send%s of a %zu-file project of %zu bytes at %ld bit/s, firmware %d (ceiling %.0f B/s; "
                    "its frames alone take %.2f s):\n",
                    extra.c_str(), files.size(), total, baud, firmware, ceiling, frames);
        report("first send", first, total, files.size(), frames, ceiling);
        report("the same again", again, total, files.size(), frames, ceiling);
        report("one lookup file changed", changed, total, files.size(), frames, ceiling);
    }
    fs::remove_all(tmp);
    return rc;
}
