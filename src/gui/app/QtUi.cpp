#include "gui/app/QtUi.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QThread>

#include <condition_variable>
#include <memory>
#include <mutex>

#include "gui/app/CallQueue.h"
#include "gui/app/PortSettingsDialog.h"
#include "gui/app/ProgressDialog.h"

namespace feld::gui {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string ss(const QString& s) { return s.toStdString(); }
QString qtk(const char* key, const char* fallback) { return qs(tk(key, fallback)); }
QString qtr(int id) { return qs(tr(id)); }

namespace {

// Texts carry Windows line ends; a Qt label wants "\n".
QString plain(const std::string& text)
{
    QString t = qs(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Exclamation:
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Stop: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// A progress window owned by the window's thread; the operation's thread only hands it values.
class GuiProgress : public ProgressView {
public:
    GuiProgress(QPointer<ProgressDialog> dialog, CallQueue* calls) : dialog_(std::move(dialog)), calls_(calls) {}
    ~GuiProgress() override
    {
        post([](ProgressDialog* d) {
            d->hide();
            d->deleteLater();
        });
    }
    void setPercent(int percent) override
    {
        post([percent](ProgressDialog* d) { d->setPercent(percent); });
    }
    void setLabel(const std::string& text) override
    {
        QString t = plain(text);
        post([t](ProgressDialog* d) { d->setLabel(t); });
    }
    void setBytes(std::int64_t done, std::int64_t total) override
    {
        post([done, total](ProgressDialog* d) { d->setBytes(done, total); });
    }

private:
    template <class F>
    void post(F&& f)
    {
        if (!dialog_)
            return;
        QPointer<ProgressDialog> d = dialog_;
        calls_->post([d, f = std::forward<F>(f)] {
            if (d)
                f(d.data());
        });
    }

    QPointer<ProgressDialog> dialog_;
    CallQueue* calls_;
};

}  // namespace

QString qtFileFilter(const std::string& filter)
{
    // "Kernel File (*.bin) | *.bin ||": the description holds the pattern already.
    QString f = qs(filter);
    int bar = f.indexOf(QLatin1Char('|'));
    QString first = (bar < 0 ? f : f.left(bar)).trimmed();
    if (first.isEmpty())
        return {};
    return first + QStringLiteral(";;") + qtk("dialog.allFiles", "所有檔案 (*)");
}

QtUi::QtUi(QObject* parent) : QObject(parent), calls_(new CallQueue(this)) {}

void QtUi::onUiThread(const std::function<void()>& fn)
{
    if (QThread::currentThread() == thread()) {
        fn();
        return;
    }
    // The worker waits on a lock of its own rather than Qt's blocking call, so a thread checker
    // sees that what fn did on the window's thread comes before what the worker does next.
    struct Call {
        std::mutex mutex;
        std::condition_variable cv;
        bool done = false;
    };
    auto call = std::make_shared<Call>();
    // Marks the call done when the queued function goes away: after it ran, or unrun when the
    // window's thread drops it (the window closing meanwhile), so the worker is never stranded.
    std::shared_ptr<void> done(nullptr, [call](void*) {
        {
            std::lock_guard lock(call->mutex);
            call->done = true;
        }
        call->cv.notify_all();
    });
    calls_->post([&fn, done] { fn(); });
    done.reset();
    std::unique_lock lock(call->mutex);
    call->cv.wait(lock, [&] { return call->done; });
}

void QtUi::showMessage(int id, const std::string& text, Icon icon)
{
    const QString t = plain(text);
    onUiThread([&] {
        if (closing_)
            return;  // the user is ending the program: what the stopped operation says is moot
        emit messageShown(id, t, static_cast<int>(icon));
        if (quietMessages)
            return;
        QMessageBox box(boxIcon(icon), QApplication::applicationDisplayName(), t, QMessageBox::Ok, window_);
        box.exec();
    });
}

Answer QtUi::ask(int id, const std::string& text, Buttons buttons, Icon icon)
{
    const QString t = plain(text);
    Answer answer = unanswered(buttons);
    onUiThread([&] {
        if (closing_)
            return;  // the safe answer: nothing more is started while the program ends
        if (answerQuestions) {
            answer = answerQuestions(id, t, buttons);
            return;
        }
        QMessageBox::StandardButtons b = QMessageBox::Ok;
        switch (buttons) {
        case Buttons::YesNo: b = QMessageBox::Yes | QMessageBox::No; break;
        case Buttons::OkCancel: b = QMessageBox::Ok | QMessageBox::Cancel; break;
        case Buttons::YesAllNoAllCancel:
            b = QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::NoToAll | QMessageBox::Cancel;
            break;
        case Buttons::Ok: break;
        }
        QMessageBox box(boxIcon(icon), QApplication::applicationDisplayName(), t, b, window_);
        box.setWindowModality(Qt::ApplicationModal);
        // Every yes-or-no question here guards something that cannot be undone (a format, a
        // delete, an overwrite, a cancelled transfer): Enter answers No.
        if (buttons == Buttons::YesNo)
            box.setDefaultButton(QMessageBox::No);
        if (buttons == Buttons::YesAllNoAllCancel) {
            // Replacing is not undone: Enter keeps the file, Esc stops the batch.
            box.setDefaultButton(QMessageBox::No);
            box.setEscapeButton(QMessageBox::Cancel);
        }
        switch (box.exec()) {
        case QMessageBox::Yes: answer = Answer::Yes; break;
        case QMessageBox::YesToAll: answer = Answer::YesToAll; break;
        case QMessageBox::Ok: answer = Answer::Ok; break;
        case QMessageBox::No: answer = Answer::No; break;
        case QMessageBox::NoToAll: answer = Answer::NoToAll; break;
        case QMessageBox::Cancel: answer = Answer::Cancel; break;
        default: answer = unanswered(buttons); break;
        }
    });
    return answer;
}

std::unique_ptr<ProgressView> QtUi::openProgress(ProgressKind kind, const std::string& caption, const std::string& label)
{
    QPointer<ProgressDialog> dialog;
    const QString c = plain(caption), l = plain(label);
    onUiThread([&] {
        dialog = new ProgressDialog(kind, c, l, window_);
        dialog->setAttribute(Qt::WA_DeleteOnClose, false);
        connect(dialog, &ProgressDialog::cancelRequested, this, &QtUi::cancelRequested);
        dialog->show();
        dialog->raise();
    });
    return std::make_unique<GuiProgress>(dialog, calls_);
}

void QtUi::setStatusText(const std::string& text) { emit statusText(plain(text)); }
void QtUi::setActivityIcon(int code) { emit activityIcon(code); }
void QtUi::showPortStatus(bool disconnected, const std::string& portText) { emit portStatus(disconnected, qs(portText)); }

bool QtUi::editPortSettings(PortSettings& settings)
{
    bool ok = false;
    onUiThread([&] {
        if (editPortSettingsHook) {
            ok = editPortSettingsHook(settings);
            return;
        }
        PortSettingsDialog dialog(settings, window_);
        if (dialog.exec() == QDialog::Accepted) {
            settings = dialog.settings();
            ok = true;
        }
    });
    return ok;
}

std::optional<std::string> QtUi::chooseFile(const FileRequest& request)
{
    std::optional<std::string> chosen;
    onUiThread([&] {
        QString start = qs(request.initialFolder);
        QString name;
        if (request.save)
            name = QFileDialog::getSaveFileName(window_, qs(request.title), start, qtFileFilter(request.filter));
        else
            name = QFileDialog::getOpenFileName(window_, qs(request.title), start, qtFileFilter(request.filter));
        if (!name.isEmpty())
            chosen = ss(name);
    });
    return chosen;
}

std::optional<std::string> QtUi::chooseFolder(const std::string& title, const std::string& start)
{
    std::optional<std::string> chosen;
    onUiThread([&] {
        QString dir = QFileDialog::getExistingDirectory(window_, qs(title), qs(start));
        if (!dir.isEmpty())
            chosen = ss(dir);
    });
    return chosen;
}

void QtUi::setWaitCursor(bool on) { emit waitCursor(on); }
void QtUi::addMessageLine(const std::string& line) { emit messageLine(plain(line)); }
void QtUi::terminalFolderChanged(const std::string& terminalPath) { emit terminalFolderChangedSignal(qs(terminalPath)); }
void QtUi::debugLine(const std::string& line)
{
    if (qEnvironmentVariableIsSet("FELDSPAN_DEBUG"))
        qDebug("%s", line.c_str());
}

}  // namespace feld::gui
