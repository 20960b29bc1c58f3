// Project mode's list: the limit of ten tested before any file dialog, projects of the same name
// refused, Remove keeping the list and the tree in step, the placeholder, and what the tree shows
// of a project.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTreeWidget>

#include <filesystem>
#include <fstream>

#include "GuiTestUi.h"
#include "base/Texts.h"
#include "gui/project/CProjectView.h"
#include "session/Config.h"
#include "support/TestFiles.h"

namespace feld::test {
namespace {

namespace fs = std::filesystem;
using gui::CProjectView;

class ProjectViewTest : public ::testing::Test {
protected:
    TempDir temp;
    Config config{(temp.path() / "settings.ini").string()};
    GuiTestUi ui;
    std::unique_ptr<CProjectView> view;

    void SetUp() override
    {
        config.projectPath = temp.path().string() + "/";
        view = std::make_unique<CProjectView>(config, ui);
    }

    // A project file in its own folder, with these lines (CR LF between them).
    std::string Project(const std::string& file, std::initializer_list<std::string> lines)
    {
        const fs::path p = temp.path() / file;
        fs::create_directories(p.parent_path());
        std::ofstream out(p, std::ios::binary);
        for (const std::string& l : lines)
            out << l << "\r\n";
        return p.string();
    }
    std::string ProgramProject(const std::string& name)
    {
        return Project(name + "/" + name + ".ini", {"Program=C:\\Work\\" + name + ".ABP"});
    }
    QStringList Roots() const
    {
        QStringList out;
        for (int i = 0; i < view->Tree()->topLevelItemCount(); ++i)
            out << view->Tree()->topLevelItem(i)->text(0);
        return out;
    }
    static QStringList Children(QTreeWidgetItem* item)
    {
        QStringList out;
        for (int i = 0; i < item->childCount(); ++i)
            out << item->child(i)->text(0);
        return out;
    }
    void Click(CProjectView::Button b) { view->ButtonOf(b)->click(); }
};

TEST_F(ProjectViewTest, AddAsksForAProjectFileUntilTenAreListedThenRefusesBeforeAnyDialog)
{
    for (int i = 0; i < 9; ++i)
        ASSERT_TRUE(view->LoadProjectFile(ProgramProject("P" + std::to_string(i))));
    ui.files = {ProgramProject("P9")};
    Click(CProjectView::Button::Add);
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].filter, "Program File (*.ini) | *.ini ||");
    EXPECT_EQ(ui.fileRequests[0].initialFolder, config.projectPath + "Project/");
    EXPECT_EQ(view->List().Count(), 10);

    ui.files = {ProgramProject("P10")};
    Click(CProjectView::Button::Add);
    EXPECT_EQ(ui.fileRequests.size(), 1u) << "no file dialog with ten listed";
    EXPECT_EQ(ui.shownIds(), std::vector<int>{txt::kTooManyProjects});
    EXPECT_EQ(view->List().Count(), 10);
    EXPECT_EQ(Roots().size(), 10);
}

TEST_F(ProjectViewTest, AProjectWhoseProgramHasAListedNameIsRefused)
{
    ASSERT_TRUE(view->LoadProjectFile(Project("a/first.ini", {"Program=C:\\One\\APP.ABP"})));
    // The same file name in another folder, written the other way.
    EXPECT_FALSE(view->LoadProjectFile(Project("b/second.ini", {"Program=/home/two/APP.ABP", "Lookup1=/x/L.TXT"})));
    EXPECT_EQ(ui.shownIds(), std::vector<int>{txt::kProjectAdded});
    EXPECT_EQ(view->List().Count(), 1);
    EXPECT_EQ(Roots(), QStringList{QStringLiteral("Project:APP.ABP")});
    EXPECT_FALSE(view->LoadProjectFile((temp.path() / "missing.ini").string())) << "silently";
    EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(ProjectViewTest, RemoveTakesTheSelectedProjectOutOfListAndTreeAlikeAndTheLastBringsThePlaceholderBack)
{
    for (const char* name : {"A", "B", "C"})
        ASSERT_TRUE(view->LoadProjectFile(ProgramProject(name)));
    EXPECT_EQ(view->Tree()->currentItem(), view->Tree()->topLevelItem(2)) << "the new root is selected";

    // A group or a file selected is no project.
    view->Tree()->setCurrentItem(view->Tree()->topLevelItem(1)->child(0)->child(0));
    Click(CProjectView::Button::Remove);
    EXPECT_EQ(ui.shownIds(), std::vector<int>{txt::kSelectProject});
    EXPECT_EQ(view->List().Count(), 3);

    view->Tree()->setCurrentItem(view->Tree()->topLevelItem(1));
    Click(CProjectView::Button::Remove);
    ASSERT_EQ(view->List().Count(), 2);
    EXPECT_EQ(ProjectName(view->List().At(0)), "A.ABP");
    EXPECT_EQ(ProjectName(view->List().At(1)), "C.ABP");
    EXPECT_EQ(Roots(), (QStringList{QStringLiteral("Project:A.ABP"), QStringLiteral("Project:C.ABP")}));

    for (int i = 0; i < 2; ++i) {
        view->Tree()->setCurrentItem(view->Tree()->topLevelItem(0));
        Click(CProjectView::Button::Remove);
    }
    EXPECT_EQ(view->List().Count(), 0);
    ASSERT_EQ(Roots(), QStringList{QStringLiteral("Project:")});
    QTreeWidgetItem* placeholder = view->Tree()->topLevelItem(0);
    EXPECT_EQ(Children(placeholder), (QStringList{QStringLiteral("Program:"), QStringLiteral("Font:"),
                                                  QStringLiteral("Lookup File:"), QStringLiteral("Data File:")}));
    EXPECT_TRUE(placeholder->isExpanded());
    for (int g = 0; g < 4; ++g)
        EXPECT_EQ(placeholder->child(g)->childCount(), 0);
    view->Tree()->setCurrentItem(placeholder);
    Click(CProjectView::Button::Remove);
    EXPECT_EQ(Roots().size(), 1) << "the placeholder stays";
    EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(ProjectViewTest, TreeShowsTheFileNamesWithTheUserFontFirstAndAProjectWithoutProgramStays)
{
    ASSERT_TRUE(view->LoadProjectFile(Project("demo/DEMO.ini", {"SysFont=C:\\F\\SYS.FNT", "Program=C:\\W\\DEMO.ABP",
                                                                 "UserFont=/fonts/USER.FNT", "Lookup3=C:\\L\\L3.TXT",
                                                                 "Lookup1=C:\\L\\L1.TXT", "Lookup2=C:\\L\\",
                                                                 "DataFile2=D2.DAT"})));
    QTreeWidgetItem* root = view->Tree()->topLevelItem(0);
    EXPECT_EQ(root->text(0), QStringLiteral("Project:DEMO.ABP"));
    EXPECT_EQ(Children(root->child(0)), QStringList{QStringLiteral("DEMO.ABP")});
    EXPECT_EQ(Children(root->child(1)), (QStringList{QStringLiteral("USER.FNT"), QStringLiteral("SYS.FNT")}));
    EXPECT_EQ(Children(root->child(2)), (QStringList{QStringLiteral("L1.TXT"), QStringLiteral("L3.TXT")}));
    EXPECT_EQ(Children(root->child(3)), QStringList{QStringLiteral("D2.DAT")});

    // Nothing tells a project without a program apart: Remove leaves it, without a word.
    ASSERT_TRUE(view->LoadProjectFile(Project("np/NP.ini", {"Lookup1=C:\\L\\X.TXT"})));
    view->Tree()->setCurrentItem(view->Tree()->topLevelItem(1));
    Click(CProjectView::Button::Remove);
    EXPECT_EQ(view->List().Count(), 2);
    EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
}  // namespace feld::test
