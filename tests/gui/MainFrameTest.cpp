// The main window on the offscreen platform: start-up's choice of mode, the Tools menu's Dump rule
// after every mode switch, the port choice while connected, the close rule while resident, and the
// small windows it opens (status, progress in its timed mode, the message view).

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSplitter>
#include <QMenuBar>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <set>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>
#include <fstream>

#include "base/Texts.h"
#include "gui/app/AppStart.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/Commands.h"
#include "gui/app/Mnemonics.h"
#include "gui/explorer/CSplitterFrame.h"
#include "gui/app/OperationRunner.h"
#include "gui/app/ProgressDialog.h"
#include "gui/app/QtUi.h"
#include "gui/app/StatusDialog.h"
#include "gui/explorer/CMessageView.h"
#include "explorer/TransferProcedures.h"
#include "link/PdtLink.h"
#include "link/TransferProgress.h"
#include "session/Config.h"
#include "session/Session.h"
#include "support/FakeClock.h"
#include "support/ProgramRunner.h"
#include "support/TestFiles.h"
#include "SimWindowFixture.h"

namespace feld::test {
namespace {

namespace fs = std::filesystem;
using gui::CMainFrame;
namespace cmd = gui::cmd;

class MainFrameTest : public ::testing::Test {
protected:
    TempDir temp;
    fs::path dir;

    void SetUp() override
    {
        dir = temp.path();
        fs::create_directories(dir / "project");
        Settings("");
    }
    void TearDown() override
    {
        app.reset();
    }

    // Settings with the project folder in the test's folder and these extra lines.
    void Settings(const std::string& extra)
    {
        std::ofstream(dir / "settings.ini") << "[FeldSpan]\nPATH\\PROJECTPATH=" << (dir / "project").string() << "/\n"
                                            << (extra.find("LANGUAGE") == std::string::npos ? "[PATH]\nLANGUAGE=2\n" : "")
                                            << extra;
    }
    CMainFrame& Start(gui::StartOptions options = {})
    {
        options.settingsFile = QString::fromStdString((dir / "settings.ini").string());
        app = std::make_unique<gui::App>(options);
        app->ui().quietMessages = true;
        return app->frame();
    }
    static QStringList ItemTexts(QMenu* menu)
    {
        QStringList out;
        for (QAction* a : menu->actions())
            out << (a->isSeparator() ? QStringLiteral("-") : gui::WithoutMnemonic(a->text()));
        return out;
    }

    std::unique_ptr<gui::App> app;
};

TEST_F(MainFrameTest, StartsInProjectModeWithBuilderIniAndInAdvancedModeWithout)
{
    EXPECT_TRUE(Start().Advanced());
    EXPECT_EQ(Start().windowTitle(), QStringLiteral("FeldSpan 3.00A"));
    std::ofstream(dir / "project" / "Builder.ini") << "[FeldBuilder]=C:\\Projects\\APP.ABP\r\n";
    CMainFrame& frame = Start();
    EXPECT_FALSE(frame.Advanced());
    // The project menu has "add" in File; advanced mode's has not.
    EXPECT_EQ(frame.menuBar()->actions().first()->menu()->actions().first(), frame.Action(cmd::kAddProject));
    frame.SwitchMode(true);
    EXPECT_FALSE(frame.menuBar()->actions().first()->menu()->actions().contains(frame.Action(cmd::kAddProject)));
}

// The language rule reaches the menus: a Hong Kong locale reads English, code 2 keeps the
// program's own texts on a Russian locale, and a language without its pack falls back silently.
TEST_F(MainFrameTest, MenusSpeakTheLanguageTheRuleChooses)
{
    struct Case {
        const char* locale;
        int code;
        bool packs;
        QString file;
    };
    const Case cases[] = {{"zh_HK.UTF-8", 0, true, QStringLiteral("File")},
                          {"ru_RU.UTF-8", 2, true, QStringLiteral("檔案")},
                          {"pl_PL.UTF-8", 0, false, QStringLiteral("檔案")}};
    const std::string saved = std::getenv("LC_ALL") ? std::getenv("LC_ALL") : "";
    for (const Case& c : cases) {
        ::setenv("LC_ALL", c.locale, 1);
        Settings("[PATH]\nLANGUAGE=" + std::to_string(c.code) + "\n");
        gui::StartOptions options;
        options.langFolder = c.packs ? BinDir() + "/../share/feldspan/lang" : (dir / "no-packs").string();
        CMainFrame& frame = Start(options);
        EXPECT_EQ(gui::WithoutMnemonic(frame.menuBar()->actions().first()->text()), c.file) << c.locale;
        app.reset();
    }
    saved.empty() ? ::unsetenv("LC_ALL") : ::setenv("LC_ALL", saved.c_str(), 1);
    gui::ApplyLanguage(2);
}

// The window opens where the window manager puts it the first time (never moved to 0,0 by the
// program), and where, as large as and in the mode it was left the next time, its split kept in
// proportion through a resize.
TEST_F(MainFrameTest, TheWindowRemembersItsPlaceModeAndSplit)
{
    CMainFrame& first = Start();
    EXPECT_FALSE(first.testAttribute(Qt::WA_Moved)) << "no place forced on a first start";
    first.show();
    first.setGeometry(130, 110, 820, 600);
    first.AdvancedChild()->SetSplitText(QStringLiteral("300,650"));
    first.SwitchMode(false);
    const QRect left = first.geometry();
    app.reset();

    CMainFrame& again = Start();
    again.show();
    EXPECT_EQ(again.geometry(), left);
    EXPECT_FALSE(again.Advanced());
    again.SwitchMode(true);
    again.resize(900, 700);
    QTest::qWait(50);
    const QList<int> rows = again.AdvancedChild()->outer()->sizes();
    const QList<int> columns = again.AdvancedChild()->top()->sizes();
    EXPECT_NEAR(rows.value(0) * 1000.0 / (rows.value(0) + rows.value(1)), 300, 15);
    EXPECT_NEAR(columns.value(0) * 1000.0 / (columns.value(0) + columns.value(1)), 650, 15);
}

// Settings > Language stores the choice at once, and the next start speaks it.
TEST_F(MainFrameTest, TheLanguageMenuStoresTheChoiceForTheNextStart)
{
    gui::StartOptions options;
    options.langFolder = BinDir() + "/../share/feldspan/lang";
    CMainFrame& frame = Start(options);
    QMenu* language = frame.findChild<QMenu*>(QStringLiteral("menuLanguage"));
    ASSERT_TRUE(language);
    EXPECT_EQ(language->actions().size(), 6) << "the system's language and the five packs";
    int messages = 0;
    QObject::connect(&app->ui(), &gui::QtUi::messageShown, [&](int, const QString&, int) { ++messages; });
    frame.Action(cmd::kLanguage + 3)->trigger();
    EXPECT_EQ(messages, 1) << "says when the language changes";
    EXPECT_TRUE(frame.Action(cmd::kLanguage + 3)->isChecked());
    EXPECT_FALSE(frame.Action(cmd::kLanguage + 2)->isChecked());
    app.reset();  // exit writes the settings back; the choice must survive that
    EXPECT_EQ(Start(options).menuBar()->actions().first()->text(), QStringLiteral("&File"));
    app.reset();
    gui::ApplyLanguage(2);
}

TEST_F(MainFrameTest, ToolsMenuShowsTheDumpCommandsOnlyWithDumpSetAfterEveryModeSwitch)
{
    for (int dump : {0, 1}) {
        Settings("[FeldSpan]\nSettings\\Dump=" + std::to_string(dump) + "\n");
        CMainFrame& frame = Start();
        for (bool advanced : {false, true, false, true}) {
            frame.SwitchMode(advanced);
            QStringList items = ItemTexts(frame.ToolsMenu());
            ASSERT_EQ(items.size(), dump ? 10 : 7) << items.join(QStringLiteral("|")).toStdString();
            EXPECT_EQ(frame.ToolsMenu()->actions().at(0), frame.Action(cmd::kFormatC));
            EXPECT_EQ(frame.ToolsMenu()->actions().at(6), frame.Action(cmd::kLanguageDownload));
            if (dump) {
                EXPECT_EQ(items.at(7), QStringLiteral("-"));
                EXPECT_EQ(items.mid(8), (QStringList{QStringLiteral("Dump C Disk Image"), QStringLiteral("Dump D Disk Image")}));
            }
        }
    }
}

// Commands that reach the terminal are greyed while an operation runs.
TEST_F(MainFrameTest, TerminalCommandsWaitForARunningOperation)
{
    CMainFrame& frame = Start();
    EXPECT_TRUE(frame.Action(cmd::kDefragment)->isEnabled());
    EXPECT_TRUE(frame.Action(cmd::kAbout)->isEnabled());
    EXPECT_TRUE(frame.Action(cmd::kPortSettings)->isEnabled());
    std::atomic<bool> release{false};
    ASSERT_TRUE(frame.RunOperation([&] {
        while (!release)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }));
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame.Action(cmd::kPortSettings)->isEnabled());
    EXPECT_FALSE(frame.Action(cmd::kAboutCradle)->isEnabled());
    EXPECT_FALSE(frame.Action(cmd::kDefragment)->isEnabled());
    EXPECT_TRUE(frame.Action(cmd::kAbout)->isEnabled());
    EXPECT_FALSE(frame.RunOperation([] {})) << "one operation at a time";
    release = true;
    frame.Runner().waitWhileRunning();
    EXPECT_TRUE(frame.Action(cmd::kPortSettings)->isEnabled());
}

// Choosing USB while a serial connection is open changes only the setting: the port pane goes on
// naming the serial port the link is open on (no USB device is there); the next terminal command
// connects over USB.
TEST_F(MainFrameTest, ChoosingUsbWhileConnectedChangesOnlyTheSetting)
{
    SimOnPty sim;
    std::string error;
    ASSERT_TRUE(sim.Prepare(SimAt(dir / "term"), error)) << error;
    sim.Start();

    CMainFrame& frame = Start({.device = sim.Device()});
    app->ui().answerQuestions = [](int, const QString&, Buttons b) { return b == Buttons::YesNo ? Answer::Yes : Answer::Ok; };
    app->ui().editPortSettingsHook = [](PortSettings&) { return true; };
    frame.Action(cmd::kPortSettings)->trigger();
    frame.Runner().waitWhileRunning();
    QCoreApplication::processEvents();
    ASSERT_FALSE(frame.PortPaneDisconnected());
    EXPECT_TRUE(frame.PortPaneText().endsWith(QStringLiteral(",115200,N,8,1"))) << frame.PortPaneText().toStdString();
    const QString serialText = frame.PortPaneText();

    frame.Action(cmd::kPortUsb)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(app->session().PortValues().portChoice, 0);
    EXPECT_TRUE(frame.Action(cmd::kPortUsb)->isChecked());
    EXPECT_FALSE(frame.Action(cmd::kPortSerial)->isChecked());
    EXPECT_FALSE(frame.PortPaneDisconnected());
    EXPECT_EQ(frame.PortPaneText(), serialText);
    ASSERT_NE(app->session().Link(), nullptr);
    EXPECT_TRUE(app->session().Link()->IsPortOpen()) << "the serial connection stays until the next command";
}

// A fetch of a 100 KB file from a terminal on a line paced at 115200 bit/s (about ten seconds),
// started in the window and under way: the simulated terminal's parts live as long as the test.
struct SlowFetch {
    SimOnPty sim;
    fs::path target;

    // Whether the fetch's temporary beside the target holds more than its first frames.
    bool Growing() const
    {
        for (const auto& e : fs::directory_iterator(target.parent_path()))
            if (e.path().filename().string().rfind(".BIG.DAT.part", 0) == 0 && fs::file_size(e.path()) > 2000)
                return true;
        return false;
    }
    bool PartLeft() const
    {
        for (const auto& e : fs::directory_iterator(target.parent_path()))
            if (e.path().filename().string().find(".part") != std::string::npos)
                return true;
        return false;
    }
};

class MainFrameFetchTest : public MainFrameTest {
protected:
    SlowFetch fetch;

    CMainFrame& StartSlowFetch()
    {
        CMainFrame& frame = StartSlowTerminal();
        BeginFetch(frame);
        return frame;
    }
    CMainFrame& StartSlowTerminal()
    {
        sim::SimConfig config = SimAt(dir / "term");
        config.baud = 115200;
        std::string error;
        EXPECT_TRUE(fetch.sim.Prepare(config, error)) << error;
        WriteFile(dir / "term" / "C" / "DATA" / "BIG.DAT", Pattern(100'000));
        fetch.sim.Start();
        fetch.target = dir / "BIG.DAT";
        CMainFrame& frame = Start({.device = fetch.sim.Device()});
        app->ui().editPortSettingsHook = [](PortSettings&) { return true; };
        return frame;
    }
    void BeginFetch(CMainFrame& frame)
    {
        EXPECT_TRUE(frame.RunOperation(
            [this] { TransferProcedures(app->session(), app->ui()).FetchExact("C:\\Data\\BIG.DAT", fetch.target.string()); }));
        for (int i = 0; i < 200 && !fetch.Growing(); ++i)
            QTest::qWait(25);
        EXPECT_TRUE(fetch.Growing()) << "the fetch did not start";
    }
    // The progress window on screen, if any.
    static gui::ProgressDialog* Progress()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<gui::ProgressDialog*>(w); d && d->isVisible())
                return d;
        return nullptr;
    }
    // The transfer ended, the window is free, and neither side has a partial file: the PC has no
    // copy nor temporary, the terminal still has its file.
    void EndedWithNothingPartial(CMainFrame& frame)
    {
        for (int i = 0; i < 200 && frame.Busy(); ++i)
            QTest::qWait(25);
        EXPECT_FALSE(frame.Busy());
        EXPECT_FALSE(fs::exists(fetch.target));
        EXPECT_FALSE(fetch.PartLeft());
        EXPECT_EQ(fs::file_size(dir / "term" / "C" / "DATA" / "BIG.DAT"), 100'000u);
    }
};

// The progress window's Cancel stops the fetch at its next frame: the window names the file, and
// the end is said once, as a cancel, never as a failure.
TEST_F(MainFrameFetchTest, TheProgressWindowsCancelStopsTheTransferAndSaysSoOnce)
{
    CMainFrame& frame = StartSlowFetch();
    gui::ProgressDialog* progress = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (progress = Progress()) != nullptr; }, 5000));
    EXPECT_TRUE(progress->findChild<QLabel*>(QStringLiteral("label"))->text().contains(QStringLiteral("BIG.DAT")));
    QSignalSpy shown(&app->ui(), &gui::QtUi::messageShown);
    QElapsedTimer t;
    t.start();
    auto* cancel = progress->findChild<QPushButton*>(QStringLiteral("cancel"));
    ASSERT_TRUE(cancel && cancel->isVisible()) << "the window has a Cancel button";
    QTest::mouseClick(cancel, Qt::LeftButton);
    EndedWithNothingPartial(frame);
    EXPECT_LT(t.elapsed(), 3000) << "at the next frame, not after the file";
    ASSERT_EQ(shown.count(), 1);
    for (int failure : {txt::kCopyFailed, txt::kReceiveFailed, txt::kTransferFailed})
        EXPECT_NE(shown[0][0].toInt(), failure);
    EXPECT_EQ(shown[0][2].toInt(), static_cast<int>(Icon::Information)) << shown[0][1].toString().toStdString();
    EXPECT_EQ(Progress(), nullptr);
}

// The tray's Exit during a resident pass, after "Yes": the transfer stops with no further box,
// the resident tick is stopped before the link goes, and nothing new starts.
TEST_F(MainFrameFetchTest, ExitDuringATransferWhileResidentStopsTheTickAndShowsNoFailure)
{
    CMainFrame& frame = StartSlowTerminal();
    frame.Action(cmd::kResident)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame.Resident() && !frame.Busy(); }, 10000));
    ASSERT_TRUE(frame.ResidentTimerActive());
    BeginFetch(frame);
    app->ui().answerQuestions = [](int, const QString&, Buttons) { return Answer::Yes; };
    QSignalSpy shown(&app->ui(), &gui::QtUi::messageShown);
    frame.ExitProgram();
    EndedWithNothingPartial(frame);
    EXPECT_EQ(shown.count(), 0);
    EXPECT_FALSE(frame.ResidentTimerActive());
    EXPECT_FALSE(frame.RunOperation([] {})) << "nothing starts while the program ends";
}

// SIGTERM (as SIGHUP and SIGINT) ends the window as "Yes" on its close box does: the transfer
// stops and leaves nothing partial, no box comes up, the settings are written back.
TEST_F(MainFrameFetchTest, SigtermStopsTheTransferAndSavesTheSettings)
{
    CMainFrame& frame = StartSlowFetch();
    app->config().lineFeed = 1 - app->config().lineFeed;
    const int lineFeed = app->config().lineFeed;
    QSignalSpy shown(&app->ui(), &gui::QtUi::messageShown);
    ::raise(SIGTERM);
    EndedWithNothingPartial(frame);
    EXPECT_EQ(shown.count(), 0);
    Config read((dir / "settings.ini").string());
    read.load();
    EXPECT_EQ(read.lineFeed, lineFeed);
}

// Closing the window during a transfer asks, then stops the transfer before the program ends: the
// fetch leaves nothing partial behind.
TEST_F(MainFrameFetchTest, ClosingDuringATransferAsksThenCancelsItCleanly)
{
    CMainFrame& frame = StartSlowFetch();
    int asked = 0;
    app->ui().answerQuestions = [&](int, const QString&, Buttons) {
        ++asked;
        return Answer::Yes;
    };
    QElapsedTimer t;
    t.start();
    frame.close();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(frame.Busy());
    EXPECT_LT(t.elapsed(), 3000);
    EXPECT_FALSE(fs::exists(fetch.target));
    EXPECT_FALSE(fetch.PartLeft());
}

// The terminal's end of the line goes away mid-fetch: the operation ends with a failure within its
// time-out, said once with its cause, the window is free again, and nothing partial is left. While
// the data came, the status bar's activity icon went through its frames; at the end it is gone.
TEST_F(MainFrameFetchTest, ATerminalThatVanishesMidFetchEndsTheOperationWithAFailure)
{
    CMainFrame& frame = StartSlowFetch();
    std::set<int> frames;
    for (int i = 0; i < 40; ++i) {
        frames.insert(frame.ActivityCode());
        QTest::qWait(10);
    }
    EXPECT_GE(frames.size(), 2u) << "the activity icon stood still while the file came";
    QSignalSpy shown(&app->ui(), &gui::QtUi::messageShown);
    QElapsedTimer t;
    t.start();
    fetch.sim.term->stop();
    fetch.sim.pty.close();
    for (int i = 0; i < 400 && frame.Busy(); ++i)
        QTest::qWait(25);
    EXPECT_FALSE(frame.Busy());
    EXPECT_LT(t.elapsed(), 5000) << "one reply time-out at most, not one per retry";
    ASSERT_EQ(shown.count(), 1) << "the failure is said, once";
    EXPECT_TRUE(shown[0][1].toString().contains(fetch.sim.Device())) << "the box says the terminal's device went away: "
                                                                   << shown[0][1].toString().toStdString();
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.ActivityCode(), 0);
    EXPECT_FALSE(fs::exists(fetch.target));
    EXPECT_FALSE(fetch.PartLeft());
}

TEST_F(MainFrameTest, ClosingWhileResidentHidesTheWindowAndExitEndsIt)
{
    CMainFrame& frame = Start();
    frame.show();
    frame.SetResident(true);
    frame.close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame.isVisible() && !frame.isMinimized()) << "hidden, or minimised where there is no tray";
    frame.Action(cmd::kTrayShow)->trigger();
    EXPECT_TRUE(frame.isVisible());
    frame.SetResident(false);
}

// Without a notification area there is no tray Exit: File > Exit ends the program even while
// resident.
TEST_F(MainFrameTest, FileExitEndsTheProgramWhileResidentWithoutATray)
{
    CMainFrame& frame = Start();
    ASSERT_FALSE(frame.HasTray());
    frame.show();
    frame.SetResident(true);
    frame.Action(cmd::kExit)->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame.isVisible());
    EXPECT_FALSE(frame.ResidentTimerActive());
}

// The receive switches and the resident settings are read by the operation under way: they wait
// for it like the terminal commands do.
TEST_F(MainFrameTest, ReceiveSwitchesAndResidentSettingsWaitForARunningOperation)
{
    CMainFrame& frame = Start();
    Config& config = app->config();
    const int cr = config.carriageReturn, lf = config.lineFeed, del = config.deleteAfterReceive;
    std::atomic<bool> release{false};
    std::atomic<int> reads{0};
    ASSERT_TRUE(frame.RunOperation([&] {
        while (!release) {
            // What a receive and a resident pass read while they run.
            reads += config.carriageReturn + config.lineFeed + config.deleteAfterReceive +
                     static_cast<int>(config.standby.fixTime[0] & 1);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }));
    QCoreApplication::processEvents();
    for (int id : {cmd::kAddCr, cmd::kAddLf, cmd::kDeleteAfter, cmd::kResidentSettings}) {
        EXPECT_FALSE(frame.Action(id)->isEnabled()) << id;
        frame.Action(id)->trigger();
    }
    EXPECT_EQ(config.carriageReturn, cr);
    EXPECT_EQ(config.lineFeed, lf);
    EXPECT_EQ(config.deleteAfterReceive, del);
    release = true;
    frame.Runner().waitWhileRunning();
    EXPECT_TRUE(frame.Action(cmd::kAddCr)->isEnabled());
}

TEST_F(MainFrameTest, ReceiveOptionsToggleWithCheckMarksAndAreSavedAtExit)
{
    CMainFrame& frame = Start();
    EXPECT_TRUE(frame.Action(cmd::kAddCr)->isChecked());
    frame.Action(cmd::kAddCr)->trigger();
    frame.Action(cmd::kDeleteAfter)->trigger();
    EXPECT_FALSE(frame.Action(cmd::kAddCr)->isChecked());
    EXPECT_TRUE(frame.Action(cmd::kDeleteAfter)->isChecked());
    app.reset();  // the window goes: the settings are written back
    Config read((dir / "settings.ini").string());
    read.load();
    EXPECT_EQ(read.carriageReturn, 0);
    EXPECT_EQ(read.deleteAfterReceive, 1);
}

TEST(WindowParts, StatusDialogShowsUnFormatForANegativeFreeValue)
{
    gui::StatusDialog d;
    d.SetValues(123, 1000, 400, 600, 0, 0, -1);
    EXPECT_EQ(d.FieldText(QStringLiteral("version")), QStringLiteral("1.23"));
    EXPECT_EQ(d.FieldText(QStringLiteral("cUsed")), QStringLiteral("400"));
    for (const char* f : {"dTotal", "dUsed", "dFree"})
        EXPECT_EQ(d.FieldText(QString::fromLatin1(f)), QStringLiteral("UnFormat"));
    d.SetValues(200, 1000, 1000, 0, 5, 5, 0);
    EXPECT_EQ(d.FieldText(QStringLiteral("version")), QStringLiteral("2.00"));
    EXPECT_EQ(d.FieldText(QStringLiteral("cFree")), QStringLiteral("0"));
}

// A transfer's window stops it by its Cancel button, Esc or close box, once, and stays until the
// operation closes it; a format's or a defragmentation's cannot be stopped.
TEST(WindowParts, ProgressWindowOfATransferAsksToStopByButtonEscAndCloseBoxOnce)
{
    const std::pair<ProgressKind, bool> kinds[] = {{ProgressKind::Sending, true},
                                                   {ProgressKind::Receiving, true},
                                                   {ProgressKind::Format, false},
                                                   {ProgressKind::Defragment, false}};
    for (auto [kind, cancellable] : kinds) {
        gui::ProgressDialog d(kind, QStringLiteral("Process"), QStringLiteral("...\\A.TXT"), nullptr);
        d.show();
        QSignalSpy asked(&d, &gui::ProgressDialog::cancelRequested);
        auto* button = d.findChild<QPushButton*>(QStringLiteral("cancel"));
        ASSERT_TRUE(button);
        EXPECT_EQ(button->isVisible(), cancellable);
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_EQ(asked.count(), cancellable ? 1 : 0) << static_cast<int>(kind);
        d.close();
        button->click();
        EXPECT_EQ(asked.count(), cancellable ? 1 : 0) << "once";
        EXPECT_TRUE(d.isVisible()) << "the operation closes it";
    }
}

TEST(WindowParts, MessageViewShowsTheNewestLineFirst)
{
    gui::CMessageView view;
    for (const char* line : {"A", "B", "C"})
        view.AddLine(QString::fromLatin1(line));
    EXPECT_EQ(view.Lines(), (QStringList{QStringLiteral("C"), QStringLiteral("B"), QStringLiteral("A")}));
}

// The format window fills in 12 seconds of clock time and closes itself, whatever the terminal does.
TEST(WindowParts, ProgressWindowInTimedModeClosesItselfAfterTwelveSeconds)
{
    gui::QtUi ui;
    FakeClock clock;
    TransferProgress p(ProgressKind::Format, 0, 100, std::string(), &ui, &clock);
    p.Create();
    p.StartTimed();
    QCoreApplication::processEvents();
    auto windows = [] {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += qobject_cast<gui::ProgressDialog*>(w) && w->isVisible();
        return n;
    };
    EXPECT_EQ(windows(), 1);
    int ticks = 0;
    while (p.Tick()) {
        clock.sleepMs(500);
        ++ticks;
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ticks, 24);
    EXPECT_EQ(windows(), 0);
}

TEST(WindowParts, TransferWindowShowsBytesRateAndTimeLeft)
{
    gui::ProgressDialog d(ProgressKind::Receiving, QStringLiteral("Receiving"), QString(), nullptr);
    d.setBytes(0, 100000);
    EXPECT_TRUE(d.detailText().contains(QStringLiteral("97.7 KB"))) << d.detailText().toStdString();
    QTest::qWait(1100);
    d.setBytes(11000, 100000);
    EXPECT_TRUE(d.detailText().contains(QStringLiteral("/s"))) << d.detailText().toStdString();
    EXPECT_TRUE(d.detailText().contains(QStringLiteral(":"))) << "time left";
}

}  // namespace
}  // namespace feld::test
