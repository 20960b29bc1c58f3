#pragma once
// The transfer engine: the link's frames, waits and retries over one port. It sends a payload to the
// terminal (SendTransfer) and receives the terminal's transfer (ReceiveTransfer) into what the
// operation that asked for it owns: the reply data of a command, or a file sink. It never opens a
// PC file by name and never remembers where an earlier transfer went.

#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "base/SafeFile.h"
#include "link/wire/Frames.h"

namespace feld {

class Clock;
class LinkPort;
class Ui;
struct PortSettings;

// Where the file of a code-3 transfer goes. The operation that asked for the file owns the sink
// (an open file, a buffer, a callback) and decides what becomes of it when the transfer fails.
class FileSink {
public:
    virtual ~FileSink() = default;
    // The terminal announced a file of `size` bytes. False refuses it (it cannot be kept).
    virtual bool Begin(std::uint32_t size) = 0;
    // The next bytes of the file. False when they could not be kept.
    virtual bool Write(const std::uint8_t* data, std::size_t n) = 0;
};

// A file kept in memory.
class BufferSink final : public FileSink {
public:
    bool Begin(std::uint32_t size) override;
    bool Write(const std::uint8_t* data, std::size_t n) override;
    std::vector<std::uint8_t> bytes;
};

// A fetch that goes straight into a safe writer: a temporary beside the destination that takes the
// destination's place only when the caller commits the whole file.
class SafeFileSink final : public FileSink {
public:
    explicit SafeFileSink(SafeFileWriter& writer) : writer_(writer) {}
    bool Begin(std::uint32_t) override { return writer_.IsOpen(); }
    bool Write(const std::uint8_t* data, std::size_t n) override { return writer_.Write(data, n); }

private:
    SafeFileWriter& writer_;
};

// What an operation expects back from the terminal. Anything else is refused, not stored.
struct Expect {
    bool replyData = true;     // transfer codes 4 and 5: the answer to a command
    FileSink* file = nullptr;  // transfer code 3 goes here; none: a file is not expected

    static Expect Answer() { return {}; }
    static Expect FileOrAnswer(FileSink& sink) { return {true, &sink}; }
};

class TransferEngine {
public:
    // Reply data bigger than this is no answer any command has (a folder of 37,000 entries).
    static constexpr std::uint32_t kMaxReplyData = 1u << 20;

    TransferEngine(Clock& clock, Ui* ui, const PortSettings* settings);
    ~TransferEngine();
    TransferEngine(const TransferEngine&) = delete;
    TransferEngine& operator=(const TransferEngine&) = delete;

    // The port the transfers use (owned); replacing it releases the old device first. Safe against
    // Cancel from another thread.
    void SetPort(std::unique_ptr<LinkPort> port);
    LinkPort* Port() { return port_.get(); }

    // 1 sent and accepted; 0 no valid reply within the limits; otherwise the terminal's status.
    int SendTransfer(std::uint8_t code, std::uint32_t length, const std::uint8_t* data, bool show);
    // 1 complete, 0 failed or refused. Reply data lands in ReplyData(), a file in the sink.
    int ReceiveTransfer(bool show, const Expect& expect);

    // The answer of the last command: concatenated payload, its 28-byte record count and the
    // transfer code it came with.
    const std::vector<std::uint8_t>& ReplyData() const { return replyData_; }
    std::vector<std::uint8_t>& ReplyData() { return replyData_; }
    int ReplyRecordCount() const { return replyRecordCount_; }
    int ReplyKind() const { return replyKind_; }

    // Ends the transfer under way (from any thread) and every later one until ResetCancel: it
    // returns 0 at its next step, a wait for the terminal included.
    void Cancel();
    void ResetCancel() { cancel_.store(false); }
    bool Cancelled() const { return cancel_.load(); }

    // Why the last transfer failed when the line was at fault, in words; empty when it did not.
    const std::string& LastFailure() const { return lastFailure_; }

    // The path the progress window shows.
    void SetTitle(std::string title) { title_ = std::move(title); }
    // The next send's payload starts with a header of this many bytes before the file's own:
    // its progress counts the file's bytes.
    void SetSendHeaderBytes(std::uint32_t bytes) { sendHeaderBytes_ = bytes; }
    const std::string& Title() const { return title_; }
    // The biggest file the terminal can hold (its biggest drive), once known: a file announced
    // bigger than this is refused.
    void SetLargestFile(std::uint32_t bytes) { largestFile_ = bytes; }
    // Called with the model a status-3 reply carries (the terminal wants the flash writer).
    void OnFlashWriterRequest(std::function<void(std::int16_t modelClass, std::int16_t modelNumber)> fn) { onModel_ = std::move(fn); }

    // The transfer trace: Open creates `path` and traces into it; Close ends it.
    void OpenTrace(const std::string& path);
    void CloseTrace();
    bool TraceOn() const { return traceFile_ != nullptr; }

    // ---- frame steps (open to tests) -----------------------------------------------------------
    // Picks the reply time-out by the port's baud rate and sets the deadline (whole seconds).
    void StartReplyTimer();
    // True once the current second is past the deadline.
    bool IsReplyTimedOut();
    int ReplyTimeoutSeconds() const { return replyTimeout_; }
    // Frames sent again or asked for again, over the engine's life (for measurements).
    std::uint64_t RetriesTotal() const { return retriesTotal_; }
    // Waits for the terminal's 12-byte reply; true with the frame in `frame`.
    bool WaitReplyFrame(std::array<std::uint8_t, wire::kReplySize>& frame);
    // The status of a found reply, 0 when it is invalid for `expected` (a counter other than 0 and
    // `expected`, or a late "taken" with counter 0 from a terminal that numbers its answers).
    int CheckReplyFrame(const std::uint8_t* frame, std::uint16_t expected);

private:
    int SendHeaderFrame(std::uint8_t code, std::uint32_t length);
    int SendDataFrame(std::uint16_t counter, const std::uint8_t* data, std::size_t n);
    // wait: return once the reply went out (1, 0 or 1000); otherwise hand it over and go on.
    int SendAckFrame(std::uint16_t counter, std::uint8_t status, bool wait = true);
    // Whether a transfer of `code` and `length` is one the operation asked for; the reason if not.
    std::string Refusal(std::uint8_t code, std::uint32_t length, const Expect& expect) const;
    // Hands a valid data frame's payload (plus its tail) to where the transfer goes; false when the
    // file sink could not keep it.
    bool StoreBlock(const std::uint8_t* payload, std::size_t payloadSize, const Expect& expect);
    void Trace(const void* data, std::size_t n);
    void Debug(const std::string& line);
    // What the port says about a device that went away.
    std::string LostReason() const;
    // The failure of a transfer whose device went away, with the reason.
    std::string ConnectionLost() const;
    // Blocks until the ring holds `want` bytes (or some, when the device closes) or the reply
    // deadline passes.
    void WaitForInput(std::size_t want);

    Clock& clock_;
    Ui* ui_;
    const PortSettings* settings_;
    std::unique_ptr<LinkPort> port_;
    // Guards port_ being replaced (on the link's thread) against Cancel waking it (from any thread);
    // the link's own thread reads port_ without it.
    std::mutex portMutex_;
    std::string title_;
    std::uint32_t sendHeaderBytes_ = 0;
    std::function<void(std::int16_t, std::int16_t)> onModel_;
    std::uint32_t largestFile_ = 0x7FFFFFFF;  // drive sizes are 32-bit signed

    int replyTimeout_ = 0;               // seconds
    std::uint64_t retriesTotal_ = 0;
    int timedOut_ = 1;
    std::int64_t replyDeadline_ = 0;     // seconds on the monotonic clock
    std::uint16_t blockCounter_ = 0;
    bool repliesNumbered_ = false;       // this send's terminal has answered a frame with its counter

    std::vector<std::uint8_t> replyData_;
    int replyRecordCount_ = 0;
    int replyKind_ = 0;
    int replyChunkCount_ = 0;
    // Code-3 receive: the file's size and what has been kept of it.
    std::uint32_t fileSize_ = 0;
    std::uint32_t fileWritten_ = 0;
    bool fileStarted_ = false;

    std::FILE* traceFile_ = nullptr;
    std::string lastFailure_;
    bool heardSince_ = false;  // a byte came while waiting for the current reply
    std::atomic<bool> cancel_{false};
};

}  // namespace feld
