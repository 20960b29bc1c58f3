#pragma once
// The 1600-byte receive ring between the port's reader thread (the only writer) and the link (the
// only reader). The indices are atomics; there is no lock. A writer that laps the reader loses the
// lapped bytes: the link never has more than one frame and its reply outstanding, so a full ring
// only happens with garbage on the line, which the frame sums reject anyway. The bytes themselves
// are relaxed atomics, so a byte overwritten while the reader takes it is an old or a new value,
// never undefined behaviour (the writer does not look at the reader's index).
// The reader can block until bytes arrive or a time-out passes, so waiting costs no CPU.

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "base/Clock.h"

namespace feld {

class ReceiveRing final : public ByteWait {
public:
    static constexpr std::uint32_t kSize = 1600;

    ReceiveRing();
    ~ReceiveRing() override;
    ReceiveRing(const ReceiveRing&) = delete;
    ReceiveRing& operator=(const ReceiveRing&) = delete;

    // Producer: appends the bytes and wakes a waiting reader.
    void Push(const std::uint8_t* data, std::size_t n);

    // Consumer: copies up to `max` bytes, adding each to the 16-bit running sum; the count copied.
    std::size_t Read(std::uint8_t* out, std::size_t max, std::uint16_t& sum);
    // Consumer: discards everything buffered. The read index moves up to the write index; the
    // write index stays the producer's, so bytes that arrive meanwhile are neither lost nor replayed.
    void Reset();
    std::size_t Available() const override;
    bool Empty() const { return Available() == 0; }
    // Consumer: blocks until the ring holds at least `minBytes` bytes (1 when 0), a Wake, or `ms`
    // milliseconds passed. True when the bytes are there.
    bool WaitReadable(int ms, std::size_t minBytes) override;
    // How many more bytes the waiting reader needs before it wakes; 0 when nobody waits. The
    // port's reader thread uses it to gather a frame's bytes in one go on a slow line.
    std::size_t Shortfall() const;

    // Wakes a waiting reader without data (for instance when the device went away).
    void Wake();

private:
    std::atomic<std::uint8_t> buf_[kSize];
    std::atomic<std::uint32_t> write_{0};
    std::atomic<std::uint32_t> read_{0};
    // Bumped on every push and wake; the reader sleeps on it.
    std::atomic<std::uint32_t> seq_{0};
    std::atomic<int> waiting_{0};
    std::atomic<std::uint32_t> want_{1};  // the waiting reader is woken once this many bytes are in
};

}  // namespace feld
