#include "gui/project/ReceiveDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/QtUi.h"
#include "gui/project/CFolderDialog.h"
#include "session/Config.h"

namespace feld::gui {

ReceiveDialog::ReceiveDialog(Config& config, Ui& ui, const std::vector<std::string>& names, QWidget* parent)
    : QDialog(parent), config_(config), ui_(ui)
{
    setObjectName(QStringLiteral("ReceiveDialog"));
    setWindowTitle(qtk("receiveDialog.title", "資料接收"));
    file_ = new QComboBox(this);
    for (const std::string& name : names)
        file_->addItem(qs(name));
    file_->setCurrentIndex(0);
    format_ = new QComboBox(this);
    format_->addItem(qtk("receiveDialog.append", "Append"));
    format_->addItem(qtk("receiveDialog.overwrite", "New/Overwrite"));
    format_->setCurrentIndex(0);  // append, every time the dialog opens
    keepCr_ = new QCheckBox(qtk("receiveDialog.keepCr", "加入 <Carriage-Return> 字元"), this);
    keepCr_->setChecked(config_.carriageReturn != 0);
    keepLf_ = new QCheckBox(qtk("receiveDialog.keepLf", "加入 <Line-Feed> 字元"), this);
    keepLf_->setChecked(config_.lineFeed != 0);
    path_ = new QLineEdit(qs(config_.standby.savePath1), this);
    path_->setMinimumWidth(260);
    browse_ = new QPushButton(QStringLiteral("..."), this);
    browse_->setFixedWidth(32);
    connect(browse_, &QPushButton::clicked, this, &ReceiveDialog::Browse);
    delete_ = new QCheckBox(qtk("receiveDialog.delete", "檔案接收後刪除終端機檔案"), this);
    delete_->setChecked(config_.deleteAfterReceive != 0);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(qtk("receiveDialog.file", "檔案:"), this), 0, 0);
    grid->addWidget(file_, 0, 1, 1, 2);
    grid->addWidget(new QLabel(qtk("receiveDialog.format", "寫入格式:"), this), 1, 0);
    grid->addWidget(format_, 1, 1, 1, 2);
    grid->addWidget(keepCr_, 2, 1, 1, 2);
    grid->addWidget(keepLf_, 3, 1, 1, 2);
    grid->addWidget(new QLabel(qtk("receiveDialog.savePath", "儲存路徑:"), this), 4, 0);
    grid->addWidget(path_, 4, 1);
    grid->addWidget(browse_, 4, 2);
    grid->addWidget(delete_, 5, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* receive = buttons->addButton(qtk("receiveDialog.receive", "接收"), QDialogButtonBox::AcceptRole);
    buttons->addButton(qtk("receiveDialog.cancel", "取消"), QDialogButtonBox::RejectRole);
    receive->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

std::optional<ReceiveChoice> ReceiveDialog::Ask(Config& config, Ui& ui, const std::vector<std::string>& names,
                                                QWidget* parent)
{
    ReceiveDialog dialog(config, ui, names, parent);
    if (answerHook)
        answerHook(dialog);
    else
        dialog.exec();
    if (dialog.result() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice();
}

ReceiveChoice ReceiveDialog::Choice() const
{
    ReceiveChoice c;
    c.name = ss(file_->currentText());
    c.saveFolder = ss(path_->text());
    c.append = format_->currentIndex() == 0;
    c.keepCr = keepCr_->isChecked();
    c.keepLf = keepLf_->isChecked();
    c.deleteAfter = delete_->isChecked();
    return c;
}

void ReceiveDialog::accept()
{
    // What the dialog was accepted with is what the Settings menu and the next dialog show.
    const ReceiveChoice c = Choice();
    config_.carriageReturn = c.keepCr ? 1 : 0;
    config_.lineFeed = c.keepLf ? 1 : 0;
    config_.deleteAfterReceive = c.deleteAfter ? 1 : 0;
    // A folder that is not there fails this receive, and would fail every later one: it does not
    // become the default.
    if (QFileInfo(qs(c.saveFolder)).isDir())
        config_.standby.savePath1 = c.saveFolder;
    QDialog::accept();
}

void ReceiveDialog::Browse()
{
    // The picker starts at the stored folder, not at what the edit holds now.
    CFolderDialog picker(qs(config_.standby.savePath1), ui_, this);
    if (picker.exec() != QDialog::Accepted)
        return;
    config_.standby.savePath1 = ss(picker.SelectedPath());
    path_->setText(picker.SelectedPath());
}

}  // namespace feld::gui
