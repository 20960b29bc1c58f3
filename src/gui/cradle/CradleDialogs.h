#pragma once
// The cradle's two boxes: the firmware version of the cradle, and the firmware update dialog
// (device list, Browse, Start update with every check, the worker's progress polled every 100 ms).

#include <QDialog>

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

class CradleUpdateDialog : public QDialog {
    Q_OBJECT
public:
    CradleUpdateDialog(Config& config, QtUi& ui, QWidget* parent = nullptr);
    ~CradleUpdateDialog() override;
    // False when no DFU device was found at opening (the user was told; the dialog is not shown).
    bool Ready() const { return ready_; }

private:
    bool ready_ = false;
};

}  // namespace feld::gui
