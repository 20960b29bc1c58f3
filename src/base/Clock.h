#pragma once
// Time and sleeping behind one small interface, so that a 12-second wait costs a test nothing.

#include <cstdint>

namespace feld {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a clock that never jumps (for deadlines).
    virtual std::int64_t monotonicMs() const = 0;
    // Calendar time in whole seconds since 1970-01-01 UTC (for operation times and schedules).
    virtual std::int64_t calendarSeconds() const = 0;
    virtual void sleepMs(int ms) = 0;

    std::int64_t monotonicSeconds() const { return monotonicMs() / 1000; }
};

// The real clock, shared by the whole process.
Clock& systemClock();

}  // namespace feld
