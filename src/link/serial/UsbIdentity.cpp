#include "link/serial/UsbIdentity.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "base/Texts.h"

namespace feld {

bool UsbIdentity::ParsePortList(const std::string& text, std::vector<UsbSerialPort>& out, std::string& error)
{
    out.clear();
    std::size_t from = 0;
    while (from <= text.size()) {
        std::size_t end = text.find(';', from);
        if (end == std::string::npos)
            end = text.size();
        const std::string entry = text.substr(from, end - from);
        from = end + 1;
        if (entry.empty())
            continue;
        const std::size_t eq = entry.rfind('=');
        const std::size_t colon = eq == std::string::npos ? eq : entry.find(':', eq);
        // Four hex digits each, nothing else.
        auto hex4 = [&](std::size_t at, unsigned& value) {
            value = 0;
            for (std::size_t i = at; i < at + 4; ++i) {
                const char ch = entry[i];
                const int d = ch >= '0' && ch <= '9' ? ch - '0' : ch >= 'a' && ch <= 'f' ? ch - 'a' + 10
                                                    : ch >= 'A' && ch <= 'F' ? ch - 'A' + 10 : -1;
                if (d < 0)
                    return false;
                value = value << 4 | static_cast<unsigned>(d);
            }
            return true;
        };
        unsigned vendor = 0, product = 0;
        const bool ok = eq != std::string::npos && eq > 0 && colon == eq + 5 && entry.size() == colon + 5 &&
                        hex4(eq + 1, vendor) && hex4(colon + 1, product);
        if (!ok) {
            error = formatText(tk("link.badUsbPorts", "%s: \"%s\" is not PATH=VVVV:PPPP (hex USB vendor and product ids)"),
                               {kPortsVariable, entry});
            out.clear();
            return false;
        }
        UsbSerialPort p;
        p.path = entry.substr(0, eq);
        const std::size_t slash = p.path.rfind('/');
        p.name = slash == std::string::npos ? p.path : p.path.substr(slash + 1);
        p.id = UsbId{static_cast<std::uint16_t>(vendor), static_cast<std::uint16_t>(product)};
        out.push_back(std::move(p));
    }
    return true;
}

std::vector<UsbSerialPort> UsbIdentity::List(std::string* error)
{
    std::vector<UsbSerialPort> out;
    if (const char* given = std::getenv(kPortsVariable)) {
        std::string why;
        if (!ParsePortList(given, out, why) && error)
            *error = why;
        return out;
    }
    return SystemPorts();
}

TerminalChoice UsbIdentity::FindTerminal(const std::vector<UsbId>& ids)
{
    std::string error;
    const std::vector<UsbSerialPort> ports = List(&error);
    if (!error.empty()) {
        TerminalChoice c;
        c.why = error;
        return c;
    }
    return Choose(ports, ids);
}

TerminalChoice UsbIdentity::Identify(const std::vector<UsbSerialPort>& ports, const std::string& path)
{
    TerminalChoice c;
    std::error_code ec;
    const std::filesystem::path wanted = std::filesystem::weakly_canonical(path, ec);
    for (std::size_t i = 0; i < ports.size(); ++i) {
        std::error_code ec2;
        const std::filesystem::path listed = std::filesystem::weakly_canonical(ports[i].path, ec2);
        if (ports[i].path == path || (!ec && !ec2 && listed == wanted)) {
            c.port = ports[i];
            c.number = static_cast<int>(i) + 1;
            return c;
        }
    }
    return c;
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
            c.number = 1;
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
    for (std::size_t i = 0; i < ports.size(); ++i)
        for (const UsbId& id : ids)
            if (id == ports[i].id) {
                c.port = ports[i];
                c.number = static_cast<int>(i) + 1;
                return c;
            }
    c.why = tk("link.noUsbTerminal", "no USB terminal found among the USB serial devices (none matches the configured ids)");
    return c;
}


int UsbIdentity::ReleaseToTenths(unsigned bcd)
{
    int major = static_cast<int>(((bcd >> 12) & 0xF) * 10 + ((bcd >> 8) & 0xF));
    int tenths = static_cast<int>((bcd >> 4) & 0xF);
    return major * 10 + tenths;
}

}  // namespace feld
