#include "project/ProjectFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "base/AsciiCase.h"
#include "base/KeyText.h"
#include "base/LocalFile.h"
#include "base/PcFiles.h"
#include "base/Texts.h"

namespace feld {

namespace {

// The builder ends lines with CR LF; a file saved on Linux ends them with LF alone, and no path
// holds a line feed.
std::string valueOf(std::string_view text, const std::string& key) { return keyValue(text, key, KeyLineEnd::CrLfOrLf); }

// The entries of lines such as "Lookup21=" or "DataFile0=": a slot the project has no place for.
// Their names, so that they are not passed over without a word.
std::vector<std::string> entriesBeyondTheSlots(std::string_view text)
{
    std::vector<std::string> beyond;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find('\n', from);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(from, end - from);
        from = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::string_view name, value;
        if (!keyLine(line, name, value) || value.empty())
            continue;
        for (std::string_view kind : {std::string_view("Lookup"), std::string_view("DataFile")}) {
            if (!startsWithNoCase(name, kind) || name.size() == kind.size())
                continue;
            const std::string_view digits = name.substr(kind.size());
            if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
                continue;
            const bool inSlots = digits.size() <= 2 && digits.front() != '0' && std::stoi(std::string(digits)) <= kProjectSlots;
            if (!inSlots)
                beyond.emplace_back(name);
        }
    }
    return beyond;
}

}  // namespace

ProjectEntry ParseProjectText(std::string_view raw)
{
    // The text ends at its first NUL, as the builder's reader takes it, and a CR LF follows it.
    std::string text(raw.substr(0, raw.find('\0')));
    text += "\r\n";
    ProjectEntry p;
    p.used = true;
    p.program = valueOf(text, "Program=");
    p.systemFont = valueOf(text, "SysFont=");
    p.userFont = valueOf(text, "UserFont=");
    for (int i = 0; i < kProjectSlots; ++i) {
        // The "=" belongs to the key: "Lookup1=" does not find "Lookup10=".
        p.lookups[i] = valueOf(text, "Lookup" + std::to_string(i + 1) + "=");
        p.dataFiles[i] = valueOf(text, "DataFile" + std::to_string(i + 1) + "=");
    }
    p.beyondSlots = entriesBeyondTheSlots(text);
    return p;
}

std::optional<ProjectEntry> ReadProjectFile(const std::string& path, std::string* why)
{
    LocalFile file;
    std::string reason;
    // A file longer than any project file is read up to that size, not refused.
    std::error_code ec;
    const auto size = std::filesystem::file_size(FsPath(path), ec);
    if (!ec && size > kMaxProjectFile) {
        std::ifstream in(FsPath(path), std::ios::binary);
        std::string head(kMaxProjectFile, '\0');
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        if (!in && in.gcount() == 0) {
            if (why)
                *why = path + ": cannot be read";
            return std::nullopt;
        }
        head.resize(static_cast<std::size_t>(in.gcount()));
        ProjectEntry p = ParseProjectText(head);
        p.file = path;
        return p;
    }
    if (!ReadLocalFile(path, kMaxProjectFile, file, reason)) {
        if (why)
            *why = reason;
        return std::nullopt;
    }
    ProjectEntry p = ParseProjectText(std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()));
    p.file = path;
    return p;
}

std::string ProjectFileName(std::string_view path)
{
    const std::size_t cut = path.find_last_of("\\/");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string ResolveProjectPath(const std::string& path, const std::string& projectFile)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (path.empty() || fs::exists(FsPath(path), ec))
        return path;
    const std::string name = ProjectFileName(path);
    const fs::path folder = FsPath(projectFile).parent_path();
    if (name.empty() || folder.empty())
        return path;
    for (const auto& e : fs::directory_iterator(folder, ec))
        if (e.is_regular_file(ec) && equalsNoCase(FsString(e.path().filename()), name))
            return FsString(e.path());
    return path;
}

std::string ProjectPathPlaces(const std::string& path, const std::string& projectFile)
{
    namespace fs = std::filesystem;
    const std::string name = ProjectFileName(path);
    const fs::path folder = FsPath(projectFile).parent_path();
    if (name.empty() || folder.empty())
        return path;
    return formatText(tk("project.places", "%s, and %s in any letter case"), {path, FsString(folder / FsPath(name))});
}

std::string ResolveHandedOverProject(const std::string& handedOver, const std::string& projectPath)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (handedOver.empty())
        return {};
    if (fs::exists(FsPath(handedOver), ec))
        return handedOver;
    const fs::path relative = FsPath(projectPath) / FsPath(handedOver);
    if (handedOver.front() != '/' && fs::exists(relative, ec))
        return FsString(relative);
    const std::string name = ProjectFileName(handedOver);
    const fs::path projects = FsPath(projectPath) / "Project";
    if (const std::string found = ResolveProjectPath(name, FsString(projects / "x")); found != name)
        return found;
    for (const auto& folder : fs::directory_iterator(projects, ec)) {
        if (!folder.is_directory(ec))
            continue;
        const std::string found = ResolveProjectPath(name, (folder.path() / "x").string());
        if (found != name)
            return found;
    }
    return {};
}

}  // namespace feld
