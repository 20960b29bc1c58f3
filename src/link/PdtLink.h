#pragma once
// The one object that speaks with the terminal: frames, the two transfers (send and receive), the
// reply time-outs and retries, connection management, and the terminal operations built on them.

#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/PortSettings.h"
#include "link/wire/Frames.h"

namespace feld {

class Clock;
class LinkHost;
class LinkPort;
class SerialDevice;
class Ui;

// Makes the device a new port talks through; empty: the real serial port (CSerialCom).
using PortFactory = std::function<std::unique_ptr<SerialDevice>(const PortSettings&)>;

struct LinkEnv {
    PortSettings* settings = nullptr;                        // the stored port values (written back by Connect)
    Ui* ui = nullptr;
    Clock* clock = nullptr;
    LinkHost* host = nullptr;
    std::string mainPath;                                    // the program folder ("DP/SST_RW.abp" lives below it)
    const std::atomic<int>* firmwareUpdateFlag = nullptr;    // set: Connect skips the link check
    PortFactory makePort;                                    // empty = the real serial port
    std::string tracePath;                                   // empty = no transfer trace
};

class PdtLink {
public:
    explicit PdtLink(LinkEnv env);
    virtual ~PdtLink();
    PdtLink(const PdtLink&) = delete;
    PdtLink& operator=(const PdtLink&) = delete;

    // ---- connection management -------------------------------------------------------------
    // Opens (or reuses, unless force) the port and checks the link. 1 connected, 0 not.
    int Connect(int force);
    int IsPortOpen();
    // Within 30 s of a good exchange: 1 at once. Otherwise reopen a serial port and send a link check.
    int EnsureLink();
    // Serial: a fresh port on the same device, at `baud` when non-zero. USB: 1 at once.
    int ReopenPort(int baud);
    // A good exchange happened: no link check for the next 30 s.
    void MarkLinkAlive();

    // ---- transfers ---------------------------------------------------------------------------
    // 1 sent and accepted; 0 no valid reply within the limits; otherwise the terminal's status.
    int SendTransfer(std::uint8_t code, std::uint32_t length, const std::uint8_t* data, bool show);
    // 1 complete, 0 failed. Code 3 goes to receivedFilePath_, codes 4 and 5 to replyData_.
    int ReceiveTransfer(bool show);

    // The transfer trace (only when env_.tracePath is set): OpenTrace creates the file and turns
    // tracing on when that succeeds; CloseTrace closes it and turns tracing off.
    void OpenTrace();
    void CloseTrace();
    bool TraceOn() const { return traceFile_ != nullptr; }

    // ---- terminal operations (PdtLinkOps.cpp, PdtLinkFirmware.cpp) ---------------------------
    int RunCommand(std::uint8_t op, const std::string& argument);
    // The listing's 28-byte entries, owned by the link and valid until the next reply data.
    const std::uint8_t* ListDirectory(const std::string& path, int& count);
    int PutFile(const std::string& localPath, const std::string& folder, std::uint8_t overwrite, bool asFlashWriter, bool show);
    int PutFileToPath(const std::string& localPath, const std::string& terminalPath, std::uint8_t overwrite, int unused, bool show);
    int GetFile(const std::string& terminalPath, const std::string& localPath, bool show);
    int GetDiskInfo(int& version, int& cTotal, int& cFree, int& dTotal, int& dFree);
    int GetCradleVersion();
    int UpdateFirmware();

    // The port, or nullptr before Connect.
    LinkPort* Port() { return port_.get(); }
    // Whether the last failed Connect already told the user why (61243 with the reason).
    bool ConnectFailureShown() const { return connectFailureShown_; }
    // Why the last Connect failed, in words; empty when no reason is known.
    const std::string& LastConnectError() const { return lastConnectError_; }
    const LinkEnv& Env() const { return env_; }

    // ---- state the operations read and write -------------------------------------------------
    std::vector<std::uint8_t> replyData_;   // concatenated payload of the last code-4/5 receive
    int replyRecordCount_ = 0;              // replyData_ size / 28, rounded up
    std::string receivedFilePath_;          // where a code-3 receive writes its file
    std::string transferTitle_;             // the path the progress window shows
    std::string flashWriterPath_;
    std::int16_t modelClass_ = 0;
    std::int16_t modelNumber_ = 0;
    int firmwareVersion_ = 0;
    int cTotal_ = 0, cFree_ = 0, dTotal_ = 0, dFree_ = 0;
    int showFormatWait_ = 1;
    LinkEnv env_;

protected:
    // ---- frame steps -------------------------------------------------------------------------
    // Picks the reply time-out by the port's baud rate and sets the deadline (whole seconds).
    void StartReplyTimer();
    // True once the current second is past the deadline.
    bool IsReplyTimedOut();
    int ReplyTimeoutSeconds() const { return replyTimeout_; }
    // Waits for the terminal's 12-byte reply; true with the frame in `frame`.
    bool WaitReplyFrame(std::array<std::uint8_t, wire::kReplySize>& frame);
    // The status of a found reply, 0 when it is invalid for `expected`.
    int CheckReplyFrame(const std::uint8_t* frame, std::uint16_t expected);
    int SendHeaderFrame(std::uint8_t code, std::uint32_t length);
    int SendDataFrame(std::uint16_t counter, const std::uint8_t* data, std::size_t n);
    // wait: return once the reply went out (1, 0 or 1000); otherwise hand it over and go on.
    int SendAckFrame(std::uint16_t counter, std::uint8_t status, bool wait = true);
    // Hands a valid data frame's payload (plus its tail) to the reply store; false when the file
    // of a code-3 receive cannot be written.
    bool StoreBlock(const std::uint8_t* payload, std::size_t payloadSize);
    void CloseReceivedFile(bool complete);
    void Trace(const void* data, std::size_t n);
    void Debug(const std::string& line);
    // Reads the model a status-3 reply carries and picks the flash writer for it.
    void TakeModelReply(const std::uint8_t* frame);
    // Blocks until the ring holds `want` bytes (or some, when the device closes) or the reply
    // deadline passes.
    void WaitForInput(std::size_t want = 1);
    // A new port on the stored settings (not opened).
    std::unique_ptr<LinkPort> MakePort();
    void ShowPortStatus(int disconnected);

    std::unique_ptr<LinkPort> port_;
    int replyTimeout_ = 0;               // seconds
    int timedOut_ = 1;
    std::int64_t linkAliveDeadline_ = 0; // seconds on the monotonic clock; 0 forces a link check
    std::int64_t replyDeadline_ = 0;     // seconds on the monotonic clock
    std::uint16_t blockCounter_ = 0;

    // Code-3 receive bookkeeping.
    int fileState_ = 0;                  // 0 no file started, 2 writing
    std::uint32_t fileSize_ = 0;
    std::uint32_t fileWritten_ = 0;
    std::FILE* receivedFile_ = nullptr;
    bool receiveFailed_ = false;         // the file could not be created or written
    int replyKind_ = 0;
    int replyChunkCount_ = 0;

    std::FILE* traceFile_ = nullptr;
    bool connectFailureShown_ = false;
    std::string lastConnectError_;
};

}  // namespace feld
