#include "sim/SimNames.h"

#include <cctype>

namespace feld::sim {

namespace {

char upperChar(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

}  // namespace

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
