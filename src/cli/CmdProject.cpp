// The two everyday jobs of project mode from a shell: sending projects to the terminal and
// receiving the data files it collected.

#include <cstdio>
#include <string>
#include <vector>

#include "base/Texts.h"
#include "base/Ui.h"
#include "cli/CliCommand.h"
#include "cli/CliJson.h"
#include "cli/CliSession.h"
#include "cli/CliUi.h"
#include "project/DataReceive.h"
#include "project/ProjectFile.h"
#include "project/ProjectSender.h"
#include "session/Config.h"

namespace feld::cli {
namespace {

void problem(CliContext& ctx, const std::string& text) { ctx.ui().fixedMessage(text, Icon::Exclamation); }

// Takes "--json" out of the arguments; with it, stdout carries the JSON document alone.
bool takeJson(CliContext& ctx, std::vector<std::string>& args)
{
    bool json = false;
    for (auto it = args.begin(); it != args.end();) {
        if (*it == "--json") {
            json = true;
            it = args.erase(it);
        } else {
            ++it;
        }
    }
    if (auto* ui = dynamic_cast<CliUi*>(&ctx.ui()); ui && json)
        ui->messageLinesToStderr();
    return json;
}

int sendCommand(CliContext& ctx, const std::vector<std::string>& args)
{
    std::vector<std::string> files = args;
    const bool json = takeJson(ctx, files);
    bool skipUnchanged = false;
    for (auto it = files.begin(); it != files.end();) {
        if (*it == "--skip-unchanged") {
            skipUnchanged = true;
            it = files.erase(it);
        } else {
            ++it;
        }
    }
    for (const std::string& f : files)
        if (f.size() > 1 && f[0] == '-' && f[1] == '-')
            return kExitUsage;
    Config& config = ctx.config();
    if (files.empty()) {
        // No project named: the one the project builder handed over.
        if (!config.builderIniFound || config.handedOverProject.empty()) {
            problem(ctx, tk("cli.send.none", "no project given, and the project folder's Builder.ini hands none over"));
            return kExitUsage;
        }
        const std::string handed = ResolveHandedOverProject(config.handedOverProject, config.projectPath);
        if (handed.empty()) {
            problem(ctx, tk("cli.send.missing", "the project Builder.ini hands over is not there: ") + config.handedOverProject);
            return kExitFailure;
        }
        files.push_back(handed);
    }
    std::vector<ProjectEntry> projects;
    for (const std::string& f : files) {
        if (f.empty())
            return kExitUsage;
        std::string why;
        std::optional<ProjectEntry> p = ReadProjectFile(ResolveProjectPath(f, config.projectPath + "Project/"), &why);
        if (!p) {
            problem(ctx, why);
            return kExitFailure;
        }
        if (projects.size() == 10) {
            ctx.ui().message(txt::kTooManyProjects, Icon::Exclamation);
            return kExitFailure;
        }
        for (const ProjectEntry& q : projects)
            if (ProjectName(q) == ProjectName(*p)) {
                ctx.ui().message(txt::kProjectAdded, Icon::Exclamation);
                return kExitFailure;
            }
        projects.push_back(*p);
    }
    CliSession cli(ctx);
    ProjectSender sender(cli.session(), ctx.ui());
    sender.skipUnchanged = skipUnchanged;
    QJsonArray sent;
    sender.onFile = [json, &sent, &cli](const ProjectSender::FileOutcome& o) {
        if (json) {
            const char* what = !o.unconfirmed.empty() ? "failed"
                               : o.unchanged          ? "unchanged"
                               : o.result.ok()        ? "sent"
                               : o.declined           ? "kept"
                                                      : "failed";
            QJsonObject entry{{QStringLiteral("source"), jsonText(o.source)},
                              {QStringLiteral("target"), jsonText(o.target)},
                              {QStringLiteral("result"), QString::fromLatin1(what)}};
            // A file that did not go says why: the terminal's refusal, or the line's fault when no
            // answer came; one the terminal took but does not list as sent says that.
            if (!o.unconfirmed.empty()) {
                entry.insert(QStringLiteral("error"), jsonText(o.unconfirmed));
            } else if (!o.result.ok()) {
                const PdtLink* link = cli->Link();
                std::string why = o.declined ? tk("cli.send.keptWhy", "the file exists on the terminal and was not overwritten")
                                  : o.result.status() == term::kFailed && link && !link->LastFailure().empty() ? link->LastFailure()
                                                                                                               : o.result.text();
                entry.insert(QStringLiteral("error"), jsonText(why));
            }
            // A file the listing after the send contradicts is reported again: its entry is replaced.
            for (qsizetype i = sent.size() - 1; !o.unconfirmed.empty() && i >= 0; --i)
                if (sent.at(i).toObject().value(QStringLiteral("target")) == entry.value(QStringLiteral("target"))) {
                    sent.replace(i, entry);
                    return;
                }
            sent.append(entry);
            return;
        }
        // A file that did not go, or did not arrive, is listed by the send itself, with its reason,
        // at its end; an unchanged one as it is passed.
        if (o.result.ok() && !o.unchanged && o.unconfirmed.empty()) {
            std::printf("sent %s -> %s\n", o.source.c_str(), o.target.c_str());
            std::fflush(stdout);
        }
    };
    const int r = sender.Send(projects);
    const bool ok = r == 1 && sender.AllSent();
    if (json)
        printJson(QJsonObject{{QStringLiteral("ok"), ok}, {QStringLiteral("files"), sent}});
    return ok ? kExitOk : kExitFailure;
}

// "--keep-cr" style switches: the last one given wins; the stored value stands without any.
bool takeSwitch(std::vector<std::string>& args, const char* on, const char* off, bool stored)
{
    bool value = stored;
    std::vector<std::string> rest;
    for (const std::string& a : args) {
        if (a == on)
            value = true;
        else if (a == off)
            value = false;
        else
            rest.push_back(a);
    }
    args = rest;
    return value;
}

int receiveCommand(CliContext& ctx, const std::vector<std::string>& argsIn)
{
    std::vector<std::string> args = argsIn;
    const bool json = takeJson(ctx, args);
    Config& config = ctx.config();
    ReceiveChoice base;
    base.saveFolder = config.standby.savePath1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--to") {
            if (i + 1 >= args.size() || args[i + 1].empty())
                return kExitUsage;
            base.saveFolder = args[i + 1];
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
            --i;
        }
    }
    base.append = takeSwitch(args, "--append", "--overwrite", true);
    base.keepCr = takeSwitch(args, "--keep-cr", "--drop-cr", config.carriageReturn != 0);
    base.keepLf = takeSwitch(args, "--keep-lf", "--drop-lf", config.lineFeed != 0);
    base.deleteAfter = takeSwitch(args, "--delete", "--no-delete", config.deleteAfterReceive != 0);
    if (args.empty())
        return kExitUsage;
    for (const std::string& a : args)
        if (a.empty() || a[0] == '-')
            return kExitUsage;

    CliSession cli(ctx);
    int failures = 0;
    QJsonArray received;
    for (const std::string& name : args) {
        DataReceive receive(cli.session(), ctx.ui());
        if (!receive.Begin())
            return kExitFailure;
        ReceiveChoice choice = base;
        choice.name = name;  // bare or with its folder, in any case: the receive takes it as the terminal does
        const bool ok = receive.Receive(choice) == 1;
        failures += !ok;
        const std::string& path = receive.Destination();
        if (json) {
            QJsonObject file{{QStringLiteral("name"), jsonText(receive.Source().empty() ? name : receive.Source())},
                             {QStringLiteral("path"), jsonText(path)},
                             {QStringLiteral("ok"), ok}};
            if (!ok)
                file.insert(QStringLiteral("reason"), jsonText(receive.Outcome().why));
            received.append(file);
        } else if (receive.Outcome().stored) {
            std::printf("%s -> %s\n", receive.Source().c_str(), path.c_str());
        }
    }
    if (json)
        printJson(QJsonObject{{QStringLiteral("ok"), failures == 0}, {QStringLiteral("files"), received}});
    return failures ? kExitFailure : kExitOk;
}

FELD_CLI_COMMAND("send", "send [--json] [--skip-unchanged] [PROJECT.ini...]",
                 "send projects to the terminal (the handed-over project when none is named); --skip-unchanged skips "
                 "files the terminal holds with the same size, date and time",
                 sendCommand);
FELD_CLI_COMMAND("receive",
                 "receive NAME... [--to DIR] [--json] [--append|--overwrite] [--keep-cr|--drop-cr] [--keep-lf|--drop-lf] "
                 "[--delete|--no-delete]",
                 "receive data files of C:\\Data (defaults from the stored settings)", receiveCommand);

}  // namespace
}  // namespace feld::cli
