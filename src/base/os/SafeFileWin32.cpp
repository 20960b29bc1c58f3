// Windows: exclusive creation beside the target (CREATE_NEW), FlushFileBuffers, then MoveFileExW
// with write-through. The console control handler that removes the temporaries runs on a thread
// of its own; it finds them in fixed slots and a published list, as a signal handler does.
#include "base/SafeFile.h"
#include "base/os/RemovedList.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <thread>

#include "base/PcFiles.h"
#include "base/Texts.h"
#include "base/os/DeviceNameWin32.h"
#include "base/os/Utf16Win32.h"

namespace feld {

namespace {

HANDLE handleOf(std::intptr_t fd) { return reinterpret_cast<HANDLE>(fd); }
std::intptr_t fdOf(HANDLE h) { return h == INVALID_HANDLE_VALUE ? -1 : reinterpret_cast<std::intptr_t>(h); }

// The temporaries being written, where the control handler can find them: fixed slots.
constexpr int kSlots = 16;
constexpr int kSlotChars = 4096;
struct TempSlot {
    std::atomic<int> state{0};  // 0 free, 1 being filled, 2 holds a path
    wchar_t path[kSlotChars];
};
TempSlot slots[kSlots];

int registerTemp(const std::wstring& path)
{
    if (path.size() >= kSlotChars)
        return -1;
    for (int i = 0; i < kSlots; ++i) {
        int expected = 0;
        if (slots[i].state.compare_exchange_strong(expected, 1)) {
            std::memcpy(slots[i].path, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
            slots[i].state.store(2);
            return i;
        }
    }
    return -1;
}

void unregisterTemp(int slot)
{
    if (slot >= 0)
        slots[slot].state.store(0);
}


std::size_t lastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

std::string folderOf(const std::string& path)
{
    const std::size_t cut = lastSeparator(path);
    if (cut == std::string::npos)
        return path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : ".";
    // "C:\x" -> "C:\", "\x" -> "\"
    if (cut == 0 || (cut == 2 && path[1] == ':'))
        return path.substr(0, cut + 1);
    return path.substr(0, cut);
}

std::string nameOf(const std::string& path)
{
    const std::size_t cut = lastSeparator(path);
    std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    if (cut == std::string::npos && name.size() >= 2 && name[1] == ':')
        name = name.substr(2);
    return name;
}

std::string joined(const std::string& folder, const std::string& name)
{
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/' || (folder.size() == 2 && folder[1] == ':'))
        return folder + name;
    return folder + "\\" + name;
}

// The path a link at `path` finally leads to; `path` itself when it is no link or names nothing.
bool followLinks(std::string& path, DWORD& err)
{
    const std::wstring w = os::Utf16(path);
    const DWORD attrs = ::GetFileAttributesW(w.c_str());
    if (attrs == INVALID_FILE_ATTRIBUTES || !(attrs & FILE_ATTRIBUTE_REPARSE_POINT))
        return true;
    HANDLE h = ::CreateFileW(w.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                             FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        err = ::GetLastError();
        return false;
    }
    std::wstring buf(32768, L'\0');
    const DWORD n = ::GetFinalPathNameByHandleW(h, buf.data(), static_cast<DWORD>(buf.size()), FILE_NAME_NORMALIZED);
    err = ::GetLastError();
    ::CloseHandle(h);
    if (n == 0 || n >= buf.size())
        return false;
    buf.resize(n);
    // The system's own form: "\\?\C:\x" is "C:\x", "\\?\UNC\host\share" is "\\host\share".
    if (buf.rfind(L"\\\\?\\UNC\\", 0) == 0)
        buf = L"\\\\" + buf.substr(8);
    else if (buf.rfind(L"\\\\?\\", 0) == 0)
        buf = buf.substr(4);
    path = os::Utf8(buf.c_str(), static_cast<int>(buf.size()));
    return true;
}

}  // namespace

void RemoveTemporariesNow()
{
    for (auto& s : slots)
        if (s.state.load() == 2)
            ::DeleteFileW(s.path);  // opened with FILE_SHARE_DELETE: gone when its handle closes
    if (const char* const* p = removedlist::Enter()) {
        for (; *p; ++p)
            ::DeleteFileW(os::Utf16(*p).c_str());
        for (++p; *p; ++p)
            ::RemoveDirectoryW(os::Utf16(*p).c_str());
    }
    removedlist::Leave();
}

SafeFileWriter::~SafeFileWriter() { Discard(); }

bool SafeFileWriter::Fail(const std::string& what, int err)
{
    // `err` is a Win32 error code here (GetLastError's).
    error_ = what + ": " + os::ErrorText(static_cast<DWORD>(err));
    Discard();
    return false;
}

bool SafeFileWriter::Open(const std::string& target, LinkAtTarget links)
{
    Discard();
    error_.clear();
    through_ = false;
    target_ = target;
    if (target.empty()) {
        error_ = tk("file.noName", "no file name given");
        return false;
    }
    const std::wstring wide = os::Utf16(target_);
    if (os::IsDeviceName(wide)) {
        // NUL, a serial port or a named pipe is written through; it cannot be replaced.
        HANDLE h = ::CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return Fail(target_, static_cast<int>(::GetLastError()));
        fd_ = fdOf(h);
        through_ = true;
        return true;
    }
    if (links == LinkAtTarget::Refuse) {
        const DWORD attrs = ::GetFileAttributesW(wide.c_str());
        if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_REPARSE_POINT)) {
            error_ = formatText(tk("file.isLink", "%s is a link; nothing is written through it (remove the link or choose another folder)"),
                                {target_});
            return false;
        }
    } else {
        DWORD err = 0;
        if (!followLinks(target_, err))
            return Fail(target, static_cast<int>(err));
    }

    const DWORD attrs = ::GetFileAttributesW(os::Utf16(target_).c_str());
    if (attrs == INVALID_FILE_ATTRIBUTES) {
        const DWORD e = ::GetLastError();
        if (e != ERROR_FILE_NOT_FOUND)
            return Fail(target_, static_cast<int>(e));
    } else if (attrs & FILE_ATTRIBUTE_DIRECTORY) {
        error_ = target_ + ": " + std::strerror(EISDIR);
        return false;
    } else if (attrs & FILE_ATTRIBUTE_DEVICE) {
        error_ = formatText(tk("file.notRegular", "%s: not a regular file, a device or a FIFO; give a file name"), {target_});
        return false;
    }

    static std::atomic<unsigned> serial{0};
    const std::string folder = folderOf(target_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = joined(folder, "." + nameOf(target_) + ".part-" + std::to_string(ProcessId()) + "-" +
                                                         std::to_string(serial.fetch_add(1)));
        const std::wstring w = os::Utf16(candidate);
        // CREATE_NEW: never reuse someone else's file, never write through a link planted at the
        // temporary's name (a link there, even a dangling one, makes the name taken).
        HANDLE h = ::CreateFileW(w.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            fd_ = fdOf(h);
            temp_ = candidate;
            slot_ = registerTemp(w);
            return true;
        }
        const DWORD e = ::GetLastError();
        if (e != ERROR_FILE_EXISTS && e != ERROR_ALREADY_EXISTS)
            return Fail(folder, static_cast<int>(e));
    }
    return Fail(folder, ERROR_FILE_EXISTS);
}

bool SafeFileWriter::Write(const void* data, std::size_t n)
{
    if (fd_ < 0) {
        if (error_.empty())
            error_ = tk("file.notOpen", "the file is not open");
        return false;
    }
    const char* p = static_cast<const char*>(data);
    while (n > 0) {
        const DWORD chunk = n > (1u << 30) ? (1u << 30) : static_cast<DWORD>(n);
        DWORD w = 0;
        if (!::WriteFile(handleOf(fd_), p, chunk, &w, nullptr))
            return Fail(target_, static_cast<int>(::GetLastError()));
        if (w == 0)
            return Fail(target_, ERROR_WRITE_FAULT);
        p += w;
        n -= w;
    }
    return true;
}

bool SafeFileWriter::Commit()
{
    if (fd_ < 0) {
        if (error_.empty())
            error_ = tk("file.notOpen", "the file is not open");
        return false;
    }
    HANDLE h = handleOf(fd_);
    if (through_) {
        fd_ = -1;
        if (!::CloseHandle(h))
            return Fail(target_, static_cast<int>(::GetLastError()));
        return true;
    }
    if (!::FlushFileBuffers(h))
        return Fail(target_, static_cast<int>(::GetLastError()));
    fd_ = -1;
    if (!::CloseHandle(h))
        return Fail(target_, static_cast<int>(::GetLastError()));
    // Write-through: the rename is on disk when the call returns, so whoever deletes an original
    // once this returns knows the copy is there.
    if (!::MoveFileExW(os::Utf16(temp_).c_str(), os::Utf16(target_).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Fail(target_, static_cast<int>(::GetLastError()));
    unregisterTemp(slot_);
    slot_ = -1;
    temp_.clear();
    return true;
}

void SafeFileWriter::Discard()
{
    if (fd_ >= 0) {
        ::CloseHandle(handleOf(fd_));
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::DeleteFileW(os::Utf16(temp_).c_str());
        temp_.clear();
    }
    unregisterTemp(slot_);
    slot_ = -1;
}

std::FILE* OpenPrivateLog(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path p = FsPath(path);
    if (p.has_parent_path())
        std::filesystem::create_directories(p.parent_path(), ec);
    const std::wstring w = os::Utf16(path);
    // Never through a link at its name. The user's own folders are private to the user already.
    const DWORD attrs = ::GetFileAttributesW(w.c_str());
    if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)))
        return nullptr;
    HANDLE h = ::CreateFileW(w.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return nullptr;
    const int fd = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(h), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(h);
        return nullptr;
    }
    std::FILE* f = ::_fdopen(fd, "wb");
    if (!f)
        ::_close(fd);
    return f;
}

}  // namespace feld
