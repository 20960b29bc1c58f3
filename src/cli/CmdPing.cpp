// feldspan-cli ping: connect and check the link. Exit 0 when the terminal answered.

#include <chrono>
#include <cstdio>

#include "cli/CliCommand.h"
#include "cli/CliJson.h"
#include "cli/CliSession.h"
#include "session/Config.h"

namespace feld::cli {
namespace {

int pingCommand(CliContext& ctx, const std::vector<std::string>& args)
{
    const bool json = args.size() == 1 && args[0] == "--json";
    if (!args.empty() && !json)
        return kExitUsage;
    CliSession cli(ctx);
    auto start = std::chrono::steady_clock::now();
    // ConnectLink opens the port and sends the link check; a failure has been shown with its reason.
    if (!cli->ConnectLink(0))
        return kExitFailure;
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    const PortSettings& port = ctx.config().port;
    // A USB terminal found by its ids has had its serial port stored by the connection.
    std::string where = port.portChoice != 0          ? Config::serialDevicePath(port)
                        : !port.usbDevice.empty()     ? port.usbDevice
                        : !port.serialDevice.empty()  ? port.serialDevice
                                                      : std::string("USB");
    if (json) {
        printJson(QJsonObject{{QStringLiteral("ok"), true},
                              {QStringLiteral("device"), jsonText(where)},
                              {QStringLiteral("port"), jsonText(Session::PortStatusText(port))},
                              {QStringLiteral("ms"), static_cast<qint64>(ms)}});
        return kExitOk;
    }
    std::printf("the terminal answered on %s (%s) in %lld ms\n", where.c_str(), Session::PortStatusText(port).c_str(),
                static_cast<long long>(ms));
    return kExitOk;
}

FELD_CLI_COMMAND("ping", "ping [--json]", "check the link to the terminal", pingCommand);

}  // namespace
}  // namespace feld::cli
