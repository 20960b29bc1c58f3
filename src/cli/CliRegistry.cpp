#include "cli/CliCommand.h"

#include <algorithm>
#include <cstring>

namespace feld::cli {
namespace {

// Built during static initialisation, before main runs; read-only afterwards.
std::vector<CliCommandInfo>& registry()
{
    static std::vector<CliCommandInfo> commands;
    return commands;
}

}  // namespace

bool CliRegistry::add(const CliCommandInfo& info)
{
    auto& r = registry();
    if (!info.name || !info.run || find(info.name))
        return false;
    // Kept in name order, so the help text lists them alphabetically.
    auto at = std::find_if(r.begin(), r.end(), [&](const CliCommandInfo& c) { return std::strcmp(c.name, info.name) > 0; });
    r.insert(at, info);
    return true;
}

const std::vector<CliCommandInfo>& CliRegistry::all()
{
    return registry();
}

const CliCommandInfo* CliRegistry::find(const std::string& name)
{
    for (const auto& c : registry())
        if (name == c.name)
            return &c;
    return nullptr;
}

}  // namespace feld::cli
