#include "explorer/TreeCommands.h"

#include <filesystem>

#include "base/Texts.h"
#include "base/Ui.h"
#include "link/PdtLink.h"
#include "link/wire/TermStatus.h"
#include "link/wire/TermCodec.h"
#include "session/Session.h"

namespace feld {

namespace {

// From this firmware version on the terminal names its own drives when asked for "PDT".
constexpr int kDriveListFirmware = 201;


}  // namespace

std::optional<std::vector<TerminalNode>> TreeCommands::List(const std::string& path)
{
    int count = 0;
    const std::uint8_t* entries = session_.Link()->ListDirectory(path, count);
    if (!entries)
        return std::nullopt;
    return TerminalNodesOf(entries, count);
}

std::optional<std::vector<TerminalNode>> TreeCommands::ListFolder(const std::string& path)
{
    if (!session_.ConnectLink(0))
        return std::nullopt;
    BusyWindow busy(session_);
    return List(path);
}

std::optional<std::vector<TerminalNode>> TreeCommands::ListRoot()
{
    if (!session_.ConnectLink(0))
        return std::nullopt;
    BusyWindow busy(session_);
    int version = 0, cTotal = 0, cFree = 0, dTotal = 0, dFree = 0;
    if (!session_.Link()->GetDiskInfo(version, cTotal, cFree, dTotal, dFree).ok() || version < kDriveListFirmware)
        return std::nullopt;
    return List("PDT");
}

std::vector<std::string> TreeCommands::DeleteTerminalFiles(const std::vector<std::string>& paths)
{
    std::vector<std::string> deleted;
    if (paths.empty() || !session_.ConnectLink(0))
        return deleted;
    BusyWindow busy(session_);
    for (const std::string& path : paths) {
        const term::Result r = session_.Link()->RunCommand(wire::kOpDelete, path);
        ui_.addMessageLine(r.ok() ? trf(txt::kDeleted, {path}) : term::explained(trf(txt::kDeleteFailed, {path}), r));
        if (r.ok())
            deleted.push_back(path);
    }
    return deleted;
}

std::vector<std::string> TreeCommands::DeletePcFiles(const std::vector<std::string>& paths)
{
    std::vector<std::string> deleted;
    for (const std::string& path : paths) {
        std::error_code ec;
        // Only a file: a path that became a folder meanwhile is not emptied.
        const bool ok = !std::filesystem::is_directory(path, ec) && std::filesystem::remove(path, ec) && !ec;
        ui_.addMessageLine(trf(ok ? txt::kDeleted : txt::kDeleteFailed, {path}));
        if (ok)
            deleted.push_back(path);
    }
    return deleted;
}

std::optional<TerminalProperties> TreeCommands::Properties(TerminalProperties::Kind kind, const std::string& path,
                                                           const std::string& name)
{
    if (!session_.ConnectLink(0))
        return std::nullopt;
    BusyWindow busy(session_);
    return GatherTerminalProperties(session_, ui_, kind, path, name, TerminalParentPath(path));
}

}  // namespace feld
