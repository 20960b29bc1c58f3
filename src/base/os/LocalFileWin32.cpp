// Windows: one handle opened for reading (sharing with writers, so a file in use can still be
// looked at), its kind and size from that handle, read to the end, compared once more after.
#include "base/LocalFile.h"

#include <windows.h>

#include "base/SafeFile.h"
#include "base/Texts.h"
#include "base/os/DeviceNameWin32.h"
#include "base/os/Utf16Win32.h"

namespace feld {

namespace {

enum class Kind { File, Folder, Device };

std::string kindText(Kind kind)
{
    if (kind == Kind::Folder)
        return tk("file.kind.folder", "a folder");
    if (kind == Kind::Device)
        return tk("file.kind.charDevice", "a character device");
    return tk("file.kind.other", "not an ordinary file");
}

// An open file and what the system said about it when it was opened.
struct Opened {
    HANDLE handle = INVALID_HANDLE_VALUE;
    BY_HANDLE_FILE_INFORMATION info{};
    Kind kind = Kind::File;
    ~Opened()
    {
        if (handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle);
    }
    std::uint64_t size() const { return (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow; }
};

// Opens `path` for reading. False with the reason in `why` when it cannot be opened; true with
// `o.kind` saying what it is otherwise (only a File keeps its handle open).
bool openForReading(const std::string& path, Opened& o, std::string& why)
{
    if (path.empty()) {
        why = tk("file.noName", "no file name given");
        return false;
    }
    const std::wstring w = os::Utf16(path);
    if (os::IsDeviceName(w)) {
        // A serial port or NUL is never opened just to be looked at.
        o.kind = Kind::Device;
        return true;
    }
    o.handle = ::CreateFileW(w.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (o.handle == INVALID_HANDLE_VALUE) {
        why = path + ": " + os::ErrorText(::GetLastError());
        return false;
    }
    if (::GetFileType(o.handle) != FILE_TYPE_DISK) {
        o.kind = Kind::Device;
        return true;
    }
    if (!::GetFileInformationByHandle(o.handle, &o.info)) {
        why = path + ": " + os::ErrorText(::GetLastError());
        return false;
    }
    if (o.info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        o.kind = Kind::Folder;
    return true;
}

std::int64_t unixSeconds(const FILETIME& t)
{
    // 100-nanosecond steps since 1601-01-01.
    const std::uint64_t ticks = (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    return static_cast<std::int64_t>(ticks / 10000000ULL) - 11644473600LL;
}

bool sameMoment(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b)
{
    return a.ftLastWriteTime.dwLowDateTime == b.ftLastWriteTime.dwLowDateTime &&
           a.ftLastWriteTime.dwHighDateTime == b.ftLastWriteTime.dwHighDateTime && a.nFileSizeLow == b.nFileSizeLow &&
           a.nFileSizeHigh == b.nFileSizeHigh;
}

}  // namespace

bool ReadLocalFile(const std::string& path, std::uint64_t maxBytes, LocalFile& out, std::string& why)
{
    out = LocalFile{};
    out.path = path;
    Opened o;
    if (!openForReading(path, o, why))
        return false;
    if (o.kind != Kind::File) {
        why = formatText(tk("file.notSendable", "%s is %s, not a file that can be sent"), {path, kindText(o.kind)});
        return false;
    }
    if (o.size() > maxBytes) {
        why = formatText(tk("file.tooBig", "%s is too big for the terminal (%lld bytes)"), {path, static_cast<long long>(o.size())});
        return false;
    }
    out.modified = unixSeconds(o.info.ftLastWriteTime);
    out.bytes.resize(static_cast<std::size_t>(o.size()));
    std::size_t got = 0;
    for (;;) {
        // One byte more than the size says: a file that grows while it is read is not sent half.
        std::uint8_t probe;
        std::uint8_t* at = got < out.bytes.size() ? out.bytes.data() + got : &probe;
        const std::size_t room = got < out.bytes.size() ? out.bytes.size() - got : 1;
        DWORD n = 0;
        if (!::ReadFile(o.handle, at, room > (1u << 30) ? (1u << 30) : static_cast<DWORD>(room), &n, nullptr)) {
            why = path + ": " + os::ErrorText(::GetLastError());
            return false;
        }
        if (n == 0)
            break;
        if (got >= out.bytes.size()) {
            why = formatText(tk("file.grows", "%s is not an ordinary file: it holds more than its size says (%lld bytes)"),
                             {path, static_cast<long long>(o.size())});
            return false;
        }
        got += n;
    }
    // A file written to while it was read is no file as of one moment.
    BY_HANDLE_FILE_INFORMATION after{};
    const bool rewritten = !::GetFileInformationByHandle(o.handle, &after) || !sameMoment(o.info, after);
    if (got != out.bytes.size() || rewritten) {
        why = formatText(tk("file.changed", "%s changed while it was read"), {path});
        return false;
    }
    return true;
}

std::string CopyableFileProblem(const std::string& path)
{
    Opened o;
    std::string why;
    if (!openForReading(path, o, why))
        return why;
    if (o.kind != Kind::File)
        return formatText(tk("file.notCopyable", "%s is %s, not a file that can be copied"), {path, kindText(o.kind)});
    return {};
}

bool CopyLocalFile(const std::string& from, const std::string& to, std::string& why)
{
    Opened o;
    if (!openForReading(from, o, why))
        return false;
    if (o.kind != Kind::File) {
        why = formatText(tk("file.notCopyable", "%s is %s, not a file that can be copied"), {from, kindText(o.kind)});
        return false;
    }
    SafeFileWriter writer;
    if (!writer.Open(to)) {
        why = writer.Error();
        return false;
    }
    std::vector<char> chunk(65536);
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(o.handle, chunk.data(), static_cast<DWORD>(chunk.size()), &n, nullptr)) {
            why = from + ": " + os::ErrorText(::GetLastError());
            return false;  // the writer throws its temporary away
        }
        if (n == 0)
            break;
        if (!writer.Write(chunk.data(), n)) {
            why = writer.Error();
            return false;
        }
    }
    if (!writer.Commit()) {
        why = writer.Error();
        return false;
    }
    return true;
}

}  // namespace feld
