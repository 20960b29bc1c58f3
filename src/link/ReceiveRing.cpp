#include "link/ReceiveRing.h"

#include <algorithm>

#include "base/OsWait.h"

namespace feld {

ReceiveRing::ReceiveRing()
{
    for (auto& b : buf_)
        b.store(0, std::memory_order_relaxed);
}
ReceiveRing::~ReceiveRing() = default;

void ReceiveRing::Push(const std::uint8_t* data, std::size_t n)
{
    if (n == 0)
        return;
    std::uint32_t w = write_.load(std::memory_order_relaxed);
    while (n > 0) {
        std::size_t chunk = std::min<std::size_t>(n, kSize - w);
        for (std::size_t i = 0; i < chunk; ++i)
            buf_[w + i].store(data[i], std::memory_order_relaxed);
        data += chunk;
        n -= chunk;
        w += static_cast<std::uint32_t>(chunk);
        if (w == kSize)
            w = 0;
    }
    write_.store(w, std::memory_order_release);
    // A reader waiting for a whole frame sleeps on until the frame is in.
    if (waiting_.load(std::memory_order_seq_cst) != 0 && Available() < want_.load(std::memory_order_relaxed))
        return;
    Wake();
}

void ReceiveRing::Wake()
{
    seq_.fetch_add(1, std::memory_order_seq_cst);
    if (waiting_.load(std::memory_order_seq_cst) != 0)
        os::wakeWord(seq_);
}

std::size_t ReceiveRing::Shortfall() const
{
    if (waiting_.load(std::memory_order_seq_cst) == 0)
        return 0;
    std::size_t want = want_.load(std::memory_order_relaxed);
    std::size_t have = Available();
    return have >= want ? 0 : want - have;
}

std::size_t ReceiveRing::Available() const
{
    std::uint32_t w = write_.load(std::memory_order_acquire);
    std::uint32_t r = read_.load(std::memory_order_relaxed);
    return w >= r ? w - r : kSize - r + w;
}

std::size_t ReceiveRing::Read(std::uint8_t* out, std::size_t max, std::uint16_t& sum)
{
    std::uint32_t w = write_.load(std::memory_order_acquire);
    std::uint32_t r = read_.load(std::memory_order_relaxed);
    std::size_t copied = 0;
    std::uint16_t s = sum;
    while (r != w && copied < max) {
        std::uint8_t b = buf_[r].load(std::memory_order_relaxed);
        out[copied++] = b;
        s = static_cast<std::uint16_t>(s + b);
        if (++r == kSize)
            r = 0;
    }
    read_.store(r, std::memory_order_release);
    sum = s;
    return copied;
}

void ReceiveRing::Reset()
{
    read_.store(write_.load(std::memory_order_acquire), std::memory_order_release);
}

bool ReceiveRing::WaitReadable(int ms, std::size_t minBytes)
{
    if (minBytes == 0)
        minBytes = 1;
    if (minBytes >= kSize)
        minBytes = kSize - 1;
    if (Available() >= minBytes)
        return true;
    if (ms <= 0)
        return false;
    want_.store(static_cast<std::uint32_t>(minBytes), std::memory_order_relaxed);
    const std::int64_t end = os::monotonicNs() + std::int64_t(ms) * 1'000'000;
    for (;;) {
        std::uint32_t seq = seq_.load(std::memory_order_seq_cst);
        waiting_.fetch_add(1, std::memory_order_seq_cst);
        if (Available() >= minBytes) {
            waiting_.fetch_sub(1, std::memory_order_seq_cst);
            return true;
        }
        std::int64_t left = end - os::monotonicNs();
        if (left <= 0) {
            waiting_.fetch_sub(1, std::memory_order_seq_cst);
            return false;
        }
        os::waitOnWord(seq_, seq, static_cast<int>((left + 999'999) / 1'000'000));
        waiting_.fetch_sub(1, std::memory_order_seq_cst);
        if (Available() >= minBytes)
            return true;
        if (seq_.load(std::memory_order_seq_cst) != seq)
            return false;  // woken without the bytes: the device closed or went away
    }
}

}  // namespace feld
