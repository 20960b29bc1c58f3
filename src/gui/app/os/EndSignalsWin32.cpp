#include "gui/app/EndSignals.h"

#include <QGuiApplication>
#include <QMetaObject>
#include <QSessionManager>

#include <windows.h>

#include <atomic>
#include <csignal>

#include "base/SafeFile.h"

namespace feld::gui {

namespace {

// The signal each console event stands for.
int signalFor(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT: return SIGINT;
    case CTRL_CLOSE_EVENT: return 1;  // SIGHUP
    default: return SIGTERM;          // Ctrl-Break, log-off, shut-down
    }
}

std::atomic<EndSignals*> watcher{nullptr};
std::atomic<bool> pending{false};
// Set once the window's thread has ended the program's work, so a handler that must not return
// before that (the system ends the process when it does) can let go.
HANDLE endedEvent = nullptr;

BOOL WINAPI onConsoleEvent(DWORD event)
{
    EndSignals* w = watcher.load();
    if (!w)
        return FALSE;
    const int sig = signalFor(event);
    if (pending.exchange(true)) {
        // The first one is being handled and the user insists: no half-fetched file stays behind.
        RemoveTemporariesNow();
        ::TerminateProcess(::GetCurrentProcess(), static_cast<UINT>(128 + sig));
        return TRUE;
    }
    QMetaObject::invokeMethod(w, [w, sig] { w->Deliver(sig); }, Qt::QueuedConnection);
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT)
        return TRUE;
    // The console closes or the session ends: the process is ended as soon as this returns (and
    // some seconds later in any case), so the window's thread gets that long to write the settings.
    if (endedEvent)
        ::WaitForSingleObject(endedEvent, 4500);
    return TRUE;
}

}  // namespace

EndSignals::EndSignals(std::function<void(int)> onSignal, QObject* parent) : QObject(parent), onSignal_(std::move(onSignal))
{
    pending.store(false);
    if (!endedEvent)
        endedEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    else
        ::ResetEvent(endedEvent);
    watcher.store(this);
    ::SetConsoleCtrlHandler(onConsoleEvent, TRUE);
#ifndef QT_NO_SESSIONMANAGER
    // Log-off and shut-down reach a window without a console as a question of the session manager.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
            if (!pending.exchange(true))
                Deliver(SIGTERM);
        });
#endif
}

EndSignals::~EndSignals()
{
    ::SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    watcher.store(nullptr);
    if (endedEvent)
        ::SetEvent(endedEvent);
}

void EndSignals::Deliver(int sig)
{
    if (delivered_)
        return;  // the program is ending: one end is enough
    delivered_ = true;
    if (onSignal_)
        onSignal_(sig);
    if (endedEvent)
        ::SetEvent(endedEvent);
}

}  // namespace feld::gui
