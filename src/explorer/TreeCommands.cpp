#include "explorer/TreeCommands.h"

#include <filesystem>

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

#include "base/PcFiles.h"
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
    std::vector<TerminalNode> nodes = TerminalNodesOf(entries, count);
    DateTerminalNodes(nodes, Firmware());
    return nodes;
}

int TreeCommands::Firmware()
{
    // The dates of a listing are written the way this firmware writes them. The link keeps the
    // version of its last disk information: a click on a folder does not ask again over the line
    // (that would cost each listing two more settling pauses), only a link that never asked does.
    if (firmware_ < 0 && session_.Link()->firmwareVersion_ > 0)
        firmware_ = session_.Link()->firmwareVersion_;
    if (firmware_ < 0) {
        int version = 0, cTotal = 0, cFree = 0, dTotal = 0, dFree = 0;
        firmware_ = session_.Link()->GetDiskInfo(version, cTotal, cFree, dTotal, dFree).ok() ? version : 0;
    }
    return firmware_;
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
    firmware_ = version;
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
        const bool ok = !std::filesystem::is_directory(FsPath(path), ec) && std::filesystem::remove(FsPath(path), ec) && !ec;
        ui_.addMessageLine(trf(ok ? txt::kDeleted : txt::kDeleteFailed, {path}));
        if (ok)
            deleted.push_back(path);
    }
    return deleted;
}

namespace {

// QFile::moveToTrash, where the desktop's trash can hold the file. Qt 6.4 moves a file into
// "files/" below the current folder when it cannot make the home trash, and calls that success: a
// file is only handed over when the data folder the trash lives in is there, and one that landed
// anywhere but in a trash is put back.
bool MoveToTrash(const std::string& path)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || !QFileInfo(data).isDir())
        return false;
    const QString source = QString::fromStdString(path);
    QString landed;
    if (!QFile::moveToTrash(source, &landed))
        return false;
    // A trash keeps its files in "files/" of a folder named for it: ~/.local/share/Trash, or
    // .Trash-UID on another mount.
    const QFileInfo where(landed);
    if (where.isAbsolute() && where.absolutePath().endsWith(QLatin1String("/files")) &&
        QFileInfo(where.absolutePath()).absolutePath().contains(QLatin1String("Trash")))
        return true;
    QFile::rename(landed, source);
    return false;
}

}  // namespace

std::vector<std::string> TreeCommands::TrashPcFiles(const std::vector<std::string>& paths)
{
    std::vector<std::string> gone, refused;
    for (const std::string& path : paths) {
        std::error_code ec;
        if (std::filesystem::is_directory(FsPath(path), ec)) {
            ui_.addMessageLine(trf(txt::kDeleteFailed, {path}));
            continue;
        }
        if (MoveToTrash(path)) {
            ui_.addMessageLine(formatText(tk("tree.trashed", "已將%s移到垃圾桶"), {path}));
            gone.push_back(path);
        } else if (std::filesystem::exists(FsPath(path), ec)) {
            refused.push_back(path);
        } else {
            ui_.addMessageLine(trf(txt::kDeleteFailed, {path}));
        }
    }
    if (refused.empty())
        return gone;
    if (accepted(ui_.ask(0, formatText(tk("tree.noTrash", "下列檔案無法移到垃圾桶:\r\n%s\r\n要永久刪除它們嗎?"), {NameList(refused)}),
                         Buttons::YesNo, Icon::Warning))) {
        const std::vector<std::string> deleted = DeletePcFiles(refused);
        gone.insert(gone.end(), deleted.begin(), deleted.end());
    } else {
        for (const std::string& path : refused)
            ui_.addMessageLine(formatText(tk("tree.kept", "%s未刪除"), {path}));
    }
    return gone;
}

std::string TreeCommands::NameList(const std::vector<std::string>& paths)
{
    // A question stays on the screen: a long list is cut after ten names.
    constexpr std::size_t kShown = 10;
    std::string out;
    for (std::size_t i = 0; i < paths.size() && i < kShown; ++i)
        out += (i ? "\r\n" : "") + paths[i];
    if (paths.size() > kShown)
        out += "\r\n" + formatText(tk("tree.andMore", "……以及另外 %d 個檔案"), {static_cast<int>(paths.size() - kShown)});
    return out;
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
