#pragma once
// The operating-system calls on an open serial device, behind one small interface: non-blocking
// reads and gathered writes on its descriptor, discarding what the driver buffers, probing a
// device before opening it, and tuning it for a stop-and-wait protocol. One hook file per platform
// implements them (os/).

#include <cstddef>
#include <cstdint>
#include <string>

#include "link/serial/SerialDevice.h"

namespace feld::portio {

// Result of a read or write: `bytes` moved (0 when the device had nothing or took nothing yet),
// `err` the system's error number when the call failed, `end` when a read met the end of the
// device (its other side went away).
struct IoResult {
    std::size_t bytes = 0;
    int err = 0;
    bool end = false;
};

IoResult readSome(int fd, std::uint8_t* buffer, std::size_t size);
// Writes the pieces in order, skipping their first `skip` bytes (already written), without waiting.
IoResult writeSome(int fd, const WritePiece* pieces, std::size_t count, std::size_t skip);
// Throws away the bytes the driver holds in either direction.
void discard(int fd, bool input, bool output);
void setNonBlocking(int fd);

// 0 when the device can be opened for reading and writing now; else the system's error number.
int probeOpen(const std::string& path);
// The device file a path names in the end (links such as /dev/serial/by-id/... followed), so that
// one device has one name to lock; the path itself when it cannot be resolved.
std::string canonicalDevicePath(const std::string& path);
std::string errorText(int err);

// Who may open a device file, as far as the hint for a refused open needs to know.
struct DeviceAccess {
    bool known = false;           // the file's owner and mode could be read
    unsigned groupId = 0;
    std::string groupName;        // empty when the group has no name
    bool groupReadWrite = false;  // its group may read and write it
};
DeviceAccess deviceAccess(const std::string& path);
// What a user who may not open the device can do about it: join the device's group when that is an
// ordinary group that may read and write it; otherwise add a udev rule that gives a group access
// (with the device's USB ids when `usb` is given).
std::string permissionHint(const DeviceAccess& access, const UsbId* usb);

// Asks the driver for low latency: every reply of this protocol is a few bytes, and a USB adapter
// that holds received bytes for its latency timer (16 ms by default on common adapters) costs a
// quarter of the line's speed. Empty when low latency is on; otherwise why not, for the debug output.
std::string requestLowLatency(int fd, const std::string& devicePath);

}  // namespace feld::portio
