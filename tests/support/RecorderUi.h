#pragma once
// A Ui for tests: answers questions from a script and records everything shown, so a test can
// assert which texts appeared and in which order.

#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "base/Ui.h"

namespace feld::test {

class RecorderUi : public Ui {
public:
    struct Event {
        std::string kind;  // "message", "question", "progress", "status", "activity", "port",
                           // "portdialog", "file", "folder", "wait", "line", "folderchanged"
        int id = 0;        // text id, 0 for fixed texts and events without one
        std::string text;
        int value = 0;     // icon, percent, activity code, ...
    };

    // Answers, in order, for ask(); when they run out, `defaultAnswer` is used.
    std::deque<Answer> answers;
    std::optional<Answer> defaultAnswer;  // unset: the negative button of the question
    std::deque<std::optional<std::string>> files;    // answers for chooseFile / chooseFolder
    bool portDialogResult = true;
    std::optional<PortSettings> portDialogEdit;      // what the port dialog writes into the record

    void showMessage(int id, const std::string& text, Icon icon) override { record({"message", id, text, static_cast<int>(icon)}); }
    Answer ask(int id, const std::string& text, Buttons buttons, Icon icon) override
    {
        record({"question", id, text, static_cast<int>(icon)});
        std::lock_guard lock(mutex_);
        if (!answers.empty()) {
            Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        if (defaultAnswer)
            return *defaultAnswer;
        return unanswered(buttons);
    }

    class Progress : public ProgressView {
    public:
        Progress(RecorderUi& ui) : ui_(ui) {}
        ~Progress() override { ui_.record({"progress-close", 0, "", 0}); }
        void setPercent(int p) override { ui_.record({"progress", 0, "", p}); }
        void setLabel(const std::string& t) override { ui_.record({"progress-label", 0, t, 0}); }
        void setBytes(std::int64_t done, std::int64_t total) override
        {
            ui_.record({"progress-bytes", 0, std::to_string(done) + "/" + std::to_string(total), 0});
        }

    private:
        RecorderUi& ui_;
    };
    std::unique_ptr<ProgressView> openProgress(ProgressKind kind, const std::string& caption, const std::string& label) override
    {
        record({"progress-open", 0, caption + "|" + label, static_cast<int>(kind)});
        return std::make_unique<Progress>(*this);
    }
    void setStatusText(const std::string& text) override { record({"status", 0, text, 0}); }
    void setActivityIcon(int code) override { record({"activity", 0, "", code}); }
    void showPortStatus(bool disconnected, const std::string& portText) override { record({"port", 0, portText, disconnected ? 1 : 0}); }
    bool editPortSettings(PortSettings& settings) override
    {
        record({"portdialog", 0, "", 0});
        if (portDialogResult && portDialogEdit)
            settings = *portDialogEdit;
        return portDialogResult;
    }
    std::optional<std::string> chooseFile(const FileRequest& request) override
    {
        record({"file", 0, request.filter, 0});
        return nextFile();
    }
    std::optional<std::string> chooseFolder(const std::string& title, const std::string&) override
    {
        record({"folder", 0, title, 0});
        return nextFile();
    }
    void setWaitCursor(bool on) override { record({"wait", 0, "", on ? 1 : 0}); }
    void addMessageLine(const std::string& line) override { record({"line", 0, line, 0}); }
    void terminalFolderChanged(const std::string& path) override { record({"folderchanged", 0, path, 0}); }
    void debugLine(const std::string& line) override { record({"debug", 0, line, 0}); }

    // What was recorded.
    std::vector<Event> events() const
    {
        std::lock_guard lock(mutex_);
        return events_;
    }
    // Text ids of messages and questions, in order.
    std::vector<int> shownIds() const
    {
        std::vector<int> ids;
        for (const auto& e : events())
            if (e.kind == "message" || e.kind == "question")
                ids.push_back(e.id);
        return ids;
    }
    // Texts of messages and questions (fixed texts included), in order.
    std::vector<std::string> shownTexts() const
    {
        std::vector<std::string> t;
        for (const auto& e : events())
            if (e.kind == "message" || e.kind == "question")
                t.push_back(e.text);
        return t;
    }
    std::vector<std::string> lines() const
    {
        std::vector<std::string> t;
        for (const auto& e : events())
            if (e.kind == "line")
                t.push_back(e.text);
        return t;
    }
    std::vector<Event> eventsOf(const std::string& kind) const
    {
        std::vector<Event> out;
        for (const auto& e : events())
            if (e.kind == kind)
                out.push_back(e);
        return out;
    }
    void clear()
    {
        std::lock_guard lock(mutex_);
        events_.clear();
    }

private:
    void record(Event e)
    {
        std::lock_guard lock(mutex_);
        events_.push_back(std::move(e));
    }
    std::optional<std::string> nextFile()
    {
        std::lock_guard lock(mutex_);
        if (files.empty())
            return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }

    mutable std::mutex mutex_;
    std::vector<Event> events_;
};

}  // namespace feld::test
