#include "base/Interrupts.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>

#include "base/SafeFile.h"

namespace feld {
namespace {

const char* endNote = "";
volatile std::sig_atomic_t stopRequested = 0;

extern "C" void onTerminatingSignal(int sig)
{
    RemoveTemporariesNow();
    if (const std::size_t n = std::strlen(endNote))
        [[maybe_unused]] ssize_t w = ::write(2, endNote, n);
    ::_exit(128 + sig);
}

extern "C" void onStopSignal(int sig)
{
    if (stopRequested) {
        RemoveTemporariesNow();
        ::_exit(128 + sig);
    }
    stopRequested = 1;
}

void handle(std::initializer_list<int> signals, void (*handler)(int))
{
    struct sigaction sa {};
    sa.sa_handler = handler;
    sigemptyset(&sa.sa_mask);
    for (int sig : signals)
        ::sigaction(sig, &sa, nullptr);
}

}  // namespace

void EndOnInterrupt(const char* note)
{
    endNote = note ? note : "";
    handle({SIGINT, SIGTERM, SIGHUP}, onTerminatingSignal);
}

void StopOnInterrupt()
{
    stopRequested = 0;
    handle({SIGINT, SIGTERM}, onStopSignal);
}

bool StopRequested() { return stopRequested != 0; }

}  // namespace feld
