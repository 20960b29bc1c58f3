// feldspan-cli: parses the global options, loads the language's texts and runs one command.

#include <QCoreApplication>

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "base/Language.h"
#include "base/SafeFile.h"
#include "base/Texts.h"
#include "cli/CliCommand.h"
#include "cli/CliUi.h"
#include "session/Config.h"
#include "session/Translations.h"

namespace {

using namespace feld;
using namespace feld::cli;

class AppContext : public CliContext {
public:
    explicit AppContext(CliOptions options) : options_(std::move(options)), ui_(options_.yes, options_.verbose) {}

    const CliOptions& options() const override { return options_; }
    Ui& ui() override { return ui_; }
    Config& config() override
    {
        if (!config_) {
            // The desktop program writes the version at start; a command line tool that only
            // reads must leave the settings file as it was.
            config_ = std::make_unique<Config>(options_.settingsFile);
            config_->startUp(ui_, StartUpWrites::Nothing);
        }
        return *config_;
    }
    CliUi& cliUi() { return ui_; }

private:
    CliOptions options_;
    CliUi ui_;
    std::unique_ptr<Config> config_;
};

void printUsage(std::FILE* to)
{
    std::fprintf(to,
                 "usage: feldspan-cli [OPTIONS] COMMAND [ARGS...]\n"
                 "\n"
                 "Links this PC with the handheld terminal and its cradle.\n"
                 "\n"
                 "Options:\n"
                 "  --settings FILE  use this INI file instead of the user's settings\n"
                 "  --device PATH    the terminal's serial device (for this run)\n"
                 "  --usb            connect over USB (for this run)\n"
                 "  --baud N         line speed in bit/s (for this run): one of\n"
                 "                   %s\n"
                 "  --yes            answer Yes/OK to every question\n"
                 "  --verbose        show status, port and debug lines\n"
                 "  --help           show this text\n"
                 "\n"
                 "Commands:\n",
                 Config::supportedBaudRates().c_str());
    for (const auto& c : CliRegistry::all())
        std::fprintf(to, "  %-16s %s\n", c.name, c.summary ? c.summary : "");
    std::fprintf(to, "\nRun 'feldspan-cli COMMAND --help' for a command's arguments.\n"
                     "Exit codes: 0 success, 1 failure (reason on stderr), 2 usage error.\n");
}

void printCommandUsage(std::FILE* to, const CliCommandInfo& c)
{
    std::fprintf(to, "usage: feldspan-cli [OPTIONS] %s\n", c.usage ? c.usage : c.name);
    if (c.summary)
        std::fprintf(to, "%s\n", c.summary);
}

bool parsePositive(const std::string& text, int& out)
{
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    out = std::atoi(text.c_str());
    return out > 0;
}

// Ctrl-C, SIGTERM and SIGHUP end the program at once, as a shell expects (exit 128 + the signal),
// but never leave a half-fetched file behind: the temporaries go first.
extern "C" void onTerminatingSignal(int sig)
{
    feld::RemoveTemporariesNow();
    static const char kText[] = "\nfeldspan-cli: interrupted\n";
    [[maybe_unused]] ssize_t w = ::write(2, kText, sizeof kText - 1);
    ::_exit(128 + sig);
}

void installSignalHandlers()
{
    struct sigaction sa {};
    sa.sa_handler = onTerminatingSignal;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(sig, &sa, nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    // QtCore wants an application object for a few of its services; nothing here needs its
    // event loop.
    QCoreApplication app(argc, argv);

    CliOptions options;
    std::string command;
    std::vector<std::string> args;
    bool help = false;
    bool endOfOptions = false;

    auto usageError = [](const std::string& why) {
        std::fprintf(stderr, "feldspan-cli: %s\n\n", why.c_str());
        printUsage(stderr);
        return kExitUsage;
    };

    // Global options are recognised before and after the command name, up to a "--".
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (endOfOptions || a.size() < 2 || a[0] != '-') {
            if (command.empty())
                command = a;
            else
                args.push_back(a);
            continue;
        }
        if (a == "--") {
            endOfOptions = true;
            continue;
        }
        std::string name = a, value;
        bool hasValue = false;
        if (auto eq = a.find('='); a.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = a.substr(0, eq);
            value = a.substr(eq + 1);
            hasValue = true;
        }
        auto takeValue = [&]() -> bool {
            if (hasValue)
                return true;
            if (i + 1 >= argc)
                return false;
            value = argv[++i];
            return true;
        };
        if (name == "--settings") {
            if (!takeValue() || value.empty())
                return usageError("--settings needs a file name");
            options.settingsFile = value;
        } else if (name == "--device") {
            if (!takeValue() || value.empty())
                return usageError("--device needs a device path");
            options.device = value;
        } else if (name == "--baud") {
            // The reply time-outs are reckoned for the speeds the port settings offer; any other
            // speed would leave a wait without its proper end.
            if (!takeValue() || !parsePositive(value, options.baud) || !Config::isSupportedBaudRate(options.baud))
                return usageError("--baud takes one of the supported rates " + Config::supportedBaudRates() +
                                  " (bits per second), not '" + value + "'");
        } else if (name == "--usb" && !hasValue) {
            options.usb = true;
        } else if (name == "--yes" && !hasValue) {
            options.yes = true;
        } else if (name == "--verbose" && !hasValue) {
            options.verbose = true;
        } else if ((name == "--help" || name == "-h") && !hasValue) {
            help = true;
        } else if (!command.empty()) {
            // Options the global parser does not know belong to the command.
            args.push_back(a);
        } else {
            return usageError("unknown option " + a);
        }
    }
    if (!options.device.empty() && options.usb)
        return usageError("--device and --usb cannot be used together");

    if (command.empty()) {
        if (help) {
            printUsage(stdout);
            return kExitOk;
        }
        return usageError("no command given");
    }
    const CliCommandInfo* info = CliRegistry::find(command);
    if (!info)
        return usageError("unknown command '" + command + "'");
    if (help) {
        printCommandUsage(stdout, *info);
        return kExitOk;
    }

    // Speak the user's language: the configured code, else the locale's. A missing or damaged
    // translation leaves the program's own texts in place. (A bad stored value is reported once, by whichever part
    // of the command loads the settings for its own use.)
    {
        Config stored(options.settingsFile);
        stored.load();
        int code = effectiveLanguageCode(stored.languageCode, posixMessageLocale());
        applyLanguage(TextCatalog::instance(), code, Config::withTrailingSeparator(Config::defaultMainPath()) + "lang");
    }

    installSignalHandlers();
    AppContext ctx(options);
    int rc = info->run(ctx, args);
    if (rc == kExitUsage) {
        std::fputc('\n', stderr);
        printCommandUsage(stderr, *info);
    }
    if (rc != kExitOk && rc != kExitFailure && rc != kExitUsage)
        rc = kExitFailure;
    return rc;
}
