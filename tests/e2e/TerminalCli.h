#pragma once
// Runs feldspan-cli against a feldspan-pdtsim child process whose drives live in a temporary folder:
// the program's exit code, stdout and stderr, and the simulated terminal's log.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "base/Texts.h"
#include "support/SimProcess.h"
#include "support/TestFiles.h"

namespace feld::test {

namespace fs = std::filesystem;

struct CliRun {
    int rc = -1;
    std::string out;
    std::string err;
};

inline std::string slurp(const fs::path& p)
{
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

class TerminalCliFixture : public ::testing::Test {
protected:
    fs::path dir;
    SimProcess sim;

    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("feldspan-e2e-" + std::to_string(::getpid()) + "-" +
               SafeTestName());
        fs::remove_all(dir);
        fs::create_directories(dir / "main" / "DP");
        fs::create_directories(dir / "project");
        fs::create_directories(dir / "pc");
        // A stand-in for the flash writer (the terminal maker's program is not ours to ship).
        WriteFile(dir / "main" / "DP" / "SST_RW.abp", Pattern(1500, 2));
        std::ofstream(dir / "settings.ini")
            << "[FeldSpan]\nPATH\\MAINPATH=" << (dir / "main").string() << "/\nPATH\\PROJECTPATH="
            << (dir / "project").string() << "/\n"
            // The program's own texts, whatever the test machine's locale.
            << "[PATH]\nLANGUAGE=2\n";
    }

    void TearDown() override
    {
        sim.stop();
        if (HasFailure())
            std::fprintf(stderr, "simulator log:\n%s\n", slurp(dir / "sim.log").c_str());
        fs::remove_all(dir);
    }

    static std::string Bin(const std::string& name)
    {
        const char* d = std::getenv("FELDSPAN_BIN_DIR");
        return std::string(d && *d ? d : ".") + "/" + name;
    }

    // Starts the simulated terminal with drives in dir/term and a log in dir/sim.log.
    void StartSim(std::vector<std::string> args = {})
    {
        args.insert(args.end(), {"--root", (dir / "term").string(), "--log", (dir / "sim.log").string()});
        ASSERT_TRUE(sim.start(args, Bin("feldspan-pdtsim"))) << sim.error();
    }

    // feldspan-cli with the test's settings and the simulator's device in front of `args`.
    CliRun Cli(const std::vector<std::string>& args, bool yes = true, int timeoutSec = 300)
    {
        std::vector<std::string> all{Bin("feldspan-cli"), "--settings", (dir / "settings.ini").string(), "--device",
                                     sim.device()};
        if (yes)
            all.push_back("--yes");
        all.insert(all.end(), args.begin(), args.end());
        return Run(all, timeoutSec);
    }

    CliRun Run(std::vector<std::string> all, int timeoutSec)
    {
        CliRun r;
        fs::path out = dir / "cli.out", err = dir / "cli.err";
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&fa, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&fa, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::vector<char*> argv;
        for (auto& a : all)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        pid_t pid = -1;
        int rc = posix_spawn(&pid, argv[0], &fa, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&fa);
        if (rc != 0) {
            r.err = "cannot start " + all[0];
            return r;
        }
        auto end = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSec);
        int status = 0;
        while (::waitpid(pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > end) {
                ::kill(pid, SIGKILL);
                ::waitpid(pid, &status, 0);
                r.err = "timed out\n";
                return r;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        r.rc = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        r.out = slurp(out);
        r.err = slurp(err);
        return r;
    }

    std::vector<std::string> Log() const
    {
        std::vector<std::string> lines;
        std::ifstream f(dir / "sim.log");
        for (std::string l; std::getline(f, l);)
            lines.push_back(l);
        return lines;
    }
    // Log lines holding every one of `pieces`.
    std::vector<std::string> LogWith(std::initializer_list<std::string> pieces) const
    {
        std::vector<std::string> out;
        for (const auto& l : Log()) {
            bool all = true;
            for (const auto& p : pieces)
                all = all && l.find(p) != std::string::npos;
            if (all)
                out.push_back(l);
        }
        return out;
    }

    fs::path PcFile(const std::string& name, std::size_t size, unsigned seed = 7)
    {
        fs::path p = dir / "pc" / name;
        WriteFile(p, Pattern(size, seed));
        return p;
    }
    // The program's own text of an id, formatted as the CLI shows it.
    static std::string Text(int id, std::initializer_list<TextArg> args = {}) { return formatText(builtinText(id), args); }
    static bool Has(const std::string& haystack, const std::string& needle) { return haystack.find(needle) != std::string::npos; }

    fs::path TermRoot(const std::string& drive) const { return dir / "term" / drive; }
};

}  // namespace feld::test
