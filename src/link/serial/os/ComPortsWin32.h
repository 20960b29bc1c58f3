#pragma once
// Windows: the COM ports the system has, as its serial drivers enter them in the registry
// (HKLM\HARDWARE\DEVICEMAP\SERIALCOMM: one value per port, its data the port's name).
#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "base/os/Utf16Win32.h"

namespace feld::os {

// The number in "COM12", 0 for a name of another form.
inline int ComNumber(const std::string& name)
{
    if (name.size() < 4 || (name[0] != 'C' && name[0] != 'c') || (name[1] != 'O' && name[1] != 'o') || (name[2] != 'M' && name[2] != 'm'))
        return 0;
    int n = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9' || n > 100000)
            return 0;
        n = n * 10 + (name[i] - '0');
    }
    return n;
}

struct RegisteredPort {
    std::string name;    // "COM5"
    std::string driver;  // the value's name: the driver's device, "\Device\Serial0"
};

// In the order of their numbers (COM2 before COM10). No key at all means no port; *readable is
// set false when the key is there and cannot be read.
inline std::vector<RegisteredPort> RegisteredComPorts(bool* readable = nullptr)
{
    std::vector<RegisteredPort> out;
    HKEY key = nullptr;
    const LONG opened = ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key);
    if (readable)
        *readable = opened == ERROR_SUCCESS || opened == ERROR_FILE_NOT_FOUND;
    if (opened != ERROR_SUCCESS)
        return out;
    for (DWORD i = 0;; ++i) {
        wchar_t valueName[256];
        DWORD nameLength = 256;
        wchar_t data[256];
        DWORD dataBytes = sizeof data - sizeof(wchar_t);
        DWORD type = 0;
        const LONG r = ::RegEnumValueW(key, i, valueName, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data), &dataBytes);
        if (r == ERROR_NO_MORE_ITEMS)
            break;
        if (r != ERROR_SUCCESS || type != REG_SZ)
            continue;
        int chars = static_cast<int>(dataBytes / sizeof(wchar_t));
        while (chars > 0 && data[chars - 1] == L'\0')
            --chars;
        RegisteredPort p{Utf8(data, chars), Utf8(valueName, static_cast<int>(nameLength))};
        if (!p.name.empty())
            out.push_back(std::move(p));
    }
    ::RegCloseKey(key);
    std::stable_sort(out.begin(), out.end(), [](const RegisteredPort& a, const RegisteredPort& b) { return ComNumber(a.name) < ComNumber(b.name); });
    return out;
}

}  // namespace feld::os
