#include "gui/app/OperationRunner.h"

#include <QEventLoop>

#include "gui/app/CallQueue.h"
#include "session/Session.h"

namespace feld::gui {

OperationRunner::OperationRunner(Session& session, QObject* parent)
    : QObject(parent), session_(session), calls_(new CallQueue(this))
{
}

OperationRunner::~OperationRunner()
{
    if (thread_.joinable()) {
        session_.CancelOperation();
        thread_.join();
    }
}

bool OperationRunner::start(std::function<void()> job, std::function<void()> done)
{
    if (running_.exchange(true))
        return false;
    if (thread_.joinable())
        thread_.join();  // the last one has ended; its thread is done
    session_.ResetCancel();
    emit busyChanged(true);
    thread_ = std::thread([this, job = std::move(job), done = std::move(done)]() mutable {
        job();
        calls_->post([this, done = std::move(done)]() mutable { finished(std::move(done)); });
    });
    return true;
}

void OperationRunner::finished(std::function<void()> done)
{
    if (thread_.joinable())
        thread_.join();
    running_.store(false);
    if (done)
        done();
    emit busyChanged(false);
}

void OperationRunner::waitWhileRunning()
{
    if (!running_.load())
        return;
    QEventLoop loop;
    connect(this, &OperationRunner::busyChanged, &loop, [&loop](bool busy) {
        if (!busy)
            loop.quit();
    });
    if (running_.load())
        loop.exec();
}

void OperationRunner::cancelAndWait()
{
    if (!running_.load())
        return;
    session_.CancelOperation();
    waitWhileRunning();
}

}  // namespace feld::gui
