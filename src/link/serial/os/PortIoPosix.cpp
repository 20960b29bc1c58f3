// POSIX: QSerialPort opens and configures the device; then plain read, writev, tcflush and poll on
// its descriptor. The device file's canonical name, owner group and mode.
#include "link/serial/PortIo.h"

#include <QSerialPort>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/OsWait.h"
#include "base/Texts.h"

namespace feld::portio {

namespace {

IoResult readSome(int fd, std::uint8_t* buffer, std::size_t size)
{
    IoResult r;
    for (;;) {
        ssize_t n = ::read(fd, buffer, size);
        if (n > 0) {
            r.bytes = static_cast<std::size_t>(n);
        } else if (n == 0) {
            r.end = true;
        } else if (errno == EINTR) {
            continue;
        } else if (errno != EAGAIN && errno != EWOULDBLOCK) {
            r.err = errno;
            r.line = static_cast<unsigned>(errno);
        }
        return r;
    }
}

IoResult writeSome(int fd, const WritePiece* pieces, std::size_t count, std::size_t skip)
{
    IoResult r;
    iovec iov[8];
    int n = 0;
    for (std::size_t i = 0; i < count && n < 8; ++i) {
        std::size_t size = pieces[i].size;
        if (skip >= size) {
            skip -= size;
            continue;
        }
        iov[n].iov_base = const_cast<std::uint8_t*>(pieces[i].data) + skip;
        iov[n].iov_len = size - skip;
        skip = 0;
        ++n;
    }
    if (n == 0)
        return r;
    for (;;) {
        ssize_t w = ::writev(fd, iov, n);
        if (w >= 0) {
            r.bytes = static_cast<std::size_t>(w);
        } else if (errno == EINTR) {
            continue;
        } else if (errno != EAGAIN && errno != EWOULDBLOCK) {
            r.err = errno;
            r.line = static_cast<unsigned>(errno);
        }
        return r;
    }
}

void setNonBlocking(int fd)
{
    int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0 && !(flags & O_NONBLOCK))
        ::fcntl(fd, F_SETFL, flags | O_NONBLOCK);
}

}  // namespace

struct SerialLine::State {
    QSerialPort* port = nullptr;
    int fd = -1;
};

SerialLine::SerialLine() : s_(std::make_unique<State>()) {}

SerialLine::~SerialLine() { close(); }

OpenResult SerialLine::open(const std::string& device, const TtyInfo& info)
{
    OpenResult out;
    close();
    auto* port = new QSerialPort;
    port->setPortName(QString::fromStdString(device));
    if (!port->open(QIODevice::ReadWrite)) {
        QSerialPort::SerialPortError e = port->error();
        out.why = port->errorString().toStdString();
        out.busy = e == QSerialPort::PermissionError;
        out.err = e == QSerialPort::DeviceNotFoundError ? ENOENT : 0;
        delete port;
        return out;
    }
    // A pseudo-terminal refuses some of these (no modem lines); that does not matter to it.
    port->setBaudRate(info.baudRate > 0 ? info.baudRate : 115200);
    port->setDataBits(info.dataBits == 7   ? QSerialPort::Data7
                      : info.dataBits == 6 ? QSerialPort::Data6
                      : info.dataBits == 5 ? QSerialPort::Data5
                                           : QSerialPort::Data8);
    port->setParity(info.parity == 1 ? QSerialPort::OddParity : info.parity == 2 ? QSerialPort::EvenParity : QSerialPort::NoParity);
    port->setStopBits(info.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    port->clearError();
    const int fd = static_cast<int>(port->handle());
    setNonBlocking(fd);
    out.note = requestLowLatency(fd, info.devicePath);
    s_->port = port;
    s_->fd = fd;
    out.ok = true;
    return out;
}

void SerialLine::close()
{
    if (!s_->port)
        return;
    QSerialPort* p = s_->port;
    s_->port = nullptr;
    s_->fd = -1;
    p->close();
    delete p;
}

bool SerialLine::isOpen() const { return s_->fd >= 0; }

IoResult SerialLine::read(std::uint8_t* buffer, std::size_t size) { return readSome(s_->fd, buffer, size); }

IoResult SerialLine::write(const WritePiece* pieces, std::size_t count, std::size_t skip)
{
    return writeSome(s_->fd, pieces, count, skip);
}

void SerialLine::discard(bool input, bool output)
{
    if (s_->fd >= 0 && (input || output))
        ::tcflush(s_->fd, input && output ? TCIOFLUSH : input ? TCIFLUSH : TCOFLUSH);
}

WaitResult SerialLine::wait(bool readable, bool writable, const os::WakeEvent& wake, std::int64_t timeoutNs)
{
    WaitResult out;
    const short events = static_cast<short>((readable ? POLLIN : 0) | (writable ? POLLOUT : 0));
    os::PollResult r = os::waitDescriptor(events && s_->fd >= 0 ? s_->fd : -1, events, wake, timeoutNs);
    out.ok = r.ok;
    out.err = r.err;
    out.woken = r.woken;
    out.readable = (r.revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) != 0;
    out.writable = (r.revents & POLLOUT) != 0;
    out.hangup = (r.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
    return out;
}

int probeOpen(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    ::close(fd);
    return 0;
}

std::string canonicalDevicePath(const std::string& path)
{
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return path;
    std::string out(resolved);
    std::free(resolved);
    return out;
}

DeviceAccess deviceAccess(const std::string& path)
{
    DeviceAccess a;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return a;
    a.known = true;
    a.groupId = st.st_gid;
    a.groupReadWrite = (st.st_mode & S_IRGRP) && (st.st_mode & S_IWGRP);
    // getgrgid_r: the port code may run on more than one thread.
    group g {};
    group* found = nullptr;
    std::vector<char> buf(16384);
    if (::getgrgid_r(st.st_gid, &g, buf.data(), buf.size(), &found) == 0 && found)
        a.groupName = found->gr_name;
    return a;
}

std::string permissionHint(const DeviceAccess& access, const UsbId* usb)
{
    if (access.known && access.groupReadWrite && access.groupId != 0 && !access.groupName.empty()) {
        const std::string& g = access.groupName;
        return formatText(tk("link.access.joinGroup", "add your user to the group that owns it (%s), e.g. \"sudo usermod -aG "
                                                       "%s $USER\", then log in again"),
                          {g, g});
    }
    // Joining the device's group would not help (or cannot be named): a udev rule has to give it one.
    std::string why;
    if (access.known && access.groupId == 0)
        why = tk("link.access.root", "its group is root; ");
    else if (access.known && access.groupName.empty())
        why = formatText(tk("link.access.noName", "its group %u has no name; "), {access.groupId});
    else if (access.known)
        why = formatText(tk("link.access.noReadWrite", "its group (%s) may not read and write it; "), {access.groupName});
    char ids[80];
    if (usb)
        std::snprintf(ids, sizeof ids, "ATTRS{idVendor}==\"%04x\", ATTRS{idProduct}==\"%04x\"", usb->vendor, usb->product);
    else
        std::snprintf(ids, sizeof ids, "ATTRS{idVendor}==\"VVVV\", ATTRS{idProduct}==\"PPPP\"");
    return why + formatText(tk("link.access.udev", "add a udev rule that gives your group access to this device, e.g. "
                                                   "SUBSYSTEM==\"tty\", %s, GROUP=\"dialout\", MODE=\"0660\" in "
                                                   "/etc/udev/rules.d/50-feldspan.rules%s, then plug the device in again "
                                                   "(and be in that group)"),
                            {ids, usb ? std::string() : tk("link.access.lsusb", " (VVVV:PPPP as lsusb shows the device)")});
}

std::string errorText(int err) { return std::strerror(err); }

int ioFailure() { return EIO; }

}  // namespace feld::portio
