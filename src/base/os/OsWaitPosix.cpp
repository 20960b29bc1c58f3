// Other POSIX systems: a pipe for the wake-up, poll for the wait, and a condition variable for the
// word (there is no futex there). One lock and condition serve every word: their only waiter is
// the reader of a receive ring, and a wake-up that finds a word unchanged simply waits on.
#include "base/OsWait.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>

namespace feld::os {

namespace {

std::mutex wordMutex;
std::condition_variable wordChanged;

}  // namespace

void waitOnWord(std::atomic<std::uint32_t>& word, std::uint32_t expected, int ms)
{
    if (ms <= 0)
        return;
    std::unique_lock lock(wordMutex);
    wordChanged.wait_for(lock, std::chrono::milliseconds(ms), [&] { return word.load() != expected; });
}

void wakeWord(std::atomic<std::uint32_t>&)
{
    // Taking the lock orders this wake-up after a waiter's check of its word, so it is not lost.
    { std::lock_guard lock(wordMutex); }
    wordChanged.notify_all();
}

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
