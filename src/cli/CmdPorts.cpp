// feldspan-cli ports: the system's serial ports with their USB ids, descriptions and serial
// numbers, the terminals that UsbIds names marked; --usb shows which one --usb connects to, and
// refuses to guess when it would have to.

#include <cstdio>

#include "base/Texts.h"
#include "base/Ui.h"
#include "cli/CliCommand.h"
#include "cli/CliJson.h"
#include "link/serial/UsbIdentity.h"
#include "session/Config.h"

namespace feld::cli {
namespace {

struct PortRow {
    UsbSerialPort port;
    bool usb = false;
    bool terminal = false;  // named by UsbIds, or the one --usb takes
};

std::string hex4(unsigned v)
{
    char b[8];
    std::snprintf(b, sizeof b, "%04x", v & 0xFFFF);
    return b;
}

int portsCommand(CliContext& ctx, const std::vector<std::string>& args)
{
    bool json = false, usbOnly = false;
    for (const std::string& a : args) {
        if (a == "--json")
            json = true;
        else if (a == "--usb")
            usbOnly = true;
        else
            return kExitUsage;
    }
    const std::vector<UsbId>& ids = ctx.config().port.usbIds;

    std::vector<PortRow> rows;
    if (!usbOnly) {
        for (const UsbSerialPort& p : UsbIdentity::OtherSystemPorts()) {
            PortRow row;
            row.port = p;
            rows.push_back(row);
        }
    }
    // The USB serial ports as --usb looks for the terminal among them.
    std::string listError;
    const std::vector<UsbSerialPort> usbPorts = UsbIdentity::List(&listError);
    if (!listError.empty()) {
        ctx.ui().fixedMessage(listError, Icon::Stop);
        return kExitFailure;
    }
    for (const UsbSerialPort& p : usbPorts) {
        PortRow row;
        row.port = p;
        row.usb = true;
        for (const UsbId& id : ids)
            row.terminal = row.terminal || id == row.port.id;
        rows.push_back(row);
    }
    if (usbOnly && !usbPorts.empty()) {
        const TerminalChoice choice = UsbIdentity::Choose(usbPorts, ids);
        if (!choice.port) {
            ctx.ui().fixedMessage(choice.why, Icon::Stop);
            return kExitFailure;
        }
        for (PortRow& row : rows)
            row.terminal = row.port.path == choice.port->path;
    }

    if (json) {
        QJsonArray list;
        for (const PortRow& r : rows) {
            QJsonObject o{{QStringLiteral("device"), jsonText(r.port.path)},
                          {QStringLiteral("description"), jsonText(r.port.description)},
                          {QStringLiteral("manufacturer"), jsonText(r.port.manufacturer)},
                          {QStringLiteral("serialNumber"), jsonText(r.port.serialNumber)},
                          {QStringLiteral("terminal"), r.terminal}};
            if (r.usb) {
                o.insert(QStringLiteral("vendorId"), QString::fromStdString(hex4(r.port.id.vendor)));
                o.insert(QStringLiteral("productId"), QString::fromStdString(hex4(r.port.id.product)));
            }
            list.append(o);
        }
        printJson(list);
        return kExitOk;
    }
    for (const PortRow& r : rows) {
        std::string line = formatText("%-14s %-9s", {r.port.path, r.usb ? UsbIdentity::IdText(r.port.id) : std::string("-")});
        if (!r.port.description.empty())
            line += "  " + r.port.description;
        if (!r.port.serialNumber.empty())
            line += "  " + formatText(tk("cli.ports.serial", "serial %s"), {r.port.serialNumber});
        if (r.terminal)
            line += "  " + tk("cli.ports.terminal", "[terminal]");
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        std::printf("%s\n", line.c_str());
    }
    return kExitOk;
}

FELD_CLI_COMMAND("ports", "ports [--usb] [--json]", "the serial ports with their USB ids, the terminals marked", portsCommand);

}  // namespace
}  // namespace feld::cli
