// The simulated terminal's reading of a command packet and of the path it names: whatever the
// bytes, a path it accepts lies inside the folder of its drive.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "link/wire/TermCodec.h"
#include "sim/SimDrives.h"

namespace {

namespace fs = std::filesystem;

const fs::path& root()
{
    static const fs::path r = [] {
        fs::path p = fs::temp_directory_path() / "feldspan-fuzz-simcommand";
        fs::create_directories(p / "C" / "DATA");
        fs::create_directories(p / "D" / "PROGRAM");
        return fs::canonical(p);
    }();
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static feld::sim::SimDrives drives(root(), 1 << 20, 1 << 20);
    const auto command = feld::wire::parseCommand(data, size);
    const std::string path = command ? command->argument : std::string(reinterpret_cast<const char*>(data), size);
    std::string why;
    const auto where = drives.resolve(path, &why);
    if (!where)
        return 0;
    const fs::path drive = root() / (where->drive == feld::sim::SimDrives::kDriveD ? "D" : "C");
    const fs::path host = where->host.lexically_normal();
    const std::string h = host.string(), d = drive.string();
    if (h.compare(0, d.size(), d) != 0 || (h.size() > d.size() && h[d.size()] != '/'))
        __builtin_trap();
    for (const auto& part : host.lexically_relative(drive))
        if (part == "..")
            __builtin_trap();
    return 0;
}
