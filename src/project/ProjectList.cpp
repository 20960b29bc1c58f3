#include "project/ProjectList.h"

namespace feld {

ProjectList::Added ProjectList::Add(const ProjectEntry& project)
{
    if (count_ >= kMax)
        return Added::Full;
    const std::string name = ProjectName(project);
    for (int i = 0; i < count_; ++i)
        if (ProjectName(entries_[static_cast<std::size_t>(i)]) == name)
            return Added::SameName;
    entries_[static_cast<std::size_t>(count_)] = project;
    entries_[static_cast<std::size_t>(count_)].used = true;
    ++count_;
    return Added::Yes;
}

bool ProjectList::RemoveAt(int index)
{
    if (index < 0 || index >= count_)
        return false;
    for (int k = index; k < kMax; ++k) {
        if (k < kMax - 1 && entries_[static_cast<std::size_t>(k + 1)].used)
            entries_[static_cast<std::size_t>(k)] = entries_[static_cast<std::size_t>(k + 1)];
        else
            entries_[static_cast<std::size_t>(k)] = ProjectEntry{};
    }
    --count_;
    return true;
}

void ProjectList::Reset()
{
    entries_.fill(ProjectEntry{});
    count_ = 0;
}

}  // namespace feld
