#include "base/Interrupts.h"

#include <windows.h>

#include <atomic>
#include <cstring>

#include "base/SafeFile.h"

namespace feld {
namespace {

enum Mode { kNone, kEnd, kStop };

std::atomic<int> mode{kNone};
std::atomic<const char*> endNote{""};
std::atomic<bool> stopRequested{false};
std::atomic<bool> installed{false};

int exitCodeFor(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT: return kExitInterrupted;
    case CTRL_CLOSE_EVENT: return kExitHungUp;
    default: return kExitTerminated;  // Ctrl-Break, log-off, shut-down
    }
}

[[noreturn]] void endNow(int code, bool withNote)
{
    RemoveTemporariesNow();
    const char* note = endNote.load();
    if (withNote && note && *note) {
        DWORD written = 0;
        ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), note, static_cast<DWORD>(std::strlen(note)), &written, nullptr);
    }
    // As _exit: the main thread may be in the middle of anything, so no clean-up of the runtime.
    ::TerminateProcess(::GetCurrentProcess(), static_cast<UINT>(code));
    ::ExitProcess(static_cast<UINT>(code));
}

// The system runs this on a thread of its own.
BOOL WINAPI onConsoleEvent(DWORD event)
{
    const int code = exitCodeFor(event);
    const bool stoppable = event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT;
    switch (mode.load()) {
    case kStop:
        if (stoppable && !stopRequested.exchange(true))
            return TRUE;  // the loop stops at its next step
        endNow(code, !stoppable);
    case kEnd: endNow(code, true);
    default: return FALSE;  // the system's own handling
    }
}

void install()
{
    if (!installed.exchange(true))
        ::SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

}  // namespace

void EndOnInterrupt(const char* note)
{
    endNote.store(note ? note : "");
    mode.store(kEnd);
    install();
}

void StopOnInterrupt()
{
    stopRequested.store(false);
    mode.store(kStop);
    install();
}

bool StopRequested() { return stopRequested.load(); }

}  // namespace feld
