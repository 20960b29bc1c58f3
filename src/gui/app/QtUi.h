#pragma once
// The UI seam for the window. The core calls it from the worker thread that runs a terminal
// operation (or from the window's own thread): message boxes, questions and choosers are shown on
// the window's thread and the caller waits for the answer; status texts, icons and message lines
// are handed over and the caller goes on. Progress windows live on the window's thread and take
// their updates as they come.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

#include "base/Ui.h"

namespace feld::gui {

class CallQueue;

QString qs(const std::string& s);
std::string ss(const QString& s);
// A keyed text as a QString: the language's, else the program's own.
QString qtk(const char* key, const char* fallback);
// A numbered text as a QString.
QString qtr(int id);

class QtUi : public QObject, public Ui {
    Q_OBJECT
public:
    explicit QtUi(QObject* parent = nullptr);

    // The window dialogs and message boxes belong to.
    void setWindow(QWidget* window) { window_ = window; }
    QWidget* window() const { return window_; }

    void showMessage(int id, const std::string& text, Icon icon) override;
    Answer ask(int id, const std::string& text, Buttons buttons, Icon icon) override;
    std::unique_ptr<ProgressView> openProgress(ProgressKind kind, const std::string& caption,
                                               const std::string& label) override;
    void setStatusText(const std::string& text) override;
    void setActivityIcon(int code) override;
    void showPortStatus(bool disconnected, const std::string& portText) override;
    bool editPortSettings(PortSettings& settings) override;
    std::optional<std::string> chooseFile(const FileRequest& request) override;
    std::optional<std::string> chooseFolder(const std::string& title, const std::string& start) override;
    void setWaitCursor(bool on) override;
    void addMessageLine(const std::string& line) override;
    void terminalFolderChanged(const std::string& terminalPath) override;
    void debugLine(const std::string& line) override;

    // Runs `fn` on the window's thread and waits for it (at once when called there).
    void onUiThread(const std::function<void()>& fn);
    // The program is ending (the user said so): the operation being stopped shows no more boxes
    // and its questions take their safe answer.
    void setClosing(bool closing) { closing_ = closing; }
    bool closing() const { return closing_; }

    // For tests: answer questions without showing them (nullptr: ask the user).
    std::function<Answer(int id, const QString& text, Buttons buttons)> answerQuestions;
    // For tests: show no message boxes; they are only counted in the messages signal.
    bool quietMessages = false;
    // For tests: answer the port settings dialog without showing it.
    std::function<bool(PortSettings&)> editPortSettingsHook;

signals:
    void statusText(const QString& text);
    void activityIcon(int code);
    void portStatus(bool disconnected, const QString& text);
    void messageLine(const QString& line);
    void terminalFolderChangedSignal(const QString& terminalPath);
    void waitCursor(bool on);
    void messageShown(int id, const QString& text, int icon);
    // The user asked the transfer under way to stop (its progress window's Cancel, Esc or close box).
    void cancelRequested();

private:
    QPointer<QWidget> window_;
    CallQueue* calls_;  // functions the worker hands to the window's thread
    bool closing_ = false;  // read and written on the window's thread only
};

// The filter text the core words ("Kernel File (*.bin) | *.bin ||") as a Qt file-dialog filter.
QString qtFileFilter(const std::string& filter);

}  // namespace feld::gui
