#include "explorer/TransferList.h"

#include <algorithm>

namespace feld {

std::string TransferList::FolderOf(TreeSide side, const std::string& path)
{
#ifdef _WIN32
    (void)side;
    const char* separators = "\\/";
#else
    const char* separators = side == TreeSide::Terminal ? "\\" : "/";
#endif
    const std::size_t cut = path.find_last_of(separators);
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

void TransferList::Append(TreeSide side, const void* node, const std::string& path, int moveFlag)
{
    entries_.push_back({node, side, moveFlag ? 1 : 0, FolderOf(side, path), path});
}

void TransferList::ChooseFile(TreeSide side, const void* node, const std::string& path, int moveFlag, const Unmark& unmark)
{
    if (!entries_.empty() && entries_.front().side != side)
        Empty(unmark);
    source_ = side;
    drag_.armed = true;
    // A node is listed once; so is a path whose node was listed before it was shown anew.
    const bool listed = std::any_of(entries_.begin(), entries_.end(), [&](const TransferEntry& e) {
        return e.node == node || (e.side == side && e.path == path);
    });
    if (!listed)
        Append(side, node, path, moveFlag);
    else
        RebindNode(side, path, node);
}

void TransferList::ResetTo(TreeSide side, const void* node, const std::string& path, const Unmark& unmark)
{
    Empty(unmark);
    Append(side, node, path, 0);
}

void TransferList::Empty(const Unmark& unmark)
{
    // Taken out first: an unmark that looks at the list sees it empty already.
    std::vector<TransferEntry> gone;
    gone.swap(entries_);
    if (unmark)
        for (const TransferEntry& e : gone)
            unmark(e);
}

void TransferList::Mark(TreeSide side, int move)
{
    source_ = side;
    pasteCount_ = Count();
    for (TransferEntry& e : entries_)
        e.move = move;
}

std::vector<TransferEntry> TransferList::EntriesOf(TreeSide side) const
{
    std::vector<TransferEntry> out;
    for (const TransferEntry& e : entries_)
        if (e.side == side)
            out.push_back(e);
    return out;
}

void TransferList::ForgetNode(const void* node)
{
    for (TransferEntry& e : entries_)
        if (e.node == node)
            e.node = nullptr;
}

void TransferList::RebindNode(TreeSide side, const std::string& path, const void* node)
{
    for (TransferEntry& e : entries_)
        if (!e.node && e.side == side && e.path == path)
            e.node = node;
}

bool TransferList::Contains(const void* node) const
{
    return node && std::any_of(entries_.begin(), entries_.end(), [&](const TransferEntry& e) { return e.node == node; });
}

}  // namespace feld
