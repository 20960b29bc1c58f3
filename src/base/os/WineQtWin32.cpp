#include "base/WineQt.h"

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace feld {

void TakeQtVariablesFromWine()
{
    static const std::wstring kPrefix = L"WINEQT_";
    // The names first: setting variables while walking the block would change it under the walk.
    std::vector<std::pair<std::wstring, std::wstring>> found;
    if (wchar_t* block = ::GetEnvironmentStringsW()) {
        for (const wchar_t* entry = block; *entry; entry += std::wcslen(entry) + 1) {
            const std::wstring e(entry);
            const std::size_t eq = e.find(L'=', 1);
            if (eq == std::wstring::npos || eq <= kPrefix.size() || e.compare(0, kPrefix.size(), kPrefix) != 0)
                continue;
            found.emplace_back(L"QT_" + e.substr(kPrefix.size(), eq - kPrefix.size()), e.substr(eq + 1));
        }
        ::FreeEnvironmentStringsW(block);
    }
    for (const auto& [name, value] : found) {
        if (value.empty() || ::_wgetenv(name.c_str()) != nullptr)
            continue;
        // Through the C runtime, which keeps a copy of its own that Qt reads, and the process's block.
        ::_wputenv((name + L"=" + value).c_str());
    }
    // Under Wine the platform plugin's GDI font engine draws no text in line edits (a path, a port
    // name typed or shown): Qt's own FreeType engine draws them. Windows itself keeps its engine.
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    const bool underWine = ntdll && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
    if (underWine && ::_wgetenv(L"QT_QPA_PLATFORM") == nullptr)
        ::_wputenv(L"QT_QPA_PLATFORM=windows:fontengine=freetype");
}

}  // namespace feld
