#pragma once
// Small questions about PC files that every platform answers its own way (os/PcFiles*.cpp): what is
// at a path, removing a file, whether files can be made in a folder, opening a file by a UTF-8
// name. Paths are UTF-8 everywhere; FsPath and FsString carry them into and out of
// std::filesystem without the system's narrow code page getting in between.

#include <cstdio>
#include <filesystem>
#include <string>

namespace feld {

inline std::filesystem::path FsPath(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string FsString(const std::filesystem::path& p)
{
    const std::u8string u = p.u8string();
    return std::string(u.begin(), u.end());
}

enum class PathKind {
    Missing,  // nothing has that name
    File,     // an ordinary file
    Folder,
    Link,     // a symbolic link or a junction (only when links are not followed)
    Device,   // a character device, a FIFO, a serial port, NUL
    Other,    // a socket, a block device, ...
    Unknown,  // it could not be looked at: `error` says why
};

struct PathStatus {
    PathKind kind = PathKind::Missing;
    std::string error;  // the system's reason when kind is Unknown
};

// What `path` names; with followLinks a link answers for what it points to.
PathStatus StatPath(const std::string& path, bool followLinks);

inline bool IsDirectory(const std::string& path) { return StatPath(path, true).kind == PathKind::Folder; }
inline bool IsRegularFile(const std::string& path, bool followLinks) { return StatPath(path, followLinks).kind == PathKind::File; }
inline bool IsLink(const std::string& path) { return StatPath(path, false).kind == PathKind::Link; }

// Removes the file (or the link itself) at `path`; false when nothing was removed.
bool RemoveFile(const std::string& path);

// Empty when a new file can be made in `folder` (it exists, is a folder and can be written);
// else the system's reason.
std::string FolderWriteProblem(const std::string& folder);

// Creates `path` exclusively (never opening what is already there) and removes it again: empty when
// that worked, else the system's reason.
std::string ProbeCreate(const std::string& path);

// std::fopen for a UTF-8 name.
std::FILE* OpenFile(const std::string& path, const char* mode);

// Whether the stream is a terminal (a console) rather than a file or a pipe.
bool IsTerminal(std::FILE* stream);

// This process's id, for names that must not clash with another running copy's.
long ProcessId();

// The folder of the running program; empty when the system does not say.
std::string ExecutableFolder();

}  // namespace feld
