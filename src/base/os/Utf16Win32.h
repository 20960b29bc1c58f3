#pragma once
// Our paths and texts are UTF-8 std::strings everywhere; the wide Win32 calls take UTF-16. One pair
// of converters for every Win32 hook file, and the system's text for an error code.
#include <windows.h>

#include <string>

namespace feld::os {

inline std::wstring Utf16(const std::string& s)
{
    if (s.empty())
        return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        ::MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), out.data(), n);
    return out;
}

// `n` wide characters of `w`, or up to its terminating null when n is -1.
inline std::string Utf8(const wchar_t* w, int n = -1)
{
    if (!w)
        return {};
    if (n < 0)
        n = static_cast<int>(std::wcslen(w));
    if (n == 0)
        return {};
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, w, n, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, w, n, out.data(), bytes, nullptr, nullptr);
    return out;
}

// What the system says about an error code (GetLastError's), in UTF-8, without the line end.
inline std::string ErrorText(DWORD code)
{
    wchar_t* buf = nullptr;
    const DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                     nullptr, code, 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
    std::string out = n ? Utf8(buf, static_cast<int>(n)) : std::string();
    if (buf)
        ::LocalFree(buf);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == ' ' || out.back() == '.'))
        out.pop_back();
    if (out.empty())
        out = "error " + std::to_string(static_cast<unsigned long>(code));
    return out;
}

}  // namespace feld::os
