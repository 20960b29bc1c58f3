#include "app/Defragment.h"

#include <ctime>
#include <filesystem>
#include <system_error>

#include "base/LocalFile.h"
#include "base/PcFiles.h"
#include "base/SafeFile.h"
#include "base/Texts.h"
#include "base/Ui.h"
#include "link/TransferEngine.h"
#include "session/Session.h"
#include "link/PdtLink.h"
#include "link/wire/TermCodec.h"
#include "link/wire/TermNames.h"
#include "link/wire/TermStatus.h"
#include "session/Config.h"
#include "session/Session.h"

namespace feld {

namespace {

namespace fs = std::filesystem;

// The terminal cannot defragment before this firmware version.
constexpr int kDefragFirmware = 200;
// No file of drive D: is bigger than a transfer can announce.
constexpr std::uint64_t kMaxCopy = 0xFFFFFFFFull;
// Room kept free on the PC beyond the copies themselves (the list, the file system's own needs).
constexpr std::uintmax_t kRoomMargin = 1024 * 1024;

// The Unix time of the terminal's date words, or 0 when they hold no real date.
std::int64_t unixTimeOf(const wire::DirEntry& e, int firmware)
{
    return wire::calendarTimeOf(wire::decodeDateTime(e.date.data(), e.time.data(), firmware)).value_or(0);
}

// Why a transfer did not work, in words.
std::string failureText(PdtLink& link, int status)
{
    if (!link.LastFailure().empty())
        return link.LastFailure();
    return term::statusText(status);
}

}  // namespace

std::string Defragment::ManifestPath() const
{
    return session_.config().projectPath + kManifestName;
}

std::string Defragment::CopyPath(const DefragCopy& copy) const
{
    const DefragFolder* folder = defragFolderOf(copy.terminalPath);
    return session_.config().projectPath + (folder ? folder->work : "") + "/" + defragCopyName(copy.terminalPath);
}

void Defragment::Advance()
{
    if (progress_)
        progress_->setPercent(Percent(step_, total_));
    ++step_;
}

void Defragment::Refuse(const std::string& text)
{
    progress_.reset();
    ui_.fixedMessage(text, Icon::Exclamation);
}

int Defragment::Run()
{
    resumed_ = false;
    dUnformatted_ = false;
    filesBack_ = filesKept_ = 0;
    const std::string manifest = ManifestPath();
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(FsPath(manifest), ec)))
        return Fresh();

    // An earlier run formatted D: and did not get every file back: finish it from the copies.
    LocalFile file;
    std::string why;
    std::vector<DefragCopy> copies;
    if (!ReadLocalFile(manifest, 1u << 20, file, why) ||
        !parseDefragManifest(std::string(file.bytes.begin(), file.bytes.end()), copies, why)) {
        ui_.fixedMessage(formatText(tk("defrag.badManifest",
                                       "無法讀取資料重組清單 %s(%s)。複本仍保留在 %s,沒有任何檔案被變更。"),
                                    {manifest, why, session_.config().projectPath}),
                         Icon::Exclamation);
        return 0;
    }
    return Resume(copies);
}

bool Defragment::ListD(int firmware, std::vector<DefragCopy>& copies)
{
    PdtLink* link = session_.Link();
    for (const auto& folder : kDefragFolders) {
        int count = 0;
        const std::uint8_t* data = link->ListDirectory(folder.terminal, count);
        if (!data) {
            // A folder the terminal says is not there holds nothing; any other answer, or none,
            // leaves its contents unknown, and D: must not be formatted over them.
            if (link->LastAnswerStatus() == term::kFailed)
                continue;
            Refuse(formatText(tk("defrag.notListed", "無法列出 %s(%s),磁碟機 D: 沒有被變更。"),
                              {folder.terminal, failureText(*link, link->LastAnswerStatus() < 0 ? 0 : link->LastAnswerStatus())}));
            return false;
        }
        for (const auto& e : wire::decodeDirectory(data, static_cast<std::size_t>(count) * wire::kDirEntrySize)) {
            const std::string path = std::string(folder.terminal) + "\\" + e.name;
            if (e.attribute & wire::kAttrFolder) {
                if (e.name == "." || e.name == "..")
                    continue;
                // Only files are copied: the folder's contents would be lost with the format.
                Refuse(formatText(tk("defrag.folderEntry",
                                     "%s 內有資料夾 %s。資料重組只複製檔案,請先移走或刪除這個資料夾。磁碟機 D: 沒有被變更。"),
                                  {folder.terminal, e.name}));
                return false;
            }
            DefragCopy copy{path, e.size, unixTimeOf(e, firmware)};
            if (e.attribute == wire::kAttrDrive || defragCopyName(path).empty()) {
                Refuse(formatText(tk("defrag.badEntry", "%s 無法複製到本機(名稱或種類不符),磁碟機 D: 沒有被變更。"), {path}));
                return false;
            }
            copies.push_back(copy);
        }
    }
    return true;
}

bool Defragment::CheckRoom(const std::vector<DefragCopy>& copies)
{
    std::uintmax_t need = kRoomMargin;
    for (const auto& c : copies)
        need += c.size;
    std::error_code ec;
    const fs::space_info space = fs::space(FsPath(session_.config().projectPath), ec);
    if (ec) {
        Refuse(formatText(tk("defrag.noSpaceInfo", "無法得知 %s 的可用空間(%s),磁碟機 D: 沒有被變更。"),
                          {session_.config().projectPath, ec.message()}));
        return false;
    }
    if (space.available < need) {
        Refuse(formatText(tk("defrag.noRoom", "本機空間不足:%s 需要 %s 位元組存放複本,只剩 %s 位元組。磁碟機 D: 沒有被變更。"),
                          {session_.config().projectPath, std::to_string(need), std::to_string(space.available)}));
        return false;
    }
    return true;
}

bool Defragment::Fetch(const DefragCopy& copy, std::string& why)
{
    PdtLink* link = session_.Link();
    const std::string local = CopyPath(copy);
    SafeFileWriter writer;
    if (!writer.Open(local)) {
        why = writer.Error();
        return false;
    }
    SafeFileSink sink(writer);
    if (!link->GetFile(copy.terminalPath, sink, false).ok()) {
        const int status = link->LastAnswerStatus();
        if (!writer.Error().empty())
            why = writer.Error();
        else if (!link->LastFailure().empty() || status > 0)
            why = failureText(*link, status);
        else
            why = tk("defrag.notSent", "終端機沒有送出這個檔案");
        writer.Discard();
        return false;
    }
    if (!writer.Commit()) {
        why = writer.Error();
        return false;
    }
    // Read back from the disk: only a copy that is there whole may stand in for the terminal's file.
    LocalFile back;
    if (!ReadLocalFile(local, kMaxCopy, back, why))
        return false;
    if (back.bytes.size() != copy.size) {
        why = formatText(tk("defrag.sizeMismatch", "讀回 %s 位元組,終端機列出 %s 位元組"),
                         {std::to_string(back.bytes.size()), std::to_string(copy.size)});
        return false;
    }
    return true;
}

bool Defragment::WriteManifest(const std::vector<DefragCopy>& copies)
{
    const std::string text = encodeDefragManifest(copies);
    SafeFileWriter writer;
    if (writer.Open(ManifestPath()) && writer.Write(text.data(), text.size()) && writer.Commit())
        return true;
    Refuse(formatText(tk("defrag.cannotWrite", "無法寫入 %s(%s),磁碟機 D: 沒有被格式化。"), {ManifestPath(), writer.Error()}));
    return false;
}

void Defragment::RemoveCopies(const std::vector<DefragCopy>& copies)
{
    std::error_code ec;
    for (const auto& c : copies)
        fs::remove(FsPath(CopyPath(c)), ec);
    for (const auto& f : kDefragFolders)
        fs::remove(FsPath(session_.config().projectPath + f.work), ec);  // only an empty folder goes
}

void Defragment::CleanUp()
{
    std::error_code ec;
    fs::remove(FsPath(ManifestPath()), ec);
    for (const auto& f : kDefragFolders)
        fs::remove(FsPath(session_.config().projectPath + f.work), ec);  // a folder that still holds files stays
}

void Defragment::Finish(int kept)
{
    if (!kept) {
        CleanUp();
        return;
    }
    ui_.fixedMessage(formatText(tk("defrag.keptCopies",
                                   "%d 個檔案沒有傳回磁碟機 D:。它們的複本保留在 %s(清單 %s);再執行一次資料重組即可把它們傳回,D: 不會再被格式化。"),
                                {kept, session_.config().projectPath, ManifestPath()}),
                     Icon::Exclamation);
}

int Defragment::SendBack(const std::vector<DefragCopy>& copies, int firmware)
{
    PdtLink* link = session_.Link();
    int kept = 0;
    for (const auto& copy : copies) {
        const std::string local = CopyPath(copy);
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(FsPath(local), ec))) {
            ++filesBack_;  // back on D: in an earlier run
            continue;
        }
        if (progress_)
            progress_->setLabel(copy.terminalPath);
        LocalFile file;
        std::string why;
        term::Result r;
        if (!ReadLocalFile(local, kMaxCopy, file, why)) {
        } else if (file.bytes.size() != copy.size) {
            why = formatText(tk("defrag.sizeMismatch", "讀回 %s 位元組,終端機列出 %s 位元組"),
                             {std::to_string(file.bytes.size()), std::to_string(copy.size)});
        } else {
            // The file goes back with the date it had on the terminal, not the day of its copy.
            if (copy.modified)
                file.modified = copy.modified;
            r = firmware >= term::kPathFirmware ? link->PutLoadedFileToPath(file, copy.terminalPath, 1, false)
                                          : link->PutLoadedFile(file, defragFolderOf(copy.terminalPath)->lower, 1, false, false, firmware);
            if (!r.ok())
                why = failureText(*link, r.status());
        }
        if (r.ok()) {
            fs::remove(FsPath(local), ec);
            ++filesBack_;
        } else {
            ++kept;
            ui_.addMessageLine(formatText(tk("defrag.notBack", "%s 沒有傳回磁碟機 D:(%s),複本保留在 %s"),
                                          {copy.terminalPath, why, local}));
        }
        Advance();
    }
    filesKept_ = kept;
    return kept;
}

bool Defragment::ReadyTerminal(PdtLink* link, const std::string& noInfo, int& version, int& dFree)
{
    int cTotal = 0, cFree = 0, dTotal = 0;
    if (const term::Result r = link->GetDiskInfo(version, cTotal, cFree, dTotal, dFree); !r.ok()) {
        Refuse(term::explained(noInfo, r));
        return false;
    }
    if (version < kDefragFirmware) {
        ui_.message(txt::kFirmwareUnsupported, Icon::Exclamation);
        return false;
    }
    return true;
}

int Defragment::Fresh()
{
    if (!session_.ConnectLink(0))
        return 0;
    term::Result formatted;
    int kept = 0;
    {
        BusyWindow busy(session_);
        PdtLink* link = session_.Link();
        int version = 0, dFree = 0;
        if (!ReadyTerminal(link, tk("defrag.noDiskInfo", "終端機沒有回報磁碟資訊,磁碟機 D: 沒有被變更。"), version, dFree))
            return 0;
        if (dFree < 0) {
            dUnformatted_ = true;  // nothing on D: to defragment
            return 0;
        }
        progress_ = ui_.openProgress(ProgressKind::Defragment, tr(txt::kDefragTitle), "");
        if (progress_)
            progress_->setPercent(0);

        // Until D: is formatted the terminal still has every file: a program stopped by a signal
        // before then takes its copies, its list and its work folders with it.
        RemovedOnSignal stopped;
        std::vector<std::string> workFolders;
        for (const auto& f : kDefragFolders)
            workFolders.push_back(session_.config().projectPath + f.work);
        stopped.Set({}, workFolders);
        for (const auto& f : kDefragFolders) {
            const std::string work = session_.config().projectPath + f.work;
            std::error_code ec;
            fs::create_directories(FsPath(work), ec);
            if (ec || !fs::is_directory(FsPath(work), ec)) {
                Refuse(formatText(tk("defrag.noFolder", "無法建立資料夾 %s(%s),磁碟機 D: 沒有被變更。"),
                                  {work, ec ? ec.message() : std::make_error_code(std::errc::not_a_directory).message()}));
                return 0;
            }
        }
        std::vector<DefragCopy> copies;
        if (!ListD(version, copies) || !CheckRoom(copies)) {
            RemoveCopies({});
            return 0;
        }

        std::vector<std::string> copyFiles{ManifestPath()};
        for (const auto& c : copies)
            copyFiles.push_back(CopyPath(c));
        stopped.Set(copyFiles, workFolders);

        total_ = 2 * static_cast<int>(copies.size()) + 2;
        step_ = 1;
        for (std::size_t i = 0; i < copies.size(); ++i) {
            if (progress_)
                progress_->setLabel(copies[i].terminalPath);
            std::string why;
            if (!Fetch(copies[i], why)) {
                // The terminal still has every file: the copies made so far go.
                RemoveCopies({copies.begin(), copies.begin() + static_cast<std::ptrdiff_t>(i) + 1});
                Refuse(formatText(tk("defrag.copyFailed", "%s 無法完整複製到本機(%s),磁碟機 D: 沒有被格式化。"),
                                  {copies[i].terminalPath, why}));
                return 0;
            }
            Advance();
        }
        if (!WriteManifest(copies)) {
            RemoveCopies(copies);
            return 0;
        }

        // From here on the copies on the PC are the only ones: they stay until each is back.
        stopped.Keep();
        ++step_;
        if (progress_)
            progress_->setLabel("D:\\");
        link->showFormatWait_ = 0;  // the progress window stands for the wait
        formatted = link->RunCommand(wire::kOpFormat, "D:\\");
        link->showFormatWait_ = 1;
        Advance();
        if (!formatted.ok())  // what is still on D: is overwritten by its copy
            ui_.showMessage(txt::kFormatFailed, term::explained(tr(txt::kFormatFailed), formatted), Icon::Exclamation);
        kept = SendBack(copies, version);
        ui_.terminalFolderChanged("D:\\");
    }
    progress_.reset();
    Finish(kept);
    return formatted.ok() && !kept ? 1 : 0;
}

int Defragment::Resume(const std::vector<DefragCopy>& copies)
{
    resumed_ = true;
    int pending = 0;
    for (const auto& c : copies) {
        std::error_code ec;
        if (fs::exists(fs::symlink_status(FsPath(CopyPath(c)), ec)))
            ++pending;
    }
    if (pending == 0) {
        // Every file went back; only the list was left.
        filesBack_ = static_cast<int>(copies.size());
        CleanUp();
        return 1;
    }
    const std::string question = formatText(
        tk("defrag.resume", "上次的資料重組沒有完成:%d 個檔案的複本仍保留在 %s。要把它們傳回磁碟機 D: 嗎?(D: 不會再被格式化)"),
        {pending, session_.config().projectPath});
    if (!accepted(ui_.ask(0, question, Buttons::YesNo, Icon::Question)))
        return 0;
    if (!session_.ConnectLink(0))
        return 0;
    int kept = 0;
    {
        BusyWindow busy(session_);
        PdtLink* link = session_.Link();
        int version = 0, dFree = 0;
        if (!ReadyTerminal(link, tk("defrag.noDiskInfoResume", "終端機沒有回報磁碟資訊,複本仍保留在原處。"), version, dFree))
            return 0;
        progress_ = ui_.openProgress(ProgressKind::Defragment, tr(txt::kDefragTitle), "");
        total_ = pending;
        step_ = 1;
        if (progress_)
            progress_->setPercent(0);
        kept = SendBack(copies, version);
        ui_.terminalFolderChanged("D:\\");
    }
    progress_.reset();
    Finish(kept);
    return kept ? 0 : 1;
}

}  // namespace feld
