// The project builder's files on any bytes: a project file's text and Builder.ini's hand-over line.
// Values are single lines, a project's name is a single path part, and the hand-over value never
// runs past its line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "project/ProjectFile.h"
#include "session/Config.h"

namespace {

bool oneLine(const std::string& s) { return s.find('\n') == std::string::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const feld::ProjectEntry p = feld::ParseProjectText(text);
    if (!oneLine(p.program) || !oneLine(p.systemFont) || !oneLine(p.userFont))
        __builtin_trap();
    for (const auto& v : p.lookups)
        if (!oneLine(v))
            __builtin_trap();
    for (const auto& v : p.dataFiles)
        if (!oneLine(v))
            __builtin_trap();
    const std::string name = feld::ProjectName(p);
    if (name.find('\\') != std::string::npos || name.find('/') != std::string::npos)
        __builtin_trap();
    const std::string handed = feld::Config::handedOverProjectFrom(text);
    if (handed.find("\r\n") != std::string::npos || handed.size() > text.size())
        __builtin_trap();
    return 0;
}
