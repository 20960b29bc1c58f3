#include "sim/SimLine.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

#include "base/OsWait.h"
#include "sim/SimPty.h"

namespace feld::sim {

namespace {

// A paced write goes out in slices of about this long, each when its last byte would have left.
constexpr std::int64_t kSliceNs = 10'000'000;
constexpr std::size_t kReadChunk = 65536;
// A USB-serial adapter sends the PC packets of 64 bytes, two of them its own status.
constexpr std::size_t kAdapterPacket = 62;

}  // namespace

std::int64_t SimLine::nowNs() { return os::monotonicNs(); }

SimLine::SimLine(int fd, long baud, int sliceBytes, int latencyTimerMs)
    : fd_(fd), baud_(baud), byteNs_(baud > 0 ? 10'000'000'000LL / baud : 0),
      sliceBytes_(sliceBytes > 0 ? static_cast<std::size_t>(sliceBytes) : 0),
      latencyNs_(latencyTimerMs > 0 ? std::int64_t(latencyTimerMs) * 1'000'000 : 0)
{
    in_.resize(kReadChunk * 2);
}

SimLine::~SimLine() = default;

void SimLine::requireLine(long baud, int stopBits, std::function<void(const std::string&)> onMismatch)
{
    requiredBaud_ = baud;
    requiredStopBits_ = stopBits;
    onMismatch_ = std::move(onMismatch);
    if (!lineSettings(fd_, idleBaud_, idleStopBits_))
        idleBaud_ = 0;
}

bool SimLine::pcLineMatches()
{
    if (requiredBaud_ == 0)
        return true;
    long baud = 0;
    int stopBits = 0;
    if (!lineSettings(fd_, baud, stopBits))
        return true;  // a device that tells nothing is taken as it is
    if (baud == requiredBaud_ && stopBits == requiredStopBits_) {
        lastMismatch_.clear();
        return true;
    }
    // The line as it was before any program set it: a program that closes the port has its
    // setting put back, often before its last bytes are read here. They went out at its setting,
    // which can no longer be told, so they are taken.
    if (baud == idleBaud_ && stopBits == idleStopBits_)
        return true;
    std::string seen = std::to_string(baud) + " bit/s, " + std::to_string(stopBits) + " stop bit" + (stopBits == 1 ? "" : "s");
    if (seen != lastMismatch_) {
        lastMismatch_ = seen;
        if (onMismatch_)
            onMismatch_(seen);
    }
    return false;
}

// The event is never drained: once stopped, every later wait ends at once.
void SimLine::stop() { wake_.signal(); }

bool SimLine::stopped() const { return os::waitDescriptor(-1, 0, wake_, 0).woken; }

int SimLine::waitFor(short events, std::int64_t untilNs)
{
    for (;;) {
        std::int64_t due = adapterDue();
        if (due >= 0 && due <= nowNs()) {
            if (deliverDue() == Wait::Stopped)
                return -1;
            continue;
        }
        std::int64_t until = due >= 0 && (untilNs < 0 || due < untilNs) ? due : untilNs;
        int r = pollOnce(events, until);
        if (r != 0)
            return r;
        if (until == untilNs && (untilNs < 0 || nowNs() >= untilNs))
            return 0;
    }
}

int SimLine::pollOnce(short events, std::int64_t untilNs)
{
    // After end of file (a device whose other side went away) poll would report the descriptor
    // at once forever: sleep in steps instead and try again.
    bool watchFd = !(events == POLLIN && eofSeen_);
    std::int64_t now = nowNs();
    std::int64_t until = untilNs;
    if (!watchFd) {
        std::int64_t step = now + 50'000'000;
        until = until < 0 ? step : std::min(until, step);
    }
    std::int64_t timeoutNs = until < 0 ? -1 : std::max<std::int64_t>(0, until - now);
    os::PollResult r = os::waitDescriptor(watchFd ? fd_ : -1, events, wake_, timeoutNs);
    if (!r.ok || r.interrupted)
        return 0;
    if (r.woken)
        return -1;  // stopped
    if (!watchFd) {
        eofSeen_ = false;
        return 1;
    }
    return r.revents ? 1 : 0;
}

bool SimLine::readAvailable()
{
    bool any = false;
    for (;;) {
        if (head_ > 0 && head_ == tail_) {
            head_ = tail_ = 0;
        } else if (head_ > kReadChunk * 4) {
            std::copy(in_.begin() + static_cast<std::ptrdiff_t>(head_), in_.begin() + static_cast<std::ptrdiff_t>(tail_), in_.begin());
            tail_ -= head_;
            head_ = 0;
        }
        // The buffer only grows, so reading costs no clearing of fresh space.
        if (in_.size() < tail_ + kReadChunk)
            in_.resize(tail_ + kReadChunk);
        std::size_t old = tail_;
        ssize_t r = ::read(fd_, in_.data() + old, kReadChunk);
        if (r > 0 && !pcLineMatches()) {
            if (static_cast<std::size_t>(r) < kReadChunk)
                return true;
            continue;
        }
        if (r > 0) {
            tail_ = old + static_cast<std::size_t>(r);
            std::int64_t now = nowNs();
            std::uint64_t begin = consumedAbs_ + (old - head_);
            if (byteNs_ == 0) {
                released_ += static_cast<std::size_t>(r);
            } else {
                std::int64_t start = std::max(now, inFreeNs_);
                segments_.push_back({begin, begin + static_cast<std::uint64_t>(r), start});
                inFreeNs_ = start + r * byteNs_;
            }
            any = true;
            if (static_cast<std::size_t>(r) < kReadChunk)
                return true;
            continue;
        }
        if (r == 0 || (r < 0 && errno == EIO)) {
            // No one holds the other end (only possible on a device we were given).
            eofSeen_ = true;
            return any;
        }
        if (r < 0 && (errno == EAGAIN || errno == EINTR))
            return true;
        return any;
    }
}

std::int64_t SimLine::releaseTimeOf(std::uint64_t absIndex) const
{
    for (const auto& s : segments_)
        if (absIndex < s.end)
            return s.startNs + std::int64_t(absIndex - s.begin + 1) * byteNs_;
    return -1;
}

void SimLine::release(std::int64_t now)
{
    if (byteNs_ == 0)
        return;
    std::uint64_t releasedAbs = consumedAbs_ + released_;
    while (!segments_.empty()) {
        Segment& s = segments_.front();
        std::uint64_t upTo = s.end;
        if (now < s.startNs + std::int64_t(s.end - s.begin) * byteNs_) {
            std::int64_t done = now <= s.startNs ? 0 : (now - s.startNs) / byteNs_;
            upTo = s.begin + static_cast<std::uint64_t>(done);
        }
        if (upTo > releasedAbs)
            releasedAbs = upTo;
        if (upTo < s.end)
            break;
        segments_.pop_front();
    }
    released_ = static_cast<std::size_t>(releasedAbs - consumedAbs_);
}

void SimLine::consume(std::size_t n)
{
    n = std::min(n, released_);
    head_ += n;
    released_ -= n;
    consumedAbs_ += n;
}

SimLine::Wait SimLine::fill(std::size_t want, std::int64_t deadlineNs)
{
    for (;;) {
        std::int64_t now = nowNs();
        release(now);
        if (released_ >= want)
            return Wait::Ok;
        // Try the descriptor first: a ready frame costs one read and no poll.
        if (!eofSeen_ && readAvailable()) {
            release(nowNs());
            if (released_ >= want)
                return Wait::Ok;
        }
        std::size_t have = tail_ - head_;
        std::int64_t until = deadlineNs;
        if (have >= want && byteNs_ > 0) {
            std::int64_t t = releaseTimeOf(consumedAbs_ + want - 1);
            if (t >= 0 && (until < 0 || t < until))
                until = t;
        }
        if (deadlineNs >= 0 && now >= deadlineNs)
            return Wait::Timeout;
        int w = waitFor(POLLIN, until);
        if (w < 0)
            return Wait::Stopped;
    }
}

void SimLine::dropAll()
{
    consumedAbs_ += tail_ - head_;
    head_ = tail_ = 0;
    released_ = 0;
    segments_.clear();
}

void SimLine::discardUntilQuiet(int quietMs, int maxMs)
{
    std::int64_t end = msFromNow(maxMs);
    for (;;) {
        readAvailable();
        dropAll();
        std::int64_t now = nowNs();
        if (now >= end)
            return;
        int w = waitFor(POLLIN, std::min(end, now + std::int64_t(quietMs) * 1'000'000));
        if (w <= 0)
            return;  // quiet (or stopped)
    }
}

SimLine::Wait SimLine::write(const std::uint8_t* p, std::size_t n, int writeTimeoutMs)
{
    if (latencyNs_ > 0)
        return writeThroughAdapter(p, n, writeTimeoutMs);
    std::int64_t start = std::max(nowNs(), outFreeNs_);
    std::size_t slice = n;
    if (byteNs_ > 0) {
        slice = sliceBytes_ > 0 ? sliceBytes_ : static_cast<std::size_t>(std::max<std::int64_t>(1, kSliceNs / byteNs_));
        outFreeNs_ = start + std::int64_t(n) * byteNs_;
    }
    std::size_t sent = 0;
    while (sent < n) {
        std::size_t len = std::min(slice, n - sent);
        if (byteNs_ > 0) {
            // Wait until the last byte of this slice would have left a real line; keep reading
            // meanwhile so the PC's bytes are timed as they come.
            std::int64_t due = start + std::int64_t(sent + len) * byteNs_;
            for (;;) {
                std::int64_t now = nowNs();
                if (now >= due)
                    break;
                int w = waitFor(POLLIN, due);
                if (w < 0)
                    return Wait::Stopped;
                if (w > 0)
                    readAvailable();
            }
        }
        Wait w = writeAll(p + sent, len, writeTimeoutMs);
        if (w != Wait::Ok)
            return w;
        sent += len;
    }
    return Wait::Ok;
}

SimLine::Wait SimLine::writeThroughAdapter(const std::uint8_t* p, std::size_t n, int writeTimeoutMs)
{
    // Each byte reaches the adapter when it has left the line (at once when unpaced).
    std::int64_t now = nowNs();
    std::int64_t start = byteNs_ > 0 ? std::max(now, outFreeNs_) : now;
    for (std::size_t i = 0; i < n; ++i) {
        held_.push_back(p[i]);
        heldAt_.push_back(byteNs_ > 0 ? start + std::int64_t(i + 1) * byteNs_ : now);
    }
    if (byteNs_ > 0)
        outFreeNs_ = start + std::int64_t(n) * byteNs_;
    // The terminal's UART is busy until its last byte has left; what the adapter holds then goes
    // on during later waits.
    const std::int64_t busyUntil = byteNs_ > 0 ? outFreeNs_ : now;
    for (;;) {
        Wait w = deliverDue(writeTimeoutMs);
        if (w != Wait::Ok)
            return w;
        if (nowNs() >= busyUntil)
            return Wait::Ok;
        int r = waitFor(POLLIN, busyUntil);
        if (r < 0)
            return Wait::Stopped;
        if (r > 0)
            readAvailable();
    }
}

std::int64_t SimLine::adapterDue() const
{
    if (held_.empty())
        return -1;
    std::int64_t due = heldAt_.front() + latencyNs_;
    if (heldAt_.size() >= kAdapterPacket)
        due = std::min(due, heldAt_[kAdapterPacket - 1]);
    return due;
}

SimLine::Wait SimLine::deliverDue(int writeTimeoutMs)
{
    for (;;) {
        std::int64_t due = adapterDue();
        if (due < 0 || due > nowNs())
            return Wait::Ok;
        std::uint8_t packet[kAdapterPacket];
        std::size_t k = 0;
        while (k < kAdapterPacket && k < held_.size() && heldAt_[k] <= due) {
            packet[k] = held_[k];
            ++k;
        }
        held_.erase(held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(k));
        heldAt_.erase(heldAt_.begin(), heldAt_.begin() + static_cast<std::ptrdiff_t>(k));
        Wait w = writeAll(packet, k, writeTimeoutMs);
        if (w == Wait::Failed) {
            // A PC that takes nothing for this long has lost what the adapter held, as it would
            // on a real one.
            held_.clear();
            heldAt_.clear();
        }
        if (w != Wait::Ok)
            return w;
    }
}

SimLine::Wait SimLine::writeAll(const std::uint8_t* p, std::size_t n, int writeTimeoutMs)
{
    std::size_t done = 0;
    std::int64_t giveUp = msFromNow(writeTimeoutMs);
    while (done < n) {
        ssize_t r = ::write(fd_, p + done, n - done);
        if (r > 0) {
            done += static_cast<std::size_t>(r);
            continue;
        }
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0 && errno != EAGAIN)
            return Wait::Failed;
        if (nowNs() >= giveUp)
            return Wait::Failed;
        if (pollOnce(POLLOUT, giveUp) < 0)
            return Wait::Stopped;
    }
    return Wait::Ok;
}

}  // namespace feld::sim
