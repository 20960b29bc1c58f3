#pragma once
// Advanced mode's terminal tree: the terminal, its drives, folders and files, listed over the link
// folder by folder on every click (nothing is cached). Every terminal step runs as the window's
// one operation on its worker; the tree changes afterwards, on the window's thread. A click that
// needs the terminal while an operation runs starts nothing.

#include <QSet>

#include <optional>
#include <string>
#include <vector>

#include "explorer/TerminalListing.h"
#include "gui/explorer/CExplorerTree.h"

namespace feld::gui {

class CPDTView : public CExplorerTree {
    Q_OBJECT
public:
    CPDTView(CMainFrame& frame, TransferList& list, QWidget* parent);

    // The root with the fixed C: and D: drives.
    void InitialTree();
    // Lists the node of a terminal path anew ("C:\", "C:\DATA") and opens it: now, or once the
    // operation under way has ended.
    void Relist(const QString& path);
    // Whether listings wait for the operation under way.
    bool RelistPending() const { return !pending_.isEmpty(); }
    QTreeWidgetItem* DriveNode(char letter) const;

    // Files from the PC's file manager dropped onto a drive or folder: sent when every one is a file
    // whose name the terminal can hold; otherwise refused with the reasons and nothing sent.
    void DropPcFiles(QTreeWidgetItem* target, const QStringList& paths);

protected:
    void LeftClicked(QTreeWidgetItem* item, bool toggled) override;
    void RightClicked(QTreeWidgetItem* item) override;
    bool AcceptsDrop(QTreeWidgetItem* target, const QMimeData* data, TreeSide from) const override;
    void Dropped(QTreeWidgetItem* target, const QMimeData* data, TreeSide from) override;
    void OnDelete() override;
    void OnPaste() override;
    void OnFormat() override;
    void OnProperties() override;

private:
    using Listing = std::optional<std::vector<TerminalNode>>;
    // Puts a listing's nodes under the node of `path` (the root for an empty path).
    void ApplyListing(const QString& path, const Listing& nodes, bool expand);
    void ListPending();
    // Uploads PC files into a terminal folder on the worker; `deleteAfter` removes each local file
    // after its own successful upload (a cut and paste). The folder is listed anew afterwards.
    void Upload(const QString& folder, const std::vector<TransferEntry>& files, bool deleteAfter);

    QSet<QString> pending_;
};

}  // namespace feld::gui
