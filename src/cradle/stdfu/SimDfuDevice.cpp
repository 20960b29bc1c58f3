#include "cradle/stdfu/SimDfuDevice.h"

#include <cstdio>
#include <fstream>

#include "base/PcFiles.h"
#include "base/SafeFile.h"

namespace feld::stdfu {

namespace {

// The command that opens a firmware write: two bytes sent as block 0xFFFF.
constexpr std::uint16_t kCommandBlock = 0xFFFF;
constexpr std::uint8_t kStartCommand[2] = {0x56, 0xAE};
constexpr std::uint32_t kWriteAreaEnd = 0xF000;

std::string hex4(unsigned v)
{
    char b[8];
    std::snprintf(b, sizeof b, "0x%04X", v & 0xFFFF);
    return b;
}

// Replaces `path` with the bytes through a safe replacement: a failure leaves the old dump.
void replaceDump(const std::string& path, const std::array<std::uint8_t, 0x10000>& bytes)
{
    SafeFileWriter out;
    if (out.Open(path, LinkAtTarget::Refuse) && out.Write(bytes.data(), bytes.size()))
        out.Commit();
}

}  // namespace

SimDfuDevice::SimDfuDevice(SimDfuConfig config) : config_(std::move(config))
{
    memory_.fill(config_.fill);
    if (!config_.memoryFile.empty()) {
        std::ifstream in(FsPath(config_.memoryFile), std::ios::binary);
        in.read(reinterpret_cast<char*>(memory_.data()), static_cast<std::streamsize>(memory_.size()));
    }
    dfuMode_ = config_.dfuMode;
    state_ = dfuMode_ ? config_.initialState : std::uint8_t{kAppIdle};
    if (state_ == kDfuError)
        status_ = kErrUnknown;
}

UsbDeviceDescriptor SimDfuDevice::deviceDescriptor() const
{
    std::lock_guard lock(mutex_);
    UsbDeviceDescriptor d;
    d.idVendor = config_.vendor;
    d.idProduct = dfuMode_ ? kDfuModeProduct : config_.product;
    d.bcdDevice = config_.release;
    d.iManufacturer = 1;
    d.iProduct = 2;
    return d;
}

DfuFunctionalDescriptor SimDfuDevice::dfuDescriptor() const
{
    DfuFunctionalDescriptor d;
    d.bmAttributes = config_.attributes;
    d.wDetachTimeOut = config_.detachTimeout;
    d.wTransferSize = config_.transferSize;
    return d;
}

std::optional<std::string> SimDfuDevice::stringDescriptor(unsigned index) const
{
    if (index == 1)
        return config_.manufacturer;
    if (index == 2)
        return config_.name;
    return std::nullopt;
}

std::uint32_t SimDfuDevice::writeAreaStart() const
{
    return config_.transferSize == 8 ? 0xC000 : 0x8000;
}

void SimDfuDevice::record(SimDfuEvent event)
{
    if (!config_.logPath.empty()) {
        if (std::FILE* f = OpenFile(config_.logPath, "a")) {
            if (event.op == "dnload")
                std::fprintf(f, "dnload block=%s length=%u%s\n", hex4(event.block).c_str(), event.length,
                             event.accepted ? "" : " stalled");
            else if (event.op == "getstatus")
                std::fprintf(f, "getstatus status=%u state=%u\n", event.status, event.state);
            else
                std::fprintf(f, "%s state=%u%s\n", event.op.c_str(), event.state, event.accepted ? "" : " stalled");
            std::fclose(f);
        }
    }
    events_.push_back(std::move(event));
}

bool SimDfuDevice::stall(const char* op, unsigned length, std::uint16_t block)
{
    // A request the state does not allow: the device stalls it and enters the error state.
    state_ = kDfuError;
    status_ = kErrStalledPkt;
    busy_ = false;
    record({op, block, length, state_, status_, false});
    return false;
}

bool SimDfuDevice::open(std::string& why)
{
    std::lock_guard lock(mutex_);
    if (config_.accessDenied) {
        why = "access denied";
        record({"open", 0, 0, state_, status_, false});
        return false;
    }
    record({"open", 0, 0, state_, status_, true});
    return true;
}

bool SimDfuDevice::detach(std::uint16_t timeoutMs)
{
    std::lock_guard lock(mutex_);
    if (dfuMode_ || state_ != kAppIdle)
        return stall("detach");
    // The cradle leaves its application and comes back in DFU mode, idle.
    dfuMode_ = true;
    state_ = kDfuIdle;
    status_ = kStatusOk;
    erased_ = false;
    record({"detach", 0, timeoutMs, state_, status_, true});
    return true;
}

bool SimDfuDevice::getState(std::uint8_t& state)
{
    std::lock_guard lock(mutex_);
    state = busy_ ? std::uint8_t{kDnloadSync} : state_;
    record({"getstate", 0, 0, state, status_, true});
    return true;
}

bool SimDfuDevice::getStatus(DfuStatus& status)
{
    std::lock_guard lock(mutex_);
    status = {};
    if (busy_) {
        // The first status request after a block starts its write and tells how long it takes.
        busy_ = false;
        status.bStatus = status_;
        status.bwPollTimeout = busyPoll_;
        status.bState = status_ == kStatusOk ? kDnBusy : kDfuError;
    } else if (state_ == kManifestSync && config_.manifestStatus != kStatusOk) {
        // The cradle refuses what was written (a firmware that fails its own check, say).
        state_ = kDfuError;
        status_ = config_.manifestStatus;
        status.bState = state_;
        status.bStatus = status_;
    } else if (state_ == kManifestSync) {
        state_ = (config_.attributes & kManifestationTolerant) ? kDfuIdle : kManifestWaitReset;
        status.bState = kManifest;
        status.bStatus = status_;
    } else {
        status.bStatus = status_;
        status.bState = state_;
    }
    record({"getstatus", 0, 0, status.bState, status.bStatus, true});
    return true;
}

bool SimDfuDevice::clearStatus()
{
    std::lock_guard lock(mutex_);
    if (state_ != kDfuError || busy_)
        return stall("clrstatus");
    state_ = kDfuIdle;
    status_ = kStatusOk;
    record({"clrstatus", 0, 0, state_, status_, true});
    return true;
}

bool SimDfuDevice::abort()
{
    std::lock_guard lock(mutex_);
    if (!dfuMode_ || busy_ ||
        !(state_ == kDfuIdle || state_ == kDnloadIdle || state_ == kManifestSync || state_ == kUploadIdle))
        return stall("abort");
    state_ = kDfuIdle;
    record({"abort", 0, 0, state_, status_, true});
    return true;
}

void SimDfuDevice::program(std::uint32_t address, const std::uint8_t* data, unsigned length)
{
    for (unsigned i = 0; i < length; ++i)
        memory_[address + i] &= data[i];
}

bool SimDfuDevice::download(const std::uint8_t* data, unsigned length, std::uint16_t block)
{
    std::lock_guard lock(mutex_);
    if (!dfuMode_ || busy_ || !(state_ == kDfuIdle || state_ == kDnloadIdle))
        return stall("dnload", length, block);
    if (length > config_.transferSize)
        return stall("dnload", length, block);

    if (length == 0) {
        // The end of the download: manifest what was written.
        if (config_.finalError) {
            state_ = kDfuError;
            status_ = kErrNotDone;
        } else {
            state_ = kManifestSync;
        }
        record({"dnload", block, 0, state_, status_, true});
        return true;
    }

    status_ = kStatusOk;
    busyPoll_ = config_.pollMs;
    if (block == kCommandBlock) {
        if (length == 2 && data[0] == kStartCommand[0] && data[1] == kStartCommand[1]) {
            for (std::uint32_t a = writeAreaStart(); a < kWriteAreaEnd; ++a)
                memory_[a] = 0xFF;
            erased_ = true;
            busyPoll_ = config_.startPollMs;
        } else {
            status_ = kErrTarget;  // a command this cradle does not know
        }
    } else {
        std::uint32_t address = static_cast<std::uint32_t>(block) * 8;
        if (!erased_)
            status_ = kErrWrite;  // flash not opened for writing by the start command
        else if (address < writeAreaStart() || address + length > kWriteAreaEnd)
            status_ = kErrAddress;
        else
            program(address, data, length);
    }
    if (config_.failBlock && *config_.failBlock == block)
        status_ = config_.failStatus;
    if (status_ != kStatusOk)
        state_ = kDfuError;
    else
        state_ = kDnloadIdle;
    busy_ = true;
    record({"dnload", block, length, kDnloadSync, status_, true});
    return true;
}

void SimDfuDevice::close()
{
    std::array<std::uint8_t, 0x10000> image;
    {
        std::lock_guard lock(mutex_);
        record({"close", 0, 0, state_, status_, true});
        if (config_.dumpPath.empty())
            return;
        image = memory_;
    }
    // Written without the lock: the flash as it stands now, replacing the last dump whole.
    replaceDump(config_.dumpPath, image);
}

std::array<std::uint8_t, 0x10000> SimDfuDevice::memory() const
{
    std::lock_guard lock(mutex_);
    return memory_;
}

std::vector<SimDfuEvent> SimDfuDevice::events() const
{
    std::lock_guard lock(mutex_);
    return events_;
}

std::uint8_t SimDfuDevice::state() const
{
    std::lock_guard lock(mutex_);
    return state_;
}

bool SimDfuDevice::inDfuMode() const
{
    std::lock_guard lock(mutex_);
    return dfuMode_;
}

}  // namespace feld::stdfu
