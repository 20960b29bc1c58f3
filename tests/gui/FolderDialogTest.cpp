// The receive dialog's folder picker: its OK takes only a folder that exists and otherwise says
// so and stays open.

#include <gtest/gtest.h>

#include <QLineEdit>

#include "GuiTestUi.h"
#include "base/Texts.h"
#include "gui/project/CFolderDialog.h"
#include "support/TestFiles.h"

namespace feld::test {
namespace {

TEST(FolderDialog, OkRefusesAPathThatIsNoFolderAndStaysOpen)
{
    TempDir temp;
    WriteFile(temp / "file.txt", {1});
    GuiTestUi ui;
    const QString start = QString::fromStdString(temp.path().string());
    gui::CFolderDialog dialog(start, ui);
    dialog.show();
    EXPECT_EQ(dialog.PathEdit()->text(), start);
    for (const char* bad : {"missing", "file.txt"}) {
        const QString path = QString::fromStdString((temp / bad).string());
        EXPECT_FALSE(dialog.Accept(path)) << bad;
        EXPECT_TRUE(dialog.isVisible()) << bad;
        EXPECT_EQ(dialog.SelectedPath(), start) << bad;
    }
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kBadFolder, txt::kBadFolder}));

    const QString good = QString::fromStdString((temp / "sub").string());
    std::filesystem::create_directories(temp / "sub");
    EXPECT_TRUE(dialog.Accept(good));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.SelectedPath(), good);
}

}  // namespace
}  // namespace feld::test
