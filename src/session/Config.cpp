#include "session/Config.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

#include "base/Ui.h"

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

bool equalsNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// A whole decimal number, optionally signed, with blanks around it allowed; nothing else.
std::optional<long long> parseInteger(const std::string& text, long long lo, long long hi)
{
    std::size_t b = 0, e = text.size();
    while (b < e && std::isspace(static_cast<unsigned char>(text[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(text[e - 1])))
        --e;
    if (b < e && text[b] == '+')
        ++b;
    long long v = 0;
    auto [p, ec] = std::from_chars(text.data() + b, text.data() + e, v);
    if (b == e || ec != std::errc() || p != text.data() + e || v < lo || v > hi)
        return std::nullopt;
    return v;
}

// "0403:6001,1234:abcd" <-> list of USB ids.
std::string usbIdsText(const std::vector<UsbId>& ids)
{
    std::string out;
    char buf[16];
    for (const auto& id : ids) {
        std::snprintf(buf, sizeof buf, "%04x:%04x", id.vendor, id.product);
        if (!out.empty())
            out += ',';
        out += buf;
    }
    return out;
}

std::optional<std::vector<UsbId>> parseUsbIds(const std::string& text)
{
    std::vector<UsbId> ids;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t comma = text.find(',', pos);
        std::string item = text.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
        item.erase(std::remove_if(item.begin(), item.end(), [](unsigned char c) { return std::isspace(c); }), item.end());
        if (!item.empty()) {
            auto colon = item.find(':');
            if (colon == std::string::npos)
                return std::nullopt;
            unsigned v = 0, p = 0;
            const char* a = item.data();
            auto r1 = std::from_chars(a, a + colon, v, 16);
            auto r2 = std::from_chars(a + colon + 1, a + item.size(), p, 16);
            if (r1.ec != std::errc() || r1.ptr != a + colon || r2.ec != std::errc() || r2.ptr != a + item.size()
                || colon == 0 || colon + 1 == item.size() || v > 0xFFFF || p > 0xFFFF)
                return std::nullopt;
            ids.push_back({static_cast<std::uint16_t>(v), static_cast<std::uint16_t>(p)});
        }
        if (comma == std::string::npos)
            break;
        pos = comma + 1;
    }
    return ids;
}

// One stored value: where it lives and how it maps onto the object.
enum class Kind { Int, Int32Time, Text, UsbIds };
struct Field {
    std::string key;        // full key below the vendor key
    Kind kind;
    bool saved;             // written by save()
    int* i = nullptr;
    std::int64_t* t = nullptr;
    std::string* str = nullptr;
    std::vector<UsbId>* ids = nullptr;
    long long def = 0;      // default of an integer
    long long lo = INT_MIN, hi = INT_MAX;
};

const char* const kSettings = "FeldSpan/Settings/";
const char* const kStandby = "FeldSpan/Standby/";

// The table of every value below the vendor key, bound to one object. Folder paths and the
// version values are handled beside it because they are derived or written at start.
std::vector<Field> fieldsOf(Config& c)
{
    std::vector<Field> f;
    auto setting = [&](const char* name, int* v, long long def) {
        f.push_back({std::string(kSettings) + name, Kind::Int, true, v, nullptr, nullptr, nullptr, def});
    };
    setting("PortChoice", &c.port.portChoice, 1);
    setting("SerialPort", &c.port.serialPort, 1);
    f.push_back({std::string(kSettings) + "SerialDevice", Kind::Text, true, nullptr, nullptr, &c.port.serialDevice});
    f.push_back({std::string(kSettings) + "UsbDevice", Kind::Text, true, nullptr, nullptr, &c.port.usbDevice});
    f.push_back({std::string(kSettings) + "UsbIds", Kind::UsbIds, true, nullptr, nullptr, nullptr, &c.port.usbIds});
    setting("SelPort", &c.port.selPort, 1);
    setting("Baudrate", &c.port.baudrate, 115200);
    setting("Databits", &c.port.databits, 8);
    setting("Stopbits", &c.port.stopbits, 1);
    setting("Parity", &c.port.parity, 0);
    setting("ID", &c.id, 0);
    setting("CarriageReturn", &c.carriageReturn, 1);
    setting("LineFeed", &c.lineFeed, 1);
    setting("Delete", &c.deleteAfterReceive, 0);
    setting("Dump", &c.dump, 0);
    f.back().saved = false;  // the user's own switch: read, never written at exit

    auto standby = [&](const std::string& name, int* v, long long def) {
        f.push_back({kStandby + name, Kind::Int, true, v, nullptr, nullptr, nullptr, def});
    };
    StandbyBlock& b = c.standby;
    standby("Type", &b.type, 0);
    standby("TimeInterval", &b.timeInterval, 10);
    for (int n = 0; n < 3; ++n)
        standby("FixTime" + std::to_string(n + 1) + "Enable", &b.fixTimeEnable[static_cast<std::size_t>(n)], 0);
    for (int n = 0; n < 3; ++n)
        f.push_back({kStandby + ("FixTime" + std::to_string(n + 1)), Kind::Int32Time, true, nullptr,
                     &b.fixTime[static_cast<std::size_t>(n)]});
    for (int n = 0; n < 10; ++n)
        standby("FileEnable" + std::to_string(n + 1), &b.fileEnable[static_cast<std::size_t>(n)], 0);
    for (int n = 0; n < 10; ++n)
        f.push_back({kStandby + ("string" + std::to_string(n + 1)), Kind::Text, true, nullptr, nullptr,
                     &b.fileName[static_cast<std::size_t>(n)]});
    f.push_back({std::string(kStandby) + "SavePath", Kind::Text, true, nullptr, nullptr, &b.savePath});
    f.push_back({std::string(kStandby) + "SavePath1", Kind::Text, true, nullptr, nullptr, &b.savePath1});
    return f;
}

// The keys handled beside the table.
const char* const kMainPathKey = "FeldSpan/PATH/MAINPATH";
const char* const kProjectPathKey = "FeldSpan/PATH/PROJECTPATH";
const char* const kVersionKey = "FeldSpan/PATH/VERSION";
const char* const kVersionExKey = "FeldSpan/PATH/VERSIONEX";
const char* const kLanguageKey = "PATH/LANGUAGE";

std::unique_ptr<QSettings> openStore(const std::string& file)
{
    if (file.empty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("TOLVERANET SOFTWARE"), QStringLiteral("FeldBuilder"));
    return std::make_unique<QSettings>(q(file), QSettings::IniFormat);
}

// Reads keys without regard to case, as the registry does: a file written elsewhere may spell
// a group "Path" where we spell it "PATH".
class StoreReader {
public:
    explicit StoreReader(QSettings& st) : st_(st)
    {
        for (const QString& k : st.allKeys())
            lower_.emplace(k.toLower().toStdString(), k);
    }
    std::optional<std::string> text(const std::string& key) const
    {
        QString k = q(key);
        if (!st_.contains(k)) {
            auto it = lower_.find(k.toLower().toStdString());
            if (it == lower_.end())
                return std::nullopt;
            k = it->second;
        }
        QVariant v = st_.value(k);
        if (v.typeId() == QMetaType::QStringList)
            return s(v.toStringList().join(QLatin1Char(',')));
        if (!v.canConvert<QString>())
            return std::string();
        return s(v.toString());
    }

private:
    QSettings& st_;
    std::map<std::string, QString> lower_;
};

std::string statusText(QSettings::Status st)
{
    switch (st) {
    case QSettings::AccessError: return "the file cannot be written (check its permissions and the free space)";
    case QSettings::FormatError: return "the file is not a valid settings file";
    default: return "unknown error";
    }
}

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
    if (!settingsFile_.empty())
        return settingsFile_;
    return s(openStore({})->fileName());
}

void Config::load()
{
    auto store = openStore(settingsFile_);
    StoreReader in(*store);

    // Every table value: its default when absent or when it cannot be parsed.
    for (Field& f : fieldsOf(*this)) {
        auto v = in.text(f.key);
        switch (f.kind) {
        case Kind::Int: {
            auto n = v ? parseInteger(*v, f.lo, f.hi) : std::nullopt;
            *f.i = static_cast<int>(n ? *n : f.def);
            break;
        }
        case Kind::Int32Time: {
            auto n = v ? parseInteger(*v, INT32_MIN, INT32_MAX) : std::nullopt;
            *f.t = n ? *n : 0;
            break;
        }
        case Kind::Text:
            *f.str = v ? *v : std::string();
            break;
        case Kind::UsbIds: {
            auto ids = v ? parseUsbIds(*v) : std::nullopt;
            *f.ids = ids ? *ids : std::vector<UsbId>{};
            break;
        }
        }
    }

    // Folder paths: a missing or empty value takes the default and clears the found flag. On
    // Linux a default counts as found when the installation's data folder exists.
    pathsFound = true;
    auto mainValue = in.text(kMainPathKey);
    auto projectValue = in.text(kProjectPathKey);
#ifdef _WIN32
    const bool defaultsFound = false;
#else
    const bool defaultsFound = folderExists(defaultMainPath());
#endif
    if (mainValue && !mainValue->empty()) {
        mainPath = *mainValue;
    } else {
        mainPath = defaultMainPath();
        pathsFound = pathsFound && defaultsFound;
    }
    if (projectValue && !projectValue->empty()) {
        projectPath = *projectValue;
    } else {
        projectPath = defaultProjectPath();
        pathsFound = pathsFound && defaultsFound;
    }
    mainPath = withTrailingSeparator(mainPath);
    projectPath = withTrailingSeparator(projectPath);

    if (standby.savePath.empty())
        standby.savePath = projectPath + "Data";
    if (standby.savePath1.empty())
        standby.savePath1 = projectPath + "Data";

    auto lang = in.text(kLanguageKey);
    auto code = lang ? parseInteger(*lang, INT32_MIN, UINT32_MAX) : std::nullopt;
    languageCode = code ? static_cast<int>(static_cast<std::uint32_t>(*code)) : 0;

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

    bool ok = true;
    {
        auto store = openStore(settingsFile_);
        store->setValue(q(kVersionKey), kVersion);
        store->setValue(q(kVersionExKey), QString::fromLatin1(kVersionEx));
        store->sync();
        if (store->status() != QSettings::NoError) {
            ui.fixedMessage("Cannot write the settings to " + storeLocation() + ": " + statusText(store->status()),
                            Icon::Exclamation);
            ok = false;
        }
    }

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
    auto store = openStore(settingsFile_);
    if (store->status() == QSettings::FormatError) {
        // Rewriting a file we could not parse would throw away whatever it holds.
        if (error)
            *error = "not saving the settings: " + storeLocation() + " is not a valid settings file";
        return false;
    }
    Config& self = const_cast<Config&>(*this);  // the table binds to members; nothing is changed
    for (const Field& f : fieldsOf(self)) {
        if (!f.saved)
            continue;
        switch (f.kind) {
        case Kind::Int: store->setValue(q(f.key), *f.i); break;
        case Kind::Int32Time: store->setValue(q(f.key), static_cast<qlonglong>(*f.t)); break;
        case Kind::Text: store->setValue(q(f.key), q(*f.str)); break;
        case Kind::UsbIds: store->setValue(q(f.key), q(usbIdsText(*f.ids))); break;
        }
    }
    store->sync();
    if (store->status() != QSettings::NoError) {
        if (error)
            *error = "cannot write the settings to " + storeLocation() + ": " + statusText(store->status());
        return false;
    }
    return true;
}

std::vector<std::pair<std::string, std::string>> Config::entries() const
{
    std::vector<std::pair<std::string, std::string>> out;
    out.emplace_back(kMainPathKey, mainPath);
    out.emplace_back(kProjectPathKey, projectPath);
    for (const char* k : {kVersionKey, kVersionExKey})
        out.emplace_back(k, *value(k));
    out.emplace_back(kLanguageKey, std::to_string(languageCode));
    Config& self = const_cast<Config&>(*this);
    for (const Field& f : fieldsOf(self))
        out.emplace_back(f.key, *value(f.key));
    return out;
}

std::optional<std::string> Config::canonicalKey(const std::string& key)
{
    for (const char* k : {kMainPathKey, kProjectPathKey, kVersionKey, kVersionExKey, kLanguageKey})
        if (equalsNoCase(key, k))
            return std::string(k);
    Config probe;
    for (const Field& f : fieldsOf(probe))
        if (equalsNoCase(key, f.key))
            return f.key;
    return std::nullopt;
}

std::optional<std::string> Config::value(const std::string& key) const
{
    auto k = canonicalKey(key);
    if (!k)
        return std::nullopt;
    if (*k == kMainPathKey)
        return mainPath;
    if (*k == kProjectPathKey)
        return projectPath;
    if (*k == kVersionKey) {
        auto store = openStore(settingsFile_);
        auto v = StoreReader(*store).text(kVersionKey);
        auto n = v ? parseInteger(*v, INT_MIN, INT_MAX) : std::nullopt;
        return std::to_string(n ? *n : kVersion);
    }
    if (*k == kVersionExKey) {
        auto store = openStore(settingsFile_);
        auto v = StoreReader(*store).text(kVersionExKey);
        return v ? *v : std::string(kVersionEx);
    }
    if (*k == kLanguageKey)
        return std::to_string(languageCode);
    Config& self = const_cast<Config&>(*this);
    for (const Field& f : fieldsOf(self)) {
        if (f.key != *k)
            continue;
        switch (f.kind) {
        case Kind::Int: return std::to_string(*f.i);
        case Kind::Int32Time: return std::to_string(*f.t);
        case Kind::Text: return *f.str;
        case Kind::UsbIds: return usbIdsText(*f.ids);
        }
    }
    return std::nullopt;
}

bool Config::setValue(const std::string& key, const std::string& text, std::string* error)
{
    auto fail = [&](const std::string& why) {
        if (error)
            *error = why;
        return false;
    };
    auto k = canonicalKey(key);
    if (!k)
        return fail("unknown key: " + key);
    if (*k == kMainPathKey || *k == kProjectPathKey) {
        if (text.empty())
            return fail(*k + " cannot be empty");
        std::string& path = (*k == kMainPathKey) ? mainPath : projectPath;
        path = withTrailingSeparator(text);
        transferTempFile = projectPath + "FSSPAN.tmp";
        return true;
    }
    if (*k == kVersionKey || *k == kVersionExKey)
        return fail(*k + " is written by the program at every start");
    if (*k == kLanguageKey) {
        auto n = parseInteger(text, INT32_MIN, UINT32_MAX);
        if (!n)
            return fail(*k + " takes a whole number, not \"" + text + "\"");
        languageCode = static_cast<int>(static_cast<std::uint32_t>(*n));
        return true;
    }
    for (Field& f : fieldsOf(*this)) {
        if (f.key != *k)
            continue;
        switch (f.kind) {
        case Kind::Int: {
            auto n = parseInteger(text, f.lo, f.hi);
            if (!n)
                return fail(*k + " takes a whole number, not \"" + text + "\"");
            *f.i = static_cast<int>(*n);
            return true;
        }
        case Kind::Int32Time: {
            auto n = parseInteger(text, INT32_MIN, INT32_MAX);
            if (!n)
                return fail(*k + " takes a time in seconds since 1970 (a 32-bit number), not \"" + text + "\"");
            *f.t = *n;
            return true;
        }
        case Kind::Text:
            *f.str = text;
            return true;
        case Kind::UsbIds: {
            auto ids = parseUsbIds(text);
            if (!ids)
                return fail(*k + " takes a list of VENDOR:PRODUCT hex ids separated by commas, not \"" + text + "\"");
            *f.ids = *ids;
            return true;
        }
        }
    }
    return fail("unknown key: " + key);
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
    auto store = openStore(settingsFile_);
    if (store->status() == QSettings::FormatError) {
        if (error)
            *error = "not saving: " + storeLocation() + " is not a valid settings file";
        return false;
    }
    // A value stored under another spelling of the key would otherwise shadow ours.
    for (const QString& existing : store->allKeys())
        if (existing.compare(q(*k), Qt::CaseInsensitive) == 0 && existing != q(*k))
            store->remove(existing);
    store->setValue(q(*k), q(*v));
    store->sync();
    if (store->status() != QSettings::NoError) {
        if (error)
            *error = "cannot write the settings to " + storeLocation() + ": " + statusText(store->status());
        return false;
    }
    return true;
}

}  // namespace feld
