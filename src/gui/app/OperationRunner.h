#pragma once
// Runs one terminal operation at a time on a worker thread of its own, so the window stays live:
// progress windows move and repaint, questions come up on top and wait for their answer. What
// follows an operation (refreshing a view, a final message) runs on the window's thread.

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>

namespace feld {
class Session;
}

namespace feld::gui {

class CallQueue;

class OperationRunner : public QObject {
    Q_OBJECT
public:
    explicit OperationRunner(Session& session, QObject* parent = nullptr);
    ~OperationRunner() override;

    // Starts `job` on the worker unless an operation runs (false then). `done` runs afterwards on
    // the window's thread.
    bool start(std::function<void()> job, std::function<void()> done = {});
    bool running() const { return running_.load(); }

    // Asks the operation under way to end (its transfers fail at their next step) and waits, with
    // the window's events going on, until it has.
    void cancelAndWait();
    // Waits, with the window's events going on, until the operation under way has ended.
    void waitWhileRunning();

signals:
    void busyChanged(bool busy);

private:
    void finished(std::function<void()> done);

    Session& session_;
    CallQueue* calls_;  // hands the operation's end to the window's thread
    std::thread thread_;
    std::atomic<bool> running_{false};
};

}  // namespace feld::gui
