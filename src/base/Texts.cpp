#include "base/Texts.h"

#include <cctype>
#include <cstdio>
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

void TextCatalog::setSource(std::shared_ptr<const TextSource> source)
{
    std::lock_guard lock(mutex_);
    source_ = std::move(source);
}

std::shared_ptr<const TextSource> TextCatalog::source() const
{
    std::lock_guard lock(mutex_);
    return source_;
}

std::string TextCatalog::text(int id) const
{
    if (auto src = source())
        if (auto t = src->byId(id))
            return std::move(*t);
    if (const char* own = builtinText(id))
        return own;
    return {};
}

std::string TextCatalog::text(const std::string& key, const std::string& fallback) const
{
    if (auto src = source())
        if (auto t = src->byKey(key))
            return std::move(*t);
    return fallback;
}

std::string TextCatalog::format(int id, std::initializer_list<TextArg> args) const
{
    return formatText(text(id), args);
}

}  // namespace feld
