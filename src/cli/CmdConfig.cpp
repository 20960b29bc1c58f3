// feldspan-cli config [KEY [VALUE]]: shows or changes the stored settings. It reads the store as
// it is: none of the program's start-up steps run (no version write, no installation check).

#include <cstdio>

#include "cli/CliCommand.h"
#include "session/Config.h"

namespace feld::cli {
namespace {

int configCommand(CliContext& ctx, const std::vector<std::string>& args)
{
    if (args.size() > 2)
        return kExitUsage;

    Config config(ctx.options().settingsFile);
    config.load();

    if (args.empty()) {
        for (const auto& [key, value] : config.entries())
            std::printf("%s=%s\n", key.c_str(), value.c_str());
        return kExitOk;
    }

    auto key = Config::canonicalKey(args[0]);
    if (!key) {
        std::fprintf(stderr, "error: unknown key '%s' (run 'feldspan-cli config' to list the keys)\n", args[0].c_str());
        return kExitUsage;
    }
    if (args.size() == 1) {
        std::printf("%s\n", config.value(*key)->c_str());
        return kExitOk;
    }

    std::string error;
    if (!config.setValue(*key, args[1], &error)) {
        std::fprintf(stderr, "error: %s\n", error.c_str());
        return kExitFailure;
    }
    if (!config.storeValue(*key, &error)) {
        std::fprintf(stderr, "error: %s\n", error.c_str());
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace

FELD_CLI_COMMAND("config", "config [KEY [VALUE]]",
                 "print every setting, print one (KEY) or change one (KEY VALUE)", configCommand);

}  // namespace feld::cli
