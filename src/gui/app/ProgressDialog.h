#pragma once
// The "Process" window of a transfer, a format or a defragmentation: a percentage, the file's
// name, and for transfers the bytes done, the rate and the time left. It cannot be cancelled
// from itself (closing the main window asks to cancel the operation instead).

#include <QDialog>
#include <QElapsedTimer>

#include "base/Ui.h"

class QLabel;
class QProgressBar;

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

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ProgressKind kind_;
    QProgressBar* bar_;
    QLabel* label_;
    QLabel* detail_;
    QElapsedTimer clock_;
    qint64 firstDone_ = -1;
};

// "12.3 KB", "1.5 MB": sizes as a person reads them.
QString humanBytes(qint64 bytes);

}  // namespace feld::gui
