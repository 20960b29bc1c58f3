#pragma once
// Advanced mode's PC tree: the PC's places (the root file system, the home folder, mounted media)
// with their folders and the files the terminal can hold. A folder is read anew on every click.
// Files chosen here are uploaded by paste or drag into the terminal tree; files of either tree are
// brought into a PC folder by paste or drag (download, local copy or move).
//
// Paths are the PC's own ("/home/anna/DATA1.TXT"): each node keeps its real path, and a place
// shows a readable name ("Home", the volume's label) instead of its mount point.

#include "gui/explorer/CExplorerTree.h"

namespace feld::gui {

class CRemoteView : public CExplorerTree {
    Q_OBJECT
public:
    CRemoteView(CMainFrame& frame, TransferList& list, QWidget* parent);

    // The root with the PC's places, each with an expand button.
    void InitialTree();
    // Replaces the children of a drive or folder node with what its folder holds now.
    void ListFolder(QTreeWidgetItem* item);
    // Lists the node of a path again when the tree shows it.
    void Relist(const QString& path);
    // Takes out every node of a file that is gone.
    void RemoveNodes(const QString& path);

protected:
    void LeftClicked(QTreeWidgetItem* item, bool toggled) override;
    void RightClicked(QTreeWidgetItem* item) override;
    bool AcceptsDrop(QTreeWidgetItem* target, const QMimeData* data, TreeSide from) const override;
    void Dropped(QTreeWidgetItem* target, const QMimeData* data, TreeSide from) override;
    void OnDelete() override;
    void OnPaste() override;

private:
    // Brings the files chosen in the source tree into the folder of `target`, one message-view
    // line each; a paste also ends the paste count.
    void TransferInto(QTreeWidgetItem* target, bool paste);
};

}  // namespace feld::gui
