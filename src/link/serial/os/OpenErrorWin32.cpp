// Windows: serial ports are named COM1, COM2, ...; why one cannot be opened, from the error code of
// CreateFileW. A port that does not exist names the ports that do.
#include <windows.h>

#include "base/Texts.h"
#include "link/serial/CSerialCom.h"
#include "link/serial/PortIo.h"
#include "link/serial/os/ComPortsWin32.h"

namespace feld {

std::string CSerialCom::PathForPortNumber(int number) { return "COM" + std::to_string(number > 0 ? number : 1); }

std::string CSerialCom::DescribeOpenError(const std::string& path, int err)
{
    const std::string shown = ShownDevice(path);
    switch (static_cast<DWORD>(err)) {
    case 0:
        return {};
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_UNIT:
    case ERROR_DEV_NOT_EXIST: {
        std::string names;
        for (const os::RegisteredPort& p : os::RegisteredComPorts())
            names += (names.empty() ? "" : ", ") + p.name;
        if (names.empty())
            return formatText(tk("link.deviceMissingNoPorts", "device missing: %s does not exist, and this computer has no serial "
                                                              "ports (is the terminal's cradle connected?)"),
                              {shown});
        return formatText(tk("link.deviceMissingPorts", "device missing: %s does not exist (ports here: %s)"), {shown, names});
    }
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return formatText(tk("link.deviceBusy", "device busy: %s is in use by another program"), {shown});
    default:
        return formatText(tk("link.cannotOpen", "cannot open %s: %s"), {shown, portio::errorText(err)});
    }
}

}  // namespace feld
