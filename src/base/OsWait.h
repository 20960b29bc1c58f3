#pragma once
// The few operating-system calls the program waits and wakes with, behind one small interface:
// a word a thread can sleep on, a wake-up event that fits into a descriptor poll, and a poll of one
// descriptor together with that event. One hook file per platform implements them (os/). On
// Windows the event is an event object that a wait on handles takes in, and the poll serves the
// event alone.

#include <atomic>
#include <cstdint>
#include <string>

namespace feld::os {

// Sleeps while `word` still holds `expected`, at most `ms` milliseconds. Returns early when
// wakeWord is called on the word; spurious returns are allowed, so callers look again.
void waitOnWord(std::atomic<std::uint32_t>& word, std::uint32_t expected, int ms);
void wakeWord(std::atomic<std::uint32_t>& word);

// A wake-up that a descriptor poll sees: signal() from any thread makes the next (or the current)
// waitDescriptor return with `woken` set.
class WakeEvent {
public:
    WakeEvent();
    ~WakeEvent();
    WakeEvent(const WakeEvent&) = delete;
    WakeEvent& operator=(const WakeEvent&) = delete;

    // False when the system could not make the event (error() tells why).
    bool valid() const { return fd_ >= 0 || handle_ != nullptr; }
    // Why the event could not be made; empty when it could.
    const std::string& error() const { return error_; }
    void signal();
    // Takes back every signal given so far.
    void drain();
#ifdef _WIN32
    void* handle() const { return handle_; }  // the event's HANDLE, for a wait on several handles
#else
    int descriptor() const { return fd_; }
#endif

private:
    int fd_ = -1;
    int writeFd_ = -1;  // platforms without an event descriptor use a pipe
    void* handle_ = nullptr;  // Windows: a manual-reset event
    std::string error_;
};

struct PollResult {
    bool ok = true;            // false: the poll itself failed (errno in err)
    int err = 0;
    bool interrupted = false;  // a signal ended the wait before anything happened
    bool woken = false;        // the event was signalled
    short revents = 0;         // what happened on the descriptor
};

// Waits for `events` on `fd` (fd < 0: only for the event), for the event, or until `timeoutNs`
// passed (negative: no time limit). An interrupted wait returns with only `interrupted` set.
// Windows has no descriptors to poll: there it takes fd < 0 only.
PollResult waitDescriptor(int fd, short events, const WakeEvent& wake, std::int64_t timeoutNs);

// Monotonic nanoseconds.
std::int64_t monotonicNs();

}  // namespace feld::os
