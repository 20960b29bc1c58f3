#pragma once
// Receiving one terminal file to the PC, the one way every front-end does it (the receive dialog,
// `receive`, the resident pass, `collect`, the tree's download): the file is fetched into memory,
// its line ends converted, appended to or put in place of the PC file, and deleted on the
// terminal only once the PC copy is on disk.
//
// A PC file in a save folder is never written through a link at its name. When the terminal keeps
// a file it was asked to delete, what the PC file received from it is remembered beside the PC
// file (".NAME.kept": the size and a hash of the terminal's bytes), so that a later append takes
// only what the terminal added since; the memory goes once the terminal has deleted its copy.

#include <string>

#include "link/wire/TermStatus.h"

namespace feld {

class PdtLink;

struct ReceiveOrder {
    std::string source;       // the terminal's file, "C:\Data\DATA1.TXT"
    std::string destination;  // the PC file
    bool append = false;      // false: the PC file is replaced
    bool keepCr = true;       // keep the CR of each CR LF pair
    bool keepLf = true;       // keep the LF of each CR LF pair
    bool deleteAfter = false;
    // The destination is a name the program made in a save folder: a link there is refused, and a
    // file the terminal kept is remembered. False for a path the user chose (a link is followed).
    bool inSaveFolder = true;
    bool showProgress = false;
};

struct ReceiveOutcome {
    bool stored = false;  // the PC copy is on disk
    bool kept = false;    // asked to delete, the terminal kept its file
    std::string why;      // what failed and why; empty when all was done
    term::Result refusal; // what the terminal answered the delete it refused
    bool ok() const { return stored && !kept; }
};

// Receives as ordered. Nothing on the PC changes unless the whole copy could be made, and the
// terminal's file stays unless the copy is on disk.
ReceiveOutcome ReceiveFile(PdtLink& link, const ReceiveOrder& order);

// The destination of a name in a save folder: the folder without its trailing separators, one
// separator, the name.
std::string ReceiveDestination(const std::string& saveFolder, const std::string& name);

// Empty when a collection entry names a terminal file (written as `receive` takes it: "DATA1.TXT"
// is C:\Data\DATA1.TXT, "/" stands for "\"); else what is wrong with it, naming the entry.
std::string CollectionEntryProblem(const std::string& entry);

}  // namespace feld
