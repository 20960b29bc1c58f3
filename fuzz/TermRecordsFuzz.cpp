// The terminal's records as they come from the line: command packets, file headers, path file
// headers, kernel image bodies, listings and command replies. None of them may read past the bytes
// given, and what the PC would build from a name must stay a single safe path part.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "link/wire/TermCodec.h"

using namespace feld::wire;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    (void)parseCommand(data, size);
    (void)replyDataStatus(data, size);
    (void)parseDiskInfoReply(data, size);
    (void)parseModelInfoReply(data, size);
    (void)parseFileHeader(data, size);
    std::size_t headerLength = 0;
    if (auto p = parsePathFileHeader(data, size, &headerLength)) {
        if (headerLength > size || p->path.size() + kPathFileHeaderFixed != headerLength)
            std::abort();
    }
    (void)checkKernelBody(data, size);
    for (const auto& e : decodeDirectory(data, size)) {
        if (e.name.size() > 12)
            std::abort();
        // A name judged safe never carries a separator or climbs a level.
        if (isSafeTerminalName(e.name) &&
            (e.name.find('/') != std::string::npos || e.name.find('\\') != std::string::npos || e.name == "." || e.name == ".."))
            std::abort();
    }
    if (size >= 4) {
        const std::uint8_t* date = data;
        const std::uint8_t* time = data + 2;
        (void)decodeDateTime(date, time, data[0] & 1 ? 199 : 201);
    }
    return 0;
}
