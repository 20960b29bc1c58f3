#include "sim/SimDrives.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "base/AsciiCase.h"
#include "link/wire/TermStatus.h"
#include "sim/SimNames.h"

namespace feld::sim {

namespace fs = std::filesystem;

namespace {

std::int64_t mtimeOf(const fs::path& p)
{
    struct stat st{};
    if (::lstat(p.c_str(), &st) != 0)
        return 0;
    return st.st_mtim.tv_sec;
}

}  // namespace

SimDrives::SimDrives(fs::path root, std::int64_t cSize, std::int64_t dSize) : root_(std::move(root))
{
    size_[kDriveC] = cSize;
    size_[kDriveD] = dSize;
}

bool SimDrives::prepare(std::string& error)
{
    std::error_code ec;
    for (int d : {kDriveC, kDriveD}) {
        fs::create_directories(driveFolder(d), ec);
        if (ec) {
            error = "cannot create " + driveFolder(d).string() + ": " + ec.message();
            return false;
        }
    }
    return true;
}

int SimDrives::driveOf(std::string_view p)
{
    if (p.size() < 2 || p[1] != ':')
        return -1;
    char c = asciiUpper(p[0]);
    return c == 'C' ? kDriveC : c == 'D' ? kDriveD : -1;
}

std::optional<SimDrives::Resolved> SimDrives::resolve(std::string_view path, std::string* why) const
{
    auto refuse = [&](std::string reason) -> std::optional<Resolved> {
        if (why)
            *why = std::move(reason);
        return std::nullopt;
    };
    if (std::string problem = pathProblem(path); !problem.empty())
        return refuse(std::move(problem));
    int drive = driveOf(path);
    std::vector<std::string_view> parts;
    for (std::string_view rest = path.substr(2); !rest.empty();) {
        auto sep = rest.find('\\');
        if (sep > 0)
            parts.push_back(rest.substr(0, sep));
        rest = sep == std::string_view::npos ? std::string_view{} : rest.substr(sep + 1);
    }

    Resolved r;
    r.drive = drive;
    r.host = driveFolder(drive);
    r.terminalPath = std::string(1, letter(drive)) + ":\\";
    r.isRoot = parts.empty();
    bool parentExists = true;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::string name(parts[i]);
        if (parentExists) {
            std::error_code ec;
            bool found = false;
            for (const auto& e : fs::directory_iterator(r.host, ec)) {
                std::string have = e.path().filename().string();
                if (equalsNoCase(have, name)) {
                    name = have;
                    found = true;
                    break;
                }
            }
            parentExists = found;
            if (found) {
                // A link in a drive folder could lead anywhere: the terminal has no such thing.
                if (fs::is_symlink(fs::symlink_status(r.host / name, ec)))
                    return refuse("path goes through a link");
                if (i + 1 < parts.size() && !fs::is_directory(r.host / name, ec))
                    return refuse("path goes through a file");
            }
        }
        r.host /= name;
        r.terminalPath += (i ? "\\" : "") + name;
    }
    return r;
}

std::int64_t SimDrives::used(int drive) const
{
    std::int64_t total = 0;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(driveFolder(drive), ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (it->is_regular_file(ec) && !it->is_symlink(ec))
            total += static_cast<std::int64_t>(it->file_size(ec));
    }
    return total;
}

std::int64_t SimDrives::freeBytes(int drive) const
{
    if (!formatted_[drive])
        return -1;
    return std::max<std::int64_t>(0, size_[drive] - used(drive));
}

bool SimDrives::format(int drive, std::string& error)
{
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(driveFolder(drive), ec)) {
        fs::remove_all(e.path(), ec);
        if (ec) {
            error = "cannot empty " + e.path().string() + ": " + ec.message();
            return false;
        }
    }
    if (ec) {
        error = "cannot read " + driveFolder(drive).string() + ": " + ec.message();
        return false;
    }
    formatted_[drive] = true;
    return true;
}

std::string SimDrives::folderForType(std::uint8_t type, const std::string& name, int firmware)
{
    // The flash writer goes where the PC's kernel update expects it, whatever type it came as.
    if (equalsNoCase(name, term::kFlashWriterTerminalName))
        return "C:\\Program";
    switch (type) {
    // Terminals before firmware 2.00 keep their programs on drive C:.
    case wire::kTypeProgram: return firmware < 200 ? "C:\\Program" : "D:\\Program";
    case wire::kTypeLookup: return "D:\\Lookup";
    case wire::kTypeFont: return "D:\\Fonts";
    case wire::kTypeData: return "C:\\Data";
    default: return {};
    }
}

bool SimDrives::listable(std::string_view path) const
{
    if (listsDrives(path))
        return true;
    auto r = resolve(listedFolder(path));
    if (!r)
        return false;
    if (!formatted_[r->drive])
        return true;
    std::error_code ec;
    return fs::is_directory(fs::symlink_status(r->host, ec));
}

std::vector<std::uint8_t> SimDrives::list(std::string_view path, int firmware) const
{
    std::vector<std::uint8_t> out;
    auto add = [&](const wire::DirEntry& e) {
        auto b = wire::encodeDirEntry(e);
        out.insert(out.end(), b.begin(), b.end());
    };
    if (listsDrives(path)) {
        for (int d : {kDriveC, kDriveD}) {
            wire::DirEntry e;
            e.name = std::string(1, letter(d)) + ":\\";
            e.attribute = wire::kAttrDrive;
            e.size = static_cast<std::uint32_t>(size_[d]);
            add(e);
        }
        return out;
    }
    auto r = resolve(listedFolder(path));
    if (!r || !formatted_[r->drive])
        return out;
    std::error_code ec;
    if (!fs::is_directory(fs::symlink_status(r->host, ec)))
        return out;
    struct Item {
        std::string key;
        wire::DirEntry entry;
    };
    std::vector<Item> items;
    for (const auto& e : fs::directory_iterator(r->host, ec)) {
        std::string name = e.path().filename().string();
        // Files the terminal could not hold (long names, links, devices) are not part of its drive.
        if (!lookupNameProblem(name).empty() || e.is_symlink(ec))
            continue;
        wire::DirEntry d;
        d.name = name;
        if (e.is_directory(ec))
            d.attribute = wire::kAttrFolder;
        else if (e.is_regular_file(ec)) {
            d.attribute = wire::kAttrFile;
            d.size = static_cast<std::uint32_t>(e.file_size(ec));
        } else
            continue;
        auto when = wire::termDateTimeFromUnix(mtimeOf(e.path()));
        d.date = wire::encodeDate(when, firmware);
        d.time = wire::encodeTime(when, firmware);
        items.push_back({upper(name), d});
    }
    std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.key < b.key; });
    for (const auto& i : items)
        add(i.entry);
    return out;
}

bool SimDrives::fileExists(const Resolved& where) const
{
    std::error_code ec;
    return !where.isRoot && fs::is_regular_file(fs::symlink_status(where.host, ec));
}

int SimDrives::store(const Resolved& where, const std::uint8_t* bytes, std::size_t n, bool overwrite,
                     std::optional<std::int64_t> mtime, std::string& why)
{
    if (!formatted_[where.drive]) {
        why = "drive not formatted";
        return term::kNotFormatted;
    }
    std::error_code ec;
    auto st = fs::symlink_status(where.host, ec);
    if (where.isRoot || fs::is_directory(st)) {
        why = "a folder has that name";
        return term::kCannotStore;
    }
    std::int64_t existing = 0;
    if (fs::exists(st)) {
        if (!fs::is_regular_file(st)) {
            why = "not a file";
            return term::kCannotStore;
        }
        if (!overwrite) {
            why = "file exists";
            return term::kFileExists;
        }
        existing = static_cast<std::int64_t>(fs::file_size(where.host, ec));
    }
    if (static_cast<std::int64_t>(n) > freeBytes(where.drive) + existing) {
        why = "not enough room";
        return term::kNoSpace;
    }
    // Folders on the way are made on demand; their names were checked when the path was resolved.
    fs::create_directories(where.host.parent_path(), ec);
    if (ec) {
        why = "cannot create the folder: " + ec.message();
        return term::kCannotStore;
    }
    // Written beside the target and renamed over it, so a failed write never leaves half a file.
    fs::path tmp = where.host.parent_path() / (".incoming-" + where.host.filename().string());
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        if (n)
            f.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(n));
        f.flush();
        if (!f) {
            f.close();
            fs::remove(tmp, ec);
            why = "cannot write the file";
            return term::kNoSpace;
        }
    }
    if (mtime) {
        timespec times[2] = {{*mtime, 0}, {*mtime, 0}};
        ::utimensat(AT_FDCWD, tmp.c_str(), times, 0);
    }
    fs::rename(tmp, where.host, ec);
    if (ec) {
        fs::remove(tmp, ec);
        why = "cannot write the file";
        return term::kCannotStore;
    }
    return term::kDone;
}

int SimDrives::remove(const Resolved& where)
{
    if (!formatted_[where.drive])
        return term::kNotFormatted;
    if (where.isRoot)
        return term::kFailed;
    std::error_code ec;
    auto st = fs::symlink_status(where.host, ec);
    // A folder goes only when it is empty.
    if (fs::is_regular_file(st) || fs::is_directory(st))
        return fs::remove(where.host, ec) && !ec ? term::kDone : term::kFailed;
    return term::kFailed;
}

bool SimDrives::read(const Resolved& where, std::vector<std::uint8_t>& out, std::int64_t& mtime) const
{
    if (!formatted_[where.drive] || !fileExists(where))
        return false;
    std::ifstream f(where.host, std::ios::binary);
    if (!f)
        return false;
    out.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    mtime = mtimeOf(where.host);
    return !f.bad();
}

}  // namespace feld::sim
