// Bytes from the line into the link's receive paths: the receive state machine (headers, data
// frames, the reply store) and the reply search of a send. The fake device hands the PC the next
// piece of the input after each write it makes, as a terminal answering would.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

#include "base/Clock.h"
#include "base/Ui.h"
#include "link/LinkPort.h"
#include "link/PdtLink.h"
#include "link/serial/SerialDevice.h"

namespace {

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
        if (writes_ > 4000)
            open_ = false;  // bound the run
        FeedPiece();
        return kWriteOk;
    }
    void Purge() override {}
    TtyInfo& Info() override { return info_; }
    int UsbComNumber() const override { return 0; }
    int CradleVersion() const override { return 0; }
    std::string LastError() const override { return {}; }

    void FeedPiece()
    {
        if (pos_ >= size_ || !hook_)
            return;
        std::size_t n = static_cast<std::size_t>(data_[pos_++]) * 4 + 1;
        n = std::min(n, size_ - pos_);
        if (n > 0)
            hook_(data_ + pos_, static_cast<int>(n));
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    static SilentUi ui;
    StepClock clock;
    PortSettings settings;
    settings.serialDevice = "/dev/fuzz";
    std::atomic<int> skipCheck{1};
    LinkEnv env;
    env.settings = settings;
    env.ui = &ui;
    env.clock = &clock;
    env.firmwareUpdateFlag = &skipCheck;
    const std::uint8_t mode = data[0];
    FuzzDevice* device = nullptr;
    env.makePort = [&](const PortSettings&) {
        auto d = std::make_unique<FuzzDevice>(data + 1, size - 1);
        device = d.get();
        return d;
    };
    PdtLink link(env);
    if (!link.Connect(0) || !device)
        return 0;
    device->FeedPiece();
    if (mode & 1) {
        static const std::uint8_t payload[1500] = {};
        link.SendTransfer(static_cast<std::uint8_t>(3 + (mode >> 1) % 6), (mode >> 4) * 100u, payload, false);
    } else {
        BufferSink sink;
        int r = link.ReceiveTransfer(false, Expect::FileOrAnswer(sink));
        // Whatever was stored must be consistent with itself, and a file no longer than announced.
        if (link.ReplyRecordCount() != static_cast<int>((link.ReplyData().size() + 27) / 28))
            __builtin_trap();
        if (r == 1 && link.Engine().ReplyKind() == 3 && sink.bytes.size() > 0x7FFFFFFF)
            __builtin_trap();
    }
    return 0;
}
