// The drive images the terminal makes when its image file is fetched. A real image is the drive's
// raw content; ours only needs to stand for the drive's files and to hold CR LF pairs, so that a
// fetch that converts line ends shows up as a changed image.
#include <algorithm>
#include <fstream>
#include <iterator>

#include "sim/SimDrives.h"
#include "sim/SimNames.h"

namespace feld::sim {

namespace fs = std::filesystem;

bool SimDrives::isImagePath(const Resolved& where)
{
    const std::string wanted = where.drive == kDriveD ? "D:\\DUMPDIMG.IMG" : "C:\\DUMPCIMG.IMG";
    return upper(where.terminalPath) == wanted;
}

std::vector<std::uint8_t> SimDrives::image(int drive) const
{
    const fs::path folder = driveFolder(drive);
    std::vector<fs::path> files;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        if (it->is_regular_file(ec) && !it->is_symlink(ec))
            files.push_back(it->path());
    std::sort(files.begin(), files.end());

    std::string out = std::string("SIMULATED IMAGE OF ") + letter(drive) + ":\r\n";
    for (const auto& f : files) {
        std::ifstream in(f, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::string path = std::string(1, letter(drive)) + ":\\" + upper(fs::relative(f, folder).string());
        std::replace(path.begin(), path.end(), '/', '\\');
        out += path + "\r\n" + std::to_string(bytes.size()) + "\r\n" + bytes;
    }
    return {out.begin(), out.end()};
}

}  // namespace feld::sim
