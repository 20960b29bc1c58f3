// POSIX: open without blocking, check the kind with fstat on the same descriptor, read to the end.
#include "base/LocalFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace feld {

namespace {

const char* kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISCHR(mode))
        return "a character device";
    if (S_ISBLK(mode))
        return "a block device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "not an ordinary file";
}

}  // namespace

bool ReadLocalFile(const std::string& path, std::uint64_t maxBytes, LocalFile& out, std::string& why)
{
    out = LocalFile{};
    out.path = path;
    if (path.empty()) {
        why = "no file name given";
        return false;
    }
    // O_NONBLOCK: a FIFO without a writer or a device must not hold the program up.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        why = path + ": " + std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        why = path + ": " + std::strerror(errno);
        ::close(fd);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        why = path + " is " + kindOf(st.st_mode) + ", not a file that can be sent";
        ::close(fd);
        return false;
    }
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        why = path + " is too big for the terminal (" + std::to_string(st.st_size) + " bytes)";
        ::close(fd);
        return false;
    }
    out.modified = static_cast<std::int64_t>(st.st_mtime);
    out.bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    for (;;) {
        // One byte more than the size says: a file that grows while it is read, or one whose size
        // the system does not know (those under /proc read as empty), is not sent half.
        std::uint8_t probe;
        std::uint8_t* at = got < out.bytes.size() ? out.bytes.data() + got : &probe;
        std::size_t room = got < out.bytes.size() ? out.bytes.size() - got : 1;
        ssize_t n = ::read(fd, at, room);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            why = path + ": " + std::strerror(errno);
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        if (got >= out.bytes.size()) {
            why = path + " is not an ordinary file: it holds more than its size says (" + std::to_string(st.st_size) +
                  " bytes)";
            ::close(fd);
            return false;
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (got != out.bytes.size()) {
        why = path + " changed while it was read";
        return false;
    }
    return true;
}

}  // namespace feld
