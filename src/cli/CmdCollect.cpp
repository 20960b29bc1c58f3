// Resident collection without a window: the stored schedule ("Standby" settings and the receive
// options) run from a shell, a kiosk or a service, until Ctrl-C or SIGTERM, or one pass with
// --once. One line per file, as the window's message view shows it.

#include <cstdio>
#include <string>
#include <vector>

#include "app/Resident.h"
#include "base/Clock.h"
#include "base/Interrupts.h"
#include "base/SafeFile.h"
#include "base/Texts.h"
#include "base/Ui.h"
#include "cli/CliCommand.h"
#include "cli/CliJson.h"
#include "cli/CliSession.h"
#include "cli/CliUi.h"
#include "session/Config.h"

namespace feld::cli {
namespace {

std::string scheduleText(const StandbyBlock& b)
{
    if (b.type == 0)
        return formatText(tk("cli.collect.every", "every %d s"), {b.timeInterval});
    std::string times;
    for (std::size_t i = 0; i < b.fixTime.size(); ++i)
        if (b.fixTimeEnable[i])
            times += (times.empty() ? "" : ", ") + LocalTimeText(b.fixTime[i]);
    return times.empty() ? tk("cli.collect.noTimes", "at fixed times, none of which is switched on")
                         : tk("cli.collect.daily", "daily at ") + times;
}

int collectCommand(CliContext& ctx, const std::vector<std::string>& args)
{
    bool once = false, json = false;
    for (const std::string& a : args) {
        if (a == "--once")
            once = true;
        else if (a == "--json")
            json = true;
        else
            return kExitUsage;
    }
    if (json && !once)
        return kExitUsage;  // a run until Ctrl-C has no one result to print
    if (auto* ui = dynamic_cast<CliUi*>(&ctx.ui()); ui && json)
        ui->messageLinesToStderr();
    Config& config = ctx.config();
    const StandbyBlock& block = config.standby;
    int files = 0;
    for (int e : block.fileEnable)
        files += e != 0;
    if (files == 0) {
        ctx.ui().fixedMessage(tk("cli.collect.noFiles",
                                 "no terminal file is switched on for collection: set FeldSpan/Standby/FileEnable1 "
                                 "and string1 (and the others) with `feldspan-cli config KEY VALUE`, or in the window's "
                                 "resident settings"),
                              Icon::Exclamation);
        return kExitFailure;
    }
    if (!FolderTakesFiles(block.savePath)) {
        ctx.ui().message(txt::kBadSavePath, Icon::Exclamation);
        ctx.ui().fixedMessage(tk("cli.collect.storage", "storage folder (FeldSpan/Standby/SavePath): ") + block.savePath,
                              Icon::Exclamation);
        return kExitFailure;
    }

    CliSession cli(ctx);
    Session& session = cli.session();
    if (!session.ConnectLink(0))
        return kExitFailure;
    ResidentCollector collector(session, ctx.ui());
    if (once) {
        const CollectResult r = collector.Pass();
        if (json) {
            QJsonArray problems;
            for (const std::string& why : r.problems)
                problems.append(jsonText(why));
            printJson(QJsonObject{{QStringLiteral("ok"), r.ok()},
                                  {QStringLiteral("collected"), r.collected},
                                  {QStringLiteral("failed"), r.failed},
                                  {QStringLiteral("kept"), r.kept},
                                  {QStringLiteral("problems"), problems}});
        }
        return r.ok() ? kExitOk : kExitFailure;
    }

    // The first Ctrl-C ends the run after the file being fetched; a second one ends it at once, as
    // everywhere else in the program.
    StopOnInterrupt();
    auto stop = [] { return StopRequested(); };
    std::fprintf(stderr, "%s\n",
                 formatText(tk("cli.collect.start", "collecting %d file(s) %s into %s; Ctrl-C stops"),
                            {files, scheduleText(block), block.savePath})
                     .c_str());
    collector.Restart();
    Clock& clock = session.clock();
    while (!stop()) {
        // One tick a second, on the second.
        clock.sleepMs(static_cast<int>(1000 - clock.monotonicMs() % 1000));
        if (stop())
            break;
        collector.Tick(stop);
    }
    return kExitOk;
}

FELD_CLI_COMMAND("collect", "collect [--once [--json]]",
                 "collect the terminal files of the resident schedule into its folder, until stopped (or one pass)",
                 collectCommand);

}  // namespace
}  // namespace feld::cli
