// POSIX: stat and lstat, unlink, access, isatty, /proc/self/exe.
#include "base/PcFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace feld {

PathStatus StatPath(const std::string& path, bool followLinks)
{
    struct stat st {};
    if ((followLinks ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st)) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {PathKind::Missing, {}};
        return {PathKind::Unknown, std::strerror(errno)};
    }
    if (S_ISREG(st.st_mode))
        return {PathKind::File, {}};
    if (S_ISDIR(st.st_mode))
        return {PathKind::Folder, {}};
    if (S_ISLNK(st.st_mode))
        return {PathKind::Link, {}};
    if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode))
        return {PathKind::Device, {}};
    return {PathKind::Other, {}};
}

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

std::string FolderWriteProblem(const std::string& folder)
{
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0)
        return std::strerror(errno);
    if (!S_ISDIR(st.st_mode))
        return std::strerror(ENOTDIR);
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return std::strerror(errno);
    return {};
}

std::string ProbeCreate(const std::string& path)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return std::strerror(errno);
    ::close(fd);
    ::unlink(path.c_str());
    return {};
}

std::FILE* OpenFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

bool IsTerminal(std::FILE* stream) { return stream && ::isatty(::fileno(stream)) == 1; }

long ProcessId() { return static_cast<long>(::getpid()); }

std::string ExecutableFolder()
{
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return {};
    std::string exe(buf, static_cast<std::size_t>(n));
    auto slash = exe.rfind('/');
    return slash == std::string::npos ? std::string() : exe.substr(0, slash);
}

}  // namespace feld
