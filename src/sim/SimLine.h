#pragma once
// The simulated terminal's end of the line: reads and writes on one descriptor, with every wait
// bounded by a deadline and ended at once by stop().
//
// With a bit rate set, the line behaves like a real 8N1 line of that rate in both directions:
// a byte takes 10 bit times. Outgoing bytes are written in slices, each at the moment its last byte
// would have left a real line (scheduled against an absolute clock, so nothing drifts; the thread
// sleeps, never spins). Incoming bytes are read as soon as they come but are released to the
// terminal only as fast as the line would have delivered them.
// Without a bit rate every byte is handed over at once and frames are written in one call.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace feld::sim {

class SimLine {
public:
    enum class Wait { Ok, Timeout, Stopped, Failed };

    SimLine(int fd, long baud);
    ~SimLine();
    SimLine(const SimLine&) = delete;
    SimLine& operator=(const SimLine&) = delete;

    // Monotonic nanoseconds.
    static std::int64_t nowNs();
    static std::int64_t msFromNow(int ms) { return nowNs() + std::int64_t(ms) * 1'000'000; }

    // Waits until at least `want` bytes are available to the terminal, or the deadline
    // (monotonic ns) passes.
    Wait fill(std::size_t want, std::int64_t deadlineNs);
    const std::uint8_t* data() const { return in_.data() + head_; }
    std::size_t available() const { return released_; }
    void consume(std::size_t n);
    // Throws away everything received and whatever keeps coming until the line has been quiet for
    // `quietMs` (or `maxMs` passed).
    void discardUntilQuiet(int quietMs, int maxMs = 2000);

    // Writes all bytes (paced when a bit rate is set). Failed when the device stops taking bytes
    // for writeTimeoutMs.
    Wait write(const std::uint8_t* p, std::size_t n, int writeTimeoutMs = 5000);

    void stop();
    bool stopped() const;
    long baud() const { return baud_; }
    // Nanoseconds one byte takes on the line (0 unpaced).
    std::int64_t byteNs() const { return byteNs_; }

private:
    struct Segment {
        std::uint64_t begin;   // absolute index of its first byte
        std::uint64_t end;
        std::int64_t startNs;  // when its first byte starts on the line
    };
    bool readAvailable();                 // reads what the descriptor has; false on a hard error
    void release(std::int64_t now);
    void dropAll();       // moves released_ up to what the line has delivered by now
    std::int64_t releaseTimeOf(std::uint64_t absIndex) const;
    // Waits for input, the wake-up or the time `untilNs` (-1: none); true when input may be there.
    int waitFor(short events, std::int64_t untilNs);

    int fd_;
    long baud_;
    std::int64_t byteNs_;
    int wakeFd_ = -1;
    std::vector<std::uint8_t> in_;
    std::size_t head_ = 0;          // first unconsumed byte in in_
    std::size_t tail_ = 0;          // end of the bytes read into in_
    std::size_t released_ = 0;      // unconsumed bytes the terminal may see
    std::uint64_t consumedAbs_ = 0; // absolute index of in_[head_]
    std::deque<Segment> segments_;  // input not yet released (paced only)
    std::int64_t inFreeNs_ = 0;     // when the input line has delivered everything read so far
    std::int64_t outFreeNs_ = 0;    // when the output line has sent everything written so far
    bool eofSeen_ = false;
};

}  // namespace feld::sim
