#include "gui/explorer/CPDTView.h"

#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <memory>

#include "app/Maintenance.h"
#include "base/Texts.h"
#include "explorer/NodeKind.h"
#include "explorer/TerminalProperties.h"
#include "explorer/TransferProcedures.h"
#include "explorer/TreeCommands.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/OperationRunner.h"
#include "gui/app/QtUi.h"
#include "gui/explorer/CRemoteView.h"
#include "gui/explorer/PropertiesDialog.h"
#include "link/wire/TermCodec.h"
#include "session/Config.h"

namespace feld::gui {

namespace {

bool isDriveOrFolder(int kind) { return kind == kNodeFixed || kind == kNodeFolder; }

}  // namespace

CPDTView::CPDTView(CMainFrame& frame, TransferList& list, QWidget* parent)
    : CExplorerTree(TreeSide::Terminal, frame, list, parent)
{
    setObjectName(QStringLiteral("CPDTView"));
    InitialTree();
    // A folder the core changed (the C: drive after a download that moved a file, a formatted
    // drive) is listed anew once its operation has ended.
    connect(&frame_.ui(), &QtUi::terminalFolderChangedSignal, this, &CPDTView::Relist);
    connect(&frame_.Runner(), &OperationRunner::busyChanged, this, [this](bool busy) {
        if (!busy && !pending_.isEmpty())
            QTimer::singleShot(0, this, [this] {
                if (!frame_.Busy() && !pending_.isEmpty())
                    ListPending();
            });
    });
}

void CPDTView::InitialTree()
{
    clear();
    QTreeWidgetItem* root = AddNode(nullptr, qtr(txt::kTerminalRoot), kNodeTerminal, QString());
    for (const char* drive : {"C:\\", "D:\\"}) {
        QTreeWidgetItem* node = AddNode(root, QString::fromLatin1(drive), kNodeFixed, QString::fromLatin1(drive));
        AddPlaceholder(node);
    }
    root->setExpanded(true);
}

QTreeWidgetItem* CPDTView::DriveNode(char letter) const
{
    return FindNode(QStringLiteral("%1:\\").arg(QLatin1Char(letter)), Qt::CaseInsensitive);
}

// ---- listing ------------------------------------------------------------------------------------

void CPDTView::ApplyListing(const QString& path, const Listing& nodes, bool expand)
{
    QTreeWidgetItem* node = path.isEmpty() ? Root() : FindNode(path, Qt::CaseInsensitive);
    if (!node)
        return;  // gone meanwhile (the root was listed anew)
    ClearChildren(node);
    if (!nodes)
        return;  // no connection or no listing: the node stays without children
    std::vector<TerminalNode> sorted = *nodes;
    std::stable_sort(sorted.begin(), sorted.end(), [](const TerminalNode& a, const TerminalNode& b) {
        return QString::compare(qs(a.text), qs(b.text), Qt::CaseInsensitive) < 0;
    });
    const std::string parent = PathOf(node).toStdString();  // as the tree spells it
    for (const TerminalNode& n : sorted) {
        QTreeWidgetItem* child = AddNode(node, qs(n.text), n.kind, qs(TerminalChildPath(parent, n.text)));
        if (n.kind == kNodeFile || n.kind == kNodeFolder)
            SetDetails(child, n.kind == kNodeFile ? std::optional<std::uint64_t>(n.size) : std::nullopt, n.modified);
        if (n.kind == kNodeFile)
            Rebind(child);
        else
            AddPlaceholder(child);
    }
    if (expand)
        node->setExpanded(true);
}

void CPDTView::Relist(const QString& path)
{
    const QTreeWidgetItem* node = FindNode(path, Qt::CaseInsensitive);
    if (!node)
        return;  // not shown: nothing to list
    pending_.insert(PathOf(node));
    if (!frame_.Busy())
        ListPending();
}

void CPDTView::ListPending()
{
    const QStringList paths(pending_.begin(), pending_.end());
    auto results = std::make_shared<std::vector<Listing>>(static_cast<std::size_t>(paths.size()));
    Session& session = frame_.session();
    QtUi& ui = frame_.ui();
    const bool started = frame_.RunOperation(
        [paths, results, &session, &ui] {
            TreeCommands commands(session, ui);
            for (int i = 0; i < paths.size(); ++i)
                (*results)[static_cast<std::size_t>(i)] = commands.ListFolder(paths[i].toStdString());
        },
        [this, paths, results] {
            for (int i = 0; i < paths.size(); ++i)
                ApplyListing(paths[i], (*results)[static_cast<std::size_t>(i)], true);
        });
    if (started)
        pending_.clear();
}

void CPDTView::LeftClicked(QTreeWidgetItem* item, bool toggled)
{
    const int kind = KindOf(item);
    Session& session = frame_.session();
    QtUi& ui = frame_.ui();
    if (kind == kNodeFile) {
        list_.ChooseFile(TreeSide::Terminal, item, PathOf(item).toStdString(), frame_.config().deleteAfterReceive ? 1 : 0,
                         Unmarker());
    } else if (kind == kNodeTerminal) {
        // From firmware 2.01 on the terminal names its drives; an older one keeps the fixed two.
        auto result = std::make_shared<Listing>();
        frame_.RunOperation([result, &session, &ui] { *result = TreeCommands(session, ui).ListRoot(); },
                            [this, result] {
                                if (*result)
                                    ApplyListing(QString(), *result, true);
                            });
    } else if (isDriveOrFolder(kind)) {
        const QString path = PathOf(item);
        auto result = std::make_shared<Listing>();
        frame_.RunOperation([result, path, &session, &ui] { *result = TreeCommands(session, ui).ListFolder(path.toStdString()); },
                            [this, result, path, toggled] { ApplyListing(path, *result, !toggled); });
    }
}

// ---- the context menu ---------------------------------------------------------------------------

void CPDTView::RightClicked(QTreeWidgetItem* item)
{
    const int kind = KindOf(item);
    if (list_.Count() <= 1 && kind == kNodeFile)
        list_.ResetTo(TreeSide::Terminal, item, PathOf(item).toStdString(), Unmarker());
    Select(item);
    const bool file = kind == kNodeFile;
    SetMenuState(file, file, isDriveOrFolder(kind), kind == kNodeFixed, file || isDriveOrFolder(kind));
}

void CPDTView::OnDelete()
{
    std::vector<std::string> paths;
    for (const TransferEntry& e : list_.EntriesOf(TreeSide::Terminal))
        paths.push_back(e.path);
    if (paths.empty()) {
        EmptyList();
        return;
    }
    // The terminal has no trash: what goes is gone, so the files are named first.
    if (frame_.Busy())
        return;  // nothing is asked for a delete that could not start
    const std::string question =
        formatText(tk("tree.deleteAsk", "要從終端機永久刪除下列檔案嗎?\r\n%s"), {TreeCommands::NameList(paths)});
    if (!accepted(frame_.ui().ask(0, question, Buttons::YesNo, Icon::Warning)))
        return;
    auto deleted = std::make_shared<std::vector<std::string>>();
    Session& session = frame_.session();
    QtUi& ui = frame_.ui();
    if (frame_.RunOperation([paths, deleted, &session, &ui] { *deleted = TreeCommands(session, ui).DeleteTerminalFiles(paths); },
                            [this, deleted] {
                                for (const std::string& path : *deleted)
                                    RemoveNode(FindNode(qs(path), Qt::CaseInsensitive));
                            }))
        EmptyList();
}

void CPDTView::OnPaste()
{
    QTreeWidgetItem* target = ContextNode();
    if (!isDriveOrFolder(KindOf(target)))
        return;
    // Only PC files go to the terminal; the terminal has no copy within itself.
    if (list_.Source() == TreeSide::Pc)
        Upload(PathOf(target), list_.SourceEntries(), true);
    list_.SetPasteCount(0);
    EmptyList();
    Select(target);
}

void CPDTView::OnFormat()
{
    QTreeWidgetItem* node = currentItem();
    if (KindOf(node) != kNodeFixed)
        return;
    const bool driveC = node->text(0) == QLatin1String("C:\\");
    Session& session = frame_.session();
    QtUi& ui = frame_.ui();
    // The drive is listed anew when the core says it changed.
    frame_.RunOperation([driveC, &session, &ui] {
        Maintenance maintenance(session, ui);
        if (driveC)
            maintenance.FormatC();
        else
            maintenance.FormatD();
    });
}

void CPDTView::OnProperties()
{
    QTreeWidgetItem* node = currentItem();
    const int kind = KindOf(node);
    if (!(kind == kNodeFile || isDriveOrFolder(kind)))
        return;
    const auto what = kind == kNodeFixed    ? TerminalProperties::Drive
                      : kind == kNodeFolder ? TerminalProperties::Folder
                                            : TerminalProperties::File;
    const std::string path = PathOf(node).toStdString();
    const std::string name = node->text(0).toStdString();
    auto result = std::make_shared<std::optional<TerminalProperties>>();
    Session& session = frame_.session();
    QtUi& ui = frame_.ui();
    frame_.RunOperation([result, what, path, name, &session, &ui] { *result = TreeCommands(session, ui).Properties(what, path, name); },
                        [this, result] {
                            if (*result)
                                PropertiesDialog::Show(PropertiesFieldTexts(**result), this);
                        });
}

// ---- uploads ------------------------------------------------------------------------------------

bool CPDTView::AcceptsDrop(QTreeWidgetItem* target, const QMimeData* data, TreeSide from) const
{
    // Onto a drive or a folder, files chosen in the PC tree or files from the PC's file manager.
    if (!isDriveOrFolder(KindOf(target)))
        return false;
    return from == TreeSide::Pc || (from == TreeSide::None && data && data->hasUrls());
}

void CPDTView::Dropped(QTreeWidgetItem* target, const QMimeData* data, TreeSide from)
{
    if (from == TreeSide::None) {
        QStringList paths;
        for (const QUrl& url : data->urls())
            paths << (url.isLocalFile() ? url.toLocalFile() : url.toString());
        DropPcFiles(target, paths);
    } else {
        // A drop uploads; it never removes the PC's files, and the list stays for another drop.
        Upload(PathOf(target).toLower(), list_.SourceEntries(), false);
    }
    list_.Drag().armed = false;
    SetDropTarget(nullptr);
}

void CPDTView::DropPcFiles(QTreeWidgetItem* target, const QStringList& paths)
{
    QStringList refused;
    std::vector<TransferEntry> files;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        std::string base, ext;
        if (info.isDir())
            refused << qtk("drop.folder", "%1:資料夾無法傳送到終端機,請選擇其中的檔案").arg(path);
        else if (!info.isFile())
            refused << qtk("drop.notFile", "%1:不是可以傳送的檔案").arg(path);
        else if (!wire::splitName83(wire::terminalNameFor(info.fileName().toStdString()), &base, &ext))
            refused << qtk("drop.name", "%1:終端機只能存放 8.3 格式的檔名(最多 8 個字元,副檔名最多 3 個字元)").arg(path);
        else
            files.push_back({nullptr, TreeSide::Pc, 0, {}, path.toStdString()});
    }
    if (!refused.isEmpty()) {
        frame_.ui().fixedMessage(ss(qtk("drop.refused", "沒有傳送任何檔案:") + QLatin1Char('\n') + refused.join(QLatin1Char('\n'))),
                                 Icon::Exclamation);
        return;
    }
    Upload(PathOf(target).toLower(), files, false);
}

void CPDTView::Upload(const QString& folder, const std::vector<TransferEntry>& files, bool deleteAfter)
{
    if (files.empty())
        return;
    auto removed = std::make_shared<std::vector<std::string>>();
    auto listAgain = std::make_shared<bool>(false);
    Session& session = frame_.session();
    QtUi& ui = frame_.ui();
    const std::string destination = folder.toStdString();
    frame_.RunOperation(
        [files, deleteAfter, destination, removed, listAgain, &session, &ui] {
            TransferProcedures procedures(session, ui);
            TreeCommands commands(session, ui);
            OverwriteQuestion question(files.size());
            for (const TransferEntry& e : files) {
                const int result = procedures.Upload(e.path, destination, &question);
                if (question.Cancelled())
                    break;
                if (result == term::kDone)
                    *listAgain = true;
                // A cut file leaves the PC only once its own upload succeeded.
                if (result == term::kDone && deleteAfter && e.move) {
                    const auto gone = commands.DeletePcFiles({e.path});
                    removed->insert(removed->end(), gone.begin(), gone.end());
                }
            }
        },
        [this, folder, removed, listAgain] {
            if (auto* pc = static_cast<CRemoteView*>(peer_))
                for (const std::string& path : *removed)
                    pc->RemoveNodes(qs(path));
            if (*listAgain)
                Relist(folder);
        });
}

}  // namespace feld::gui
