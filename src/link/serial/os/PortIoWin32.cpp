// Windows: the COM port's handle opened for overlapped I/O. One read of a single byte is kept
// pending: it ends as soon as a byte is there (or after a span without one, when it is issued
// again), and what else has come by then (ClearCommError counts it) is read at once behind it. So
// the I/O thread sleeps in WaitForMultipleObjects on that read's event, the pending write's event
// and the wake-up event, and wakes when there is something to do. (The time-outs that should end
// a longer read at its first byte, MAXDWORD/MAXDWORD/n, leave it pending for good under Wine.)
// Writes are copied into a buffer of the line's and handed to one overlapped WriteFile at a time.
#include "link/serial/PortIo.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/OsWait.h"
#include "base/Texts.h"
#include "base/os/Utf16Win32.h"
#include "link/serial/os/ComPortsWin32.h"

namespace feld::portio {

namespace {

// A read that has seen no byte ends after this long and is issued again; and the read of what has
// come behind the first byte ends after this long at the latest.
constexpr DWORD kReadSpanMs = 500;
constexpr std::size_t kReadBuffer = 4096;
// The most one WriteFile takes; a longer write goes out in several.
constexpr std::size_t kWriteChunk = 65536;
// A read that ends at once without a byte (Wine does that at times) sets no event to wait for:
// the next one is issued after this long.
constexpr DWORD kReadAgainMs = 20;
// How long closing waits for a cancelled read or write to end.
constexpr DWORD kCancelWaitMs = 1000;

// The name CreateFileW opens: "\\.\COM5" for "COM5" (COM10 and above need the prefix).
std::wstring systemName(const std::string& device)
{
    if (device.rfind("\\\\", 0) == 0)
        return os::Utf16(device);
    return L"\\\\.\\" + os::Utf16(device);
}

HANDLE openHandle(const std::string& device)
{
    return ::CreateFileW(systemName(device).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED,
                         nullptr);
}

// The line's error bits (CE_FRAME, CE_OVERRUN, ...), cleared for the next transfer.
unsigned takeLineErrors(HANDLE h)
{
    DWORD errors = 0;
    COMSTAT status{};
    return ::ClearCommError(h, &errors, &status) ? static_cast<unsigned>(errors) : 0;
}

bool spanEnded(DWORD e) { return e == ERROR_TIMEOUT || e == WAIT_TIMEOUT || e == ERROR_SEM_TIMEOUT; }

char parityLetter(BYTE parity) { return parity == ODDPARITY ? 'O' : parity == EVENPARITY ? 'E' : 'N'; }

}  // namespace

struct SerialLine::State {
    HANDLE h = INVALID_HANDLE_VALUE;

    // Reading (the I/O thread's): one pending read, what it brought, or how it failed.
    OVERLAPPED readOv{};
    HANDLE readEvent = nullptr;
    bool readPending = false;
    std::uint8_t readBuf[kReadBuffer];
    std::size_t readHave = 0;
    std::size_t readAt = 0;
    DWORD readErr = 0;

    // Writing (under the caller's lock): one pending write of the bytes in writeBuf. Its event is
    // signalled whenever no write is pending, so that a wait for room returns at once then.
    OVERLAPPED writeOv{};
    HANDLE writeEvent = nullptr;
    bool writePending = false;
    std::vector<std::uint8_t> writeBuf;

    bool readReady() const { return readAt < readHave || readErr != 0; }

    // Collects the pending read if it ended; false while it is still on its way.
    bool collectRead()
    {
        DWORD n = 0;
        if (!::GetOverlappedResult(h, &readOv, &n, FALSE)) {
            const DWORD e = ::GetLastError();
            if (e == ERROR_IO_INCOMPLETE)
                return false;
            readPending = false;
            // A purge of the input ends a pending read, and so does its span without a byte (Wine
            // reports that as a time-out, Windows as a read of nothing): no fault of the device.
            if (e != ERROR_OPERATION_ABORTED && !spanEnded(e))
                readErr = e;
            return true;
        }
        readPending = false;
        readHave = n;
        readAt = 0;
        if (n == 1)
            readQueued();
        return true;
    }

    // What came with or after the first byte, read behind it: the driver holds it, so the read
    // ends at once.
    void readQueued()
    {
        DWORD errors = 0;
        COMSTAT status{};
        if (!::ClearCommError(h, &errors, &status) || status.cbInQue == 0)
            return;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(status.cbInQue, kReadBuffer - readHave));
        ::ResetEvent(readEvent);
        std::memset(&readOv, 0, sizeof readOv);
        readOv.hEvent = readEvent;
        DWORD n = 0;
        if (!::ReadFile(h, readBuf + readHave, want, nullptr, &readOv) && ::GetLastError() != ERROR_IO_PENDING)
            return;
        if (::GetOverlappedResult(h, &readOv, &n, TRUE))
            readHave += n;
    }

    void startRead()
    {
        readHave = readAt = 0;
        ::ResetEvent(readEvent);
        std::memset(&readOv, 0, sizeof readOv);
        readOv.hEvent = readEvent;
        if (::ReadFile(h, readBuf, 1, nullptr, &readOv)) {
            readPending = true;
            collectRead();
            return;
        }
        const DWORD e = ::GetLastError();
        if (e == ERROR_IO_PENDING)
            readPending = true;
        else
            readErr = e;
    }

    // Waits a little for a cancelled operation to end, so that its buffer is no longer the system's.
    void settle(OVERLAPPED& ov, HANDLE event, bool& pending)
    {
        if (!pending)
            return;
        ::WaitForSingleObject(event, kCancelWaitMs);
        DWORD n = 0;
        ::GetOverlappedResult(h, &ov, &n, FALSE);
        pending = false;
    }
};

SerialLine::SerialLine() : s_(std::make_unique<State>())
{
    s_->readEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    s_->writeEvent = ::CreateEventW(nullptr, TRUE, TRUE, nullptr);
}

SerialLine::~SerialLine()
{
    close();
    if (s_->readEvent)
        ::CloseHandle(s_->readEvent);
    if (s_->writeEvent)
        ::CloseHandle(s_->writeEvent);
}

OpenResult SerialLine::open(const std::string& device, const TtyInfo& info)
{
    OpenResult out;
    close();
    if (!s_->readEvent || !s_->writeEvent) {
        out.err = ERROR_NOT_ENOUGH_MEMORY;
        out.why = os::ErrorText(ERROR_NOT_ENOUGH_MEMORY);
        return out;
    }
    HANDLE h = openHandle(device);
    if (h == INVALID_HANDLE_VALUE) {
        out.err = static_cast<int>(::GetLastError());
        out.why = os::ErrorText(static_cast<DWORD>(out.err));
        return out;
    }
    // The line: rate, character format, no flow control of either kind, DTR and RTS raised.
    DCB want{};
    want.DCBlength = sizeof want;
    const bool known = ::GetCommState(h, &want);
    want.BaudRate = static_cast<DWORD>(info.baudRate > 0 ? info.baudRate : 115200);
    want.ByteSize = static_cast<BYTE>(info.dataBits >= 5 && info.dataBits <= 8 ? info.dataBits : 8);
    want.Parity = info.parity == 1 ? ODDPARITY : info.parity == 2 ? EVENPARITY : NOPARITY;
    want.StopBits = info.stopBits == 2 ? TWOSTOPBITS : ONESTOPBIT;
    want.fBinary = TRUE;
    want.fParity = want.Parity != NOPARITY;
    want.fOutxCtsFlow = FALSE;
    want.fOutxDsrFlow = FALSE;
    want.fDtrControl = DTR_CONTROL_ENABLE;
    want.fDsrSensitivity = FALSE;
    want.fOutX = FALSE;
    want.fInX = FALSE;
    want.fErrorChar = FALSE;
    want.fNull = FALSE;
    want.fRtsControl = RTS_CONTROL_ENABLE;
    want.fAbortOnError = FALSE;
    if (!known || !::SetCommState(h, &want)) {
        const DWORD e = ::GetLastError();
        // A port without modem lines (a pseudo-terminal behind Wine) refuses DTR and RTS: what
        // matters is that the rate and the character format took.
        DCB now{};
        now.DCBlength = sizeof now;
        const bool took = ::GetCommState(h, &now) && now.BaudRate == want.BaudRate && now.ByteSize == want.ByteSize &&
                          now.Parity == want.Parity && now.StopBits == want.StopBits;
        if (!took) {
            char line[48];
            std::snprintf(line, sizeof line, "%lu %u%c%u", static_cast<unsigned long>(want.BaudRate), unsigned(want.ByteSize),
                          parityLetter(want.Parity), want.StopBits == TWOSTOPBITS ? 2u : 1u);
            out.err = 0;
            out.why = formatText(tk("link.lineNotSet", "the line cannot be set to %s (%s)"), {std::string(line), os::ErrorText(e)});
            ::CloseHandle(h);
            return out;
        }
        out.note = "the modem lines of " + info.devicePath + " cannot be set (" + os::ErrorText(e) + ")";
    }
    // A read ends when it has all it asked for, or after kReadSpanMs; writes take as long as the
    // line needs (the link keeps its own write time-out).
    COMMTIMEOUTS t{};
    t.ReadIntervalTimeout = 0;
    t.ReadTotalTimeoutMultiplier = 0;
    t.ReadTotalTimeoutConstant = kReadSpanMs;
    t.WriteTotalTimeoutMultiplier = 0;
    t.WriteTotalTimeoutConstant = 0;
    if (!::SetCommTimeouts(h, &t)) {
        out.err = static_cast<int>(::GetLastError());
        out.why = os::ErrorText(static_cast<DWORD>(out.err));
        ::CloseHandle(h);
        return out;
    }
    takeLineErrors(h);
    s_->h = h;
    s_->readPending = false;
    s_->readHave = s_->readAt = 0;
    s_->readErr = 0;
    s_->writePending = false;
    ::SetEvent(s_->writeEvent);
    out.ok = true;
    return out;
}

void SerialLine::close()
{
    State& s = *s_;
    if (s.h == INVALID_HANDLE_VALUE)
        return;
    ::PurgeComm(s.h, PURGE_RXABORT | PURGE_RXCLEAR | PURGE_TXABORT | PURGE_TXCLEAR);
    ::CancelIoEx(s.h, nullptr);
    s.settle(s.readOv, s.readEvent, s.readPending);
    s.settle(s.writeOv, s.writeEvent, s.writePending);
    ::CloseHandle(s.h);
    s.h = INVALID_HANDLE_VALUE;
    s.readHave = s.readAt = 0;
    s.readErr = 0;
    ::SetEvent(s.writeEvent);
}

bool SerialLine::isOpen() const { return s_->h != INVALID_HANDLE_VALUE; }

IoResult SerialLine::read(std::uint8_t* buffer, std::size_t size)
{
    State& s = *s_;
    IoResult r;
    if (s.h == INVALID_HANDLE_VALUE) {
        r.err = ERROR_INVALID_HANDLE;
        return r;
    }
    bool issued = false;
    for (;;) {
        if (s.readAt < s.readHave) {
            const std::size_t n = std::min(size, s.readHave - s.readAt);
            std::memcpy(buffer, s.readBuf + s.readAt, n);
            s.readAt += n;
            r.bytes = n;
            return r;
        }
        if (s.readErr != 0) {
            r.err = static_cast<int>(s.readErr);
            r.line = takeLineErrors(s.h);
            s.readErr = 0;
            return r;
        }
        if (s.readPending) {
            if (!s.collectRead())
                return r;  // nothing yet
            if (s.readReady())
                continue;
        }
        // No read on its way (or one that ended without a byte): ask again, once.
        if (issued)
            return r;
        s.startRead();
        issued = true;
    }
}

IoResult SerialLine::write(const WritePiece* pieces, std::size_t count, std::size_t skip)
{
    State& s = *s_;
    IoResult r;
    if (s.h == INVALID_HANDLE_VALUE) {
        r.err = ERROR_INVALID_HANDLE;
        return r;
    }
    if (s.writePending) {
        DWORD n = 0;
        if (!::GetOverlappedResult(s.h, &s.writeOv, &n, FALSE)) {
            const DWORD e = ::GetLastError();
            if (e == ERROR_IO_INCOMPLETE)
                return r;  // the driver is still busy with the last write
            s.writePending = false;
            ::SetEvent(s.writeEvent);
            // A purge of the output (the write time-out) ends a pending write: no fault of the line.
            if (e != ERROR_OPERATION_ABORTED) {
                r.err = static_cast<int>(e);
                r.line = takeLineErrors(s.h);
                return r;
            }
        }
        s.writePending = false;
    }
    s.writeBuf.clear();
    for (std::size_t i = 0; i < count && s.writeBuf.size() < kWriteChunk; ++i) {
        std::size_t size = pieces[i].size;
        if (skip >= size) {
            skip -= size;
            continue;
        }
        const std::size_t take = std::min(size - skip, kWriteChunk - s.writeBuf.size());
        s.writeBuf.insert(s.writeBuf.end(), pieces[i].data + skip, pieces[i].data + skip + take);
        skip = 0;
    }
    if (s.writeBuf.empty())
        return r;
    const DWORD size = static_cast<DWORD>(s.writeBuf.size());
    ::ResetEvent(s.writeEvent);
    std::memset(&s.writeOv, 0, sizeof s.writeOv);
    s.writeOv.hEvent = s.writeEvent;
    if (::WriteFile(s.h, s.writeBuf.data(), size, nullptr, &s.writeOv)) {
        DWORD n = 0;
        ::GetOverlappedResult(s.h, &s.writeOv, &n, FALSE);
        ::SetEvent(s.writeEvent);
        r.bytes = n;
        return r;
    }
    const DWORD e = ::GetLastError();
    if (e == ERROR_IO_PENDING) {
        // The bytes are the driver's now, on their way out as the line takes them.
        s.writePending = true;
        r.bytes = size;
        return r;
    }
    ::SetEvent(s.writeEvent);
    r.err = static_cast<int>(e);
    r.line = takeLineErrors(s.h);
    return r;
}

void SerialLine::discard(bool input, bool output)
{
    if (s_->h == INVALID_HANDLE_VALUE)
        return;
    DWORD flags = (input ? PURGE_RXABORT | PURGE_RXCLEAR : 0) | (output ? PURGE_TXABORT | PURGE_TXCLEAR : 0);
    if (flags)
        ::PurgeComm(s_->h, flags);
}

WaitResult SerialLine::wait(bool readable, bool writable, const os::WakeEvent& wake, std::int64_t timeoutNs)
{
    State& s = *s_;
    WaitResult out;
    const bool open = s.h != INVALID_HANDLE_VALUE;
    readable = readable && open;
    writable = writable && open;
    const std::int64_t deadline = timeoutNs < 0 ? -1 : os::monotonicNs() + timeoutNs;
    for (;;) {
        HANDLE handles[3];
        DWORD n = 0;
        handles[n++] = static_cast<HANDLE>(wake.handle());
        bool ready = false;
        bool askAgain = false;
        if (readable) {
            if (!s.readReady() && !s.readPending)
                s.startRead();
            ready = s.readReady();
            if (!ready && s.readPending)
                handles[n++] = s.readEvent;
            else if (!ready)
                askAgain = true;  // the read ended at once without a byte: no event will come for it
        }
        if (writable)
            handles[n++] = s.writeEvent;
        DWORD ms = INFINITE;
        if (ready) {
            ms = 0;
        } else if (deadline >= 0) {
            const std::int64_t left = deadline - os::monotonicNs();
            ms = left <= 0 ? 0 : static_cast<DWORD>(std::min<std::int64_t>((left + 999'999) / 1'000'000, 1 << 30));
        }
        if (askAgain)
            ms = std::min(ms, kReadAgainMs);
        const DWORD r = ::WaitForMultipleObjects(n, handles, FALSE, ms);
        if (r == WAIT_FAILED) {
            out.ok = false;
            out.err = static_cast<int>(::GetLastError());
            return out;
        }
        // Every handle that is signalled now, not only the first.
        out.woken = ::WaitForSingleObject(handles[0], 0) == WAIT_OBJECT_0;
        out.writable = writable && ::WaitForSingleObject(s.writeEvent, 0) == WAIT_OBJECT_0;
        if (readable && s.readPending && ::WaitForSingleObject(s.readEvent, 0) == WAIT_OBJECT_0)
            s.collectRead();
        out.readable = readable && s.readReady();
        if (out.readable || out.woken || out.writable)
            return out;
        if (r == WAIT_TIMEOUT && deadline >= 0 && os::monotonicNs() >= deadline)
            return out;
        // The read's span ended without a byte, or the caller's time is not up yet: the next read
        // is issued above.
    }
}

int probeOpen(const std::string& path)
{
    HANDLE h = openHandle(path);
    if (h == INVALID_HANDLE_VALUE)
        return static_cast<int>(::GetLastError());
    ::CloseHandle(h);
    return 0;
}

std::string canonicalDevicePath(const std::string& path)
{
    std::string name = path.rfind("\\\\.\\", 0) == 0 ? path.substr(4) : path;
    if (int n = os::ComNumber(name))
        return "COM" + std::to_string(n);
    return path;
}

std::string errorText(int err) { return os::ErrorText(static_cast<DWORD>(err)); }

int ioFailure() { return ERROR_GEN_FAILURE; }

}  // namespace feld::portio
