#include "gui/project/CFolderDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "base/Texts.h"
#include "base/Ui.h"
#include "gui/app/QtUi.h"

namespace feld::gui {

CFolderDialog::CFolderDialog(const QString& initialFolder, Ui& ui, QWidget* parent)
    : QDialog(parent), ui_(ui), selected_(initialFolder)
{
    setObjectName(QStringLiteral("CFolderDialog"));
    setWindowTitle(qtk("folder.title", "選擇資料夾"));
    setSizeGripEnabled(true);
    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    model_->setRootPath(QDir::rootPath());
    view_ = new QTreeView(this);
    view_->setModel(model_);
    for (int c = 1; c < model_->columnCount(); ++c)
        view_->hideColumn(c);
    view_->header()->hide();
    path_ = new QLineEdit(initialFolder, this);
    path_->setObjectName(QStringLiteral("path"));
    // The folder clicked in the tree is the path; a path typed in stands until the next click.
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { path_->setText(QDir::toNativeSeparators(model_->filePath(current))); });
    // The folders come in by and by: the starting one is shown again as those above it fill in,
    // until the user picks another.
    reveal_ = initialFolder;
    auto reveal = [this] {
        const QModelIndex at = reveal_.isEmpty() ? QModelIndex() : model_->index(reveal_);
        if (!at.isValid())
            return;
        view_->setCurrentIndex(at);
        view_->scrollTo(at, QAbstractItemView::PositionAtCenter);
        path_->setText(reveal_);
    };
    reveal();
    connect(model_, &QFileSystemModel::directoryLoaded, this, [this, reveal] { QTimer::singleShot(50, this, reveal); });
    connect(view_, &QTreeView::pressed, this, [this] { reveal_.clear(); });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(qtk("folder.ok", "確定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(qtk("folder.cancel", "取消"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    // Our own OK: the dialog ends only with a folder that exists.
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Accept(path_->text()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(qtk("folder.path", "路徑:"), this));
    row->addWidget(path_, 1);
    row->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(row);
    resize(520, 400);
}

bool CFolderDialog::Accept(const QString& path)
{
    // Files are received into this folder: a file or a path to nothing cannot take them.
    if (path.isEmpty() || !QFileInfo(path).isDir()) {
        ui_.message(txt::kBadFolder, Icon::Exclamation);
        return false;
    }
    selected_ = path;
    accept();
    return true;
}

}  // namespace feld::gui
