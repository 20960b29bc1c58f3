#include "link/ReceiveRing.h"

#include <cerrno>
#include <climits>
#include <cstring>

#if defined(__linux__)
#include <linux/futex.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>
#else
#include <chrono>
#include <thread>
#endif

namespace feld {

namespace {

#if defined(__linux__)
void futexWait(std::atomic<std::uint32_t>* word, std::uint32_t expected, int ms)
{
    timespec ts;
    ts.tv_sec = ms / 1000;
    ts.tv_nsec = static_cast<long>(ms % 1000) * 1000000L;
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(word), FUTEX_WAIT_PRIVATE, expected, &ts, nullptr, 0);
}
void futexWakeAll(std::atomic<std::uint32_t>* word)
{
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(word), FUTEX_WAKE_PRIVATE, INT_MAX, nullptr, nullptr, 0);
}
#endif

}  // namespace

ReceiveRing::ReceiveRing() { std::memset(buf_, 0, sizeof buf_); }
ReceiveRing::~ReceiveRing() = default;

void ReceiveRing::Push(const std::uint8_t* data, std::size_t n)
{
    if (n == 0)
        return;
    std::uint32_t w = write_.load(std::memory_order_relaxed);
    while (n > 0) {
        std::size_t chunk = std::min<std::size_t>(n, kSize - w);
        std::memcpy(buf_ + w, data, chunk);
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
    if (waiting_.load(std::memory_order_seq_cst) != 0) {
#if defined(__linux__)
        futexWakeAll(&seq_);
#endif
    }
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
        std::uint8_t b = buf_[r];
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
        return !Empty();
    want_.store(static_cast<std::uint32_t>(minBytes), std::memory_order_relaxed);
#if defined(__linux__)
    timespec start;
    clock_gettime(CLOCK_MONOTONIC, &start);
    for (;;) {
        std::uint32_t seq = seq_.load(std::memory_order_seq_cst);
        waiting_.fetch_add(1, std::memory_order_seq_cst);
        if (Available() >= minBytes) {
            waiting_.fetch_sub(1, std::memory_order_seq_cst);
            return true;
        }
        timespec now;
        clock_gettime(CLOCK_MONOTONIC, &now);
        long long elapsed = (now.tv_sec - start.tv_sec) * 1000LL + (now.tv_nsec - start.tv_nsec) / 1000000LL;
        int left = ms - static_cast<int>(elapsed);
        if (left <= 0) {
            waiting_.fetch_sub(1, std::memory_order_seq_cst);
            return !Empty();
        }
        futexWait(&seq_, seq, left);
        waiting_.fetch_sub(1, std::memory_order_seq_cst);
        if (Available() >= minBytes)
            return true;
        if (seq_.load(std::memory_order_seq_cst) != seq)
            return !Empty();  // woken early: the device closed or went away
    }
#else
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (Empty() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    return !Empty();
#endif
}

}  // namespace feld
