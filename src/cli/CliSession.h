#pragma once
// The session of one feldspan-cli run: the stored port values with --device, --usb and --baud laid
// over them (for this run only, nothing is saved), and the session object built on them.

#include <memory>

#include "link/PdtLink.h"
#include "session/Session.h"

namespace feld {
class Clock;
struct PortSettings;
}

namespace feld::cli {

class CliContext;
struct CliOptions;

class CliSession {
public:
    // makePort: for tests; empty uses the real serial port.
    explicit CliSession(CliContext& ctx, PortFactory makePort = {});
    CliSession(CliContext& ctx, Clock& clock, PortFactory makePort);

    Session& session() { return *session_; }
    Session* operator->() { return session_.get(); }

    // --device PATH: that serial device; --usb: over USB (with --device, PATH stands for the USB
    // terminal); --baud N: that rate.
    static void ApplyOverrides(const CliOptions& options, PortSettings& port);

private:
    std::unique_ptr<Session> session_;
};

}  // namespace feld::cli
