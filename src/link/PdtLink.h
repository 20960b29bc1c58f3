#pragma once
// The one object that speaks with the terminal: the connection policy (connect, link check,
// reopening the port) over the transfer engine, and the terminal operations built on them.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/PortSettings.h"
#include "link/TransferEngine.h"
#include "link/wire/TermStatus.h"

namespace feld {

class Clock;
struct LocalFile;
class LinkHost;
class LinkPort;
class SerialDevice;
class Ui;

// Makes the device a new port talks through; empty: the real serial port (CSerialCom).
using PortFactory = std::function<std::unique_ptr<SerialDevice>(const PortSettings&)>;

struct LinkEnv {
    PortSettings settings;                                   // the link's own copy of the port values
    // Called when Connect changes the port values (the settings dialog, a USB serial port): the
    // owner stores them. Runs on the link's thread.
    std::function<void(const PortSettings&)> storeSettings;
    Ui* ui = nullptr;
    Clock* clock = nullptr;
    LinkHost* host = nullptr;
    std::string mainPath;                                    // the program's data folder (the flash writer lives below it)
    const std::atomic<int>* firmwareUpdateFlag = nullptr;    // set: Connect skips the link check
    PortFactory makePort;                                    // empty = the real serial port
    std::string tracePath;                                   // empty = no transfer trace
    // The user named the port for this run (--device, --usb): a connection without force opens it
    // as it is, without the port settings dialog.
    bool portGiven = false;
};

class PdtLink {
public:
    explicit PdtLink(LinkEnv env);
    virtual ~PdtLink();
    PdtLink(const PdtLink&) = delete;
    PdtLink& operator=(const PdtLink&) = delete;

    // ---- connection management (PdtLinkConnection.cpp) ---------------------------------------
    // Opens (or reuses, unless force) the port and checks the link. 1 connected, 0 not.
    int Connect(int force);
    int IsPortOpen();
    // Within 30 s of a good exchange: 1 at once. Otherwise reopen a serial port and send a link check.
    int EnsureLink();
    // Serial: a fresh port on the same device, at `baud` when non-zero. USB: 1 at once. On failure
    // the reason is in LastConnectError() and the port is closed.
    int ReopenPort(int baud);
    // A good exchange happened: no link check for the next 30 s.
    void MarkLinkAlive();
    // New port values (edited elsewhere) for the next connection.
    void SetPortSettings(const PortSettings& settings) { env_.settings = settings; }
    const PortSettings& Settings() const { return env_.settings; }

    // ---- transfers (the engine) ----------------------------------------------------------------
    // 1 sent and accepted; 0 no valid reply within the limits; otherwise the terminal's status.
    int SendTransfer(std::uint8_t code, std::uint32_t length, const std::uint8_t* data, bool show)
    {
        return engine_.SendTransfer(code, length, data, show);
    }
    // 1 complete, 0 failed or refused.
    int ReceiveTransfer(bool show, const Expect& expect = Expect::Answer()) { return engine_.ReceiveTransfer(show, expect); }
    TransferEngine& Engine() { return engine_; }
    const std::vector<std::uint8_t>& ReplyData() const { return engine_.ReplyData(); }
    int ReplyRecordCount() const { return engine_.ReplyRecordCount(); }

    // The transfer trace (only when env_.tracePath is set).
    void OpenTrace() { engine_.OpenTrace(env_.tracePath); }
    void CloseTrace() { engine_.CloseTrace(); }
    bool TraceOn() const { return engine_.TraceOn(); }

    // ---- terminal operations (PdtLinkOps.cpp, PdtLinkFirmware.cpp) ---------------------------
    // Each says what the terminal made of it: done only when it confirmed the work; otherwise its
    // refusal (the status it answered) or kFailed (no valid answer, or the PC stopped first).
    term::Result RunCommand(std::uint8_t op, const std::string& argument);
    // The listing's 28-byte entries, owned by the link and valid until the next reply data.
    const std::uint8_t* ListDirectory(const std::string& path, int& count);
    term::Result PutFile(const std::string& localPath, const std::string& folder, std::uint8_t overwrite, bool asFlashWriter,
                         bool show);
    term::Result PutFileToPath(const std::string& localPath, const std::string& terminalPath, std::uint8_t overwrite,
                               int unused, bool show);
    // The same for a file the caller has read already (it checked the file before connecting):
    // what goes to the terminal is what was checked. `firmware` is the version the caller learnt
    // from the terminal in this operation; 0 asks the terminal first (the date and time words
    // depend on it).
    term::Result PutLoadedFile(const LocalFile& file, const std::string& folder, std::uint8_t overwrite, bool asFlashWriter,
                               bool show, int firmware = 0);
    term::Result PutLoadedFileToPath(const LocalFile& file, const std::string& terminalPath, std::uint8_t overwrite, bool show);
    // Fetches a terminal file into `sink`, which the caller owns. Done: the whole file went to the
    // sink; otherwise the terminal's refusal or kFailed (the sink may hold part of the file: the
    // caller throws that away).
    term::Result GetFile(const std::string& terminalPath, FileSink& sink, bool show);
    // The reply status of the disk information; the outputs are the values of the last good one.
    term::Result GetDiskInfo(int& version, int& cTotal, int& cFree, int& dTotal, int& dFree);
    int GetCradleVersion();
    // Done when the terminal took the order to start flashing; otherwise the refusal of the step
    // that stopped the update, or kFailed (declined, a file missing, no answer).
    term::Result UpdateFirmware();
    // Reads a kernel image the update could take (a readable .bin file, a whole number of 4-byte
    // words); false with the reason in words, for the user. The update checks its chosen file with
    // this, and a front end that names the file up front checks it here before anything is asked.
    static bool ReadKernelImage(const std::string& path, LocalFile& kernel, std::string& why);

    // The status the terminal answered the last command, listing or fetch with (1 done, 0 no such
    // file or folder, 4 not formatted, ...); -1 when no answer came.
    int LastAnswerStatus() const { return lastAnswerStatus_; }
    // Why the last transfer failed when the line was at fault (no answer, the device went away),
    // in words; empty when the terminal answered.
    const std::string& LastFailure() const { return engine_.LastFailure(); }

    // Ends the operation under way from any thread (its transfers fail at their next step) and every
    // later one until ResetCancel.
    void Cancel() { engine_.Cancel(); }
    void ResetCancel() { engine_.ResetCancel(); }

    // The port, or nullptr before Connect.
    LinkPort* Port() { return engine_.Port(); }
    // Whether the last failed Connect already told the user why (kConnectFailed with the reason).
    bool ConnectFailureShown() const { return connectFailureShown_; }
    // Why the last Connect or ReopenPort failed, in words; empty when no reason is known.
    const std::string& LastConnectError() const { return lastConnectError_; }
    const LinkEnv& Env() const { return env_; }

    // ---- state the operations read and write -------------------------------------------------
    std::string flashWriterPath_;
    std::int16_t modelClass_ = 0;
    std::int16_t modelNumber_ = 0;
    int firmwareVersion_ = 0;
    int cTotal_ = 0, cFree_ = 0, dTotal_ = 0, dFree_ = 0;
    int showFormatWait_ = 1;
    LinkEnv env_;

protected:
    // Reads the model a status-3 reply carries and picks the flash writer for it.
    void TakeModelReply(std::int16_t modelClass, std::int16_t modelNumber);
    // A new port on the link's settings (not opened).
    std::unique_ptr<LinkPort> MakePort();
    void ShowPortStatus(int disconnected);
    // The port's note on opening as a debug line, once (not again for the same note).
    void ShowOpenNote(const std::string& note);
    // Tells the owner about changed port values.
    void StoreSettings();
    // Reads a PC file to send; false (said so) when it is no file that can be sent.
    bool LoadForSending(const std::string& localPath, LocalFile& file);
    // Whether the terminal can store a file under this name; false (said why) when not.
    bool CheckNameForSending(const std::string& localPath, const std::string& storedName);

    TransferEngine engine_;
    std::int64_t linkAliveDeadline_ = 0;  // seconds on the monotonic clock; 0 forces a link check
    bool connectFailureShown_ = false;
    std::string openNoteShown_;  // the port's last note on opening, once shown
    std::string lastConnectError_;
    int lastAnswerStatus_ = -1;
    bool sendingKernel_ = false;  // set by the kernel update around the kernel image's transfer
};

}  // namespace feld
