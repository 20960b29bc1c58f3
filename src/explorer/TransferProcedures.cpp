#include "explorer/TransferProcedures.h"

#include <algorithm>

#include "base/AsciiCase.h"
#include "base/LocalFile.h"
#include "base/PcPath.h"
#include "base/SafeFile.h"
#include "base/Texts.h"
#include "base/Ui.h"
#include "link/TransferEngine.h"
#include "session/Session.h"
#include "link/FolderListing.h"
#include "link/PdtLink.h"
#include "link/wire/TermStatus.h"
#include "link/wire/TermCodec.h"
#include "link/wire/TermNames.h"
#include "session/Session.h"

namespace feld {

namespace {

// The biggest file a transfer can announce (32-bit length, 8 bytes for a kernel image's wrapping).
constexpr std::uint64_t kMaxUploadBytes = 0xFFFFFFFFull - 8;



}  // namespace

std::string TransferProcedures::SkippedLine(const std::string& path)
{
    return formatText(tk("transfer.skipped", "Skipped %s: the file there was not replaced"), {path});
}

std::string TransferProcedures::CancelledLine(const std::string& path)
{
    return formatText(tk("transfer.cancelledAt", "Cancelled at %s: it and the files after it were not copied"), {path});
}

std::string TransferProcedures::TerminalFileName(const std::string& path)
{
    std::size_t cut = path.rfind('\\');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

term::Result TransferProcedures::Send(const LocalFile& source, std::string& destination, bool& appended, int overwrite,
                                      int firmware)
{
    PdtLink* link = session_.Link();
    if (!link)
        return term::kFailed;
    const std::string& sourcePath = source.path;
    if (firmware >= term::kPathFirmware) {
        if (!appended) {
            // The terminal takes the full path of the file: folder, backslash, name, exactly once.
            if (destination.empty() || destination.back() != '\\')
                destination += '\\';
            destination += wire::terminalNameFor(PcFileName(sourcePath));
            appended = true;
        }
        return link->PutLoadedFileToPath(source, destination, static_cast<std::uint8_t>(overwrite), true);
    }
    return link->PutLoadedFile(source, destination, static_cast<std::uint8_t>(overwrite), false, true, firmware);
}

bool TransferProcedures::CheckUpload(const std::string& sourcePath, const std::string& terminalFolder, LocalFile& source)
{
    // Everything that can be known on the PC is checked before the terminal is spoken to.
    std::string why;
    if (!ReadLocalFile(sourcePath, kMaxUploadBytes, source, why)) {
        ui_.fixedMessage(why, Icon::Exclamation);
        return false;
    }
    if (std::string bad = wire::pathProblem(terminalFolder); !bad.empty()) {
        ui_.fixedMessage(formatText(tk("link.badFolder", "%s: not a folder the terminal has (%s)"), {terminalFolder, bad}),
                         Icon::Exclamation);
        return false;
    }
    const std::string name = PcFileName(sourcePath);
    if (name.size() > wire::kFileNameField) {
        ui_.message(txt::kNameTooLong, Icon::Exclamation);
        return false;
    }
    const std::string stored = wire::terminalNameFor(name);
    if (std::string bad = wire::storedNameProblem(stored); !bad.empty()) {
        ui_.fixedMessage(formatText(tk("link.badStoredName", "%s: the terminal cannot store it as %s (%s); rename the file first"),
                                    {sourcePath, stored, bad}),
                         Icon::Exclamation);
        return false;
    }
    return true;
}

int TransferProcedures::Upload(const std::string& sourcePath, const std::string& terminalFolder, OverwriteQuestion* question)
{
    OverwriteQuestion single;
    OverwriteQuestion& ask = question ? *question : single;
    declined_ = false;
    LocalFile source;
    if (!CheckUpload(sourcePath, terminalFolder, source))
        return 0;
    if (!session_.ConnectLink(0))
        return 0;
    BusyWindow busy(session_);
    std::string destination = asciiLower(terminalFolder);
    const std::string folder = destination;  // which drive the messages name

    int version = 0, cTotal = 0, cFree = 0, dTotal = 0, dFree = 0;
    term::Result result = session_.Link()->GetDiskInfo(version, cTotal, cFree, dTotal, dFree);
    std::string line;
    bool failureBox = false;
    if (!result.ok()) {
        // Without the firmware version the file cannot be sent the way the terminal reads it.
        if (result != term::kFailed)
            line = term::explained(trf(txt::kCopyFailed, {sourcePath}), result);
        result = term::kFailed;
    } else {
        int overwrite = 0;
        bool appended = false;
        bool cancelled = false;
        for (;;) {
            ui_.setWaitCursor(true);
            if (version < term::kOldFirmware && !accepted(ui_.question(txt::kOldFirmwareWarning, Buttons::YesNo))) {
                ui_.setWaitCursor(false);
                return 0;
            }
            if (folder.size() <= 3) {
                // A drive root such as "c:\" cannot take a file: the terminal keeps files in folders.
                ui_.fixedMessage(formatText(tk("link.rootFolder",
                                               "%s is a drive, not a folder: the terminal keeps files in the folders of a drive; "
                                               "name one, e.g. %sData"),
                                            {terminalFolder, terminalFolder.substr(0, 2) + "\\"}),
                                 Icon::Exclamation);
                result = term::kFailed;
            } else {
                result = Send(source, destination, appended, overwrite, version);
            }
            ui_.setWaitCursor(false);
            if (result != term::kFileExists)
                break;
            const OverwriteQuestion::Reply reply = ask.Ask(ui_, txt::kNameExistsOverwrite, {PcFileName(sourcePath)});
            if (reply == OverwriteQuestion::Reply::Replace) {
                overwrite = 1;
                continue;
            }
            // The user's choice, not a failure: the terminal keeps its file.
            cancelled = true;
            declined_ = true;
            result = term::kFailed;
            line = reply == OverwriteQuestion::Reply::Skip ? SkippedLine(sourcePath) : CancelledLine(sourcePath);
            break;
        }

        const bool onC = folder.find("c:\\") != std::string::npos;
        switch (result.status()) {
        case term::kDone: {
            // The terminal said it stored the file; its listing must say so too.
            const std::string stored = wire::terminalNameFor(PcFileName(sourcePath));
            const std::string problem = UnconfirmedSend(FolderListing::Of(*session_.Link(), folder),
                                                        folder.back() == '\\' ? folder + stored : folder + "\\" + stored, stored,
                                                        source.bytes.size());
            if (problem.empty()) {
                line = trf(txt::kCopied, {sourcePath});
            } else {
                line = problem;
                result = term::kFailed;
            }
            break;
        }
        case term::kNotFormatted:
            line = trf(onC ? txt::kCNotFormatted : txt::kDNotFormatted, {});
            failureBox = true;
            result = term::kFailed;
            break;
        case term::kNoSpace:
            line = trf(onC ? txt::kCFull : txt::kDFull, {});
            failureBox = true;
            result = term::kFailed;
            break;
        case term::kNeedsDefrag:
            ui_.message(txt::kNeedsDefrag, Icon::Exclamation);
            break;
        case term::kInUse:
        case term::kInUse2:
        case term::kInUse3:
            ui_.message(txt::kFileInUse, Icon::Exclamation);
            break;
        default:
            // Any other answer is a refusal too: the file is not on the terminal, and the user is
            // told so with the terminal's reason.
            if (!cancelled) {
                line = term::explained(trf(txt::kCopyFailed, {sourcePath}), result);
                failureBox = true;
            }
            break;
        }
    }
    if (result == term::kFailed && !declined_)
        failureBox = true;
    if (failureBox && !session_.ReportCancelled())
        ui_.message(txt::kTransferFailed, Icon::Exclamation);
    if (!line.empty())
        ui_.addMessageLine(line);
    if (result.ok())
        ui_.terminalFolderChanged(terminalFolder);
    return result.status();
}

int TransferProcedures::FetchExact(const std::string& terminalPath, const std::string& localPath)
{
    // One box that says what failed and why: the PC file's trouble, the line's (a terminal that
    // went away or stopped answering), or the terminal's refusal.
    auto failed = [&](const std::string& why, term::Result r = term::kFailed) {
        if (session_.ReportCancelled())
            return 0;
        const std::string what = trf(txt::kCopyFailed, {terminalPath});
        std::string reason = why;
        if (PdtLink* link = session_.Link(); reason.empty() && link && r == term::kFailed)
            reason = link->LastFailure();
        ui_.showMessage(txt::kCopyFailed,
                        reason.empty() ? term::explained(what, r) : formatText(tk("term.refusedBecause", "%s: %s"), {what, reason}),
                        Icon::Exclamation);
        return 0;
    };
    if (!session_.ConnectLink(0))
        return 0;

    SafeFileWriter writer;
    if (!writer.Open(localPath))
        return failed(writer.Error());

    BusyWindow busy(session_);
    SafeFileSink sink(writer);
    term::Result result;
    {
        WaitCursor cursor(ui_);
        result = session_.Link()->GetFile(terminalPath, sink, true);
    }
    if (!result.ok()) {
        // Whatever part of the file arrived is thrown away; the old file stays as it was.
        std::string why = writer.Error();
        writer.Discard();
        return failed(why, result);
    }
    if (!writer.Commit())
        return failed(writer.Error());
    return 1;
}

}  // namespace feld
