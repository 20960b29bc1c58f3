#include "sim/SimPty.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace feld::sim {

namespace {

speed_t speedFor(long baud)
{
    switch (baud) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    case 230400: return B230400;
    default: return 0;
    }
}

}  // namespace

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
