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

}  // namespace feld
