// Resident mode in the window, against the simulated terminal on a pseudo-terminal: turning it on
// hides the window and arms the tick, a due tick collects a file, turning it off stops the tick;
// and the settings dialog's storage check and write-back.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimeEdit>

#include <filesystem>
#include <fstream>

#include "app/Resident.h"
#include "base/Texts.h"
#include "gui/app/AppStart.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CStandbyDlg.h"
#include "gui/app/Commands.h"
#include "gui/app/Mnemonics.h"
#include "gui/app/QtUi.h"
#include "gui/explorer/CMessageView.h"
#include "session/Config.h"
#include "session/Session.h"
#include "support/FakeClock.h"
#include "support/TestFiles.h"
#include "SimWindowFixture.h"

namespace feld::test {
namespace {

namespace fs = std::filesystem;
using gui::CMainFrame;
using gui::qtr;
namespace cmd = gui::cmd;

class ResidentModeTest : public SimWindowFixture {
protected:
    bool WaitFor(const std::function<bool()>& done, int ms = 10000)
    {
        for (int i = 0; i < ms / 20 && !done(); ++i)
            QTest::qWait(20);
        return done();
    }
};

TEST_F(ResidentModeTest, OnHidesAndArmsADueTickCollectsOffStops)
{
    fs::create_directories(dir / "project");
    fs::create_directories(dir / "save");
    WriteFile(dir / "term" / "C" / "DATA" / "X.TXT", {'A', '\r', '\n'});
    CMainFrame& frame = Start("Settings\\Delete=1\nStandby\\FileEnable1=1\nStandby\\string1=C:\\\\DATA\\\\X.TXT\n"
                              "Standby\\SavePath=" + (dir / "save").string() + "\n");
    frame.show();

    frame.Action(cmd::kResident)->trigger();
    ASSERT_TRUE(WaitFor([&] { return frame.Resident(); })) << "the link check did not pass";
    EXPECT_TRUE(frame.ResidentTimerActive());
    EXPECT_FALSE(frame.isVisible() && !frame.isMinimized());
    EXPECT_EQ(gui::WithoutMnemonic(frame.Action(cmd::kResident)->text()), qtr(txt::kStopResident));

    // Ten seconds after turning on, the tick collects; a tick before that transfers nothing and
    // leaves the status bar as it was.
    const QString before = frame.StatusText();
    frame.ResidentTick();
    EXPECT_FALSE(frame.Busy()) << "not due yet";
    EXPECT_EQ(frame.StatusText(), before);
    frame.Collector().schedule().Restart(app->session().clock().calendarSeconds() - 10);
    frame.ResidentTick();
    ASSERT_TRUE(WaitFor([&] { return !frame.Busy() && fs::exists(dir / "save" / "X.TXT"); }));
    EXPECT_EQ(ReadFile(dir / "save" / "X.TXT"), (std::vector<std::uint8_t>{'A', '\r', '\n'}));
    EXPECT_FALSE(fs::exists(dir / "term" / "C" / "DATA" / "X.TXT"));
    ASSERT_FALSE(frame.MessageView()->Lines().isEmpty());
    EXPECT_TRUE(frame.MessageView()->Lines().first().contains(QStringLiteral("C:\\DATA\\X.TXT")));
    EXPECT_EQ(frame.StatusText(), qtr(txt::kSendFinished));

    frame.Action(cmd::kResident)->trigger();
    EXPECT_FALSE(frame.Resident());
    EXPECT_FALSE(frame.ResidentTimerActive());
    EXPECT_EQ(gui::WithoutMnemonic(frame.Action(cmd::kResident)->text()), qtr(txt::kStartResident));
}

TEST_F(ResidentModeTest, SettingsDialogRefusesAMissingFolderAndWritesBackOnOk)
{
    gui::QtUi ui;
    ui.quietMessages = true;
    QSignalSpy shown(&ui, &gui::QtUi::messageShown);
    FakeClock clock;
    StandbyBlock block;
    block.timeInterval = 45;  // not in the list: shown as its first entry
    const fs::path store = dir / "store";
    fs::create_directories(store);
    gui::CStandbyDlg dialog(block, store.string(), ui, clock);
    EXPECT_EQ(dialog.IntervalList()->currentIndex(), 0);
    EXPECT_FALSE(dialog.FileEdit(3)->isEnabled());
    dialog.FileCheck(3)->click();
    EXPECT_TRUE(dialog.FileEdit(3)->isEnabled());
    EXPECT_FALSE(dialog.TimePicker(0)->isEnabled());
    dialog.FixedRadio()->click();
    EXPECT_TRUE(dialog.TimePicker(2)->isEnabled()) << "the pickers follow the radio, not their boxes";
    EXPECT_FALSE(dialog.IntervalList()->isEnabled());

    dialog.FileEdit(3)->setText(QStringLiteral("C:\\DATA\\Y.TXT"));
    dialog.TimeCheck(1)->click();
    dialog.TimePicker(1)->setTime(QTime(8, 30, 0));
    dialog.StorageEdit()->setText(QString::fromStdString((store / "missing").string()));
    EXPECT_FALSE(dialog.Confirm());
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown.first().first().toInt(), txt::kBadSavePath);
    EXPECT_EQ(block, StandbyBlock{.timeInterval = 45}) << "nothing written back";

    dialog.StorageEdit()->setText(QString::fromStdString(store.string()));
    ASSERT_TRUE(dialog.Confirm());
    EXPECT_EQ(block.type, 1);
    EXPECT_EQ(block.timeInterval, 10);
    EXPECT_EQ(block.fileEnable[3], 1);
    EXPECT_EQ(block.fileName[3], "C:\\DATA\\Y.TXT");
    EXPECT_EQ(block.fixTimeEnable, (std::array<int, 3>{0, 1, 0}));
    EXPECT_EQ(LocalTimeText(block.fixTime[1]), "08:30:00");
    EXPECT_TRUE(fs::is_empty(store)) << "the storage probe leaves nothing";
}

// The chooser beside an entry offers the files of the terminal's C:\Data; an entry that names no
// terminal file is said as it is typed.
TEST_F(ResidentModeTest, SettingsEntriesAreChosenFromTheTerminalAndCheckedAsTyped)
{
    for (const char* name : {"DATA1.TXT", "LOG.TXT"})
        WriteFile(dir / "term" / "C" / "DATA" / name, Pattern(10));
    fs::create_directories(dir / "term" / "C" / "DATA" / "SUB");
    CMainFrame& frame = Start();
    StandbyBlock block;
    gui::CStandbyDlg dialog(block, dir.string(), app->ui(), app->session().clock());
    EXPECT_FALSE(dialog.FileChooser(2)->isEnabled()) << "greyed without a terminal to ask";
    dialog.SetDataFileLister(frame.TerminalDataLister());
    dialog.FileChooser(2)->click();
    ASSERT_TRUE(WaitFor([&] { return dialog.ChoiceMenu() != nullptr; }));
    QStringList offered;
    for (QAction* a : dialog.ChoiceMenu()->actions())
        offered << a->text();
    offered.sort();
    EXPECT_EQ(offered, (QStringList{QStringLiteral("DATA1.TXT"), QStringLiteral("LOG.TXT")})) << "files only";
    for (QAction* a : dialog.ChoiceMenu()->actions())
        if (a->text() == QStringLiteral("LOG.TXT"))
            a->trigger();
    EXPECT_EQ(dialog.FileEdit(2)->text(), QStringLiteral("LOG.TXT"));
    EXPECT_TRUE(dialog.FileCheck(2)->isChecked());

    dialog.FileEdit(4)->setText(QStringLiteral("C:\\DATA\\..\\X.TXT"));
    EXPECT_FALSE(dialog.EntryProblem(4).isEmpty());
    dialog.FileEdit(4)->setText(QStringLiteral("X.TXT"));
    EXPECT_TRUE(dialog.EntryProblem(4).isEmpty());
}

}  // namespace
}  // namespace feld::test
