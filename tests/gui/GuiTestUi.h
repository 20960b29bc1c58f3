#pragma once
// The window's UI seam as the window tests use it: no message box, no question and no file
// chooser is shown. Messages are recorded (id, text, icon) in order, questions are answered from
// a script (No, or Cancel, when it runs out), and file choosers hand out the next scripted path.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <QTest>

#include "gui/app/QtUi.h"

namespace feld::test {

class GuiTestUi : public gui::QtUi {
public:
    struct Shown {
        int id = 0;
        QString text;
        Icon icon = Icon::None;
    };

    GuiTestUi()
    {
        quietMessages = true;
        connect(this, &QtUi::messageShown, this, [this](int id, const QString& text, int icon) {
            shown.push_back({id, text, static_cast<Icon>(icon)});
        });
        answerQuestions = [this](int id, const QString& text, Buttons buttons) {
            asked.push_back({id, text, Icon::Question});
            if (!answers.empty()) {
                Answer a = answers.front();
                answers.pop_front();
                return a;
            }
            return unanswered(buttons);
        };
    }

    std::optional<std::string> chooseFile(const FileRequest& request) override
    {
        fileRequests.push_back(request);
        if (files.empty())
            return std::nullopt;
        std::string next = files.front();
        files.pop_front();
        return next;
    }
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override
    {
        if (folders.empty())
            return std::nullopt;
        std::string next = folders.front();
        folders.pop_front();
        return next;
    }

    std::vector<int> shownIds() const
    {
        std::vector<int> ids;
        for (const auto& s : shown)
            ids.push_back(s.id);
        return ids;
    }
    // Runs the event loop until a message with this id was shown, at most `timeoutMs`.
    bool waitForMessage(int id, int timeoutMs = 10000)
    {
        return QTest::qWaitFor(
            [&] {
                for (const auto& s : shown)
                    if (s.id == id)
                        return true;
                return false;
            },
            timeoutMs);
    }

    std::vector<Shown> shown;
    std::vector<Shown> asked;
    std::deque<Answer> answers;
    std::deque<std::string> files;
    std::deque<std::string> folders;
    std::vector<FileRequest> fileRequests;
};

}  // namespace feld::test
