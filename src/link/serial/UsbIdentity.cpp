#include "link/serial/UsbIdentity.h"

#include <QSerialPortInfo>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "base/Texts.h"

namespace feld {

std::vector<UsbSerialPort> UsbIdentity::List()
{
    std::vector<UsbSerialPort> out;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : ports) {
        if (!info.hasVendorIdentifier() || !info.hasProductIdentifier())
            continue;
        UsbSerialPort p;
        p.path = info.systemLocation().toStdString();
        p.name = info.portName().toStdString();
        p.id = UsbId{info.vendorIdentifier(), info.productIdentifier()};
        p.description = info.description().toStdString();
        p.manufacturer = info.manufacturer().toStdString();
        p.serialNumber = info.serialNumber().toStdString();
        out.push_back(std::move(p));
    }
    return out;
}

TerminalChoice UsbIdentity::FindTerminal(const std::vector<UsbId>& ids)
{
    return Choose(List(), ids);
}

std::string UsbIdentity::IdText(const UsbId& id)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04x:%04x", id.vendor, id.product);
    return buf;
}

TerminalChoice UsbIdentity::Choose(const std::vector<UsbSerialPort>& ports, const std::vector<UsbId>& ids)
{
    TerminalChoice c;
    if (ports.empty()) {
        c.why = tk("link.noUsbDevice", "no USB serial device found: connect the terminal's cradle and check its cable");
        return c;
    }
    if (ids.empty()) {
        if (ports.size() == 1) {
            c.port = ports.front();
            return c;
        }
        std::string list;
        for (const auto& p : ports)
            list += (list.empty() ? "" : ", ") + p.path + " (" + IdText(p.id) + (p.description.empty() ? "" : " " + p.description) + ")";
        c.why = formatText(tk("link.severalUsb", "%d USB serial devices are connected and UsbIds names none of them as the "
                                                 "terminal, so none is guessed at: %s. Name the terminal's with `feldspan-cli "
                                                 "config FeldSpan/Settings/UsbIds VVVV:PPPP`, or use --device"),
                           {static_cast<int>(ports.size()), list});
        return c;
    }
    for (const auto& p : ports)
        for (const UsbId& id : ids)
            if (id == p.id) {
                c.port = p;
                return c;
            }
    c.why = tk("link.noUsbTerminal", "no USB terminal found among the USB serial devices (none matches the configured ids)");
    return c;
}

std::optional<unsigned> UsbIdentity::ReleaseNumber(const std::string& ttyName)
{
    namespace fs = std::filesystem;
    if (ttyName.empty() || ttyName.find('/') != std::string::npos)
        return std::nullopt;
    std::error_code ec;
    fs::path dir = fs::canonical(fs::path("/sys/class/tty") / ttyName / "device", ec);
    if (ec)
        return std::nullopt;
    // The tty hangs below the USB interface (ttyACM) or below a port of it (ttyUSB); the device
    // with bcdDevice is a few levels up.
    for (int up = 0; up < 5 && !dir.empty() && dir != dir.root_path(); ++up, dir = dir.parent_path()) {
        std::ifstream in(dir / "bcdDevice");
        if (!in)
            continue;
        std::string text;
        in >> text;
        try {
            return static_cast<unsigned>(std::stoul(text, nullptr, 16));
        } catch (...) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

int UsbIdentity::ReleaseToTenths(unsigned bcd)
{
    int major = static_cast<int>(((bcd >> 12) & 0xF) * 10 + ((bcd >> 8) & 0xF));
    int tenths = static_cast<int>((bcd >> 4) & 0xF);
    return major * 10 + tenths;
}

}  // namespace feld
