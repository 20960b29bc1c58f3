// Linux: the serial driver's ASYNC_LOW_LATENCY flag, which the port's user may set. USB adapters
// whose drivers know it (ftdi_sio among them) drop their latency timer to 1 ms.
#include <linux/serial.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <cstring>

#include "link/serial/PortIo.h"

namespace feld::portio {

std::string requestLowLatency(int fd, const std::string& devicePath)
{
    serial_struct ss{};
    if (::ioctl(fd, TIOCGSERIAL, &ss) != 0)
        return "low-latency mode is not available on " + devicePath + " (" + std::strerror(errno) + ")";
    if (ss.flags & ASYNC_LOW_LATENCY)
        return {};
    ss.flags |= ASYNC_LOW_LATENCY;
    if (::ioctl(fd, TIOCSSERIAL, &ss) != 0)
        return "could not switch " + devicePath + " to low-latency mode (" + std::strerror(errno) +
               "): a USB adapter may hold every reply for its latency timer";
    return {};
}

}  // namespace feld::portio
