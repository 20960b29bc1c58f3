// Bringing one file to the PC: a copy or move within the PC, a download from the terminal, and the
// drive dumps. A PC file is only ever replaced by a complete new one, and a source (on the PC or on
// the terminal) goes only once its copy is complete on disk.

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "base/AsciiCase.h"
#include "base/LineEnds.h"
#include "base/LocalFile.h"
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
#include "session/Session.h"

namespace feld {

namespace {

namespace fs = std::filesystem;

// A downloaded file is held in memory while its line ends are converted; no terminal drive holds more.
constexpr std::uint64_t kMaxDownload = 0x7FFFFFFFull;

int refuse(Ui& ui, const std::string& why)
{
    ui.fixedMessage(why, Icon::Exclamation);
    return 0;
}

// Copy or move within the PC. The user is asked before an existing file is replaced; Cancel keeps
// both files.
int localTransfer(Ui& ui, const std::string& from, const std::string& to, bool move)
{
    const std::string name = PcFileName(to);
    if (name.empty() || name == "." || name == "..")
        return refuse(ui, tk("file.noName", "no file name given") + std::string(": ") + to);
    if (std::string why = CopyableFileProblem(from); !why.empty())
        return refuse(ui, why);

    std::error_code ec;
    const fs::file_status target = fs::symlink_status(to, ec);
    const bool exists = fs::exists(target);
    if (exists) {
        // Copying a file onto itself would empty it; moving it onto itself means nothing.
        if (fs::equivalent(from, to, ec))
            return refuse(ui, formatText(tk("explorer.sameFile", "%s and %s are the same file; nothing was copied"), {from, to}));
        if (fs::is_directory(fs::status(to, ec)))
            return refuse(ui, to + ": " + std::make_error_code(std::errc::is_a_directory).message());
        if (!accepted(ui.question(txt::kFileExistsOverwrite, Buttons::OkCancel)))
            return 0;
    }

    std::string why;
    if (!move)
        return CopyLocalFile(from, to, why) ? 1 : refuse(ui, why);

    // On the same file system a move is a rename, which replaces the destination in one step. A
    // device or a FIFO at the destination is written through instead, never replaced.
    if (!exists || fs::is_regular_file(target) || fs::is_symlink(target)) {
        fs::rename(from, to, ec);
        if (!ec)
            return 1;
        if (ec != std::errc::cross_device_link)
            return refuse(ui, from + " -> " + to + ": " + ec.message());
    }
    if (!CopyLocalFile(from, to, why))
        return refuse(ui, why);
    // The copy is complete on disk: only now may the source go.
    if (!fs::remove(from, ec) || ec)
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

// A download: the terminal's file lands in the transfer temporary file, its line ends are converted
// by the receive settings, and the result takes the destination's place only when all of it is on
// disk; on any failure the old destination stays as it was. With `move` the terminal's file is
// deleted after that, never before.
int download(Session& session, Ui& ui, const std::string& from, const std::string& to, bool move)
{
    // What can be checked on the PC is checked before the terminal is spoken to.
    if (std::string bad = wire::pathProblem(from); !bad.empty())
        return refuse(ui, formatText(tk("link.badPath", "%s: not a path the terminal takes (%s)"), {from, bad}));
    // The destination's name comes from the terminal: it must name a file in the destination's folder.
    if (!wire::isSafeTerminalName(PcFileName(to)))
        return receiveFailed(ui, tk("receive.badName", "the terminal's file name cannot be used on this PC: ") + PcFileName(to));
    SafeFileWriter out;
    if (!out.Open(to))
        return receiveFailed(ui, out.Error());
    if (!session.ConnectLink(0))
        return 0;
    BusyWindow busy(session);
    PdtLink* link = session.Link();
    Config& config = session.config();
    config.receiveAppends = false;  // a download replaces, and resident collection follows it

    const std::string& temp = config.transferTempFile;
    // The transfer temporary file never outlives the download, whatever became of it (a stale one
    // from an earlier run included).
    struct TempRemover {
        const std::string& path;
        bool armed = true;
        ~TempRemover()
        {
            std::error_code ignored;
            if (armed)
                fs::remove(path, ignored);
        }
    } tempRemover{temp};
    {
        SafeFileWriter fetched;
        if (!fetched.Open(temp))
            return receiveFailed(ui, fetched.Error());
        SafeFileSink sink(fetched);
        term::Result r;
        {
            WaitCursor cursor(ui);
            r = link->GetFile(from, sink, true);
        }
        if (!r.ok())
            return receiveFailed(ui, {});  // the link said why  // the fetched part is thrown away with the writer
        if (!fetched.Commit())
            return receiveFailed(ui, fetched.Error());
    }
    LocalFile received;
    std::string why;
    const bool read = ReadLocalFile(temp, kMaxDownload, received, why);
    // The temporary file goes at once, before the destination (which could be the same file) is written.
    std::error_code ec;
    fs::remove(temp, ec);
    tempRemover.armed = false;
    if (!read)
        return receiveFailed(ui, why);

    const std::string data =
        FilterLineEnds(std::string_view(reinterpret_cast<const char*>(received.bytes.data()), received.bytes.size()),
                       config.carriageReturn != 0, config.lineFeed != 0);
    if ((!data.empty() && !out.Write(data.data(), data.size())) || !out.Commit())
        return receiveFailed(ui, out.Error());

    if (move) {
        // The PC copy is committed: the terminal's file may go now. A file that stays is said, but
        // the copy is there and the transfer stands.
        if (const term::Result r = link->RunCommand(wire::kOpDelete, from); !r.ok())
            ui.addMessageLine(term::explained(trf(txt::kDeleteFailed, {from}), r));
        // The terminal tree shows C: freshly listed, whichever drive the file came from.
        ui.terminalFolderChanged("C:\\");
    }
    return 1;
}

}  // namespace

int TransferProcedures::TransferToPc(TreeSide source, const std::string& sourcePath, const std::string& destination, bool move)
{
    switch (source) {
    case TreeSide::Pc:
        return localTransfer(ui_, sourcePath, destination, move);
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
