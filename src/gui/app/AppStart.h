#pragma once
// The desktop program's start-up, apart from main() so the tests can run it: the configuration,
// the language, the installation check, the run-only port values of the command line, and the
// main window in project mode when the project builder handed a project over ("Builder.ini"),
// in advanced mode otherwise.

#include <QString>

#include <memory>
#include <optional>

namespace feld {
class Config;
class Session;
}  // namespace feld

namespace feld::gui {

class CMainFrame;
class QtUi;

struct StartOptions {
    QString settingsFile;      // empty: the user's own settings
    QString device;            // --device PATH
    bool usb = false;          // --usb
    int baud = 0;              // --baud N (0: the stored speed)
    std::string langFolder;    // empty: the installation's lang folder
};

// Everything the window needs, in the order it is made (and the reverse it goes).
class App {
public:
    explicit App(const StartOptions& options);
    ~App();
    Config& config() { return *config_; }
    Session& session() { return *session_; }
    QtUi& ui() { return *ui_; }
    CMainFrame& frame() { return *frame_; }

private:
    std::unique_ptr<Config> config_;
    std::unique_ptr<QtUi> ui_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<CMainFrame> frame_;
};

// The language the program speaks for a configured code (0: by the locale): loads its pack into
// the program's catalogue, or keeps the program's own texts.
void ApplyLanguage(int configuredCode, const std::string& langFolder = {});

// Why the command line cannot be taken; nothing when it can.
std::optional<QString> CheckOptions(const StartOptions& options);

}  // namespace feld::gui
