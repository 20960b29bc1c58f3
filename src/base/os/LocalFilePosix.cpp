// POSIX: open without blocking, check the kind with fstat on the same descriptor, read to the end.
#include "base/LocalFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/SafeFile.h"
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

// What openOrdinary gives for a path that opens but is no ordinary file (`st` says what it is).
constexpr int kNotOrdinary = -2;

// Opens `path` for reading without blocking and only when it is an ordinary file: the descriptor,
// -1 with the reason in `why`, or kNotOrdinary.
int openOrdinary(const std::string& path, struct stat& st, std::string& why)
{
    if (path.empty()) {
        why = tk("file.noName", "no file name given");
        return -1;
    }
    // O_NONBLOCK: a FIFO without a writer or a device must not hold the program up.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        why = path + ": " + std::strerror(errno);
        return -1;
    }
    if (::fstat(fd, &st) != 0) {
        why = path + ": " + std::strerror(errno);
        ::close(fd);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return kNotOrdinary;
    }
    return fd;
}

}  // namespace

bool ReadLocalFile(const std::string& path, std::uint64_t maxBytes, LocalFile& out, std::string& why)
{
    out = LocalFile{};
    out.path = path;
    struct stat st {};
    int fd = openOrdinary(path, st, why);
    if (fd == kNotOrdinary)
        why = formatText(tk("file.notSendable", "%s is %s, not a file that can be sent"), {path, kindOf(st.st_mode)});
    if (fd < 0)
        return false;
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
    // A file written to while it was read (same size, new bytes) is no file as of one moment: its
    // time would name bytes that were never sent together.
    struct stat after {};
    const bool rewritten = ::fstat(fd, &after) != 0 || after.st_mtim.tv_sec != st.st_mtim.tv_sec ||
                           after.st_mtim.tv_nsec != st.st_mtim.tv_nsec || after.st_size != st.st_size;
    ::close(fd);
    if (got != out.bytes.size() || rewritten) {
        why = formatText(tk("file.changed", "%s changed while it was read"), {path});
        return false;
    }
    return true;
}

std::string CopyableFileProblem(const std::string& path)
{
    struct stat st {};
    std::string why;
    int fd = openOrdinary(path, st, why);
    if (fd == kNotOrdinary)
        return formatText(tk("file.notCopyable", "%s is %s, not a file that can be copied"), {path, kindOf(st.st_mode)});
    if (fd >= 0)
        ::close(fd);
    return why;
}

bool CopyLocalFile(const std::string& from, const std::string& to, std::string& why)
{
    struct stat st {};
    int fd = openOrdinary(from, st, why);
    if (fd == kNotOrdinary)
        why = formatText(tk("file.notCopyable", "%s is %s, not a file that can be copied"), {from, kindOf(st.st_mode)});
    if (fd < 0)
        return false;
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    SafeFileWriter writer;
    if (!writer.Open(to)) {
        why = writer.Error();
        ::close(fd);
        return false;
    }
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            why = from + ": " + std::strerror(errno);
            ::close(fd);
            return false;  // the writer throws its temporary away
        }
        if (n == 0)
            break;
        if (!writer.Write(buf, static_cast<std::size_t>(n))) {
            why = writer.Error();
            ::close(fd);
            return false;
        }
    }
    ::close(fd);
    if (!writer.Commit()) {
        why = writer.Error();
        return false;
    }
    return true;
}

}  // namespace feld
