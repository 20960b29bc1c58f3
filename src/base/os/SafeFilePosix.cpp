// POSIX: exclusive creation beside the target, fsync, rename and a synced folder.
#include "base/SafeFile.h"
#include "base/os/RemovedList.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <thread>

#include "base/Texts.h"

namespace feld {

namespace {

// The temporaries being written, where a signal handler can find them: fixed slots, no allocation.
constexpr int kSlots = 16;
struct TempSlot {
    std::atomic<int> state{0};  // 0 free, 1 being filled, 2 holds a path
    char path[PATH_MAX];
};
TempSlot slots[kSlots];

int registerTemp(const std::string& path)
{
    if (path.size() >= PATH_MAX)
        return -1;
    for (int i = 0; i < kSlots; ++i) {
        int expected = 0;
        if (slots[i].state.compare_exchange_strong(expected, 1)) {
            std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
            slots[i].state.store(2);
            return i;
        }
    }
    return -1;
}


void unregisterTemp(int slot)
{
    if (slot >= 0)
        slots[slot].state.store(0);
}

std::string folderOf(const std::string& path)
{
    std::size_t cut = path.rfind('/');
    if (cut == std::string::npos)
        return ".";
    return cut == 0 ? "/" : path.substr(0, cut);
}

std::string nameOf(const std::string& path)
{
    std::size_t cut = path.rfind('/');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

// Follows links at `path` to the name they finally stand for (which need not exist yet).
bool followLinks(std::string& path, int& err)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true;
        char buf[PATH_MAX];
        ssize_t n = ::readlink(path.c_str(), buf, sizeof buf - 1);
        if (n < 0) {
            err = errno;
            return false;
        }
        std::string to(buf, static_cast<std::size_t>(n));
        path = to.front() == '/' ? to : folderOf(path) + "/" + to;
    }
    err = ELOOP;
    return false;
}

// 0 when the folder's entries are on disk, else the error.
int syncFolder(const std::string& folder)
{
    int d = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d < 0)
        return errno;
    int err = ::fsync(d) == 0 || errno == EINVAL ? 0 : errno;  // some file systems cannot sync a folder
    ::close(d);
    return err;
}

}  // namespace

void RemoveTemporariesNow()
{
    for (auto& s : slots)
        if (s.state.load() == 2)
            ::unlink(s.path);
    if (const char* const* p = removedlist::Enter()) {
        for (; *p; ++p)
            ::unlink(*p);
        for (++p; *p; ++p)
            ::rmdir(*p);
    }
    removedlist::Leave();
}

SafeFileWriter::~SafeFileWriter() { Discard(); }

bool SafeFileWriter::Fail(const std::string& what, int err)
{
    error_ = what + ": " + std::strerror(err);
    Discard();
    return false;
}

bool SafeFileWriter::Open(const std::string& target, LinkAtTarget links)
{
    Discard();
    error_.clear();
    through_ = false;
    target_ = target;
    if (target.empty()) {
        error_ = tk("file.noName", "no file name given");
        return false;
    }
    struct stat st {};
    // A device or a pipe is opened by the name given: the kernel follows the links that lead to
    // it, /dev/stdout's among them, whose last step (/proc/self/fd/1 -> "pipe:[N]") names no file.
    // Only a file that is replaced needs its links followed by hand, to replace the file itself.
    const bool through = ::stat(target_.c_str(), &st) == 0 && (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode));
    int err = 0;
    if (links == LinkAtTarget::Refuse) {
        struct stat lst {};
        if (::lstat(target_.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
            error_ = formatText(tk("file.isLink", "%s is a link; nothing is written through it (remove the link or choose another folder)"),
                                {target_});
            return false;
        }
    } else if (!through && !followLinks(target_, err))
        return Fail(target, err);

    mode_t mode = 0666;
    if (through || ::stat(target_.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return Fail(target_, EISDIR);
        if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) {
            // A device or a FIFO is written through, as cp does; it cannot be replaced. A FIFO that
            // nobody reads would block for ever, so that is asked first.
            fd_ = ::open(target_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
            if (fd_ < 0)
                return Fail(target_, errno == ENXIO ? EPIPE : errno);
            ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
            through_ = true;
            return true;
        }
        if (!S_ISREG(st.st_mode)) {
            error_ = formatText(tk("file.notRegular", "%s: not a regular file, a device or a FIFO; give a file name"), {target_});
            return false;
        }
        mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return Fail(target_, errno);
    }

    static std::atomic<unsigned> serial{0};
    const std::string folder = folderOf(target_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = folder + "/." + nameOf(target_) + ".part-" + std::to_string(::getpid()) + "-" +
                                std::to_string(serial.fetch_add(1));
        // O_EXCL with O_NOFOLLOW: never reuse someone else's file, never write through a link
        // planted at the temporary's name.
        fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd_ >= 0) {
            temp_ = candidate;
            slot_ = registerTemp(temp_);
            if (mode != 0666)
                ::fchmod(fd_, mode);  // the new file keeps the old one's permissions
            return true;
        }
        if (errno != EEXIST)
            return Fail(folder, errno);
    }
    return Fail(folder, EEXIST);
}

bool SafeFileWriter::Write(const void* data, std::size_t n)
{
    if (fd_ < 0) {
        if (error_.empty())
            error_ = tk("file.notOpen", "the file is not open");
        return false;
    }
    const char* p = static_cast<const char*>(data);
    while (n > 0) {
        ssize_t w = ::write(fd_, p, n);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return Fail(target_, errno);
        }
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

bool SafeFileWriter::Commit()
{
    if (fd_ < 0) {
        if (error_.empty())
            error_ = tk("file.notOpen", "the file is not open");
        return false;
    }
    if (through_) {
        int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            return Fail(target_, errno);
        return true;
    }
    if (::fsync(fd_) != 0)
        return Fail(target_, errno);
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        return Fail(target_, errno);
    if (::rename(temp_.c_str(), target_.c_str()) != 0)
        return Fail(target_, errno);
    unregisterTemp(slot_);
    slot_ = -1;
    temp_.clear();
    // Until the folder is synced the rename may not survive a crash: whoever deletes an original
    // once this returns must know the copy is on disk.
    if (int err = syncFolder(folderOf(target_)); err != 0)
        return Fail(folderOf(target_), err);
    return true;
}

void SafeFileWriter::Discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
    unregisterTemp(slot_);
    slot_ = -1;
}

std::FILE* OpenPrivateLog(const std::string& path)
{
    std::error_code ec;
    std::filesystem::path p(path);
    if (p.has_parent_path())
        std::filesystem::create_directories(p.parent_path(), ec);
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return nullptr;
    std::FILE* f = ::fdopen(fd, "wb");
    if (!f)
        ::close(fd);
    return f;
}

}  // namespace feld
