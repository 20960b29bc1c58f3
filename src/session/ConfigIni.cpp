#include "session/ConfigIni.h"

#include <algorithm>
#include <cstdint>

#include "base/AsciiCase.h"
#include "base/Texts.h"

namespace feld::ini {
namespace {

constexpr std::size_t npos = std::string_view::npos;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isTrimmed(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool isLineEnd(char c) { return c == '\n' || c == '\r'; }
bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }


std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isTrimmed(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isTrimmed(s.back()))
        s.remove_suffix(1);
    return s;
}

void appendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The UTF-16 units of a UTF-8 text, as QString holds them (a broken sequence becomes U+FFFD).
std::vector<std::uint16_t> utf16Units(std::string_view s)
{
    static constexpr std::uint32_t kLowest[] = {0, 0x80, 0x800, 0x10000};
    std::vector<std::uint16_t> units;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t more = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : 4;
        std::uint32_t cp = more == 0 ? b : more == 1 ? (b & 0x1F) : more == 2 ? (b & 0x0F) : (b & 0x07);
        bool good = more < 4 && i + more < s.size();
        for (std::size_t k = 1; good && k <= more; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            good = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3F);
        }
        good = good && cp >= kLowest[more] && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
        if (!good) {
            cp = 0xFFFD;
            i += 1;
        } else {
            i += more + 1;
        }
        if (cp >= 0x10000) {
            units.push_back(static_cast<std::uint16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            units.push_back(static_cast<std::uint16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            units.push_back(static_cast<std::uint16_t>(cp));
        }
    }
    return units;
}

// A key or section name as QSettings reads it: "\" stands for "/", "%XX" and "%UXXXX" for the
// character with that code.
std::string unescapedKey(std::string_view key)
{
    std::string out;
    for (std::size_t i = 0; i < key.size();) {
        char c = key[i];
        if (c == '\\') {
            out += '/';
            ++i;
            continue;
        }
        if (c == '%' && i + 1 < key.size()) {
            std::size_t first = i + 1, digits = 2;
            if (key[i + 1] == 'U') {
                ++first;
                digits = 4;
            }
            if (first + digits <= key.size() &&
                std::all_of(key.begin() + static_cast<std::ptrdiff_t>(first),
                            key.begin() + static_cast<std::ptrdiff_t>(first + digits), isHexDigit)) {
                appendUtf8(out, std::stoul(std::string(key.substr(first, digits)), nullptr, 16));
                i = first + digits;
                continue;
            }
        }
        out += c;
        ++i;
    }
    return out;
}

// One line as QSettings reads it: [start, end) with its first "=" outside quotes. The rules are
// QSettings' own, so that a line here is a line there.
struct Line {
    std::size_t start = 0, end = 0;
    std::size_t equals = npos;
    bool open = false;  // the text ended inside it: in quotes, or in a backslash's continuation
};

bool nextLine(std::string_view d, std::size_t& pos, Line& line)
{
    const std::size_t n = d.size();
    bool inQuotes = false;
    bool escaping = false;  // the last character was a backslash, or a line end it escaped
    line.equals = npos;
    std::size_t start = pos;
    while (start < n && isBlank(d[start]))
        ++start;
    std::size_t i = start;
    while (i < n) {
        char c = d[i++];
        escaping = false;
        if (c == '=') {
            if (!inQuotes && line.equals == npos)
                line.equals = i - 1;
        } else if (isLineEnd(c)) {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            // The next character belongs to the value, a line end (CR LF or LF CR as one) too.
            if (i < n) {
                char e = d[i++];
                if (i < n && ((e == '\n' && d[i] == '\r') || (e == '\r' && d[i] == '\n')))
                    ++i;
                escaping = isLineEnd(e);
            } else {
                escaping = true;
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == start + 1) {
                // A comment line: skipped with the blanks after it.
                while (i < n && !isLineEnd(d[i]))
                    ++i;
                while (i < n && isBlank(d[i]))
                    ++i;
                start = i;
            } else if (!inQuotes) {
                --i;  // a comment after the value ends the line
                break;
            }
        }
    }
    pos = i;
    line.start = start;
    line.end = i;
    line.open = i == n && (inQuotes || escaping);
    return i > start;
}

// Past the line end of the physical line holding `at` (a comment after the value included).
std::size_t physicalEnd(std::string_view d, std::size_t at)
{
    while (at < d.size() && !isLineEnd(d[at]))
        ++at;
    if (at < d.size() && d[at] == '\r') {
        if (++at < d.size() && d[at] == '\n')
            ++at;
    } else if (at < d.size()) {
        ++at;
    }
    return at;
}

struct Section {
    std::string name;     // unescaped, as in the header
    bool root = false;    // "[General]", or the lines before the first header
    std::size_t headerEnd = 0;
    std::size_t lastEntryEnd = npos;
};

struct Entry {
    std::string key;  // the full key, "FeldSpan/Settings/Baudrate"
    std::size_t valueBegin = 0, valueEnd = 0;
};

struct Parsed {
    bool ok = true;
    std::string reason;
    std::vector<Section> sections;  // [0] is the root before the first header
    std::vector<Entry> entries;
};

std::string lineNumberOf(std::string_view d, std::size_t at)
{
    return std::to_string(1 + std::count(d.begin(), d.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
}

// A line for a message: at most 40 characters, control characters shown as "?".
std::string shown(std::string_view s)
{
    std::string out(s.substr(0, 40));
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20)
            c = '?';
    return s.size() > 40 ? out + "..." : out;
}

Parsed parse(std::string_view d)
{
    Parsed p;
    std::size_t pos = d.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    p.sections.push_back({"", true, pos, npos});
    Line line;
    while (nextLine(d, pos, line)) {
        std::string_view text = d.substr(line.start, line.end - line.start);
        if (line.open) {
            // Whatever came after it (a line added at the end) would become part of it.
            p.ok = false;
            p.reason = formatText(tk("config.ini.open", "line %s: \"%s\" runs to the end of the file (a quote not closed, or a "
                                                        "backslash at the end of the last line)"),
                                  {lineNumberOf(d, line.start), shown(text)});
            return p;
        }
        if (text.front() == '[') {
            std::size_t close = text.find(']');
            if (close == npos) {
                p.ok = false;
                p.reason = formatText(tk("config.ini.section", "line %s: the section header \"%s\" has no closing \"]\""),
                                      {lineNumberOf(d, line.start), shown(text)});
                return p;
            }
            std::string_view raw = trimmed(text.substr(1, close - 1));
            Section s;
            if (equalsNoCase(raw, "general"))
                s.root = true;
            else if (equalsNoCase(raw, "%general"))
                s.name = std::string(raw.substr(1));
            else
                s.name = unescapedKey(raw);
            s.headerEnd = physicalEnd(d, line.end);
            p.sections.push_back(std::move(s));
            continue;
        }
        if (line.equals == npos) {
            if (text.front() == '#')
                continue;  // a comment in the other common spelling
            p.ok = false;
            p.reason = formatText(tk("config.ini.line", "line %s: \"%s\" is neither a KEY=VALUE line, a [section] nor a comment"),
                                  {lineNumberOf(d, line.start), shown(text)});
            return p;
        }
        Section& s = p.sections.back();
        Entry e;
        std::string key = unescapedKey(trimmed(d.substr(line.start, line.equals - line.start)));
        e.key = normalizedKey(s.root ? key : s.name + "/" + key);
        e.valueBegin = line.equals + 1;
        while (e.valueBegin < line.end && (d[e.valueBegin] == ' ' || d[e.valueBegin] == '\t'))
            ++e.valueBegin;
        e.valueEnd = line.end;
        while (e.valueEnd > e.valueBegin && (d[e.valueEnd - 1] == ' ' || d[e.valueEnd - 1] == '\t'))
            --e.valueEnd;
        s.lastEntryEnd = physicalEnd(d, line.end);
        p.entries.push_back(std::move(e));
    }
    return p;
}

std::string lineEndOf(std::string_view d) { return d.find("\r\n") != npos ? "\r\n" : "\n"; }

std::string sectionHeader(const std::string& group)
{
    std::string name = escapedKey(group);
    if (name.empty())
        return "[General]";
    if (equalsNoCase(name, "general"))
        return "[%General]";
    return "[" + name + "]";
}

}  // namespace

std::string normalizedKey(const std::string& key)
{
    std::string out;
    for (char c : key)
        if (c != '/' || (!out.empty() && out.back() != '/'))
            out += c;
    if (!out.empty() && out.back() == '/')
        out.pop_back();
    return out;
}

std::string escapedKey(const std::string& key)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (std::uint16_t ch : utf16Units(key)) {
        if (ch == '/') {
            out += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' ||
                   ch == '-' || ch == '.') {
            out += static_cast<char>(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += hex[ch >> 4];
            out += hex[ch & 0xF];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += hex[(ch >> shift) & 0xF];
        }
    }
    return out;
}

std::string escapedValue(const std::string& value)
{
    // A text with a NUL in it is wrapped, one starting with "@" gets a second one: QSettings reads
    // "@..." as a typed value.
    std::string v = value;
    if (v.find('\0') != std::string::npos)
        v = "@String(" + v + ")";
    else if (!v.empty() && v.front() == '@')
        v.insert(v.begin(), '@');

    std::string out;
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;  // after "\x.." or "\0" a hex digit would join the number
    auto hexEscape = [&](unsigned char c) {
        static const char hex[] = "0123456789abcdef";
        out += "\\x";
        if (c >= 0x10)
            out += hex[c >> 4];
        out += hex[c & 0xF];
    };
    for (char ch : v) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeNextIfDigit && isHexDigit(ch)) {
            hexEscape(c);
            continue;
        }
        escapeNextIfDigit = false;
        switch (c) {
        case '\0': out += "\\0"; escapeNextIfDigit = true; break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += ch;
            break;
        default:
            if (c <= 0x1F) {
                hexEscape(c);
                escapeNextIfDigit = true;
            } else {
                out += ch;  // UTF-8 goes as it is
            }
        }
    }
    if (needsQuotes || (!out.empty() && (out.front() == ' ' || out.back() == ' ')))
        out = "\"" + out + "\"";
    return out;
}

EditResult setValues(std::string_view original, const std::vector<Assignment>& values)
{
    EditResult r;
    std::string text(original);
    const std::string eol = lineEndOf(original);
    for (const auto& [key, value] : values) {
        Parsed p = parse(text);
        if (!p.ok) {
            r.reason = p.reason;
            return r;
        }
        const std::string escaped = escapedValue(value);
        bool found = false;
        // From the last line back, so the offsets of the lines before stay good.
        const std::string wanted = normalizedKey(key);
        for (auto e = p.entries.rbegin(); e != p.entries.rend(); ++e) {
            if (!equalsNoCase(e->key, wanted))
                continue;
            found = true;
            text.replace(e->valueBegin, e->valueEnd - e->valueBegin, escaped);
        }
        if (found)
            continue;

        const std::size_t slash = key.find('/');
        const std::string group = slash == std::string::npos ? std::string() : key.substr(0, slash);
        const std::string line =
            escapedKey(slash == std::string::npos ? key : key.substr(slash + 1)) + "=" + escaped + eol;
        auto section = std::find_if(p.sections.rbegin(), p.sections.rend(), [&](const Section& s) {
            if (group.empty())
                return s.root && (&s != &p.sections.front() || s.lastEntryEnd != npos);
            return !s.root && equalsNoCase(s.name, group);
        });
        if (section != p.sections.rend()) {
            std::size_t at = section->lastEntryEnd != npos ? section->lastEntryEnd : section->headerEnd;
            std::string add = line;
            if (at > 0 && !isLineEnd(text[at - 1]))
                add.insert(0, eol);  // the file's last line had no line end
            text.insert(at, add);
            continue;
        }
        // A new section at the end, after a blank line as QSettings separates its sections.
        const std::size_t body = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
        if (std::any_of(text.begin() + static_cast<std::ptrdiff_t>(body), text.end(), [](char c) { return !isBlank(c); })) {
            if (!isLineEnd(text.back()))
                text += eol;
            if (text.size() < 2 * eol.size() || text.compare(text.size() - 2 * eol.size(), 2 * eol.size(), eol + eol) != 0)
                text += eol;
        }
        text += sectionHeader(group) + eol + line;
    }
    // What was written must read back as a settings file.
    Parsed check = parse(text);
    if (!check.ok) {
        r.reason = formatText(tk("config.ini.readBack", "the changed settings would not read back (%s)"), {check.reason});
        return r;
    }
    r.parsed = true;
    r.text = std::move(text);
    return r;
}

}  // namespace feld::ini
