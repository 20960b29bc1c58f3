#pragma once
// PC paths in the platform's form: the file-name part is what follows the last separator ("/" on
// Linux; "\" or "/" on Windows).

#include <string>

namespace feld {

inline std::string PcFileName(const std::string& path)
{
#ifdef _WIN32
    std::size_t cut = path.find_last_of("\\/");
#else
    std::size_t cut = path.rfind('/');
#endif
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

// Whether `c` separates the parts of a PC path.
inline bool IsPcSeparator(char c)
{
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

// A file in a PC folder: the folder without its trailing separators, then the platform's separator
// ("\\" on Windows, so that messages show one kind), then the name.
inline std::string PcJoin(std::string folder, const std::string& name)
{
    while (!folder.empty() && (folder.back() == '/' || folder.back() == '\\'))
        folder.pop_back();
#ifdef _WIN32
    return folder + "\\" + name;
#else
    return folder + "/" + name;
#endif
}

}  // namespace feld
