// The terminal operations built on the transfers: commands, folder listings, sending a file into a
// folder or to a full path, fetching a file, the disk information and the cradle version.

#include <algorithm>
#include <cstring>
#include <optional>

#include "base/Clock.h"
#include "base/LocalFile.h"
#include "base/PcPath.h"
#include "base/Texts.h"
#include "base/Ui.h"
#include "link/LinkPort.h"
#include "link/PdtLink.h"
#include "link/SendCheck.h"
#include "link/TransferProgress.h"
#include "link/wire/TermCodec.h"
#include "link/wire/TermNames.h"
#include "link/wire/TermStatus.h"

namespace feld {

namespace {

constexpr int kWriteTimeout = 1000;
constexpr int kFormatWaitMs = 12000;
constexpr int kFormatTickMs = 500;
// A terminal that keeps asking for the flash writer after it was given it would keep us sending
// it for ever; after this many rounds within one operation we give up.
constexpr int kMaxFlashWriterRounds = 3;

// Set while the flash writer itself is on its way: a request for it in the middle of that is not
// answered with yet another copy (which would never end).
thread_local int flashWriterDepth = 0;

struct DepthGuard {
    DepthGuard() { ++flashWriterDepth; }
    ~DepthGuard() { --flashWriterDepth; }
};

// The bytes that follow a file header: the file itself, or for a kernel image its body (length,
// file, word sum).
bool appendContent(std::vector<std::uint8_t>& payload, const std::vector<std::uint8_t>& file, bool kernel,
                   const std::string& localPath, Ui* ui)
{
    if (!kernel) {
        payload.insert(payload.end(), file.begin(), file.end());
        return true;
    }
    std::vector<std::uint8_t> body = wire::makeKernelBody(file.data(), file.size());
    if (body.empty()) {
        if (ui)
            ui->fixedMessage(formatText(tk("link.kernelOddSize", "%s is %u bytes long: a kernel image is a whole number of "
                                                                "4-byte words; nothing was sent"),
                                        {localPath, static_cast<unsigned long long>(file.size())}),
                             Icon::Exclamation);
        return false;
    }
    payload.insert(payload.end(), body.begin(), body.end());
    return true;
}

}  // namespace

// The terminal answered status 3: it wants the flash writer. Sends it from flashWriterPath_ into
// "c:\program" as "ROMWrite.abp". Returns PutFile's result; 4 has been explained (C: must be
// formatted first). Failed when there is nothing to send: the model was not one we have a writer
// for (the link said so when the request came), or the writer itself is what is being sent.
static term::Result SendFlashWriterOnDemand(PdtLink& link)
{
    if (link.flashWriterPath_.empty() || flashWriterDepth > 0)
        return term::kFailed;
    DepthGuard guard;
    term::Result r = link.PutFile(link.flashWriterPath_, term::kFlashWriterTerminalFolder, 1, true, false);
    if (r == term::kNotFormatted && link.env_.ui)
        link.env_.ui->message(txt::kFormatCFirst, Icon::Exclamation);
    return r;
}

static void TooManyFlashWriterRequests(PdtLink& link)
{
    if (link.env_.ui)
        link.env_.ui->fixedMessage(tk("link.writerLoop", "The terminal keeps asking for the flash writer; giving up."),
                                   Icon::Exclamation);
}

// Sends a file payload (code 3 or 8) and serves the terminal's requests for the flash writer on
// the way: after the writer went over, the file is sent again. The writer itself is never answered
// with another copy of itself. Returns the terminal's status; failed for no answer or a write
// time-out.
static term::Result SendFileWithFlashWriter(PdtLink& link, std::uint8_t code, const std::vector<std::uint8_t>& payload,
                                   std::size_t headerBytes, const std::string& localPath, bool asFlashWriter, bool show)
{
    if (payload.size() > 0xFFFFFFFFull) {
        // The length field of a transfer has 32 bits: such a payload cannot be announced.
        if (link.env_.ui)
            link.env_.ui->fixedMessage(formatText(tk("link.tooBig", "%s: too big to send to the terminal"), {localPath}),
                                       Icon::Exclamation);
        return term::kFailed;
    }
    for (int rounds = 0;;) {
        link.Engine().SetSendHeaderBytes(static_cast<std::uint32_t>(headerBytes));
        int r = link.SendTransfer(code, static_cast<std::uint32_t>(payload.size()), payload.data(), show);
        if (r != term::kWantsFlashWriter)
            return r == kWriteTimeout ? term::Result(term::kFailed) : term::Result(r);
        if (asFlashWriter || ++rounds > kMaxFlashWriterRounds) {
            if (!asFlashWriter)
                TooManyFlashWriterRequests(link);
            return term::kFailed;
        }
        term::Result w = SendFlashWriterOnDemand(link);
        if (!w.ok())
            return w == term::kNotFormatted ? term::Result(term::kFailed) : w;
        link.Engine().SetTitle(localPath);
    }
}

term::Result PdtLink::RunCommand(std::uint8_t op, const std::string& argument)
{
    lastAnswerStatus_ = -1;
    if (!EnsureLink())
        return term::kFailed;
    const std::vector<std::uint8_t> packet = wire::makeCommand(op, argument);
    int rounds = 0;
    for (;;) {
        int r = SendTransfer(wire::kCommand, static_cast<std::uint32_t>(packet.size()), packet.data(), false);
        if (r == term::kWantsFlashWriter) {
            if (++rounds > kMaxFlashWriterRounds) {
                TooManyFlashWriterRequests(*this);
                return term::kFailed;
            }
            term::Result w = SendFlashWriterOnDemand(*this);
            if (w == term::kFailed || w == term::kNotFormatted)
                return term::kFailed;
            continue;  // the terminal has its writer now: the same command again
        }
        if (r == term::kFailed || r == kWriteTimeout)
            return term::kFailed;
        if (r == term::kDone)
            break;  // the terminal took the command: its answer follows
        // Any other status refuses the command: it was not run, and no answer follows.
        lastAnswerStatus_ = r;
        if (env_.ui) {
            if (r == term::kNeedsDefrag)
                env_.ui->message(txt::kNeedsDefrag, Icon::Exclamation);
            else if (r >= term::kInUse && r <= term::kInUse3)
                env_.ui->message(txt::kFileInUse, Icon::Exclamation);
        }
        return term::Result(r);
    }

    // Formatting D: takes the terminal about 12 seconds, during which it does not answer.
    if (op == wire::kOpFormat && argument == "D:\\") {
        if (showFormatWait_) {
            TransferProgress wait(ProgressKind::Format, 0, 100, std::string(), env_.ui, env_.clock);
            wait.Create();
            wait.StartTimed();
            while (!engine_.Cancelled() && wait.Tick())
                env_.clock->sleepMs(kFormatTickMs);
        } else {
            env_.clock->sleepMs(kFormatWaitMs);
        }
    }

    // The answer to a command is reply data; a file or anything else is refused.
    if (!ReceiveTransfer(false, Expect::Answer()))
        return term::kFailed;

    const std::uint8_t* data = ReplyData().data();
    const std::size_t size = ReplyData().size();
    term::Result result(wire::replyDataStatus(data, size).value_or(term::kFailed));
    switch (op) {
    case wire::kOpList:
        result = term::kDone;
        break;
    case wire::kOpDiskInfo:
        // Only an answer that says "done" carries the values; one that says so without them is no
        // answer at all.
        if (!result.ok())
            break;
        if (auto info = wire::parseDiskInfoReply(data, size)) {
            firmwareVersion_ = info->firmware;
            cTotal_ = info->cTotal;
            cFree_ = info->cFree;
            dTotal_ = info->dTotal;
            dFree_ = info->dFree;
            // No file the terminal sends can be bigger than its biggest drive.
            if (int largest = std::max(cTotal_, dTotal_); largest > 0)
                engine_.SetLargestFile(static_cast<std::uint32_t>(largest));
        } else {
            result = term::kFailed;
        }
        break;
    case wire::kOpModel:
        if (!result.ok())
            break;
        if (auto model = wire::parseModelInfoReply(data, size)) {
            modelClass_ = model->modelClass;
            modelNumber_ = model->modelNumber;
        } else {
            result = term::kFailed;
        }
        break;
    default:
        break;
    }
    lastAnswerStatus_ = result.status();
    MarkLinkAlive();
    return result;
}

const std::uint8_t* PdtLink::ListDirectory(const std::string& path, int& count)
{
    count = 0;
    lastAnswerStatus_ = -1;
    if (path.size() > wire::kMaxListPath) {
        // The terminal's listing command carries at most 77 bytes of path.
        if (env_.ui)
            env_.ui->fixedMessage(formatText(tk("link.folderTooLong", "The terminal folder path is too long (%d bytes, at most %d): %s"),
                                             {static_cast<int>(path.size()), static_cast<int>(wire::kMaxListPath), path}),
                                  Icon::Exclamation);
        return nullptr;
    }
    if (!EnsureLink())
        return nullptr;
    const std::vector<std::uint8_t> packet = wire::makeCommand(wire::kOpList, path);
    int r = SendTransfer(wire::kCommand, static_cast<std::uint32_t>(packet.size()), packet.data(), false);
    // Any status but "taken" (a refused path, say) means no listing follows: waiting for one would
    // only run into the time-out.
    if (r != term::kDone)
        return nullptr;
    if (!ReceiveTransfer(false, Expect::Answer()))
        return nullptr;
    MarkLinkAlive();
    // A folder that is not there is answered with a status (status + 100 in one byte), not with
    // entries (28 bytes each).
    if (ReplyData().size() % wire::kDirEntrySize != 0 && ReplyData().size() < wire::kDirEntrySize) {
        lastAnswerStatus_ = wire::replyDataStatus(ReplyData().data(), ReplyData().size()).value_or(0);
        return nullptr;
    }
    lastAnswerStatus_ = term::kDone;
    count = ReplyRecordCount();
    // Callers read whole 28-byte records: a short last record is read as if padded with zeros.
    std::vector<std::uint8_t>& entries = engine_.ReplyData();
    entries.resize(static_cast<std::size_t>(count) * wire::kDirEntrySize, 0);
    // An empty folder is a success with no entries: hand back a valid (if empty) pointer.
    static const std::uint8_t kNoEntries[wire::kDirEntrySize] = {};
    return entries.empty() ? kNoEntries : entries.data();
}

bool PdtLink::LoadForSending(const std::string& localPath, LocalFile& file)
{
    std::string why;
    if (ReadForSending(localPath, file, why))
        return true;
    if (env_.ui)
        env_.ui->fixedMessage(why, Icon::Exclamation);
    return false;
}

bool PdtLink::CheckNameForSending(const std::string& localPath, const std::string& storedName)
{
    const SendNameProblem problem = CheckSendName(localPath, storedName);
    if (problem.none())
        return true;
    if (env_.ui)
        env_.ui->showMessage(problem.id, problem.text, Icon::Exclamation);
    return false;
}

term::Result PdtLink::PutFile(const std::string& localPath, const std::string& folder, std::uint8_t overwrite,
                              bool asFlashWriter, bool show)
{
    const std::string stored =
        asFlashWriter ? std::string(term::kFlashWriterTerminalName) : wire::terminalNameFor(PcFileName(localPath));
    if (!CheckNameForSending(localPath, stored))
        return term::kFailed;
    LocalFile file;
    if (!LoadForSending(localPath, file))
        return term::kFailed;
    return PutLoadedFile(file, folder, overwrite, asFlashWriter, show);
}

term::Result PdtLink::PutLoadedFile(const LocalFile& file, const std::string& folder, std::uint8_t overwrite,
                                    bool asFlashWriter, bool show, int firmware)
{
    const std::string& localPath = file.path;
    wire::FileHeader header;
    header.name = asFlashWriter ? std::string(term::kFlashWriterTerminalName) : wire::terminalNameFor(PcFileName(localPath));
    if (!CheckNameForSending(localPath, header.name))
        return term::kFailed;
    if (!EnsureLink())
        return term::kFailed;
    engine_.SetTitle(localPath);
    // Only the kernel update sends a kernel image: any other file travels as it is, whatever its
    // name ("SCAN.BIN" is data).
    const bool kernel = sendingKernel_ && !asFlashWriter;
    header.type = kernel ? static_cast<std::uint8_t>(wire::kTypeKernel) : wire::fileTypeFor(folder);
    header.overwrite = overwrite;

    // The date and time words are written the way this terminal's firmware reads them; without
    // its version they would be guessed, and a wrong guess stores a wrong date. A caller that asked
    // the terminal in this operation already knows it: asking again before every file of a project
    // would cost a command exchange (two settling pauses) a file and tell nothing new.
    int version = firmware, ct = 0, cf = 0, dt = 0, df = 0;
    if (version <= 0 && !GetDiskInfo(version, ct, cf, dt, df).ok()) {
        if (env_.ui)
            env_.ui->fixedMessage(formatText(tk("link.noVersion", "%s: not sent: the terminal did not report its firmware version"),
                                             {localPath}),
                                  Icon::Exclamation);
        return term::kFailed;
    }
    engine_.SetTitle(localPath);
    const wire::TermDateTime when = wire::termDateTimeFromUnix(file.modified);
    header.date = wire::encodeDate(when, version);
    header.time = wire::encodeTime(when, version);
    header.sizeField = wire::sizeFieldFor(static_cast<std::uint32_t>(file.bytes.size()), kernel);

    auto head = wire::makeFileHeader(header);
    if (!head)
        return term::kFailed;
    std::vector<std::uint8_t> payload(head->begin(), head->end());
    if (!appendContent(payload, file.bytes, kernel, localPath, env_.ui))
        return term::kFailed;

    term::Result result = SendFileWithFlashWriter(*this, wire::kFile, payload, head->size(), localPath, asFlashWriter, show);
    if (result != term::kFailed)
        MarkLinkAlive();  // the terminal answered, whatever it said
    return result;
}

term::Result PdtLink::PutFileToPath(const std::string& localPath, const std::string& terminalPath, std::uint8_t overwrite,
                                    int unused, bool show)
{
    (void)unused;
    LocalFile file;
    if (!CheckNameForSending(localPath, wire::terminalNameFor(PcFileName(localPath))) || !LoadForSending(localPath, file))
        return term::kFailed;
    return PutLoadedFileToPath(file, terminalPath, overwrite, show);
}

term::Result PdtLink::PutLoadedFileToPath(const LocalFile& file, const std::string& terminalPath, std::uint8_t overwrite,
                                          bool show)
{
    const std::string& localPath = file.path;
    const std::size_t cut = terminalPath.rfind('\\');
    const std::string stored = cut == std::string::npos ? terminalPath : terminalPath.substr(cut + 1);
    if (!CheckNameForSending(localPath, stored))
        return term::kFailed;
    if (std::string why = wire::pathProblem(terminalPath); !why.empty()) {
        if (env_.ui)
            env_.ui->fixedMessage(formatText(tk("link.badPath", "%s: not a path the terminal takes (%s)"), {terminalPath, why}),
                                  Icon::Exclamation);
        return term::kFailed;
    }
    if (!EnsureLink())
        return term::kFailed;
    engine_.SetTitle(localPath);

    // This form of sending exists only on newer firmware, so its words always use the newer encoding.
    const bool kernel = sendingKernel_;
    const wire::TermDateTime when = wire::termDateTimeFromUnix(file.modified);
    wire::PathFileHeader header;
    header.sizeField = wire::sizeFieldFor(static_cast<std::uint32_t>(file.bytes.size()), kernel);
    header.date = wire::encodeDate(when, wire::kFatDateFirmware);
    header.time = wire::encodeTime(when, wire::kFatDateFirmware);
    header.overwrite = overwrite;
    header.path = terminalPath;
    auto head = wire::makePathFileHeader(header);
    if (!head) {
        if (env_.ui)
            env_.ui->fixedMessage(formatText(tk("link.pathTooLong", "The terminal path is too long: %s"), {terminalPath}),
                                  Icon::Exclamation);
        return term::kFailed;
    }
    std::vector<std::uint8_t> payload = std::move(*head);
    const std::size_t headerBytes = payload.size();
    if (!appendContent(payload, file.bytes, kernel, localPath, env_.ui))
        return term::kFailed;

    OpenTrace();
    term::Result result = SendFileWithFlashWriter(*this, wire::kPathFile, payload, headerBytes, localPath, false, show);
    if (result != term::kFailed)
        MarkLinkAlive();  // the terminal answered, whatever it said
    CloseTrace();
    return result;
}

term::Result PdtLink::GetFile(const std::string& terminalPath, FileSink& sink, bool show)
{
    if (!EnsureLink())
        return term::kFailed;
    engine_.SetTitle(terminalPath);
    const std::vector<std::uint8_t> packet = wire::makeCommand(wire::kOpGetFile, terminalPath);
    OpenTrace();
    term::Result result;
    int r = SendTransfer(wire::kCommand, static_cast<std::uint32_t>(packet.size()), packet.data(), false);
    lastAnswerStatus_ = r == term::kDone || r == term::kFailed || r == kWriteTimeout ? -1 : r;
    bool refused = lastAnswerStatus_ >= 0;  // the terminal refused the request itself: no file follows
    if (r == term::kDone && ReceiveTransfer(show, Expect::FileOrAnswer(sink))) {
        // Only a file answers this command; reply data instead (the terminal's refusal) means
        // nothing was fetched, whatever status it carries.
        if (engine_.ReplyKind() == wire::kFile) {
            result = term::kDone;
            lastAnswerStatus_ = term::kDone;
            MarkLinkAlive();
        } else {
            lastAnswerStatus_ = wire::replyDataStatus(ReplyData().data(), ReplyData().size()).value_or(term::kFailed);
            refused = true;
        }
    }
    if (refused) {
        // An answer of "done" that brings no file is no file either.
        result = lastAnswerStatus_ == term::kDone ? term::Result(term::kFailed) : term::Result(lastAnswerStatus_);
        if (env_.ui) {
            std::string why = lastAnswerStatus_ == term::kFailed       ? tk("link.noSuchFile", "no such file on the terminal")
                              : lastAnswerStatus_ == term::kDone         ? tk("link.noFileSent", "the terminal sent no file")
                              : lastAnswerStatus_ == term::kNotFormatted ? tk("link.notFormatted", "the drive is not formatted")
                                                                         : formatText(tk("link.notSent", "the terminal did not send it (%s)"),
                                                                                      {term::statusText(lastAnswerStatus_)});
            env_.ui->fixedMessage(terminalPath + ": " + why, Icon::Exclamation);
        }
    }
    CloseTrace();
    return result;
}

term::Result PdtLink::GetDiskInfo(int& version, int& cTotal, int& cFree, int& dTotal, int& dFree)
{
    term::Result r = RunCommand(wire::kOpDiskInfo, std::string());
    version = firmwareVersion_;
    cTotal = cTotal_;
    cFree = cFree_;
    dTotal = dTotal_;
    dFree = dFree_;
    return r;
}

int PdtLink::GetCradleVersion()
{
    return Port() ? Port()->Device().CradleVersion() : 0;
}

}  // namespace feld
