#pragma once
// A terminal folder's files, listed once. A send compares with it before it goes (a file the
// terminal already holds exactly as the PC would send it need not go again) and checks with a new
// one after it went (every file the terminal said it stored must be listed there at its size).

#include <cstdint>
#include <string>
#include <vector>

#include "base/LocalFile.h"
#include "link/wire/TermCodec.h"

namespace feld {

class PdtLink;

struct FolderListing {
    enum class State {
        Listed,   // the terminal listed the folder
        Missing,  // it answered that there is no such folder (or drive): no files
        Failed,   // no listing came; `why` says what went wrong
    };
    State state = State::Failed;
    std::string folder;                  // as asked for, e.g. "d:\lookup"
    std::vector<wire::DirEntry> entries; // as the terminal listed them
    std::string why;

    // Lists `folder` on the terminal (one listing command).
    static FolderListing Of(PdtLink& link, const std::string& folder);
    bool usable() const { return state != State::Failed; }
    // The file entries (not folders) whose name is `name` in any letter case: the terminal's names
    // are one file whatever their case.
    std::vector<const wire::DirEntry*> FilesNamed(const std::string& name) const;
};

// Whether `entry` shows `file` exactly as a send to a terminal of `firmware` stores it under
// `storedName`: the same name (letter case included), the same size, and the very date and time
// words the send would carry (the terminal keeps times to 2 seconds). A PC time the words cannot
// hold (before 1980 or after 2107; below firmware 2.00, outside 2000 to 2031) or an entry that
// names no real moment is never the same: anything doubtful goes again.
bool SameOnTerminal(const wire::DirEntry& entry, const std::string& storedName, const LocalFile& file, int firmware);

// Empty when `listing` holds the file `storedName` with `size` bytes; otherwise why the file sent to
// `target` is not confirmed, in words ("sent but not found on the terminal: ...").
std::string UnconfirmedSend(const FolderListing& listing, const std::string& target, const std::string& storedName,
                            std::uint64_t size);

}  // namespace feld
