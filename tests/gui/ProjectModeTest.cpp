// Project mode from start to end against the simulated terminal on a pseudo-terminal: the project
// the builder handed over is listed at start, Send puts every file byte for byte into its folder on
// the terminal, and Receive brings a data file back through the receive dialog with each way of
// keeping or dropping the CR and the LF of its line ends.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <filesystem>
#include <fstream>

#include "base/Texts.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/Commands.h"
#include "gui/app/OperationRunner.h"
#include "gui/explorer/CMessageView.h"
#include "gui/project/CProjectView.h"
#include "gui/project/ReceiveDialog.h"
#include "session/Config.h"
#include "SimWindowFixture.h"

namespace feld::test {
namespace {

namespace fs = std::filesystem;
using gui::CMainFrame;
using gui::CProjectView;
namespace cmd = gui::cmd;

class ProjectModeTest : public SimWindowFixture {
protected:
    void TearDown() override
    {
        gui::ReceiveDialog::answerHook = nullptr;
        SimWindowFixture::TearDown();
    }
};

TEST_F(ProjectModeTest, SendsTheHandedOverProjectByteForByteThenReceivesADataFileWithEachLineEndChoice)
{
    // The sample project as the builder leaves it: Windows paths, the files beside the project file,
    // handed over by Builder.ini.
    fs::copy(fs::path(FELDSPAN_SAMPLES_DIR) / "FeldBuilder", dir / "project", fs::copy_options::recursive);
    const fs::path sample = dir / "project" / "Project" / "SAMPLE";
    struct File {
        const char* name;
        const char* terminal;  // where it belongs on the terminal
    };
    const File files[] = {{"SAMPLE.ABP", "D/PROGRAM"}, {"SYSFONT.FNT", "D/FONTS"}, {"USER.FNT", "D/FONTS"},
                          {"ITEMS.DBF", "D/LOOKUP"},   {"PRICES.DBF", "D/LOOKUP"}, {"STOCK.TXT", "C/DATA"},
                          {"ORDERS.TXT", "C/DATA"}};

    CMainFrame& frame = Start();
    ASSERT_FALSE(frame.Advanced());
    CProjectView& view = *frame.ProjectChild();
    ASSERT_EQ(view.List().Count(), 1);
    // Language code 2: the tree's labels in Traditional Chinese too.
    EXPECT_EQ(view.Tree()->topLevelItem(0)->text(0), QStringLiteral("專案：SAMPLE.ABP"));

    view.ButtonOf(CProjectView::Button::Send)->click();
    ASSERT_TRUE(frame.Busy());
    QCoreApplication::processEvents();
    EXPECT_FALSE(view.ButtonOf(CProjectView::Button::Receive)->isEnabled()) << "greyed while the files go";
    frame.Runner().waitWhileRunning();
    EXPECT_TRUE(Shown(txt::kDownloadDone));
    EXPECT_TRUE(view.ButtonOf(CProjectView::Button::Receive)->isEnabled());
    // One message-view line a file, as the terminal took it.
    const QString sentLine = QString::fromStdString(tk("project.sentLine", "sent %s -> %s")).section(QStringLiteral("%s"), 0, 0);
    EXPECT_EQ(frame.MessageView()->Lines().filter(sentLine).size(), 7) << frame.MessageView()->Lines().join('\n').toStdString();
    for (const File& f : files) {
        const fs::path there = FindNoCase(dir / "term", fs::path(f.terminal) / f.name);
        ASSERT_FALSE(there.empty()) << f.terminal << "/" << f.name;
        EXPECT_EQ(ReadFile(there), ReadFile(sample / f.name)) << f.name;
    }

    // "Send only changed files" is off at first; on, it is kept in the settings and the same send
    // leaves every file where it is.
    QCheckBox* onlyChanged = view.OnlyChangedBox();
    ASSERT_NE(onlyChanged, nullptr);
    EXPECT_FALSE(onlyChanged->isChecked());
    onlyChanged->setChecked(true);
    EXPECT_EQ(frame.config().sendOnlyChanged, 1);
    const auto storedBefore = sim.log.lines().size();
    shown.clear();
    view.ButtonOf(CProjectView::Button::Send)->click();
    frame.Runner().waitWhileRunning();
    EXPECT_TRUE(Shown(txt::kDownloadDone));
    EXPECT_TRUE(asked.empty()) << "no overwrite question for a file that is not sent";
    // The line as the window's language says it ("unchanged: %s" with the path cut off).
    const QString unchanged = QString::fromStdString(tk("project.unchanged", "unchanged: %s")).remove(QStringLiteral("%s"));
    EXPECT_EQ(frame.MessageView()->Lines().filter(unchanged).size(), 7) << frame.MessageView()->Lines().join('\n').toStdString();
    int storedAgain = 0;
    const std::vector<std::string> log = sim.log.lines();
    for (std::size_t i = storedBefore; i < log.size(); ++i)
        storedAgain += log[i].find("\"event\":\"stored\"") != std::string::npos;
    EXPECT_EQ(storedAgain, 0);

    // A data file with a CR LF, a CR CR LF and a CR at its end; received four times as new, then
    // once more appended with the terminal's copy deleted afterwards.
    const std::string data = "A\r\nB\r\r\nC\r";
    const fs::path dataFolder = FindNoCase(dir / "term", "C/DATA");
    ASSERT_FALSE(dataFolder.empty());
    std::ofstream(dataFolder / "LOG.TXT", std::ios::binary) << data;
    const fs::path saveFolder = dir / "received";
    fs::create_directories(saveFolder);
    struct Case {
        bool keepCr, keepLf, append, deleteAfter;
        const char* expected;
    };
    const Case cases[] = {{true, true, false, false, "A\r\nB\r\r\nC\r"},
                          {false, true, false, false, "A\nB\r\nC\r"},
                          {true, false, false, false, "A\rB\r\rC\r"},
                          {false, false, false, false, "AB\rC\r"},
                          {false, false, true, true, "AB\rC\rAB\rC\r"}};
    int round = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(round);
        gui::ReceiveDialog::answerHook = [&](gui::ReceiveDialog& d) {
            d.FileBox()->setCurrentIndex(d.FileBox()->findText(QStringLiteral("log.txt"), Qt::MatchFixedString));
            d.FormatBox()->setCurrentIndex(c.append ? 0 : 1);
            d.KeepCrBox()->setChecked(c.keepCr);
            d.KeepLfBox()->setChecked(c.keepLf);
            d.DeleteBox()->setChecked(c.deleteAfter);
            // Two separators at the end make no difference.
            d.PathEdit()->setText(QString::fromStdString(saveFolder.string()) + QStringLiteral("//"));
            d.accept();
        };
        shown.clear();
        // The menu command and the view's button are the same command.
        if (round++ % 2)
            view.ButtonOf(CProjectView::Button::Receive)->click();
        else
            frame.Action(cmd::kReceive)->trigger();
        frame.Runner().waitWhileRunning();
        EXPECT_TRUE(Shown(txt::kReceiveDone));
        EXPECT_EQ(ReadText(FindNoCase(saveFolder, "LOG.TXT")), c.expected);
        // The choices are the settings from now on, and the menu's check marks say so.
        EXPECT_EQ(app->config().carriageReturn, c.keepCr ? 1 : 0);
        EXPECT_EQ(frame.Action(cmd::kAddLf)->isChecked(), c.keepLf);
    }
    EXPECT_TRUE(FindNoCase(dataFolder, "LOG.TXT").empty()) << "deleted once received";
    EXPECT_FALSE(FindNoCase(dataFolder, "ORDERS.TXT").empty());

    // Cancel receives nothing and leaves nothing running.
    gui::ReceiveDialog::answerHook = [](gui::ReceiveDialog& d) { d.reject(); };
    shown.clear();
    frame.Action(cmd::kReceive)->trigger();
    frame.Runner().waitWhileRunning();
    EXPECT_FALSE(frame.Busy());
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(fs::exists(saveFolder / "ORDERS.TXT"));

    // A save folder that is not there fails the receive and does not become the default.
    const std::string keptDefault = app->config().standby.savePath1;
    gui::ReceiveDialog::answerHook = [&](gui::ReceiveDialog& d) {
        d.FileBox()->setCurrentIndex(d.FileBox()->findText(QStringLiteral("orders.txt"), Qt::MatchFixedString));
        d.PathEdit()->setText(QString::fromStdString((dir / "nowhere").string()));
        d.accept();
    };
    shown.clear();
    frame.Action(cmd::kReceive)->trigger();
    frame.Runner().waitWhileRunning();
    EXPECT_FALSE(Shown(txt::kReceiveDone));
    EXPECT_EQ(app->config().standby.savePath1, keptDefault);
    EXPECT_FALSE(fs::exists(dir / "nowhere"));
}

}  // namespace
}  // namespace feld::test
namespace feld::test {
namespace {

// The terminal goes away while Send's third file is on its way: the send ends with one box that
// says the line went (naming the terminal's device), and the status bar no longer says a file is
// being sent.
TEST_F(ProjectModeTest, ATerminalThatVanishesMidSendIsSaidOnceWithItsCause)
{
    fs::copy(fs::path(FELDSPAN_SAMPLES_DIR) / "FeldBuilder", dir / "project", fs::copy_options::recursive);
    WriteFile(dir / "project" / "Project" / "SAMPLE" / "STOCK.TXT", Pattern(3'000'000));
    CMainFrame& frame = Start();
    QSignalSpy shownTexts(&app->ui(), &gui::QtUi::messageShown);
    frame.ProjectChild()->ButtonOf(CProjectView::Button::Send)->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame.StatusText().contains(QStringLiteral("STOCK.TXT")); }, 10000));
    const QString sending = frame.StatusText();
    sim.term->stop();
    sim.pty.close();
    frame.Runner().waitWhileRunning();
    QCoreApplication::processEvents();
    ASSERT_EQ(shownTexts.count(), 1) << "one box for one failure";
    EXPECT_EQ(shownTexts[0][0].toInt(), txt::kTransferFailed);
    EXPECT_TRUE(shownTexts[0][1].toString().contains(sim.Device())) << shownTexts[0][1].toString().toStdString();
    EXPECT_NE(frame.StatusText(), sending);
    EXPECT_EQ(frame.ActivityCode(), 0);
}

}  // namespace
}  // namespace feld::test
