#pragma once
// The operating-system calls on a serial device, behind one small interface: a line object that
// opens the device with its line settings, reads what has come, writes without waiting, discards
// what the driver buffers and waits until it can be read or written or a wake-up event fires; and
// the questions asked about a device before opening it. One hook file per platform implements them
// (os/): descriptors and poll on POSIX, a handle with overlapped reads and writes on Windows.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "link/serial/SerialDevice.h"

namespace feld::os {
class WakeEvent;
}

namespace feld::portio {

// Result of a read or write: `bytes` moved (0 when the device had nothing or took nothing yet),
// `err` the system's error number when the call failed, `end` when a read met the end of the
// device (its other side went away). `line`: the line's error bits when the call failed (the
// error number where the system keeps no such bits).
struct IoResult {
    std::size_t bytes = 0;
    int err = 0;
    bool end = false;
    unsigned line = 0;
};

// What a wait saw. Without `ok` the wait itself failed (the system's error number in `err`).
struct WaitResult {
    bool ok = true;
    int err = 0;
    bool woken = false;     // the wake-up event was signalled
    bool readable = false;  // a read now gives bytes, the end of the device or its error
    bool writable = false;  // the device takes more bytes
    bool hangup = false;    // the device reported a hang-up or an error
};

// Why an open failed: `busy` when another program holds the device; else `err` the system's error
// number when it gave one, and `why` the system's or the port class's words.
struct OpenResult {
    bool ok = false;
    bool busy = false;
    int err = 0;
    std::string why;
    std::string note;  // after an open: what could not be tuned, for the debug output
};

// One serial device. open, close, read and wait belong to one thread (the port's I/O thread);
// write and discard may come from other threads too, one at a time (the caller holds a lock), while
// that thread reads or waits.
class SerialLine {
public:
    SerialLine();
    ~SerialLine();
    SerialLine(const SerialLine&) = delete;
    SerialLine& operator=(const SerialLine&) = delete;

    // Opens `device` for reading and writing with the line settings of `line` (baud rate, data
    // bits, parity, stop bits; no flow control). A pseudo-terminal refuses some of them (it has
    // no modem lines): that does not make the open fail.
    OpenResult open(const std::string& device, const TtyInfo& line);
    void close();
    bool isOpen() const;
    // What has come, without waiting.
    IoResult read(std::uint8_t* buffer, std::size_t size);
    // Writes the pieces in order, skipping their first `skip` bytes (already written), without
    // waiting; what it reports written is on its way out.
    IoResult write(const WritePiece* pieces, std::size_t count, std::size_t skip);
    // Throws away the bytes the driver holds in either direction.
    void discard(bool input, bool output);
    // Waits until the device can be read (`readable`) or written (`writable`), `wake` is signalled,
    // or `timeoutNs` passed (negative: no time limit). A closed line waits for `wake` alone.
    WaitResult wait(bool readable, bool writable, const os::WakeEvent& wake, std::int64_t timeoutNs);

private:
    struct State;
    std::unique_ptr<State> s_;
};

// 0 when the device can be opened for reading and writing now; else the system's error number.
int probeOpen(const std::string& path);
// The device a path names in the end (links such as /dev/serial/by-id/... followed; "com5" is
// COM5), so that one device has one name to lock; the path itself when it cannot be resolved.
std::string canonicalDevicePath(const std::string& path);
std::string errorText(int err);
// The error number a failed system call stands for when nothing more is known.
int ioFailure();

// POSIX only, for the hint of a refused open. Who may open a device file, as far as the hint
// needs to know.
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

// POSIX only. Asks the driver for low latency: every reply of this protocol is a few bytes, and a
// USB adapter that holds received bytes for its latency timer (16 ms by default on common adapters)
// costs a quarter of the line's speed. Empty when low latency is on; otherwise why not, for the
// debug output.
std::string requestLowLatency(int fd, const std::string& devicePath);

}  // namespace feld::portio
