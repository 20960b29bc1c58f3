#pragma once
// What the PC tree shows: the places at its top (the root file system, the home folder, mounted
// removable media and optical drives) and, in a folder, its subfolders and the files the terminal
// can hold. Reading the system's mounts is one hook (os/PcPlaces*.cpp); the rules are here.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "explorer/NodeKind.h"

namespace feld {

// Whether a file of a PC folder is shown: names of at most 12 characters with a 1- to 3-character
// extension after the last dot ("ABCDEFGHIJ.T" is, "ABCDEFGHIJ.TXT", "README" and "A.HTML" are
// not); "Thumbs.db" (in that case) never is. Hidden names (a leading dot) are not shown either.
bool ShownInPcListing(const std::string& name);

struct PcEntry {
    std::string name;
    bool folder = false;
    std::uint64_t size = 0;               // a file's size in bytes
    std::optional<std::int64_t> modified;  // last written, Unix time
};
// The subfolders and the shown files of a folder, in the order the system gives them. A folder
// that cannot be read has none.
std::vector<PcEntry> ListPcFolder(const std::string& folder);

// One mounted file system as the system reports it.
struct MountFacts {
    std::string root;       // where it is mounted: "/", "/media/anna/STICK"
    std::string fsType;     // "ext4", "vfat", "iso9660", "nfs4", ...
    std::string label;      // the volume's name, when it has one
    int removable = -1;     // its block device's removable flag: 1, 0, or -1 unknown
};

// The kind of a mounted file system: kNodeCdRom for an optical disc's (iso9660, udf), removable
// media kNodeRemovable, a fixed disk kNodeFixed, anything else kNodeTerminal ("another kind").
// Network file systems and RAM disks give kNodeComputer: they are left out.
int PlaceKindOf(const MountFacts& mount);

struct PcPlace {
    std::string label;  // what the tree shows
    std::string path;   // the real path
    int kind = kNodeFixed;
};
// The places of the PC tree from the mounts: the root file system, the home folder, then what is
// mounted under /media, /run/media and /mnt (sorted by label). System mounts elsewhere (/boot,
// /var/...) and everything PlaceKindOf leaves out are not places.
std::vector<PcPlace> ChoosePlaces(const std::vector<MountFacts>& mounts, const std::string& home);

// One drive letter as Windows reports it: the letter and its drive type (GetDriveType's numbers:
// 2 removable, 3 fixed, 4 network, 5 CD-ROM, 6 RAM disk, anything else another kind).
struct DriveFacts {
    char letter = 'C';
    unsigned type = 0;
};
// The places of the PC tree on Windows: every drive but network drives and RAM disks, shown as
// "C:\" in the order of their letters, each with its kind.
std::vector<PcPlace> ChooseDrivePlaces(const std::vector<DriveFacts>& drives);

// The hook: the system's mounts (os/PcPlaces*.cpp).
std::vector<MountFacts> ReadMounts();
// ChoosePlaces over ReadMounts and the user's home folder.
std::vector<PcPlace> PcPlaces();

}  // namespace feld
