// POSIX: serial ports are device files; why one cannot be opened, from the error number of open.
#include <cerrno>
#include <optional>

#include "base/Texts.h"
#include "link/serial/CSerialCom.h"
#include "link/serial/PortIo.h"
#include "link/serial/UsbIdentity.h"

namespace feld {

std::string CSerialCom::PathForPortNumber(int number)
{
    return "/dev/ttyS" + std::to_string(number > 0 ? number - 1 : 0);
}

std::string CSerialCom::DescribeOpenError(const std::string& path, int err)
{
    const std::string device = portio::canonicalDevicePath(path);
    const std::string shown = ShownDevice(path);
    switch (err) {
    case 0:
        return {};
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return formatText(tk("link.deviceMissing", "device missing: %s does not exist (is the terminal connected and switched on?)"),
                          {shown});
    case EACCES:
    case EPERM: {
        // The USB ids make the udev rule of the hint one to copy.
        std::optional<UsbId> usb;
        for (const UsbSerialPort& p : UsbIdentity::List()) {
            if (portio::canonicalDevicePath(p.path) == device) {
                usb = p.id;
                break;
            }
        }
        return formatText(tk("link.permissionDenied", "permission denied on %s: %s"),
                          {shown, portio::permissionHint(portio::deviceAccess(device), usb ? &*usb : nullptr)});
    }
    case EBUSY:
        return formatText(tk("link.deviceBusy", "device busy: %s is in use by another program"), {shown});
    default:
        return formatText(tk("link.cannotOpen", "cannot open %s: %s"), {shown, portio::errorText(err)});
    }
}

}  // namespace feld
