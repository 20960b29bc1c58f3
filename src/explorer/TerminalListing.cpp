#include "explorer/TerminalListing.h"

#include <algorithm>

#include "link/wire/TermCodec.h"

namespace feld {

namespace {

// Bytes up to the first zero, at most `n`.
std::string field(const std::uint8_t* p, std::size_t n)
{
    const std::uint8_t* end = std::find(p, p + n, 0);
    return std::string(reinterpret_cast<const char*>(p), static_cast<std::size_t>(end - p));
}

// A drive's name becomes the start of every path below it: it may end in its "\" but hold no
// other separator, no "/" and no control character.
bool safeDriveName(const std::string& s)
{
    if (s.empty() || s.find('\\') < s.size() - 1)
        return false;
    return std::none_of(s.begin(), s.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7F || c == '/';
    });
}

// The node of an entry by its name and attribute alone.
std::optional<TerminalNode> NodeNamed(const std::uint8_t* entry)
{
    const std::string name = field(entry, 8);
    switch (entry[11]) {
    case wire::kAttrDrive:
        if (!safeDriveName(name))
            return std::nullopt;
        return TerminalNode{name, kNodeFixed};
    case wire::kAttrFolder:
        if (!wire::isSafeTerminalName(name))
            return std::nullopt;
        return TerminalNode{name, kNodeFolder};
    case wire::kAttrFile: {
        std::string text = name + "." + field(entry + 8, 3);
        if (name.empty() || !wire::isSafeTerminalName(text))
            return std::nullopt;
        return TerminalNode{text, kNodeFile};
    }
    default:
        return std::nullopt;
    }
}

}  // namespace

std::optional<TerminalNode> TerminalNodeOf(const std::uint8_t* entry)
{
    auto node = NodeNamed(entry);
    if (node) {
        const wire::DirEntry e = wire::decodeDirEntry(entry);
        node->size = e.size;
        node->date = e.date;
        node->time = e.time;
    }
    return node;
}

void DateTerminalNodes(std::vector<TerminalNode>& nodes, int firmware)
{
    for (TerminalNode& n : nodes)
        n.modified = firmware > 0 ? wire::calendarTimeOf(wire::decodeDateTime(n.date.data(), n.time.data(), firmware))
                                  : std::nullopt;
}

std::vector<TerminalNode> TerminalNodesOf(const std::uint8_t* data, int count)
{
    std::vector<TerminalNode> out;
    const int n = static_cast<std::int16_t>(count);
    for (int i = 0; data && i < n; ++i)
        if (auto node = TerminalNodeOf(data + static_cast<std::size_t>(i) * wire::kDirEntrySize))
            out.push_back(std::move(*node));
    return out;
}

std::string TerminalChildPath(const std::string& parentPath, const std::string& text)
{
    if (parentPath.empty())
        return text;
    if (parentPath.back() == '\\')
        return parentPath + text;
    return parentPath + "\\" + text;
}

std::string TerminalParentPath(const std::string& path)
{
    std::string p = path;
    if (!p.empty() && p.back() == '\\')
        return {};  // a drive
    const std::size_t cut = p.rfind('\\');
    if (cut == std::string::npos)
        return {};
    // Up to the separator; a drive keeps its own ("C:\").
    const std::string parent = p.substr(0, cut);
    return parent.find('\\') == std::string::npos ? p.substr(0, cut + 1) : parent;
}

}  // namespace feld
