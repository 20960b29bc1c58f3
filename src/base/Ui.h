#pragma once
// The seam through which the core shows things to the user: message boxes, questions, the progress
// window, the status bar, the port settings dialog, file choosers, the message view. The desktop
// program implements it with widgets, the CLI on the terminal, the tests with a recorder.
// Every call may come from any thread; an implementation marshals to its own UI thread.

#include <initializer_list>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "base/PortSettings.h"
#include "base/Texts.h"

namespace feld {

// Exclamation and Stop mark a failure; Warning something the user should know that does not stop
// the command.
enum class Icon { None, Information, Exclamation, Stop, Question, Warning };
// YesAllNoAllCancel: whether to replace one of several files; "to all" answers for the files
// after it too, Cancel stops before this file.
enum class Buttons { Ok, OkCancel, YesNo, YesAllNoAllCancel };
enum class Answer { Ok, Cancel, Yes, No, YesToAll, NoToAll };

inline bool accepted(Answer a) { return a == Answer::Ok || a == Answer::Yes || a == Answer::YesToAll; }

// The answer of a question nobody can answer (no terminal to ask, a box closed): No where there is
// one, so that a batch goes on without replacing anything, else Cancel.
inline Answer unanswered(Buttons buttons)
{
    return buttons == Buttons::YesNo || buttons == Buttons::YesAllNoAllCancel ? Answer::No : Answer::Cancel;
}

// The four kinds of the "Process" window.
enum class ProgressKind { Sending = 0, Receiving = 1, Format = 2, Defragment = 3 };

// One open progress window. Destroying it closes the window.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual void setPercent(int percent) = 0;  // 0 .. 100
    virtual void setLabel(const std::string& text) = 0;
    // For a transfer: bytes done of the total (a window may show them with a rate and the time left).
    virtual void setBytes(std::int64_t done, std::int64_t total) { (void)done, (void)total; }
};

// What a file chooser asks for.
struct FileRequest {
    std::string title;
    std::string filter;         // as the program words it, e.g. "Kernel File (*.bin) | *.bin ||"
    std::string initialName;    // e.g. "*.bin"
    std::string initialFolder;
    bool mustExist = true;
    bool save = false;
};

class Ui {
public:
    virtual ~Ui() = default;

    // A message box. id is the text id the text came from, 0 for a fixed text.
    virtual void showMessage(int id, const std::string& text, Icon icon) = 0;
    // A question; the answer is one of the two buttons offered.
    virtual Answer ask(int id, const std::string& text, Buttons buttons, Icon icon) = 0;
    // Opens the progress window of a kind; caption and label as the caller words them.
    virtual std::unique_ptr<ProgressView> openProgress(ProgressKind kind, const std::string& caption,
                                                       const std::string& label) = 0;
    // Status bar: pane 0 text, pane 2 activity icon (1-4 busy frames, anything else removes it),
    // pane 1 port text or the disconnected icon.
    virtual void setStatusText(const std::string& text) = 0;
    virtual void setActivityIcon(int code) = 0;
    virtual void showPortStatus(bool disconnected, const std::string& portText) = 0;
    // The port settings dialog: edits the record in place, true for OK.
    virtual bool editPortSettings(PortSettings& settings) = 0;
    virtual std::optional<std::string> chooseFile(const FileRequest& request) = 0;
    virtual std::optional<std::string> chooseFolder(const std::string& title, const std::string& start) = 0;
    virtual void setWaitCursor(bool on) = 0;
    // A line for the message view (newest on top).
    virtual void addMessageLine(const std::string& line) = 0;
    // A terminal folder's contents changed (the terminal tree re-lists it).
    virtual void terminalFolderChanged(const std::string& terminalPath) = 0;
    // Debug output of the link (the system's debug channel); silent unless an implementation shows it.
    virtual void debugLine(const std::string& line) { (void)line; }

    // Conveniences: look a text up by id and format it.
    void message(int id, Icon icon = Icon::Information, std::initializer_list<TextArg> args = {});
    void fixedMessage(const std::string& text, Icon icon = Icon::Information);
    Answer question(int id, Buttons buttons, Icon icon = Icon::Question, std::initializer_list<TextArg> args = {});
};

// A Ui that shows nothing and declines every question; it keeps the last message so that a
// caller without a screen (a benchmark, a fuzz target) can still say what went wrong.
class SilentUi : public Ui {
public:
    std::string lastMessage;
    void showMessage(int, const std::string& text, Icon) override { lastMessage = text; }
    Answer ask(int, const std::string&, Buttons buttons, Icon) override
    {
        return unanswered(buttons);
    }
    std::unique_ptr<ProgressView> openProgress(ProgressKind, const std::string&, const std::string&) override { return nullptr; }
    void setStatusText(const std::string&) override {}
    void setActivityIcon(int) override {}
    void showPortStatus(bool, const std::string&) override {}
    bool editPortSettings(PortSettings&) override { return true; }
    std::optional<std::string> chooseFile(const FileRequest&) override { return std::nullopt; }
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override { return std::nullopt; }
    void setWaitCursor(bool) override {}
    void addMessageLine(const std::string&) override {}
    void terminalFolderChanged(const std::string&) override {}
};

// The question before a file is replaced, asked once per file, or once for the rest of a batch
// when the user answers "to all". With one file it is the plain OK/Cancel question.
class OverwriteQuestion {
public:
    enum class Reply { Replace, Skip, Cancel };
    // `files`: how many files the batch holds.
    explicit OverwriteQuestion(std::size_t files = 1) : many_(files > 1) {}
    // Asks text `id` with `args`, unless an earlier answer holds for all, or the batch was
    // cancelled (then Cancel again).
    Reply Ask(Ui& ui, int id, std::initializer_list<TextArg> args = {});
    bool Cancelled() const { return cancelled_; }
    // More than one file: the question names the file it is about.
    bool Many() const { return many_; }

private:
    bool many_;
    bool cancelled_ = false;
    std::optional<Reply> forAll_;
};

// Shows the wait cursor for the life of the object.
class WaitCursor {
public:
    explicit WaitCursor(Ui& ui) : ui_(ui) { ui_.setWaitCursor(true); }
    ~WaitCursor() { ui_.setWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    Ui& ui_;
};

}  // namespace feld
