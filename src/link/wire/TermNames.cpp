#include "link/wire/TermNames.h"

#include <cstring>

#include "base/AsciiCase.h"
#include "base/Texts.h"
#include "link/wire/TermStatus.h"

namespace feld::wire {

namespace {


bool isShortNameChar(char c, bool lowerToo)
{
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    if (c >= 'a' && c <= 'z')
        return lowerToo;
    return c != '\0' && std::strchr("!#$%&'()-@^_`{}~", c) != nullptr;
}

std::string nameProblem(std::string_view name, bool storing)
{
    if (name.empty())
        return tk("link.name.empty", "empty name");
    auto dot = name.find('.');
    std::string_view base = name.substr(0, dot);
    std::string_view ext = dot == std::string_view::npos ? std::string_view{} : name.substr(dot + 1);
    if (ext.find('.') != std::string_view::npos)
        return tk("link.name.dots", "not an 8.3 name: more than one '.'");
    if (base.empty() || base.size() > 8)
        return tk("link.name.base", "not an 8.3 name: the base is not 1-8 characters");
    if (dot != std::string_view::npos && (ext.empty() || ext.size() > 3))
        return tk("link.name.extension", "not an 8.3 name: the extension is not 1-3 characters");
    bool lower = false;
    for (char c : name) {
        if (c == '.')
            continue;
        if (!isShortNameChar(c, true))
            return tk("link.name.character", "not an 8.3 name: it holds a character a short name cannot hold");
        lower = lower || (c >= 'a' && c <= 'z');
    }
    if (storing && lower)
        return tk("link.name.lowerCase", "not an upper-case 8.3 name");
    return {};
}

}  // namespace

std::string storedNameProblem(std::string_view name)
{
    if (name == term::kFlashWriterTerminalName)
        return {};
    return nameProblem(name, true);
}

std::string lookupNameProblem(std::string_view name) { return nameProblem(name, false); }

std::string pathProblem(std::string_view path)
{
    if (path.find('/') != std::string_view::npos)
        return tk("link.path.slash", "path has a '/'");
    if (path.size() < 2 || path[1] != ':')
        return tk("link.path.noDrive", "path does not start with a drive");
    char drive = asciiUpper(path[0]);
    if (drive != 'C' && drive != 'D')
        return tk("link.path.drive", "drive is not C: or D:");
    std::string_view rest = path.substr(2);
    if (rest.empty())
        return {};
    if (rest[0] != '\\')
        return tk("link.path.noBackslash", "path has no '\\' after the drive");
    rest.remove_prefix(1);
    while (!rest.empty()) {
        auto sep = rest.find('\\');
        std::string_view part = rest.substr(0, sep);
        if (part.empty())
            return tk("link.path.empty", "path has an empty component");
        if (part == ".")
            return tk("link.path.dot", "path has a '.' component");
        if (part == "..")
            return tk("link.path.dotDot", "path has a '..' component");
        std::string why = lookupNameProblem(part);
        if (!why.empty())
            return formatText(tk("link.path.component", "path component %s: %s"), {std::string(part), why});
        rest = sep == std::string_view::npos ? std::string_view{} : rest.substr(sep + 1);
    }
    return {};
}

std::string dataFilePath(std::string_view entry, std::string& path)
{
    std::string p(entry);
    for (char& c : p)
        c = c == '/' ? '\\' : c;
    if (p.find('\\') == std::string::npos && p.find(':') == std::string::npos)
        p = "C:\\Data\\" + p;
    if (std::string why = pathProblem(p); !why.empty())
        return why;
    if (p.back() == '\\' || p.size() <= 3)
        return tk("link.path.noFile", "path names a folder, not a file");
    for (std::size_t i = p.rfind('\\') + 1; i < p.size(); ++i)
        p[i] = asciiUpper(p[i]);
    path = p;
    return {};
}

}  // namespace feld::wire
