#include "project/ProjectSender.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "base/AsciiCase.h"
#include "base/LocalFile.h"
#include "base/PcFiles.h"
#include "base/PcPath.h"
#include "base/Texts.h"
#include "base/Ui.h"
#include "link/FolderListing.h"
#include "link/PdtLink.h"
#include "link/SendCheck.h"
#include "link/wire/TermCodec.h"
#include "link/wire/TermStatus.h"
#include "session/Session.h"

namespace feld {

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

bool ProjectSender::Plan(const std::vector<ProjectEntry>& projects, std::vector<Planned>& plan)
{
    std::vector<std::string> problems, warnings;
    for (const ProjectEntry& p : projects) {
        const std::size_t before = plan.size() + problems.size();
        auto check = [&](const std::string& written, Kind kind) {
            if (written.empty())
                return;
            const std::string source = ResolveProjectPath(written, p.file);
            std::error_code ec;
            if (!std::filesystem::exists(FsPath(source), ec)) {
                problems.push_back(formatText(tk("project.fileMissing", "%s: %s is not on this PC (looked for %s)"),
                                              {p.file, written, ProjectPathPlaces(written, p.file)}));
                return;
            }
            Planned planned{source, kind, {}};
            std::string why;
            if (!ReadForSending(source, planned.file, why)) {
                problems.push_back(why);
                return;
            }
            if (const SendNameProblem name = CheckSendName(source, wire::terminalNameFor(PcFileName(source))); !name.none()) {
                // The name rule's own text names the file only when it is a sentence of its own.
                problems.push_back(name.id ? source + ": " + name.text : name.text);
                return;
            }
            plan.push_back(std::move(planned));
        };
        check(p.program, Kind::Program);
        for (std::size_t i = 0; i < kProjectSlots; ++i) {
            check(p.lookups[i], Kind::Lookup);
            check(p.dataFiles[i], Kind::Data);
        }
        check(p.systemFont, Kind::SystemFont);
        check(p.userFont, Kind::UserFont);
        if (plan.size() + problems.size() == before)
            problems.push_back(formatText(tk("project.noFiles",
                                             "%s: no file to send; a project file names its files in lines such as "
                                             "\"Program=C:\\Project\\APP.ABP\", \"Lookup1=...\", \"DataFile1=...\", "
                                             "\"SysFont=...\" and \"UserFont=...\""),
                                          {p.file}));
        for (const std::string& key : p.beyondSlots)
            warnings.push_back(formatText(tk("project.beyondSlots",
                                             "%s: %s is not sent: a project holds lookup and data files 1 to 20 only"),
                                          {p.file, key}));
    }
    auto joined = [](const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& l : lines)
            text += "\n" + l;
        return text;
    };
    if (!problems.empty()) {
        problems.insert(problems.end(), warnings.begin(), warnings.end());
        ui_.fixedMessage(tk("project.notChecked", "Nothing was sent: these files cannot be sent as the projects name them.") +
                             joined(problems),
                         Icon::Exclamation);
        plan.clear();
        return false;
    }
    if (!warnings.empty())
        ui_.fixedMessage(tk("project.warnings", "Some entries of the projects are not sent:") + joined(warnings), Icon::Warning);
    return true;
}

int ProjectSender::SendOne(const Planned& planned, const std::string& folder, int firmware, bool exists, FileOutcome& outcome)
{
    PdtLink* link = session_.Link();
    const std::string& source = planned.source;
    outcome = FileOutcome{source, folder, term::kFailed, false, false};
    // The name the terminal stores it under is the one the check passed.
    std::string target = folder;
    if (firmware >= term::kPathFirmware)
        target = folder + "\\" + wire::terminalNameFor(PcFileName(source));
    outcome.target = target;
    std::uint8_t overwrite = 0;
    term::Result r;
    auto overwriteAsked = [&] {
        // Not replacing a file is the user's choice, not a failure; Cancel stops the send there.
        const OverwriteQuestion::Reply reply = overwrite_.Ask(ui_, txt::kNameExistsOverwrite, {ProjectFileName(source)});
        if (reply == OverwriteQuestion::Reply::Replace)
            return true;
        outcome.declined = true;
        outcome.stopped = reply == OverwriteQuestion::Reply::Cancel;
        r = term::kFileExists;
        return false;
    };
    if (!exists || overwriteAsked()) {
        overwrite = exists ? 1 : 0;
        for (;;) {
            {
                WaitCursor cursor(ui_);
                if (link)
                    r = firmware >= term::kPathFirmware ? link->PutLoadedFileToPath(planned.file, target, overwrite, true)
                                                        : link->PutLoadedFile(planned.file, folder, overwrite, false, true, firmware);
            }
            if (r != term::kFileExists || overwrite || !overwriteAsked())
                break;
            overwrite = 1;
        }
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
    if (outcome.declined && outcome.stopped)
        notSent_.push_back(formatText(tk("project.cancelledAt", "not sent %s: the send was cancelled here"), {source}));
    else if (outcome.declined)
        notSent_.push_back(formatText(tk("project.kept", "skipped %s: the terminal's file was kept, not overwritten: %s"), {target, source}));
    else if (!r.ok()) {
        refused_ = true;
        notSent_.push_back(term::explained(formatText(tk("project.notSent", "not sent %s -> %s"), {source, target}), r));
    }
    if (onFile)
        onFile(outcome);
    return outcome.stopped ? 0 : 1;
}

void ProjectSender::ConfirmSent(std::vector<FileOutcome>& sent, const std::vector<const Planned*>& plans, int firmware)
{
    PdtLink* link = session_.Link();
    if (!link)
        return;
    std::map<std::string, FolderListing> listings;
    for (std::size_t i = 0; i < sent.size(); ++i) {
        FileOutcome& o = sent[i];
        if (!o.result.ok())
            continue;
        const std::string folder = TargetFolder(plans[i]->kind, plans[i]->source, firmware);
        const std::string stored = wire::terminalNameFor(PcFileName(o.source));
        auto it = listings.find(folder);
        if (it == listings.end())
            it = listings.emplace(folder, FolderListing::Of(*link, folder)).first;
        o.unconfirmed = UnconfirmedSend(it->second, folder + "\\" + stored, stored, plans[i]->file.bytes.size());
        if (o.unconfirmed.empty())
            continue;
        allSent_ = false;
        refused_ = true;
        notSent_.push_back(o.unconfirmed);
        if (onFile)
            onFile(o);
    }
}

int ProjectSender::Send(const std::vector<ProjectEntry>& projects)
{
    allSent_ = false;
    notSent_.clear();
    if (projects.empty()) {
        ui_.message(txt::kNoProjectToSend, Icon::Exclamation);
        return 0;
    }
    // Every file is found and read before the terminal is touched: a project that cannot go whole
    // leaves the terminal as it was, rather than with a new program and half its lookup files.
    std::vector<Planned> plan;
    if (!Plan(projects, plan))
        return 0;
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

    // What the terminal holds already: each target folder listed once. Without a listing nothing
    // can be known to be there, so a failed one means every file goes.
    std::map<std::string, FolderListing> before;
    if (skipUnchanged) {
        for (const Planned& planned : plan) {
            const std::string folder = TargetFolder(planned.kind, planned.source, version);
            if (before.count(folder))
                continue;
            FolderListing listing = FolderListing::Of(*session_.Link(), folder);
            if (!listing.usable()) {
                ui_.fixedMessage(formatText(tk("project.listFailed",
                                               "The terminal's folder %s could not be listed (%s): every file is sent."),
                                            {folder, listing.why}),
                                 Icon::Warning);
                before.clear();
                break;
            }
            before.emplace(folder, std::move(listing));
        }
    }

    allSent_ = true;
    refused_ = false;
    overwrite_ = OverwriteQuestion(plan.size());
    bool stopped = false, lineLost = false;
    std::vector<FileOutcome> sent;
    std::vector<const Planned*> sentPlans;
    for (const Planned& planned : plan) {
        if (stopped) {
            notSent_.push_back(formatText(tk("project.notSentAfterStop", "not sent %s: the send stopped at an earlier file"),
                                          {planned.source}));
            continue;
        }
        const std::string folder = TargetFolder(planned.kind, planned.source, version);
        const std::string stored = wire::terminalNameFor(PcFileName(planned.source));
        bool exists = false;
        if (auto it = before.find(folder); it != before.end()) {
            const std::vector<const wire::DirEntry*> named = it->second.FilesNamed(stored);
            if (named.size() == 1 && SameOnTerminal(*named.front(), stored, planned.file, version)) {
                FileOutcome outcome{planned.source, folder + "\\" + stored, term::kDone, false, false};
                outcome.unchanged = true;
                ui_.addMessageLine(formatText(tk("project.unchanged", "unchanged: %s"), {outcome.target}));
                if (onFile)
                    onFile(outcome);
                continue;
            }
            exists = !named.empty();
        }
        ui_.setStatusText(TextCatalog::instance().format(txt::kSendingFile, {planned.source}));
        FileOutcome outcome;
        stopped = SendOne(planned, folder, version, exists, outcome) == 0;
        lineLost = lineLost || (outcome.stopped && outcome.result == term::kFailed);
        sent.push_back(outcome);
        sentPlans.push_back(&planned);
    }
    if (stopped)
        allSent_ = false;
    // A terminal that stopped answering cannot list either: the send has failed already.
    if (!lineLost)
        ConfirmSent(sent, sentPlans, version);
    for (const std::string& line : notSent_)
        ui_.addMessageLine(line);
    // "Download complete" only when the terminal took every file it was sent. A file the user chose
    // to keep on the terminal was not sent, and is listed so, but it is the user's choice and not a
    // failure: the send still counts as complete.
    const bool failed = (stopped && !overwrite_.Cancelled()) || refused_;
    if (overwrite_.Cancelled() && !failed)
        ui_.fixedMessage(tk("project.cancelled", "The send was cancelled: the message view lists the files not sent."),
                         Icon::Information);
    else if (!failed)
        ui_.message(txt::kDownloadDone, Icon::Information);
    else if (!session_.ReportCancelled()) {
        // A line that failed (the terminal went away or stopped answering) is said in the one box.
        const PdtLink* link = session_.Link();
        const std::string why = lineLost && link ? link->LastFailure() : std::string();
        if (why.empty())
            ui_.message(txt::kTransferFailed, Icon::Exclamation);
        else
            ui_.showMessage(txt::kTransferFailed, formatText(tk("term.refusedBecause", "%s: %s"), {tr(txt::kTransferFailed), why}),
                            Icon::Exclamation);
    }
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
