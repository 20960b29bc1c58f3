#pragma once
// The port values the link reads and the port settings dialog edits. Plain values: the link never
// reads them from the settings store itself.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace feld {

struct UsbId {
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    bool operator==(const UsbId&) const = default;
};

struct PortSettings {
    int portChoice = 1;          // non-zero: serial port; 0: USB
    int serialPort = 1;          // COM number (Windows); "/dev/ttyS(n-1)" when serialDevice is empty
    int selPort = 1;             // passed through the port record
    int baudrate = 115200;
    int databits = 8;
    int parity = 0;              // 0 none, 1 odd, 2 even
    int stopbits = 1;            // stop-bit code: 0 and 1 one stop bit, 2 two
    std::string serialDevice;    // POSIX device path of the serial port, e.g. "/dev/ttyUSB0"
    std::string usbDevice;       // a device path that stands for the USB terminal (tests, odd set-ups)
    std::vector<UsbId> usbIds;   // USB serial devices that are terminals; empty: the first USB serial port
    bool connectEnabled = true;  // the dialog's "connect" switch; false forbids opening
    bool reportLineErrors = false;

    bool operator==(const PortSettings&) const = default;
};

}  // namespace feld
