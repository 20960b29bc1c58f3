#pragma once
// The Ui of feldspan-cli: messages on stderr, questions answered by --yes, else asked when stdin
// is a terminal, else answered No/Cancel; progress as a one-line bar on stderr; message-view
// lines on stdout. Status and debug lines follow the logging categories of CliLog.h (--verbose turns
// them all on). Safe to call from any thread.

#include <cstdio>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "base/Ui.h"

namespace feld::cli {

class CliUi : public Ui {
public:
    struct Streams {
        std::FILE* in = stdin;
        std::FILE* out = stdout;
        std::FILE* err = stderr;
        // Whether in and err are terminals; unset: asked of the streams themselves.
        std::optional<bool> interactive;
        std::optional<bool> errIsTerminal;
        // Milliseconds of a steady clock, for a transfer's rate; unset: the system's.
        std::function<std::int64_t()> nowMs;
    };

    CliUi(bool yes, bool verbose);
    CliUi(bool yes, bool verbose, Streams streams);

    // The next file or folder chooser is answered with this path (in order of presetting).
    void presetFile(const std::string& path);

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

    // Messages shown so far that were errors (Stop or Exclamation icon); a command may use it to
    // decide that its failure was already explained.
    int problemsShown() const;
    // The first of those messages, as shown (empty when none was): for --json, the failure's cause.
    std::string firstProblem() const;

    // For --json: stdout carries the JSON document only, so message-view lines go to stderr.
    void messageLinesToStderr();

    // Prints a line on stderr under the output lock (for the frame's own errors).
    void errorLine(const std::string& text);

private:
    class Bar;
    friend class Bar;

    // Writes to stderr, ending a progress bar line first when one is drawn.
    void writeErrLocked(const std::string& text);
    std::optional<std::string> nextPreset(const char* what, const std::string& title);
    bool showStatus() const;
    bool showDebug() const;

    bool yes_;
    bool verbose_;
    Streams io_;
    bool interactive_;
    bool errTerminal_;
    mutable std::mutex mutex_;
    std::deque<std::string> presets_;
    bool barDrawn_ = false;  // a \r-redrawn bar line is on screen without its line end
    int problems_ = 0;
    std::string firstProblem_;
};

}  // namespace feld::cli
