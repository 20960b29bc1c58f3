#pragma once
// What the terminal takes as a name or a path, for the PC (which checks before it sends) and the
// simulated terminal (which refuses with status 10) alike.
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

namespace feld::wire {

// A name the terminal may store under.
std::string storedNameProblem(std::string_view name);
// A name that may name an existing file or folder (letters in either case).
std::string lookupNameProblem(std::string_view name);
// A terminal path: its drive, separators and every component.
std::string pathProblem(std::string_view path);

// A data file as users write it ("data1.txt", "C:/Data/DATA1.TXT", "d:\lookup\x.dbf"): "/" stands
// for "\", a name alone is one of C:\Data, and the file's name is put in the terminal's own (upper)
// case, so that two spellings of one file name one file. Sets `path` and answers an empty text, or
// why the entry names no terminal file.
std::string dataFilePath(std::string_view entry, std::string& path);

}  // namespace feld::wire
