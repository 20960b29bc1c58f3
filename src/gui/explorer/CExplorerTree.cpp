#include "gui/explorer/CExplorerTree.h"

#include <QApplication>
#include <QDateTime>
#include <QHeaderView>
#include <QContextMenuEvent>
#include <QDrag>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTreeWidgetItemIterator>

#include "base/SizeText.h"
#include "explorer/NodeKind.h"
#include "gui/app/Icons.h"
#include "gui/app/Mnemonics.h"
#include "gui/app/QtUi.h"

namespace feld::gui {

namespace {

// A node that sorts as a file manager does: drives and places first in the order they were made,
// then folders, then files, whichever column is sorted and in which direction; within folders and
// files by the sorted column, then by name.
class TreeNode : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override
    {
        const QTreeWidget* tree = treeWidget();
        const int column = tree ? tree->sortColumn() : 0;
        const bool ascending = !tree || tree->header()->sortIndicatorOrder() == Qt::AscendingOrder;
        const int a = group(*this), b = group(other);
        if (a != b || a == 0) {
            // The same order both ways: a descending sort asks "other < this".
            const auto key = [](const QTreeWidgetItem& i) { return std::pair(group(i), order(i)); };
            return ascending ? key(*this) < key(other) : key(other) < key(*this);
        }
        const auto by = [&](int role) {
            const qlonglong x = data(0, role).toLongLong(), y = other.data(0, role).toLongLong();
            return x != y ? std::optional<bool>(x < y) : std::nullopt;
        };
        std::optional<bool> less;
        if (column == CExplorerTree::kSizeColumn)
            less = by(CExplorerTree::kSizeRole);
        else if (column == CExplorerTree::kDateColumn)
            less = by(CExplorerTree::kTimeRole);
        if (less)
            return *less;
        return QString::compare(text(0), other.text(0), Qt::CaseInsensitive) < 0;
    }

private:
    static int group(const QTreeWidgetItem& i)
    {
        const int kind = CExplorerTree::KindOf(&i);
        return kind == kNodeFolder ? 1 : kind == kNodeFile ? 2 : kind == kNodeComputer && i.parent() ? 3 : 0;
    }
    static qlonglong order(const QTreeWidgetItem& i) { return i.data(0, CExplorerTree::kOrderRole).toLongLong(); }
};

}  // namespace

CExplorerTree::CExplorerTree(TreeSide side, CMainFrame& frame, TransferList& list, QWidget* parent)
    : QTreeWidget(parent), frame_(frame), list_(list), side_(side)
{
    setColumnCount(3);
    setHeaderLabels({qtk("tree.name", "名稱"), qtk("tree.size", "大小"), qtk("tree.date", "日期")});
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    header()->setSectionResizeMode(kSizeColumn, QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(kDateColumn, QHeaderView::ResizeToContents);
    headerItem()->setTextAlignment(kSizeColumn, Qt::AlignRight | Qt::AlignVCenter);
    setSortingEnabled(true);
    sortByColumn(kNameColumn, Qt::AscendingOrder);
    setAllColumnsShowFocus(true);
    // The tree that has the keys says so with its frame.
    setFocusPolicy(Qt::StrongFocus);
    setStyleSheet(QStringLiteral("QTreeView:focus { border: 2px solid palette(highlight); }"));
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
    // The keys are the tree's own (keyPressEvent); the menu shows them beside its entries.
    const struct {
        int id;
        QString text;
        char letter;
        QKeySequence keys;
    } items[] = {{treecmd::kCut, qtk("tree.cut", "剪下"), 'T', QKeySequence(Qt::CTRL | Qt::Key_X)},
                 {treecmd::kCopy, qtk("tree.copy", "複製"), 'C', QKeySequence(Qt::CTRL | Qt::Key_C)},
                 {treecmd::kDelete, qtk("tree.delete", "刪除"), 'D', QKeySequence(Qt::Key_Delete)},
                 {treecmd::kPaste, qtk("tree.paste", "貼上"), 'P', QKeySequence(Qt::CTRL | Qt::Key_V)},
                 {treecmd::kFormat, qtk("tree.format", "格式化"), 'F', QKeySequence()},
                 {treecmd::kProperties, qtk("tree.properties", "內容"), 'R', QKeySequence()}};
    for (const auto& item : items) {
        if (item.id == treecmd::kFormat)
            menu_->addSeparator();
        QAction* a = menu_->addAction(item.text);
        a->setObjectName(QStringLiteral("cmd%1").arg(item.id));
        a->setData(item.id);
        a->setEnabled(false);
        a->setProperty("mnemonic", QString(QLatin1Char(item.letter)));
        a->setShortcut(item.keys);
        a->setShortcutContext(Qt::WidgetShortcut);  // only while the menu itself has the keys
        connect(a, &QAction::triggered, this, [this, id = item.id] { RunCommand(id); });
    }
    GiveMnemonics(menu_);
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
    static qlonglong made = 0;
    auto* item = new TreeNode(QStringList{text});
    item->setData(0, kKindRole, kind);
    item->setData(0, kPathRole, path);
    item->setData(0, kOrderRole, ++made);
    item->setIcon(0, icons::node(kind));
    if (parent)
        parent->addChild(item);
    else
        addTopLevelItem(item);
    return item;
}

void CExplorerTree::SetDetails(QTreeWidgetItem* item, std::optional<std::uint64_t> size, std::optional<std::int64_t> modified)
{
    if (size) {
        item->setText(kSizeColumn, qs(ReadableSize(*size)));
        item->setToolTip(kSizeColumn, qs(BytesText(*size)));
        item->setTextAlignment(kSizeColumn, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (modified) {
        const QDateTime t = QDateTime::fromSecsSinceEpoch(*modified);
        item->setText(kDateColumn, qs(DateTimeText(t.date().year(), t.date().month(), t.date().day(), t.time().hour(),
                                                   t.time().minute(), t.time().second())));
    }
    // Set last: with the tree sorted, a change of these data moves the node to its place.
    item->setData(0, kTimeRole, modified ? QVariant(static_cast<qlonglong>(*modified)) : QVariant());
    item->setData(0, kSizeRole, size ? QVariant(static_cast<qulonglong>(*size)) : QVariant());
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
    const QPoint at = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(at);
    // A drag that starts on a chosen file carries every file chosen with it; the press alone
    // does not yet say whether this is a drag or a click.
    clickOnRelease_ = !control && KindOf(item) == kNodeFile && list_.Count() > 1 && list_.Source() == side_ &&
                      list_.Contains(item);
    if (!control && !clickOnRelease_)
        EmptyList();
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

void CExplorerTree::PrepareMenu(QTreeWidgetItem* item)
{
    RightClicked(item);
    contextNode_ = item;
    RefreshMarks();
    if (peer_)
        peer_->RefreshMarks();
}

void CExplorerTree::RightDown(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    PrepareMenu(itemAt(at));
    menu_->popup(viewport()->mapToGlobal(at));
}

void CExplorerTree::KeyboardMenu()
{
    QTreeWidgetItem* item = currentItem();
    PrepareMenu(item);
    const QRect rect = item ? visualItemRect(item) : QRect();
    menu_->popup(viewport()->mapToGlobal(item ? QPoint(rect.left() + 24, rect.bottom()) : QPoint(0, 0)));
}

void CExplorerTree::KeyCommand(int id)
{
    PrepareMenu(currentItem());
    if (MenuAction(id)->isEnabled())
        RunCommand(id);
}

void CExplorerTree::Activate(QTreeWidgetItem* item, bool control)
{
    if (!item)
        return;
    const bool file = KindOf(item) == kNodeFile;
    // Choosing a file starts afresh as a click does; listing a folder keeps what was chosen, so a
    // copy in one tree can be pasted into a folder opened from the keyboard in the other.
    if (file && !control)
        EmptyList();
    if (file || !control)
        Select(item);
    LeftClicked(item, false);
    list_.Drag().armed = false;  // a key starts no drag
    RefreshMarks();
    if (peer_)
        peer_->RefreshMarks();
}

void CExplorerTree::ListAnew(QTreeWidgetItem* item)
{
    if (KindOf(item) == kNodeFile) {
        item = item->parent();
        Select(item);
    }
    if (item && KindOf(item) != kNodeComputer)
        LeftClicked(item, true);  // listed as it is: a closed folder stays closed
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
    QTreeWidgetItem* item = pressed_;
    pressed_ = nullptr;
    QTreeWidget::mouseReleaseEvent(event);
    if (clickOnRelease_ && item) {
        clickOnRelease_ = false;
        EmptyList();
        LeftClicked(item, false);
        RefreshMarks();
    }
    clickOnRelease_ = false;
}

void CExplorerTree::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The first click listed and opened the node already; a second one changes nothing.
    event->accept();
}

void CExplorerTree::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool control = mods == Qt::ControlModifier;
    QTreeWidgetItem* item = currentItem();
    // The clipboard keys do what the context menu's commands do.
    static constexpr struct {
        int key;
        int command;
    } clipboard[] = {{Qt::Key_C, treecmd::kCopy}, {Qt::Key_X, treecmd::kCut}, {Qt::Key_V, treecmd::kPaste}};
    for (const auto& k : clipboard)
        if (control && event->key() == k.key) {
            KeyCommand(k.command);
            event->accept();
            return;
        }
    const int key = event->key();
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && mods == Qt::ShiftModifier)) {
        KeyboardMenu();
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        Activate(item, control);
    } else if (key == Qt::Key_Space) {
        if (KindOf(item) == kNodeFile)
            Activate(item, control);
    } else if (key == Qt::Key_F5) {
        ListAnew(item);
    } else if (key == Qt::Key_Delete) {
        KeyCommand(treecmd::kDelete);
        SetDropTarget(nullptr);
    } else if (key == Qt::Key_Right && item && !item->isExpanded() && item->childCount() == 1 &&
               KindOf(item->child(0)) == kNodeComputer) {
        // An unlisted drive or folder holds only its placeholder: Enter lists it.
    } else {
        // The arrows, Home, End and the page keys move the current node and nothing else.
        QTreeWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CExplorerTree::focusInEvent(QFocusEvent* event)
{
    QTreeWidget::focusInEvent(event);
    // Keys need a node to start from; reaching the tree by Tab gives its root.
    if (!currentItem() && Root())
        setCurrentItem(Root());
}

void CExplorerTree::contextMenuEvent(QContextMenuEvent* event)
{
    // The right button opened the menu on its press already; the keyboard's menu comes here.
    if (event->reason() == QContextMenuEvent::Keyboard)
        KeyboardMenu();
    event->accept();
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
    clickOnRelease_ = false;
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
