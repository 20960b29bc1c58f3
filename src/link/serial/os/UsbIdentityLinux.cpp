// Linux: the serial ports as Qt's port listing finds them (udev), and a USB device's release number
// from sysfs.
#include <QSerialPortInfo>

#include <filesystem>
#include <fstream>

#include "link/serial/UsbIdentity.h"

namespace feld {

std::vector<UsbSerialPort> UsbIdentity::SystemPorts()
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

std::vector<UsbSerialPort> UsbIdentity::OtherSystemPorts()
{
    std::vector<UsbSerialPort> out;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (info.hasVendorIdentifier() && info.hasProductIdentifier())
            continue;  // a USB port: SystemPorts lists it
        UsbSerialPort p;
        p.path = info.systemLocation().toStdString();
        p.name = info.portName().toStdString();
        p.description = info.description().toStdString();
        p.manufacturer = info.manufacturer().toStdString();
        p.serialNumber = info.serialNumber().toStdString();
        out.push_back(std::move(p));
    }
    return out;
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

}  // namespace feld
