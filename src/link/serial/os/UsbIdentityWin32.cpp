// Windows: the serial ports from the registry's list of COM ports, with the USB vendor and product
// ids (and the release number) of those whose device Windows knows to sit on USB: SetupAPI's
// devices of the Ports class, each with its "PortName" and a hardware id such as
// "USB\VID_0403&PID_6001&REV_0600".
#include <windows.h>

#include <initguid.h>

#include <devguid.h>
#include <setupapi.h>

#include <algorithm>
#include <cctype>
#include <vector>

#include "base/os/Utf16Win32.h"
#include "link/serial/UsbIdentity.h"
#include "link/serial/os/ComPortsWin32.h"

namespace feld {

namespace {

struct PortDevice {
    std::string port;        // "COM5"
    std::string hardwareId;  // the first of the device's hardware ids
    std::string instanceId;  // "USB\VID_0403&PID_6001\A600XYZ"
    std::string description;
    std::string manufacturer;
};

std::string registryText(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property)
{
    wchar_t buf[1024] = {};
    DWORD type = 0;
    if (!::SetupDiGetDeviceRegistryPropertyW(set, &device, property, &type, reinterpret_cast<BYTE*>(buf), sizeof buf - sizeof(wchar_t),
                                             nullptr))
        return {};
    // REG_MULTI_SZ (the hardware ids): the first string is the most specific.
    return os::Utf8(buf);
}

std::vector<PortDevice> portDevices()
{
    std::vector<PortDevice> out;
    HDEVINFO set = ::SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE)
        return out;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; ::SetupDiEnumDeviceInfo(set, i, &device); ++i) {
        HKEY key = ::SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE)
            continue;
        wchar_t name[64] = {};
        DWORD bytes = sizeof name - sizeof(wchar_t);
        DWORD type = 0;
        const bool named = ::RegQueryValueExW(key, L"PortName", nullptr, &type, reinterpret_cast<BYTE*>(name), &bytes) == ERROR_SUCCESS &&
                           type == REG_SZ;
        ::RegCloseKey(key);
        PortDevice d;
        d.port = named ? os::Utf8(name) : std::string();
        if (os::ComNumber(d.port) == 0)
            continue;  // a printer port, or none
        d.hardwareId = registryText(set, device, SPDRP_HARDWAREID);
        d.description = registryText(set, device, SPDRP_FRIENDLYNAME);
        if (d.description.empty())
            d.description = registryText(set, device, SPDRP_DEVICEDESC);
        d.manufacturer = registryText(set, device, SPDRP_MFG);
        wchar_t instance[512] = {};
        if (::SetupDiGetDeviceInstanceIdW(set, &device, instance, 511, nullptr))
            d.instanceId = os::Utf8(instance);
        out.push_back(std::move(d));
    }
    ::SetupDiDestroyDeviceInfoList(set);
    return out;
}

// The four hex digits after `tag` ("VID_") in a hardware id, in any case.
bool hexAfter(const std::string& text, const char* tag, unsigned& value)
{
    std::string upper = text;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const std::size_t at = upper.find(tag);
    if (at == std::string::npos)
        return false;
    const std::size_t from = at + std::char_traits<char>::length(tag);
    if (from + 4 > upper.size())
        return false;
    value = 0;
    for (std::size_t i = from; i < from + 4; ++i) {
        const char c = upper[i];
        const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (d < 0)
            return false;
        value = value << 4 | static_cast<unsigned>(d);
    }
    return true;
}

bool usbIds(const PortDevice& d, UsbId& id)
{
    unsigned vendor = 0, product = 0;
    if (!hexAfter(d.hardwareId, "VID_", vendor) || !hexAfter(d.hardwareId, "PID_", product))
        return false;
    id = UsbId{static_cast<std::uint16_t>(vendor), static_cast<std::uint16_t>(product)};
    return true;
}

// The serial number a USB device's instance id ends in; Windows makes up one with '&' in it for a
// device that has none.
std::string serialNumber(const std::string& instanceId)
{
    if (instanceId.rfind("USB\\", 0) != 0)
        return {};
    const std::size_t cut = instanceId.rfind('\\');
    std::string last = instanceId.substr(cut + 1);
    return last.find('&') == std::string::npos ? last : std::string();
}

bool sameName(const std::string& a, const std::string& b) { return os::ComNumber(a) != 0 && os::ComNumber(a) == os::ComNumber(b); }

}  // namespace

std::vector<UsbSerialPort> UsbIdentity::SystemPorts()
{
    std::vector<UsbSerialPort> out;
    for (const PortDevice& d : portDevices()) {
        UsbId id;
        if (!usbIds(d, id))
            continue;
        UsbSerialPort p;
        p.path = p.name = "COM" + std::to_string(os::ComNumber(d.port));
        p.id = id;
        p.description = d.description;
        p.manufacturer = d.manufacturer;
        p.serialNumber = serialNumber(d.instanceId);
        out.push_back(std::move(p));
    }
    // By number: a terminal's place among them does not change with the order of enumeration.
    std::stable_sort(out.begin(), out.end(), [](const UsbSerialPort& a, const UsbSerialPort& b) { return os::ComNumber(a.name) < os::ComNumber(b.name); });
    return out;
}

std::vector<UsbSerialPort> UsbIdentity::OtherSystemPorts()
{
    const std::vector<PortDevice> devices = portDevices();
    std::vector<UsbSerialPort> out;
    for (const os::RegisteredPort& r : os::RegisteredComPorts()) {
        UsbSerialPort p;
        p.path = p.name = r.name;
        bool onUsb = false;
        for (const PortDevice& d : devices) {
            if (!sameName(d.port, r.name))
                continue;
            UsbId id;
            onUsb = usbIds(d, id);
            p.description = d.description;
            p.manufacturer = d.manufacturer;
        }
        if (!onUsb)
            out.push_back(std::move(p));
    }
    return out;
}

std::optional<unsigned> UsbIdentity::ReleaseNumber(const std::string& ttyName)
{
    for (const PortDevice& d : portDevices()) {
        unsigned release = 0;
        if (sameName(d.port, ttyName) && hexAfter(d.hardwareId, "REV_", release))
            return release;
    }
    return std::nullopt;
}

}  // namespace feld
