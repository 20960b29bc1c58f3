#pragma once
// Project files as the project builder writes them: text with CR LF line ends in which each key
// ("Program=", "SysFont=", "UserFont=", "Lookup1=" .. "Lookup20=", "DataFile1=" .. "DataFile20=") is
// found by its first occurrence anywhere in the text, its value running to the next CR LF, blanks
// and all; a key written by hand in another letter case or with blanks around its "=" is read as
// an INI reader reads it (base/KeyText.h). No sections are needed; everything else is ignored.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace feld {

constexpr int kProjectSlots = 20;  // lookup files and data files per project

struct ProjectEntry {
    bool used = false;
    std::string program;
    std::string systemFont;
    std::string userFont;
    std::array<std::string, kProjectSlots> lookups;    // index 0 is "Lookup1="
    std::array<std::string, kProjectSlots> dataFiles;  // index 0 is "DataFile1="
    std::string file;  // the project file it came from (to find files beside it)
    // Entries such as "Lookup21=" that name a file the project has no slot for: never sent, and
    // said so.
    std::vector<std::string> beyondSlots;

    bool operator==(const ProjectEntry&) const = default;
};

// The 43 values of a project file's text (a CR LF is taken as following the last line).
ProjectEntry ParseProjectText(std::string_view text);

// The largest project file read: 43 paths of a few hundred bytes each fit many times over. A longer
// file is read up to this size (the keys are near its start in any file the builder wrote).
constexpr std::size_t kMaxProjectFile = 256 * 1024;

// Reads a project file. Nothing (with the reason) when it is not an ordinary file that can be read.
std::optional<ProjectEntry> ReadProjectFile(const std::string& path, std::string* why = nullptr);

// The file-name part of a path as a project file writes it: after the last "\" or "/".
std::string ProjectFileName(std::string_view path);
// The project's name: its program path's file-name part.
inline std::string ProjectName(const ProjectEntry& p) { return ProjectFileName(p.program); }

// Where a path of a project file is on this PC. As written when it exists there; a path written
// on Windows ("C:\Projects\APP.ABP") that does not exist is looked for by its file name in the
// project file's own folder (any letter case), so a project folder copied from Windows works as
// it is. Empty stays empty; a path found nowhere comes back as written.
std::string ResolveProjectPath(const std::string& path, const std::string& projectFile);
// Where ResolveProjectPath looks for a path on this PC, in words: the path as written, and the
// file of its name in the project file's folder ("/home/u/Project/APP.ABP, in any letter case").
std::string ProjectPathPlaces(const std::string& path, const std::string& projectFile);

// The project file the project builder handed over (Builder.ini's "[FeldBuilder]=" value): as
// written when it exists; a relative path from the project folder; else, for a path written on
// Windows, a file of that name in the project folder's "Project/" or one of its "Project/<name>/"
// folders. Empty when there is none.
std::string ResolveHandedOverProject(const std::string& handedOver, const std::string& projectPath);

}  // namespace feld
