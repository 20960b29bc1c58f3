#pragma once
// Names on the simulated terminal: letter case helpers for names and paths from the line.

#include <string>
#include <string_view>

namespace feld::sim {

std::string upper(std::string_view s);
bool sameNoCase(std::string_view a, std::string_view b);
bool endsWithNoCase(std::string_view s, std::string_view tail);

}  // namespace feld::sim
