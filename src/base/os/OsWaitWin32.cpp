// Windows: WaitOnAddress for the word, a manual-reset event for the wake-up, and the performance
// counter for the clock.
#include "base/OsWait.h"

#include <windows.h>

#include <algorithm>

#include "base/os/Utf16Win32.h"

namespace feld::os {

void waitOnWord(std::atomic<std::uint32_t>& word, std::uint32_t expected, int ms)
{
    if (ms <= 0)
        return;
    // std::atomic<std::uint32_t> is a plain 32-bit word here, as WaitOnAddress needs.
    static_assert(sizeof(std::atomic<std::uint32_t>) == sizeof(std::uint32_t));
    ::WaitOnAddress(reinterpret_cast<volatile void*>(&word), &expected, sizeof expected, static_cast<DWORD>(ms));
}

void wakeWord(std::atomic<std::uint32_t>& word) { ::WakeByAddressAll(reinterpret_cast<void*>(&word)); }

WakeEvent::WakeEvent()
{
    // Manual reset: a wait sees the signal without taking it; drain() takes it back.
    handle_ = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!handle_)
        error_ = ErrorText(::GetLastError());
}

WakeEvent::~WakeEvent()
{
    if (handle_)
        ::CloseHandle(handle_);
}

void WakeEvent::signal() { ::SetEvent(handle_); }

void WakeEvent::drain() { ::ResetEvent(handle_); }

PollResult waitDescriptor(int fd, short, const WakeEvent& wake, std::int64_t timeoutNs)
{
    PollResult out;
    if (fd >= 0) {
        out.ok = false;
        out.err = ERROR_NOT_SUPPORTED;
        return out;
    }
    const DWORD ms = timeoutNs < 0 ? INFINITE : static_cast<DWORD>(std::min<std::int64_t>((timeoutNs + 999'999) / 1'000'000, 1 << 30));
    const DWORD r = ::WaitForSingleObject(wake.handle(), ms);
    if (r == WAIT_FAILED) {
        out.ok = false;
        out.err = static_cast<int>(::GetLastError());
        return out;
    }
    out.woken = r == WAIT_OBJECT_0;
    return out;
}

std::int64_t monotonicNs()
{
    static const std::int64_t frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<std::int64_t>(f.QuadPart);
    }();
    LARGE_INTEGER c;
    ::QueryPerformanceCounter(&c);
    const std::int64_t ticks = c.QuadPart;
    // In two steps, so that a long uptime times a billion does not overflow.
    return ticks / frequency * 1'000'000'000 + ticks % frequency * 1'000'000'000 / frequency;
}

}  // namespace feld::os
