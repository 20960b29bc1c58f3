#pragma once
// What the properties dialog shows for a drive, folder or file of the terminal tree: gathered over
// the link (disk information, the folder's own listing, the parent's listing) and turned into the
// dialog's five field texts.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace feld {

class Session;
class Ui;

struct TerminalProperties {
    enum Kind : int { Drive = 0, Folder = 1, File = 2 };
    Kind kind = File;
    std::string path;      // the node's full path: "C:\", "C:\DATA", "C:\DATA\DATA1.TXT"
    std::string name;      // the node's text
    std::uint32_t size = 0;  // a file's size, the sum of a folder's entries, a drive's total bytes
    std::int64_t free = 0;   // drives: free bytes, negative when the drive is not formatted
    int firmware = 0;        // the version the date and time are decoded by
    bool dated = false;      // whether a listing entry gave the date and time below
    bool sized = true;       // false: a file its parent's listing no longer holds (no size to show)
    std::array<std::uint8_t, 2> date{};  // the entry's words as the terminal stored them
    std::array<std::uint8_t, 2> time{};
};

// Gathers the properties of one node; the caller has connected the link and keeps the busy window.
// `parentPath` is the path of the node's parent ("C:\" for "C:\DATA"). Shows 61259 and gives nothing
// when the disk information (drives) or a needed listing is missing.
std::optional<TerminalProperties> GatherTerminalProperties(Session& session, Ui& ui, TerminalProperties::Kind kind,
                                                           const std::string& path, const std::string& name,
                                                           const std::string& parentPath);

// The dialog's fields, top to bottom, with the label each value goes under (a text id). A size or
// date that is not known (`sized`, `dated` false) is an empty field.
struct PropertiesFields {
    std::string name, type, location, size, created;
    int locationLabel = 0, sizeLabel = 0, createdLabel = 0;  // 0: the dialog's own label
};
PropertiesFields PropertiesFieldTexts(const TerminalProperties& p);

}  // namespace feld
