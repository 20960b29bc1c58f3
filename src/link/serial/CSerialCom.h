#pragma once
// The real serial port: the platform's serial line (PortIo.h) opens and configures the device in an
// I/O thread of its own, which then reads it and hands every received byte to the receive hook in
// order.
// Writes go out from the caller's thread straight away; only what the driver cannot take at once
// is left to the I/O thread, with a write time-out. Needs no QCoreApplication. Opens serial ports,
// USB serial ports and pseudo-terminals alike.
//
// On a line that runs at its nominal rate the I/O thread does not wake for every few bytes a UART
// hands over: while the link waits for the rest of a frame it sleeps about as long as those bytes
// take on the line and reads them in one go. It never does so on a line that delivers faster than
// its nominal rate (a pseudo-terminal, a USB device with no real line behind it).

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "link/serial/PortIo.h"
#include "link/serial/SerialDevice.h"

class QThread;

namespace feld {

namespace os {
class WakeEvent;
}

class CSerialCom : public SerialDevice {
public:
    // Time a write may go without progress before it counts as timed out.
    static constexpr int kWriteTimeoutMs = 3000;

    explicit CSerialCom(const PortSettings& settings);
    ~CSerialCom() override;

    void SetReceiveHook(ReceiveHook hook) override;
    void SetActivityHook(ActivityHook hook) override;
    void SetGatherHint(GatherHint hint) override;
    void SetPortSerial() override;
    int SetPortUSB() override;
    int OpenConnection() override;
    void CloseConnection() override;
    int IsConnectToUSB() override;
    bool IsOpenHandle() const override { return open_.load(); }
    int WritePieces(const WritePiece* pieces, std::size_t count, bool animate) override;
    int PostPieces(const WritePiece* pieces, std::size_t count, bool animate) override;
    // Plain write of a USB block device (same path: our USB terminals are serial devices).
    int WriteCommBlock_USB(const char* data, unsigned long count);
    unsigned LineErrors() const override { return lineErrors_.load(); }
    void Purge() override;
    TtyInfo& Info() override { return info_; }
    int UsbComNumber() const override { return usbComNumber_; }
    int CradleVersion() const override { return cradleVersion_; }
    std::string LastError() const override;
    std::string OpenNote() const override;

    // The write time-out of the port library: arm it, and ask whether it passed.
    void TimeOut_Request();
    bool IsTimeOut() const;

    // The device path a port number stands for when no path is set: "/dev/ttyS(n-1)"; "COMn" on
    // Windows. (Both in the platform's hook file, os/OpenError*.cpp.)
    static std::string PathForPortNumber(int number);
    // Why a device cannot be opened, in words, from a failed open's error number; empty for 0.
    static std::string DescribeOpenError(const std::string& path, int err);
    // A device as the user named it, with the device's own name when the user's is a link to it.
    static std::string ShownDevice(const std::string& path);

    // Ends the I/O thread's loop as if its wait had failed with `err`: what a broken system call
    // would do. Every waiting and later request then fails at once. For tests of that failure.
    void BreakIoLoop(int err);

private:
    struct Job;
    struct Task;
    friend class IoThread;

    bool EnsureThread();
    void StopThread();
    void JoinThread();  // after the loop was told to stop or ended by itself
    // Runs fn in the I/O thread and waits for it; false when the thread is gone (fn did not run).
    bool RunInThread(const std::function<void()>& fn);
    // ---- I/O thread ----
    void IoLoop();
    void RunTasks();
    void Die(const std::string& why);
    void OpenInThread(const TtyInfo& info, bool& ok);
    void CloseInThread();
    void ReadInput(bool hangup);
    void DeviceGone(const std::string& why);
    void FlushOutput();
    void WatchOutput();
    // ---- output (outMutex_ held) ----
    int Queue(const WritePiece* pieces, std::size_t count, bool waited, bool animate, std::shared_ptr<Job>& job);
    void FailJobsLocked(int result);
    void SetError(std::string text);

    TtyInfo info_;                    // the link's record; the I/O thread works on copies
    std::vector<UsbId> usbIds_;
    std::string usbDevice_;
    std::string usbName_;
    int usbComNumber_ = 0;            // the USB terminal's place among the USB serial ports; 0: none
    int cradleVersion_ = 0;

    ReceiveHook receiveHook_;
    ActivityHook activityHook_;
    GatherHint gatherHint_;

    QThread* thread_ = nullptr;
    std::atomic<bool> loopEnded_{false};
    std::unique_ptr<os::WakeEvent> wake_;
    std::atomic<bool> stop_{false};
    std::mutex tasksMutex_;
    std::deque<std::shared_ptr<Task>> tasks_;
    bool dead_ = false;               // under tasksMutex_: the loop ended, nothing runs any more
    std::atomic<int> breakErr_{0};

    // Opened, read, waited on and closed in the I/O thread only; written and discarded under
    // outMutex_ while open_ is true.
    portio::SerialLine line_;
    std::atomic<bool> open_{false};
    std::atomic<unsigned> lineErrors_{0};
    std::atomic<std::int64_t> timeoutAt_{0};

    // Output: what is still to go out, shared by the writers and the I/O thread.
    std::mutex outMutex_;
    std::deque<std::shared_ptr<Job>> jobs_;
    std::atomic<std::size_t> jobCount_{0};

    // I/O thread: pacing of the input and the activity of a slow write.
    std::int64_t byteNs_ = 0;         // one character's time on the line
    std::int64_t lastReadNs_ = 0;
    std::size_t shortfallAfterLast_ = 0;
    bool paced_ = false;              // the line was seen delivering at about its nominal rate
    bool gathered_ = false;           // the last read ended a sleep for the rest of a frame
    std::int64_t gatherUntilNs_ = 0;
    int activityCount_ = 0;
    std::int64_t nextActivityMs_ = 0;
    bool activityShown_ = false;

    mutable std::mutex errorMutex_;
    std::string lastError_;
    std::string openNote_;
    std::string ioPath_;              // the open device's path, the I/O thread's copy
};

}  // namespace feld
