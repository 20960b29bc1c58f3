#pragma once
// The real serial port: QSerialPort driven from an I/O thread of its own (a QThread with an event
// loop). Every QSerialPort call happens in that thread; received bytes go to the receive hook in
// order; writes are handed over and waited for, with a write time-out. Needs no QCoreApplication.
// Opens serial ports, USB serial ports and pseudo-terminals alike.

#include <atomic>
#include <deque>
#include <functional>
#include <vector>
#include <memory>
#include <mutex>
#include <string>

#include "link/serial/SerialDevice.h"

class QObject;
class QSerialPort;
class QThread;

namespace feld {

class CSerialCom : public SerialDevice {
public:
    // Time a write may go without progress before it counts as timed out.
    static constexpr int kWriteTimeoutMs = 3000;

    explicit CSerialCom(const PortSettings& settings);
    ~CSerialCom() override;

    void SetReceiveHook(ReceiveHook hook) override;
    void SetActivityHook(ActivityHook hook) override;
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
    int UsbComNumber() const override { return 0; }
    int CradleVersion() const override { return cradleVersion_; }
    std::string LastError() const override;

    // The write time-out of the port library: arm it, and ask whether it passed.
    void TimeOut_Request();
    bool IsTimeOut() const;

    // The device path a port number stands for when no path is set: "/dev/ttyS(n-1)".
    static std::string PathForPortNumber(int number);
    // Why a device cannot be opened, in words, from a failed open(2) errno; empty for 0.
    static std::string DescribeOpenError(const std::string& path, int err);

private:
    struct Job;
    friend class IoThread;
    void EnsureThread();
    void StopThread();
    // Runs fn in the I/O thread and waits for it.
    void RunInThread(const std::function<void()>& fn);
    void Post(std::function<void()> fn);
    // I/O-thread side.
    void IoLoop();
    void RunJobs();
    void OpenInThread(bool& ok);
    void CloseInThread();
    void ReadAvailable(bool hangup);
    void DeviceGone();
    void StartJob(const std::shared_ptr<Job>& job);
    void PumpJob();
    void FinishJob(int result);
    void SetError(std::string text);

    TtyInfo info_;
    std::vector<UsbId> usbIds_;
    std::string usbDevice_;
    std::string usbName_;
    int cradleVersion_ = 0;

    ReceiveHook receiveHook_;
    ActivityHook activityHook_;

    QThread* thread_ = nullptr;
    int wakeFd_ = -1;
    std::atomic<bool> stop_{false};
    std::mutex jobsMutex_;
    std::deque<std::function<void()>> jobs_;

    QSerialPort* port_ = nullptr;     // created, used and deleted in the I/O thread only
    std::atomic<bool> open_{false};
    std::atomic<unsigned> lineErrors_{0};
    std::atomic<std::int64_t> timeoutAt_{0};

    std::shared_ptr<Job> job_;        // I/O thread: the write in progress
    int activityCount_ = 0;
    std::int64_t nextActivityMs_ = 0;
    std::int64_t lastLeft_ = -1;      // bytes still to write at the last look
    bool activityShown_ = false;

    mutable std::mutex errorMutex_;
    std::string lastError_;
};

}  // namespace feld
