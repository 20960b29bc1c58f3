#include "gui/app/CStandbyDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QToolButton>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "app/Resident.h"
#include "session/ReceiveJob.h"
#include "base/Clock.h"
#include "base/Texts.h"
#include "base/Ui.h"
#include "gui/app/QtUi.h"
#include "gui/project/CFolderDialog.h"

namespace feld::gui {

int CStandbyDlg::IntervalIndex(int seconds)
{
    for (std::size_t i = 0; i < kIntervals.size(); ++i)
        if (kIntervals[i] == seconds)
            return static_cast<int>(i);
    return 0;
}

CStandbyDlg::CStandbyDlg(StandbyBlock& block, const std::string& projectPath, Ui& ui, Clock& clock, QWidget* parent)
    : QDialog(parent), block_(block), projectPath_(projectPath), ui_(ui), clock_(clock)
{
    setObjectName(QStringLiteral("CStandbyDlg"));
    setWindowTitle(qtk("standby.title", "常駐設定"));

    storage_ = new QLineEdit(qs(block.savePath), this);
    storage_->setObjectName(QStringLiteral("edit1057"));
    storage_->setMinimumWidth(280);
    browse_ = new QPushButton(QStringLiteral("...."), this);
    browse_->setObjectName(QStringLiteral("button1058"));
    connect(browse_, &QPushButton::clicked, this, &CStandbyDlg::Browse);
    auto* storageRow = new QHBoxLayout;
    storageRow->addWidget(new QLabel(qtk("standby.storage", "存放位置"), this));
    storageRow->addWidget(storage_, 1);
    storageRow->addWidget(browse_);

    auto* files = new QGroupBox(qtk("standby.files", "終端機檔案"), this);
    auto* grid = new QGridLayout(files);
    for (std::size_t i = 0; i < fileCheck_.size(); ++i) {
        auto* check = new QCheckBox(qtk("standby.fileTransfer", "檔案傳輸"), files);
        check->setObjectName(QStringLiteral("check%1").arg(1027 + 2 * i));
        check->setChecked(block.fileEnable[i] != 0);
        auto* edit = new QLineEdit(qs(block.fileName[i]), files);
        edit->setObjectName(QStringLiteral("edit%1").arg(1028 + 2 * i));
        auto* chooser = new QToolButton(files);
        chooser->setObjectName(QStringLiteral("choose%1").arg(i + 1));
        chooser->setArrowType(Qt::DownArrow);
        chooser->setToolTip(qtk("standby.choose", "從終端機的 C:\Data 選擇檔案"));
        chooser->setEnabled(false);
        connect(check, &QCheckBox::toggled, edit, &QWidget::setEnabled);
        connect(edit, &QLineEdit::textChanged, this, [this, i] { CheckEntry(i); });
        connect(chooser, &QToolButton::clicked, this, [this, i] { Choose(i); });
        const int row = static_cast<int>(i % 5), col = static_cast<int>(i / 5) * 3;
        grid->addWidget(check, row, col);
        grid->addWidget(edit, row, col + 1);
        grid->addWidget(chooser, row, col + 2);
        fileCheck_[i] = check;
        fileEdit_[i] = edit;
        chooser_[i] = chooser;
    }
    // An entry that names no terminal file is said here as it is typed, not only at OK.
    entryNote_ = new QLabel(files);
    entryNote_->setObjectName(QStringLiteral("entryNote"));
    entryNote_->setWordWrap(true);
    entryNote_->setStyleSheet(QStringLiteral("color: #b00000"));
    grid->addWidget(entryNote_, 5, 0, 1, 6);

    every_ = new QRadioButton(qtk("standby.every", "每隔"), this);
    every_->setObjectName(QStringLiteral("radio1047"));
    fixed_ = new QRadioButton(qtk("standby.fixed", "定時"), this);
    fixed_->setObjectName(QStringLiteral("radio1048"));
    (block.type == 1 ? fixed_ : every_)->setChecked(true);
    interval_ = new QComboBox(this);
    interval_->setObjectName(QStringLiteral("list1049"));
    interval_->addItems({qtk("standby.s10", "10 秒"), qtk("standby.s20", "20 秒"), qtk("standby.s30", "30 秒"),
                         qtk("standby.m1", "1 分"), qtk("standby.m2", "2 分"), qtk("standby.m3", "3 分")});
    interval_->setCurrentIndex(IntervalIndex(block.timeInterval));
    auto* everyRow = new QHBoxLayout;
    everyRow->addWidget(every_);
    everyRow->addWidget(interval_);
    everyRow->addWidget(new QLabel(qtk("standby.checkOnce", "偵測一次"), this));
    everyRow->addStretch(1);

    const QString timeTexts[] = {qtk("standby.first", "第一次"), qtk("standby.second", "第二次"),
                                 qtk("standby.third", "第三次")};
    auto* timesRow = new QHBoxLayout;
    timesRow->addWidget(fixed_);
    const QDateTime now = QDateTime::fromSecsSinceEpoch(clock_.calendarSeconds());
    for (std::size_t i = 0; i < timeCheck_.size(); ++i) {
        auto* check = new QCheckBox(timeTexts[i], this);
        check->setObjectName(QStringLiteral("check%1").arg(1050 + 2 * i));
        check->setChecked(block.fixTimeEnable[i] != 0);
        auto* picker = new QTimeEdit(this);
        picker->setObjectName(QStringLiteral("time%1").arg(1051 + 2 * i));
        picker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
        picker->setTime(block.fixTime[i] ? QDateTime::fromSecsSinceEpoch(block.fixTime[i]).time() : now.time());
        timesRow->addWidget(check);
        timesRow->addWidget(picker);
        timeCheck_[i] = check;
        timeEdit_[i] = picker;
    }
    timesRow->addStretch(1);
    connect(every_, &QRadioButton::toggled, this, &CStandbyDlg::UpdateEnabled);
    connect(fixed_, &QRadioButton::toggled, this, &CStandbyDlg::UpdateEnabled);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(qtk("standby.ok", "確定(&O)"), QDialogButtonBox::AcceptRole);
    buttons->addButton(qtk("standby.cancel", "取消(&C)"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CStandbyDlg::Confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(storageRow);
    layout->addWidget(files);
    layout->addLayout(everyRow);
    layout->addLayout(timesRow);
    layout->addWidget(buttons);
    for (std::size_t i = 0; i < fileEdit_.size(); ++i)
        CheckEntry(i);
    UpdateEnabled();
}

void CStandbyDlg::SetDataFileLister(DataFileLister lister)
{
    lister_ = std::move(lister);
    for (QToolButton* chooser : chooser_)
        chooser->setEnabled(static_cast<bool>(lister_));
}

QString CStandbyDlg::EntryProblem(int i) const { return problem_[static_cast<std::size_t>(i)]; }

void CStandbyDlg::CheckEntry(std::size_t i)
{
    const std::string entry = ss(fileEdit_[i]->text());
    problem_[i] = entry.empty() ? QString() : qs(CollectionEntryProblem(entry));
    fileEdit_[i]->setToolTip(problem_[i]);
    fileEdit_[i]->setStyleSheet(problem_[i].isEmpty() ? QString() : QStringLiteral("QLineEdit { border: 1px solid #b00000; }"));
    QString first;
    for (const QString& p : problem_)
        if (first.isEmpty())
            first = p;
    entryNote_->setText(first);
    entryNote_->setVisible(!first.isEmpty());
}

void CStandbyDlg::Choose(std::size_t i)
{
    if (!lister_)
        return;
    // Listed at every click, so that a file the terminal made meanwhile is offered too. The
    // listing comes later, from the terminal; the dialog may be closed by then.
    QPointer<CStandbyDlg> self(this);
    lister_([self, i](const std::vector<std::string>& names) {
        if (!self)
            return;
        self->dataFiles_ = names;
        self->ShowChoices(i);
    });
}

void CStandbyDlg::ShowChoices(std::size_t i)
{
    delete choices_;
    choices_ = new QMenu(this);
    choices_->setObjectName(QStringLiteral("dataFiles"));
    for (const std::string& name : dataFiles_)
        connect(choices_->addAction(qs(name)), &QAction::triggered, this, [this, i, name] {
            fileEdit_[i]->setText(qs(name));
            fileCheck_[i]->setChecked(true);
        });
    if (dataFiles_.empty())
        choices_->addAction(qtk("standby.noDataFiles", "終端機的 C:\Data 中沒有檔案"))->setEnabled(false);
    choices_->popup(chooser_[i]->mapToGlobal(QPoint(0, chooser_[i]->height())));
}

void CStandbyDlg::UpdateEnabled()
{
    for (std::size_t i = 0; i < fileCheck_.size(); ++i)
        fileEdit_[i]->setEnabled(fileCheck_[i]->isChecked());
    // The pickers follow the schedule's kind, not their own check boxes.
    const bool fixed = fixed_->isChecked();
    interval_->setEnabled(!fixed);
    for (std::size_t i = 0; i < timeCheck_.size(); ++i) {
        timeCheck_[i]->setEnabled(fixed);
        timeEdit_[i]->setEnabled(fixed);
    }
}

void CStandbyDlg::Browse()
{
    const QString start = storage_->text().isEmpty() ? qs(projectPath_) : storage_->text();
    CFolderDialog picker(start, ui_, this);
    if (picker.exec() == QDialog::Accepted)
        storage_->setText(picker.SelectedPath());
}

bool CStandbyDlg::Confirm()
{
    const std::string folder = ss(storage_->text());
    if (!FolderTakesFiles(folder)) {
        ui_.message(txt::kBadSavePath, Icon::Exclamation);
        storage_->setFocus();
        return false;
    }
    // An entry is checked when it is set, so that a mistyped one is said now rather than at every pass.
    for (std::size_t i = 0; i < fileCheck_.size(); ++i) {
        const std::string entry = ss(fileEdit_[i]->text());
        if (!fileCheck_[i]->isChecked() && entry.empty())
            continue;
        if (std::string why = CollectionEntryProblem(entry); !why.empty()) {
            ui_.fixedMessage(why, Icon::Exclamation);
            fileEdit_[i]->setFocus();
            return false;
        }
    }
    StandbyBlock b = block_;
    b.savePath = folder;
    for (std::size_t i = 0; i < fileCheck_.size(); ++i) {
        b.fileEnable[i] = fileCheck_[i]->isChecked() ? 1 : 0;
        b.fileName[i] = ss(fileEdit_[i]->text());
    }
    b.type = fixed_->isChecked() ? 1 : 0;
    b.timeInterval = kIntervals[static_cast<std::size_t>(std::max(0, interval_->currentIndex()))];
    // The pickers show a time of day; it is stored on today's date (only its time of day counts).
    const QDate today = QDateTime::fromSecsSinceEpoch(clock_.calendarSeconds()).date();
    for (std::size_t i = 0; i < timeCheck_.size(); ++i) {
        b.fixTimeEnable[i] = timeCheck_[i]->isChecked() ? 1 : 0;
        b.fixTime[i] = QDateTime(today, timeEdit_[i]->time()).toSecsSinceEpoch();
    }
    block_ = b;
    accept();
    return true;
}

}  // namespace feld::gui
