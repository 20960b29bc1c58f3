#pragma once
// The window ends on SIGTERM, SIGHUP and SIGINT the way it ends on its close box after "Yes": the
// operation under way is stopped (its temporaries go with it), the settings are written back. The
// handler only writes the signal's number into a pipe; the window's thread reads it and ends the
// program there. A second signal while the first is being handled ends the program at once, its
// temporaries removed first. On Windows the console's events stand for the signals: Ctrl-C for
// SIGINT, Ctrl-Break, log-off and shut-down for SIGTERM, the console closed for SIGHUP (the window
// has a console when it was started from one); a session that ends asks the window to end too.

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace feld::gui {

class EndSignals : public QObject {
    Q_OBJECT
public:
    // `onSignal` runs on the window's thread with the signal's number. One watcher at a time.
    explicit EndSignals(std::function<void(int)> onSignal, QObject* parent = nullptr);
    ~EndSignals() override;  // the default handlers come back

    // Hands the end over to `onSignal` once, on the window's thread (the Windows handlers call it).
    void Deliver(int signal);

private:
    void Read();

    std::function<void(int)> onSignal_;
    int fds_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    bool delivered_ = false;
};

}  // namespace feld::gui
