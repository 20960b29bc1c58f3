#include "cli/CliSession.h"

#include "base/Clock.h"
#include "cli/CliCommand.h"
#include "session/Config.h"

namespace feld::cli {

CliSession::CliSession(CliContext& ctx, PortFactory makePort) : CliSession(ctx, systemClock(), std::move(makePort)) {}

CliSession::CliSession(CliContext& ctx, Clock& clock, PortFactory makePort)
{
    Config& config = ctx.config();
    ApplyOverrides(ctx.options(), config.port);
    session_ = std::make_unique<Session>(config, ctx.ui(), clock, std::move(makePort));
}

void CliSession::ApplyOverrides(const CliOptions& options, PortSettings& port)
{
    if (options.usb) {
        port.portChoice = 0;
        if (!options.device.empty())
            port.usbDevice = options.device;
    } else if (!options.device.empty()) {
        port.portChoice = 1;
        port.serialDevice = options.device;
    }
    if (options.baud > 0)
        port.baudrate = options.baud;
    if (!options.device.empty() || options.usb)
        port.connectEnabled = true;  // asked for on the command line: connecting is wanted
}

}  // namespace feld::cli
