// Windows: file attributes and handles through the wide calls, _wfopen, the console's handle.
#include "base/PcFiles.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstring>

#include "base/os/DeviceNameWin32.h"
#include "base/os/Utf16Win32.h"

namespace feld {

namespace {

bool missingError(DWORD e)
{
    return e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND || e == ERROR_INVALID_NAME || e == ERROR_BAD_NETPATH ||
           e == ERROR_BAD_NET_NAME || e == ERROR_INVALID_DRIVE;
}

}  // namespace

PathStatus StatPath(const std::string& path, bool followLinks)
{
    const std::wstring w = os::Utf16(path);
    if (path.empty())
        return {PathKind::Missing, {}};
    if (os::IsDeviceName(w))
        return {PathKind::Device, {}};
    DWORD attrs = ::GetFileAttributesW(w.c_str());
    if (attrs == INVALID_FILE_ATTRIBUTES) {
        const DWORD e = ::GetLastError();
        if (missingError(e))
            return {PathKind::Missing, {}};
        return {PathKind::Unknown, os::ErrorText(e)};
    }
    if (attrs & FILE_ATTRIBUTE_REPARSE_POINT) {
        if (!followLinks)
            return {PathKind::Link, {}};
        // What the link leads to: opening it follows it.
        HANDLE h = ::CreateFileW(w.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            const DWORD e = ::GetLastError();
            if (missingError(e))
                return {PathKind::Missing, {}};
            return {PathKind::Unknown, os::ErrorText(e)};
        }
        BY_HANDLE_FILE_INFORMATION info{};
        const bool known = ::GetFileInformationByHandle(h, &info);
        const DWORD e = ::GetLastError();
        ::CloseHandle(h);
        if (!known)
            return {PathKind::Unknown, os::ErrorText(e)};
        attrs = info.dwFileAttributes;
    }
    if (attrs & FILE_ATTRIBUTE_DIRECTORY)
        return {PathKind::Folder, {}};
    if (attrs & FILE_ATTRIBUTE_DEVICE)
        return {PathKind::Device, {}};
    return {PathKind::File, {}};
}

bool RemoveFile(const std::string& path) { return ::DeleteFileW(os::Utf16(path).c_str()) != 0; }

std::string FolderWriteProblem(const std::string& folder)
{
    const PathStatus st = StatPath(folder, true);
    if (st.kind == PathKind::Missing)
        return os::ErrorText(ERROR_PATH_NOT_FOUND);
    if (st.kind == PathKind::Unknown)
        return st.error;
    if (st.kind != PathKind::Folder)
        return os::ErrorText(ERROR_DIRECTORY);
    // A folder's permissions are its access list: the one sure answer is making a file there.
    std::string probe = folder;
    if (probe.back() != '\\' && probe.back() != '/')
        probe += '\\';
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = probe + ".write-probe-" + std::to_string(ProcessId()) + "-" + std::to_string(attempt);
        HANDLE h = ::CreateFileW(os::Utf16(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            ::CloseHandle(h);
            return {};
        }
        const DWORD e = ::GetLastError();
        if (e != ERROR_FILE_EXISTS && e != ERROR_ALREADY_EXISTS)
            return os::ErrorText(e);
    }
    return os::ErrorText(ERROR_FILE_EXISTS);
}

std::string ProbeCreate(const std::string& path)
{
    HANDLE h = ::CreateFileW(os::Utf16(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return os::ErrorText(::GetLastError());
    ::CloseHandle(h);
    return {};
}

std::FILE* OpenFile(const std::string& path, const char* mode)
{
    return ::_wfopen(os::Utf16(path).c_str(), os::Utf16(mode).c_str());
}

bool IsTerminal(std::FILE* stream)
{
    if (!stream)
        return false;
    // A console answers GetConsoleMode; a file, a pipe or Wine's redirected output does not.
    HANDLE h = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
    DWORD mode = 0;
    return h != INVALID_HANDLE_VALUE && ::GetConsoleMode(h, &mode) != 0;
}

long ProcessId() { return static_cast<long>(::GetCurrentProcessId()); }

std::string ExecutableFolder()
{
    std::wstring buf(32768, L'\0');
    const DWORD n = ::GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0 || n >= buf.size())
        return {};
    const std::string exe = os::Utf8(buf.data(), static_cast<int>(n));
    const std::size_t cut = exe.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : exe.substr(0, cut);
}

}  // namespace feld
