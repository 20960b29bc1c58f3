// The system as the device checks read it on Windows: the registry's list of serial ports, a port
// opened for a moment to see whether another program holds it, and SetupAPI's USB devices with the
// drivers bound to them. The files of a Linux system are not there to read.

#include "session/SystemView.h"

#include <windows.h>
#include <setupapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>

#include "base/AsciiCase.h"
#include "base/os/Utf16Win32.h"
#include "link/serial/UsbIdentity.h"
#include "link/serial/os/ComPortsWin32.h"

namespace feld {
namespace {

// "\\.\COM5" and "com5" name the port COM5.
std::string portName(std::string path)
{
    if (path.rfind("\\\\.\\", 0) == 0)
        path.erase(0, 4);
    for (char& c : path)
        c = asciiUpper(c);
    return path;
}

// The ports the serial drivers entered in the registry, as the link names them; false when the
// registry's list cannot be read.
bool registryComPorts(std::vector<std::string>& ports)
{
    bool readable = true;
    for (const os::RegisteredPort& p : os::RegisteredComPorts(&readable)) {
        const std::string port = portName(p.name);
        if (!port.empty() && std::find(ports.begin(), ports.end(), port) == ports.end())
            ports.push_back(port);
    }
    return readable;
}

// Opens the port as the link would, and closes it at once.
ComPortProbe probe(const std::string& name)
{
    ComPortProbe p;
    p.name = name;
    const HANDLE h = ::CreateFileW(os::Utf16("\\\\.\\" + name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_OVERLAPPED, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        ::CloseHandle(h);
        return p;
    }
    const DWORD err = ::GetLastError();
    if (err == ERROR_ACCESS_DENIED || err == ERROR_SHARING_VIOLATION)
        p.state = ComPortProbe::State::InUse;
    else if (err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND)
        p.state = ComPortProbe::State::Missing;
    else {
        p.state = ComPortProbe::State::Failed;
        p.error = os::ErrorText(err);
    }
    return p;
}

// A device's registry property of strings (a list of null-ended strings), each in upper case.
std::vector<std::string> stringsProperty(HDEVINFO set, SP_DEVINFO_DATA& dev, DWORD property)
{
    wchar_t buf[2048] = {};
    DWORD type = 0;
    if (!::SetupDiGetDeviceRegistryPropertyW(set, &dev, property, &type, reinterpret_cast<BYTE*>(buf),
                                             sizeof buf - 2 * sizeof(wchar_t), nullptr))
        return {};
    std::vector<std::string> out;
    for (const wchar_t* p = buf; *p; p += std::wcslen(p) + 1) {
        std::string s = os::Utf8(p);
        for (char& c : s)
            c = asciiUpper(c);
        out.push_back(s);
    }
    return out;
}

std::string textProperty(HDEVINFO set, SP_DEVINFO_DATA& dev, DWORD property)
{
    wchar_t buf[512] = {};
    if (!::SetupDiGetDeviceRegistryPropertyW(set, &dev, property, nullptr, reinterpret_cast<BYTE*>(buf),
                                             sizeof buf - sizeof(wchar_t), nullptr))
        return {};
    return os::Utf8(buf);
}

// "USB\VID_0483&PID_DF11&REV_2200" gives 0483:df11.
bool idFrom(const std::string& hardwareId, UsbId& id)
{
    unsigned vendor = 0, product = 0;
    const std::size_t at = hardwareId.find("VID_");
    if (at == std::string::npos || std::sscanf(hardwareId.c_str() + at, "VID_%4x&PID_%4x", &vendor, &product) != 2)
        return false;
    id = {static_cast<std::uint16_t>(vendor), static_cast<std::uint16_t>(product)};
    return true;
}

// The USB devices present that are the cradle waiting for an update: those with the product id of
// the DFU mode, or (an interface of a composite device) the DFU class, with the driver bound.
std::vector<UsbDriverFacts> waitingCradles()
{
    std::vector<UsbDriverFacts> found;
    const HDEVINFO set = ::SetupDiGetClassDevsW(nullptr, L"USB", nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
    if (set == INVALID_HANDLE_VALUE)
        return found;
    SP_DEVINFO_DATA dev{};
    dev.cbSize = sizeof dev;
    for (DWORD i = 0; ::SetupDiEnumDeviceInfo(set, i, &dev); ++i) {
        UsbDriverFacts d;
        const std::vector<std::string> hardware = stringsProperty(set, dev, SPDRP_HARDWAREID);
        if (hardware.empty() || !idFrom(hardware.front(), d.id))
            continue;
        const std::vector<std::string> compatible = stringsProperty(set, dev, SPDRP_COMPATIBLEIDS);
        const bool dfuClass = std::any_of(compatible.begin(), compatible.end(),
                                          [](const std::string& c) { return c.find("CLASS_FE&SUBCLASS_01") != std::string::npos; });
        const bool composite = std::any_of(compatible.begin(), compatible.end(),
                                           [](const std::string& c) { return c.find("USB\\COMPOSITE") != std::string::npos; });
        if (composite || !(dfuClass || d.id.product == 0xDF11))
            continue;  // a composite device's DFU interface is listed by itself
        d.service = textProperty(set, dev, SPDRP_SERVICE);
        d.description = textProperty(set, dev, SPDRP_DEVICEDESC);
        found.push_back(d);
    }
    ::SetupDiDestroyDeviceInfoList(set);
    return found;
}

}  // namespace

SystemView::SystemView(std::string root) : root_(std::move(root)), fake_(root_ != "/" && !root_.empty()) {}

std::string SystemView::at(const std::string& path) const { return path; }

// A Windows system has none of the files the Linux checks read; they are not asked here.
std::optional<std::string> SystemView::read(const std::string&) const { return std::nullopt; }
std::vector<std::string> SystemView::list(const std::string&) const { return {}; }
bool SystemView::exists(const std::string&) const { return false; }
bool SystemView::isDirectory(const std::string&) const { return false; }
std::optional<std::string> SystemView::link(const std::string&) const { return std::nullopt; }
bool SystemView::mayList(const std::string&) const { return false; }
SystemView::Node SystemView::node(const std::string&) const { return {}; }
Credentials SystemView::credentials() const { return {}; }
bool SystemView::mayOpen(const std::string&) const { return false; }
long SystemView::selfPid() const { return static_cast<long>(::GetCurrentProcessId()); }
std::optional<std::vector<std::string>> SystemView::chineseFontFamilies() const { return std::nullopt; }
std::vector<std::string> SystemView::fontFiles() const { return {}; }

std::optional<WindowsFacts> SystemView::windowsFacts(const PortSettings& port) const
{
    WindowsFacts facts;
    facts.portsReadable = registryComPorts(facts.comPorts);
    std::vector<std::string> toProbe;
    if (port.portChoice != 0) {
        facts.configured = portName(port.serialDevice.empty() ? "COM" + std::to_string(port.serialPort) : port.serialDevice);
        if (std::find(facts.comPorts.begin(), facts.comPorts.end(), facts.configured) != facts.comPorts.end())
            toProbe.push_back(facts.configured);
    } else {
        // The USB serial ports among which --usb looks for the terminal.
        for (const UsbSerialPort& p : UsbIdentity::List())
            if (std::string name = portName(p.path); std::find(toProbe.begin(), toProbe.end(), name) == toProbe.end())
                toProbe.push_back(name);
    }
    for (const std::string& name : toProbe)
        facts.probed.push_back(probe(name));
    facts.cradles = waitingCradles();
    return facts;
}

}  // namespace feld
