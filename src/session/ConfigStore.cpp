#include "session/ConfigStore.h"

#include <QLockFile>
#include <QStringList>
#include <QVariant>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace feld {
namespace {

namespace fs = std::filesystem;

QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string s(const QString& v) { return v.toStdString(); }

std::string statusText(QSettings::Status st)
{
    switch (st) {
    case QSettings::AccessError: return "the file cannot be written (check its permissions and the free space)";
    case QSettings::FormatError: return "the file is not a valid settings file";
    default: return "unknown error";
    }
}

}  // namespace

std::unique_ptr<QSettings> openStore(const std::string& file)
{
    if (file.empty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("TOLVERANET SOFTWARE"), QStringLiteral("FeldBuilder"));
    return std::make_unique<QSettings>(q(file), QSettings::IniFormat);
}

std::string storeLocation(const std::string& settingsFile)
{
    if (!settingsFile.empty())
        return settingsFile;
    return s(openStore({})->fileName());
}

StoreReader::StoreReader(QSettings& store) : store_(store)
{
    for (const QString& k : store.allKeys())
        lower_.emplace(k.toLower().toStdString(), k);
}

std::optional<std::string> StoreReader::text(const std::string& key) const
{
    QString k = q(key);
    if (!store_.contains(k)) {
        auto it = lower_.find(k.toLower().toStdString());
        if (it == lower_.end())
            return std::nullopt;
        k = it->second;
    }
    QVariant v = store_.value(k);
    if (v.typeId() == QMetaType::QStringList)
        return s(v.toStringList().join(QLatin1Char(',')));
    if (!v.canConvert<QString>())
        return std::string();
    return s(v.toString());
}

std::optional<std::string> readStoredText(const std::string& settingsFile, const std::string& key)
{
    auto store = openStore(settingsFile);
    return StoreReader(*store).text(key);
}

namespace {

// How long a writer waits for another one (this program or another Qt program) to finish.
constexpr int kLockWaitMs = 10000;

std::string errnoText(const std::string& what, int err) { return what + " (" + std::strerror(err) + ")"; }

// The file a settings path names in the end: a link to the settings stays a link, and the file it
// points to is what gets replaced. Nothing when the links go round in a circle.
std::optional<std::string> finalTarget(std::string path)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::error_code ec;
        fs::path target = fs::read_symlink(path, ec);
        if (ec)
            return path;
        if (target.is_relative())
            target = fs::path(path).parent_path() / target;
        path = target.string();
    }
    return std::nullopt;
}

std::string folderOf(const std::string& path)
{
    std::string folder = fs::path(path).parent_path().string();
    return folder.empty() ? std::string(".") : folder;
}

// A new file beside `target` under a name of its own, opened exclusively: whatever already has
// that name, a link planted there included, is never opened. -1 with errno when none can be made.
int createBeside(const std::string& target, std::string& name)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Names made beside the target that must not outlive a failed write.
class TemporaryNames {
public:
    ~TemporaryNames()
    {
        for (const std::string& n : names_)
            ::unlink(n.c_str());
    }
    void add(const std::string& name) { names_.push_back(name); }
    void release() { names_.clear(); }

private:
    std::vector<std::string> names_;
};

// An int written reads back as its text; anything else reads back as what it was.
bool sameValue(const QVariant& a, const QVariant& b)
{
    if (a.typeId() == b.typeId())
        return a == b;
    return a.toString() == b.toString();
}

// Replaces the settings file `path` with the store after `change`. The old file is read and never
// written: QSettings writes the changed store into a new file beside it, which is read back under
// a fresh name (Qt 6.4 reports a short write - a full disk - as success, and its cache would
// answer for the file it just wrote), synced, and renamed over the old one; then the folder is
// synced. A failure at any step leaves the old file as it was and removes what was made beside it.
StoreWrite replaceStoreFile(const std::string& path, const std::function<void(QSettings&)>& change, std::string& why)
{
    auto target = finalTarget(path);
    if (!target) {
        why = errnoText(path + " cannot be resolved", ELOOP);
        return StoreWrite::Failed;
    }
    const std::string folder = folderOf(*target);
    std::error_code ec;
    fs::create_directories(folder, ec);
    std::error_code isDir;
    if (!fs::is_directory(folder, isDir)) {
        why = errnoText("cannot create the folder " + folder, ec ? ec.value() : ENOTDIR);
        return StoreWrite::Failed;
    }

    // One writer at a time, under the lock file QSettings itself uses for this file.
    QLockFile lock(q(*target + ".lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        switch (lock.error()) {
        case QLockFile::LockFailedError: why = "another program keeps the settings locked (" + *target + ".lock)"; break;
        case QLockFile::PermissionError: why = errnoText("cannot create a file in " + folder, EACCES); break;
        default: why = "cannot create the lock file " + *target + ".lock"; break;
        }
        return StoreWrite::Failed;
    }

    // The current settings, copied into a new file beside them.
    mode_t mode = 0;
    std::string old;
    int in = ::open(target->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    const bool existed = in >= 0;
    if (in < 0 && errno != ENOENT) {
        why = errnoText("cannot read " + *target, errno);
        return StoreWrite::Failed;
    }
    if (existed) {
        struct stat st;
        bool regular = ::fstat(in, &st) == 0 && S_ISREG(st.st_mode);
        mode = st.st_mode & 07777;
        char buf[65536];
        ssize_t n = 0;
        while (regular && (n = ::read(in, buf, sizeof buf)) != 0) {
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                break;
            old.append(buf, static_cast<std::size_t>(n));
        }
        int readError = errno;
        ::close(in);
        if (!regular) {
            why = *target + " is not a regular file";
            return StoreWrite::Failed;
        }
        if (n < 0) {
            why = errnoText("cannot read " + *target, readError);
            return StoreWrite::Failed;
        }
    }
    TemporaryNames made;
    std::string work;
    int fd = createBeside(*target, work);
    if (fd < 0) {
        why = errnoText("cannot create a file in " + folder, errno);
        return StoreWrite::Failed;
    }
    made.add(work);
    bool copied = writeAll(fd, old.data(), old.size()) && (!existed || ::fchmod(fd, mode) == 0);
    int copyError = errno;
    if (::close(fd) != 0 && copied) {
        copied = false;
        copyError = errno;
    }
    if (!copied) {
        why = errnoText("cannot write " + work, copyError);
        return StoreWrite::Failed;
    }

    // The change, written by QSettings into the copy.
    QStringList keys;
    std::map<QString, QVariant> expected;
    {
        QSettings store(q(work), QSettings::IniFormat);
        store.allKeys();  // the file is parsed on first use; only then does the status tell
        if (store.status() == QSettings::FormatError) {
            why = statusText(QSettings::FormatError);
            return StoreWrite::NotSettings;
        }
        change(store);
        keys = store.allKeys();
        for (const QString& k : keys)
            expected[k] = store.value(k);
        store.sync();
        if (store.status() != QSettings::NoError) {
            why = statusText(store.status());
            return store.status() == QSettings::FormatError ? StoreWrite::NotSettings : StoreWrite::Failed;
        }
    }

    // Read back under a name QSettings has not seen in this process.
    std::string check;
    fd = createBeside(*target, check);
    if (fd < 0) {
        why = errnoText("cannot create a file in " + folder, errno);
        return StoreWrite::Failed;
    }
    made.add(check);
    ::close(fd);
    if (::rename(work.c_str(), check.c_str()) != 0) {
        why = errnoText("cannot rename " + work, errno);
        return StoreWrite::Failed;
    }
    {
        QSettings back(q(check), QSettings::IniFormat);
        QStringList got = back.allKeys();
        bool same = back.status() == QSettings::NoError && got.size() == keys.size();
        for (qsizetype i = 0; same && i < got.size(); ++i) {
            auto it = expected.find(got[i]);
            same = it != expected.end() && sameValue(it->second, back.value(got[i]));
        }
        if (!same) {
            why = "the new settings were not written completely (is the disk full?)";
            return StoreWrite::Failed;
        }
    }

    fd = ::open(check.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        why = errnoText("cannot flush " + check + " to disk", errno);
        if (fd >= 0)
            ::close(fd);
        return StoreWrite::Failed;
    }
    ::close(fd);
    if (::rename(check.c_str(), target->c_str()) != 0) {
        why = errnoText("cannot rename " + check + " to " + *target, errno);
        return StoreWrite::Failed;
    }
    made.release();

    // The rename itself lasts only once the folder is on disk too.
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        int rc = ::fsync(dir);
        int err = errno;
        ::close(dir);
        if (rc != 0 && err != EINVAL) {
            why = errnoText("the settings were replaced, but the folder " + folder + " could not be synced", err);
            return StoreWrite::Failed;
        }
    }
    return StoreWrite::Ok;
}

}  // namespace

StoreWrite writeStore(const std::string& settingsFile, const std::function<void(QSettings&)>& change, std::string& why)
{
#ifdef _WIN32
    if (settingsFile.empty()) {
        // The registry replaces each value by itself.
        auto store = openStore(settingsFile);
        change(*store);
        store->sync();
        if (store->status() != QSettings::NoError) {
            why = statusText(store->status());
            return StoreWrite::Failed;
        }
        return StoreWrite::Ok;
    }
#endif
    // QSettings writes through a temporary file and a rename, but it syncs no folder, and a write
    // that fails half way (a full disk) still ends in the rename and reports success; so the file
    // is replaced here and QSettings only produces its contents.
    return replaceStoreFile(storeLocation(settingsFile), change, why);
}

}  // namespace feld
