#include "session/ConfigStore.h"

#include <QLockFile>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>

#include "base/LocalFile.h"
#include "base/PcFiles.h"
#include "base/SafeFile.h"
#include "base/Texts.h"
#include "session/ConfigIni.h"
#include "session/ConfigKeys.h"

namespace feld {
namespace {

namespace fs = std::filesystem;

QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string s(const QString& v) { return v.toStdString(); }

#ifdef _WIN32
// What a value is written to the registry as: a key of the table that holds a number, as a 32-bit
// number (an unsigned one keeps its bits), everything else as a text.
QVariant registryValue(const std::string& key, const std::string& text)
{
    if (keyHoldsNumber(key)) {
        bool ok = false;
        const qlonglong n = q(text).trimmed().toLongLong(&ok);
        if (ok && n >= INT32_MIN && n <= static_cast<qlonglong>(UINT32_MAX))
            return QVariant(static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(n))));
    }
    return QVariant(q(text));
}

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
std::string reasonText(const std::string& what, const std::string& reason) { return what + " (" + reason + ")"; }

// Settings files are small; one past this size is not read whole.
constexpr std::uint64_t kMaxSettingsFile = 64u * 1024 * 1024;

// The file a settings path names in the end: a link to the settings stays a link, and the file it
// points to is what gets replaced. Nothing when the links go round in a circle.
std::optional<std::string> finalTarget(std::string path)
{
    for (int depth = 0; depth < 40; ++depth) {
        if (!IsLink(path))
            return path;
        std::error_code ec;
        fs::path target = fs::read_symlink(FsPath(path), ec);
        if (ec)
            return path;
        if (target.is_relative())
            target = FsPath(path).parent_path() / target;
        path = FsString(target);
    }
    return std::nullopt;
}

std::string folderOf(const std::string& path)
{
    std::string folder = FsString(FsPath(path).parent_path());
    return folder.empty() ? std::string(".") : folder;
}

// A new file beside `target` holding `data`, not yet in place: the writer's temporary, made
// exclusively under a name of its own (a link planted there included is never opened), which a
// reader can open by its name before the writer commits or discards it. False with the reason.
bool writeBeside(SafeFileWriter& writer, const std::string& target, const std::string& data, std::string& why)
{
    if (!writer.Open(target, LinkAtTarget::Refuse)) {
        why = reasonText(formatText(tk("config.store.create", "cannot create a file in %s"), {folderOf(target)}), writer.Error());
        return false;
    }
    if (!writer.Write(data.data(), data.size())) {
        why = reasonText(formatText(tk("config.store.write", "cannot write %s"), {writer.TempPath()}), writer.Error());
        return false;
    }
    return true;
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
    fs::create_directories(FsPath(folder), ec);
    std::error_code isDir;
    if (!fs::is_directory(FsPath(folder), isDir)) {
        why = reasonText(formatText(tk("config.store.folder", "cannot create the folder %s"), {folder}),
                         ec ? ec.message() : std::string(std::strerror(ENOTDIR)));
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
    std::string old;
    const PathStatus status = StatPath(*target, true);
    const bool existed = status.kind != PathKind::Missing;
    if (status.kind == PathKind::Unknown) {
        why = reasonText(formatText(tk("config.store.read", "cannot read %s"), {*target}), status.error);
        return StoreWrite::Failed;
    }
    if (existed && status.kind != PathKind::File) {
        why = formatText(tk("config.store.notFile", "%s is not a regular file"), {*target});
        return StoreWrite::Failed;
    }
    if (existed) {
        LocalFile file;
        std::string readWhy;
        if (!ReadLocalFile(*target, kMaxSettingsFile, file, readWhy)) {
            why = reasonText(formatText(tk("config.store.read", "cannot read %s"), {*target}), readWhy);
            return StoreWrite::Failed;
        }
        old.assign(file.bytes.begin(), file.bytes.end());
    }

    ini::EditResult edit = ini::setValues(old, values);
    if (!edit.parsed) {
        why = edit.reason;
        return StoreWrite::NotSettings;
    }
    if (edit.text == old)
        return StoreWrite::Ok;

    std::map<QString, QVariant> before, after;
    // What QSettings reads from the old text, from a private copy under a name new to it; the copy
    // is never put in place (its writer throws it away).
    SafeFileWriter copy, work;
    if (!old.empty() && (!writeBeside(copy, *target, old, why) || !readIni(copy.TempPath(), before))) {
        if (why.empty())
            why = formatText(tk("config.store.readBack", "cannot read back %s"), {copy.TempPath()});
        return StoreWrite::Failed;
    }
    if (!writeBeside(work, *target, edit.text, why))
        return StoreWrite::Failed;
    if (!readIni(work.TempPath(), after) || !readsAsIntended(before, after, values)) {
        why = formatText(tk("config.store.notAsIntended", "the changed settings did not read back as intended; %s was left as it was"),
                         {*target});
        return StoreWrite::Failed;
    }
    // Flushed, renamed over the old file, the folder synced; a failure before the rename leaves the
    // old file and removes the new one.
    if (!work.Commit()) {
        why = reasonText(formatText(tk("config.store.write", "cannot write %s"), {*target}), work.Error());
        return StoreWrite::Failed;
    }
    return StoreWrite::Ok;
}

}  // namespace

StoreWrite writeStore(const std::string& settingsFile, const std::vector<ini::Assignment>& values, std::string& why)
{
#ifdef _WIN32
    if (settingsFile.empty()) {
        // The registry replaces each value by itself. A number goes in as a DWORD and a text as a
        // string, as the profile functions stored them, so the values read the same to any program
        // that reads them; a number stored with the other type is put right on its next write.
        auto store = openStore(settingsFile);
        for (const auto& [key, value] : values) {
            const QVariant wanted = registryValue(key, value);
            const QVariant stored = store->value(q(key));
            if (!store->contains(q(key)) || stored.typeId() != wanted.typeId() || stored != wanted)
                store->setValue(q(key), wanted);
        }
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
