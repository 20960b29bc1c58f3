#include "project/DataReceive.h"

#include "base/PcFiles.h"
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

// Whether `folder` is a folder this program may write into; the reason when not.
std::string folderProblem(const std::string& folder)
{
    if (folder.empty())
        return "no save folder is set";
    const PathStatus st = StatPath(folder, true);
    if (st.kind == PathKind::Missing || st.kind == PathKind::Unknown)
        return folder + ": " + (st.kind == PathKind::Missing ? FolderWriteProblem(folder) : st.error) +
               " (the save folder is not created by itself: choose one that exists)";
    if (st.kind != PathKind::Folder)
        return folder + ": not a folder";
    if (std::string why = FolderWriteProblem(folder); !why.empty())
        return folder + ": " + why;
    return {};
}

}  // namespace

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
    if (!session_.ReportCancelled()) {
        if (!why.empty())
            ui_.fixedMessage(why, Icon::Exclamation);
        ui_.message(txt::kReceiveFailed, Icon::Exclamation);
    }
    End();
    return 0;
}

int DataReceive::Receive(const ReceiveChoice& choice)
{
    outcome_ = {};
    source_.clear();
    destination_.clear();
    // A name from the terminal must stay inside the save folder, and the folder must be one to write
    // into: checked before anything moves, so the terminal keeps its file when they are not.
    if (std::string bad = wire::dataFilePath(choice.name, source_); !bad.empty())
        return Fail(outcome_.why = formatText(tk("receive.badEntry", "%s names no terminal file (%s)"), {choice.name, bad}));
    std::string saveFolder = choice.saveFolder;
    while (saveFolder.size() > 1 && (saveFolder.back() == '/' || saveFolder.back() == '\\'))
        saveFolder.pop_back();
    if (std::string why = folderProblem(saveFolder); !why.empty())
        return Fail(outcome_.why = why);
    PdtLink* link = session_.Link();
    if (!link)
        return Fail({});

    session_.config().receiveAppends = choice.append;  // resident collection writes the same way
    destination_ = ReceiveDestination(saveFolder, source_.substr(source_.rfind('\\') + 1));
    ReceiveOrder order;
    order.source = source_;
    order.destination = destination_;
    order.append = choice.append;
    order.keepCr = choice.keepCr;
    order.keepLf = choice.keepLf;
    order.deleteAfter = choice.deleteAfter;
    order.showProgress = true;
    {
        WaitCursor cursor(ui_);
        outcome_ = ReceiveFile(*link, order);
    }
    if (!outcome_.stored)
        return Fail(outcome_.why);
    ui_.terminalFolderChanged("C:\\");
    if (outcome_.kept) {
        // The copy stands, but the terminal's file stays: said, so it is not taken for done.
        ui_.addMessageLine(outcome_.why);
        ui_.fixedMessage(outcome_.why, Icon::Exclamation);
    } else {
        ui_.message(txt::kReceiveDone, Icon::Information);
    }
    if (open_) {
        open_ = false;
        session_.EndOperation();
    }
    return outcome_.ok() ? 1 : 0;
}

}  // namespace feld
