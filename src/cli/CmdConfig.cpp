// feldspan-cli config [KEY [VALUE]]: shows or changes the stored settings. It reads the store as
// it is: none of the program's start-up steps run (no version write, no installation check).
// Only "config KEY VALUE" writes, and only that key's line (nothing when the value is already
// stored); every other command leaves the settings file byte for byte as it was.

#include <cstdio>

#include "base/Ui.h"
#include "cli/CliCommand.h"
#include "session/Config.h"

namespace feld::cli {
namespace {

int configCommand(CliContext& ctx, const std::vector<std::string>& args)
{
    if (args.size() > 2)
        return kExitUsage;

    Ui& ui = ctx.ui();
    Config config(ctx.options().settingsFile);
    for (const std::string& problem : config.load())
        ui.fixedMessage(problem, Icon::Warning);

    if (args.empty()) {
        for (const auto& [key, value] : config.entries())
            std::printf("%s=%s\n", key.c_str(), value.c_str());
        return kExitOk;
    }

    auto key = Config::canonicalKey(args[0]);
    if (!key) {
        ui.fixedMessage(formatText(tk("cli.unknownKey", "unknown key '%s' (run 'feldspan-cli config' to list the keys)"), {args[0]}),
                        Icon::Stop);
        return kExitUsage;
    }
    if (args.size() == 1) {
        std::printf("%s\n", config.value(*key)->c_str());
        return kExitOk;
    }

    std::string error;
    if (!config.setValue(*key, args[1], &error) || !config.storeValue(*key, &error)) {
        ui.fixedMessage(error, Icon::Stop);
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace

FELD_CLI_COMMAND("config", "config [KEY [VALUE]]",
                 "print every setting, print one (KEY) or change one (KEY VALUE)", configCommand);

}  // namespace feld::cli
