#include "gui/app/CMainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QShowEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolBar>

#include "app/Resident.h"
#include "app/UpdateCommands.h"
#include "explorer/NodeKind.h"
#include "explorer/TransferProcedures.h"
#include "explorer/TreeCommands.h"
#include "base/Texts.h"
#include "gui/app/AboutDialog.h"
#include "gui/app/Commands.h"
#include "gui/app/EndSignals.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/Icons.h"
#include "gui/app/Mnemonics.h"
#include "gui/app/OperationRunner.h"
#include "gui/app/QtUi.h"
#include "gui/cradle/CradleDialogs.h"
#include "gui/explorer/CMessageView.h"
#include "gui/explorer/CSplitterFrame.h"
#include "gui/app/CStandbyDlg.h"
#include "gui/app/StatusDialog.h"
#include "gui/project/CProjectView.h"
#include "gui/project/ReceiveDialog.h"
#include "link/PdtLink.h"
#include "project/DataReceive.h"
#include "project/ProjectSender.h"
#include "session/Config.h"
#include "session/Session.h"

namespace feld::gui {

namespace {

// "FeldSpan 3.00A": the title carries the version written at start-up.
QString titleText()
{
    return qs(formatText("FeldSpan %1.2f%s", {(Config::kVersion % 1000) * 0.01, Config::kVersionEx}));
}

}  // namespace

CMainFrame::CMainFrame(Config& config, Session& session, QtUi& ui, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      config_(config), session_(session), ui_(ui)
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(titleText());
    setWindowIcon(icons::app());
    ui_.setWindow(this);
    runner_ = new OperationRunner(session_, this);
    collector_ = std::make_unique<ResidentCollector>(session_, ui_);
    residentTimer_ = new QTimer(this);
    residentTimer_->setInterval(1000);
    connect(residentTimer_, &QTimer::timeout, this, &CMainFrame::ResidentTick);

    stack_ = new QStackedWidget(this);
    projectChild_ = new CProjectView(config_, ui_, stack_);
    advancedChild_ = new CSplitterFrame(*this, stack_);
    stack_->addWidget(projectChild_);
    stack_->addWidget(advancedChild_);
    setCentralWidget(stack_);

    CreateActions();
    toolBar_ = addToolBar(QStringLiteral("toolbar"));
    toolBar_->setObjectName(QStringLiteral("toolbar"));
    toolBar_->setMovable(true);
    CreateStatusBar();
    CreateTray();
    ConnectUi();
    connect(runner_, &OperationRunner::busyChanged, this, [this](bool) { UpdateEnabled(); });
    // A transfer's progress window asks to stop it; the operation reports the cancel itself.
    connect(&ui_, &QtUi::cancelRequested, this, [this] {
        if (Busy())
            session_.CancelOperation();
    });
    new EndSignals([this](int signal) { EndOnSignal(signal); }, this);
    connect(projectChild_, &CProjectView::statusRequested, this, &CMainFrame::OnProjectStatus);
    connect(projectChild_, &CProjectView::sendRequested, this, &CMainFrame::OnSendProjects);
    connect(projectChild_, &CProjectView::receiveRequested, this, &CMainFrame::OnReceive);
    connect(projectChild_, &CProjectView::setupRequested, this, &CMainFrame::OnPortSettings);
    connect(projectChild_, &CProjectView::aboutRequested, this, &CMainFrame::OnAbout);
    // A port that goes away while nothing runs shows as disconnected without waiting for a command.
    auto* watch = new QTimer(this);
    connect(watch, &QTimer::timeout, this, [this] {
        if (!Busy() && !portDisconnected_)
            RefreshPortAfterOperation();
    });
    watch->start(1000);
    resize(760, 540);
}

CMainFrame::~CMainFrame()
{
    ShutDown();
    if (tray_)
        tray_->hide();  // the icon goes with the window
}

// ---- commands --------------------------------------------------------------------------------

QAction* CMainFrame::MakeAction(int id, const char* key, const char* text, void (CMainFrame::*handler)())
{
    // No key: a text that reads the same in every language.
    auto* a = new QAction(key ? qtk(key, text) : QString::fromUtf8(text), this);
    a->setObjectName(QStringLiteral("cmd%1").arg(id));
    a->setData(id);
    if (handler)
        connect(a, &QAction::triggered, this, handler);
    actions_.insert(id, a);
    return a;
}

void CMainFrame::CreateActions()
{
    using namespace cmd;
    MakeAction(kNewProject, "cmd.newProject", "新增一個專案", &CMainFrame::OnAddProject)->setIcon(icons::newProject());
    MakeAction(kAddProject, "cmd.addProject", "加入", &CMainFrame::OnAddProject)->setShortcut(QKeySequence::Open);
    MakeAction(kReceive, "cmd.receive", "接收", &CMainFrame::OnReceive)->setIcon(icons::receive());
    MakeAction(kExit, "cmd.exit", "離開", &CMainFrame::OnExit)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    MakeAction(kProjectMode, "cmd.projectMode", "專案模式", &CMainFrame::OnProjectMode)->setCheckable(true);
    MakeAction(kAdvancedMode, "cmd.advancedMode", "進階模式", &CMainFrame::OnAdvancedMode)->setCheckable(true);
    MakeAction(kPortUsb, "cmd.portUsb", "USB", &CMainFrame::OnPortUsb)->setCheckable(true);
    MakeAction(kPortSerial, "cmd.portSerial", "序列埠", &CMainFrame::OnPortSerial)->setCheckable(true);
    MakeAction(kPortSettings, "cmd.portSettings", "連接埠設定", &CMainFrame::OnPortSettings);
    MakeAction(kAddCr, "cmd.addCr", "加入 <Carriage-Return> 字元", &CMainFrame::OnAddCr)->setCheckable(true);
    MakeAction(kAddLf, "cmd.addLf", "加入 <Line-Feed> 字元", &CMainFrame::OnAddLf)->setCheckable(true);
    MakeAction(kDeleteAfter, "cmd.deleteAfter", "刪除檔案", &CMainFrame::OnDeleteAfter)->setCheckable(true);
    MakeAction(kResident, nullptr, "", &CMainFrame::OnResident)->setText(qtr(txt::kStartResident));
    MakeAction(kResidentSettings, "cmd.residentSettings", "設定", &CMainFrame::OnResidentSettings);
    MakeAction(kFormatC, "cmd.formatC", "格式化 C:", &CMainFrame::OnFormatC);
    MakeAction(kFormatD, "cmd.formatD", "格式化 D:", &CMainFrame::OnFormatD);
    MakeAction(kFirmware, "cmd.firmware", "F/W 更新", &CMainFrame::OnFirmware);
    QAction* fwButton = MakeAction(kFirmwareButton, "cmd.firmwareButton", "更新新版韌體", &CMainFrame::OnFirmware);
    fwButton->setIcon(icons::firmware());
    MakeAction(kCradleUpdate, "cmd.cradleUpdate", "更新充電座韌體", &CMainFrame::OnCradleUpdate);
    MakeAction(kDefragment, "cmd.defragment", "磁碟 D: 重組", &CMainFrame::OnDefragment);
    MakeAction(kLanguageDownload, "cmd.languageDownload", "語系支援下載", &CMainFrame::OnLanguageDownload);
    MakeAction(kDumpC, nullptr, "Dump C Disk Image", &CMainFrame::OnDumpC);
    MakeAction(kDumpD, nullptr, "Dump D Disk Image", &CMainFrame::OnDumpD);
    MakeAction(kAbout, "cmd.about", "關於Feldspan...", &CMainFrame::OnAbout);
    MakeAction(kAboutCradle, "cmd.aboutCradle", "關於充電座...", &CMainFrame::OnAboutCradle);
    MakeAction(kHelp, "cmd.help", "說明", &CMainFrame::OnHelp)->setShortcut(QKeySequence::HelpContents);
    MakeAction(kTrayShow, nullptr, "Show", &CMainFrame::OnTrayShow);
    MakeAction(kTrayExit, nullptr, "Exit", &CMainFrame::OnTrayExit);
    // Each pack by its own name, so that a user who cannot read the current language finds theirs.
    auto* languages = new QActionGroup(this);
    const std::pair<int, const char*> packs[] = {{3, "English"}, {1, "简体中文"}, {2, "繁體中文"}, {4, "Polski"}, {5, "Русский"}};
    MakeAction(kLanguage, "cmd.languageSystem", "依系統設定", nullptr);
    for (const auto& [code, name] : packs)
        MakeAction(kLanguage + code, nullptr, name, nullptr);
    for (int code = 0; code <= 5; ++code) {
        QAction* a = actions_[kLanguage + code];
        a->setCheckable(true);
        languages->addAction(a);
        connect(a, &QAction::triggered, this, [this, code] { OnLanguage(code); });
    }

    // The Alt-key letters wanted first, where a pack's words have them (the English ones).
    const std::pair<int, char> letters[] = {{kAddProject, 'A'}, {kReceive, 'R'},      {kExit, 'X'},       {kProjectMode, 'P'},
                                            {kAdvancedMode, 'A'}, {kPortUsb, 'U'},    {kPortSerial, 'S'}, {kPortSettings, 'P'},
                                            {kFormatC, 'C'},     {kFormatD, 'D'},     {kFirmware, 'F'},   {kCradleUpdate, 'U'},
                                            {kDefragment, 'E'},  {kLanguageDownload, 'L'}, {kAbout, 'A'}, {kHelp, 'H'},
                                            {kTrayShow, 'S'},    {kTrayExit, 'X'}};
    for (const auto& [id, letter] : letters)
        actions_[id]->setProperty("mnemonic", QString(QLatin1Char(letter)));

    // A command present before its part of the program is there goes into later_: greyed, never
    // silently idle. Every command works now.
    later_ = {};
    // The receive switches and the resident settings are read by the operation under way: they
    // wait for it too.
    startsOperation_ = {kReceive, kPortSettings, kFormatC, kFormatD, kFirmware, kFirmwareButton, kDefragment,
                        kLanguageDownload, kDumpC, kDumpD, kAboutCradle, kCradleUpdate, kPortUsb, kPortSerial,
                        kAddCr, kAddLf, kDeleteAfter, kResidentSettings};
    for (int id : later_)
        actions_[id]->setStatusTip(qtk("cmd.later", "這個指令尚未提供"));
    UpdateCheckMarks();
    UpdateEnabled();
}

void CMainFrame::UpdateCheckMarks()
{
    using namespace cmd;
    const PortSettings port = session_.PortValues();
    actions_[kPortUsb]->setChecked(port.portChoice == 0);
    actions_[kPortSerial]->setChecked(port.portChoice != 0);
    actions_[kAddCr]->setChecked(config_.carriageReturn == 1);
    actions_[kAddLf]->setChecked(config_.lineFeed == 1);
    actions_[kDeleteAfter]->setChecked(config_.deleteAfterReceive == 1);
    for (int code = 0; code <= 5; ++code)
        actions_[kLanguage + code]->setChecked(config_.languageCode == code);
    actions_[kProjectMode]->setChecked(!advanced_);
    actions_[kAdvancedMode]->setChecked(advanced_);
}

void CMainFrame::UpdateEnabled()
{
    const bool busy = runner_->running();
    for (auto it = actions_.begin(); it != actions_.end(); ++it) {
        const int id = it.key();
        bool on = !later_.contains(id) && !(busy && startsOperation_.contains(id));
        if (id == cmd::kCradleUpdate && config_.newerSystem && config_.is64Bit)
            on = false;
        it.value()->setEnabled(on);
    }
    projectChild_->SetBusy(busy);
}

// ---- modes and menus -------------------------------------------------------------------------

void CMainFrame::SwitchMode(bool advanced)
{
    advanced_ = advanced;
    stack_->setCurrentWidget(advanced ? static_cast<QWidget*>(advancedChild_) : projectChild_);
    LoadModeMenu(advanced ? 1 : 0);
    UpdateCheckMarks();
    if (advanced)
        advancedChild_->ApplySplit();
}

int CMainFrame::LoadModeMenu(int advanced)
{
    using namespace cmd;
    QMenuBar* bar = menuBar();
    bar->clear();
    auto add = [this](QMenu* m, int id) { m->addAction(actions_[id]); };

    QMenu* file = bar->addMenu(qtk("menu.file", "檔案"));
    file->setObjectName(QStringLiteral("menuFile"));
    if (!advanced)
        add(file, kAddProject);
    add(file, kReceive);
    file->addSeparator();
    add(file, kExit);

    QMenu* window = bar->addMenu(qtk("menu.window", "視窗"));
    window->setObjectName(QStringLiteral("menuWindow"));
    add(window, kProjectMode);
    add(window, kAdvancedMode);

    QMenu* settings = bar->addMenu(qtk("menu.settings", "設定"));
    settings->setObjectName(QStringLiteral("menuSettings"));
    QMenu* portChoice = settings->addMenu(qtk("menu.portChoice", "連接埠選擇"));
    add(portChoice, kPortUsb);
    add(portChoice, kPortSerial);
    add(settings, kPortSettings);
    QMenu* receive = settings->addMenu(qtk("menu.dataReceive", "資料接收"));
    add(receive, kAddCr);
    add(receive, kAddLf);
    add(receive, kDeleteAfter);
    QMenu* resident = settings->addMenu(qtk("menu.resident", "常駐"));
    add(resident, kResident);
    add(resident, kResidentSettings);
    settings->addSeparator();
    QMenu* language = settings->addMenu(qtk("menu.language", "語言"));
    language->setObjectName(QStringLiteral("menuLanguage"));
    for (int code : {0, 3, 1, 2, 4, 5})
        add(language, kLanguage + code);

    toolsMenu_ = bar->addMenu(qtk("menu.tools", "工具"));
    toolsMenu_->setObjectName(QStringLiteral("menuTools"));

    QMenu* help = bar->addMenu(qtk("menu.help", "說明"));
    help->setObjectName(QStringLiteral("menuHelp"));
    add(help, kAbout);
    add(help, kAboutCradle);
    add(help, kHelp);

    toolBar_->clear();
    if (!advanced) {
        toolBar_->addAction(actions_[kNewProject]);
        toolBar_->addSeparator();
    }
    toolBar_->addAction(actions_[kReceive]);
    toolBar_->addSeparator();
    toolBar_->addAction(actions_[kFirmwareButton]);
    const std::pair<QMenu*, char> menuLetters[] = {{file, 'F'},       {window, 'W'},  {settings, 'S'}, {portChoice, 'P'},
                                                   {receive, 'D'},    {resident, 'R'}, {toolsMenu_, 'T'}, {help, 'H'}};
    for (const auto& [menu, letter] : menuLetters)
        menu->menuAction()->setProperty("mnemonic", QString(QLatin1Char(letter)));
    menuInstalled_ = true;
    RebuildToolsMenu();
    GiveMnemonics(bar);
    return 1;
}

void CMainFrame::RebuildToolsMenu()
{
    using namespace cmd;
    if (!toolsMenu_)
        return;
    toolsMenu_->clear();
    for (int id : {kFormatC, kFormatD, kFirmware, kCradleUpdate})
        toolsMenu_->addAction(actions_[id]);
    toolsMenu_->addSeparator();
    toolsMenu_->addAction(actions_[kDefragment]);
    toolsMenu_->addAction(actions_[kLanguageDownload]);
    if (config_.dump != 0) {
        toolsMenu_->addSeparator();
        toolsMenu_->addAction(actions_[kDumpC]);
        toolsMenu_->addAction(actions_[kDumpD]);
    }
    GiveMnemonics(toolsMenu_);
}

// ---- status bar ------------------------------------------------------------------------------

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    statusText_ = new QLabel(this);
    statusText_->setObjectName(QStringLiteral("pane0"));
    portPane_ = new QLabel(this);
    portPane_->setObjectName(QStringLiteral("pane1"));
    portPane_->setMinimumWidth(100);
    activityPane_ = new QLabel(this);
    activityPane_->setObjectName(QStringLiteral("pane2"));
    activityPane_->setFixedWidth(32);
    activityPane_->setAlignment(Qt::AlignCenter);
    bar->addWidget(statusText_, 1);
    bar->addPermanentWidget(portPane_);
    bar->addPermanentWidget(activityPane_);
    ShowPortStatus(true, {});
}

void CMainFrame::SetStatusText(const QString& text) { statusText_->setText(text); }
QString CMainFrame::StatusText() const { return statusText_->text(); }
QString CMainFrame::PortPaneText() const { return portPane_->text(); }

void CMainFrame::ShowPortStatus(bool disconnected, const QString& text)
{
    portDisconnected_ = disconnected;
    if (disconnected) {
        portPane_->setText(QString());
        portPane_->setPixmap(icons::disconnected().pixmap(16, 16));
        portPane_->setToolTip(qtr(txt::kNotConnected));
    } else {
        portPane_->setPixmap(QPixmap());
        portPane_->setText(text);
        portPane_->setToolTip(text);
    }
}

void CMainFrame::SetActivityIcon(int code)
{
    activityCode_ = code >= 1 && code <= 4 ? code : 0;
    if (activityCode_)
        activityPane_->setPixmap(icons::busy(activityCode_).pixmap(16, 16));
    else
        activityPane_->setPixmap(QPixmap());
}

// ---- the Ui seam's signals -------------------------------------------------------------------

void CMainFrame::ConnectUi()
{
    connect(&ui_, &QtUi::statusText, this, &CMainFrame::SetStatusText);
    connect(&ui_, &QtUi::activityIcon, this, &CMainFrame::SetActivityIcon);
    connect(&ui_, &QtUi::portStatus, this, &CMainFrame::ShowPortStatus);
    connect(&ui_, &QtUi::messageLine, this, [this](const QString& line) { MessageView()->AddLine(line); });
    connect(&ui_, &QtUi::waitCursor, this, [this](bool on) {
        if (on) {
            ++waitCursors_;
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else if (waitCursors_ > 0) {
            --waitCursors_;
            QApplication::restoreOverrideCursor();
        }
    });
}

CMessageView* CMainFrame::MessageView() const { return advancedChild_->messageView(); }

// ---- operations ------------------------------------------------------------------------------

bool CMainFrame::Busy() const { return runner_->running(); }

bool CMainFrame::RunOperation(std::function<void()> job, std::function<void()> done)
{
    if (ending_)
        return false;  // the program is ending: the link is about to go
    if (!runner_->start(std::move(job), [this, done = std::move(done)] {
            if (done)
                done();
            RefreshPortAfterOperation();
        })) {
        SetStatusText(qtk("status.busy", "正在與終端機通訊,請稍候"));
        return false;
    }
    return true;
}

void CMainFrame::RefreshPortAfterOperation()
{
    // A port that went away while connected: the status says so, the next command connects anew.
    if (PdtLink* link = session_.Link(); link && !link->IsPortOpen())
        session_.ShowPortStatus(1);
}

// ---- handlers --------------------------------------------------------------------------------

void CMainFrame::PortChoice(int choice)
{
    PortSettings port = session_.PortValues();
    port.portChoice = choice;
    session_.ChangePortValues(port);
    // Only the setting changes now; the next terminal command connects the new way. Until then the
    // pane names the port the link is open on: "USB" while the terminal is on a serial port (and
    // perhaps no USB device is there at all) would say a connection that does not exist.
    if (PdtLink* link = session_.Link(); link && !link->IsPortOpen())
        session_.ShowPortStatus(1);
    else if (link)
        ShowPortStatus(false, qs(Session::PortStatusText(link->Settings())));
    UpdateCheckMarks();
}

void CMainFrame::OnPortUsb() { PortChoice(0); }
void CMainFrame::OnPortSerial() { PortChoice(1); }

void CMainFrame::OnPortSettings()
{
    RunOperation([this] { session_.ConnectLink(1); }, [this] { UpdateCheckMarks(); });
}

void CMainFrame::OnAddCr()
{
    config_.carriageReturn = 1 - config_.carriageReturn;
    UpdateCheckMarks();
}

void CMainFrame::OnAddLf()
{
    config_.lineFeed = 1 - config_.lineFeed;
    UpdateCheckMarks();
}

void CMainFrame::OnDeleteAfter()
{
    config_.deleteAfterReceive = 1 - config_.deleteAfterReceive;
    UpdateCheckMarks();
}

void CMainFrame::OnLanguage(int code)
{
    if (code != config_.languageCode) {
        // Kept at once (exit does not write it): the window's texts are made when it is built, so
        // the new language shows from the next start.
        const int before = config_.languageCode;
        config_.languageCode = code;
        std::string error;
        if (!config_.storeValue("PATH/LANGUAGE", &error)) {
            config_.languageCode = before;
            ui_.fixedMessage(error, Icon::Exclamation);
        } else {
            ui_.fixedMessage(tk("language.nextStart", "FeldSpan 下次啟動時就會使用所選的語言。"), Icon::Information);
        }
    }
    UpdateCheckMarks();
}

void CMainFrame::OnAbout()
{
    AboutDialog about(this);
    about.exec();
}

void CMainFrame::OnHelp() { HelpWindow::Show(qs(config_.mainPath), this); }

void CMainFrame::OnAboutCradle()
{
    auto version = std::make_shared<UpdateCommands::CradleVersion>();
    RunOperation(
        [this, version] {
            UpdateCommands commands(session_, config_, ui_);
            *version = commands.AboutCradle();
        },
        [this, version] {
            if (version->ok) {
                AboutCradleDialog box(qs(version->text), this);
                box.exec();
            }
        });
}

void CMainFrame::OnAddProject() { projectChild_->Add(); }

void CMainFrame::OnSendProjects()
{
    // The list as it is now: Add and Remove stay free while the files go.
    RunOperation([this, projects = projectChild_->Projects(), onlyChanged = config_.sendOnlyChanged != 0] {
        ProjectSender sender(session_, ui_);
        sender.skipUnchanged = onlyChanged;
        // A line for each file as the terminal takes it; the files not sent are listed at the end.
        sender.onFile = [this](const ProjectSender::FileOutcome& o) {
            if (o.result.ok() && !o.unchanged && o.unconfirmed.empty())
                ui_.addMessageLine(formatText(tk("project.sentLine", "sent %s -> %s"), {o.source, o.target}));
        };
        sender.Send(projects);
    });
}

void CMainFrame::OnProjectStatus()
{
    auto status = std::make_shared<std::optional<ProjectSender::Status>>();
    RunOperation([this, status] { *status = ProjectSender(session_, ui_).QueryStatus(); },
                 [this, status] {
                     if (!*status)
                         return;  // the reason was shown
                     const ProjectSender::Status& s = **status;
                     StatusDialog dialog(this);
                     dialog.SetValues(s.version, s.cTotal, s.cUsed, s.cFree, s.dTotal, s.dUsed, s.dFree);
                     dialog.exec();
                 });
}

void CMainFrame::OnReceive()
{
    RunOperation([this] { ReceiveJob(); }, [this] { UpdateCheckMarks(); });
}

void CMainFrame::ReceiveJob()
{
    DataReceive receive(session_, ui_);
    if (!receive.Begin())
        return;
    const std::optional<std::vector<std::string>> names = receive.ListFiles();
    if (!names || names->empty())
        return;  // said so; the busy window ends with `receive`
    std::optional<ReceiveChoice> choice;
    // The dialog belongs to the window; the operation waits for it.
    ui_.onUiThread([&] { choice = ReceiveDialog::Ask(config_, ui_, *names, this); });
    if (!choice) {
        receive.End();
        return;
    }
    receive.Receive(*choice);
}

void CMainFrame::OnDumpC()
{
    RunOperation([this] { TransferProcedures(session_, ui_).DumpImage('C'); });
}

void CMainFrame::OnDumpD()
{
    RunOperation([this] { TransferProcedures(session_, ui_).DumpImage('D'); });
}

void CMainFrame::OnCradleUpdate()
{
    if (Busy())
        return;
    CradleUpdateDialog dialog(config_, ui_, this);
    if (dialog.Ready())
        dialog.exec();
}

void CMainFrame::OnTrayShow()
{
    showNormal();
    raise();
    activateWindow();
}

void CMainFrame::SetResident(bool on) { resident_ = on; }

bool CMainFrame::ResidentTimerActive() const { return residentTimer_->isActive(); }

void CMainFrame::OnResident()
{
    using namespace cmd;
    if (resident_) {
        // Off needs no terminal: an unplugged one must not keep resident mode on.
        resident_ = false;
        residentTimer_->stop();
        session_.SetResidentTimerArmed(false);
        actions_[kResident]->setText(qtr(txt::kStartResident));
        GiveMnemonics(menuBar());
        return;
    }
    auto connected = std::make_shared<int>(0);
    RunOperation([this, connected] { *connected = session_.ConnectLink(0); },
                 [this, connected] {
                     if (*connected)
                         EnterResident();
                 });
}

void CMainFrame::EnterResident()
{
    resident_ = true;
    actions_[cmd::kResident]->setText(qtr(txt::kStopResident));
    GiveMnemonics(menuBar());
    session_.SetResidentTimerArmed(true);
    collector_->Restart();
    residentTimer_->start();
    // Out of sight; without a tray there would be no way back, so the window is only minimised.
    if (tray_)
        hide();
    else
        showMinimized();
}

void CMainFrame::ResidentTick()
{
    if (!session_.ResidentTimerArmed()) {
        // The port went away: ticks stop until resident mode is turned off and on again.
        residentTimer_->stop();
        return;
    }
    if (session_.Busy() || runner_->running() || tickRunning_ || standbyDialogOpen_ || ending_)
        return;
    tickRunning_ = true;
    if (!collector_->TakeDue()) {
        tickRunning_ = false;  // nothing was transferred: the status bar keeps what it says
        return;
    }
    const StandbyBlock block = config_.standby;  // the settings dialog may change it meanwhile
    const bool started = RunOperation([this, block] { collector_->Pass(block); },
                                      [this] {
                                          collector_->PassFinished();
                                          tickRunning_ = false;
                                      });
    if (!started)
        tickRunning_ = false;
}

std::function<void(std::function<void(const std::vector<std::string>&)>)> CMainFrame::TerminalDataLister()
{
    return [this](std::function<void(const std::vector<std::string>&)> deliver) {
        auto nodes = std::make_shared<std::optional<std::vector<TerminalNode>>>();
        RunOperation([this, nodes] { *nodes = TreeCommands(session_, ui_).ListFolder("C:\\DATA"); },
                     [nodes, deliver = std::move(deliver)] {
                         if (!*nodes)
                             return;  // the connection's failure was said
                         std::vector<std::string> files;
                         for (const TerminalNode& n : **nodes)
                             if (n.kind == kNodeFile)
                                 files.push_back(n.text);
                         deliver(files);
                     });
    };
}

void CMainFrame::OnResidentSettings()
{
    if (Busy())
        return;  // a pass reads the schedule it would change
    CStandbyDlg dialog(config_.standby, config_.projectPath, ui_, session_.clock(), this);
    dialog.SetDataFileLister(TerminalDataLister());
    standbyDialogOpen_ = true;
    const bool accepted = dialog.exec() == QDialog::Accepted;
    standbyDialogOpen_ = false;
    if (accepted)
        collector_->Restart();  // the interval counts from now
}

void CMainFrame::SetRunOnlyPort(const PortSettings& stored, const PortSettings& runOnly)
{
    runOnlyPort_ = true;
    storedPort_ = stored;
    runOnlyValues_ = runOnly;
}

void CMainFrame::OnExit()
{
    // Without a notification area there is no tray Exit: File > Exit ends the program even while
    // resident, or nothing would.
    if (!tray_)
        exiting_ = true;
    close();
}

void CMainFrame::EndOnSignal(int)
{
    if (ending_)
        return;
    exiting_ = true;
    if (!isHidden())
        hide();
    EndProgram();
}

void CMainFrame::EndProgram()
{
    ending_ = true;
    ui_.setClosing(true);
    // The resident tick would start a pass the moment the operation below has ended.
    residentTimer_->stop();
    session_.SetResidentTimerArmed(false);
    // The transfer stops at its next step; a fetch throws its temporary away.
    runner_->cancelAndWait();
    ShutDown();
    QApplication::quit();
}

void CMainFrame::ExitProgram()
{
    exiting_ = true;
    close();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (resident_ && !exiting_) {
        // Resident: the window goes out of sight and collecting goes on; the tray's Exit ends the
        // program. Without a tray there would be no way back, so the window is only minimised.
        // The resident command runs again: the tick is re-armed from now and the window hides.
        event->ignore();
        EnterResident();
        return;
    }
    if (Busy()) {
        const Answer answer =
            ui_.ask(0, tk("close.busy", "正在與終端機傳輸資料。要取消傳輸並結束程式嗎?"), Buttons::YesNo, Icon::Question);
        if (answer != Answer::Yes) {
            exiting_ = false;
            event->ignore();
            return;
        }
    }
    event->accept();
    EndProgram();
}

void CMainFrame::ShutDown()
{
    if (shutDown_)
        return;
    shutDown_ = true;
    // The settings first, then the link: the order the program has always ended in.
    if (runOnlyPort_ && session_.PortValues() == runOnlyValues_)
        session_.SetPortValues(storedPort_);
    RememberPlace();
    std::string error;
    if (!config_.save(&error))
        QMessageBox::warning(this, windowTitle(), qs(error));
    session_.DropLink();
}

void CMainFrame::RememberPlace()
{
    // A window that was never shown has no place of its own to remember.
    if (placeShown_)
        config_.windowGeometry = saveGeometry().toBase64().toStdString();
    config_.windowMode = advanced_ ? 1 : 0;
    config_.windowSplit = ss(advancedChild_->SplitText());
}

void CMainFrame::RestorePlace()
{
    // Nothing stored: the window manager places the window; it is never put at 0,0 by us, where
    // the title bar would be off the screen. restoreGeometry keeps a stored place on a screen.
    if (!config_.windowGeometry.empty())
        restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(config_.windowGeometry)));
    advancedChild_->SetSplitText(qs(config_.windowSplit));
}

void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    placeShown_ = true;
}

void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (!(resident_ && width() == 0 && height() == 0))
        QTimer::singleShot(0, this, [this] { advancedChild_->ApplySplit(); });
}

// ---- tray ------------------------------------------------------------------------------------

void CMainFrame::CreateTray()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;  // no tray on this desktop: the window never hides itself (see closeEvent)
    tray_ = new QSystemTrayIcon(icons::tray(), this);
    tray_->setToolTip(QStringLiteral("FeldSpan"));
    trayMenu_ = new QMenu(this);
    QMenu* status = trayMenu_->addMenu(QStringLiteral("Status"));
    status->addAction(actions_[cmd::kTrayShow]);
    status->addAction(actions_[cmd::kTrayExit]);
    GiveMnemonics(status);
    tray_->setContextMenu(status);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
        if (why == QSystemTrayIcon::Trigger)
            OnTrayShow();
    });
    tray_->show();
}

}  // namespace feld::gui
