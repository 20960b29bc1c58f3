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
//
// The slices are 10 ms long unless a slice size is given: a motherboard UART hands the PC about
// 5 bytes at a time, which shows the PC's cost per chunk that 10-ms slices hide. A latency timer
// puts a USB-serial adapter between the line and the PC instead: the terminal's bytes reach the PC
// in packets of 62, or when the timer has run since the oldest byte waiting came off the line (on
// an unpaced line a byte comes off it when written). The PC's bytes pass the adapter at once.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "base/OsWait.h"

namespace feld::sim {

class SimLine {
public:
    enum class Wait { Ok, Timeout, Stopped, Failed };

    // `sliceBytes` 0: 10-ms slices; `latencyTimerMs` 0: no adapter.
    SimLine(int fd, long baud, int sliceBytes = 0, int latencyTimerMs = 0);
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

    // Writes all bytes (paced when a bit rate is set), returning once the last has left the line;
    // bytes an adapter still holds go on to the PC during later waits. Failed when the device
    // stops taking bytes for writeTimeoutMs.
    Wait write(const std::uint8_t* p, std::size_t n, int writeTimeoutMs = 5000);

    // The terminal's own bit rate and stop bits: what the PC sends while its side of the line is
    // set otherwise is lost (on a real line it arrives as garbage that holds no frame).
    // `onMismatch` hears each new setting of the PC's that does not match, as "9600 bit/s, 1 stop bit".
    void requireLine(long baud, int stopBits, std::function<void(const std::string&)> onMismatch);

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
    bool pcLineMatches();                 // the PC's side is set as requireLine asks (or nothing asked)
    // Writes all of p now (waiting while the device is full).
    Wait writeAll(const std::uint8_t* p, std::size_t n, int writeTimeoutMs);
    Wait writeThroughAdapter(const std::uint8_t* p, std::size_t n, int writeTimeoutMs);
    // When the adapter next hands bytes to the PC (-1: it holds none), and handing them over.
    std::int64_t adapterDue() const;
    Wait deliverDue(int writeTimeoutMs = 5000);
    void release(std::int64_t now);
    void dropAll();       // moves released_ up to what the line has delivered by now
    std::int64_t releaseTimeOf(std::uint64_t absIndex) const;
    // Waits for the events, the wake-up or the time `untilNs` (-1: none), handing on what the
    // adapter holds as it falls due: 1 when the events may have come, 0 at the time, -1 stopped.
    int waitFor(short events, std::int64_t untilNs);
    // The same without the adapter.
    int pollOnce(short events, std::int64_t untilNs);

    int fd_;
    long baud_;
    std::int64_t byteNs_;
    std::size_t sliceBytes_;
    std::int64_t latencyNs_;
    os::WakeEvent wake_;  // stop() signals it
    std::vector<std::uint8_t> in_;
    std::size_t head_ = 0;          // first unconsumed byte in in_
    std::size_t tail_ = 0;          // end of the bytes read into in_
    std::size_t released_ = 0;      // unconsumed bytes the terminal may see
    std::uint64_t consumedAbs_ = 0; // absolute index of in_[head_]
    std::deque<Segment> segments_;  // input not yet released (paced only)
    std::int64_t inFreeNs_ = 0;     // when the input line has delivered everything read so far
    std::int64_t outFreeNs_ = 0;    // when the output line has sent everything written so far
    bool eofSeen_ = false;
    long requiredBaud_ = 0;         // 0: any setting of the PC's is taken
    int requiredStopBits_ = 1;
    long idleBaud_ = 0;             // the setting before any PC program set one (0: unknown)
    int idleStopBits_ = 1;
    std::function<void(const std::string&)> onMismatch_;
    std::string lastMismatch_;      // the PC's setting last reported
    std::deque<std::uint8_t> held_;     // bytes in the adapter, not yet handed to the PC
    std::deque<std::int64_t> heldAt_;   // when each of them comes (came) off the line
};

}  // namespace feld::sim
