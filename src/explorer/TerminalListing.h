#pragma once
// What the terminal tree shows of a folder listing: the node text and kind of each 28-byte entry,
// and the paths the tree builds from node texts.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "explorer/NodeKind.h"

namespace feld {

struct TerminalNode {
    std::string text;  // "C:\", "DATA", "DATA1.TXT", "README." (the terminal's bytes as they came)
    int kind = kNodeFile;
    std::uint32_t size = 0;                // the entry's size field
    std::array<std::uint8_t, 2> date{}, time{};  // as the firmware wrote them
    // The entry's date as a local calendar time, once DateTerminalNodes knew the firmware; nothing
    // for a date that names no real moment.
    std::optional<std::int64_t> modified;
};

// The node of one entry: a drive (attribute 0x00, its name such as "C:\") or a folder (0x10), each
// given an expand button by the tree; a file (0x20) as "NAME.EXT", "NAME." when the extension bytes
// are all zero. Names end at the first zero byte. Any other attribute (read-only, hidden, ...) is
// not shown, nor is a name that could not be passed on safely: an empty one, "." or "..", or one
// with a separator or a control character (a drive's own "\" aside).
std::optional<TerminalNode> TerminalNodeOf(const std::uint8_t* entry);

// The shown nodes of a listing of `count` entries (count as the terminal's 16-bit number: zero or
// below is none). `data` holds count * 28 bytes.
std::vector<TerminalNode> TerminalNodesOf(const std::uint8_t* data, int count);

// Reads each node's date words as `firmware` writes them (0 or below: unknown, no dates).
void DateTerminalNodes(std::vector<TerminalNode>& nodes, int firmware);

// The path of a child: a drive's text as it is ("C:\"), below it the parent's path and the text
// with one backslash between ("C:\DATA", "C:\DATA\DATA1.TXT").
std::string TerminalChildPath(const std::string& parentPath, const std::string& text);
// The parent's path of a node path: "C:\" for "C:\DATA", "C:\DATA" for "C:\DATA\A.TXT", "" for a drive.
std::string TerminalParentPath(const std::string& path);

}  // namespace feld
