#include "sim/SimPty.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace feld::sim {

namespace {

struct Rate {
    long baud;
    speed_t speed;
};
constexpr Rate kRates[] = {{1200, B1200},   {2400, B2400},   {4800, B4800},     {9600, B9600},    {19200, B19200},
                           {38400, B38400}, {57600, B57600}, {115200, B115200}, {230400, B230400}};

speed_t speedFor(long baud)
{
    for (const Rate& r : kRates)
        if (r.baud == baud)
            return r.speed;
    return 0;
}

}  // namespace

bool lineSettings(int fd, long& baud, int& stopBits)
{
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return false;
    const speed_t speed = cfgetospeed(&t);
    for (const Rate& r : kRates)
        if (r.speed == speed) {
            baud = r.baud;
            stopBits = (t.c_cflag & CSTOPB) ? 2 : 1;
            return true;
        }
    return false;
}

bool makeRaw(int fd, long baud)
{
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return false;
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    if (speed_t s = speedFor(baud)) {
        cfsetispeed(&t, s);
        cfsetospeed(&t, s);
    }
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

SimPty::~SimPty() { close(); }

void SimPty::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (slaveFd_ >= 0)
        ::close(slaveFd_);
    fd_ = slaveFd_ = -1;
}

bool SimPty::openPty()
{
    close();
    int m = posix_openpt(O_RDWR | O_NOCTTY);
    if (m < 0 || grantpt(m) != 0 || unlockpt(m) != 0) {
        error_ = std::string("cannot open a pseudo-terminal: ") + std::strerror(errno);
        if (m >= 0)
            ::close(m);
        return false;
    }
    char name[128];
    if (ptsname_r(m, name, sizeof name) != 0) {
        error_ = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
        ::close(m);
        return false;
    }
    int s = ::open(name, O_RDWR | O_NOCTTY);
    if (s < 0) {
        error_ = std::string("cannot open ") + name + ": " + std::strerror(errno);
        ::close(m);
        return false;
    }
    // The termios settings belong to the slave side; the master carries the bytes unchanged then.
    makeRaw(s, 0);
    makeRaw(m, 0);
    fcntl(m, F_SETFL, fcntl(m, F_GETFL) | O_NONBLOCK);
    fcntl(m, F_SETFD, FD_CLOEXEC);
    fcntl(s, F_SETFD, FD_CLOEXEC);
    fd_ = m;
    slaveFd_ = s;
    path_ = name;
    return true;
}

bool SimPty::openDevice(const std::string& path, long baud)
{
    close();
    int d = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (d < 0) {
        error_ = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    if (!makeRaw(d, baud) && errno != ENOTTY) {
        error_ = "cannot set raw mode on " + path + ": " + std::strerror(errno);
        ::close(d);
        return false;
    }
    fd_ = d;
    path_ = path;
    return true;
}

}  // namespace feld::sim
