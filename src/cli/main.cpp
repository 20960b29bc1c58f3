// feldspan-cli: parses the global options, loads the language's texts and runs one command. The
// commands parse their own arguments; the registry (CliCommand.h) names them.

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "base/Interrupts.h"
#include "base/Language.h"
#include "base/SafeFile.h"
#include "base/Texts.h"
#include "base/WineQt.h"
#include "cli/CliCommand.h"
#include "cli/CliHelp.h"
#include "cli/CliJson.h"
#include "cli/CliLog.h"
#include "cli/CliUi.h"
#include "session/Config.h"
#include "session/Translations.h"

namespace {

using namespace feld;
using namespace feld::cli;

class AppContext : public CliContext {
public:
    AppContext(CliOptions options, ProjectFolders folders)
        : options_(std::move(options)), ui_(options_.yes, options_.verbose), folders_(folders)
    {
    }

    const CliOptions& options() const override { return options_; }
    Ui& ui() override { return ui_; }
    Config& config() override
    {
        if (!config_) {
            // The desktop program writes the version at start; a command line tool that only
            // reads must leave the settings file as it was.
            config_ = std::make_unique<Config>(options_.settingsFile);
            config_->startUp(ui_, StartUpWrites::Nothing, folders_);
        }
        return *config_;
    }
    CliUi& cliUi() { return ui_; }

private:
    CliOptions options_;
    CliUi ui_;
    ProjectFolders folders_;
    std::unique_ptr<Config> config_;
};

// The commands that put files into the project folder or its Data folder by default create them
// when they are missing; every other command leaves the disk alone.
ProjectFolders foldersFor(const std::string& command)
{
    for (const char* c : {"send", "receive", "collect", "dump", "defrag"})
        if (command == c)
            return ProjectFolders::Create;
    return ProjectFolders::Leave;
}

void printCommandUsage(std::FILE* to, const CliCommandInfo& c)
{
    std::fputs(commandHelp(c).c_str(), to);
}

int usageError(const std::string& why)
{
    std::fprintf(stderr, "feldspan-cli: %s\n", why.c_str());
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

// Whether a command's usage names `flag` as one of its own ("ports [--usb]"): after that command,
// the flag is the command's, not the program's.
bool commandTakes(const std::string& command, const std::string& flag)
{
    const CliCommandInfo* info = CliRegistry::find(command);
    if (!info || !info->usage)
        return false;
    const std::string usage = info->usage;
    for (std::size_t at = usage.find(flag); at != std::string::npos; at = usage.find(flag, at + 1)) {
        const std::size_t end = at + flag.size();
        const bool startsWord = at == 0 || usage[at - 1] == ' ' || usage[at - 1] == '[' || usage[at - 1] == '|';
        const bool endsWord = end == usage.size() || usage[end] == ' ' || usage[end] == ']' || usage[end] == '|';
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

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
        if (option && (line.command.empty() || isOne(name, kWithValue) || isOne(a, kFlags)) &&
            (line.command.empty() || !commandTakes(line.command, a))) {
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

}  // namespace

int main(int argc, char** argv)
{
    TakeQtVariablesFromWine();
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
        applyLanguage(TextCatalog::instance(), code, Config::withTrailingSeparator(Config::dataFolder()) + "lang");
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

    // Ctrl-C and the like end the program at once, as a shell expects, but never leave a
    // half-fetched file behind: the temporaries go first.
    EndOnInterrupt("\nfeldspan-cli: interrupted\n");
    AppContext ctx(options, foldersFor(line.command));
    int rc = info->run(ctx, line.args);
    if (rc == kExitUsage)
        printCommandUsage(stderr, *info);
    if (rc != kExitOk && rc != kExitFailure && rc != kExitUsage)
        rc = kExitFailure;
    // A script that asked for JSON gets a document whatever happened: a failure the command did
    // not describe in one of its own says why in {"ok": false, "error": ...}.
    const bool jsonAsked = commandTakes(line.command, "--json") &&
                           std::find(line.args.begin(), line.args.end(), "--json") != line.args.end();
    if (jsonAsked && rc != kExitOk && !jsonPrinted()) {
        std::string why = ctx.cliUi().firstProblem();
        if (rc == kExitUsage && why.empty())
            why = formatText(tk("cli.json.usage", "wrong arguments; usage: feldspan-cli %s"), {info->usage});
        if (why.empty())
            why = formatText(tk("cli.json.failed", "%s failed"), {info->name});
        printJsonFailure(why);
    }
    return rc;
}
