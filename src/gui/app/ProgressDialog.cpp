#include "gui/app/ProgressDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/QtUi.h"

namespace feld::gui {

QString humanBytes(qint64 bytes)
{
    if (bytes < 1024)
        return qtk("progress.bytes", "%1 bytes").arg(bytes);
    if (bytes < 1024 * 1024)
        return qtk("progress.kib", "%1 KB").arg(bytes / 1024.0, 0, 'f', 1);
    return qtk("progress.mib", "%1 MB").arg(bytes / (1024.0 * 1024.0), 0, 'f', 1);
}

ProgressDialog::ProgressDialog(ProgressKind kind, const QString& caption, const QString& label, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), kind_(kind)
{
    setObjectName(QStringLiteral("ProgressDialog"));
    setWindowTitle(caption);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    label_ = new QLabel(label, this);
    label_->setObjectName(QStringLiteral("label"));
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("bar"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setMinimumWidth(320);
    detail_ = new QLabel(this);
    detail_->setObjectName(QStringLiteral("detail"));
    layout->addWidget(label_);
    layout->addWidget(bar_);
    layout->addWidget(detail_);
    const bool transfer = kind == ProgressKind::Sending || kind == ProgressKind::Receiving;
    detail_->setVisible(transfer);
    cancel_ = new QPushButton(qtk("progress.cancel", "Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    cancel_->setAutoDefault(false);
    cancel_->setVisible(transfer);
    layout->addWidget(cancel_, 0, Qt::AlignRight);
    connect(cancel_, &QPushButton::clicked, this, &ProgressDialog::RequestCancel);
    if (transfer)
        setWindowFlag(Qt::WindowCloseButtonHint, true);
    clock_.start();
}

void ProgressDialog::setPercent(int percent) { bar_->setValue(percent < 0 ? 0 : percent > 100 ? 100 : percent); }
int ProgressDialog::percent() const { return bar_->value(); }
void ProgressDialog::setLabel(const QString& text) { label_->setText(text); }
QString ProgressDialog::detailText() const { return detail_->text(); }

void ProgressDialog::setBytes(qint64 done, qint64 total)
{
    if (firstDone_ < 0 || done < firstDone_) {
        firstDone_ = done;
        clock_.restart();
    }
    QString text = humanBytes(done) + QStringLiteral(" / ") + humanBytes(total);
    const double seconds = clock_.elapsed() / 1000.0;
    if (seconds >= 1.0 && done > firstDone_) {
        const double rate = (done - firstDone_) / seconds;
        text += QStringLiteral("  ·  ") + qtk("progress.rate", "%1/s").arg(humanBytes(static_cast<qint64>(rate)));
        if (rate > 0 && total > done) {
            const int left = static_cast<int>((total - done) / rate + 0.5);
            text += QStringLiteral("  ·  ") +
                    qtk("progress.left", "%1:%2 left").arg(left / 60).arg(left % 60, 2, 10, QLatin1Char('0'));
        }
    }
    detail_->setText(text);
}

bool ProgressDialog::Cancellable() const { return kind_ == ProgressKind::Sending || kind_ == ProgressKind::Receiving; }

void ProgressDialog::RequestCancel()
{
    if (!Cancellable() || !cancel_->isEnabled())
        return;
    cancel_->setEnabled(false);
    label_->setText(qtk("progress.cancelling", "Stopping the transfer..."));
    emit cancelRequested();
}

void ProgressDialog::closeEvent(QCloseEvent* event)
{
    // The operation decides when its window goes: the close box only asks a transfer to stop.
    event->ignore();
    RequestCancel();
}

void ProgressDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        RequestCancel();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace feld::gui
