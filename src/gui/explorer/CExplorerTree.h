#pragma once
// What advanced mode's two trees have in common: nodes with a kind (their picture) and a full path,
// the clicks that choose files into the shared list, the context menu with its six commands, the
// keys, the marks on chosen files and the drop target, and the drag and drop plumbing. The PC tree
// (CRemoteView) and the terminal tree (CPDTView) say what each of these does on their side.

#include <QPoint>
#include <QTreeWidget>

#include <cstdint>
#include <optional>

#include "explorer/TransferList.h"

class QMenu;
class QMimeData;

namespace feld::gui {

class CMainFrame;

// The context menu's commands.
namespace treecmd {
enum : int { kCut = 32783, kCopy = 32787, kDelete = 32789, kPaste = 32788, kFormat = 32790, kProperties = 32820 };
}

class CExplorerTree : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int kKindRole = Qt::UserRole;      // the node's kind (NodeKind)
    static constexpr int kPathRole = Qt::UserRole + 1;  // the node's full path (a PC path is the real one)
    static constexpr int kMarkRole = Qt::UserRole + 2;  // true while the node shows the drop highlight
    static constexpr int kSizeRole = Qt::UserRole + 3;  // a file's size in bytes (qulonglong)
    static constexpr int kTimeRole = Qt::UserRole + 4;  // last written, Unix time (qlonglong)
    static constexpr int kOrderRole = Qt::UserRole + 5; // when the node was made: places keep that order
    enum Column { kNameColumn = 0, kSizeColumn = 1, kDateColumn = 2 };
    // The drag's data: which tree the chosen files come from. The files themselves are the list's.
    static constexpr const char* kChosenMime = "application/x-feldspan-chosen";

    CExplorerTree(TreeSide side, CMainFrame& frame, TransferList& list, QWidget* parent);

    void SetPeer(CExplorerTree* peer) { peer_ = peer; }
    TreeSide Side() const { return side_; }
    TransferList& List() { return list_; }

    static int KindOf(const QTreeWidgetItem* item);  // -1 for no node
    static QString PathOf(const QTreeWidgetItem* item);
    QTreeWidgetItem* Root() const { return topLevelItem(0); }
    // The node showing a path, or nullptr.
    QTreeWidgetItem* FindNode(const QString& path, Qt::CaseSensitivity cs = Qt::CaseSensitive) const;
    // Every node showing it: in the PC tree a folder can show under a place and inside another one
    // (the home folder below the file system).
    QList<QTreeWidgetItem*> FindNodes(const QString& path) const;
    QTreeWidgetItem* ContextNode() const { return contextNode_; }
    QTreeWidgetItem* DropTarget() const { return dropTarget_; }
    bool Marked(const QTreeWidgetItem* item) const;

    // The context menu's action of a command, enabled as the last right click left it.
    QAction* MenuAction(int id) const;
    QMenu* ContextMenu() const { return menu_; }
    // Runs a context-menu command (what choosing it in the menu does).
    void RunCommand(int id);

    // Empties the shared list; the chosen files' marks go in both trees.
    void EmptyList();
    // Takes a node out of the tree; list entries that pointed at it keep their paths only.
    void RemoveNode(QTreeWidgetItem* item);
    // Puts the marks where they belong: the drop target and, while the list was made in this tree,
    // every listed node.
    void RefreshMarks();

    // The drag's data for files chosen in `side`.
    static QMimeData* ChosenData(TreeSide side);

protected:
    // What a left click on a node does in this tree, after the shared part; `toggled` says whether
    // the click opened or closed the node's branch.
    virtual void LeftClicked(QTreeWidgetItem* item, bool toggled) = 0;
    // The context menu's state for a right click on `item` (maybe nullptr), after the shared part.
    virtual void RightClicked(QTreeWidgetItem* item) = 0;
    // Whether a drop from `data` may land on `target`; `from` is the tree of chosen files dragged,
    // None for files from outside the program.
    virtual bool AcceptsDrop(QTreeWidgetItem* target, const QMimeData* data, TreeSide from) const = 0;
    virtual void Dropped(QTreeWidgetItem* target, const QMimeData* data, TreeSide from) = 0;

    virtual void OnDelete() = 0;
    virtual void OnPaste() = 0;
    virtual void OnFormat() {}
    virtual void OnProperties() {}

    // A node appended under `parent` (at the top when nullptr). A listing sorts its nodes by name
    // first, so a listed folder shows them in name order.
    QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const QString& text, int kind, const QString& path);
    // The Size and Date columns of a node: the size readable with the bytes in its tooltip, the
    // date as the properties write it; either may be unknown.
    static void SetDetails(QTreeWidgetItem* item, std::optional<std::uint64_t> size, std::optional<std::int64_t> modified);
    // The child that gives an unlisted drive or folder its expand button.
    void AddPlaceholder(QTreeWidgetItem* parent, const QString& text = QString());
    // Deletes every child of a node.
    void ClearChildren(QTreeWidgetItem* item);
    void SetDropTarget(QTreeWidgetItem* item);
    // The node becomes the selected one and the drop target (nullptr: neither).
    void Select(QTreeWidgetItem* item);
    void SetMenuState(bool cutCopy, bool del, bool pasteTarget, bool format, bool properties);
    // What an emptying of the list does to each entry's node: its drop highlight goes.
    TransferList::Unmark Unmarker();
    // The list's entries after a node was made for `path`: an entry that lost its node gets it back.
    void Rebind(QTreeWidgetItem* item);
    // Expands a node that a click asked to list, unless the click was on its branch sign.
    void ExpandAfterListing(QTreeWidgetItem* item, bool toggled);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    CMainFrame& frame_;
    TransferList& list_;
    CExplorerTree* peer_ = nullptr;

    // What the keys do on the current node. Moving it never lists (the line is slow); Enter does.
    // Enter on a drive or folder lists it and opens it; on a file it chooses the file as a click
    // does (Ctrl+Enter or Ctrl+Space adds it).
    void Activate(QTreeWidgetItem* item, bool control);
    // A command of the context menu for the current node, as if the menu had been opened there
    // (Ctrl+C, Ctrl+X, Ctrl+V, Delete); nothing when the menu would have it greyed.
    void KeyCommand(int id);
    // The context menu for the current node (Shift+F10, the Menu key).
    void KeyboardMenu();
    // F5: the current drive or folder, or the folder of the current file, listed anew.
    void ListAnew(QTreeWidgetItem* item);

private:
    void LeftDown(QMouseEvent* event);
    // Sets the menu's state for `item` and makes it the context node, as a right click does.
    void PrepareMenu(QTreeWidgetItem* item);
    void RightDown(QMouseEvent* event);
    void StartDrag();
    // The tree of the chosen files a drag carries; None for anything else.
    static TreeSide DragSide(const QMimeData* data);
    bool Acceptable(QDropEvent* event);
    // Lets go of every pointer to the node and its descendants, here and in the list.
    void Forget(QTreeWidgetItem* item);

    TreeSide side_;
    QMenu* menu_;
    QTreeWidgetItem* contextNode_ = nullptr;
    QTreeWidgetItem* dropTarget_ = nullptr;
    QPoint pressPoint_;
    QTreeWidgetItem* pressed_ = nullptr;
    // A press on one of several chosen files keeps them all for a drag; let go without a drag, it
    // is a click that chooses that file alone.
    bool clickOnRelease_ = false;
};

}  // namespace feld::gui
