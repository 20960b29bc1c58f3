#include "cradle/DfuWorker.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "cradle/stdfu/Stdfu.h"

namespace feld {

using namespace stdfu;

namespace {

// The command that opens the cradle's flash for writing, sent as block 0xFFFF.
constexpr std::uint8_t kStartCommand[2] = {0x56, 0xAE};
constexpr std::uint16_t kCommandBlock = 0xFFFF;
// The length-0 download that ends the write carries this block number.
constexpr std::uint16_t kFinishBlock = 0x1DFF;

int boundedWait(std::uint32_t pollMs)
{
    // A device (or a damaged status) may ask for up to 4.6 hours; no block needs more than a minute.
    return static_cast<int>(std::min(pollMs, kDfuLongestWaitMs));
}

}  // namespace

DfuWorker& DfuWorker::instance()
{
    static DfuWorker worker;
    return worker;
}

DfuWorker::~DfuWorker()
{
    wait();
}

void DfuWorker::set(int phase, int percent)
{
    std::lock_guard lock(mutex_);
    record_.phase = phase;
    record_.percent = percent;
}

void DfuWorker::setPercent(int percent)
{
    std::lock_guard lock(mutex_);
    record_.percent = percent;
}

void DfuWorker::setError(std::uint32_t code)
{
    std::lock_guard lock(mutex_);
    record_.error = code;
}

std::uint32_t DfuWorker::progress(DfuProgress& out) const
{
    std::lock_guard lock(mutex_);
    out = record_;
    return kDfuOk;
}

bool DfuWorker::running() const
{
    std::lock_guard lock(mutex_);
    return running_;
}

void DfuWorker::wait()
{
    std::thread finished;
    {
        std::unique_lock lock(mutex_);
        ended_.wait(lock, [this] { return !running_; });
        finished = std::move(thread_);
    }
    // The worker has cleared its marker and is only returning; it needs the lock no more.
    if (finished.joinable())
        finished.join();
}

std::uint32_t DfuWorker::start(unsigned deviceIndex, std::unique_ptr<DfuImage> image, Clock& clock)
{
    if (!image)
        return kDfuNoThread;
    std::thread last;
    {
        std::lock_guard lock(mutex_);
        if (running_)
            return kDfuWorkerBusy;
        last = std::move(thread_);
        record_ = DfuProgress{};
        running_ = true;
    }
    if (last.joinable())
        last.join();
    try {
        std::thread worker([this, deviceIndex, &clock, owned = std::move(image)] {
            run(deviceIndex, *owned, clock);  // throws nothing
            std::lock_guard done(mutex_);
            running_ = false;
            ended_.notify_all();
        });
        std::lock_guard lock(mutex_);
        thread_ = std::move(worker);
    } catch (...) {
        // No thread (std::system_error) or no memory for one.
        std::lock_guard lock(mutex_);
        record_.error = kDfuNoThread;
        running_ = false;
        ended_.notify_all();
        return kDfuNoThread;
    }
    return kDfuOk;
}

int DfuWorker::run(unsigned deviceIndex, const DfuImage& image, Clock& clock)
{
    DfuHandle handle = 0;
    try {
        return runSteps(deviceIndex, image, clock, handle);
    } catch (...) {
        // An exception must not end the program from the worker thread, nor leave the poller
        // waiting: the update ends with its own code, and the device is let go.
        setError(kDfuWorkerFault);
        if (handle != 0) {
            try {
                STDFU_Close(&handle);
            } catch (...) {
                // Nothing more can be done for a device whose close throws.
            }
        }
        return 0;
    }
}

int DfuWorker::runSteps(unsigned deviceIndex, const DfuImage& image, Clock& clock, DfuHandle& handle)
{
    std::uint32_t rc = kOk;
    DfuStatus status;

    // A failed call after the open: its code is the error and the device is closed.
    auto callFailed = [&](std::uint32_t code) {
        setError(code);
        STDFU_Close(&handle);
        return 0;
    };
    // The device reported a non-zero status: clear it, report it, close.
    auto statusFailure = [&](std::uint8_t byte) {
        std::uint32_t cleared = STDFU_Clrstatus(&handle);
        setError(cleared != kOk ? cleared : dfuStatusCode(byte));
        STDFU_Close(&handle);
        return 0;
    };
    // GETSTATUS, and a status failure when the device reports an error. False: the worker ends.
    auto statusCheck = [&]() {
        rc = STDFU_Getstatus(&handle, &status);
        if (rc != kOk) {
            callFailed(rc);
            return false;
        }
        if (status.bStatus != kStatusOk) {
            statusFailure(status.bStatus);
            return false;
        }
        return true;
    };

    // Preparation.
    DfuFunctionalDescriptor functional;
    unsigned extra = 0;
    rc = STDFU_GetDFUDescriptor(deviceIndex, &functional, &extra);
    if (rc != kOk) {
        setError(rc);
        return 0;
    }
    DfuWriteGeometry geometry;
    if (!dfuWriteGeometry(functional.wTransferSize, extra, geometry)) {
        setError(kBadParameter);
        return 0;
    }
    // The start command erases the whole write area; an image that puts nothing back would leave
    // the cradle without firmware. Every way of starting an update passes here, and nothing has
    // been opened or sent yet.
    if (dfuRangesInside(image, geometry).empty()) {
        setError(kDfuNothingToWrite);
        return 0;
    }
    UsbDeviceDescriptor device;
    rc = STDFU_GetDeviceDescriptor(deviceIndex, &device);
    if (rc != kOk) {
        setError(rc);
        return 0;
    }
    rc = STDFU_Open(deviceIndex, &handle);
    if (rc != kOk) {
        setError(rc);
        return 0;
    }

    std::uint8_t state = 0;
    if (device.idProduct == kDfuModeProduct) {
        if ((rc = STDFU_Getstate(&handle, &state)) != kOk)
            return callFailed(rc);
        if (state == kDfuError) {
            if ((rc = STDFU_Clrstatus(&handle)) != kOk)
                return callFailed(rc);
            if (!statusCheck())
                return 0;
        } else if (state != kDfuIdle) {
            if ((rc = STDFU_Abort(&handle)) != kOk)
                return callFailed(rc);
            if (!statusCheck())
                return 0;
        }
    } else {
        if ((rc = STDFU_Detach(&handle, functional.wDetachTimeOut, extra)) != kOk)
            return callFailed(rc);
        if ((rc = STDFU_Getstate(&handle, &state)) != kOk)
            return callFailed(rc);
        if (!statusCheck())
            return 0;
    }

    // The start command.
    set(2, 0);
    if ((rc = STDFU_Dnload(&handle, kStartCommand, sizeof kStartCommand, kCommandBlock)) != kOk)
        return callFailed(rc);
    if (!statusCheck())
        return 0;
    const int steps = boundedWait(status.bwPollTimeout) / 100;
    for (int k = 1; k <= steps; ++k) {
        clock.sleepMs(100);
        setPercent(100 * k / steps);
    }
    if (!statusCheck())
        return 0;
    if ((rc = STDFU_Abort(&handle)) != kOk)
        return callFailed(rc);
    clock.sleepMs(500);

    // The blocks that hold anything but 0xFF, in ascending order.
    set(3, 0);
    std::vector<std::uint32_t> blocks;
    for (unsigned b = 0; b < geometry.blockCount; ++b) {
        const std::uint32_t address = geometry.firstAddress + b * geometry.blockLength;
        const auto* first = image.data() + address;
        if (std::any_of(first, first + geometry.blockLength, [](std::uint8_t v) { return v != 0xFF; }))
            blocks.push_back(address);
    }
    const std::size_t m = blocks.size();
    for (std::size_t k = 0; k < m; ++k) {
        const std::uint32_t address = blocks[k];
        rc = STDFU_Dnload(&handle, image.data() + address, geometry.blockLength, static_cast<std::uint16_t>(address / 8));
        if (rc != kOk)
            return callFailed(rc);
        if (!statusCheck())
            return 0;
        clock.sleepMs(boundedWait(status.bwPollTimeout));
        if (!statusCheck())
            return 0;
        setPercent(static_cast<int>(100 * (k + 1) / m));
    }

    // The finish.
    if ((rc = STDFU_Dnload(&handle, nullptr, 0, kFinishBlock)) != kOk)
        return callFailed(rc);
    if ((rc = STDFU_Getstate(&handle, &state)) != kOk)
        return callFailed(rc);
    if (state == kDfuError) {
        // Some cradles end the download in the error state; a status that clears is a good end.
        if ((rc = STDFU_Clrstatus(&handle)) != kOk)
            return callFailed(rc);
        if (!statusCheck())
            return 0;
    } else if (state == kManifestSync) {
        // This status request starts the manifestation, and its answer is the cradle's word on
        // the new firmware: an error status there means it did not take it, whatever was written.
        if (!statusCheck())
            return 0;
    } else {
        if ((rc = STDFU_Abort(&handle)) != kOk)
            return callFailed(rc);
        if (!statusCheck())
            return 0;
    }
    if ((rc = STDFU_Close(&handle)) != kOk) {
        setError(rc);
        return 0;
    }
    set(4, 100);
    return 1;
}

std::uint32_t StartDfuUpdate(unsigned deviceIndex, std::unique_ptr<DfuImage> image, Clock& clock)
{
    return DfuWorker::instance().start(deviceIndex, std::move(image), clock);
}

std::uint32_t GetDfuProgress(DfuProgress& out)
{
    return DfuWorker::instance().progress(out);
}

int DfuUpdateThread(unsigned deviceIndex, const DfuImage& image, Clock& clock)
{
    return DfuWorker::instance().run(deviceIndex, image, clock);
}

}  // namespace feld
