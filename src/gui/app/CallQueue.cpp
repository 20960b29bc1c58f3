#include "gui/app/CallQueue.h"

#include <QCoreApplication>
#include <QEvent>

namespace feld::gui {

namespace {

const QEvent::Type kCallEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class CallEvent final : public QEvent {
public:
    explicit CallEvent(std::function<void()> f) : QEvent(kCallEvent), fn(std::move(f)) {}
    std::function<void()> fn;
};

}  // namespace

CallQueue::CallQueue(QObject* parent) : QObject(parent) {}

void CallQueue::post(std::function<void()> fn)
{
    auto* e = new CallEvent(std::move(fn));
    handed_.fetch_add(1, std::memory_order_release);
    QCoreApplication::postEvent(this, e);
}

bool CallQueue::event(QEvent* e)
{
    // Before the event is looked at: it was made on the posting thread.
    (void)handed_.load(std::memory_order_acquire);
    if (e->type() != kCallEvent)
        return QObject::event(e);
    auto* call = static_cast<CallEvent*>(e);
    if (call->fn)
        call->fn();
    return true;
}

}  // namespace feld::gui
