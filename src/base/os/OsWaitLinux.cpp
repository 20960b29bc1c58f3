// Linux: futex for the word, eventfd for the wake-up, ppoll for the wait.
#include "base/OsWait.h"

#include <linux/futex.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace feld::os {

void waitOnWord(std::atomic<std::uint32_t>& word, std::uint32_t expected, int ms)
{
    if (ms <= 0)
        return;
    timespec ts{ms / 1000, static_cast<long>(ms % 1000) * 1'000'000L};
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&word), FUTEX_WAIT_PRIVATE, expected, &ts, nullptr, 0);
}

void wakeWord(std::atomic<std::uint32_t>& word)
{
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&word), FUTEX_WAKE_PRIVATE, INT_MAX, nullptr, nullptr, 0);
}

WakeEvent::WakeEvent()
{
    fd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (fd_ < 0)
        error_ = std::strerror(errno);
}

WakeEvent::~WakeEvent()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void WakeEvent::signal()
{
    std::uint64_t one = 1;
    [[maybe_unused]] ssize_t r = ::write(fd_, &one, sizeof one);
}

void WakeEvent::drain()
{
    std::uint64_t v;
    while (::read(fd_, &v, sizeof v) > 0) {
    }
}

PollResult waitDescriptor(int fd, short events, const WakeEvent& wake, std::int64_t timeoutNs)
{
    PollResult out;
    pollfd fds[2] = {{wake.descriptor(), POLLIN, 0}, {fd, events, 0}};
    nfds_t n = fd >= 0 ? 2 : 1;
    timespec ts{};
    timespec* tsp = nullptr;
    if (timeoutNs >= 0) {
        ts.tv_sec = static_cast<time_t>(timeoutNs / 1'000'000'000);
        ts.tv_nsec = static_cast<long>(timeoutNs % 1'000'000'000);
        tsp = &ts;
    }
    int r = ::ppoll(fds, n, tsp, nullptr);
    if (r < 0) {
        if (errno == EINTR) {
            out.interrupted = true;
        } else {
            out.ok = false;
            out.err = errno;
        }
        return out;
    }
    out.woken = (fds[0].revents & POLLIN) != 0;
    if (n == 2)
        out.revents = fds[1].revents;
    return out;
}

std::int64_t monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

}  // namespace feld::os
