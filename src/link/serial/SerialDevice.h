#pragma once
// The port library's side of the link: one serial or USB serial device, opened and written by the
// link, delivering every received byte to a hook from its own reader thread. CSerialCom is the real
// device; tests put scripted devices in its place.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "base/PortSettings.h"

namespace feld {

// How the device is reached.
enum class DeviceKind {
    Com = 0,         // a serial port
    UsbBlock = 1,    // a USB device written through WriteCommBlock_USB
    UsbCom = 2,      // a USB device that presents itself as a serial port
};

// The record the port keeps for the open device.
struct TtyInfo {
    DeviceKind kind = DeviceKind::Com;
    int portNumber = 1;           // serial port number (SerialPort)
    std::string devicePath;       // the device actually opened, e.g. "/dev/ttyUSB0" or "/dev/pts/3"
    int connectEnabled = 1;       // 0 forbids opening
    int reportLineErrors = 0;     // show "<CE-%u>" on line errors
    int dataBits = 8;
    int parity = 0;               // 0 none, 1 odd, 2 even
    int stopBits = 0;             // stop-bit code: 0 and 1 one stop bit, 2 two
    int baudRate = 115200;
    int selPort = 1;
};

// Results of a write.
constexpr int kWriteOk = 1;
constexpr int kWriteFailed = 0;
constexpr int kWriteTimedOut = 1000;

// One piece of a batched write.
struct WritePiece {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

class SerialDevice {
public:
    using ReceiveHook = std::function<void(const std::uint8_t* data, int count)>;
    // Activity icon code during a long write: 1-4 while waiting, 0 at the end.
    using ActivityHook = std::function<void(int code)>;
    // How many more bytes the link's reader is waiting for (0: nobody waits). On a line that runs at
    // its nominal rate the reader thread may sleep until about that many bytes can have come.
    using GatherHint = std::function<std::size_t()>;

    virtual ~SerialDevice() = default;

    // Called from the reader thread with every received byte, in order. Set before opening.
    virtual void SetReceiveHook(ReceiveHook hook) = 0;
    virtual void SetActivityHook(ActivityHook hook) = 0;
    virtual void SetGatherHint(GatherHint) {}

    virtual void SetPortSerial() = 0;
    // 1 when a USB terminal was found and selected.
    virtual int SetPortUSB() = 0;
    // Non-zero: the device is open and the reader runs.
    virtual int OpenConnection() = 0;
    // Safe when already closed.
    virtual void CloseConnection() = 0;
    // Non-zero while the USB device is attached and open.
    virtual int IsConnectToUSB() = 0;
    virtual bool IsOpenHandle() const = 0;

    // Writes the pieces in order; stops at the first piece that fails. 1, 0, or 1000 (time-out).
    // With `animate`, a write that has to wait reports activity codes 1-4 through the hook.
    virtual int WritePieces(const WritePiece* pieces, std::size_t count, bool animate) = 0;
    // Hands the pieces over for writing and returns without waiting for them to go out: 1 when
    // they were taken (the device is open), else 0. A later write goes out after them. Used where
    // the next step waits for the other side's answer anyway, which a lost write cannot give.
    virtual int PostPieces(const WritePiece* pieces, std::size_t count, bool animate) { return WritePieces(pieces, count, animate); }
    // The line-error bits of the last failed write (0 when none).
    virtual unsigned LineErrors() const { return 0; }
    // Discards pending input and output.
    virtual void Purge() = 0;

    virtual TtyInfo& Info() = 0;
    const TtyInfo& Info() const { return const_cast<SerialDevice*>(this)->Info(); }
    // Non-zero when the USB device presents itself as a serial port with that number.
    virtual int UsbComNumber() const = 0;
    // The cradle's firmware version in tenths (0 when unknown).
    virtual int CradleVersion() const = 0;
    // The reason of the last failure, in words; empty when none.
    virtual std::string LastError() const = 0;
    // What the last open could not tune (for instance a driver without low-latency mode), for the
    // debug output; empty when nothing is worth saying.
    virtual std::string OpenNote() const { return {}; }
};

}  // namespace feld
