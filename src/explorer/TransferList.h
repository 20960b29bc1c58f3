#pragma once
// The files chosen in advanced mode's two trees, shared by both: the list in the order chosen, the
// tree it was made in, the paste count and the drag state. The trees fill and empty it as the user
// clicks; cut, copy, paste and drag and drop read it.
//
// The list is kept to one tree: choosing a file of the other tree empties it first. Each entry also
// says which tree it came from, and the commands take only the entries of the tree they act for,
// so a PC delete never gets a terminal path and a terminal command never a PC one.

#include <functional>
#include <string>
#include <vector>

#include "explorer/TreeSide.h"

namespace feld {

struct TransferEntry {
    const void* node = nullptr;  // the file's node in its tree; nullptr once that node is gone
    TreeSide side = TreeSide::None;
    int move = 0;                // 1: the source goes once the transfer succeeded; 0: copy
    std::string folder;          // the full path up to and including its last separator
    std::string path;            // the full path as the tree builds it
};

struct DragState {
    bool armed = false;                   // a left click on a file armed it
    TreeSide source = TreeSide::None;     // the tree a drag started in
};

class TransferList {
public:
    // Called for every entry an emptying lets go of, to take the mark off its node.
    using Unmark = std::function<void(const TransferEntry&)>;

    // A left click on a file: the source becomes `side`, the drag is armed, and the file is
    // appended unless it is listed already. A file of the other tree empties the list first.
    // `moveFlag`: 1 for a PC file, the Delete receive setting for a terminal file.
    void ChooseFile(TreeSide side, const void* node, const std::string& path, int moveFlag, const Unmark& unmark);
    // A right click on a file while the list holds at most one entry: the file becomes the only
    // entry, to be copied; the source stays as it was.
    void ResetTo(TreeSide side, const void* node, const std::string& path, const Unmark& unmark);
    // Lets go of every entry.
    void Empty(const Unmark& unmark);

    // Cut (move) and copy in a tree: the source becomes that tree, the paste count the number of
    // entries, and every entry's move flag 1 for cut, 0 for copy.
    void Cut(TreeSide side) { Mark(side, 1); }
    void Copy(TreeSide side) { Mark(side, 0); }

    // The entries a command of `side` may act on, in the order chosen.
    std::vector<TransferEntry> EntriesOf(TreeSide side) const;
    // The entries a paste or a drop transfers: those of the tree the list was made in.
    std::vector<TransferEntry> SourceEntries() const { return EntriesOf(source_); }

    // The tree is about to delete `node`: entries keep their paths but no longer point at it.
    void ForgetNode(const void* node);
    // A node of `side` now shows `path`: entries of that path that lost their node get it back.
    void RebindNode(TreeSide side, const std::string& path, const void* node);
    bool Contains(const void* node) const;

    const std::vector<TransferEntry>& Entries() const { return entries_; }
    int Count() const { return static_cast<int>(entries_.size()); }
    TreeSide Source() const { return source_; }
    int PasteCount() const { return pasteCount_; }
    void SetPasteCount(int n) { pasteCount_ = n; }
    DragState& Drag() { return drag_; }
    const DragState& Drag() const { return drag_; }

    // The folder part of a path: up to and including the last separator ("\" on the terminal,
    // the platform's on the PC).
    static std::string FolderOf(TreeSide side, const std::string& path);

private:
    void Mark(TreeSide side, int move);
    void Append(TreeSide side, const void* node, const std::string& path, int moveFlag);

    std::vector<TransferEntry> entries_;
    TreeSide source_ = TreeSide::None;
    int pasteCount_ = 0;
    DragState drag_;
};

}  // namespace feld
