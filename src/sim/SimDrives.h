#pragma once
// The terminal's two drives, each backed by a folder on the PC: C: (data) and D: (programs, fonts,
// lookup files). Terminal names are 8.3 names looked up without regard to letter case; a path from
// the line is checked part by part and can never reach outside its drive's folder. Whether a name
// may be stored (upper case) is for the caller to check.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/wire/TermCodec.h"

namespace feld::sim {

class SimDrives {
public:
    static constexpr int kDriveC = 0;
    static constexpr int kDriveD = 1;

    SimDrives(std::filesystem::path root, std::int64_t cSize, std::int64_t dSize);

    // Creates root/C and root/D when missing.
    bool prepare(std::string& error);

    // A terminal path taken apart: its drive, the host path inside that drive's folder (existing
    // parts with the letter case found on disk), and whether it names the drive itself.
    struct Resolved {
        int drive = kDriveC;
        std::filesystem::path host;
        std::string terminalPath;  // normalised: "C:\Data\DATA1.TXT"
        bool isRoot = false;
    };
    // nullopt, with the rule broken in `why`, when the text is not a path on C: or D: made of 8.3
    // names (see SimNames.h) or it leads through a link or a file.
    std::optional<Resolved> resolve(std::string_view terminalPath, std::string* why = nullptr) const;

    // The drive letter at the start of a path ("C:\..." or "d:"), or -1.
    static int driveOf(std::string_view terminalPath);
    static char letter(int drive) { return drive == kDriveD ? 'D' : 'C'; }

    bool formatted(int drive) const { return formatted_[drive]; }
    void setUnformatted(int drive) { formatted_[drive] = false; }
    std::int64_t total(int drive) const { return size_[drive]; }
    // Bytes in the drive's files.
    std::int64_t used(int drive) const;
    // total - used; -1 for an unformatted drive.
    std::int64_t freeBytes(int drive) const;
    // Empties the drive and marks it formatted.
    bool format(int drive, std::string& error);

    // The folder a code-3 file of this type (and name) is stored in, or empty when the type names
    // no folder the terminal keeps files in.
    static std::string folderForType(std::uint8_t type, const std::string& name, int firmware);

    // Listing of a folder as 28-byte entries (dates in the firmware's encoding). "" or "\" lists the
    // drives; a final "*.*" is allowed. A missing folder, or an unformatted drive, lists nothing.
    // Whether a listing of `path` names a folder: the drives, a folder of a formatted drive, or any
    // path on an unformatted drive (which lists as empty). A folder that is not there is not.
    bool listable(std::string_view path) const;
    std::vector<std::uint8_t> list(std::string_view terminalPath, int firmware) const;

    // Stores `bytes` at a resolved path. Status kDone stored, kNotFormatted drive not formatted,
    // kNoSpace not enough room, kFileExists exists and overwrite is 0, kCannotStore the path names a
    // folder or cannot be written.
    int store(const Resolved& where, const std::uint8_t* bytes, std::size_t n, bool overwrite,
              std::optional<std::int64_t> mtime, std::string& why);
    // Whether a file exists at the path.
    bool fileExists(const Resolved& where) const;
    // Status kDone deleted, kFailed no such file (or a folder that is not empty), kNotFormatted
    // drive not formatted.
    int remove(const Resolved& where);
    // Reads a file for sending; false when it is missing or unreadable.
    bool read(const Resolved& where, std::vector<std::uint8_t>& out, std::int64_t& mtime) const;

    // Whether a path names the image the terminal makes of a drive on request: "DUMPCIMG.IMG" in
    // C:'s root, "DUMPDIMG.IMG" in D:'s.
    static bool isImagePath(const Resolved& where);
    // The simulated image of a formatted drive: a title line, then for each file (in path order) its
    // terminal path and size on CR LF-ended lines followed by its bytes. The same drive content
    // always gives the same image.
    std::vector<std::uint8_t> image(int drive) const;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path driveFolder(int drive) const { return root_ / (drive == kDriveD ? "D" : "C"); }

private:
    std::filesystem::path root_;
    std::int64_t size_[2];
    bool formatted_[2] = {true, true};
};

}  // namespace feld::sim
