#pragma once
// Writing a file on the PC without ever leaving a half-written one where a good one was. A regular
// file is written to a new file beside it, opened exclusively (never through a link planted at its
// name), flushed to disk, renamed over the target and the folder synced: a failure at any step
// leaves the old file as it was and no temporary behind. A target that is a device or a FIFO is
// written through, as cp would; other kinds of target are refused with the reason.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace feld {

// What Open does with a link at the target's name: follow it to the file it names (a path the
// user typed), or refuse it (a name the program makes in a folder it was given).
enum class LinkAtTarget { Follow, Refuse };

class SafeFileWriter {
public:
    SafeFileWriter() = default;
    ~SafeFileWriter();  // discards what was not committed
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Gets ready to write `target` (a link at it is followed to the file it names, or refused).
    // False, with the reason in Error(), when that cannot be done.
    bool Open(const std::string& target, LinkAtTarget links = LinkAtTarget::Follow);
    bool Write(const void* data, std::size_t n);
    // Flushes to disk, puts the file in place and syncs its folder. False with the reason: the old
    // file is untouched and the temporary gone, or (the folder could not be synced) the new file is
    // in place but not known to be on disk.
    bool Commit();
    // Throws away what was written; the target stays as it was.
    void Discard();

    const std::string& Error() const { return error_; }
    // The file the writer replaces (after following links).
    const std::string& Target() const { return target_; }
    // The temporary being written; empty when writing through to a device.
    const std::string& TempPath() const { return temp_; }
    bool WritesThrough() const { return through_; }
    bool IsOpen() const { return fd_ >= 0; }

private:
    bool Fail(const std::string& what, int err);

    std::intptr_t fd_ = -1;  // the descriptor, or on Windows the handle
    bool through_ = false;
    int slot_ = -1;  // the temporary's place in the list a signal clears
    std::string target_;
    std::string temp_;
    std::string error_;
};

// Work files of a command that are worth nothing once it is stopped (copies whose originals are
// still in place): while they are set here, the signal handlers remove them along with the
// temporaries, then the folders, if that leaves them empty. One list for the whole program;
// the object that set it last owns it, and its end withdraws it.
class RemovedOnSignal {
public:
    RemovedOnSignal() = default;
    ~RemovedOnSignal() { Keep(); }
    RemovedOnSignal(const RemovedOnSignal&) = delete;
    RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;

    // Replaces the list: from now on a signal removes these files, then these folders.
    void Set(std::vector<std::string> files, std::vector<std::string> folders);
    // From now on a signal leaves them: they have become worth keeping.
    void Keep();

private:
    std::vector<std::string> paths_;
    std::vector<const char*> list_;  // files, a null, folders, a null
};

// Removes every temporary a SafeFileWriter has open. Safe to call from a signal handler: the
// program's handlers for Ctrl-C, SIGTERM and SIGHUP call it before they end the program.
void RemoveTemporariesNow();

// Opens a log file of the program's own (created or emptied, never through a link at its name),
// readable by its owner only, creating its folder; nullptr when it cannot be opened.
std::FILE* OpenPrivateLog(const std::string& path);

}  // namespace feld
