#include "base/KeyText.h"

#include "base/AsciiCase.h"

namespace feld {

namespace {

bool blank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Where the line that starts at `from` ends, and where the next one starts.
void lineAt(std::string_view text, std::size_t from, KeyLineEnd end, std::size_t& stop, std::size_t& next)
{
    if (end == KeyLineEnd::CrLf) {
        stop = text.find("\r\n", from);
        next = stop == std::string_view::npos ? text.size() : stop + 2;
    } else {
        stop = text.find('\n', from);
        next = stop == std::string_view::npos ? text.size() : stop + 1;
        if (stop != std::string_view::npos && stop > from && text[stop - 1] == '\r')
            --stop;
        else if (stop == std::string_view::npos && !text.empty() && text.back() == '\r' && text.size() > from)
            stop = text.size() - 1;
    }
    if (stop == std::string_view::npos)
        stop = text.size();
}

}  // namespace

bool keyLine(std::string_view line, std::string_view& name, std::string_view& value)
{
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return false;
    name = trimmed(line.substr(0, eq));
    value = trimmed(line.substr(eq + 1));
    return !name.empty();
}

std::string keyValue(std::string_view text, std::string_view key, KeyLineEnd end)
{
    std::size_t stop = 0, next = 0;
    if (const std::size_t at = text.find(key); at != std::string_view::npos) {
        const std::size_t from = at + key.size();
        lineAt(text, from, end, stop, next);
        return std::string(text.substr(from, stop - from));
    }
    std::string_view wanted = key;
    if (!wanted.empty() && wanted.back() == '=')
        wanted.remove_suffix(1);
    for (std::size_t from = 0; from < text.size(); from = next) {
        lineAt(text, from, end, stop, next);
        std::string_view name, value;
        if (keyLine(text.substr(from, stop - from), name, value) && equalsNoCase(name, wanted))
            return std::string(value);
    }
    return {};
}

}  // namespace feld
