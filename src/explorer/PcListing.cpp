#include "explorer/PcListing.h"

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "base/PcFiles.h"
#include "base/Texts.h"

namespace feld {

namespace fs = std::filesystem;

namespace {

// Hosts elsewhere on the network: slow to list and not the PC's own.
constexpr const char* kNetworkFs[] = {"nfs",  "nfs4",   "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs",
                                      "afs",  "9p",     "ncpfs", "davfs", "fuse.davfs2", "ceph", "glusterfs",
                                      "fuse.glusterfs", "fuse.rclone", "fuse.s3fs", "lustre"};
// Memory, not a disk.
constexpr const char* kRamFs[] = {"tmpfs", "ramfs", "devtmpfs"};
constexpr const char* kOpticalFs[] = {"iso9660", "udf"};

template <std::size_t N>
bool oneOf(const std::string& s, const char* const (&list)[N])
{
    return std::find_if(std::begin(list), std::end(list), [&](const char* x) { return s == x; }) != std::end(list);
}

bool under(const std::string& path, const std::string& folder)
{
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0;
}

// The mount that holds `path`: the one with the longest root that is a prefix of it.
const MountFacts* holding(const std::vector<MountFacts>& mounts, const std::string& path)
{
    const MountFacts* best = nullptr;
    for (const MountFacts& m : mounts) {
        const bool inside = m.root == "/" || path == m.root || under(path, m.root + "/");
        if (inside && (!best || m.root.size() > best->root.size()))
            best = &m;
    }
    return best;
}

// The disk the system runs from and the home folder's are fixed disks even when the system cannot
// say what device holds them (an overlay, a container's root): a place of "another kind" is not
// opened, and these two must be.
int systemPlaceKind(const MountFacts& m)
{
    const int kind = PlaceKindOf(m);
    return kind == kNodeTerminal ? kNodeFixed : kind;
}

std::optional<std::int64_t> modifiedOf(const fs::directory_entry& e)
{
    std::error_code ec;
    const fs::file_time_type t = e.last_write_time(ec);
    if (ec)
        return std::nullopt;
    const auto sys = std::chrono::file_clock::to_sys(t);
    return std::chrono::duration_cast<std::chrono::seconds>(sys.time_since_epoch()).count();
}

}  // namespace

bool ShownInPcListing(const std::string& name)
{
    if (name.empty() || name.front() == '.')
        return false;  // ".", ".." and hidden names
    if (name.size() >= 13 || name == "Thumbs.db")
        return false;
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return false;
    const std::size_t ext = name.size() - dot - 1;
    return ext >= 1 && ext <= 3;
}

std::vector<PcEntry> ListPcFolder(const std::string& folder)
{
    std::vector<PcEntry> out;
    std::error_code ec;
    fs::directory_iterator it(FsPath(folder), fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = FsString(it->path().filename());
        std::error_code kindError;
        // Links count as what they point at; devices, pipes and sockets are no files to transfer.
        if (it->is_directory(kindError)) {
            if (!name.empty() && name.front() != '.')
                out.push_back({name, true, 0, modifiedOf(*it)});
        } else if (it->is_regular_file(kindError) && ShownInPcListing(name)) {
            std::error_code sizeError;
            const std::uintmax_t size = it->file_size(sizeError);
            out.push_back({name, false, sizeError ? 0 : static_cast<std::uint64_t>(size), modifiedOf(*it)});
        }
    }
    return out;
}

int PlaceKindOf(const MountFacts& mount)
{
    if (oneOf(mount.fsType, kNetworkFs) || oneOf(mount.fsType, kRamFs))
        return kNodeComputer;
    if (oneOf(mount.fsType, kOpticalFs))
        return kNodeCdRom;
    if (mount.removable == 1)
        return kNodeRemovable;
    if (mount.removable == 0)
        return kNodeFixed;
    return kNodeTerminal;
}

std::vector<PcPlace> ChoosePlaces(const std::vector<MountFacts>& mounts, const std::string& home)
{
    std::vector<PcPlace> out;
    if (const MountFacts* root = holding(mounts, "/"); root && root->root == "/" && PlaceKindOf(*root) != kNodeComputer)
        out.push_back({tk("pc.fileSystem", "檔案系統"), "/", systemPlaceKind(*root)});
    if (!home.empty() && home != "/") {
        // Home is a folder of a disk; it shows as that disk's kind (a fixed disk when unknown).
        const MountFacts* m = holding(mounts, home);
        const int kind = m ? systemPlaceKind(*m) : kNodeFixed;
        if (kind != kNodeComputer)
            out.push_back({tk("pc.home", "個人資料夾"), home, kind});
    }
    std::vector<PcPlace> media;
    for (const MountFacts& m : mounts) {
        if (!(under(m.root, "/media/") || under(m.root, "/run/media/") || under(m.root, "/mnt/")))
            continue;
        const int kind = PlaceKindOf(m);
        if (kind == kNodeComputer)
            continue;
        std::string label = m.label.empty() ? FsString(FsPath(m.root).filename()) : m.label;
        media.push_back({label, m.root, kind});
    }
    std::sort(media.begin(), media.end(), [](const PcPlace& a, const PcPlace& b) { return a.label < b.label; });
    out.insert(out.end(), media.begin(), media.end());
    return out;
}

std::vector<PcPlace> ChooseDrivePlaces(const std::vector<DriveFacts>& drives)
{
    enum : unsigned { kRemovable = 2, kFixed = 3, kRemote = 4, kCdRom = 5, kRamDisk = 6 };
    std::vector<PcPlace> out;
    for (const DriveFacts& d : drives) {
        if (d.type == kRemote || d.type == kRamDisk)
            continue;
        const int kind = d.type == kRemovable ? kNodeRemovable : d.type == kFixed ? kNodeFixed : d.type == kCdRom ? kNodeCdRom : kNodeTerminal;
        const std::string root = std::string(1, d.letter) + ":\\";
        out.push_back({root, root, kind});
    }
    std::sort(out.begin(), out.end(), [](const PcPlace& a, const PcPlace& b) { return a.label < b.label; });
    return out;
}

}  // namespace feld
