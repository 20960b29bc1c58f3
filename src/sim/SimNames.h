#pragma once
// Names on the simulated terminal: the terminal's own rules (link/wire/TermNames.h) and the
// sim's helpers for paths and letter case.

#include <string>
#include <string_view>

#include "link/wire/TermNames.h"

namespace feld::sim {

using wire::lookupNameProblem;
using wire::pathProblem;
using wire::storedNameProblem;

// The last component of a path ("" when it ends in "\" or names a drive).
std::string_view lastPart(std::string_view path);
// A listing's folder: the path without a final "*.*" ("C:\Data\*.*" lists "C:\Data\").
std::string_view listedFolder(std::string_view path);
// Whether a listing asks for the drives: "PDT" (the terminal itself, as the PC's tree asks from
// firmware 2.01 on), or an empty path or "\".
bool listsDrives(std::string_view path);

std::string upper(std::string_view s);
bool endsWithNoCase(std::string_view s, std::string_view tail);

}  // namespace feld::sim
