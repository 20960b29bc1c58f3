#include "gui/cradle/CradleDialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <initializer_list>

#include "base/Clock.h"
#include "base/Ui.h"
#include "gui/app/AboutDialog.h"
#include "gui/app/Icons.h"
#include "gui/app/QtUi.h"
#include "session/Config.h"

namespace feld::gui {

AboutCradleDialog::AboutCradleDialog(const QString& versionLine, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutCradleDialog"));
    setWindowTitle(qtk("aboutCradle.title", "關於充電座"));
    FillAboutBox(this, icons::cradle(), versionLine);
}

namespace {

// The firmware files the chooser offers.
constexpr const char* kDfuFilter = "DFU Files (*.dfu) |*.dfu||";
// The worker's record is looked at this often.
constexpr int kPollMs = 100;

}  // namespace

CradleUpdateDialog::CradleUpdateDialog(Config& config, QtUi& ui, QWidget* parent)
    : QDialog(parent), config_(config), ui_(ui)
{
    setObjectName(QStringLiteral("CradleUpdateDialog"));
    setWindowTitle(qtk("cradle.title", "充電座韌體更新"));

    fileName_ = new QLineEdit(this);
    fileName_->setObjectName(QStringLiteral("fileName"));
    fileName_->setReadOnly(true);
    browse_ = new QPushButton(qtk("cradle.browse", "瀏覽"), this);
    browse_->setObjectName(QStringLiteral("browse"));
    deviceBox_ = new QComboBox(this);
    deviceBox_->setObjectName(QStringLiteral("devices"));
    start_ = new QPushButton(qtk("cradle.start", "開始更新"), this);
    start_->setObjectName(QStringLiteral("start"));
    cancel_ = new QPushButton(qtk("cradle.cancel", "取消"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setRange(0, kDfuProgressRange);
    progress_->setValue(0);
    progress_->setTextVisible(false);  // 0..220 spans three phases: a percentage would mislead

    auto* fileLabel = new QLabel(qtk("cradle.fileName", "檔案名稱:"), this);
    fileLabel->setBuddy(fileName_);
    auto* deviceLabel = new QLabel(qtk("cradle.device", "DFU 裝置:"), this);
    deviceLabel->setBuddy(deviceBox_);
    auto* grid = new QGridLayout;
    grid->addWidget(fileLabel, 0, 0);
    grid->addWidget(fileName_, 0, 1);
    grid->addWidget(browse_, 0, 2);
    grid->addWidget(deviceLabel, 1, 0);
    grid->addWidget(deviceBox_, 1, 1, 1, 2);
    grid->addWidget(progress_, 2, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(start_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(browse_, &QPushButton::clicked, this, &CradleUpdateDialog::OnBrowse);
    connect(start_, &QPushButton::clicked, this, &CradleUpdateDialog::OnStartUpdate);
    connect(cancel_, &QPushButton::clicked, this, &CradleUpdateDialog::reject);
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &CradleUpdateDialog::OnPoll);

    // No device: the user has been told, and the frame does not show the dialog.
    ready_ = ListDevices();
}

CradleUpdateDialog::~CradleUpdateDialog()
{
    // The dialog cannot be closed while the worker runs; should its owner go anyway, the worker
    // is not left running behind it.
    if (updating_) {
        poll_.stop();
        DfuWorker::instance().wait();
    }
}

void CradleUpdateDialog::reject()
{
    if (updating_)
        return;
    QDialog::reject();
}

bool CradleUpdateDialog::ListDevices()
{
    // The user's choice survives a new listing while it still names a place in the list.
    const int previous = deviceBox_->currentIndex();
    deviceBox_->clear();
    if (!ListDfuDevices(ui_, devices_))
        return false;
    for (const DfuDeviceInfo& d : devices_)
        deviceBox_->addItem(qs(d.name));
    deviceBox_->setCurrentIndex(previous >= 0 && previous < deviceBox_->count() ? previous : 0);
    return true;
}

void CradleUpdateDialog::OnBrowse()
{
    FileRequest request;
    request.filter = kDfuFilter;
    request.initialFolder = config_.mainPath;
    request.mustExist = true;
    const std::optional<std::string> path = ui_.chooseFile(request);
    if (!path)
        return;
    // A file that is not cradle firmware is forgotten (the core said so).
    if (ChooseDfuFile(ui_, *path, file_))
        fileName_->setText(QFileInfo(qs(*path)).fileName());
    else
        fileName_->clear();
}

void CradleUpdateDialog::OnStartUpdate()
{
    if (updating_ || !ListDevices())
        return;
    const int selected = deviceBox_->currentIndex();
    std::unique_ptr<DfuImage> image = CheckCradleUpdate(ui_, devices_, selected, file_);
    if (!image)
        return;
    // The library's index: a device that could not be read is missing from the list.
    const unsigned index = devices_[static_cast<std::size_t>(selected)].index;
    SetUpdating(true);
    if (StartCradleUpdate(ui_, systemClock(), index, std::move(image)) != kDfuOk) {
        SetUpdating(false);  // the core has shown why
        return;
    }
    poll_.start();
}

void CradleUpdateDialog::OnPoll()
{
    DfuProgress record;
    const DfuPollState state = PollCradleUpdate(record);
    if (!state.failed)
        progress_->setValue(state.position);
    if (!state.failed && !state.finished)
        return;
    // Stopped before the message box, whose own event loop would keep the timer firing.
    poll_.stop();
    ReportCradleUpdateEnd(ui_, record);
    SetUpdating(false);
}

void CradleUpdateDialog::SetUpdating(bool on)
{
    updating_ = on;
    // The device list too: a choice made while one cradle is written would mean nothing.
    for (QWidget* w : std::initializer_list<QWidget*>{browse_, start_, cancel_, deviceBox_})
        w->setEnabled(!on);
    progress_->setValue(0);
}

}  // namespace feld::gui
