#include "base/Texts.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace feld {
namespace {

std::string argAsString(const TextArg& a)
{
    if (auto s = std::get_if<std::string>(&a.value))
        return *s;
    if (auto i = std::get_if<long long>(&a.value))
        return std::to_string(*i);
    if (auto u = std::get_if<unsigned long long>(&a.value))
        return std::to_string(*u);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", std::get<double>(a.value));
    return buf;
}

// Formats one directive with a C format string that we built ourselves from checked pieces,
// so the library's printf only ever sees a directive matching the argument's real type.
std::string formatOne(const std::string& flags, int width, int precision, char conv, const TextArg& arg)
{
    std::string spec = "%" + flags;
    if (width >= 0)
        spec += std::to_string(width);
    if (precision >= 0)
        spec += "." + std::to_string(precision);
    std::vector<char> buf(128 + static_cast<std::size_t>(width > 0 ? width : 0) + static_cast<std::size_t>(precision > 0 ? precision : 0));
    auto print = [&](const std::string& f, auto v) {
        int n = std::snprintf(buf.data(), buf.size(), f.c_str(), v);
        if (n < 0)
            return std::string();
        if (static_cast<std::size_t>(n) >= buf.size()) {
            buf.resize(static_cast<std::size_t>(n) + 1);
            std::snprintf(buf.data(), buf.size(), f.c_str(), v);
        }
        return std::string(buf.data(), static_cast<std::size_t>(n));
    };

    switch (conv) {
    case 'd': case 'i': case 'u': case 'x': case 'X': case 'c': {
        long long v = 0;
        if (auto i = std::get_if<long long>(&arg.value))
            v = *i;
        else if (auto u = std::get_if<unsigned long long>(&arg.value))
            v = static_cast<long long>(*u);
        else if (auto d = std::get_if<double>(&arg.value))
            v = static_cast<long long>(*d);
        else
            return argAsString(arg);
        if (conv == 'c')
            return print(spec + "c", static_cast<int>(v));
        if (conv == 'u' || conv == 'x' || conv == 'X')
            return print(spec + "ll" + conv, static_cast<unsigned long long>(v));
        return print(spec + "lld", v);
    }
    case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': {
        double v = 0;
        if (auto d = std::get_if<double>(&arg.value))
            v = *d;
        else if (auto i = std::get_if<long long>(&arg.value))
            v = static_cast<double>(*i);
        else if (auto u = std::get_if<unsigned long long>(&arg.value))
            v = static_cast<double>(*u);
        else
            return argAsString(arg);
        return print(spec + conv, v);
    }
    case 's':
    default: {
        std::string s = argAsString(arg);
        return print(spec + "s", s.c_str());
    }
    }
}

std::string unescape(const std::string& s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        char c = s[++i];
        switch (c) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case '\\': out += '\\'; break;
        default: out += '\\'; out += c; break;
        }
    }
    return out;
}

}  // namespace

std::string formatText(const std::string& fmt, std::initializer_list<TextArg> args)
{
    std::string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < fmt.size(); ++i) {
        if (fmt[i] != '%') {
            out += fmt[i];
            continue;
        }
        std::size_t j = i + 1;
        if (j < fmt.size() && fmt[j] == '%') {
            out += '%';
            i = j;
            continue;
        }
        std::string flags;
        while (j < fmt.size() && std::string_view("-+ #0").find(fmt[j]) != std::string_view::npos)
            flags += fmt[j++];
        int width = -1, precision = -1;
        auto readNumber = [&](int& v) {
            if (j < fmt.size() && std::isdigit(static_cast<unsigned char>(fmt[j]))) {
                v = 0;
                while (j < fmt.size() && std::isdigit(static_cast<unsigned char>(fmt[j])) && v < 1000)
                    v = v * 10 + (fmt[j++] - '0');
                while (j < fmt.size() && std::isdigit(static_cast<unsigned char>(fmt[j])))
                    ++j;
            }
        };
        readNumber(width);
        if (j < fmt.size() && fmt[j] == '.') {
            ++j;
            precision = 0;
            readNumber(precision);
        }
        while (j < fmt.size() && (fmt[j] == 'l' || fmt[j] == 'h' || fmt[j] == 'z'))
            ++j;
        if (j >= fmt.size() || std::string_view("diuxXcfFeEgGs").find(fmt[j]) == std::string_view::npos) {
            // Not a directive we know: keep the text as it stands.
            out += fmt.substr(i, j - i);
            i = j - 1;
            continue;
        }
        if (next != args.end())
            out += formatOne(flags, width, precision, fmt[j], *next++);
        i = j;
    }
    return out;
}

TextCatalog& TextCatalog::instance()
{
    static TextCatalog catalog;
    return catalog;
}

bool TextCatalog::loadPack(const std::string& path, std::string* error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error)
            *error = "cannot open " + path;
        return false;
    }
    constexpr std::streamsize maxPack = 4 * 1024 * 1024;
    std::string data;
    data.resize(static_cast<std::size_t>(maxPack) + 1);
    in.read(data.data(), maxPack + 1);
    if (in.bad()) {
        if (error)
            *error = "cannot read " + path;
        return false;
    }
    data.resize(static_cast<std::size_t>(in.gcount()));
    if (static_cast<std::streamsize>(data.size()) > maxPack) {
        if (error)
            *error = path + " is too large for a language pack";
        return false;
    }
    if (data.compare(0, 3, "\xEF\xBB\xBF") == 0)
        data.erase(0, 3);

    std::map<int, std::string> byId;
    std::map<std::string, std::string> byKey;
    std::istringstream lines(data);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        auto eq = line.find('=');
        if (eq == std::string::npos || eq == 0)
            continue;
        std::string key = line.substr(0, eq);
        // Blanks around the key do not count; the text after "=" is kept as it stands.
        while (!key.empty() && (key.back() == ' ' || key.back() == '\t'))
            key.pop_back();
        key.erase(0, key.find_first_not_of(" \t"));
        if (key.empty())
            continue;
        std::string value = unescape(line.substr(eq + 1));
        int id = 0;
        auto [p, ec] = std::from_chars(key.data(), key.data() + key.size(), id);
        if (ec == std::errc() && p == key.data() + key.size())
            byId[id] = std::move(value);
        else
            byKey[key] = std::move(value);
    }
    byId_ = std::move(byId);
    byKey_ = std::move(byKey);
    packPath_ = path;
    return true;
}

void TextCatalog::clearPack()
{
    byId_.clear();
    byKey_.clear();
    packPath_.clear();
}

std::string TextCatalog::text(int id) const
{
    if (auto it = byId_.find(id); it != byId_.end())
        return it->second;
    if (const char* own = builtinText(id))
        return own;
    return {};
}

std::string TextCatalog::text(const std::string& key, const std::string& fallback) const
{
    if (auto it = byKey_.find(key); it != byKey_.end())
        return it->second;
    return fallback;
}

std::string TextCatalog::format(int id, std::initializer_list<TextArg> args) const
{
    return formatText(text(id), args);
}

}  // namespace feld
