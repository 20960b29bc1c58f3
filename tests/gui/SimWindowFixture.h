#pragma once
// The window against the simulated terminal on a pseudo-terminal: the terminal's drives are folders
// below the test's temporary folder, the window starts with its settings there and its questions
// and messages recorded, never shown; questions are answered from a script.

#include <gtest/gtest.h>

#include <QObject>
#include <QString>

#include <algorithm>
#include <deque>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/app/AppStart.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/QtUi.h"
#include "sim/SimConfig.h"
#include "sim/SimLog.h"
#include "sim/SimPty.h"
#include "sim/SimTerminal.h"
#include "support/TestFiles.h"

namespace feld::test {

inline bool SameNoCase(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// A path below `root` found part by part without regard to case, as the terminal names things.
inline std::filesystem::path FindNoCase(const std::filesystem::path& root, const std::filesystem::path& relative)
{
    std::filesystem::path at = root;
    for (const std::filesystem::path& part : relative) {
        bool found = false;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(at, ec))
            if (SameNoCase(e.path().filename().string(), part.string())) {
                at = e.path();
                found = true;
                break;
            }
        if (!found)
            return {};
    }
    return at;
}

// The simulated terminal serving a pseudo-terminal, its drives below `config.root`; stopped when it
// goes. Files may be put into its drives between Prepare and Start.
struct SimOnPty {
    sim::SimPty pty;
    sim::SimLog log;
    std::unique_ptr<sim::SimTerminal> term;

    ~SimOnPty()
    {
        if (term)
            term->stop();
    }
    bool Prepare(const sim::SimConfig& config, std::string& error)
    {
        if (!pty.openPty()) {
            error = pty.error();
            return false;
        }
        term = std::make_unique<sim::SimTerminal>(config, pty.fd(), log);
        return term->prepare(error);
    }
    void Start() { term->start(); }
    QString Device() const { return QString::fromStdString(pty.path()); }
};

// A terminal whose drives are the folder `root`.
inline sim::SimConfig SimAt(const std::filesystem::path& root)
{
    sim::SimConfig config;
    config.root = root.string();
    return config;
}

class SimWindowFixture : public ::testing::Test {
protected:
    TempDir temp;
    std::filesystem::path dir = temp.path();
    SimOnPty sim;
    std::unique_ptr<gui::App> app;
    std::vector<int> shown;
    std::vector<int> asked;      // the questions asked, by text id
    std::vector<QString> askedTexts;  // and as worded
    std::deque<Answer> answers;  // their answers in turn; No or Cancel once they run out

    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(sim.Prepare(SimAt(dir / "term"), error)) << error;
        sim.Start();
    }
    void TearDown() override { app.reset(); }

    // `extraSettings`: more lines for the settings file's [FeldSpan] group. `device`: the --device
    // value (empty: none); the simulated terminal's when not given.
    gui::CMainFrame& Start(const std::string& extraSettings = {}, std::optional<QString> device = std::nullopt)
    {
        std::ofstream(dir / "settings.ini") << "[FeldSpan]\nPATH\\PROJECTPATH=" << (dir / "project").string() << "/\n"
                                            << extraSettings << "[PATH]\nLANGUAGE=2\n";
        gui::StartOptions options;
        options.settingsFile = QString::fromStdString((dir / "settings.ini").string());
        options.device = device ? *device : sim.Device();
        app = std::make_unique<gui::App>(options);
        app->ui().quietMessages = true;
        app->ui().editPortSettingsHook = [](PortSettings&) { return true; };
        // A question is never shown: a box nobody answers would stop the test.
        app->ui().answerQuestions = [this](int id, const QString& text, Buttons buttons) {
            asked.push_back(id);
            askedTexts.push_back(text);
            if (answers.empty())
                return unanswered(buttons);
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        };
        QObject::connect(&app->ui(), &gui::QtUi::messageShown, [this](int id, const QString&, int) { shown.push_back(id); });
        return app->frame();
    }
    bool Shown(int id) const { return std::find(shown.begin(), shown.end(), id) != shown.end(); }
};

}  // namespace feld::test
