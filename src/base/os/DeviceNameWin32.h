#pragma once
// Names that open a device rather than a file on Windows: "NUL", "COM3", "con.txt" in any folder,
// and anything under \\.\ (named pipes, "\\.\COM12").
#include <cwctype>
#include <string>

namespace feld::os {

inline bool IsDeviceName(const std::wstring& path)
{
    if (path.rfind(L"\\\\.\\", 0) == 0 || path.rfind(L"//./", 0) == 0)
        return true;
    const std::size_t cut = path.find_last_of(L"\\/:");
    std::wstring name = cut == std::wstring::npos ? path : path.substr(cut + 1);
    // The device's name is what precedes an extension and trailing spaces.
    name = name.substr(0, name.find(L'.'));
    while (!name.empty() && name.back() == L' ')
        name.pop_back();
    for (wchar_t& c : name)
        c = static_cast<wchar_t>(std::towupper(c));
    if (name == L"CON" || name == L"PRN" || name == L"AUX" || name == L"NUL" || name == L"CONIN$" || name == L"CONOUT$")
        return true;
    return name.size() == 4 && (name.rfind(L"COM", 0) == 0 || name.rfind(L"LPT", 0) == 0) && name[3] >= L'1' && name[3] <= L'9';
}

}  // namespace feld::os
