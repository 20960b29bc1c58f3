#pragma once
// The "Process" window of a transfer, a format or a defragmentation: a percentage, the file's
// name, and for transfers the bytes done, the rate and the time left. A transfer's window has a
// Cancel button (Esc and its close box do the same): it asks the operation to stop, and the
// operation closes the window when it has. A format or a defragmentation cannot be stopped from it
// (the terminal is busy with the drive by then).

#include <QDialog>
#include <QElapsedTimer>

#include "base/Ui.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace feld::gui {

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    ProgressDialog(ProgressKind kind, const QString& caption, const QString& label, QWidget* parent);

    void setPercent(int percent);
    void setLabel(const QString& text);
    void setBytes(qint64 done, qint64 total);

    int percent() const;
    QString detailText() const;
    ProgressKind kind() const { return kind_; }
    bool Cancellable() const;
    // The user asked the transfer to stop (once; the button is greyed after).
    void RequestCancel();

signals:
    void cancelRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ProgressKind kind_;
    QProgressBar* bar_;
    QLabel* label_;
    QLabel* detail_;
    QPushButton* cancel_;
    QElapsedTimer clock_;
    qint64 firstDone_ = -1;
};

// "12.3 KB", "1.5 MB": sizes as a person reads them.
QString humanBytes(qint64 bytes);

}  // namespace feld::gui
