// Other POSIX systems: a pipe for the wake-up, poll for the wait, and short sleeps for the word
// (no futex there; the word's waiters are only ever the one reader of the receive ring).
#include "base/OsWait.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

namespace feld::os {

void waitOnWord(std::atomic<std::uint32_t>& word, std::uint32_t expected, int ms)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (word.load() == expected && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

void wakeWord(std::atomic<std::uint32_t>&) {}

WakeEvent::WakeEvent()
{
    int p[2];
    if (::pipe(p) != 0) {
        error_ = std::strerror(errno);
        return;
    }
    for (int fd : p) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    fd_ = p[0];
    writeFd_ = p[1];
}

WakeEvent::~WakeEvent()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (writeFd_ >= 0)
        ::close(writeFd_);
}

void WakeEvent::signal()
{
    char one = 1;
    [[maybe_unused]] ssize_t r = ::write(writeFd_, &one, 1);
}

void WakeEvent::drain()
{
    char buf[64];
    while (::read(fd_, buf, sizeof buf) > 0) {
    }
}

PollResult waitDescriptor(int fd, short events, const WakeEvent& wake, std::int64_t timeoutNs)
{
    PollResult out;
    pollfd fds[2] = {{wake.descriptor(), POLLIN, 0}, {fd, events, 0}};
    nfds_t n = fd >= 0 ? 2 : 1;
    int ms = timeoutNs < 0 ? -1 : static_cast<int>(std::min<std::int64_t>((timeoutNs + 999'999) / 1'000'000, 1 << 30));
    int r = ::poll(fds, n, ms);
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
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace feld::os
