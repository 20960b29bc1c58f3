// Advanced mode against the simulated terminal: files go up by paste, by drag and from the desktop's
// file manager, come down with the Delete setting on, move between two PC folders, and a file's
// properties fill the dialog. The PC tree's home place is the test's own folder.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <QAbstractButton>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <atomic>
#include <optional>
#include <chrono>
#include <deque>
#include <thread>

#include "base/Texts.h"
#include "explorer/NodeKind.h"
#include "explorer/TransferProcedures.h"
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

// Several files pasted into a folder that has them: the question offers Yes, Yes to all, No, No to all
// and Cancel; a file not replaced is skipped (no failure box), Cancel stops before the file it
// was asked for. The last round answers the real message box, as a user would.
TEST_F(AdvancedModeTest, OverwriteQuestionsForSeveralFilesSkipOrStopAsAnswered)
{
    const char* names[] = {"A.TXT", "B.TXT", "C.TXT"};
    for (int i = 0; i < 3; ++i)
        WriteFile(home / names[i], Pattern(200, i + 1));
    Open();
    OpenPc(home);
    Click(terminal, terminal->DriveNode('C'));
    struct Case {
        const char* name;
        std::deque<Answer> answers;  // empty: the real box, answered "Yes to all"
        std::string replaced;        // per file: r replaced, k kept
        std::size_t questions;
        int skipped, cancelled;      // message-view lines
    };
    const Case cases[] = {
        {"no, then yes to all", {Answer::No, Answer::YesToAll}, "krr", 2, 1, 0},
        {"no to all", {Answer::NoToAll}, "kkk", 1, 3, 0},
        {"yes, then cancel", {Answer::Yes, Answer::Cancel}, "rkk", 2, 0, 1},
        {"the real box", {}, "rrr", 1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* name : names)
            WriteFile(dir / "term" / "C" / "DATA" / name, Pattern(3));
        asked.clear();
        shown.clear();
        answers = c.answers;
        QStringList boxButtons;
        bool noIsDefault = false;
        auto hook = app->ui().answerQuestions;
        QTimer poll;
        if (c.answers.empty()) {
            app->ui().answerQuestions = nullptr;
            QObject::connect(&poll, &QTimer::timeout, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box)
                    return;
                poll.stop();
                for (QAbstractButton* b : box->buttons())
                    boxButtons << b->text();
                noIsDefault = box->defaultButton() && box->defaultButton() == box->button(QMessageBox::No);
                asked.push_back(0);
                box->button(QMessageBox::YesToAll)->click();
            });
            poll.start(20);
        }
        const int before = Lines().size();
        // The three files chosen anew: a paste empties the list.
        Click(pc, Node(pc, (home / "A.TXT").string()));
        for (const char* name : {"B.TXT", "C.TXT"})
            QTest::mouseClick(pc->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              pc->visualItemRect(Node(pc, (home / name).string())).center());
        ASSERT_TRUE(Command(pc, Node(pc, (home / "A.TXT").string()), treecmd::kCopy));
        ASSERT_TRUE(Command(terminal, Node(terminal, "C:\\DATA"), treecmd::kPaste));
        app->ui().answerQuestions = hook;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(ReadFile(FindNoCase(dir / "term", fs::path("C/DATA") / names[i])),
                      c.replaced[static_cast<std::size_t>(i)] == 'r' ? Pattern(200, i + 1) : Pattern(3))
                << names[i];
        EXPECT_EQ(asked.size(), c.questions);
        EXPECT_FALSE(Shown(txt::kTransferFailed)) << "not replacing is no failure";
        const QStringList lines = Lines().mid(0, Lines().size() - before);
        int skipped = 0, cancelled = 0;
        for (const char* name : names) {
            const std::string path = (home / name).string();
            skipped += lines.count(QString::fromStdString(TransferProcedures::SkippedLine(path)));
            cancelled += lines.count(QString::fromStdString(TransferProcedures::CancelledLine(path)));
        }
        EXPECT_EQ(skipped, c.skipped) << lines.join('\n').toStdString();
        EXPECT_EQ(cancelled, c.cancelled) << lines.join('\n').toStdString();
        if (c.answers.empty()) {
            EXPECT_EQ(boxButtons.size(), 5) << boxButtons.join(',').toStdString();
            EXPECT_TRUE(noIsDefault) << "Enter keeps the file";
        }
    }
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

TEST_F(AdvancedModeTest, DeletingPutsPcFilesInTheTrashAndAsksBeforeTerminalFilesGo)
{
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    fs::create_directories(dir / "data");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((dir / "data").string()));
    WriteFile(home / "X.TXT", Pattern(10, 7));
    WriteFile(home / "Y.TXT", Pattern(10, 8));
    WriteFile(home / "KEEP.TXT", Pattern(10, 9));
    WriteFile(dir / "term" / "C" / "DATA" / "T.TXT", Pattern(10, 10));
    WriteFile(dir / "term" / "C" / "DATA" / "U.TXT", Pattern(10, 11));
    Open();
    OpenPc(home);
    Click(pc, Node(pc, (home / "X.TXT").string()));
    QTest::mouseClick(pc->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      pc->visualItemRect(Node(pc, (home / "Y.TXT").string())).center());
    QTest::keyClick(pc, Qt::Key_Delete);
    EXPECT_EQ(ReadFile(dir / "data" / "Trash" / "files" / "X.TXT"), Pattern(10, 7)) << "in the trash, not gone";
    EXPECT_EQ(ReadFile(dir / "data" / "Trash" / "files" / "Y.TXT"), Pattern(10, 8));
    EXPECT_FALSE(fs::exists(home / "X.TXT"));
    EXPECT_FALSE(Node(pc, (home / "X.TXT").string()));
    EXPECT_TRUE(fs::exists(home / "KEEP.TXT"));
    EXPECT_TRUE(asked.empty()) << "the trash needs no question";

    // Where no trash can be made, the file goes for good only after a Yes.
    WriteFile(dir / "no-trash", Pattern(1, 1));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((dir / "no-trash").string()));
    for (Answer a : {Answer::No, Answer::Yes}) {
        answers = {a};
        Click(pc, Node(pc, (home / "KEEP.TXT").string()));
        QTest::keyClick(pc, Qt::Key_Delete);
        EXPECT_EQ(fs::exists(home / "KEEP.TXT"), a == Answer::No);
    }
    ASSERT_EQ(askedTexts.size(), 2u);
    EXPECT_TRUE(askedTexts[0].contains(QString::fromStdString((home / "KEEP.TXT").string())));
    qputenv("XDG_DATA_HOME", oldData);

    // The terminal has no trash: its files are named in a question whose default is No.
    Click(terminal, terminal->DriveNode('C'));
    Click(terminal, Node(terminal, "C:\\DATA"));
    Click(terminal, Node(terminal, "C:\\DATA\\T.TXT"));
    QTest::mouseClick(terminal->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      terminal->visualItemRect(Node(terminal, "C:\\DATA\\U.TXT")).center());
    auto scripted = app->ui().answerQuestions;
    app->ui().answerQuestions = nullptr;
    QString question;
    QTimer enter;
    QObject::connect(&enter, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            question = box->text();
            EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::No));
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    enter.start(20);
    QTest::keyClick(terminal, Qt::Key_Delete);
    enter.stop();
    app->ui().answerQuestions = scripted;
    Settle();
    EXPECT_TRUE(question.contains(QStringLiteral("C:\\DATA\\T.TXT")) && question.contains(QStringLiteral("C:\\DATA\\U.TXT")))
        << question.toStdString();
    EXPECT_FALSE(FindNoCase(dir / "term", "C/DATA/T.TXT").empty()) << "Enter answered No";
    answers = {Answer::Yes};
    QTest::keyClick(terminal, Qt::Key_Delete);
    Settle();
    EXPECT_TRUE(FindNoCase(dir / "term", "C/DATA/T.TXT").empty());
    EXPECT_TRUE(FindNoCase(dir / "term", "C/DATA/U.TXT").empty());
    EXPECT_FALSE(Node(terminal, "C:\\DATA\\T.TXT"));
}

// Several chosen files travel together when the drag starts on one of them; a plain click on one
// of them, without a drag, chooses it alone.
TEST_F(AdvancedModeTest, ADragFromOneOfSeveralChosenFilesCarriesThemAll)
{
    for (const char* name : {"A.TXT", "B.TXT", "C.TXT"})
        WriteFile(home / name, Pattern(40, name[0]));
    Open();
    OpenPc(home);
    Click(terminal, terminal->DriveNode('C'));
    auto choose = [&] {
        Click(pc, Node(pc, (home / "A.TXT").string()));
        for (const char* name : {"B.TXT", "C.TXT"})
            QTest::mouseClick(pc->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              pc->visualItemRect(Node(pc, (home / name).string())).center());
        ASSERT_EQ(pc->List().Count(), 3);
    };
    const QPoint onB = [&] { return pc->visualItemRect(Node(pc, (home / "B.TXT").string())).center(); }();
    choose();
    QTest::mouseClick(pc->viewport(), Qt::LeftButton, Qt::NoModifier, onB);
    EXPECT_EQ(pc->List().Count(), 1) << "a click chooses one";

    choose();
    QTest::mousePress(pc->viewport(), Qt::LeftButton, Qt::NoModifier, onB);
    EXPECT_EQ(pc->List().Count(), 3);
    ASSERT_TRUE(Drop(terminal, Node(terminal, "C:\\DATA"), CExplorerTree::ChosenData(TreeSide::Pc)));
    for (const char* name : {"A.TXT", "B.TXT", "C.TXT"})
        EXPECT_EQ(ReadFile(FindNoCase(dir / "term", fs::path("C/DATA") / name)), Pattern(40, name[0])) << name;
}

// Keys alone: Tab between the trees, Enter lists and opens, the arrows move without listing,
// Ctrl+C in the terminal tree and Ctrl+V on a PC folder download; the trees show sizes and dates
// with folders before files.
TEST_F(AdvancedModeTest, TheKeyboardCopiesATerminalFileIntoAPcFolder)
{
    WriteFile(dir / "term" / "C" / "DATA" / "K.TXT", Pattern(3000, 12));
    fs::create_directories(home / "IN");
    WriteFile(home / "AA.TXT", Pattern(5, 1));
    Open();
    terminal->setFocus();
    auto key = [&](QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(w, k, m);
        Settle();
    };
    terminal->setCurrentItem(terminal->DriveNode('C'));
    key(terminal, Qt::Key_Down);
    key(terminal, Qt::Key_Up);
    EXPECT_EQ(terminal->DriveNode('C')->childCount(), 1) << "moving lists nothing";
    key(terminal, Qt::Key_Return);
    ASSERT_TRUE(Node(terminal, "C:\\DATA"));
    EXPECT_TRUE(terminal->DriveNode('C')->isExpanded());
    key(terminal, Qt::Key_Down);
    ASSERT_EQ(terminal->currentItem(), Node(terminal, "C:\\DATA"));
    key(terminal, Qt::Key_Return);
    key(terminal, Qt::Key_Down);
    ASSERT_EQ(terminal->currentItem(), Node(terminal, "C:\\DATA\\K.TXT"));
    EXPECT_EQ(terminal->currentItem()->text(CExplorerTree::kSizeColumn), QStringLiteral("2.9 KiB"));
    EXPECT_FALSE(terminal->currentItem()->text(CExplorerTree::kDateColumn).isEmpty());
    key(terminal, Qt::Key_C, Qt::ControlModifier);

    pc->setCurrentItem(Node(pc, home.string()));
    key(pc, Qt::Key_Return);
    QTreeWidgetItem* homeNode = Node(pc, home.string());
    ASSERT_EQ(homeNode->childCount(), 2);
    EXPECT_EQ(CExplorerTree::KindOf(homeNode->child(0)), kNodeFolder) << "folders first";
    pc->sortByColumn(CExplorerTree::kNameColumn, Qt::DescendingOrder);
    EXPECT_EQ(CExplorerTree::KindOf(homeNode->child(0)), kNodeFolder) << "folders first either way";
    pc->setCurrentItem(Node(pc, (home / "IN").string()));
    key(pc, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ReadFile(home / "IN" / "K.TXT"), Pattern(3000, 12));
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
    EXPECT_TRUE(askedTexts.at(0).contains(QStringLiteral("C:"))) << "the question names the drive";
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
