#include "sim/SimNames.h"

#include <cstring>

#include "base/AsciiCase.h"
#include "link/wire/TermCodec.h"
#include "link/wire/TermNames.h"

namespace feld::sim {


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

bool listsDrives(std::string_view path) { return path.empty() || path == "\\" || equalsNoCase(path, "PDT"); }

std::string upper(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = asciiUpper(c);
    return out;
}


bool endsWithNoCase(std::string_view s, std::string_view tail)
{
    return s.size() >= tail.size() && equalsNoCase(s.substr(s.size() - tail.size()), tail);
}

}  // namespace feld::sim
