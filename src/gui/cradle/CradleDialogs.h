#pragma once
// The cradle's two boxes: the firmware version of the cradle, and the firmware update dialog
// (device list, Browse, Start update with every check, the worker's progress polled every 100 ms).

#include <QDialog>
#include <QTimer>

#include <vector>

#include "cradle/CradleUpdate.h"

class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace feld {
class Config;
}

namespace feld::gui {

class QtUi;

// "充電座韌體版本  1.2 ": the caption and the version as the about-cradle command worded it.
class AboutCradleDialog : public QDialog {
    Q_OBJECT
public:
    AboutCradleDialog(const QString& versionLine, QWidget* parent = nullptr);
};

// Lists the DFU devices at opening, lets the user choose a firmware file, runs the core's checks
// and starts the update worker, then follows it with a timer on the window's thread, so the
// window stays live while the cradle is written. The checks' messages and questions, and the
// update's final message, come from the core through the UI seam.
class CradleUpdateDialog : public QDialog {
    Q_OBJECT
public:
    CradleUpdateDialog(Config& config, QtUi& ui, QWidget* parent = nullptr);
    ~CradleUpdateDialog() override;
    // False when no DFU device was found at opening (the user was told; the dialog is not shown).
    bool Ready() const { return ready_; }
    // True from the worker's start until the end of the update has been reported.
    bool Updating() const { return updating_; }

public slots:
    // Cancel, Esc and the close button: refused while the worker writes the cradle.
    void reject() override;

private:
    bool ListDevices();
    void OnBrowse();
    void OnStartUpdate();
    void OnPoll();
    void SetUpdating(bool on);

    Config& config_;
    QtUi& ui_;
    ChosenDfuFile file_;
    std::vector<DfuDeviceInfo> devices_;
    QLineEdit* fileName_ = nullptr;
    QPushButton* browse_ = nullptr;
    QComboBox* deviceBox_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTimer poll_;
    bool updating_ = false;
    bool ready_ = false;
};

}  // namespace feld::gui
