#pragma once
// The projects picked for sending: at most ten, in the order they were added, kept in the first
// `Count()` entries. Two projects whose programs have the same file name cannot both be listed.

#include <array>

#include "project/ProjectFile.h"

namespace feld {

class ProjectList {
public:
    static constexpr int kMax = 10;

    enum class Added { Yes, Full, SameName };
    // Appends a project: Full when ten are listed, SameName when a listed project has the same name
    // (exact comparison of the program paths' file names).
    Added Add(const ProjectEntry& project);
    // Removes the project at `index` (0-based); the ones behind it move up a place. False when
    // there is none there.
    bool RemoveAt(int index);
    void Reset();

    int Count() const { return count_; }
    bool Full() const { return count_ >= kMax; }
    const ProjectEntry& At(int index) const { return entries_.at(static_cast<std::size_t>(index)); }

private:
    std::array<ProjectEntry, kMax> entries_{};
    int count_ = 0;
};

}  // namespace feld
