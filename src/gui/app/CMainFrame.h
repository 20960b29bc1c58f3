#pragma once
// The program's main window: the two modes' children (project mode; advanced mode's trees over the
// message view), the menus and toolbars of the mode, the three-pane status bar, the tray icon, and
// the routing of every command. Terminal operations run on the operation runner's worker thread
// while the window stays live; commands that would start another one are disabled meanwhile.

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QRect>
#include <QSet>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/PortSettings.h"

class QAction;
class QLabel;
class QMenu;
class QStackedWidget;
class QSystemTrayIcon;
class QToolBar;

class QTimer;

namespace feld {
class Config;
class ResidentCollector;
class Session;
}  // namespace feld

namespace feld::gui {

class CMessageView;
class CProjectView;
class CSplitterFrame;
class OperationRunner;
class QtUi;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(Config& config, Session& session, QtUi& ui, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // ---- modes -------------------------------------------------------------------------------
    // Shows the mode's child and loads its menus and toolbar.
    void SwitchMode(bool advanced);
    bool Advanced() const { return advanced_; }
    // Menus and toolbar of a mode (1 advanced, 0 project), then the Tools menu's rule.
    int LoadModeMenu(int advanced);
    // The Tools menu: its seven items, then the two dump commands when Dump is set.
    void RebuildToolsMenu();

    // ---- status bar ----------------------------------------------------------------------------
    void SetStatusText(const QString& text);
    void ShowPortStatus(bool disconnected, const QString& text);
    // 1-4 the busy frames, anything else removes the icon.
    void SetActivityIcon(int code);
    QString StatusText() const;
    QString PortPaneText() const;
    bool PortPaneDisconnected() const { return portDisconnected_; }
    int ActivityCode() const { return activityCode_; }

    // ---- operations ----------------------------------------------------------------------------
    // Runs a terminal operation on the worker thread; `done` runs here afterwards. False (said so
    // in the status bar) while another one runs.
    bool RunOperation(std::function<void()> job, std::function<void()> done = {});
    bool Busy() const;
    OperationRunner& Runner() { return *runner_; }

    // ---- resident mode and closing -------------------------------------------------------------
    void SetResident(bool on);
    bool Resident() const { return resident_; }
    // Whether the one-second resident tick is armed (the port going away stops it; resident mode
    // stays on until the user turns it off).
    bool ResidentTimerActive() const;
    // One tick of the resident timer (the timer calls it; tests may too).
    void ResidentTick();
    ResidentCollector& Collector() { return *collector_; }
    bool HasTray() const { return tray_ != nullptr; }
    // Ends the program whatever the resident flag says (the tray's Exit).
    void ExitProgram();
    // Ends the program without asking (SIGTERM, SIGHUP, SIGINT): the operation under way stops,
    // the settings are written back.
    void EndOnSignal(int signal);
    // The port values given on the command line hold for this run only: at exit the stored ones
    // are written back unless the user set the port up anew meanwhile.
    void SetRunOnlyPort(const PortSettings& stored, const PortSettings& runOnly);
    // The resident settings' chooser: lists the terminal's C:\Data as an operation (nothing while
    // another one runs) and hands the file names over on this thread.
    std::function<void(std::function<void(const std::vector<std::string>&)>)> TerminalDataLister();
    // The size, place and split the window was left with (stored at exit), put back at start.
    void RestorePlace();

    // ---- parts for the views and the tests -----------------------------------------------------
    QAction* Action(int id) const { return actions_.value(id); }
    QMenu* ToolsMenu() const { return toolsMenu_; }
    CMessageView* MessageView() const;
    CSplitterFrame* AdvancedChild() const { return advancedChild_; }
    CProjectView* ProjectChild() const { return projectChild_; }
    QToolBar* ToolBar() const { return toolBar_; }
    Config& config() { return config_; }
    Session& session() { return session_; }
    QtUi& ui() { return ui_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateActions();
    QAction* MakeAction(int id, const char* key, const char* text, void (CMainFrame::*handler)());
    void UpdateCheckMarks();
    void UpdateEnabled();
    void CreateStatusBar();
    void CreateTray();
    void ConnectUi();
    // Writes the configuration back and lets go of the link, in the order the program ends in.
    void ShutDown();
    // Puts the window's place, mode and split into the configuration, for save().
    void RememberPlace();
    // The end once it is decided: no tick and no new operation, the one under way stopped without
    // further boxes, then ShutDown and the event loop's end.
    void EndProgram();

    // Command handlers.
    void OnProjectMode() { SwitchMode(false); }
    void OnAdvancedMode() { SwitchMode(true); }
    void OnPortUsb();
    void OnPortSerial();
    void OnPortSettings();
    void OnAddCr();
    void OnAddLf();
    void OnDeleteAfter();
    // Settings > Language: stores the code; the texts change at the next start.
    void OnLanguage(int code);
    void OnExit();
    void OnAbout();
    void OnAboutCradle();
    void OnCradleUpdate();
    // Tools (MainFrameTools.cpp): format C: and D:, defragment D:, the language-support download
    // and the firmware update (menu command and toolbar button).
    void OnFormatC();
    void OnFormatD();
    void OnDefragment();
    void OnLanguageDownload();
    void OnFirmware();
    // Tools, with Dump set: the terminal's image of a drive into the project folder.
    void OnDumpC();
    void OnDumpD();
    // Project mode: Add (toolbar, File menu and the view's button), Send, Status; Receive from
    // the File menu, both toolbars and the view alike.
    void OnAddProject();
    void OnSendProjects();
    void OnProjectStatus();
    void OnReceive();
    // The worker's part of Receive: the file list, the dialog (on the window's thread) and the
    // file.
    void ReceiveJob();
    void OnHelp();
    void OnTrayShow();
    void OnTrayExit() { ExitProgram(); }
    // Resident mode: on (after the link check) or off, and its settings dialog.
    void OnResident();
    void OnResidentSettings();
    // Arms the tick from now and puts the window out of sight.
    void EnterResident();
    void PortChoice(int choice);
    // After an operation: a port that went away turns the status to disconnected.
    void RefreshPortAfterOperation();

    Config& config_;
    Session& session_;
    QtUi& ui_;
    OperationRunner* runner_;
    QStackedWidget* stack_;
    CProjectView* projectChild_ = nullptr;
    CSplitterFrame* advancedChild_;
    QToolBar* toolBar_ = nullptr;
    QMenu* toolsMenu_ = nullptr;
    QLabel* statusText_ = nullptr;
    QLabel* portPane_ = nullptr;
    QLabel* activityPane_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
    QMenu* trayMenu_ = nullptr;
    QMap<int, QAction*> actions_;
    QSet<int> later_;          // commands whose work comes with a later part of the program
    QSet<int> startsOperation_;  // commands that reach the terminal or the cradle
    bool advanced_ = true;
    bool menuInstalled_ = false;
    bool resident_ = false;
    std::unique_ptr<ResidentCollector> collector_;
    QTimer* residentTimer_ = nullptr;
    bool tickRunning_ = false;  // a tick's pass is under way
    bool exiting_ = false;
    bool ending_ = false;        // EndProgram runs: nothing new starts
    bool standbyDialogOpen_ = false;  // the resident settings are being edited: no pass starts
    bool shutDown_ = false;
    bool portDisconnected_ = true;
    int activityCode_ = 0;
    int waitCursors_ = 0;
    bool runOnlyPort_ = false;
    bool placeShown_ = false;  // shown at least once: its geometry is worth remembering
    PortSettings storedPort_;
    PortSettings runOnlyValues_;
};

}  // namespace feld::gui
