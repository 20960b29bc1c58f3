// POSIX: open without blocking, check the kind with fstat on the same descriptor, read to the end.
#include "base/LocalFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/Texts.h"

namespace feld {

namespace {

std::string kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return tk("file.kind.folder", "a folder");
    if (S_ISFIFO(mode))
        return tk("file.kind.fifo", "a FIFO");
    if (S_ISCHR(mode))
        return tk("file.kind.charDevice", "a character device");
    if (S_ISBLK(mode))
        return tk("file.kind.blockDevice", "a block device");
    if (S_ISSOCK(mode))
        return tk("file.kind.socket", "a socket");
    return tk("file.kind.other", "not an ordinary file");
}

}  // namespace

bool ReadLocalFile(const std::string& path, std::uint64_t maxBytes, LocalFile& out, std::string& why)
{
    out = LocalFile{};
    out.path = path;
    if (path.empty()) {
        why = tk("file.noName", "no file name given");
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
        why = formatText(tk("file.notSendable", "%s is %s, not a file that can be sent"), {path, kindOf(st.st_mode)});
        ::close(fd);
        return false;
    }
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        why = formatText(tk("file.tooBig", "%s is too big for the terminal (%lld bytes)"),
                         {path, static_cast<long long>(st.st_size)});
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
            why = formatText(tk("file.grows", "%s is not an ordinary file: it holds more than its size says (%lld bytes)"),
                             {path, static_cast<long long>(st.st_size)});
            ::close(fd);
            return false;
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (got != out.bytes.size()) {
        why = formatText(tk("file.changed", "%s changed while it was read"), {path});
        return false;
    }
    return true;
}

}  // namespace feld
