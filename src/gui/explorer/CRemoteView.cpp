#include "gui/explorer/CRemoteView.h"

#include <QDir>

#include <algorithm>
#include <memory>

#include "base/Texts.h"
#include "explorer/NodeKind.h"
#include "explorer/PcListing.h"
#include "explorer/TransferProcedures.h"
#include "explorer/TreeCommands.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/QtUi.h"
#include "gui/explorer/CPDTView.h"

namespace feld::gui {

namespace {

bool isPlaceOrFolder(int kind) { return kind >= kNodeTerminal && kind <= kNodeFolder; }

QString childPath(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// The file-name part of a chosen file's path in its own tree.
std::string fileNameOf(TreeSide side, const std::string& path)
{
    if (side == TreeSide::Terminal)
        return TransferProcedures::TerminalFileName(path);
    return QFileInfo(qs(path)).fileName().toStdString();
}

}  // namespace

CRemoteView::CRemoteView(CMainFrame& frame, TransferList& list, QWidget* parent)
    : CExplorerTree(TreeSide::Pc, frame, list, parent)
{
    setObjectName(QStringLiteral("CRemoteView"));
    list_.SetPasteCount(0);
    InitialTree();
}

void CRemoteView::InitialTree()
{
    clear();
    QTreeWidgetItem* root = AddNode(nullptr, qtr(txt::kComputerRoot), kNodeComputer, QString());
    for (const PcPlace& place : PcPlaces()) {
        QTreeWidgetItem* node = AddNode(root, qs(place.label), place.kind, qs(place.path));
        node->setToolTip(0, qs(place.path));
        AddPlaceholder(node, qs(place.label));
    }
    root->setExpanded(true);
}

void CRemoteView::ListFolder(QTreeWidgetItem* item)
{
    ClearChildren(item);
    const QString folder = PathOf(item);
    std::vector<PcEntry> entries = ListPcFolder(folder.toStdString());
    std::sort(entries.begin(), entries.end(), [](const PcEntry& a, const PcEntry& b) {
        return QString::compare(qs(a.name), qs(b.name), Qt::CaseInsensitive) < 0;
    });
    for (const PcEntry& e : entries) {
        const QString name = qs(e.name);
        QTreeWidgetItem* node = AddNode(item, name, e.folder ? kNodeFolder : kNodeFile, childPath(folder, name));
        SetDetails(node, e.folder ? std::nullopt : std::optional<std::uint64_t>(e.size), e.modified);
        if (e.folder)
            AddPlaceholder(node, name);
        else
            Rebind(node);
    }
}

void CRemoteView::Relist(const QString& path)
{
    for (QTreeWidgetItem* node : FindNodes(path))
        if (isPlaceOrFolder(KindOf(node)))
            ListFolder(node);
}

void CRemoteView::RemoveNodes(const QString& path)
{
    for (QTreeWidgetItem* node : FindNodes(path))
        RemoveNode(node);
}

void CRemoteView::LeftClicked(QTreeWidgetItem* item, bool toggled)
{
    const int kind = KindOf(item);
    if (kind == kNodeFile) {
        list_.ChooseFile(TreeSide::Pc, item, PathOf(item).toStdString(), 1, Unmarker());
    } else if (kind >= kNodeRemovable && kind <= kNodeFolder) {
        // A place of another kind (kNodeTerminal here) is shown but not opened.
        ListFolder(item);
        ExpandAfterListing(item, toggled);
    }
}

void CRemoteView::RightClicked(QTreeWidgetItem* item)
{
    const int kind = KindOf(item);
    if (list_.Count() <= 1) {
        if (kind == kNodeFile)
            list_.ResetTo(TreeSide::Pc, item, PathOf(item).toStdString(), Unmarker());
        Select(item);
    } else if (kind != kNodeFile) {
        Select(item);
    }
    list_.Drag().armed = false;
    const bool file = kind == kNodeFile;
    SetMenuState(file, file, isPlaceOrFolder(kind), false, false);
}

bool CRemoteView::AcceptsDrop(QTreeWidgetItem* target, const QMimeData*, TreeSide from) const
{
    // Chosen files of either tree, onto a place or a folder.
    return from != TreeSide::None && isPlaceOrFolder(KindOf(target));
}

void CRemoteView::Dropped(QTreeWidgetItem* target, const QMimeData*, TreeSide)
{
    TransferInto(target, false);
}

void CRemoteView::OnDelete()
{
    std::vector<std::string> paths;
    for (const TransferEntry& e : list_.EntriesOf(TreeSide::Pc))
        paths.push_back(e.path);
    const std::vector<std::string> deleted = TreeCommands(frame_.session(), frame_.ui()).TrashPcFiles(paths);
    for (const std::string& path : deleted)
        RemoveNodes(qs(path));
    EmptyList();
}

void CRemoteView::OnPaste()
{
    if (isPlaceOrFolder(KindOf(ContextNode())))
        TransferInto(ContextNode(), true);
}

void CRemoteView::TransferInto(QTreeWidgetItem* target, bool paste)
{
    const TreeSide from = list_.Source();
    const std::vector<TransferEntry> entries = list_.SourceEntries();
    const QString folder = PathOf(target);
    struct Step {
        TransferEntry entry;
        std::string destination;
        bool ok = false;
    };
    auto steps = std::make_shared<std::vector<Step>>();
    for (const TransferEntry& e : entries)
        steps->push_back({e, childPath(folder, qs(fileNameOf(from, e.path))).toStdString()});

    Session& session = frame_.session();
    QtUi& ui = frame_.ui();
    auto job = [steps, from, &session, &ui] {
        TransferProcedures procedures(session, ui);
        OverwriteQuestion question(steps->size());
        for (Step& s : *steps) {
            const bool move = s.entry.move != 0;
            s.ok = procedures.TransferToPc(from, s.entry.path, s.destination, move, &question) == 1;
            if (question.Cancelled()) {
                ui.addMessageLine(TransferProcedures::CancelledLine(s.entry.path));
                break;
            }
            if (procedures.Declined()) {
                ui.addMessageLine(TransferProcedures::SkippedLine(s.entry.path));
                continue;
            }
            const int id = s.ok ? (move ? txt::kMoved : txt::kCopied) : (move ? txt::kMoveFailed : txt::kCopyFailed);
            ui.addMessageLine(trf(id, {s.entry.path}));
        }
    };
    auto done = [this, steps, from, folder] {
        for (const Step& s : *steps)
            if (s.ok && s.entry.move && from == TreeSide::Pc)
                RemoveNodes(qs(s.entry.path));
        Relist(folder);
    };
    if (from == TreeSide::Terminal) {
        // The terminal's files come over the link, on the operation's worker.
        if (!frame_.RunOperation(job, done))
            return;
    } else {
        job();
        done();
    }
    if (paste)
        list_.SetPasteCount(0);
    EmptyList();
    list_.Drag().armed = false;
    Select(FindNode(folder));
}

}  // namespace feld::gui
