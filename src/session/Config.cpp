#include "session/Config.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "base/Ui.h"
#include "session/ConfigKeys.h"
#include "session/ConfigStore.h"

namespace feld {
namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

constexpr const char* kInstallMessage =
    "The installation has not been completed. To avoid any unknown error caused, please re-install FeldSpan.";

// Builder.ini is a small text file; anything past this is not looked at.
constexpr std::size_t kMaxBuilderIni = 1024 * 1024;

QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string s(const QString& v) { return v.toStdString(); }

std::string executableFolder()
{
    if (QCoreApplication::instance())
        return s(QCoreApplication::applicationDirPath());
#ifndef _WIN32
    char buf[4096];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n > 0) {
        std::string exe(buf, static_cast<std::size_t>(n));
        auto slash = exe.rfind('/');
        if (slash != std::string::npos)
            return exe.substr(0, slash);
    }
#endif
    return s(QDir::currentPath());
}

bool folderExists(const std::string& path) { return !path.empty() && QFileInfo(q(path)).isDir(); }

}  // namespace

Config::Config(std::string settingsFile) : settingsFile_(std::move(settingsFile)) {}

std::string Config::withTrailingSeparator(std::string path)
{
    if (path.empty() || path.back() != kSeparator)
        path += kSeparator;
    return path;
}

std::string Config::defaultMainPath()
{
#ifdef _WIN32
    return "C:\\Program Files\\TOLVERA\\FeldBuilder";
#else
    if (const char* env = std::getenv("FELDSPAN_DATA_DIR"); env && *env)
        return env;
    return s(QDir::cleanPath(q(executableFolder() + "/../share/feldspan")));
#endif
}

std::string Config::defaultProjectPath()
{
#ifdef _WIN32
    return "C:\\My Documents\\TOLVERA\\FeldBuilder";
#else
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty())
        docs = QDir::homePath() + QStringLiteral("/Documents");
    return s(docs) + "/TOLVERA/FeldBuilder/";
#endif
}

std::string Config::serialDevicePath(const PortSettings& port)
{
    if (!port.serialDevice.empty())
        return port.serialDevice;
    return "/dev/ttyS" + std::to_string(port.serialPort - 1);
}

std::string Config::storeLocation() const
{
    return feld::storeLocation(settingsFile_);
}

void Config::load()
{
    auto store = openStore(settingsFile_);
    StoreReader in(*store);

    // Every value of the table: its default when absent or when it cannot be parsed. Folder
    // paths: a missing or empty value takes the default and clears the found flag. On Linux a
    // default counts as found when the installation's data folder exists.
#ifdef _WIN32
    const bool defaultsFound = false;
#else
    const bool defaultsFound = folderExists(defaultMainPath());
#endif
    pathsFound = true;
    for (const ConfigKey& k : configKeysOf(*this)) {
        if (k.writtenAtStart)
            continue;
        auto v = in.text(k.key);
        if (k.kind != KeyKind::Folder) {
            loadKey(k, v);
        } else if (v && !v->empty()) {
            *k.str = withTrailingSeparator(*v);
        } else {
            *k.str = withTrailingSeparator(k.defaultFolder());
            pathsFound = pathsFound && defaultsFound;
        }
    }

    if (standby.savePath.empty())
        standby.savePath = projectPath + "Data";
    if (standby.savePath1.empty())
        standby.savePath1 = projectPath + "Data";

    transferTempFile = projectPath + "FSSPAN.tmp";
#ifdef _WIN32
    // Filled by the platform query at start-up.
#else
    newerSystem = true;
    is64Bit = false;
#endif
    handedOverProject.clear();
    builderIniFound = false;
}

bool Config::startUp(Ui& ui)
{
    load();

    // The values written at every start are the defaults of their keys.
    std::string why;
    StoreWrite written = writeStore(settingsFile_, [this](QSettings& store) {
        for (const ConfigKey& k : configKeysOf(*this)) {
            if (!k.writtenAtStart)
                continue;
            if (k.kind == KeyKind::Int)
                store.setValue(q(k.key), static_cast<int>(k.def));
            else
                store.setValue(q(k.key), q(k.defText));
        }
    }, why);
    const bool ok = written == StoreWrite::Ok;
    if (!ok)
        ui.fixedMessage("Cannot write the settings to " + storeLocation() + ": " + why, Icon::Exclamation);

#ifndef _WIN32
    // The project folder is ours to create on Linux; a proper installation finds it there.
    QDir().mkpath(q(projectPath));
#endif

    // Installation check: can a file be created in the project folder? Another running copy may
    // be using FSSPAN.tmp right now, so probe with a name of our own and leave that file alone.
    std::string probe = transferTempFile + ".probe-" + std::to_string(::getpid());
    int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        ::unlink(probe.c_str());
    }
    if (fd < 0 || !pathsFound)
        ui.fixedMessage(kInstallMessage, Icon::Exclamation);

    if (auto data = readFileBounded(projectPath + "Builder.ini", kMaxBuilderIni)) {
        builderIniFound = true;
        handedOverProject = handedOverProjectFrom(*data);
    }
    return ok;
}

std::optional<std::string> Config::readFileBounded(const std::string& path, std::size_t maxBytes)
{
    // Only a regular file: a FIFO or a device in its place would block or never end.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string data(maxBytes, '\0');
    in.read(data.data(), static_cast<std::streamsize>(maxBytes));
    data.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return data;
}

std::string Config::handedOverProjectFrom(const std::string& data)
{
    static const std::string key = "[FeldBuilder]=";
    auto at = data.find(key);
    if (at == std::string::npos)
        return {};
    std::size_t begin = at + key.size();
    std::size_t end = data.find("\r\n", begin);
    if (end == std::string::npos)
        end = data.size();
    std::string value = data.substr(begin, end - begin);
    // A NUL ends the text, as it would for any C string holding it.
    if (auto nul = value.find('\0'); nul != std::string::npos)
        value.resize(nul);
    return value;
}

bool Config::save(std::string* error) const
{
    std::string why;
    Config& self = const_cast<Config&>(*this);  // the table binds to members; nothing is changed
    StoreWrite written = writeStore(settingsFile_, [&self](QSettings& store) {
        for (const ConfigKey& k : configKeysOf(self)) {
            if (!k.saved)
                continue;
            switch (k.kind) {
            case KeyKind::Int: store.setValue(q(k.key), *k.i); break;
            case KeyKind::Time32: store.setValue(q(k.key), static_cast<qlonglong>(*k.t)); break;
            default: store.setValue(q(k.key), q(keyText(k))); break;
            }
        }
    }, why);
    if (written == StoreWrite::NotSettings) {
        // Rewriting a file we could not parse would throw away whatever it holds.
        if (error)
            *error = "not saving the settings: " + storeLocation() + " is not a valid settings file";
        return false;
    }
    if (written == StoreWrite::Failed) {
        if (error)
            *error = "cannot write the settings to " + storeLocation() + ": " + why;
        return false;
    }
    return true;
}

bool Config::storeValue(const std::string& key, std::string* error) const
{
    auto k = canonicalKey(key);
    auto v = value(key);
    if (!k || !v) {
        if (error)
            *error = "unknown key: " + key;
        return false;
    }
    std::string why;
    StoreWrite written = writeStore(settingsFile_, [&](QSettings& store) {
        // A value stored under another spelling of the key would otherwise shadow ours.
        for (const QString& existing : store.allKeys())
            if (existing.compare(q(*k), Qt::CaseInsensitive) == 0 && existing != q(*k))
                store.remove(existing);
        store.setValue(q(*k), q(*v));
    }, why);
    if (written == StoreWrite::NotSettings) {
        if (error)
            *error = "not saving: " + storeLocation() + " is not a valid settings file";
        return false;
    }
    if (written == StoreWrite::Failed) {
        if (error)
            *error = "cannot write the settings to " + storeLocation() + ": " + why;
        return false;
    }
    return true;
}

}  // namespace feld
