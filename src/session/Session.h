#pragma once
// The session: what the main frame is to the terminal without being a window. It owns the one
// PdtLink, connects it on demand, keeps the busy flag and the operation times of long operations
// (safe to read from another thread), catches up fixed collection times that fell inside one, and
// shows the port's state. The CLI uses it today, the main window wraps it.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "link/LinkHost.h"
#include "link/PdtLink.h"

namespace feld {

class Clock;
class Config;
class Ui;

class Session : public LinkHost {
public:
    // makePort empty: the real serial port. The config and the ui outlive the session.
    Session(Config& config, Ui& ui, Clock& clock, PortFactory makePort = {});
    Session(Config& config, Ui& ui);
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Creates the link when there is none and connects it. On failure the link is discarded and
    // kConnectFailed shown (once, with the reason when one is known). 1 connected, 0 not.
    int ConnectLink(int force);
    // The port values, for the window that edits them and the status bar; the link works on a
    // copy taken when it connects, so editing them while an operation runs is safe.
    PortSettings PortValues() const;
    void SetPortValues(const PortSettings& port);
    // The user changed the port values (port choice, settings): the next ConnectLink lets go of a
    // link on the old port and connects with these.
    void ChangePortValues(const PortSettings& port);

    // The port was named for this run (--device, --usb): connecting without force uses it without
    // the port settings dialog, until the user changes the port values.
    void SetPortGiven(bool given) { portGiven_.store(given); }
    bool PortGiven() const { return portGiven_.load(); }

    // kNotConnected without a link, kPortFailed when its port is closed; 1 when connected.
    int CheckConnected();
    // The link, or nullptr before the first successful ConnectLink.
    PdtLink* Link() { return link_.get(); }
    // Discards the link (the next ConnectLink makes a fresh one).
    void DropLink();
    // From any thread: ends the terminal operation under way (its transfers fail at their next
    // step) and keeps later ones from starting until ResetCancel, which the next operation calls.
    void CancelOperation();
    void ResetCancel();
    bool CancelRequested() const { return cancel_.load(); }
    // For an operation whose transfer failed: when the user stopped it, says so (once per
    // operation, as a cancel and not as a failure) and returns true; false when nobody stopped it.
    bool ReportCancelled();

    // ---- the busy window (LinkHost) --------------------------------------------------------------
    void BeginOperation() override;
    void EndOperation() override;
    void AbortOperation() override;
    bool Busy() const { return busy_.load() != 0; }
    std::int64_t OperationStart() const { return operationStart_.load(); }
    std::int64_t OperationEnd() const { return operationEnd_.load(); }

    // Sets the missed-schedule flag when a fixed collection time (enabled or not) lies strictly
    // between the operation's start and end.
    void CheckMissedSchedule();
    bool MissedSchedule() const { return missedSchedule_.load() != 0; }
    // Reads and clears the flag (a fixed-time tick consumes it).
    bool TakeMissedSchedule() { return missedSchedule_.exchange(0) != 0; }

    // ---- status bar ----------------------------------------------------------------------------
    void ShowPortStatus(int disconnected) override;
    // "Com1,115200,N,8,1" (O or E for odd and even parity), "USB" for USB.
    static std::string PortStatusText(const PortSettings& port);

    // Resident mode's timer: the port status "disconnected" stops it (resident mode stays on).
    void SetResidentTimerArmed(bool armed) { residentTimerArmed_.store(armed); }
    bool ResidentTimerArmed() const { return residentTimerArmed_.load(); }

    // Set while a firmware update or the cradle version runs: Connect skips the link check.
    std::atomic<int>& FirmwareUpdateFlag() { return firmwareUpdate_; }

    // Where the transfer trace goes: set when FELDSPAN_TRACE=1, else empty (no trace).
    static std::string DefaultTracePath();
    void SetTracePath(std::string path) { tracePath_ = std::move(path); }

    Config& config() { return config_; }
    Ui& ui() { return ui_; }
    Clock& clock() { return clock_; }

private:
    Config& config_;
    Ui& ui_;
    Clock& clock_;
    PortFactory makePort_;
    std::unique_ptr<PdtLink> link_;
    std::atomic<int> busy_{0};
    std::atomic<std::int64_t> operationStart_{0};
    std::atomic<std::int64_t> operationEnd_{0};
    std::atomic<int> missedSchedule_{0};
    std::atomic<bool> residentTimerArmed_{false};
    std::atomic<int> firmwareUpdate_{0};
    std::string tracePath_;
    mutable std::mutex portMutex_;  // guards config_.port between the window and the worker
    std::mutex linkMutex_;          // guards link_ being made or dropped against CancelOperation
    std::atomic<bool> cancel_{false};
    std::atomic<bool> portChanged_{false};
    std::atomic<bool> portGiven_{false};
    std::atomic<bool> cancelReported_{false};
};

// The busy window of a long operation, ended however the operation leaves.
class BusyWindow {
public:
    explicit BusyWindow(Session& s) : session_(s) { session_.BeginOperation(); }
    ~BusyWindow() { session_.EndOperation(); }
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

private:
    Session& session_;
};

}  // namespace feld
