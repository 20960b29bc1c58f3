// The system as the device checks read it on Linux and other POSIX systems: the one place that
// opens files, follows links and runs a program for them.

#include "session/SystemView.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace feld {
namespace {

namespace fs = std::filesystem;

std::vector<unsigned> numbers(const std::string& text)
{
    std::vector<unsigned> out;
    std::istringstream in(text);
    for (unsigned long v; in >> v;)
        out.push_back(static_cast<unsigned>(v));
    return out;
}

// The numbers after "Key:" in a /proc/N/status text.
std::vector<unsigned> statusField(const std::string& status, const std::string& key)
{
    std::istringstream in(status);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(key + ":", 0) == 0)
            return numbers(line.substr(key.size() + 1));
    return {};
}

}  // namespace

SystemView::SystemView(std::string root) : root_(std::move(root)), fake_(root_ != "/" && !root_.empty())
{
    if (root_.empty())
        root_.assign(1, '/');  // (an assignment of "/" trips a false -Wrestrict in GCC 12)
    while (root_.size() > 1 && root_.back() == '/')
        root_.pop_back();
}

std::string SystemView::at(const std::string& path) const
{
    if (!fake_)
        return path;
    return root_ + (path.empty() || path[0] != '/' ? "/" : "") + path;
}

std::optional<std::string> SystemView::read(const std::string& path) const
{
    std::ifstream in(at(path), std::ios::binary);
    if (!in)
        return std::nullopt;
    // Attributes and account files are small; a runaway file is cut rather than read whole.
    std::string text(64 * 1024, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad())
        return std::nullopt;
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

std::vector<std::string> SystemView::list(const std::string& dir) const
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(at(dir), ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool SystemView::exists(const std::string& path) const
{
    struct stat st {};
    return ::lstat(at(path).c_str(), &st) == 0;
}

bool SystemView::isDirectory(const std::string& path) const
{
    struct stat st {};
    return ::stat(at(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<std::string> SystemView::link(const std::string& path) const
{
    char buf[4096];
    ssize_t n = ::readlink(at(path).c_str(), buf, sizeof buf - 1);
    if (n < 0)
        return std::nullopt;
    return std::string(buf, static_cast<std::size_t>(n));
}

bool SystemView::mayList(const std::string& dir) const
{
    std::error_code ec;
    fs::directory_iterator it(at(dir), ec);
    return !ec;
}

SystemView::Node SystemView::node(const std::string& path) const
{
    Node n;
    struct stat st {};
    if (::stat(at(path).c_str(), &st) != 0)
        return n;
    n.exists = true;
    n.uid = st.st_uid;
    n.gid = st.st_gid;
    n.mode = st.st_mode & 07777;
    return n;
}

Credentials SystemView::credentials() const
{
    Credentials c;
    if (!fake_) {
        c.uid = ::getuid();
        c.gid = ::getgid();
        int n = ::getgroups(0, nullptr);
        std::vector<gid_t> g(n > 0 ? static_cast<std::size_t>(n) : 0);
        if (n > 0 && ::getgroups(n, g.data()) == n)
            c.groups.assign(g.begin(), g.end());
        return c;
    }
    const std::string status = read("/proc/self/status").value_or("");
    auto uid = statusField(status, "Uid");
    auto gid = statusField(status, "Gid");
    c.uid = uid.empty() ? 0 : uid[0];
    c.gid = gid.empty() ? 0 : gid[0];
    c.groups = statusField(status, "Groups");
    return c;
}

bool SystemView::mayOpen(const std::string& path) const
{
    if (!fake_)
        return ::access(path.c_str(), R_OK | W_OK) == 0;
    Node n = node(path);
    if (!n.exists)
        return false;
    Credentials c = credentials();
    if (c.uid == 0)
        return true;
    unsigned bits = 0;
    if (n.uid == c.uid)
        bits = (n.mode >> 6) & 7;
    else if (n.gid == c.gid || std::find(c.groups.begin(), c.groups.end(), n.gid) != c.groups.end())
        bits = (n.mode >> 3) & 7;
    else
        bits = n.mode & 7;
    return (bits & 6) == 6;
}

long SystemView::selfPid() const
{
    return fake_ ? -1 : static_cast<long>(::getpid());
}

std::optional<std::vector<std::string>> SystemView::chineseFontFamilies() const
{
    if (fake_)
        return std::nullopt;
    // fontconfig knows the installed fonts and the languages they cover; its lister is asked
    // rather than its library linked, as the command-line program has no use for fonts otherwise.
    for (const char* dir : {"/usr/bin/", "/bin/", "/usr/local/bin/"}) {
        const std::string lister = std::string(dir) + "fc-list";
        if (::access(lister.c_str(), X_OK) != 0)
            continue;
        const std::string command = lister + " :lang=zh-tw family 2>/dev/null";
        std::FILE* p = ::popen(command.c_str(), "r");
        if (!p)
            return std::nullopt;
        std::string out;
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0 && out.size() < (1u << 20);)
            out.append(buf, n);
        int status = ::pclose(p);
        if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return std::nullopt;
        std::vector<std::string> families;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);)
            if (!line.empty())
                families.push_back(line.substr(0, line.find(',')));
        std::sort(families.begin(), families.end());
        families.erase(std::unique(families.begin(), families.end()), families.end());
        return families;
    }
    return std::nullopt;
}

std::vector<std::string> SystemView::fontFiles() const
{
    std::vector<std::string> files;
    std::vector<std::string> dirs{"/usr/share/fonts", "/usr/local/share/fonts"};
    if (!fake_)
        if (const char* home = std::getenv("HOME"); home && *home)
            for (const char* sub : {"/.local/share/fonts", "/.fonts"})
                dirs.push_back(std::string(home) + sub);
    for (const std::string& dir : dirs) {
        std::error_code ec;
        fs::recursive_directory_iterator it(at(dir), fs::directory_options::skip_permission_denied, ec), end;
        for (int seen = 0; !ec && it != end && seen < 100000; it.increment(ec), ++seen)
            if (it->is_regular_file(ec))
                files.push_back(it->path().string().substr(fake_ ? root_.size() : 0));
    }
    return files;
}

std::optional<WindowsFacts> SystemView::windowsFacts(const PortSettings&) const
{
    return std::nullopt;  // the files below the root tell everything here
}

}  // namespace feld
