#pragma once
// Hands functions from any thread to the thread a CallQueue lives on (the window's), where they run
// in turn from its event loop. What the posting thread did before posting is seen by the function,
// and this order is one a thread checker can follow: Qt's event queue keeps it with locks of its
// own that such tools cannot see, so each call also passes through an atomic here.

#include <QObject>

#include <atomic>
#include <functional>

namespace feld::gui {

class CallQueue final : public QObject {
public:
    explicit CallQueue(QObject* parent = nullptr);

    // Queues `fn`; it runs on this object's thread, or never when this object goes first (the
    // function is then destroyed unrun, on this object's thread).
    void post(std::function<void()> fn);

protected:
    bool event(QEvent* e) override;

private:
    std::atomic<unsigned> handed_{0};
};

}  // namespace feld::gui
