#include "gui/app/EndSignals.h"

#include <QSocketNotifier>

#include <atomic>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

#include "base/SafeFile.h"

namespace feld::gui {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
std::atomic<int> writeFd{-1};
std::atomic<bool> pending{false};

extern "C" void onEndSignal(int sig)
{
    if (pending.exchange(true)) {
        // The first one is being handled and the user insists: no half-fetched file stays behind.
        RemoveTemporariesNow();
        ::_exit(128 + sig);
    }
    const unsigned char byte = static_cast<unsigned char>(sig);
    if (const int fd = writeFd.load(); fd >= 0)
        [[maybe_unused]] ssize_t w = ::write(fd, &byte, 1);
}

}  // namespace

EndSignals::EndSignals(std::function<void(int)> onSignal, QObject* parent) : QObject(parent), onSignal_(std::move(onSignal))
{
    if (::pipe(fds_) != 0)
        return;  // no pipe: the signals keep their default action
    for (int fd : fds_)
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    ::fcntl(fds_[1], F_SETFL, O_NONBLOCK);
    pending.store(false);
    writeFd.store(fds_[1]);
    notifier_ = new QSocketNotifier(fds_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &EndSignals::Read);
    struct sigaction sa {};
    sa.sa_handler = onEndSignal;
    sigemptyset(&sa.sa_mask);
    for (int sig : kSignals)
        ::sigaction(sig, &sa, nullptr);
}

EndSignals::~EndSignals()
{
    struct sigaction sa {};
    sa.sa_handler = SIG_DFL;
    sigemptyset(&sa.sa_mask);
    if (fds_[0] >= 0)
        for (int sig : kSignals)
            ::sigaction(sig, &sa, nullptr);
    writeFd.store(-1);
    for (int fd : fds_)
        if (fd >= 0)
            ::close(fd);
}

void EndSignals::Read()
{
    unsigned char byte = 0;
    if (::read(fds_[0], &byte, 1) != 1)
        return;
    notifier_->setEnabled(false);  // the program is ending: one end is enough
    Deliver(byte);
}

void EndSignals::Deliver(int signal)
{
    if (delivered_)
        return;
    delivered_ = true;
    if (onSignal_)
        onSignal_(signal);
}

}  // namespace feld::gui
