#pragma once
// Time, sleeping and waiting for bytes behind one small interface, so that a 12-second wait costs a
// test nothing and every clock runs the same blocking wait for bytes as the program does.

#include <cstddef>
#include <cstdint>

namespace feld {

// Something a reader blocks on until enough bytes have arrived (the link's receive ring).
class ByteWait {
public:
    virtual ~ByteWait() = default;
    virtual std::size_t Available() const = 0;
    // Blocks until at least `minBytes` bytes are there, the source is woken without them (the
    // device closed or went away) or `ms` milliseconds passed. True when the bytes are there.
    virtual bool WaitReadable(int ms, std::size_t minBytes) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a clock that never jumps (for deadlines).
    virtual std::int64_t monotonicMs() const = 0;
    // Calendar time in whole seconds since 1970-01-01 UTC (for operation times and schedules).
    virtual std::int64_t calendarSeconds() const = 0;
    virtual void sleepMs(int ms) = 0;

    // Waits until `source` holds `minBytes` bytes, it is woken without them, or this clock reaches
    // `deadlineMs`. The wait blocks on the source: it costs no CPU and ends the moment the bytes
    // are in. A clock whose time runs with real time uses this as it is; a test clock that only
    // moves when told may, after a short real wait, move its time to the deadline instead.
    virtual bool waitForBytes(ByteWait& source, std::size_t minBytes, std::int64_t deadlineMs);

    std::int64_t monotonicSeconds() const { return monotonicMs() / 1000; }
};

// The real clock, shared by the whole process.
Clock& systemClock();

}  // namespace feld
