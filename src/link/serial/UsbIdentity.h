#pragma once
// The few operating-system questions about a USB serial device: which serial ports are USB
// terminals, and the device's release number (the cradle's firmware version).

#include <optional>
#include <string>
#include <vector>

#include "base/PortSettings.h"

namespace feld {

struct UsbSerialPort {
    std::string path;          // "/dev/ttyACM0" ("COM5" on Windows)
    std::string name;          // "ttyACM0"
    UsbId id;
    std::string description;
    std::string manufacturer;
    std::string serialNumber;
};

// Which USB serial port is the terminal, or why none is taken.
struct TerminalChoice {
    std::optional<UsbSerialPort> port;
    // The terminal's USB port number: its place (from 1) among the USB serial ports listed. Linux
    // has no COM numbers; this is the number that stands for the USB terminal's serial port.
    int number = 0;
    std::string why;  // set when there is no port: none at all, none matching, or several to guess from
};

class UsbIdentity {
public:
    // The variable whose value stands in for the system's USB serial ports, for tests and demos
    // without a USB bus: "PATH=VVVV:PPPP" entries separated by ';' (the simulated terminal's
    // pseudo-terminal given the ids of a USB terminal, say).
    static constexpr const char* kPortsVariable = "FELDSPAN_USB_PORTS";

    // Serial ports that sit on USB, in the order the system lists them (or as kPortsVariable gives
    // them). A malformed kPortsVariable gives no port and its fault in `error`.
    static std::vector<UsbSerialPort> List(std::string* error = nullptr);
    // The system's own list of its serial ports on USB (the platform's hook file, os/).
    static std::vector<UsbSerialPort> SystemPorts();
    // The system's other serial ports, those not on USB (no ids), in the order it lists them.
    static std::vector<UsbSerialPort> OtherSystemPorts();
    // Parses a kPortsVariable value; false with the reason in `error`.
    static bool ParsePortList(const std::string& text, std::vector<UsbSerialPort>& out, std::string& error);
    // The terminal among the system's USB serial ports (see Choose).
    static TerminalChoice FindTerminal(const std::vector<UsbId>& ids);
    // The terminal among `ports`: the first whose vendor:product is in `ids`. Without ids the only
    // USB serial port is taken; with several, none is guessed at (a wrong guess would talk to a
    // modem or a scale), and `why` lists them.
    static TerminalChoice Choose(const std::vector<UsbSerialPort>& ports, const std::vector<UsbId>& ids);
    // The USB serial port a device path names (through links such as /dev/serial/by-id/...), with
    // its number; no port when the path is not one of them.
    static TerminalChoice Identify(const std::vector<UsbSerialPort>& ports, const std::string& path);
    // "0403:6001".
    static std::string IdText(const UsbId& id);
    // The USB device release number (bcdDevice) of the device behind a tty name, as read from the
    // system; nothing when it cannot be read.
    static std::optional<unsigned> ReleaseNumber(const std::string& ttyName);
    // The release number in tenths of a version: BCD 0x0123 (1.23) gives 12, 0x0210 gives 21.
    static int ReleaseToTenths(unsigned bcd);
};

}  // namespace feld
