// Bringing one file to the PC: a copy or move within the PC, a download from the terminal, and the
// drive dumps. A PC file is only ever replaced by a complete new one, and a source (on the PC or on
// the terminal) goes only once its copy is complete on disk.

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "base/AsciiCase.h"
#include "base/LocalFile.h"
#include "base/PcFiles.h"
#include "base/PcPath.h"
#include "base/SafeFile.h"
#include "base/Texts.h"
#include "base/Ui.h"
#include "link/TransferEngine.h"
#include "session/Session.h"
#include "explorer/TransferProcedures.h"
#include "link/PdtLink.h"
#include "link/wire/TermCodec.h"
#include "link/wire/TermNames.h"
#include "link/wire/TermStatus.h"
#include "session/Config.h"
#include "session/ReceiveJob.h"

namespace feld {

namespace {

namespace fs = std::filesystem;

int refuse(Ui& ui, const std::string& why)
{
    ui.fixedMessage(why, Icon::Exclamation);
    return 0;
}

// Copy or move within the PC. The user is asked before an existing file is replaced; a file not
// replaced keeps both files and sets `declined`.
int localTransfer(Ui& ui, const std::string& from, const std::string& to, bool move, OverwriteQuestion& question,
                  bool& declined)
{
    const std::string name = PcFileName(to);
    if (name.empty() || name == "." || name == "..")
        return refuse(ui, tk("file.noName", "no file name given") + std::string(": ") + to);
    if (std::string why = CopyableFileProblem(from); !why.empty())
        return refuse(ui, why);

    std::error_code ec;
    const fs::file_status target = fs::symlink_status(FsPath(to), ec);
    const bool exists = fs::exists(target);
    if (exists) {
        // Copying a file onto itself would empty it; moving it onto itself means nothing.
        if (fs::equivalent(FsPath(from), FsPath(to), ec))
            return refuse(ui, formatText(tk("explorer.sameFile", "%s and %s are the same file; nothing was copied"), {from, to}));
        if (fs::is_directory(fs::status(FsPath(to), ec)))
            return refuse(ui, to + ": " + std::make_error_code(std::errc::is_a_directory).message());
        const OverwriteQuestion::Reply reply = question.Many() ? question.Ask(ui, txt::kNameExistsOverwrite, {to})
                                                               : question.Ask(ui, txt::kFileExistsOverwrite);
        if (reply != OverwriteQuestion::Reply::Replace) {
            declined = true;
            return 0;
        }
    }

    std::string why;
    if (!move)
        return CopyLocalFile(from, to, why) ? 1 : refuse(ui, why);

    // On the same file system a move is a rename, which replaces the destination in one step. A
    // device or a FIFO at the destination is written through instead, never replaced.
    if (!exists || fs::is_regular_file(target) || fs::is_symlink(target)) {
        fs::rename(FsPath(from), FsPath(to), ec);
        if (!ec)
            return 1;
        if (ec != std::errc::cross_device_link)
            return refuse(ui, from + " -> " + to + ": " + ec.message());
    }
    if (!CopyLocalFile(from, to, why))
        return refuse(ui, why);
    // The copy is complete on disk: only now may the source go.
    if (!fs::remove(FsPath(from), ec) || ec)
        ui.addMessageLine(trf(txt::kDeleteFailed, {from}));
    return 1;
}

int receiveFailed(Ui& ui, const std::string& why)
{
    if (!why.empty())
        ui.fixedMessage(why, Icon::Exclamation);
    ui.message(txt::kReceiveFailed, Icon::Exclamation);
    return 0;
}

// A download: the terminal's file, its line ends converted by the receive settings, takes the
// destination's place only when all of it is on disk; on any failure the old destination stays as
// it was. With `move` the terminal's file is deleted after that, never before.
int download(Session& session, Ui& ui, const std::string& from, const std::string& to, bool move)
{
    // What can be checked on the PC is checked before the terminal is spoken to.
    if (std::string bad = wire::pathProblem(from); !bad.empty())
        return refuse(ui, formatText(tk("link.badPath", "%s: not a path the terminal takes (%s)"), {from, bad}));
    // The destination's name comes from the terminal: it must name a file in the destination's folder.
    if (!wire::isSafeTerminalName(PcFileName(to)))
        return receiveFailed(ui, tk("receive.badName", "the terminal's file name cannot be used on this PC: ") + PcFileName(to));
    if (!session.ConnectLink(0))
        return 0;
    BusyWindow busy(session);
    Config& config = session.config();
    config.receiveAppends = false;  // a download replaces, and resident collection follows it

    ReceiveOrder order;
    order.source = from;
    order.destination = to;  // where the user dropped it: a link there is followed, as a copy would
    order.keepCr = config.carriageReturn != 0;
    order.keepLf = config.lineFeed != 0;
    order.deleteAfter = move;
    order.inSaveFolder = false;
    order.showProgress = true;
    ReceiveOutcome got;
    {
        WaitCursor cursor(ui);
        got = ReceiveFile(*session.Link(), order);
    }
    if (!got.stored)
        return session.ReportCancelled() ? 0 : receiveFailed(ui, got.why);
    if (move) {
        // The copy is there and the transfer stands; a terminal file that stays is said as the
        // tree's own delete says it.
        if (got.kept)
            ui.addMessageLine(term::explained(trf(txt::kDeleteFailed, {from}), got.refusal));
        // The terminal tree shows C: freshly listed, whichever drive the file came from.
        ui.terminalFolderChanged("C:\\");
    }
    return 1;
}

}  // namespace

int TransferProcedures::TransferToPc(TreeSide source, const std::string& sourcePath, const std::string& destination, bool move,
                                     OverwriteQuestion* question)
{
    declined_ = false;
    OverwriteQuestion single;
    switch (source) {
    case TreeSide::Pc:
        return localTransfer(ui_, sourcePath, destination, move, question ? *question : single, declined_);
    case TreeSide::Terminal:
        return download(session_, ui_, sourcePath, destination, move);
    default:
        return 0;
    }
}

int TransferProcedures::DumpImage(char drive, const std::string& out)
{
    const char letter = asciiUpper(drive);
    if (letter != 'C' && letter != 'D')
        return refuse(ui_, formatText(tk("explorer.noSuchDrive", "there is no drive image of '%s'; the terminal's drives are C and D"),
                                      {std::string(1, drive)}));
    // The terminal makes the image of a drive under this name on that drive.
    const std::string image = letter == 'C' ? "DUMPCIMG.IMG" : "DUMPDIMG.IMG";
    const std::string terminalPath = std::string(1, letter) + ":\\" + image;
    const std::string local = out.empty() ? session_.config().projectPath + image : out;
    if (!session_.ConnectLink(0))
        return 0;
    // Byte for byte: converting line ends would corrupt the image.
    const int result = FetchExact(terminalPath, local);
    ui_.addMessageLine(trf(result == 1 ? txt::kCopied : txt::kCopyFailed, {terminalPath}));
    return result;
}

}  // namespace feld
