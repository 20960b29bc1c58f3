#pragma once
// The few operating-system questions about a USB serial device: which serial ports are USB
// terminals, and the device's release number (the cradle's firmware version).

#include <optional>
#include <string>
#include <vector>

#include "base/PortSettings.h"

namespace feld {

struct UsbSerialPort {
    std::string path;          // "/dev/ttyACM0"
    std::string name;          // "ttyACM0"
    UsbId id;
    std::string description;
};

class UsbIdentity {
public:
    // Serial ports that sit on USB, in the order the system lists them.
    static std::vector<UsbSerialPort> List();
    // The terminal among them: the first whose vendor:product is in `ids`, or the first USB serial
    // port when `ids` is empty.
    static std::optional<UsbSerialPort> FindTerminal(const std::vector<UsbId>& ids);
    // The USB device release number (bcdDevice) of the device behind a tty name, as read from the
    // system; nothing when it cannot be read.
    static std::optional<unsigned> ReleaseNumber(const std::string& ttyName);
    // The release number in tenths of a version: BCD 0x0123 (1.23) gives 12, 0x0210 gives 21.
    static int ReleaseToTenths(unsigned bcd);
};

}  // namespace feld
