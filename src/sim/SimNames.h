#pragma once
// Names on the simulated terminal, as strict as a terminal is about them.
//
// The terminal keeps 8.3 names in upper-case ASCII: a base of 1-8 characters, optionally a "." and
// an extension of 1-3, made of A-Z, 0-9 and the marks a short name may hold
// (! # $ % & ' ( ) - @ ^ _ ` { } ~). A name it is asked to store must be one; the flash writer's fixed
// name, which the PC sends in mixed case, is taken as it is. Existing files and folders are looked
// up without regard to letter case, so a lookup takes the same names in either case.
//
// A terminal path is "C:" or "D:" (either case) followed by "\"-separated names; one trailing "\"
// is allowed ("C:\" names the drive). Each check answers why a name or path breaks the rules, or
// an empty text when it keeps them.

#include <string>
#include <string_view>

namespace feld::sim {

// A name the terminal may store under.
std::string storedNameProblem(std::string_view name);
// A name that may name an existing file or folder (letters in either case).
std::string lookupNameProblem(std::string_view name);
// A terminal path: its drive, separators and every component.
std::string pathProblem(std::string_view path);
// The last component of a path ("" when it ends in "\" or names a drive).
std::string_view lastPart(std::string_view path);
// A listing's folder: the path without a final "*.*" ("C:\Data\*.*" lists "C:\Data\").
std::string_view listedFolder(std::string_view path);

std::string upper(std::string_view s);
bool sameNoCase(std::string_view a, std::string_view b);
bool endsWithNoCase(std::string_view s, std::string_view tail);

}  // namespace feld::sim
