// The maintenance commands of feldspan-cli that bring files back or new ones in: defrag (drive D:
// copied out, formatted and filled again) and font (a language-support font into D:\Fonts). The
// core procedures ask, report and keep the busy window; this file parses arguments and sums up.

#include <cstdio>
#include <string>
#include <vector>

#include "app/Defragment.h"
#include "app/UpdateCommands.h"
#include "base/Texts.h"
#include "cli/CliCommand.h"
#include "cli/CliSession.h"
#include "cli/CliUi.h"
#include "session/Config.h"

namespace feld::cli {
namespace {

int problemsShown(CliContext& ctx)
{
    auto* ui = dynamic_cast<CliUi*>(&ctx.ui());
    return ui ? ui->problemsShown() : 0;
}

void problem(CliContext& ctx, const std::string& text)
{
    ctx.ui().fixedMessage(text, Icon::Exclamation);
}

// Exit 0 only when every file of D: is back in place.
int defragCommand(CliContext& ctx, const std::vector<std::string>& args)
{
    if (!args.empty())
        return kExitUsage;
    CliSession cli(ctx);
    Defragment defrag(cli.session(), ctx.ui());
    const int shownBefore = problemsShown(ctx);
    if (defrag.Run() == 1) {
        std::printf("%s\n",
                    formatText(defrag.Resumed()
                                   ? tk("cli.defrag.finished", "the earlier defragmentation is finished: %d file(s) of drive D: are back in place")
                                   : tk("cli.defrag.done", "drive D: defragmented: %d file(s) back in place"),
                               {defrag.FilesBack()})
                        .c_str());
        return kExitOk;
    }
    if (problemsShown(ctx) != shownBefore)
        return kExitFailure;
    if (defrag.DriveDUnformatted())
        problem(ctx, tk("cli.defrag.unformatted", "drive D: is not formatted: there is nothing to defragment"));
    else if (defrag.Resumed())
        problem(ctx, formatText(tk("cli.defrag.notFinished",
                                   "the earlier defragmentation was not finished: the copies stay in %s (use --yes to send them back)"),
                                {ctx.config().projectPath}));
    else
        problem(ctx, tk("cli.defrag.notDone", "drive D: was not defragmented"));
    return kExitFailure;
}

// Exit 0 only when the terminal stored the font.
int fontCommand(CliContext& ctx, const std::vector<std::string>& args)
{
    if (args.size() != 1 || args[0].empty())
        return kExitUsage;
    auto* ui = dynamic_cast<CliUi*>(&ctx.ui());
    if (!ui) {
        problem(ctx, tk("cli.noFontHandOver", "this front end cannot hand the font file to the download"));
        return kExitFailure;
    }
    // The download chooses its file through the Ui: the chooser answers with the one given here.
    ui->presetFile(args[0]);
    CliSession cli(ctx);
    UpdateCommands commands(cli.session(), ctx.config(), ctx.ui());
    const int shownBefore = problemsShown(ctx);
    if (commands.LanguageDownload() == 1)
        return kExitOk;
    if (problemsShown(ctx) == shownBefore)
        problem(ctx, formatText(tk("cli.notSent", "%s was not sent"), {args[0]}));
    return kExitFailure;
}

FELD_CLI_COMMAND("defrag", "defrag",
                 "defragment drive D: (its files are copied to the project folder, D: is formatted and they go back)",
                 defragCommand);
FELD_CLI_COMMAND("font", "font FILE.sft", "send a language-support font into D:\\Fonts (replacing one of the same name)",
                 fontCommand);

}  // namespace
}  // namespace feld::cli
