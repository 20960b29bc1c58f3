#include "gui/explorer/CExplorerTree.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTreeWidgetItemIterator>

#include "explorer/NodeKind.h"
#include "gui/app/Icons.h"
#include "gui/app/QtUi.h"

namespace feld::gui {

CExplorerTree::CExplorerTree(TreeSide side, CMainFrame& frame, TransferList& list, QWidget* parent)
    : QTreeWidget(parent), frame_(frame), list_(list), side_(side)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(false);  // the drag is ours: it carries the shared list, not the view's items
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    setExpandsOnDoubleClick(false);
    setIconSize(QSize(16, 16));

    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("PopupsTools"));
    const struct {
        int id;
        QString text;
    } items[] = {{treecmd::kCut, qtk("tree.cut", "剪下")},
                 {treecmd::kCopy, qtk("tree.copy", "複製")},
                 {treecmd::kDelete, qtk("tree.delete", "刪除")},
                 {treecmd::kPaste, qtk("tree.paste", "貼上")},
                 {treecmd::kFormat, qtk("tree.format", "格式化")},
                 {treecmd::kProperties, qtk("tree.properties", "內容")}};
    for (const auto& item : items) {
        if (item.id == treecmd::kFormat)
            menu_->addSeparator();
        QAction* a = menu_->addAction(item.text);
        a->setObjectName(QStringLiteral("cmd%1").arg(item.id));
        a->setData(item.id);
        a->setEnabled(false);
        connect(a, &QAction::triggered, this, [this, id = item.id] { RunCommand(id); });
    }
}

// ---- nodes ----------------------------------------------------------------------------------

int CExplorerTree::KindOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kKindRole).toInt() : -1;
}

QString CExplorerTree::PathOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kPathRole).toString() : QString();
}

QTreeWidgetItem* CExplorerTree::AddNode(QTreeWidgetItem* parent, const QString& text, int kind, const QString& path)
{
    auto* item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, kKindRole, kind);
    item->setData(0, kPathRole, path);
    item->setIcon(0, icons::node(kind));
    if (parent)
        parent->addChild(item);
    else
        addTopLevelItem(item);
    return item;
}

void CExplorerTree::AddPlaceholder(QTreeWidgetItem* parent, const QString& text)
{
    AddNode(parent, text, kNodeComputer, QString());
}

QTreeWidgetItem* CExplorerTree::FindNode(const QString& path, Qt::CaseSensitivity cs) const
{
    if (path.isEmpty())
        return nullptr;
    for (QTreeWidgetItemIterator it(const_cast<CExplorerTree*>(this)); *it; ++it)
        if (PathOf(*it).compare(path, cs) == 0 && KindOf(*it) != kNodeComputer)
            return *it;
    return nullptr;
}

QList<QTreeWidgetItem*> CExplorerTree::FindNodes(const QString& path) const
{
    QList<QTreeWidgetItem*> out;
    for (QTreeWidgetItemIterator it(const_cast<CExplorerTree*>(this)); *it; ++it)
        if (!path.isEmpty() && PathOf(*it) == path && KindOf(*it) != kNodeComputer)
            out << *it;
    return out;
}

void CExplorerTree::Forget(QTreeWidgetItem* item)
{
    for (int i = 0; i < item->childCount(); ++i)
        Forget(item->child(i));
    list_.ForgetNode(item);
    if (contextNode_ == item)
        contextNode_ = nullptr;
    if (dropTarget_ == item)
        dropTarget_ = nullptr;
    if (pressed_ == item)
        pressed_ = nullptr;
}

void CExplorerTree::RemoveNode(QTreeWidgetItem* item)
{
    if (!item)
        return;
    Forget(item);
    delete item;
}

void CExplorerTree::ClearChildren(QTreeWidgetItem* item)
{
    while (item && item->childCount() > 0)
        RemoveNode(item->child(0));
}

void CExplorerTree::Rebind(QTreeWidgetItem* item) { list_.RebindNode(side_, PathOf(item).toStdString(), item); }

void CExplorerTree::ExpandAfterListing(QTreeWidgetItem* item, bool toggled)
{
    // A click on the branch sign opened or closed the node and keeps it so; a click on the name
    // opens it to show what the listing found.
    if (item && !toggled)
        item->setExpanded(true);
}

// ---- marks ----------------------------------------------------------------------------------

void CExplorerTree::SetDropTarget(QTreeWidgetItem* item)
{
    dropTarget_ = item;
    RefreshMarks();
}

void CExplorerTree::Select(QTreeWidgetItem* item)
{
    setCurrentItem(item);
    if (!item)
        clearSelection();
    SetDropTarget(item);
}

bool CExplorerTree::Marked(const QTreeWidgetItem* item) const { return item && item->data(0, kMarkRole).toBool(); }

void CExplorerTree::RefreshMarks()
{
    const QColor tint = palette().color(QPalette::Highlight).lighter(170);
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        QTreeWidgetItem* item = *it;
        const bool mark = item == dropTarget_ || list_.Contains(item);
        if (Marked(item) == mark)
            continue;
        item->setData(0, kMarkRole, mark);
        if (mark)
            item->setBackground(0, tint);
        else
            item->setData(0, Qt::BackgroundRole, QVariant());
    }
}

TransferList::Unmark CExplorerTree::Unmarker()
{
    return [this](const TransferEntry& e) {
        CExplorerTree* tree = e.side == side_ ? this : peer_;
        if (tree && e.node && tree->dropTarget_ == e.node)
            tree->dropTarget_ = nullptr;
    };
}

void CExplorerTree::EmptyList()
{
    list_.Empty(Unmarker());
    RefreshMarks();
    if (peer_)
        peer_->RefreshMarks();
}

// ---- the context menu -----------------------------------------------------------------------

QAction* CExplorerTree::MenuAction(int id) const
{
    for (QAction* a : menu_->actions())
        if (a->data().toInt() == id)
            return a;
    return nullptr;
}

void CExplorerTree::SetMenuState(bool cutCopy, bool del, bool pasteTarget, bool format, bool properties)
{
    MenuAction(treecmd::kCut)->setEnabled(cutCopy);
    MenuAction(treecmd::kCopy)->setEnabled(cutCopy);
    MenuAction(treecmd::kDelete)->setEnabled(del);
    // Paste needs something cut or copied since the last paste.
    MenuAction(treecmd::kPaste)->setEnabled(pasteTarget && list_.PasteCount() != 0);
    MenuAction(treecmd::kFormat)->setEnabled(format);
    MenuAction(treecmd::kProperties)->setEnabled(properties);
}

void CExplorerTree::RunCommand(int id)
{
    switch (id) {
    case treecmd::kCut:
    case treecmd::kCopy:
        if (id == treecmd::kCut)
            list_.Cut(side_);
        else
            list_.Copy(side_);
        RefreshMarks();
        if (peer_)
            peer_->RefreshMarks();
        break;
    case treecmd::kDelete:
        OnDelete();
        break;
    case treecmd::kPaste:
        OnPaste();
        break;
    case treecmd::kFormat:
        OnFormat();
        break;
    case treecmd::kProperties:
        OnProperties();
        break;
    default:
        break;
    }
}

// ---- mouse and keys -------------------------------------------------------------------------

void CExplorerTree::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        LeftDown(event);
    else if (event->button() == Qt::RightButton)
        RightDown(event);
    else
        QTreeWidget::mousePressEvent(event);
}

void CExplorerTree::LeftDown(QMouseEvent* event)
{
    const bool control = event->modifiers() == Qt::ControlModifier;
    if (!control)
        EmptyList();
    const QPoint at = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(at);
    const bool wasExpanded = item && item->isExpanded();
    Select(item);
    QTreeWidget::mousePressEvent(event);  // opens or closes the branch when its sign was hit
    if (!item)
        return;
    const bool toggled = item->isExpanded() != wasExpanded;
    list_.Drag().armed = false;
    if (control && KindOf(item) != kNodeFile)
        SetDropTarget(nullptr);  // adding files to the list does not mark the folders passed
    pressed_ = item;
    pressPoint_ = at;
    LeftClicked(item, toggled);
    RefreshMarks();
    if (peer_)
        peer_->RefreshMarks();
}

void CExplorerTree::RightDown(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(at);
    RightClicked(item);
    contextNode_ = item;
    RefreshMarks();
    if (peer_)
        peer_->RefreshMarks();
    menu_->popup(viewport()->mapToGlobal(at));
}

void CExplorerTree::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        QTreeWidget::mouseMoveEvent(event);
        return;
    }
    // A held button drags the chosen files; it never sweeps the selection along.
    if (pressed_ && list_.Drag().armed &&
        (event->position().toPoint() - pressPoint_).manhattanLength() >= QApplication::startDragDistance())
        StartDrag();
}

void CExplorerTree::mouseReleaseEvent(QMouseEvent* event)
{
    pressed_ = nullptr;
    QTreeWidget::mouseReleaseEvent(event);
}

void CExplorerTree::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The first click listed and opened the node already; a second one changes nothing.
    event->accept();
}

void CExplorerTree::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        event->accept();  // the selection does not wander from the chosen files
        return;
    case Qt::Key_Delete:
        OnDelete();
        Select(nullptr);
        QTreeWidget::keyPressEvent(event);
        return;
    default:
        QTreeWidget::keyPressEvent(event);
    }
}

// ---- drag and drop --------------------------------------------------------------------------

QMimeData* CExplorerTree::ChosenData(TreeSide side)
{
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kChosenMime), QByteArray::number(static_cast<int>(side)));
    return data;
}

TreeSide CExplorerTree::DragSide(const QMimeData* data)
{
    if (!data || !data->hasFormat(QString::fromLatin1(kChosenMime)))
        return TreeSide::None;
    const int side = data->data(QString::fromLatin1(kChosenMime)).toInt();
    return side == 1 ? TreeSide::Pc : side == 2 ? TreeSide::Terminal : TreeSide::None;
}

void CExplorerTree::StartDrag()
{
    QTreeWidgetItem* from = pressed_;
    pressed_ = nullptr;
    list_.Drag().source = side_;
    auto* drag = new QDrag(this);
    drag->setMimeData(ChosenData(side_));
    const QIcon picture = list_.Count() >= 2 ? icons::dragFiles() : icons::node(KindOf(from));
    drag->setPixmap(picture.pixmap(32, 32));
    drag->setHotSpot(QPoint(0, 0));
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    // Dropped or given up: the next drag needs a new click on a file.
    list_.Drag().armed = false;
}

bool CExplorerTree::Acceptable(QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    const TreeSide from = DragSide(data);
    if (from == TreeSide::None && !(data && data->hasUrls()))
        return false;
    if (from != TreeSide::None && !list_.Drag().armed)
        return false;
    return AcceptsDrop(itemAt(event->position().toPoint()), data, from);
}

void CExplorerTree::dragEnterEvent(QDragEnterEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (DragSide(data) != TreeSide::None || (data && data->hasUrls()))
        event->accept();
    else
        event->ignore();
}

void CExplorerTree::dragMoveEvent(QDragMoveEvent* event)
{
    if (!Acceptable(event)) {
        event->ignore();
        SetDropTarget(nullptr);
        return;
    }
    SetDropTarget(itemAt(event->position().toPoint()));
    // Files from outside the program are copied: their own place keeps them.
    event->setDropAction(DragSide(event->mimeData()) == TreeSide::None ? Qt::CopyAction : Qt::MoveAction);
    event->accept();
}

void CExplorerTree::dragLeaveEvent(QDragLeaveEvent* event)
{
    SetDropTarget(nullptr);
    event->accept();
}

void CExplorerTree::dropEvent(QDropEvent* event)
{
    if (!Acceptable(event)) {
        event->ignore();
        return;
    }
    const TreeSide from = DragSide(event->mimeData());
    event->setDropAction(from == TreeSide::None ? Qt::CopyAction : Qt::MoveAction);
    event->accept();
    Dropped(itemAt(event->position().toPoint()), event->mimeData(), from);
}

}  // namespace feld::gui
