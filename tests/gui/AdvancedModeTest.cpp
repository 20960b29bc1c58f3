// Advanced mode against the simulated terminal: files go up by paste, by drag and from the desktop's
// file manager, come down with the Delete setting on, move between two PC folders, and a file's
// properties fill the dialog. The PC tree's home place is the test's own folder.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <atomic>
#include <optional>
#include <chrono>
#include <thread>

#include "base/Texts.h"
#include "explorer/NodeKind.h"
#include "gui/app/Commands.h"
#include "gui/app/OperationRunner.h"
#include "gui/explorer/CMessageView.h"
#include "gui/explorer/CPDTView.h"
#include "gui/explorer/CRemoteView.h"
#include "gui/explorer/CSplitterFrame.h"
#include "gui/explorer/PropertiesDialog.h"
#include "session/Config.h"
#include "SimWindowFixture.h"

namespace feld::test {
namespace {

namespace fs = std::filesystem;
using gui::CExplorerTree;
namespace treecmd = gui::treecmd;

class AdvancedModeTest : public SimWindowFixture {
protected:
    fs::path home = dir / "pc";
    QByteArray oldHome = qgetenv("HOME");
    gui::CMainFrame* frame = nullptr;
    gui::CRemoteView* pc = nullptr;
    gui::CPDTView* terminal = nullptr;

    void SetUp() override
    {
        SimWindowFixture::SetUp();
        fs::create_directories(home);
        fs::create_directories(dir / "term" / "C" / "DATA");
        qputenv("HOME", QByteArray::fromStdString(home.string()));
    }
    void TearDown() override
    {
        gui::PropertiesDialog::showHook = nullptr;
        SimWindowFixture::TearDown();
        qputenv("HOME", oldHome);
    }
    void Open()
    {
        frame = &Start();
        frame->SwitchMode(true);
        frame->show();
        pc = frame->AdvancedChild()->pcTree();
        terminal = frame->AdvancedChild()->terminalTree();
    }
    // Waits until no operation runs and no listing waits for one.
    void Settle()
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !frame->Busy() && !terminal->RelistPending(); }, 20000));
        QCoreApplication::processEvents();
    }
    QTreeWidgetItem* Node(CExplorerTree* tree, const std::string& path)
    {
        return tree->FindNode(QString::fromStdString(path), Qt::CaseInsensitive);
    }
    void Click(CExplorerTree* tree, QTreeWidgetItem* item, Qt::MouseButton button = Qt::LeftButton)
    {
        ASSERT_TRUE(item);
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), button, Qt::NoModifier, tree->visualItemRect(item).center());
        if (button == Qt::RightButton)
            tree->ContextMenu()->hide();
        Settle();
    }
    // Right-clicks a node and chooses a command of the context menu; false when it is greyed.
    bool Command(CExplorerTree* tree, QTreeWidgetItem* item, int id)
    {
        Click(tree, item, Qt::RightButton);
        QAction* action = tree->MenuAction(id);
        if (!action->isEnabled())
            return false;
        action->trigger();
        Settle();
        return true;
    }
    // Drags `data` onto a node as the desktop would: enter, move, drop. False when it is refused.
    bool Drop(CExplorerTree* tree, QTreeWidgetItem* target, QMimeData* data)
    {
        std::unique_ptr<QMimeData> owned(data);
        tree->scrollToItem(target);
        const QPoint at = tree->visualItemRect(target).center();
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, actions, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &enter);
        QDragMoveEvent move(at, actions, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &move);
        if (!move.isAccepted())
            return false;
        QDropEvent drop(QPointF(at), actions, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &drop);
        Settle();
        return drop.isAccepted();
    }
    // Opens a PC folder below the home place, part by part.
    QTreeWidgetItem* OpenPc(const fs::path& folder)
    {
        Click(pc, Node(pc, home.string()));
        fs::path at = home;
        for (const fs::path& part : fs::relative(folder, home)) {
            if (part == ".")
                continue;
            at /= part;
            Click(pc, Node(pc, at.string()));
        }
        return Node(pc, at.string());
    }
    QStringList Lines() const { return frame->MessageView()->Lines(); }
};

// A port named on the command line is the user's choice already: the first click on a terminal
// drive connects to it without the port settings dialog, and one that cannot be opened says why in
// one message. A port that is only stored is offered in the dialog first.
TEST_F(AdvancedModeTest, APortNamedOnTheCommandLineConnectsAtTheFirstClickWithoutTheDialog)
{
    const std::string stored = "Settings\\PortChoice=1\nSettings\\SerialDevice=" + sim.Device().toStdString() + "\n";
    const QString missing = QString::fromStdString((dir / "no-such-tty").string());
    struct Case {
        const char* what;
        std::string settings;
        std::optional<QString> device;
        int dialogs;
        bool listed;
    } cases[] = {
        {"--device", {}, std::nullopt, 0, true},
        {"stored port only", stored, QString(), 1, true},
        {"--device that cannot be opened", {}, missing, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        app.reset();
        frame = &Start(c.settings, c.device);
        frame->SwitchMode(true);
        frame->show();
        terminal = frame->AdvancedChild()->terminalTree();
        int dialogs = 0;
        app->ui().editPortSettingsHook = [&](PortSettings&) { return ++dialogs, true; };
        QStringList texts;
        QObject::connect(&app->ui(), &gui::QtUi::messageShown, [&](int, const QString& text, int) { texts << text; });
        Click(terminal, terminal->DriveNode('C'));
        EXPECT_EQ(dialogs, c.dialogs);
        EXPECT_EQ(Node(terminal, "C:\\DATA") != nullptr, c.listed);
        if (c.listed) {
            EXPECT_TRUE(texts.isEmpty()) << texts.join(QStringLiteral(" | ")).toStdString();
        } else {
            ASSERT_EQ(texts.size(), 1) << texts.join(QStringLiteral(" | ")).toStdString();
            EXPECT_TRUE(texts[0].contains(missing) || texts[0].contains(QStringLiteral("\n"))) << "the reason is given";
        }
    }
}

TEST_F(AdvancedModeTest, UploadsByPasteByDragAndFromTheFileManager)
{
    WriteFile(home / "A.TXT", Pattern(700, 1));
    WriteFile(home / "B.TXT", Pattern(300, 2));
    WriteFile(home / "LONGNAME1.TXT", Pattern(10, 3));
    Open();
    QTreeWidgetItem* homeNode = OpenPc(home);
    Click(terminal, terminal->DriveNode('C'));
    ASSERT_TRUE(Node(terminal, "C:\\DATA"));

    // A click that needs the terminal while an operation runs starts nothing.
    std::atomic<bool> release{false};
    ASSERT_TRUE(frame->RunOperation([&] {
        while (!release)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }));
    QTest::mouseClick(terminal->viewport(), Qt::LeftButton, Qt::NoModifier,
                      terminal->visualItemRect(Node(terminal, "C:\\DATA")).center());
    EXPECT_EQ(Node(terminal, "C:\\DATA")->childCount(), 1) << "only its placeholder: not listed";
    release = true;
    Settle();

    // Cut and paste: uploaded, then the PC's file goes.
    ASSERT_TRUE(Command(pc, Node(pc, (home / "A.TXT").string()), treecmd::kCut));
    ASSERT_TRUE(Command(terminal, Node(terminal, "C:\\DATA"), treecmd::kPaste));
    EXPECT_EQ(ReadFile(FindNoCase(dir / "term", "C/DATA/A.TXT")), Pattern(700, 1));
    EXPECT_FALSE(fs::exists(home / "A.TXT"));
    EXPECT_FALSE(Node(pc, (home / "A.TXT").string()));
    EXPECT_TRUE(Node(terminal, "C:\\DATA\\A.TXT")) << "the folder is listed anew";
    Click(terminal, Node(terminal, "C:\\DATA"), Qt::RightButton);
    EXPECT_FALSE(terminal->MenuAction(treecmd::kPaste)->isEnabled()) << "a paste ends the paste count";

    // Drag: uploaded, the PC keeps its file. The terminal's root and its files take no drop.
    Click(pc, Node(pc, (home / "B.TXT").string()));
    EXPECT_FALSE(Drop(terminal, terminal->Root(), CExplorerTree::ChosenData(TreeSide::Pc)));
    EXPECT_FALSE(Drop(terminal, Node(terminal, "C:\\DATA\\A.TXT"), CExplorerTree::ChosenData(TreeSide::Pc)));
    ASSERT_TRUE(Drop(terminal, Node(terminal, "C:\\DATA"), CExplorerTree::ChosenData(TreeSide::Pc)));
    EXPECT_EQ(ReadFile(FindNoCase(dir / "term", "C/DATA/B.TXT")), Pattern(300, 2));
    EXPECT_TRUE(fs::exists(home / "B.TXT"));

    // From the file manager: a folder or a name the terminal cannot hold refuses the whole drop.
    fs::create_directories(home / "SUB");
    WriteFile(home / "C.TXT", Pattern(50, 4));
    auto urls = [&](std::initializer_list<fs::path> paths) {
        auto* data = new QMimeData;
        QList<QUrl> list;
        for (const fs::path& p : paths)
            list << QUrl::fromLocalFile(QString::fromStdString(p.string()));
        data->setUrls(list);
        return data;
    };
    shown.clear();
    for (const fs::path& bad : {home / "SUB", home / "LONGNAME1.TXT"}) {
        EXPECT_TRUE(Drop(terminal, Node(terminal, "C:\\DATA"), urls({home / "C.TXT", bad})));
        EXPECT_TRUE(FindNoCase(dir / "term", "C/DATA/C.TXT").empty()) << bad;
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 0})) << "the reason, once per drop";
    EXPECT_TRUE(Drop(terminal, Node(terminal, "C:\\DATA"), urls({home / "C.TXT"})));
    EXPECT_EQ(ReadFile(FindNoCase(dir / "term", "C/DATA/C.TXT")), Pattern(50, 4));
    EXPECT_TRUE(homeNode);
}

TEST_F(AdvancedModeTest, MovesAFileBetweenTwoPcFoldersByDrag)
{
    WriteFile(home / "ONE" / "M.TXT", Pattern(64, 5));
    fs::create_directories(home / "TWO");
    Open();
    OpenPc(home / "ONE");
    Click(pc, Node(pc, (home / "ONE" / "M.TXT").string()));
    ASSERT_TRUE(Drop(pc, Node(pc, (home / "TWO").string()), CExplorerTree::ChosenData(TreeSide::Pc)));
    EXPECT_EQ(ReadFile(home / "TWO" / "M.TXT"), Pattern(64, 5));
    EXPECT_FALSE(fs::exists(home / "ONE" / "M.TXT"));
    EXPECT_FALSE(Node(pc, (home / "ONE" / "M.TXT").string())) << "its node leaves the old folder";
    EXPECT_TRUE(Node(pc, (home / "TWO" / "M.TXT").string()));
    EXPECT_EQ(Lines().value(0), QString::fromStdString(trf(txt::kMoved, {(home / "ONE" / "M.TXT").string()})));
}

TEST_F(AdvancedModeTest, DownloadWithDeleteOnTakesTheFileOffTheTerminalAndListsCAnew)
{
    std::ofstream(dir / "term" / "C" / "DATA" / "LOG.TXT", std::ios::binary) << "A\r\nB\r\n";
    Open();
    app->config().deleteAfterReceive = 1;
    app->config().carriageReturn = 0;
    app->config().lineFeed = 1;
    QTreeWidgetItem* homeNode = OpenPc(home);
    Click(terminal, terminal->DriveNode('C'));
    Click(terminal, Node(terminal, "C:\\DATA"));
    Click(terminal, Node(terminal, "C:\\DATA\\LOG.TXT"));
    ASSERT_TRUE(Drop(pc, homeNode, CExplorerTree::ChosenData(TreeSide::Terminal)));
    EXPECT_EQ(ReadText(home / "LOG.TXT"), "A\nB\n");
    EXPECT_TRUE(FindNoCase(dir / "term", "C/DATA/LOG.TXT").empty());
    EXPECT_FALSE(Node(terminal, "C:\\DATA\\LOG.TXT")) << "C: is listed anew";
    EXPECT_TRUE(Node(terminal, "C:\\DATA"));
    EXPECT_TRUE(Node(pc, (home / "LOG.TXT").string()));
    EXPECT_EQ(Lines().value(0), QString::fromStdString(trf(txt::kMoved, {"C:\\DATA\\LOG.TXT"})));
}

TEST_F(AdvancedModeTest, TheDeleteKeyDeletesTheChosenFilesOfItsTreeWithoutAsking)
{
    WriteFile(home / "X.TXT", Pattern(10, 7));
    WriteFile(home / "Y.TXT", Pattern(10, 8));
    WriteFile(home / "KEEP.TXT", Pattern(10, 9));
    WriteFile(dir / "term" / "C" / "DATA" / "T.TXT", Pattern(10, 10));
    Open();
    OpenPc(home);
    Click(pc, Node(pc, (home / "X.TXT").string()));
    QTest::mouseClick(pc->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      pc->visualItemRect(Node(pc, (home / "Y.TXT").string())).center());
    EXPECT_TRUE(pc->Marked(Node(pc, (home / "X.TXT").string()))) << "a chosen file stays marked";
    // The arrow keys leave the selection where it is.
    QTreeWidgetItem* current = pc->currentItem();
    QTest::keyClick(pc, Qt::Key_Down);
    EXPECT_EQ(pc->currentItem(), current);
    QTest::keyClick(pc, Qt::Key_Delete);
    EXPECT_FALSE(fs::exists(home / "X.TXT"));
    EXPECT_FALSE(fs::exists(home / "Y.TXT"));
    EXPECT_TRUE(fs::exists(home / "KEEP.TXT"));
    EXPECT_FALSE(Node(pc, (home / "X.TXT").string()));
    EXPECT_EQ(Lines().value(0), QString::fromStdString(trf(txt::kDeleted, {(home / "Y.TXT").string()})));

    Click(terminal, terminal->DriveNode('C'));
    Click(terminal, Node(terminal, "C:\\DATA"));
    Click(terminal, Node(terminal, "C:\\DATA\\T.TXT"));
    QTest::keyClick(terminal, Qt::Key_Delete);
    Settle();
    EXPECT_TRUE(FindNoCase(dir / "term", "C/DATA/T.TXT").empty());
    EXPECT_FALSE(Node(terminal, "C:\\DATA\\T.TXT"));
    EXPECT_EQ(Lines().value(0), QString::fromStdString(trf(txt::kDeleted, {"C:\\DATA\\T.TXT"})));
    EXPECT_TRUE(shown.empty()) << "no question, no message box";
}

TEST_F(AdvancedModeTest, TheRootListsTheDrivesAndFormatAsksFirstThenListsTheDriveAnew)
{
    WriteFile(dir / "term" / "C" / "DATA" / "F.TXT", Pattern(10, 11));
    Open();
    // The terminal's root asks the terminal for its drives: the fixed C: node is replaced.
    terminal->DriveNode('C')->setData(0, Qt::UserRole + 9, true);
    Click(terminal, terminal->Root());
    ASSERT_TRUE(terminal->DriveNode('C'));
    EXPECT_FALSE(terminal->DriveNode('C')->data(0, Qt::UserRole + 9).toBool());
    Click(terminal, terminal->DriveNode('C'));
    EXPECT_FALSE(Command(pc, pc->Root(), treecmd::kFormat)) << "the PC tree formats nothing";
    EXPECT_FALSE(Command(terminal, Node(terminal, "C:\\DATA"), treecmd::kFormat)) << "only a drive";
    // No keeps the files.
    ASSERT_TRUE(Command(terminal, terminal->DriveNode('C'), treecmd::kFormat));
    EXPECT_FALSE(FindNoCase(dir / "term", "C/DATA/F.TXT").empty());
    EXPECT_EQ(asked, std::vector<int>{txt::kFormatConfirm});
    answers = {Answer::Yes};
    ASSERT_TRUE(Command(terminal, terminal->DriveNode('C'), treecmd::kFormat));
    EXPECT_TRUE(Shown(txt::kFormatDone));
    EXPECT_TRUE(FindNoCase(dir / "term", "C/DATA/F.TXT").empty());
    EXPECT_FALSE(Node(terminal, "C:\\DATA")) << "C: is listed anew";
    EXPECT_TRUE(terminal->DriveNode('C')->isExpanded());
}

// The Tools menu's format runs the core's procedure on the worker; the tree lists the drive anew.
TEST_F(AdvancedModeTest, ToolsFormatCEmptiesCAndTheTreeListsItAnew)
{
    WriteFile(dir / "term" / "C" / "DATA" / "F.TXT", Pattern(10, 12));
    Open();
    Click(terminal, terminal->DriveNode('C'));
    ASSERT_TRUE(Node(terminal, "C:\\DATA"));
    answers = {Answer::Yes};
    frame->Action(gui::cmd::kFormatC)->trigger();
    Settle();
    EXPECT_EQ(asked, std::vector<int>{txt::kFormatConfirm});
    EXPECT_TRUE(Shown(txt::kFormatDone));
    EXPECT_TRUE(FindNoCase(dir / "term", "C/DATA/F.TXT").empty());
    EXPECT_FALSE(Node(terminal, "C:\\DATA")) << "C: is listed anew";
    EXPECT_TRUE(terminal->DriveNode('C')->isExpanded());
}

TEST_F(AdvancedModeTest, PropertiesOfAFileFillTheDialog)
{
    WriteFile(dir / "term" / "C" / "DATA" / "P.TXT", Pattern(1234, 6));
    Open();
    Click(terminal, terminal->DriveNode('C'));
    Click(terminal, Node(terminal, "C:\\DATA"));
    QStringList labels, values;
    gui::PropertiesDialog::showHook = [&](gui::PropertiesDialog& d) {
        for (int row = 0; row < 5; ++row) {
            labels << d.Label(row);
            values << d.Value(row);
        }
    };
    ASSERT_TRUE(Command(terminal, Node(terminal, "C:\\DATA\\P.TXT"), treecmd::kProperties));
    ASSERT_EQ(values.size(), 5);
    EXPECT_EQ(values[0], QStringLiteral("P.TXT"));
    EXPECT_EQ(values[1], QString::fromStdString(tr(txt::kFileKind)));
    EXPECT_EQ(values[2], QStringLiteral("C:\\DATA\\"));
    EXPECT_TRUE(values[3].startsWith(QStringLiteral("1234 "))) << values[3].toStdString();
    EXPECT_TRUE(values[4].contains(QLatin1Char('/'))) << values[4].toStdString();
    // The PC tree has no properties.
    Click(pc, pc->Root());
    EXPECT_FALSE(pc->MenuAction(treecmd::kProperties)->isEnabled());
}

}  // namespace
}  // namespace feld::test
