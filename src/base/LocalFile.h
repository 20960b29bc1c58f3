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

// Empty when `path` is an ordinary file that can be opened for reading; else the reason in words.
std::string CopyableFileProblem(const std::string& path);

// Copies the ordinary file `from` to `to` through a SafeFileWriter: `to` is replaced only by a
// complete copy, and a failure leaves it as it was. False with the reason in words in `why`.
bool CopyLocalFile(const std::string& from, const std::string& to, std::string& why);

}  // namespace feld
