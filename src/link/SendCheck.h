#pragma once
// What a PC file must be to go to the terminal, checked the same way by the link when it sends and
// by a caller that checks a whole batch of files before the first one goes: an ordinary file that
// can be read whole and is not too large for the size field, under a name the terminal can store.

#include <cstdint>
#include <string>

#include "base/LocalFile.h"

namespace feld {

// The largest file the terminal can be sent: the size field on the wire has 32 bits, and a kernel
// image carries 8 bytes more.
constexpr std::uint64_t kMaxSendBytes = 0xFFFFFFFFull - 8;

// Reads a PC file to send; false with the reason in words (naming the file) when it cannot go.
bool ReadForSending(const std::string& localPath, LocalFile& file, std::string& why);

// Why the terminal cannot store the PC file `localPath` as `storedName`: the text id the reason is
// (0 for a fixed text) and the text, which is empty when the name can go.
struct SendNameProblem {
    int id = 0;
    std::string text;
    bool none() const { return text.empty(); }
};
SendNameProblem CheckSendName(const std::string& localPath, const std::string& storedName);

}  // namespace feld
