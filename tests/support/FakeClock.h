#pragma once
// A clock that moves only when told to, or when someone sleeps on it.

#include <atomic>
#include <cstdint>

#include "base/Clock.h"

namespace feld::test {

class FakeClock : public Clock {
public:
    explicit FakeClock(std::int64_t startMs = 1'000'000, std::int64_t calendar = 1'700'000'000)
        : mono_(startMs), calendarBase_(calendar), monoBase_(startMs) {}

    std::int64_t monotonicMs() const override { return mono_.load(); }
    std::int64_t calendarSeconds() const override { return calendarBase_ + (mono_.load() - monoBase_) / 1000; }
    void sleepMs(int ms) override
    {
        if (ms > 0) {
            mono_ += ms;
            slept_ += ms;
        }
    }

    // The program's blocking wait on the bytes' source, for a moment of real time (a scripted
    // terminal answers at once); when the bytes are not there, this clock's time jumps to the
    // deadline instead of the test waiting for it.
    bool waitForBytes(ByteWait& source, std::size_t minBytes, std::int64_t deadlineMs) override
    {
        if (source.WaitReadable(kRealWaitMs, minBytes))
            return true;
        if (mono_.load() < deadlineMs)
            mono_.store(deadlineMs);
        return source.Available() >= minBytes;
    }

    void advanceMs(std::int64_t ms) { mono_ += ms; }
    std::int64_t sleptMs() const { return slept_.load(); }

private:
    static constexpr int kRealWaitMs = 20;
    std::atomic<std::int64_t> mono_;
    std::int64_t calendarBase_;
    std::int64_t monoBase_;
    std::atomic<std::int64_t> slept_{0};
};

}  // namespace feld::test
