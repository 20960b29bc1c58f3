#include "link/TransferEngine.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "base/Clock.h"
#include "base/PortSettings.h"
#include "base/SafeFile.h"
#include "base/Texts.h"
#include "base/Ui.h"
#include "link/LinkPort.h"
#include "link/TransferProgress.h"
#include "link/wire/TermCodec.h"
#include "link/wire/TermStatus.h"

namespace feld {

namespace {

constexpr int kRetryLimit = 40;
// A terminal that answers "busy" (status 7) or keeps repeating an old frame is waited for, but
// not for ever: after this many in a row for one frame the transfer fails.
constexpr int kBusyLimit = 200;
constexpr int kDuplicateLimit = 40;
// A transfer that fails after its retries with nothing at all heard through this many of them in
// a row failed because the terminal stopped answering, not because the line is noisy.
constexpr int kSilentLimit = 4;
constexpr int kSettleMs = 100;
constexpr std::uint8_t kReplyAccept = 1;
constexpr std::uint8_t kReplyReject = 0;
constexpr std::size_t kFileHeaderSize = 32;

std::string fileText() { return tk("link.kind.file", "a file"); }
std::string answerText() { return tk("link.kind.answer", "an answer"); }

std::string kindText(std::uint8_t code)
{
    switch (code) {
    case wire::kFile: return fileText();
    case wire::kCommand:
    case wire::kReplyData: return answerText();
    default: return tk("link.kind.transfer", "a transfer");
    }
}

std::string noAnswer()
{
    return tk("link.noAnswer", "the terminal did not answer (is it switched on, in its cradle and ready to transfer?)");
}

std::string noisyLine()
{
    return tk("link.noisyLine", "the terminal's frames kept arriving damaged; check the cable and the line speed");
}

// Said on the progress line while frames go unanswered, before the transfer gives up.
constexpr int kNoticeAfterSilent = 2;
std::string notAnswering(int attempt)
{
    return formatText(tk("link.notAnswering", "the terminal does not answer; retrying (attempt %d of %d)"),
                      {attempt, kRetryLimit});
}

std::string stoppedAnswering()
{
    return tk("link.stoppedAnswering", "the terminal stopped answering (is it still switched on and in its cradle?)");
}

std::string cancelled() { return tk("link.cancelled", "the transfer was cancelled"); }

}  // namespace

bool BufferSink::Begin(std::uint32_t size)
{
    bytes.clear();
    bytes.reserve(size);
    return true;
}

bool BufferSink::Write(const std::uint8_t* data, std::size_t n)
{
    bytes.insert(bytes.end(), data, data + n);
    return true;
}

TransferEngine::TransferEngine(Clock& clock, Ui* ui, const PortSettings* settings)
    : clock_(clock), ui_(ui), settings_(settings)
{
    replyDeadline_ = clock_.monotonicSeconds();
}

TransferEngine::~TransferEngine()
{
    CloseTrace();
    SetPort(nullptr);
}

void TransferEngine::SetPort(std::unique_ptr<LinkPort> port)
{
    std::unique_ptr<LinkPort> old;
    {
        std::lock_guard lock(portMutex_);
        old = std::move(port_);
    }
    // The old device is released before a new one opens it; its reader thread is stopped outside
    // the lock, so a Cancel meanwhile waits for nothing but the hand-over.
    old.reset();
    std::lock_guard lock(portMutex_);
    port_ = std::move(port);
}

// ---- helpers ---------------------------------------------------------------------------------

void TransferEngine::Debug(const std::string& line)
{
    if (ui_)
        ui_->debugLine(line);
}

void TransferEngine::Trace(const void* data, std::size_t n)
{
    if (traceFile_ && n > 0)
        std::fwrite(data, 1, n, traceFile_);
}

void TransferEngine::OpenTrace(const std::string& path)
{
    CloseTrace();
    if (!path.empty())
        traceFile_ = OpenPrivateLog(path);
}

void TransferEngine::CloseTrace()
{
    if (traceFile_) {
        std::fclose(traceFile_);
        traceFile_ = nullptr;
    }
}

void TransferEngine::Cancel()
{
    cancel_.store(true);
    std::lock_guard lock(portMutex_);
    if (port_)
        port_->Ring().Wake();  // a reader waiting for the terminal looks at once
}

std::string TransferEngine::LostReason() const
{
    std::string why = port_ ? port_->Device().LastError() : std::string();
    return why.empty() ? tk("link.deviceClosed", "the device closed") : why;
}

std::string TransferEngine::ConnectionLost() const
{
    return formatText(tk("link.connectionLost", "the connection to the terminal was lost (%s)"), {LostReason()});
}

// ---- reply timer -----------------------------------------------------------------------------

void TransferEngine::StartReplyTimer()
{
    bool usb = settings_ && settings_->portChoice == 0;
    if (usb) {
        replyTimeout_ = 2;
    } else {
        int baud = port_ ? port_->BaudRate() : (settings_ ? settings_->baudrate : 0);
        switch (baud) {
        case 4800: replyTimeout_ = 8; break;
        case 9600: replyTimeout_ = 4; break;
        case 19200:
        case 38400:
        case 57600:
        case 115200: replyTimeout_ = 2; break;
        default:
            // Other rates: the same rule the table follows (a 4800 bit/s line waits 8 s), never
            // less than 2 s.
            if (baud > 0)
                replyTimeout_ = std::max(2, (38400 + baud - 1) / baud);
            else if (replyTimeout_ == 0)
                replyTimeout_ = 2;
            break;
        }
    }
    replyDeadline_ = clock_.monotonicSeconds() + replyTimeout_;
}

bool TransferEngine::IsReplyTimedOut()
{
    timedOut_ = clock_.monotonicSeconds() > replyDeadline_ ? 1 : 0;
    return timedOut_ != 0;
}

void TransferEngine::WaitForInput(std::size_t want)
{
    if (!port_)
        return;
    // The wait ends at the first millisecond of the second after the deadline.
    clock_.waitForBytes(port_->Ring(), want, (replyDeadline_ + 1) * 1000);
}

// ---- frames ----------------------------------------------------------------------------------

int TransferEngine::SendHeaderFrame(std::uint8_t code, std::uint32_t length)
{
    auto h = wire::makeHeader(code, length);
    return port_->Write(h.data(), h.size());
}

int TransferEngine::SendDataFrame(std::uint16_t counter, const std::uint8_t* data, std::size_t n)
{
    auto head = wire::makeDataHead(counter);
    auto tail = wire::makeDataTail(head.data(), data, n);
    // The terminal's reply is waited for next; a frame that did not go out simply gets none.
    return port_->PostFrame(head.data(), head.size(), data, n, tail.data(), tail.size());
}

int TransferEngine::SendAckFrame(std::uint16_t counter, std::uint8_t status, bool wait)
{
    auto r = wire::makeReply(counter, status);
    if (wait)
        return port_->Write(r.data(), r.size());
    return port_->PostFrame(r.data(), r.size(), nullptr, 0, nullptr, 0);
}

bool TransferEngine::WaitReplyFrame(std::array<std::uint8_t, wire::kReplySize>& frame)
{
    StartReplyTimer();
    std::uint8_t buf[1024];
    std::size_t fill = 0;
    std::size_t scan = 0;  // offsets below this cannot start a frame
    std::uint16_t sum = 0;
    while (port_) {
        if (fill + wire::kReplySize >= sizeof buf) {
            // Keep the bytes that may still begin a frame.
            std::size_t keep = fill - scan;
            std::memmove(buf, buf + scan, keep);
            fill = keep;
            scan = 0;
        }
        std::size_t got = 0;
        port_->ReadRing(buf + fill, wire::kReplySize, got, sum);
        if (got > 0) {
            heardSince_ = true;
            fill += got;
            for (; scan + wire::kReplySize <= fill; ++scan) {
                if (wire::looksLikeReply(buf + scan)) {
                    std::memcpy(frame.data(), buf + scan, wire::kReplySize);
                    Trace(frame.data(), frame.size());
                    return true;
                }
            }
            // Skip the bytes that cannot start a frame even before the rest has arrived.
            while (scan < fill && buf[scan] != 0x02)
                ++scan;
            continue;
        }
        if (IsReplyTimedOut() || !port_->IsOpen() || cancel_.load())
            return false;  // no answer in time, the device went away, or the transfer was cancelled
        WaitForInput(fill - scan >= wire::kReplySize ? 1 : wire::kReplySize - (fill - scan));
    }
    return false;
}

int TransferEngine::CheckReplyFrame(const std::uint8_t* frame, std::uint16_t expected)
{
    const std::optional<wire::Reply> reply = wire::parseReply(frame);
    if (!reply)
        return 0;
    if (reply->status == term::kWantsFlashWriter) {
        // Bytes 4-5 carry the model class here, not a counter.
        if (onModel_)
            onModel_(static_cast<std::int16_t>(wire::replyModelClass(frame)), wire::replyModelNumber(frame));
        return reply->status;
    }
    if (reply->counter != 0 && reply->counter != expected)
        return 0;
    if (reply->status == term::kDone) {
        // A terminal that numbers nothing answers every frame with counter 0. One that has shown it
        // numbers its answers sends counter 0 only for a frame at 0; any other "taken" with 0 is a
        // late answer to an earlier frame, and taking it would skip a frame the terminal never got.
        if (reply->counter == 0 && expected != 0 && repliesNumbered_)
            return 0;
        if (reply->counter != 0)
            repliesNumbered_ = true;
    }
    return reply->status;
}

// ---- send ------------------------------------------------------------------------------------

int TransferEngine::SendTransfer(std::uint8_t code, std::uint32_t length, const std::uint8_t* data, bool show)
{
    if (!port_)
        return 0;
    TransferProgress progress(ProgressKind::Sending, 0, static_cast<std::int64_t>(length), title_, ui_, &clock_);
    progress.SetHeaderBytes(std::exchange(sendHeaderBytes_, 0));
    if (show)
        progress.Create();
    StartReplyTimer();
    clock_.sleepMs(kSettleMs);

    std::uint32_t remaining = length;
    const std::uint8_t* pos = data;
    blockCounter_ = 0;
    repliesNumbered_ = false;
    port_->ResetRing();
    lastFailure_.clear();

    auto finish = [&](int result) {
        progress.Close();
        if (result == 0 && lastFailure_.empty())
            lastFailure_ = !port_->IsOpen() ? ConnectionLost() : noAnswer();
        return result;
    };

    std::array<std::uint8_t, wire::kReplySize> reply{};
    if (cancel_.load()) {
        lastFailure_ = cancelled();
        return finish(0);
    }
    int w = SendHeaderFrame(code, length);
    int status = w == kWriteOk && WaitReplyFrame(reply) ? CheckReplyFrame(reply.data(), 0) : 0;
    if (status == 0) {
        Debug(formatText("\nS[1], Retry[%d]", {1}));
        return finish(0);
    }
    // "Nothing more to send" completes a transfer that has nothing to send (the link check); a
    // header that announces data and is answered so was not taken: the file is not stored, the
    // command not run.
    if (status == term::kTransferDone)
        return finish(length == 0 ? term::kDone : status);

    int retries = 0;
    int busy = 0;
    int silent = 0;
    for (;;) {
        std::size_t n = std::min<std::size_t>(wire::kMaxPayload, remaining);
        heardSince_ = false;
        // Whatever still waits in the ring belongs to an earlier exchange (a repeated reply, say);
        // it must not be taken for the answer to this frame.
        port_->ResetRing();
        w = SendDataFrame(blockCounter_, pos, n);
        Trace("Send", 4);
        if (show)
            progress.SetPos(static_cast<std::int64_t>(length) - remaining);
        status = w == kWriteOk && WaitReplyFrame(reply) ? CheckReplyFrame(reply.data(), blockCounter_) : 0;
        if (cancel_.load()) {
            lastFailure_ = cancelled();
            return finish(0);
        }
        switch (status) {
        case 0:
            if (!port_->IsOpen())
                return finish(0);  // the device went away: resending cannot help
            silent = heardSince_ ? 0 : silent + 1;
            port_->Purge();
            ++retries;
            ++retriesTotal_;
            progress.SetNotice(silent >= kNoticeAfterSilent ? notAnswering(retries + 1) : std::string());
            Debug(formatText("\nS[2], Retry[%d]", {retries}));
            if (retries >= kRetryLimit) {
                lastFailure_ = silent >= kSilentLimit
                                   ? stoppedAnswering()
                                   : formatText(tk("link.frameRetries", "the terminal did not take a frame in %d attempts; "
                                                                        "check the cable and the line speed"),
                                                {kRetryLimit});
                return finish(0);
            }
            continue;
        case term::kDone:
            progress.SetNotice({});  // it answers again
            blockCounter_ = wire::nextCounter(blockCounter_);
            pos += n;
            remaining -= static_cast<std::uint32_t>(n);
            if (remaining == 0) {
                if (show)
                    progress.SetPos(length);
                return finish(1);
            }
            retries = 0;
            busy = 0;
            silent = 0;
            continue;
        case term::kBusy:
            if (++busy >= kBusyLimit) {
                lastFailure_ = tk("link.stayedBusy", "the terminal stayed busy and did not take the data");
                return finish(0);
            }
            continue;  // the terminal is busy: same frame again, no attempt used
        case term::kLowPower:
            if (ui_)
                ui_->fixedMessage("Power is too low.", Icon::Exclamation);
            return finish(status);
        case term::kWantsFlashWriter:
            return finish(status);
        default:
            if (status == term::kTransferDone || status > term::kLastKnown) {
                if (ui_)
                    ui_->fixedMessage(formatText("PDT return error : %d ! ", {status}), Icon::Exclamation);
            }
            return finish(status);
        }
    }
}

// ---- receive ---------------------------------------------------------------------------------

std::string TransferEngine::Refusal(std::uint8_t code, std::uint32_t length, const Expect& expect) const
{
    const bool asked = (code == wire::kFile && expect.file) ||
                       ((code == wire::kCommand || code == wire::kReplyData) && expect.replyData);
    if (!asked) {
        return formatText(tk("link.refused", "The terminal sent %s where %s was expected; it was refused."),
                          {kindText(code), expect.file ? fileText() : answerText()});
    }
    if (code == wire::kFile) {
        if (length < kFileHeaderSize)
            return formatText(tk("link.fileTooShort", "The terminal announced a file of %u bytes, too short for its header; it was refused."),
                              {length});
        if (length - kFileHeaderSize > largestFile_)
            return formatText(tk("link.fileTooBig", "The terminal announced a file of %u bytes, more than its drives hold; it was refused."),
                              {length - static_cast<std::uint32_t>(kFileHeaderSize)});
    } else if (length > kMaxReplyData) {
        return formatText(tk("link.answerTooBig", "The terminal announced an answer of %u bytes, more than any command's; it was refused."),
                          {length});
    }
    return {};
}

bool TransferEngine::StoreBlock(const std::uint8_t* payload, std::size_t payloadSize, const Expect& expect)
{
    ++replyChunkCount_;
    switch (replyKind_) {
    case wire::kFile: {
        std::size_t skip = 0;
        if (replyChunkCount_ == 1) {
            if (payloadSize < kFileHeaderSize)
                return false;  // no file header
            fileSize_ = wire::get32(payload + 14);
            fileWritten_ = 0;
            if (!expect.file->Begin(fileSize_))
                return false;
            fileStarted_ = true;
            skip = kFileHeaderSize;
        }
        std::size_t n = std::min<std::size_t>(payloadSize - skip, fileSize_ - fileWritten_);
        if (n > 0 && !expect.file->Write(payload + skip, n))
            return false;
        fileWritten_ += static_cast<std::uint32_t>(n);
        return true;  // anything after the announced size is not the file's
    }
    case wire::kCommand:
    case wire::kReplyData:
        if (replyChunkCount_ == 1)
            replyData_.clear();  // a new answer replaces the last one
        replyData_.insert(replyData_.end(), payload, payload + payloadSize);
        replyRecordCount_ = static_cast<int>((replyData_.size() + wire::kDirEntrySize - 1) / wire::kDirEntrySize);
        return true;
    default:
        return false;
    }
}

int TransferEngine::ReceiveTransfer(bool show, const Expect& expect)
{
    if (!port_)
        return 0;
    clock_.sleepMs(kSettleMs);
    // The window opens once the terminal has announced a file: a refusal sent instead shows none.
    TransferProgress progress(ProgressKind::Receiving, 0, 10, title_, ui_, &clock_);
    StartReplyTimer();
    lastFailure_.clear();

    enum class State { Reset, ReadHeader, CheckHeader, StartBlock, ReadBlock, CheckBlock, Done, Failed };
    State state = State::Reset;
    int retries = 0;
    int duplicates = 0;
    std::uint8_t header[wire::kHeaderSize];
    std::uint8_t block[wire::kMaxDataFrame];
    std::uint8_t last[wire::kMaxDataFrame];  // the last frame taken, to know it when it comes again
    std::size_t lastSize = 0;
    std::size_t outstanding = 0;
    std::size_t frameSize = 0;
    std::size_t readSize = 0;  // frameSize, or the last frame's size while reading what may be it again
    std::uint16_t sum = 0;
    std::int64_t receiveLength = 0;
    std::int64_t totalLength = 0;
    bool refused = false;
    int silent = 0;         // block time-outs in a row with no byte at all
    bool heard = false;     // a byte came since the last block time-out

    auto readInto = [&](std::uint8_t* dest, std::size_t total) {
        std::size_t got = 0;
        port_->ReadRing(dest + (total - outstanding), outstanding, got, sum);
        if (got > 0) {
            heard = true;
            Trace(dest + (total - outstanding), got);
            outstanding -= got;
        }
        return got;
    };

    while (retries < kRetryLimit && state != State::Done && state != State::Failed) {
        if (cancel_.load()) {
            lastFailure_ = cancelled();
            state = State::Failed;
            break;
        }
        switch (state) {
        case State::Reset:
            outstanding = wire::kHeaderSize;
            blockCounter_ = 0;
            sum = 0;
            replyKind_ = 0;
            replyChunkCount_ = 0;
            fileStarted_ = false;
            lastSize = 0;
            state = State::ReadHeader;
            break;
        case State::ReadHeader:
            if (readInto(header, wire::kHeaderSize) == 0 && outstanding > 0) {
                if (IsReplyTimedOut() || !port_->IsOpen()) {
                    retries = kRetryLimit;
                    break;
                }
                WaitForInput(outstanding);
            }
            if (outstanding == 0)
                state = State::CheckHeader;
            break;
        case State::CheckHeader: {
            std::uint16_t own = static_cast<std::uint16_t>(sum - header[12] - header[13]);
            if (header[0] != 0x1B || header[1] != 0x02 || wire::get16(header + 12) != own) {
                // Whatever followed the bad header is out of step; the terminal sends its header again.
                port_->ResetRing();
                SendAckFrame(0, kReplyReject, false);
                state = State::Reset;
                break;
            }
            if (header[5] == wire::kRestart) {
                state = State::Reset;
                break;
            }
            receiveLength = wire::get32(header + 6);
            if (std::string why = Refusal(header[5], static_cast<std::uint32_t>(receiveLength), expect); !why.empty()) {
                // Nobody asked for this, or it cannot be what it claims: refused before anything
                // is kept or any memory is set aside for it.
                SendAckFrame(0, kReplyReject);
                if (ui_)
                    ui_->fixedMessage(why, Icon::Exclamation);
                refused = true;
                state = State::Failed;
                break;
            }
            replyKind_ = header[5];
            totalLength = receiveLength;
            blockCounter_ = 0;
            duplicates = 0;
            if (SendAckFrame(0, kReplyAccept) != kWriteOk) {
                state = State::Failed;
                break;
            }
            progress.SetHigh(totalLength);
            if (show && replyKind_ == wire::kFile) {
                progress.SetHeaderBytes(static_cast<std::int64_t>(wire::kFileHeaderSize));  // the file's bytes are shown
                progress.Create();
            }
            state = State::StartBlock;
            break;
        }
        case State::StartBlock:
            sum = 0;
            frameSize = receiveLength > static_cast<std::int64_t>(wire::kMaxPayload)
                            ? wire::kMaxDataFrame
                            : static_cast<std::size_t>(receiveLength) + wire::kDataOverhead;
            receiveLength -= static_cast<std::int64_t>(wire::kMaxPayload);
            outstanding = frameSize;
            readSize = frameSize;
            StartReplyTimer();
            state = State::ReadBlock;
            break;
        case State::ReadBlock:
            if (readInto(block, readSize) == 0 && outstanding > 0) {
                if (!port_->IsOpen()) {
                    state = State::Failed;  // the device went away: waiting longer cannot help
                    break;
                }
                if (IsReplyTimedOut()) {
                    silent = heard ? 0 : silent + 1;
                    heard = false;
                    receiveLength += static_cast<std::int64_t>(wire::kMaxPayload);
                    ++retries;
                    ++retriesTotal_;
                    progress.SetNotice(silent >= kNoticeAfterSilent ? notAnswering(retries + 1) : std::string());
                    // A part frame that stopped coming is stale: start clean.
                    port_->ResetRing();
                    SendAckFrame(0, kReplyReject, false);
                    StartReplyTimer();
                    state = State::StartBlock;
                    break;
                }
                WaitForInput(outstanding);
            }
            if (outstanding == 0)
                state = State::CheckBlock;
            break;
        case State::CheckBlock: {
            const std::span<const std::uint8_t> lastTaken(last, lastSize);
            if (readSize == frameSize && wire::startsLikeRepeat(block, frameSize, lastTaken)) {
                // A full frame sent again while a shorter one is due: the rest of it is coming.
                readSize = lastSize;
                outstanding = lastSize - frameSize;
                state = State::ReadBlock;
                break;
            }
            wire::DataCheck check = wire::checkDataFrame(block, readSize, sum, blockCounter_, lastTaken);
            if (readSize != frameSize && check != wire::DataCheck::Duplicate)
                check = wire::DataCheck::Invalid;  // it only began like the last frame
            readSize = frameSize;
            if (check == wire::DataCheck::Invalid) {
                port_->ResetRing();
                port_->Purge();
                outstanding = frameSize;
                sum = 0;
                SendAckFrame(blockCounter_, kReplyReject, false);
                ++retries;
                ++retriesTotal_;
                StartReplyTimer();
                state = State::ReadBlock;
            } else if (check == wire::DataCheck::Duplicate) {
                if (++duplicates > kDuplicateLimit) {
                    state = State::Failed;
                    break;
                }
                outstanding = frameSize;
                sum = 0;
                port_->ResetRing();
                port_->Purge();
                StartReplyTimer();
                SendAckFrame(wire::dataFrameCounter(block), kReplyAccept, false);
                state = State::ReadBlock;
            } else {
                // Retries count per frame, as a send counts them: a long file over a noisy line
                // is not failed for the sum of its frames' troubles.
                duplicates = 0;
                retries = 0;
                progress.SetNotice({});
                if (!StoreBlock(block + wire::kDataHeadSize, frameSize - wire::kDataOverhead, expect)) {
                    state = State::Failed;
                    break;
                }
                std::memcpy(last, block, frameSize);
                lastSize = frameSize;
                // The last block's answer is waited for: the receive is only done once it went out.
                SendAckFrame(blockCounter_, kReplyAccept, receiveLength <= 0);
                if (progress.IsShown())
                    progress.SetPos(totalLength - std::max<std::int64_t>(receiveLength, 0));
                if (receiveLength > 0) {
                    blockCounter_ = wire::nextCounter(blockCounter_);
                    state = State::StartBlock;
                } else {
                    state = State::Done;
                }
            }
            break;
        }
        case State::Done:
        case State::Failed:
            break;
        }
    }
    Debug("\nnReceive_Process[End]");
    progress.Close();
    if (state != State::Done) {
        if (!refused && lastFailure_.empty()) {
            if (!port_->IsOpen())
                lastFailure_ = ConnectionLost();
            else if (replyKind_ == 0)
                lastFailure_ = noAnswer();
            else if (retries >= kRetryLimit)
                lastFailure_ = silent >= kSilentLimit ? stoppedAnswering() : noisyLine();
        }
        return 0;
    }
    if (replyKind_ == wire::kFile && (!fileStarted_ || fileWritten_ < fileSize_)) {
        // The transfer ended before the file it announced was complete.
        Debug(formatText("\nthe file ended after %u of %u bytes", {fileWritten_, fileSize_}));
        return 0;
    }
    return 1;
}

}  // namespace feld
