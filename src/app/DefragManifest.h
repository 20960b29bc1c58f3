#pragma once
// The list of files a defragmentation of drive D: has copied to the PC: which terminal file each
// copy goes back to, its size and its date. It is written before D: is formatted and stays until
// every file is back, so that a run cut short (the line gone, the program closed) can be finished
// from the copies instead of formatting D: again. A pure format: text in, text out.

#include <cstdint>
#include <string>
#include <vector>

namespace feld {

// The three folders of drive D: that a defragmentation empties and fills again, with the lower-case
// folder the older firmware takes a file into and the PC folder (below the project folder) that
// holds the copies meanwhile.
struct DefragFolder {
    const char* terminal;  // "D:\Fonts"
    const char* lower;     // "d:\fonts"
    const char* work;      // "FSFonts"
};
extern const DefragFolder kDefragFolders[3];

struct DefragCopy {
    std::string terminalPath;   // "D:\Fonts\FONT1.SFT"
    std::uint32_t size = 0;     // bytes, as the terminal listed it
    std::int64_t modified = 0;  // the terminal's date of the file in Unix seconds; 0: none known
};

// The folder of kDefragFolders a terminal path lies in (letter case ignored), or nullptr.
const DefragFolder* defragFolderOf(const std::string& terminalPath);
// The file-name part of a terminal path that lies directly in one of the three folders and names a
// file the PC can keep a copy under; empty otherwise.
std::string defragCopyName(const std::string& terminalPath);

std::string encodeDefragManifest(const std::vector<DefragCopy>& copies);
// False with the reason (and the line) in `why` when the text is no such list or names a file
// outside the three folders.
bool parseDefragManifest(const std::string& text, std::vector<DefragCopy>& copies, std::string& why);

}  // namespace feld
