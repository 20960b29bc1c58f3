#include "session/ConfigStore.h"

#include <QLockFile>
#include <QStringList>
#include <QVariant>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>

#include "base/Texts.h"
#include "session/ConfigIni.h"

namespace feld {
namespace {

namespace fs = std::filesystem;

QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string s(const QString& v) { return v.toStdString(); }

#ifdef _WIN32
std::string statusText(QSettings::Status st)
{
    switch (st) {
    case QSettings::AccessError: return tk("config.store.access", "the file cannot be written (check its permissions and the free space)");
    case QSettings::FormatError: return tk("config.store.format", "the file is not a valid settings file");
    default: return tk("config.store.unknown", "unknown error");
    }
}
#endif

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

// Names made beside the target that must not outlive the write.
class TemporaryNames {
public:
    ~TemporaryNames()
    {
        for (const std::string& n : names_)
            ::unlink(n.c_str());
    }
    void add(const std::string& name) { names_.push_back(name); }
    // The name is gone by a rename: nothing to remove under it any more.
    void forget(const std::string& name) { names_.erase(std::remove(names_.begin(), names_.end(), name), names_.end()); }

private:
    std::vector<std::string> names_;
};

// A new file beside `target` holding `data`, flushed to disk, with the mode given (when mode is
// not 0). Its name goes into `made`. False with the reason.
bool writeBeside(const std::string& target, const std::string& data, mode_t mode, TemporaryNames& made,
                 std::string& name, std::string& why)
{
    int fd = createBeside(target, name);
    if (fd < 0) {
        why = errnoText(formatText(tk("config.store.create", "cannot create a file in %s"), {folderOf(target)}), errno);
        return false;
    }
    made.add(name);
    bool ok = writeAll(fd, data.data(), data.size()) && (mode == 0 || ::fchmod(fd, mode) == 0) && ::fsync(fd) == 0;
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok)
        why = errnoText(formatText(tk("config.store.write", "cannot write %s"), {name}), err);
    return ok;
}

// What QSettings reads from an INI file. Only ever asked of a name it has not seen in this
// process: its cache would answer for a name it knows. False when the file cannot be read.
bool readIni(const std::string& path, std::map<QString, QVariant>& out)
{
    QSettings store(q(path), QSettings::IniFormat);
    const QStringList keys = store.allKeys();
    if (store.status() == QSettings::AccessError)
        return false;
    for (const QString& k : keys)
        out[k] = store.value(k);
    return true;
}

std::string textOf(const QVariant& v)
{
    if (v.typeId() == QMetaType::QStringList)
        return s(v.toStringList().join(QLatin1Char(',')));
    return s(v.toString());
}

// QSettings reads from the new file what it read from the old one, except for the keys set, which
// it reads (in whatever spelling the file had them) as their new texts.
bool readsAsIntended(const std::map<QString, QVariant>& before, const std::map<QString, QVariant>& after,
                     const std::vector<ini::Assignment>& values)
{
    // Keys as QSettings looks them up: a line may spell a key "a//b/" where we say "a/b".
    auto same = [](const QString& stored, const std::string& key) {
        return q(ini::normalizedKey(s(stored))).compare(q(key), Qt::CaseInsensitive) == 0;
    };
    auto assigned = [&](const QString& key) -> const std::string* {
        const std::string* text = nullptr;
        for (const auto& [k, v] : values)
            if (same(key, k))
                text = &v;  // a key set twice ends with its last text
        return text;
    };
    std::size_t othersAfter = 0, othersBefore = 0;
    for (const auto& [key, value] : after) {
        if (const std::string* text = assigned(key)) {
            if (textOf(value) != s(q(*text)))
                return false;
            continue;
        }
        auto old = before.find(key);
        if (old == before.end() || old->second != value)
            return false;
        ++othersAfter;
    }
    for (const auto& entry : before)
        othersBefore += assigned(entry.first) ? 0 : 1;
    if (othersAfter != othersBefore)
        return false;
    for (const auto& assignment : values)
        if (std::none_of(after.begin(), after.end(), [&](const auto& e) { return same(e.first, assignment.first); }))
            return false;
    return true;
}

// Sets values in the settings file `path`, leaving every other byte of it as it was. The old file
// is read and never written: the changed text goes into a new file beside it, which QSettings must
// read back as intended; it is flushed and renamed over the old one, then the folder is synced. A
// failure at any step leaves the old file as it was and removes what was made beside it. A file
// that does not parse is never replaced, and nothing is written when nothing changes.
StoreWrite replaceStoreFile(const std::string& path, const std::vector<ini::Assignment>& values, std::string& why)
{
    auto target = finalTarget(path);
    if (!target) {
        why = errnoText(formatText(tk("config.store.resolve", "%s cannot be resolved"), {path}), ELOOP);
        return StoreWrite::Failed;
    }
    const std::string folder = folderOf(*target);
    std::error_code ec;
    fs::create_directories(folder, ec);
    std::error_code isDir;
    if (!fs::is_directory(folder, isDir)) {
        why = errnoText(formatText(tk("config.store.folder", "cannot create the folder %s"), {folder}), ec ? ec.value() : ENOTDIR);
        return StoreWrite::Failed;
    }

    // One writer at a time, under the lock file QSettings itself uses for this file.
    QLockFile lock(q(*target + ".lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        switch (lock.error()) {
        case QLockFile::LockFailedError:
            why = formatText(tk("config.store.locked", "another program keeps the settings locked (%s.lock)"), {*target});
            break;
        case QLockFile::PermissionError:
            why = errnoText(formatText(tk("config.store.create", "cannot create a file in %s"), {folder}), EACCES);
            break;
        default: why = formatText(tk("config.store.lockFile", "cannot create the lock file %s.lock"), {*target}); break;
        }
        return StoreWrite::Failed;
    }

    // The current settings.
    mode_t mode = 0;
    std::string old;
    int in = ::open(target->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    const bool existed = in >= 0;
    if (in < 0 && errno != ENOENT) {
        why = errnoText(formatText(tk("config.store.read", "cannot read %s"), {*target}), errno);
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
            why = formatText(tk("config.store.notFile", "%s is not a regular file"), {*target});
            return StoreWrite::Failed;
        }
        if (n < 0) {
            why = errnoText(formatText(tk("config.store.read", "cannot read %s"), {*target}), readError);
            return StoreWrite::Failed;
        }
    }

    ini::EditResult edit = ini::setValues(old, values);
    if (!edit.parsed) {
        why = edit.reason;
        return StoreWrite::NotSettings;
    }
    if (edit.text == old)
        return StoreWrite::Ok;

    TemporaryNames made;
    std::map<QString, QVariant> before, after;
    std::string copy, work;
    // What QSettings reads from the old text, from a private copy under a name new to it.
    if (!old.empty() && (!writeBeside(*target, old, 0600, made, copy, why) || !readIni(copy, before))) {
        if (why.empty())
            why = formatText(tk("config.store.readBack", "cannot read back %s"), {copy});
        return StoreWrite::Failed;
    }
    if (!writeBeside(*target, edit.text, existed ? mode : 0, made, work, why))
        return StoreWrite::Failed;
    if (!readIni(work, after) || !readsAsIntended(before, after, values)) {
        why = formatText(tk("config.store.notAsIntended", "the changed settings did not read back as intended; %s was left as it was"),
                         {*target});
        return StoreWrite::Failed;
    }
    if (::rename(work.c_str(), target->c_str()) != 0) {
        why = errnoText(formatText(tk("config.store.rename", "cannot rename %s to %s"), {work, *target}), errno);
        return StoreWrite::Failed;
    }
    made.forget(work);

    // The rename itself lasts only once the folder is on disk too.
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        int rc = ::fsync(dir);
        int err = errno;
        ::close(dir);
        if (rc != 0 && err != EINVAL) {
            why = errnoText(formatText(tk("config.store.sync", "the settings were replaced, but the folder %s could not be synced"),
                                       {folder}),
                            err);
            return StoreWrite::Failed;
        }
    }
    return StoreWrite::Ok;
}

}  // namespace

StoreWrite writeStore(const std::string& settingsFile, const std::vector<ini::Assignment>& values, std::string& why)
{
#ifdef _WIN32
    if (settingsFile.empty()) {
        // The registry replaces each value by itself.
        auto store = openStore(settingsFile);
        for (const auto& [key, value] : values)
            if (!store->contains(q(key)) || store->value(q(key)).toString() != q(value))
                store->setValue(q(key), q(value));
        store->sync();
        if (store->status() != QSettings::NoError) {
            why = statusText(store->status());
            return StoreWrite::Failed;
        }
        return StoreWrite::Ok;
    }
#endif
    // QSettings would rewrite the whole file from what it parsed (comments, unknown lines and the
    // order gone), and a write of its that fails half way still ends in a rename; so the file is
    // changed here, line by line.
    return replaceStoreFile(storeLocation(settingsFile), values, why);
}

}  // namespace feld
