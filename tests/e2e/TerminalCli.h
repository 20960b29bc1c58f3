#pragma once
// Runs feldspan-cli against a feldspan-pdtsim child process whose drives live in a temporary folder:
// the program's exit code, stdout and stderr, and the simulated terminal's log.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/Texts.h"
#include "support/ProgramRunner.h"
#include "support/SimProcess.h"
#include "support/TestFiles.h"

namespace feld::test {

namespace fs = std::filesystem;

using CliRun = RunResult;

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
            // The texts exactly as the code has them (its Traditional Chinese and the English of its
            // own messages), whatever the test machine's locale: a code that names no language
            // loads no translation.
            << "[PATH]\nLANGUAGE=9\n";
    }

    void TearDown() override
    {
        sim.stop();
        if (HasFailure())
            std::fprintf(stderr, "simulator log:\n%s\n", ReadText(dir / "sim.log").c_str());
        fs::remove_all(dir);
    }

    // Starts the simulated terminal with drives in dir/term and a log in dir/sim.log.
    void StartSim(std::vector<std::string> args = {})
    {
        args.insert(args.end(), {"--root", (dir / "term").string(), "--log", (dir / "sim.log").string()});
        ASSERT_TRUE(sim.start(args)) << sim.error();
    }

    // feldspan-cli with the test's settings and the simulator's device in front of `args`.
    CliRun Cli(const std::vector<std::string>& args, bool yes = true, int timeoutSec = 300) { return Cli(args, yes, {.timeoutMs = timeoutSec * 1000}); }
    CliRun Cli(const std::vector<std::string>& args, bool yes, RunOptions options)
    {
        std::vector<std::string> all{BinProgram("feldspan-cli"), "--settings", (dir / "settings.ini").string(), "--device",
                                     sim.device()};
        if (yes)
            all.push_back("--yes");
        all.insert(all.end(), args.begin(), args.end());
        return RunProgram(all, options);
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

    // A command's --json output; a null document when it is not JSON.
    static QJsonDocument Json(const CliRun& run) { return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)); }
    // The entry of an `ls --json` listing with this name; an empty object when there is none.
    static QJsonObject Entry(const CliRun& ls, const std::string& name)
    {
        for (const auto& e : Json(ls).array())
            if (e.toObject().value("name").toString().toStdString() == name)
                return e.toObject();
        return {};
    }

    fs::path TermRoot(const std::string& drive) const { return dir / "term" / drive; }
};

}  // namespace feld::test
