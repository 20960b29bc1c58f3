#pragma once
// Reading a PC file that is to go to the terminal: opened once, never blocking (a FIFO with no
// writer, a device), and only when it is an ordinary file whose bytes can be read whole. What goes
// to the terminal is what was checked.

#include <cstdint>
#include <string>
#include <vector>

namespace feld {

struct LocalFile {
    std::string path;
    std::vector<std::uint8_t> bytes;
    std::int64_t modified = 0;  // Unix seconds
};

// Reads `path` whole, refusing anything but a regular file of at most `maxBytes`. False with the
// reason in words ("... is a FIFO, not a file") in `why`.
bool ReadLocalFile(const std::string& path, std::uint64_t maxBytes, LocalFile& out, std::string& why);

}  // namespace feld
