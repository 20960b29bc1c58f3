#pragma once
// The commands of feldspan-cli. Each command lives in a file of its own and registers itself with
// FELD_CLI_COMMAND; main.cpp parses the global options and dispatches.

#include <string>
#include <vector>

namespace feld {
class Config;
class Ui;
}

namespace feld::cli {

// Exit codes of every command.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // the message is already on stderr
constexpr int kExitUsage = 2;    // main prints the usage text

struct CliOptions {
    std::string settingsFile;  // --settings FILE: an INI file replaces the settings store for this run
    std::string device;        // --device PATH: the terminal's serial device (or pseudo-terminal)
    bool usb = false;          // --usb: connect over USB
    int baud = 0;              // --baud N: 0 keeps the stored rate
    bool yes = false;          // --yes: answer Yes/OK to every question
    bool verbose = false;      // --verbose: show the link's debug lines
};

class CliContext {
public:
    virtual ~CliContext() = default;
    virtual const CliOptions& options() const = 0;
    virtual Ui& ui() = 0;
    // The configuration after the program's start-up steps (run on first use). The `config`
    // command reads the store without them.
    virtual Config& config() = 0;
};

using CliHandler = int (*)(CliContext& ctx, const std::vector<std::string>& args);

struct CliCommandInfo {
    const char* name;     // "ping", "cradle", ...
    const char* usage;    // "ping" or "cradle list | cradle check FILE.dfu | ..."
    const char* summary;  // one line for the help text
    CliHandler run;
};

class CliRegistry {
public:
    static bool add(const CliCommandInfo& info);
    static const std::vector<CliCommandInfo>& all();
    static const CliCommandInfo* find(const std::string& name);
};

}  // namespace feld::cli

#define FELD_CLI_CONCAT2(a, b) a##b
#define FELD_CLI_CONCAT(a, b) FELD_CLI_CONCAT2(a, b)
#define FELD_CLI_COMMAND(name, usage, summary, fn) \
    static const bool FELD_CLI_CONCAT(feldCliRegistered_, __LINE__) = ::feld::cli::CliRegistry::add({name, usage, summary, fn})
