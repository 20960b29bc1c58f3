#include "sim/SimNames.h"

#include <cctype>
#include <cstring>

#include "link/wire/TermCodec.h"
#include "link/wire/TermNames.h"

namespace feld::sim {

namespace {

char upperChar(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

}  // namespace

std::string_view lastPart(std::string_view path)
{
    auto sep = path.find_last_of("\\:");
    return sep == std::string_view::npos ? path : path.substr(sep + 1);
}

std::string_view listedFolder(std::string_view path)
{
    if (path.size() >= 4 && path.substr(path.size() - 4) == "\\*.*")
        return path.substr(0, path.size() - 3);
    return path;
}

bool listsDrives(std::string_view path) { return path.empty() || path == "\\" || sameNoCase(path, "PDT"); }

std::string upper(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = upperChar(c);
    return out;
}

bool sameNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upperChar(a[i]) != upperChar(b[i]))
            return false;
    return true;
}

bool endsWithNoCase(std::string_view s, std::string_view tail)
{
    return s.size() >= tail.size() && sameNoCase(s.substr(s.size() - tail.size()), tail);
}

}  // namespace feld::sim
