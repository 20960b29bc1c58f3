// The whole job users wait for: `feldspan-cli send` of a generated project of 43 files (a 200 KB
// program, two fonts, 20 lookup files of 5-50 KB, 20 data files of 0.1-5 KB) to feldspan-pdtsim
// on a paced line, from process start to exit. Four sends: the first, the same again (every file
// overwritten after its question), the same again with --skip-unchanged, and with --skip-unchanged
// after one lookup file changed (same size, new bytes and time). Prints the payload rate as a share
// of the protocol's ceiling, the time each file costs beyond its own frames, and where the time
// goes, read off the simulated terminal's log: the gap before each file's transfer (the settling
// pause the link keeps before every transfer, the PC's own work), each file's time on the line
// beyond its bytes (turnarounds), the listings, disk information and link checks, and the time
// outside any exchange (start, opening the port, exit). Prints figures; it is not a test.
//
//   bench-project [--bin DIR] [--baud N] [--firmware N] [--send-arg ARG]...  (ARG goes to every `send`)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
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

// One line of the simulated terminal's log, the fields the breakdown reads.
struct LogEvent {
    std::string event;
    bool complete = true;  // a transfer's "receive": taken whole, not refused or abandoned
    long long ms = 0, code = -1, op = -1, length = 0;
};

long long numberField(const std::string& line, const char* key)
{
    const std::string k = std::string("\"") + key + "\":";
    const auto at = line.find(k);
    return at == std::string::npos ? -1 : std::strtoll(line.c_str() + at + k.size(), nullptr, 10);
}

std::vector<LogEvent> readLog(const fs::path& path)
{
    std::vector<LogEvent> events;
    std::ifstream f(path);
    for (std::string line; std::getline(f, line);) {
        LogEvent e;
        const auto at = line.find("\"event\":\"");
        if (at == std::string::npos)
            continue;
        e.event = line.substr(at + 9, line.find('"', at + 9) - at - 9);
        e.ms = numberField(line, "ms");
        e.code = numberField(line, "code");
        e.op = numberField(line, "op");
        e.length = numberField(line, "length");
        e.complete = line.find("\"result\":\"complete\"") != std::string::npos;
        events.push_back(e);
    }
    return events;
}

// The time a transfer of `length` payload bytes takes on the wire: its header frame and reply, and
// each data frame (payload + 9 bytes) with its 12-byte reply, 10 bit times a byte.
double wireSeconds(long long length, long baud)
{
    double bytes = 14 + 12;
    long long left = length;
    while (left > 0) {
        const long long n = left > 512 ? 512 : left;
        bytes += n + 9 + 12;
        left -= n;
    }
    return bytes * 10.0 / baud;
}

// Where a run's time went, from the events the terminal logged during it.
void breakdown(const std::vector<LogEvent>& events, const RunResult& r, long baud)
{
    struct Sum {
        int count = 0;
        double seconds = 0;
    };
    Sum files, gapsBeforeFiles, beyondWire, linkChecks, refusedFiles;
    std::map<long long, Sum> commands;  // by op
    long long headerMs = -1, prevEndMs = -1, firstMs = -1, lastMs = -1, code = -1, length = 0, op = -1;
    double inExchanges = 0;
    for (const LogEvent& e : events) {
        if (e.event == "header") {
            headerMs = e.ms;
            code = e.code;
            length = e.length;
            if (firstMs < 0)
                firstMs = e.ms;
            if (code == 3 || code == 8) {
                if (prevEndMs >= 0) {
                    gapsBeforeFiles.seconds += (e.ms - prevEndMs) / 1000.0;
                    ++gapsBeforeFiles.count;
                }
            }
        } else if (e.event == "receive" && headerMs >= 0) {
            if ((code == 3 || code == 8) && !e.complete) {
                // Refused at its first frame (the file exists): the question, then the file again.
                ++refusedFiles.count;
                refusedFiles.seconds += (e.ms - headerMs) / 1000.0;
                inExchanges += (e.ms - headerMs) / 1000.0;
                prevEndMs = lastMs = e.ms;
            } else if (code == 3 || code == 8) {
                const double took = (e.ms - headerMs) / 1000.0;
                ++files.count;
                files.seconds += took;
                beyondWire.seconds += took - wireSeconds(length, baud);
                inExchanges += took;
                prevEndMs = lastMs = e.ms;
            } else if (code == 1) {
                ++linkChecks.count;
                linkChecks.seconds += (e.ms - headerMs) / 1000.0;
                inExchanges += (e.ms - headerMs) / 1000.0;
                prevEndMs = lastMs = e.ms;
            }
        } else if (e.event == "command") {
            op = e.op;
        } else if (e.event == "send" && headerMs >= 0 && op >= 0) {
            // The terminal's answer to a command went: the exchange ends here.
            Sum& c = commands[op];
            ++c.count;
            c.seconds += (e.ms - headerMs) / 1000.0;
            inExchanges += (e.ms - headerMs) / 1000.0;
            prevEndMs = lastMs = e.ms;
            op = -1;
        }
    }
    auto each = [](const Sum& s) { return s.count ? 1000.0 * s.seconds / s.count : 0.0; };
    std::printf("      %d file(s): %.2f s on the line, %.1f ms a file beyond their bytes on the wire (turnarounds);"
                " %.1f ms before each file's transfer (the link's 100 ms settling pause and the PC's own work)\n",
                files.count, files.seconds, files.count ? 1000.0 * beyondWire.seconds / files.count : 0.0, each(gapsBeforeFiles));
    static const std::map<long long, const char*> names = {{0, "listings"}, {5, "disk information"}, {1, "deletes"}};
    std::string text;
    for (const auto& [o, sum] : commands) {
        auto n = names.find(o);
        char part[160];
        std::snprintf(part, sizeof part, "%s%d %s (op %lld) %.0f ms each", text.empty() ? "" : "; ", sum.count,
                      n == names.end() ? "commands" : n->second, o, each(sum));
        text += part;
    }
    if (refusedFiles.count) {
        char part[128];
        std::snprintf(part, sizeof part, "%s%d file(s) refused as existing, %.0f ms each", text.empty() ? "" : "; ",
                      refusedFiles.count, each(refusedFiles));
        text += part;
    }
    if (linkChecks.count) {
        char part[96];
        std::snprintf(part, sizeof part, "%s%d link check(s) %.0f ms each", text.empty() ? "" : "; ", linkChecks.count, each(linkChecks));
        text += part;
    }
    const double span = firstMs >= 0 && lastMs >= firstMs ? (lastMs - firstMs) / 1000.0 : 0.0;
    std::printf("      %s; between exchanges %.2f s; outside them (start, opening the port, exit) %.2f s\n",
                text.empty() ? "no command" : text.c_str(), span - inExchanges, r.seconds - span);
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
    const fs::path log = tmp / "sim.log";
    if (!sim.start({"--baud", std::to_string(baud), "--firmware", std::to_string(firmware), "--root", (tmp / "term").string(),
                    "--log", log.string()},
                   bin + "/feldspan-pdtsim")) {
        std::fprintf(stderr, "cannot start the simulated terminal: %s\n", sim.error().c_str());
        fs::remove_all(tmp);
        return 1;
    }
    auto sendCommand = [&](bool skipUnchanged) {
        std::vector<std::string> send{bin + "/feldspan-cli", "--settings", (tmp / "settings.ini").string(), "--device", sim.device(),
                                      "--baud", std::to_string(baud), "--yes", "send"};
        send.insert(send.end(), sendExtra.begin(), sendExtra.end());
        if (skipUnchanged)
            send.push_back("--skip-unchanged");
        send.push_back((projectDir / "BENCH.ini").string());
        return send;
    };
    // Each run with the terminal's events logged during it. No time-out: a slow line takes as long
    // as it takes.
    struct Run {
        RunResult result;
        std::vector<LogEvent> events;
    };
    std::size_t seen = 0;
    auto run = [&](bool skipUnchanged) {
        Run r;
        r.result = feld::test::RunProgram(sendCommand(skipUnchanged), {.timeoutMs = 0});
        std::vector<LogEvent> all = readLog(log);
        r.events.assign(all.begin() + static_cast<std::ptrdiff_t>(std::min(seen, all.size())), all.end());
        seen = all.size();
        return r;
    };
    Run first = run(false);
    Run again = run(false);
    Run unchanged = run(true);
    // One lookup file changes: same size, new bytes, a later time.
    const fs::path changedFile = projectDir / files[10].name;
    const auto changedTime = fs::last_write_time(changedFile);
    feld::test::WriteFile(changedFile, feld::test::Pattern(files[10].size, 999));
    fs::last_write_time(changedFile, changedTime + std::chrono::seconds(10));
    Run changed = run(true);
    sim.stop();

    int rc = 0;
    auto sentLines = [](const RunResult& r) {
        std::size_t n = 0;
        std::istringstream lines(r.out);
        for (std::string l; std::getline(lines, l);)
            n += l.rfind("sent ", 0) == 0 && l.find(" -> ") != std::string::npos;
        return n;
    };
    if (first.result.rc != 0 || again.result.rc != 0 || unchanged.result.rc != 0 || changed.result.rc != 0) {
        std::fprintf(stderr, "a send failed: exits %d, %d, %d, %d\n%s%s\n", first.result.rc, again.result.rc, unchanged.result.rc,
                     changed.result.rc, first.result.err.c_str(), changed.result.err.c_str());
        rc = 1;
    } else if (sentLines(unchanged.result) != 0 || sentLines(changed.result) != 1) {
        std::fprintf(stderr, "--skip-unchanged sent %zu file(s) of an unchanged project and %zu after one changed (0 and 1 expected)\n",
                     sentLines(unchanged.result), sentLines(changed.result));
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
        report("first send", first.result, total, files.size(), frames, ceiling);
        breakdown(first.events, first.result, baud);
        report("the same again", again.result, total, files.size(), frames, ceiling);
        breakdown(again.events, again.result, baud);
        std::printf("  %-22s %6.2f s  %zu file(s) sent  CLI CPU %.2f s\n", "unchanged, skipped", unchanged.result.seconds,
                    sentLines(unchanged.result), unchanged.result.cpuSeconds);
        breakdown(unchanged.events, unchanged.result, baud);
        const double oneFile = framesSeconds(files[10], baud, firmware);
        std::printf("  %-22s %6.2f s  %zu file(s) sent, %.0f ms beyond that file's frames  CLI CPU %.2f s\n",
                    "one lookup changed", changed.result.seconds, sentLines(changed.result),
                    1000.0 * (changed.result.seconds - oneFile), changed.result.cpuSeconds);
        breakdown(changed.events, changed.result, baud);
    }
    fs::remove_all(tmp);
    return rc;
}
