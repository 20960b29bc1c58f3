#include "session/ConfigKeys.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

#include "base/AsciiCase.h"
#include "base/Texts.h"
#include "session/Config.h"
#include "session/ConfigStore.h"
#include "session/ReceiveJob.h"

namespace feld {
namespace {

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

// A number the key takes: in its range and, when it has a list, on it.
std::optional<long long> parseNumber(const ConfigKey& k, const std::string& text)
{
    auto v = parseInteger(text, k.lo, k.hi);
    if (v && !k.allowed.empty() && std::find(k.allowed.begin(), k.allowed.end(), *v) == k.allowed.end())
        return std::nullopt;
    return v;
}

// The line speeds the port settings offer; the reply time-outs are reckoned for these.
constexpr long long kBaudRates[] = {4800, 9600, 19200, 38400, 57600, 115200};
// The intervals the resident settings offer, in seconds.
constexpr long long kIntervals[] = {10, 20, 30, 60, 120, 180};

std::string listText(const std::vector<long long>& values)
{
    std::string out;
    for (long long v : values)
        out += (out.empty() ? "" : ", ") + std::to_string(v);
    return out;
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

}  // namespace

std::vector<ConfigKey> configKeysOf(Config& c)
{
    std::vector<ConfigKey> f;

    // The folders, the values written at every start and the language: read, never written by save().
    auto folder = [&](const char* key, std::string* member, std::string (*def)()) {
        ConfigKey k{key, KeyKind::Folder, false, false};
        k.str = member;
        k.defaultFolder = def;
        f.push_back(k);
    };
    folder("FeldSpan/PATH/MAINPATH", &c.mainPath, &Config::defaultMainPath);
    folder("FeldSpan/PATH/PROJECTPATH", &c.projectPath, &Config::defaultProjectPath);
    {
        ConfigKey version{"FeldSpan/PATH/VERSION", KeyKind::Int, false, true};
        version.def = Config::kVersion;
        f.push_back(version);
        ConfigKey versionEx{"FeldSpan/PATH/VERSIONEX", KeyKind::Text, false, true};
        versionEx.defText = Config::kVersionEx;
        f.push_back(versionEx);
    }
    {
        // 0 chooses the language by the locale; the registry may hold it as an unsigned DWORD.
        ConfigKey language{"PATH/LANGUAGE", KeyKind::Int, false, false, 0, INT32_MIN, UINT32_MAX};
        language.i = &c.languageCode;
        // Set by hand it is one of the language packs' codes (1 to 5) or 0 for the locale's.
        language.settable = {0, 1, 2, 3, 4, 5};
        f.push_back(language);
    }

    const std::string settings = "FeldSpan/Settings/";
    auto setting = [&](const char* name, int* v, long long def, long long lo = INT_MIN, long long hi = INT_MAX) {
        ConfigKey k{settings + name, KeyKind::Int, true, false, def, lo, hi};
        k.i = v;
        f.push_back(k);
    };
    auto text = [&](const std::string& key, std::string* v) {
        ConfigKey k{key, KeyKind::Text, true, false};
        k.str = v;
        f.push_back(k);
    };
    setting("PortChoice", &c.port.portChoice, 1, 0, 1);
    setting("SerialPort", &c.port.serialPort, 1, 1, 256);
    text(settings + "SerialDevice", &c.port.serialDevice);
    text(settings + "UsbDevice", &c.port.usbDevice);
    {
        ConfigKey k{settings + "UsbIds", KeyKind::UsbIds, true, false};
        k.ids = &c.port.usbIds;
        f.push_back(k);
    }
    setting("SelPort", &c.port.selPort, 1);  // passed through the port record: any number
    setting("Baudrate", &c.port.baudrate, 115200);
    f.back().allowed.assign(std::begin(kBaudRates), std::end(kBaudRates));
    setting("Databits", &c.port.databits, 8, 5, 8);
    setting("Stopbits", &c.port.stopbits, 1, 0, 2);
    setting("Parity", &c.port.parity, 0, 0, 2);
    setting("ID", &c.id, 0);  // carried unchanged: any number
    setting("CarriageReturn", &c.carriageReturn, 1, 0, 1);
    setting("LineFeed", &c.lineFeed, 1, 0, 1);
    setting("Delete", &c.deleteAfterReceive, 0, 0, 1);
    setting("SendOnlyChanged", &c.sendOnlyChanged, 0, 0, 1);
    setting("Dump", &c.dump, 0, 0, 1);
    f.back().saved = false;  // the user's own switch: read, never written at exit

    const std::string standby = "FeldSpan/Standby/";
    auto number = [&](const std::string& name, int* v, long long def, long long lo, long long hi) {
        ConfigKey k{standby + name, KeyKind::Int, true, false, def, lo, hi};
        k.i = v;
        f.push_back(k);
    };
    StandbyBlock& b = c.standby;
    number("Type", &b.type, 0, 0, 1);
    number("TimeInterval", &b.timeInterval, 10, INT_MIN, INT_MAX);
    f.back().allowed.assign(std::begin(kIntervals), std::end(kIntervals));
    for (std::size_t n = 0; n < 3; ++n)
        number("FixTime" + std::to_string(n + 1) + "Enable", &b.fixTimeEnable[n], 0, 0, 1);
    for (std::size_t n = 0; n < 3; ++n) {
        ConfigKey k{standby + "FixTime" + std::to_string(n + 1), KeyKind::Time32, true, false, 0, INT32_MIN, INT32_MAX};
        k.t = &b.fixTime[n];
        f.push_back(k);
    }
    for (std::size_t n = 0; n < 10; ++n)
        number("FileEnable" + std::to_string(n + 1), &b.fileEnable[n], 0, 0, 1);
    for (std::size_t n = 0; n < 10; ++n) {
        text(standby + "string" + std::to_string(n + 1), &b.fileName[n]);
        f.back().check = [](const std::string& entry) { return entry.empty() ? std::string() : CollectionEntryProblem(entry); };
    }
    text(standby + "SavePath", &b.savePath);
    text(standby + "SavePath1", &b.savePath1);

    const std::string window = "FeldSpan/Window/";
    text(window + "Geometry", &c.windowGeometry);
    {
        ConfigKey k{window + "Mode", KeyKind::Int, true, false, -1, -1, 1};
        k.i = &c.windowMode;
        f.push_back(k);
    }
    text(window + "Split", &c.windowSplit);
    return f;
}

std::string keyText(const ConfigKey& k)
{
    switch (k.kind) {
    case KeyKind::Int: return std::to_string(*k.i);
    case KeyKind::Time32: return std::to_string(*k.t);
    case KeyKind::Text:
    case KeyKind::Folder: return *k.str;
    case KeyKind::UsbIds: return usbIdsText(*k.ids);
    }
    return {};
}

std::string takesText(const ConfigKey& k)
{
    switch (k.kind) {
    case KeyKind::Int:
        if (!k.settable.empty())
            return formatText(tk("config.takes.oneOf", "one of %s"), {listText(k.settable)});
        if (!k.allowed.empty())
            return formatText(tk("config.takes.oneOf", "one of %s"), {listText(k.allowed)});
        if (k.lo == 0 && k.hi == 1)
            return tk("config.takes.flag", "0 or 1");
        if (k.lo > INT_MIN || k.hi < INT_MAX)
            return formatText(tk("config.takes.range", "a whole number from %d to %d"), {k.lo, k.hi});
        return tk("config.takes.number", "a whole number");
    case KeyKind::Time32: return tk("config.takes.time", "a time in seconds since 1970 (a 32-bit number)");
    case KeyKind::UsbIds: return tk("config.takes.usbIds", "a list of VENDOR:PRODUCT hex ids separated by commas");
    case KeyKind::Text:
    case KeyKind::Folder: return tk("config.takes.text", "a text");
    }
    return {};
}

bool loadKey(const ConfigKey& k, const std::optional<std::string>& v)
{
    switch (k.kind) {
    case KeyKind::Int: {
        auto n = v ? parseNumber(k, *v) : std::nullopt;
        // A stored unsigned 32-bit number keeps its bits in the int.
        *k.i = static_cast<int>(n ? *n : k.def);
        return !v || n;
    }
    case KeyKind::Time32: {
        auto n = v ? parseNumber(k, *v) : std::nullopt;
        *k.t = n ? *n : k.def;
        return !v || n;
    }
    case KeyKind::Text:
        *k.str = v ? *v : k.defText;
        return true;
    case KeyKind::UsbIds: {
        auto ids = v ? parseUsbIds(*v) : std::nullopt;
        *k.ids = ids ? *ids : std::vector<UsbId>{};
        return !v || ids;
    }
    case KeyKind::Folder:
        return true;
    }
    return true;
}

std::string startValue(const ConfigKey& k, const std::optional<std::string>& v)
{
    if (k.kind == KeyKind::Int) {
        auto n = v ? parseNumber(k, *v) : std::nullopt;
        return std::to_string(n ? *n : k.def);
    }
    return v ? *v : k.defText;
}

bool keyHoldsNumber(const std::string& key)
{
    Config scratch;
    const std::string wanted = asciiLower(key);
    for (const ConfigKey& k : configKeysOf(scratch))
        if (asciiLower(k.key) == wanted)
            return k.kind == KeyKind::Int || k.kind == KeyKind::Time32;
    return false;
}

bool parseKey(const ConfigKey& k, const std::string& text, std::string& error)
{
    switch (k.kind) {
    case KeyKind::Int: {
        auto n = parseNumber(k, text);
        if (n && !k.settable.empty() && std::find(k.settable.begin(), k.settable.end(), *n) == k.settable.end())
            n.reset();
        if (!n) {
            error = formatText(tk("config.badValue", "%s takes %s, not \"%s\""), {k.key, takesText(k), text});
            return false;
        }
        *k.i = static_cast<int>(*n);
        return true;
    }
    case KeyKind::Time32: {
        auto n = parseNumber(k, text);
        if (!n) {
            error = formatText(tk("config.badValue", "%s takes %s, not \"%s\""), {k.key, takesText(k), text});
            return false;
        }
        *k.t = *n;
        return true;
    }
    case KeyKind::Text:
        if (k.check)
            if (std::string why = k.check(text); !why.empty()) {
                error = formatText(tk("term.refusedBecause", "%s: %s"), {k.key, why});
                return false;
            }
        *k.str = text;
        return true;
    case KeyKind::UsbIds: {
        auto ids = parseUsbIds(text);
        if (!ids) {
            error = formatText(tk("config.badValue", "%s takes %s, not \"%s\""), {k.key, takesText(k), text});
            return false;
        }
        *k.ids = *ids;
        return true;
    }
    case KeyKind::Folder:
        if (text.empty()) {
            error = formatText(tk("config.empty", "%s cannot be empty"), {k.key});
            return false;
        }
        *k.str = Config::withTrailingSeparator(text);
        return true;
    }
    return false;
}

// --- Config's single values by key.

std::vector<std::pair<std::string, std::string>> Config::entries() const
{
    std::vector<std::pair<std::string, std::string>> out;
    Config& self = const_cast<Config&>(*this);  // the table binds to members; nothing is changed
    for (const ConfigKey& k : configKeysOf(self))
        out.emplace_back(k.key, *value(k.key));
    return out;
}

std::optional<std::string> Config::canonicalKey(const std::string& key)
{
    Config probe;
    for (const ConfigKey& k : configKeysOf(probe))
        if (equalsNoCase(key, k.key))
            return k.key;
    return std::nullopt;
}

std::optional<std::string> Config::value(const std::string& key) const
{
    Config& self = const_cast<Config&>(*this);
    for (const ConfigKey& k : configKeysOf(self)) {
        if (!equalsNoCase(key, k.key))
            continue;
        if (k.writtenAtStart)
            return startValue(k, readStoredText(settingsFile_, k.key));
        return keyText(k);
    }
    return std::nullopt;
}

bool Config::setValue(const std::string& key, const std::string& text, std::string* error)
{
    std::string why;
    for (const ConfigKey& k : configKeysOf(*this)) {
        if (!equalsNoCase(key, k.key))
            continue;
        if (k.writtenAtStart)
            why = formatText(tk("config.programsOwn", "%s is written by the program itself"), {k.key});
        else if (parseKey(k, text, why)) {
            if (k.kind == KeyKind::Folder)
                transferTempFile = projectPath + "FSSPAN.tmp";
            return true;
        }
        if (error)
            *error = why;
        return false;
    }
    if (error)
        *error = formatText(tk("config.unknownKey", "unknown key: %s"), {key});
    return false;
}

bool Config::isSupportedBaudRate(long long rate)
{
    return std::find(std::begin(kBaudRates), std::end(kBaudRates), rate) != std::end(kBaudRates);
}

std::string Config::supportedBaudRates()
{
    return listText({std::begin(kBaudRates), std::end(kBaudRates)});
}

}  // namespace feld
