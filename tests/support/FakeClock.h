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

    void advanceMs(std::int64_t ms) { mono_ += ms; }
    std::int64_t sleptMs() const { return slept_.load(); }

private:
    std::atomic<std::int64_t> mono_;
    std::int64_t calendarBase_;
    std::int64_t monoBase_;
    std::atomic<std::int64_t> slept_{0};
};

}  // namespace feld::test
