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
// The group that owns a device file; empty when it cannot be told.
std::string deviceGroup(const std::string& path);
std::string errorText(int err);

// Asks the driver for low latency: every reply of this protocol is a few bytes, and a USB adapter
// that holds received bytes for its latency timer (16 ms by default on common adapters) costs a
// quarter of the line's speed. Empty when low latency is on; otherwise why not, for the debug output.
std::string requestLowLatency(int fd, const std::string& devicePath);

}  // namespace feld::portio
