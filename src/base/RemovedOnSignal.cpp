// The list of work files a signal removes: one for the whole program, published for the
// platform's handler (os/SafeFile*.cpp) to walk.
#include <atomic>
#include <thread>

#include "base/SafeFile.h"
#include "base/os/RemovedList.h"

namespace feld {
namespace {

// A handler counts itself in `listReaders` while it walks the list, so the list is never freed
// under it.
std::atomic<const char* const*> removedList{nullptr};
std::atomic<int> listReaders{0};

// Withdraws the published list and waits until no handler is still reading it.
void withdrawList()
{
    removedList.store(nullptr);
    while (listReaders.load() != 0)
        std::this_thread::yield();
}

}  // namespace

namespace removedlist {

const char* const* Enter()
{
    ++listReaders;
    return removedList.load();
}

void Leave() { --listReaders; }

}  // namespace removedlist

void RemovedOnSignal::Set(std::vector<std::string> files, std::vector<std::string> folders)
{
    withdrawList();
    paths_ = std::move(files);
    const std::size_t fileCount = paths_.size();
    paths_.insert(paths_.end(), folders.begin(), folders.end());
    list_.clear();
    for (std::size_t i = 0; i < paths_.size(); ++i) {
        if (i == fileCount)
            list_.push_back(nullptr);
        list_.push_back(paths_[i].c_str());
    }
    if (fileCount == paths_.size())
        list_.push_back(nullptr);
    list_.push_back(nullptr);
    removedList.store(list_.data());
}

void RemovedOnSignal::Keep()
{
    if (list_.empty())
        return;
    if (removedList.load() == list_.data())
        withdrawList();
    list_.clear();
    paths_.clear();
}

}  // namespace feld
