// feldspan-cli: parses the global options, loads the language's texts and runs one command. The
// commands parse their own arguments; the registry (CliCommand.h) names them.

#include <QCommandLineParser>
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
#include "cli/CliHelp.h"
#include "cli/CliLog.h"
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

void printCommandUsage(std::FILE* to, const CliCommandInfo& c)
{
    std::fputs(commandHelp(c).c_str(), to);
}

int usageError(const std::string& why)
{
    std::fprintf(stderr, "feldspan-cli: %s\n\n", why.c_str());
    std::fprintf(stderr, "%s\n", tk("cli.usageHint", "usage: feldspan-cli [OPTIONS] COMMAND [ARGS...] ('feldspan-cli --help' lists "
                                                    "the options and commands)").c_str());
    return kExitUsage;
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

// The command line split in two: the program's own options (before the command and, as a
// convenience, after it) and the command with its arguments, which the command parses itself.
struct SplitLine {
    QStringList global{QStringLiteral("feldspan-cli")};
    std::string command;
    std::vector<std::string> args;
};

SplitLine splitCommandLine(int argc, char** argv)
{
    static const char* const kWithValue[] = {"--settings", "--device", "--baud"};
    static const char* const kFlags[] = {"--usb", "--yes", "--verbose", "--help", "-h", "--version"};
    auto isOne = [](const std::string& a, auto& names) {
        for (const char* n : names)
            if (a == n)
                return true;
        return false;
    };
    SplitLine line;
    bool endOfOptions = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const std::string name = a.rfind("--", 0) == 0 ? a.substr(0, a.find('=')) : a;
        const bool option = !endOfOptions && a.size() >= 2 && a[0] == '-';
        if (option && a == "--") {
            endOfOptions = true;
            continue;
        }
        if (line.command.empty() && !option) {
            line.command = a;
            continue;
        }
        if (option && (line.command.empty() || isOne(name, kWithValue) || isOne(a, kFlags))) {
            line.global << QString::fromLocal8Bit(a.c_str());
            if (isOne(a, kWithValue) && i + 1 < argc)
                line.global << QString::fromLocal8Bit(argv[++i]);
            continue;
        }
        line.args.push_back(a);
    }
    return line;
}

std::string local(const QString& s) { return s.toLocal8Bit().toStdString(); }

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
    QCoreApplication::setApplicationName(QStringLiteral("feldspan-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kCliVersion));

    const SplitLine line = splitCommandLine(argc, argv);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const GlobalOptions opt;
    opt.addTo(parser);
    if (!parser.parse(line.global))
        return usageError(local(parser.errorText()));
    if (!parser.positionalArguments().isEmpty())
        return usageError("unexpected " + local(parser.positionalArguments().front()));

    CliOptions options;
    options.settingsFile = local(parser.value(opt.settings));
    options.device = local(parser.value(opt.device));
    options.usb = parser.isSet(opt.usb);
    options.yes = parser.isSet(opt.yes);
    options.verbose = parser.isSet(opt.verbose);
    if (parser.isSet(opt.settings) && options.settingsFile.empty())
        return usageError("--settings needs a file name");
    if (parser.isSet(opt.device) && options.device.empty())
        return usageError("--device needs a device path");
    if (parser.isSet(opt.baud)) {
        // The reply time-outs are reckoned for the speeds the port settings offer; any other
        // speed would leave a wait without its proper end.
        const std::string value = local(parser.value(opt.baud));
        if (!parsePositive(value, options.baud) || !Config::isSupportedBaudRate(options.baud))
            return usageError("--baud takes one of the supported rates " + Config::supportedBaudRates() +
                              " (bits per second), not '" + value + "'");
    }
    if (!options.device.empty() && options.usb)
        return usageError("--device and --usb cannot be used together");

    // Speak the user's language: the configured code, else the locale's. A missing or damaged
    // translation leaves the program's own texts in place. (A bad stored value is reported once, by whichever part
    // of the command loads the settings for its own use.)
    {
        Config stored(options.settingsFile);
        stored.load();
        int code = effectiveLanguageCode(stored.languageCode, posixMessageLocale());
        applyLanguage(TextCatalog::instance(), code, Config::withTrailingSeparator(Config::defaultMainPath()) + "lang");
    }

    if (parser.isSet(opt.helpMan)) {
        printManPage(stdout);
        return kExitOk;
    }
    if (parser.isSet(opt.listCommands)) {
        for (const auto& c : CliRegistry::all())
            std::printf("%s\n", c.name);
        return kExitOk;
    }
    if (parser.isSet(opt.version)) {
        std::printf("feldspan-cli %s\n", kCliVersion);
        return kExitOk;
    }
    const bool help = parser.isSet(opt.help);
    if (line.command.empty()) {
        if (help) {
            printProgramHelp(stdout);
            return kExitOk;
        }
        return usageError("no command given");
    }
    const CliCommandInfo* info = CliRegistry::find(line.command);
    if (!info)
        return usageError("unknown command '" + line.command + "'");
    if (help) {
        printCommandUsage(stdout, *info);
        return kExitOk;
    }
    if (options.verbose)
        enableVerboseLogging();

    installSignalHandlers();
    AppContext ctx(options);
    int rc = info->run(ctx, line.args);
    if (rc == kExitUsage) {
        std::fputc('\n', stderr);
        printCommandUsage(stderr, *info);
    }
    if (rc != kExitOk && rc != kExitFailure && rc != kExitUsage)
        rc = kExitFailure;
    return rc;
}
