#include "project/DataReceive.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "base/LocalFile.h"
#include "base/SafeFile.h"
#include "base/Texts.h"
#include "base/Ui.h"
#include "link/PdtLink.h"
#include "link/wire/TermCodec.h"
#include "link/wire/TermNames.h"
#include "link/wire/TermStatus.h"
#include "session/Config.h"
#include "session/Session.h"

namespace feld {

namespace {

constexpr const char* kDataFolder = "C:\\Data";
// A received data file is kept in memory while its line ends are converted; no terminal drive
// holds more than this.
constexpr std::uint64_t kMaxDataFile = 0x7FFFFFFFull;


// Whether `folder` is a folder this program may write into; the reason when not.
std::string folderProblem(const std::string& folder)
{
    struct stat st {};
    if (folder.empty())
        return "no save folder is set";
    if (::stat(folder.c_str(), &st) != 0)
        return folder + ": " + std::strerror(errno) + " (the save folder is not created by itself: choose one that exists)";
    if (!S_ISDIR(st.st_mode))
        return folder + ": not a folder";
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return folder + ": " + std::strerror(errno);
    return {};
}

}  // namespace

std::string ReceiveDestination(const std::string& saveFolder, const std::string& name)
{
    std::string folder = saveFolder;
    while (!folder.empty() && (folder.back() == '/' || folder.back() == '\\'))
        folder.pop_back();
    return folder + "/" + name;
}

DataReceive::~DataReceive() { End(); }

bool DataReceive::Begin()
{
    if (!session_.Link() && !session_.ConnectLink(0))
        return false;
    if (!session_.Link()->IsPortOpen()) {
        ui_.message(txt::kPortFailed, Icon::Exclamation);
        return false;
    }
    session_.BeginOperation();
    open_ = true;
    return true;
}

void DataReceive::End()
{
    if (open_) {
        open_ = false;
        session_.AbortOperation();
    }
}

std::optional<std::vector<std::string>> DataReceive::ListFiles()
{
    int count = 0;
    PdtLink* link = session_.Link();
    const std::uint8_t* entries = link ? link->ListDirectory(kDataFolder, count) : nullptr;
    if (!entries && link && link->LastAnswerStatus() != term::kFailed)
        return std::nullopt;  // no answer: the link said why
    std::vector<std::string> names;
    const std::int16_t n = static_cast<std::int16_t>(entries ? count : 0);
    for (const wire::DirEntry& e : wire::decodeDirectory(entries, n > 0 ? static_cast<std::size_t>(n) * wire::kDirEntrySize : 0))
        if (e.attribute != wire::kAttrFolder && e.attribute != wire::kAttrDrive)
            names.push_back(e.name);
    if (names.empty())
        ui_.message(txt::kNoDataToReceive, Icon::Exclamation);
    return names;
}

int DataReceive::Fail(const std::string& why)
{
    if (!why.empty())
        ui_.fixedMessage(why, Icon::Exclamation);
    ui_.message(txt::kReceiveFailed, Icon::Exclamation);
    End();
    return 0;
}

int DataReceive::Receive(const ReceiveChoice& choice)
{
    // A name from the terminal must stay inside the save folder, and the folder must be one to write
    // into: checked before anything moves, so the terminal keeps its file when they are not.
    if (!wire::isSafeTerminalName(choice.name) || !wire::lookupNameProblem(choice.name).empty())
        return Fail(tk("receive.badName", "the terminal's file name cannot be used on this PC: ") + choice.name);
    std::string saveFolder = choice.saveFolder;
    while (saveFolder.size() > 1 && (saveFolder.back() == '/' || saveFolder.back() == '\\'))
        saveFolder.pop_back();
    if (std::string why = folderProblem(saveFolder); !why.empty())
        return Fail(why);
    PdtLink* link = session_.Link();
    if (!link)
        return Fail({});

    // Into the transfer temporary file first; the destination is touched only with the whole file.
    const std::string temp = session_.config().transferTempFile;
    const std::string source = std::string(kDataFolder) + "\\" + choice.name;
    {
        SafeFileWriter writer;
        if (!writer.Open(temp))
            return Fail(writer.Error());
        SafeFileSink sink(writer);
        term::Result r;
        {
            WaitCursor cursor(ui_);
            r = link->GetFile(source, sink, true);
        }
        if (!r.ok()) {
            writer.Discard();
            return Fail({});
        }
        if (!writer.Commit())
            return Fail(writer.Error());
    }
    LocalFile received;
    std::string why;
    const bool read = ReadLocalFile(temp, kMaxDataFile, received, why);
    ::unlink(temp.c_str());
    if (!read)
        return Fail(why);
    const std::string data = FilterLineEnds(
        std::string_view(reinterpret_cast<const char*>(received.bytes.data()), received.bytes.size()), choice.keepCr,
        choice.keepLf);

    // Append or replace, safely either way: a new file with the old bytes (when appending) and the
    // new ones takes the old one's place only when all of it is on disk.
    session_.config().receiveAppends = choice.append;  // resident collection writes the same way
    const std::string destination = ReceiveDestination(saveFolder, choice.name);
    SafeFileWriter out;
    if (!out.Open(destination))
        return Fail(out.Error());
    if (choice.append && !out.WritesThrough()) {
        std::ifstream old(out.Target(), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(old)), std::istreambuf_iterator<char>());
        if (!bytes.empty() && !out.Write(bytes.data(), bytes.size()))
            return Fail(out.Error());
    }
    if ((!data.empty() && !out.Write(data.data(), data.size())) || !out.Commit())
        return Fail(out.Error());

    // Only now, with the copy complete, may the terminal's file go.
    if (choice.deleteAfter) {
        // The copy stands either way; a terminal file that stays is said, so it is not taken twice
        // unknowingly.
        if (const term::Result r = link->RunCommand(wire::kOpDelete, source); !r.ok())
            ui_.addMessageLine(term::explained(trf(txt::kDeleteFailed, {source}), r));
    }
    ui_.terminalFolderChanged("C:\\");
    ui_.message(txt::kReceiveDone, Icon::Information);
    if (open_) {
        open_ = false;
        session_.EndOperation();
    }
    return 1;
}

}  // namespace feld
