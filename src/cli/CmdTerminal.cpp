// The everyday terminal commands of feldspan-cli: info, ls, get, dump, put, rm, format, firmware, and the
// cradle's version. Each is a thin shell over the core procedures: they ask, report and keep the
// busy window; this file only parses arguments and prints results.


#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/Maintenance.h"
#include "app/UpdateCommands.h"
#include "base/AsciiCase.h"
#include "base/LocalFile.h"
#include "base/PcFiles.h"
#include "base/PcPath.h"
#include "base/Texts.h"
#include "cli/CliCommand.h"
#include "cli/CliJson.h"
#include "cli/CliSession.h"
#include "cli/CliUi.h"
#include "cli/CradleVersion.h"
#include "explorer/TransferProcedures.h"
#include "link/wire/TermCodec.h"
#include "link/wire/TermNames.h"
#include "link/wire/TermStatus.h"
#include "session/Config.h"

namespace feld::cli {
namespace {

// Splits "--json" off the arguments.
bool takeFlag(std::vector<std::string>& args, const char* flag)
{
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (*it == flag) {
            args.erase(it);
            return true;
        }
    }
    return false;
}

// How many problems the CLI's Ui has shown so far (0 when the Ui is another one).
int problemsShown(CliContext& ctx)
{
    auto* ui = dynamic_cast<CliUi*>(&ctx.ui());
    return ui ? ui->problemsShown() : 0;
}

void problem(CliContext& ctx, const std::string& text)
{
    ctx.ui().fixedMessage(text, Icon::Exclamation);
}

// For a terminal listing on screen: control characters become "?".
std::string printable(const std::string& s)
{
    std::string out = s;
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return out;
}

// "1 byte", "2 bytes".
std::string bytesText(long long n) { return std::to_string(n) + (n == 1 ? " byte" : " bytes"); }

// A terminal path from the command line: "/" is taken as "\" (shells make "\" awkward), and the
// path must be one the terminal has (drive C: or D:, 8.3 names, no "." or ".." parts).
bool terminalPathArg(CliContext& ctx, std::string& path)
{
    for (char& c : path)
        if (c == '/')
            c = '\\';
    if (std::string why = wire::pathProblem(path); !why.empty()) {
        problem(ctx, formatText(tk("cli.notTerminalPath", "'%s' is not a path on the terminal (%s); write it as C:\\Data\\NAME.TXT"),
                                {printable(path), why}));
        return false;
    }
    return true;
}

// A failure nothing has explained yet: the line's reason when the line was at fault, else `what`.
void explainFailure(CliContext& ctx, Session& session, int shownBefore, const std::string& what)
{
    PdtLink* link = session.Link();
    if (link && !link->LastFailure().empty())
        problem(ctx, formatText(tk("cli.failedBecause", "%s: %s"), {what, link->LastFailure()}));
    else if (problemsShown(ctx) == shownBefore)
        problem(ctx, what);
}

// What a status the terminal answered instead of doing something means, for `what`.
std::string statusProblem(int status, const std::string& what)
{
    switch (status) {
    case term::kFailed: return formatText(tk("cli.noSuchEntry", "%s: no such file or folder on the terminal"), {what});
    case term::kNotFormatted: return formatText(tk("cli.notFormatted", "%s: the drive is not formatted"), {what});
    case term::kRefused: return formatText(tk("cli.refusedName", "%s: the terminal refused the name or path"), {what});
    default: return formatText(tk("cli.failedBecause", "%s: %s"), {what, term::statusText(status)});
    }
}

// A calendar time the words can really stand for; nothing for an impossible one (an entry whose
// date was never set reads as 1980-00-00).
std::optional<wire::TermDateTime> realDate(const wire::TermDateTime& t)
{
    static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > kDays[t.month - 1] || t.hour > 23 || t.minute > 59 ||
        t.second > 59)
        return std::nullopt;
    return t;
}

struct Disk {
    int version = 0, cTotal = 0, cFree = 0, dTotal = 0, dFree = 0;
};

// The disk information; false (with a message) when the terminal did not give it.
bool diskInfo(CliContext& ctx, Session& session, Disk& d)
{
    const term::Result r = session.Link()->GetDiskInfo(d.version, d.cTotal, d.cFree, d.dTotal, d.dFree);
    if (!r.ok()) {
        problem(ctx, term::explained(tk("cli.noDiskInfoWhy", "the terminal did not report its disk information"), r));
        return false;
    }
    return true;
}

std::string driveText(int total, int free)
{
    if (free < 0)
        return bytesText(total) + ", not formatted";
    return bytesText(total) + ", " + std::to_string(free) + " free";
}

int infoCommand(CliContext& ctx, const std::vector<std::string>& argsIn)
{
    std::vector<std::string> args = argsIn;
    bool json = takeFlag(args, "--json");
    if (!args.empty())
        return kExitUsage;
    CliSession cli(ctx);
    if (!cli->ConnectLink(0))
        return kExitFailure;
    Disk d;
    if (!diskInfo(ctx, cli.session(), d))
        return kExitFailure;
    if (json) {
        // A drive that is not formatted reports a negative free size, kept as the terminal gave it.
        auto drive = [](int total, int free) { return QJsonObject{{QStringLiteral("total"), total}, {QStringLiteral("free"), free}}; };
        printJson(QJsonObject{{QStringLiteral("ok"), true},
                              {QStringLiteral("firmware"), d.version},
                              {QStringLiteral("c"), drive(d.cTotal, d.cFree)},
                              {QStringLiteral("d"), drive(d.dTotal, d.dFree)}});
    } else {
        std::printf("firmware  %d.%02d\n", d.version / 100, d.version % 100);
        std::printf("drive C:  %s\n", driveText(d.cTotal, d.cFree).c_str());
        std::printf("drive D:  %s\n", driveText(d.dTotal, d.dFree).c_str());
    }
    return kExitOk;
}

const char* kindOf(std::uint8_t attribute)
{
    if (attribute & wire::kAttrFolder)
        return "folder";
    if (attribute == wire::kAttrDrive)
        return "drive";
    return "file";
}

// Whether `folder` is a folder of its parent's listing (a drive's root always is). False also
// when the parent cannot be listed: an empty listing is then no proof the folder is there.
bool folderInParent(Session& session, const std::string& folder)
{
    std::string path = folder;
    while (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    const std::size_t cut = path.rfind('\\');
    if (cut == std::string::npos || cut + 1 >= path.size())
        return true;  // "C:" or "C:\\"
    const std::string parent = cut == 2 ? path.substr(0, 3) : path.substr(0, cut);
    const std::string name = path.substr(cut + 1);
    int count = 0;
    const std::uint8_t* data = session.Link()->ListDirectory(parent, count);
    if (!data)
        return false;
    for (const auto& e : wire::decodeDirectory(data, static_cast<std::size_t>(count) * wire::kDirEntrySize))
        if ((e.attribute & wire::kAttrFolder) && equalsNoCase(e.name, name))
            return true;
    return false;
}

int lsCommand(CliContext& ctx, const std::vector<std::string>& argsIn)
{
    std::vector<std::string> args = argsIn;
    bool json = takeFlag(args, "--json");
    if (args.size() != 1 || args[0].empty())
        return kExitUsage;
    std::string folder = args[0];
    if (!terminalPathArg(ctx, folder))
        return kExitFailure;
    CliSession cli(ctx);
    if (!cli->ConnectLink(0))
        return kExitFailure;
    // The dates in a listing are written the way this firmware writes them.
    Disk d;
    if (!diskInfo(ctx, cli.session(), d))
        return kExitFailure;
    const int shownBefore = problemsShown(ctx);
    int count = 0;
    const std::uint8_t* data = cli->Link()->ListDirectory(folder, count);
    if (!data) {
        const int status = cli->Link()->LastAnswerStatus();
        if (status >= 0 && status != term::kDone)
            problem(ctx, statusProblem(status, folder));
        else
            explainFailure(ctx, cli.session(), shownBefore, formatText(tk("cli.notListed", "could not list %s on the terminal"), {folder}));
        return kExitFailure;
    }
    std::vector<wire::DirEntry> entries = wire::decodeDirectory(data, static_cast<std::size_t>(count) * wire::kDirEntrySize);
    if (entries.empty() && !folderInParent(cli.session(), folder)) {
        // Some firmware lists a folder that is not there as an empty one; its parent tells.
        problem(ctx, statusProblem(term::kFailed, folder));
        return kExitFailure;
    }
    QJsonArray list;
    std::string out;
    for (const auto& e : entries) {
        auto t = realDate(wire::decodeDateTime(e.date.data(), e.time.data(), d.version));
        std::string when = t ? formatText("%04d-%02d-%02dT%02d:%02d:%02d", {t->year, t->month, t->day, t->hour, t->minute, t->second})
                             : std::string();
        if (json)
            list.append(QJsonObject{{QStringLiteral("name"), jsonText(e.name)},
                                    {QStringLiteral("kind"), QString::fromLatin1(kindOf(e.attribute))},
                                    {QStringLiteral("size"), static_cast<qint64>(e.size)},
                                    {QStringLiteral("modified"), t ? QJsonValue(jsonText(when)) : QJsonValue(QJsonValue::Null)}});
        else
            out += formatText("%-12s  %-6s  %10u  %s\n", {printable(e.name), kindOf(e.attribute), e.size, t ? when : "-"});
    }
    if (json)
        printJson(list);
    else
        std::fputs(out.c_str(), stdout);
    return kExitOk;
}

// The end of a fetch: why it failed, or "C:\DATA\X.TXT -> /path (12 bytes)" (a device or FIFO
// has no size: "written through").
int fetchOutcome(CliContext& ctx, CliSession& cli, int shownBefore, bool fetched, const std::string& terminalPath,
                 const std::string& local)
{
    if (!fetched) {
        explainFailure(ctx, cli.session(), shownBefore, formatText(tk("cli.notFetched", "%s was not fetched"), {terminalPath}));
        return kExitFailure;
    }
    std::error_code ec;
    auto size = std::filesystem::file_size(FsPath(local), ec);
    std::printf("%s -> %s (%s)\n", terminalPath.c_str(), local.c_str(),
                ec ? "written through" : bytesText(static_cast<long long>(size)).c_str());
    return kExitOk;
}

int getCommand(CliContext& ctx, const std::vector<std::string>& args)
{
    if (args.size() != 2 || args[0].empty() || args[1].empty())
        return kExitUsage;
    std::string terminalPath = args[0];
    if (!terminalPathArg(ctx, terminalPath))
        return kExitFailure;
    std::string local = args[1];
    if (IsDirectory(local) || IsPcSeparator(local.back())) {
        // Into a folder: under the terminal file's own name, which must stay inside that folder.
        std::string name = TransferProcedures::TerminalFileName(terminalPath);
        if (!wire::isSafeTerminalName(name)) {
            problem(ctx, formatText(tk("cli.unsafeName", "the terminal name '%s' cannot be used as a file name here; give a local file name"),
                                    {printable(name)}));
            return kExitFailure;
        }
        local = PcJoin(local, name);
    }
    // A file already on the PC is replaced only when the user says so, as put asks on the terminal.
    if (IsRegularFile(local, true) &&
        !accepted(ctx.ui().ask(0, formatText(tk("cli.replaceLocal", "%s exists on this PC. Replace it?"), {local}), Buttons::YesNo,
                               Icon::Question))) {
        problem(ctx, formatText(tk("cli.notFetchedExists", "not fetched: %s exists (use --yes to replace it)"), {local}));
        return kExitFailure;
    }
    CliSession cli(ctx);
    TransferProcedures procedures(cli.session(), ctx.ui());
    const int shownBefore = problemsShown(ctx);
    const bool fetched = procedures.FetchExact(terminalPath, local) == 1;
    return fetchOutcome(ctx, cli, shownBefore, fetched, terminalPath, local);
}

// dump C|D [OUT]: the terminal's image of a drive, byte for byte, into OUT (a file, or a folder to
// put the image's own name in) or into the project folder. An image already there is replaced only
// by a complete new one, without asking: a dump is always meant to be the latest.
int dumpCommand(CliContext& ctx, const std::vector<std::string>& args)
{
    if (args.empty() || args.size() > 2 || (args.size() == 2 && args[1].empty()))
        return kExitUsage;
    std::string drive = args[0];
    if (drive.size() == 3 && drive.back() == '\\')
        drive.pop_back();
    if (drive.size() == 2 && drive.back() == ':')
        drive.pop_back();
    if (drive.size() != 1 || (drive != "C" && drive != "c" && drive != "D" && drive != "d"))
        return kExitUsage;
    const char letter = (drive == "C" || drive == "c") ? 'C' : 'D';
    const std::string image = letter == 'C' ? "DUMPCIMG.IMG" : "DUMPDIMG.IMG";
    std::string out = args.size() == 2 ? args[1] : std::string();
    if (!out.empty() && (IsDirectory(out) || out.back() == '/'))
        out += (out.back() == '/' ? "" : "/") + image;
    CliSession cli(ctx);
    TransferProcedures procedures(cli.session(), ctx.ui());
    const int shownBefore = problemsShown(ctx);
    const std::string terminalPath = std::string(1, letter) + ":\\" + image;
    const bool fetched = procedures.DumpImage(letter, out) == 1;
    return fetchOutcome(ctx, cli, shownBefore, fetched, terminalPath, out.empty() ? ctx.config().projectPath + image : out);
}

int putCommand(CliContext& ctx, const std::vector<std::string>& args)
{
    if (args.size() != 2 || args[0].empty() || args[1].empty())
        return kExitUsage;
    std::string folder = args[1];
    if (!terminalPathArg(ctx, folder))
        return kExitFailure;
    CliSession cli(ctx);
    TransferProcedures procedures(cli.session(), ctx.ui());
    const int shownBefore = problemsShown(ctx);
    if (procedures.Upload(args[0], folder) == term::kDone)
        return kExitOk;
    if (procedures.Declined())
        problem(ctx, formatText(tk("cli.notSentExists", "not sent: %s exists on the terminal (use --yes to overwrite)"), {args[0]}));
    else
        explainFailure(ctx, cli.session(), shownBefore, formatText(tk("cli.notSent", "%s was not sent"), {args[0]}));
    return kExitFailure;
}

int rmCommand(CliContext& ctx, const std::vector<std::string>& argsIn)
{
    if (argsIn.empty())
        return kExitUsage;
    std::vector<std::string> paths = argsIn;
    for (auto& path : paths) {
        if (path.empty())
            return kExitUsage;
        if (!terminalPathArg(ctx, path))
            return kExitFailure;  // nothing is deleted when any path is wrong
    }
    CliSession cli(ctx);
    if (!cli->ConnectLink(0))
        return kExitFailure;
    int failures = 0;
    cli->BeginOperation();
    for (const auto& path : paths) {
        const int shownBefore = problemsShown(ctx);
        if (cli->Link()->RunCommand(wire::kOpDelete, path).ok()) {
            std::printf("removed %s\n", path.c_str());
            continue;
        }
        ++failures;
        const int status = cli->Link()->LastAnswerStatus();
        const std::string notRemoved = formatText(tk("cli.notRemoved", "could not remove %s"), {path});
        if (status < 0)
            explainFailure(ctx, cli.session(), shownBefore, notRemoved);
        else if (status == term::kFailed)
            problem(ctx, formatText(tk("cli.noSuchFileOrFull", "%s: no such file on the terminal (or a folder that is not empty)"), {path}));
        else if (problemsShown(ctx) == shownBefore)
            problem(ctx, statusProblem(status, notRemoved));
    }
    cli->EndOperation();
    return failures ? kExitFailure : kExitOk;
}

int formatCommand(CliContext& ctx, const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return kExitUsage;
    std::string drive = args[0];
    if (!drive.empty() && drive.back() == '\\')
        drive.pop_back();
    bool c = drive == "C:" || drive == "c:";
    bool d = drive == "D:" || drive == "d:";
    if (!c && !d)
        return kExitUsage;
    CliSession cli(ctx);
    Maintenance maintenance(cli.session(), ctx.ui());
    const int shownBefore = problemsShown(ctx);
    if ((c ? maintenance.FormatC() : maintenance.FormatD()) == 1)
        return kExitOk;
    explainFailure(ctx, cli.session(), shownBefore, formatText(tk("cli.notFormattedDrive", "drive %s was not formatted"), {drive}));
    return kExitFailure;
}

int firmwareCommand(CliContext& ctx, const std::vector<std::string>& args)
{
    if (args.size() != 1 || args[0].empty())
        return kExitUsage;
    auto* ui = dynamic_cast<CliUi*>(&ctx.ui());
    if (!ui) {
        problem(ctx, tk("cli.noKernelHandOver", "this front end cannot hand the kernel file to the update"));
        return kExitFailure;
    }
    // A file the update could not take is named now, before the user is asked to let drives C:
    // and D: be erased for it.
    LocalFile kernel;
    std::string why;
    if (!PdtLink::ReadKernelImage(args[0], kernel, why)) {
        problem(ctx, why);
        return kExitFailure;
    }
    // The update chooses its file through the Ui: the chooser answers with the one given here.
    ui->presetFile(args[0]);
    CliSession cli(ctx);
    UpdateCommands commands(cli.session(), ctx.config(), ctx.ui());
    return commands.FirmwareUpdate() == 1 ? kExitOk : kExitFailure;
}

FELD_CLI_COMMAND("info", "info [--json]", "the terminal's firmware version and drive sizes", infoCommand);
FELD_CLI_COMMAND("ls", "ls [--json] FOLDER", "list a terminal folder, e.g. ls 'C:\\Data'", lsCommand);
FELD_CLI_COMMAND("get", "get TERMINAL_PATH LOCAL_PATH", "fetch a terminal file byte for byte", getCommand);
FELD_CLI_COMMAND("dump", "dump C|D [OUT]", "fetch the terminal's image of drive C: or D: byte for byte (into the project folder)",
                 dumpCommand);
FELD_CLI_COMMAND("put", "put LOCAL_FILE TERMINAL_FOLDER", "send a file into a terminal folder, e.g. put a.txt 'C:\\Data'",
                 putCommand);
FELD_CLI_COMMAND("rm", "rm TERMINAL_PATH...", "delete files on the terminal", rmCommand);
FELD_CLI_COMMAND("format", "format C:|D:", "format a terminal drive (all its files are lost)", formatCommand);
FELD_CLI_COMMAND("firmware", "firmware KERNEL.bin", "replace the terminal's kernel (drives C: and D: are erased)",
                 firmwareCommand);

}  // namespace

int cradleVersionCommand(CliContext& ctx, const std::vector<std::string>& args)
{
    if (!args.empty())
        return kExitUsage;
    CliSession cli(ctx);
    UpdateCommands commands(cli.session(), ctx.config(), ctx.ui());
    UpdateCommands::CradleVersion v = commands.AboutCradle();
    if (!v.ok)
        return kExitFailure;
    std::printf("%s\n", v.text.c_str());
    return kExitOk;
}

}  // namespace feld::cli
