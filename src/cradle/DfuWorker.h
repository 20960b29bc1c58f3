#pragma once
// The cradle update's worker thread and the progress record it shares with whoever polls it.
//
// The worker prepares the device (detach to DFU mode, or clear an error it was left in), sends the
// start command, writes every block of the write area that holds a byte other than 0xFF, ends the
// download and closes the device. An image with nothing in the write area is refused before the
// device is opened: the start command erases that area, and the cradle would be left without
// firmware. Only one worker runs at a time. All waits go through a Clock.

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "base/Clock.h"
#include "cradle/DfuFile.h"
#include "cradle/DfuWriteArea.h"
#include "cradle/stdfu/DfuTypes.h"

namespace feld {

constexpr std::uint32_t kDfuOk = stdfu::kOk;
constexpr std::uint32_t kDfuWorkerBusy = stdfu::kWorkerBusy;    // a worker is already running
constexpr std::uint32_t kDfuNoThread = stdfu::kNoThread;        // no thread could be created
constexpr std::uint32_t kDfuWorkerFault = stdfu::kWorkerFault;  // the worker stopped on an exception
constexpr std::uint32_t kDfuNothingToWrite = stdfu::kNothingToWrite;  // the image is blank where it is written
constexpr std::uint32_t kDfuStatusBase = 0x1234001F;  // + 0x1000 x the device's DFU status byte

// The code a device's DFU status byte turns into.
constexpr std::uint32_t dfuStatusCode(std::uint8_t status) { return kDfuStatusBase + 0x1000u * status; }

// Phases of the record: 0 started, 2 start command, 3 writing blocks, 4 finished.
struct DfuProgress {
    int percent = 0;
    int phase = 0;
    std::uint32_t error = kDfuOk;
};

constexpr std::uint32_t kDfuLongestWaitMs = 60000;

class DfuWorker {
public:
    DfuWorker() = default;
    ~DfuWorker();  // waits for a running worker
    DfuWorker(const DfuWorker&) = delete;
    DfuWorker& operator=(const DfuWorker&) = delete;

    // The program's one worker.
    static DfuWorker& instance();

    // Resets the record and starts the worker on the device at `deviceIndex` (its place in the
    // DFU library's last device list). The worker owns the image from then on.
    std::uint32_t start(unsigned deviceIndex, std::unique_ptr<DfuImage> image, Clock& clock);
    // Copies the record; always succeeds.
    std::uint32_t progress(DfuProgress& out) const;
    bool running() const;
    // Waits until no worker runs.
    void wait();

    // The update itself, on the calling thread: 1 on success, 0 on failure (the reason in the record).
    // Whatever is thrown on the way (by a backend, or an allocation that fails) ends the update with
    // kDfuWorkerFault and the device closed; nothing leaves this call.
    int run(unsigned deviceIndex, const DfuImage& image, Clock& clock);

private:
    int runSteps(unsigned deviceIndex, const DfuImage& image, Clock& clock, stdfu::DfuHandle& handle);
    void set(int phase, int percent);
    void setPercent(int percent);
    void setError(std::uint32_t code);

    // Guards the record, the running marker and the thread object; held only to copy them, never
    // across a device call, a wait or a join.
    mutable std::mutex mutex_;
    std::condition_variable ended_;
    DfuProgress record_;
    bool running_ = false;
    std::thread thread_;
};

// The program's worker, as the update dialog and the CLI call it.
std::uint32_t StartDfuUpdate(unsigned deviceIndex, std::unique_ptr<DfuImage> image, Clock& clock = systemClock());
std::uint32_t GetDfuProgress(DfuProgress& out);
int DfuUpdateThread(unsigned deviceIndex, const DfuImage& image, Clock& clock = systemClock());

}  // namespace feld
