#include "session/Config.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "base/KeyText.h"
#include "base/PcFiles.h"
#include "base/Texts.h"
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
    if (std::string folder = ExecutableFolder(); !folder.empty())
        return folder;
    return s(QDir::currentPath());
}

bool folderExists(const std::string& path) { return !path.empty() && QFileInfo(q(path)).isDir(); }

// A stored value for a message: quoted, control characters as "\xNN", and not more than a line.
std::string shownValue(const std::string& v)
{
    static const char hex[] = "0123456789abcdef";
    constexpr std::size_t kMax = 60;
    std::string out = "\"";
    for (std::size_t i = 0; i < v.size() && i < kMax; ++i) {
        const auto c = static_cast<unsigned char>(v[i]);
        if (c < 0x20 || c == 0x7F) {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 0xF];
        } else {
            out += v[i];
        }
    }
    return out + (v.size() > kMax ? "...\"" : "\"");
}

}  // namespace

Config::Config(std::string settingsFile) : settingsFile_(std::move(settingsFile)) {}

std::string Config::withTrailingSeparator(std::string path)
{
    if (path.empty() || path.back() != kSeparator)
        path += kSeparator;
    return path;
}

std::string Config::dataFolder()
{
    if (const char* env = std::getenv("FELDSPAN_DATA_DIR"); env && *env)
        return env;
#ifdef _WIN32
    return s(QDir::toNativeSeparators(QDir::cleanPath(q(executableFolder()))));
#else
    return s(QDir::cleanPath(q(executableFolder() + "/../share/feldspan")));
#endif
}

std::string Config::defaultMainPath()
{
#ifdef _WIN32
    return "C:\\Program Files\\TOLVERA\\FeldBuilder";
#else
    return dataFolder();
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
#ifdef _WIN32
    return "COM" + std::to_string(port.serialPort);
#else
    return "/dev/ttyS" + std::to_string(port.serialPort - 1);
#endif
}

std::string Config::storeLocation() const
{
    return feld::storeLocation(settingsFile_);
}

std::vector<std::string> Config::load()
{
    auto store = openStore(settingsFile_);
    StoreReader in(*store);

    // Every value of the table: its default when absent, or when it does not parse or lies outside
    // its range (then reported: a value the user stored deserves a word when it is not used). Folder
    // paths: a missing or empty value takes the default and clears the found flag. On Linux a
    // default counts as found when the installation's data folder exists.
#ifdef _WIN32
    const bool defaultsFound = false;
#else
    const bool defaultsFound = folderExists(defaultMainPath());
#endif
    pathsFound = true;
    std::vector<std::string> problems;
    for (const ConfigKey& k : configKeysOf(*this)) {
        if (k.writtenAtStart)
            continue;
        auto v = in.text(k.key);
        if (k.kind != KeyKind::Folder) {
            if (!loadKey(k, v)) {
                const std::string def = keyText(k);
                problems.push_back(formatText(tk("config.badStored", "bad value %s for %s in %s (it takes %s); using the default %s"),
                                              {shownValue(*v), k.key, storeLocation(), takesText(k),
                                               def.empty() ? tk("config.none", "(none)") : def}));
            }
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
    return problems;
}

bool Config::startUp(Ui& ui, StartUpWrites writes, ProjectFolders folders)
{
    for (const std::string& problem : load())
        ui.fixedMessage(problem, Icon::Warning);

    bool ok = true;
    if (writes == StartUpWrites::Version) {
        // The values written at every start are the defaults of their keys.
        std::vector<std::pair<std::string, std::string>> values;
        for (const ConfigKey& k : configKeysOf(*this))
            if (k.writtenAtStart)
                values.emplace_back(k.key, k.kind == KeyKind::Int ? std::to_string(k.def) : k.defText);
        std::string error;
        ok = writeValues(values, error);
        if (!ok)
            ui.fixedMessage(error, Icon::Exclamation);
    }

#ifndef _WIN32
    // The project folder and the data folder received files go to by default are ours to create
    // on Linux; a proper installation finds them there.
    if (folders == ProjectFolders::Create) {
        QDir().mkpath(q(projectPath));
        QDir().mkpath(q(projectPath + "Data"));
    }
#endif

    // Installation check: can a file be created in the project folder? Another running copy may
    // be using FSSPAN.tmp right now, so probe with a name of our own and leave that file alone.
    std::string probe = transferTempFile + ".probe-" + std::to_string(ProcessId());
    std::error_code ec;
    const bool probed = folders == ProjectFolders::Create || std::filesystem::exists(FsPath(projectPath), ec);
    const std::string probeError = probed ? ProbeCreate(probe) : std::string();
    if (probed && !probeError.empty()) {
        // A folder the user cannot write to is not a broken installation: say which and why.
        ui.fixedMessage(formatText(tk("config.projectNotWritable",
                                      "The project folder %s cannot be written to (%s): files from the terminal "
                                      "cannot be kept there. Make it writable, or choose another project folder."),
                                   {projectPath, probeError}),
                        Icon::Warning);
    }
    if (!pathsFound)
        ui.fixedMessage(kInstallMessage, Icon::Warning);

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
    if (!std::filesystem::is_regular_file(FsPath(path), ec))
        return std::nullopt;
    std::ifstream in(FsPath(path), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string data(maxBytes, '\0');
    in.read(data.data(), static_cast<std::streamsize>(maxBytes));
    data.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return data;
}

std::string Config::handedOverProjectFrom(const std::string& data)
{
    // Only CR LF ends the value, as the builder writes it.
    std::string value = keyValue(data, "[FeldBuilder]=", KeyLineEnd::CrLf);
    // A NUL ends the text, as it would for any C string holding it.
    if (auto nul = value.find('\0'); nul != std::string::npos)
        value.resize(nul);
    return value;
}

bool Config::writeValues(const std::vector<std::pair<std::string, std::string>>& values, std::string& error) const
{
    std::string why;
    switch (writeStore(settingsFile_, values, why)) {
    case StoreWrite::Ok: return true;
    case StoreWrite::NotSettings:
        // Rewriting a file we could not parse could throw away whatever it holds.
        error = formatText(tk("config.notSettings", "not changing the settings: %s is not a valid settings file (%s)"),
                           {storeLocation(), why});
        return false;
    case StoreWrite::Failed: break;
    }
    error = formatText(tk("config.cannotWrite", "cannot write the settings to %s: %s"), {storeLocation(), why});
    return false;
}

bool Config::save(std::string* error) const
{
    Config& self = const_cast<Config&>(*this);  // the table binds to members; nothing is changed
    std::vector<std::pair<std::string, std::string>> values;
    for (const ConfigKey& k : configKeysOf(self))
        if (k.saved)
            values.emplace_back(k.key, keyText(k));
    std::string why;
    if (writeValues(values, why))
        return true;
    if (error)
        *error = why;
    return false;
}

bool Config::storeValue(const std::string& key, std::string* error) const
{
    auto k = canonicalKey(key);
    auto v = value(key);
    if (!k || !v) {
        if (error)
            *error = formatText(tk("config.unknownKey", "unknown key: %s"), {key});
        return false;
    }
    // The store holds this value already, perhaps spelt another way ("09600"): nothing to write.
    if (auto stored = readStoredText(settingsFile_, *k)) {
        Config scratch(settingsFile_);
        if (*stored == *v || (scratch.setValue(*k, *stored) && scratch.value(*k) == v))
            return true;
    }
    std::string why;
    if (writeValues({{*k, *v}}, why))
        return true;
    if (error)
        *error = why;
    return false;
}

}  // namespace feld
