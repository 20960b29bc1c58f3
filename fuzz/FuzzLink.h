#pragma once
// The link with a fake device that hands the PC the next piece of the fuzzer's input after each
// write it makes, as a terminal answering would, on a clock that never waits for real.

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/Ui.h"
#include "link/LinkPort.h"
#include "link/PdtLink.h"
#include "link/serial/SerialDevice.h"

namespace fuzzlink {

using namespace feld;

class StepClock : public Clock {
public:
    std::int64_t ms = 1'000'000;
    std::int64_t monotonicMs() const override { return ms; }
    std::int64_t calendarSeconds() const override { return ms / 1000; }
    void sleepMs(int n) override { ms += n > 0 ? n : 1; }
    // The input is fed as the link writes: bytes that are not there now never come, so the wait
    // ends at its deadline at once.
    bool waitForBytes(ByteWait& source, std::size_t minBytes, std::int64_t deadlineMs) override
    {
        if (source.WaitReadable(0, minBytes))
            return true;
        ms = std::max(ms, deadlineMs);
        return false;
    }
};

// Feeds the input in pieces: each piece is preceded by its length byte (scaled), one piece at
// open and one after every write.
class FuzzDevice : public SerialDevice {
public:
    FuzzDevice(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    void SetReceiveHook(ReceiveHook hook) override { hook_ = std::move(hook); }
    void SetActivityHook(ActivityHook) override {}
    void SetPortSerial() override {}
    int SetPortUSB() override { return 1; }
    int OpenConnection() override
    {
        open_ = true;
        return 1;
    }
    void CloseConnection() override { open_ = false; }
    int IsConnectToUSB() override { return open_; }
    bool IsOpenHandle() const override { return open_; }
    int WritePieces(const WritePiece*, std::size_t, bool) override
    {
        if (!open_)
            return kWriteFailed;
        ++writes_;
        if (writes_ > 4000 || (closeWhenDone && pos_ >= size_)) {
            open_ = false;  // bound the run, or the input is used up: the device goes away
            return kWriteFailed;
        }
        FeedPiece();
        return kWriteOk;
    }
    void Purge() override {}
    TtyInfo& Info() override { return info_; }
    int UsbComNumber() const override { return 0; }
    int CradleVersion() const override { return 0; }
    std::string LastError() const override { return {}; }

    std::vector<std::uint8_t> fed;  // every byte handed to the PC so far
    // Whether a write after the last piece finds the device gone, so the link stops at once
    // instead of retrying into silence.
    bool closeWhenDone = false;

    void FeedPiece()
    {
        if (pos_ >= size_ || !hook_)
            return;
        std::size_t n = static_cast<std::size_t>(data_[pos_++]) * 4 + 1;
        n = std::min(n, size_ - pos_);
        if (n > 0) {
            hook_(data_ + pos_, static_cast<int>(n));
            fed.insert(fed.end(), data_ + pos_, data_ + pos_ + n);
        }
        pos_ += n;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    int writes_ = 0;
    bool open_ = false;
    ReceiveHook hook_;
    TtyInfo info_;
};

// A link connected to a FuzzDevice over `data`; device() is null when the connect failed.
class FuzzLink {
public:
    FuzzLink(const std::uint8_t* data, std::size_t size)
    {
        env_.settings.serialDevice = "/dev/fuzz";
        env_.ui = &ui_;
        env_.clock = &clock_;
        env_.firmwareUpdateFlag = &skipCheck_;
        env_.makePort = [this, data, size](const PortSettings&) {
            auto d = std::make_unique<FuzzDevice>(data, size);
            device_ = d.get();
            return d;
        };
        link_ = std::make_unique<PdtLink>(env_);
        if (!link_->Connect(0))
            device_ = nullptr;
        if (device_)
            device_->FeedPiece();
    }
    PdtLink& link() { return *link_; }
    FuzzDevice* device() { return device_; }

private:
    SilentUi ui_;
    StepClock clock_;
    std::atomic<int> skipCheck_{1};
    LinkEnv env_;
    FuzzDevice* device_ = nullptr;
    std::unique_ptr<PdtLink> link_;
};

}  // namespace fuzzlink
