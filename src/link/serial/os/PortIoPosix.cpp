// POSIX: plain read, writev, tcflush and open on the device's descriptor.
#include "link/serial/PortIo.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace feld::portio {

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
        }
        return r;
    }
}

void discard(int fd, bool input, bool output)
{
    if (input || output)
        ::tcflush(fd, input && output ? TCIOFLUSH : input ? TCIFLUSH : TCOFLUSH);
}

void setNonBlocking(int fd)
{
    int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0 && !(flags & O_NONBLOCK))
        ::fcntl(fd, F_SETFL, flags | O_NONBLOCK);
}

int probeOpen(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    ::close(fd);
    return 0;
}

std::string deviceGroup(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    const group* g = ::getgrgid(st.st_gid);
    return g ? std::string(g->gr_name) : std::string();
}

std::string errorText(int err) { return std::strerror(err); }

}  // namespace feld::portio
