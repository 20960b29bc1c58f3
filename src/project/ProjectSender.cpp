#include "project/ProjectSender.h"

#include <algorithm>

#include "base/AsciiCase.h"
#include "base/LocalFile.h"
#include "base/Texts.h"
#include "base/Ui.h"
#include "link/PdtLink.h"
#include "link/wire/TermCodec.h"
#include "link/wire/TermStatus.h"
#include "session/Session.h"

namespace feld {

namespace {



}  // namespace

std::string ProjectSender::TargetFolder(Kind kind, const std::string& source, int firmware)
{
    std::string folder;
    switch (kind) {
    case Kind::Program: folder = "d:\\program"; break;
    case Kind::Lookup: folder = "d:\\lookup"; break;
    case Kind::Data: folder = "c:\\data"; break;
    case Kind::SystemFont:
    case Kind::UserFont: folder = "d:\\fonts"; break;
    }
    // Terminals before firmware 2.00 run their programs from drive C:, so the program (the
    // ".abp" file) goes to c:\program there; the other files keep their folders.
    if (firmware < term::kOldFirmware && asciiLower(source).find(".abp") != std::string::npos)
        folder[0] = 'c';
    return folder;
}

int ProjectSender::SendOne(const std::string& source, const std::string& folder, int firmware)
{
    PdtLink* link = session_.Link();
    FileOutcome outcome{source, folder, term::kFailed, false, false};
    // The file is read once, here: a file the project names that is not there (or is no ordinary
    // file) is named and stops the send, as a failed transfer does.
    LocalFile file;
    std::string why;
    if (!ReadLocalFile(source, 0xFFFFFFFFull - 8, file, why)) {
        ui_.fixedMessage(why, Icon::Exclamation);
        outcome.stopped = true;
        allSent_ = false;
        if (onFile)
            onFile(outcome);
        return 0;
    }
    std::string target = folder;
    if (firmware >= term::kPathFirmware)
        target = folder + "\\" + wire::terminalNameFor(ProjectFileName(source));
    outcome.target = target;
    std::uint8_t overwrite = 0;
    term::Result r;
    for (;;) {
        {
            WaitCursor cursor(ui_);
            if (link)
                r = firmware >= term::kPathFirmware ? link->PutLoadedFileToPath(file, target, overwrite, true)
                                                    : link->PutLoadedFile(file, folder, overwrite, false, true);
        }
        if (r != term::kFileExists)
            break;
        if (!accepted(ui_.question(txt::kNameExistsOverwrite, Buttons::OkCancel, Icon::Question, {ProjectFileName(source)}))) {
            ui_.message(txt::kCopyFailed, Icon::Exclamation, {source});
            outcome.declined = true;
            break;
        }
        overwrite = 1;
    }
    outcome.result = r;
    const bool onC = target.find("c:\\") != std::string::npos;
    switch (r.status()) {
    case term::kDone:
        break;
    case term::kNotFormatted:
        ui_.message(onC ? txt::kCNotFormatted : txt::kDNotFormatted, Icon::Exclamation);
        outcome.stopped = true;
        break;
    case term::kNoSpace:
        ui_.message(onC ? txt::kCFull : txt::kDFull, Icon::Exclamation);
        outcome.stopped = true;
        break;
    case term::kNeedsDefrag:
        ui_.message(txt::kNeedsDefrag, Icon::Exclamation);
        break;
    case term::kInUse:
    case term::kInUse2:
    case term::kInUse3:
        ui_.message(txt::kFileInUse, Icon::Exclamation);
        break;
    case term::kFailed:
        outcome.stopped = true;
        break;
    default:
        // Any other answer is a refusal as well: the file is not on the terminal, and the user is
        // told which and why. The send goes on with the next file.
        if (!outcome.declined)
            ui_.showMessage(txt::kCopyFailed, term::explained(trf(txt::kCopyFailed, {source}), r), Icon::Exclamation);
        break;
    }
    if (!r.ok())
        allSent_ = false;
    if (!r.ok() && !outcome.declined)
        refused_ = true;
    if (onFile)
        onFile(outcome);
    return outcome.stopped ? 0 : 1;
}

int ProjectSender::Send(const std::vector<ProjectEntry>& projects)
{
    allSent_ = false;
    if (projects.empty()) {
        ui_.message(txt::kNoProjectToSend, Icon::Exclamation);
        return 0;
    }
    if (!session_.ConnectLink(0))
        return 0;
    session_.BeginOperation();
    int version = 0, cTotal = 0, cFree = 0, dTotal = 0, dFree = 0;
    if (const term::Result r = session_.Link()->GetDiskInfo(version, cTotal, cFree, dTotal, dFree); !r.ok()) {
        // Without the firmware version no file can be sent the way the terminal reads it.
        ui_.showMessage(txt::kNoDiskInfo, term::explained(tr(txt::kNoDiskInfo), r), Icon::Exclamation);
        ui_.setStatusText(tr(txt::kSendFinished));
        session_.EndOperation();
        return 0;
    }
    if (version < term::kOldFirmware && !accepted(ui_.question(txt::kOldFirmwareWarning, Buttons::YesNo))) {
        session_.AbortOperation();
        return 0;
    }
    allSent_ = true;
    refused_ = false;
    bool stopped = false;
    auto send = [&](const ProjectEntry& p, const std::string& path, Kind kind) {
        if (stopped || path.empty())
            return;
        const std::string source = ResolveProjectPath(path, p.file);
        ui_.setStatusText(TextCatalog::instance().format(txt::kSendingFile, {source}));
        stopped = SendOne(source, TargetFolder(kind, source, version), version) == 0;
    };
    for (const ProjectEntry& p : projects) {
        send(p, p.program, Kind::Program);
        for (int i = 0; i < kProjectSlots; ++i) {
            send(p, p.lookups[static_cast<std::size_t>(i)], Kind::Lookup);
            send(p, p.dataFiles[static_cast<std::size_t>(i)], Kind::Data);
        }
        send(p, p.systemFont, Kind::SystemFont);
        send(p, p.userFont, Kind::UserFont);
    }
    if (stopped)
        allSent_ = false;
    // "Download complete" only when the terminal took every file it was sent (a file the user chose
    // to keep on the terminal was not sent, and was said so).
    const bool failed = stopped || refused_;
    ui_.message(failed ? txt::kTransferFailed : txt::kDownloadDone, failed ? Icon::Exclamation : Icon::Information);
    ui_.setStatusText(tr(txt::kSendFinished));
    session_.EndOperation();
    return stopped ? 0 : 1;
}

std::optional<ProjectSender::Status> ProjectSender::QueryStatus()
{
    if (!session_.CheckConnected())
        return std::nullopt;
    session_.BeginOperation();
    Status s;
    int cFree = 0, dFree = 0;
    if (const term::Result r = session_.Link()->GetDiskInfo(s.version, s.cTotal, cFree, s.dTotal, dFree); !r.ok()) {
        ui_.showMessage(txt::kNoDiskInfo, term::explained(tr(txt::kNoDiskInfo), r), Icon::Exclamation);
        session_.AbortOperation();
        return std::nullopt;
    }
    session_.EndOperation();
    auto fill = [](int& total, int& used, int& freeOut, int freeIn) {
        if (freeIn < 0) {
            total = 0;
            used = 0;
        } else {
            used = total - freeIn;
        }
        freeOut = freeIn;
    };
    fill(s.cTotal, s.cUsed, s.cFree, cFree);
    fill(s.dTotal, s.dUsed, s.dFree, dFree);
    return s;
}

}  // namespace feld
