#pragma once
// Project mode's child: the projects picked for sending (at most ten) as a tree, one root per
// project with its program, fonts, lookup files and data files, and the buttons beside it. Add and
// Remove work on the list here; Status, Send, Receive, Setup and About are the main window's
// commands, asked for by signals. While the list is empty the tree shows an empty project as a
// placeholder, which nothing removes.

#include <QWidget>

#include <string>
#include <vector>

#include "project/ProjectList.h"

class QAbstractButton;
class QCheckBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace feld {
class Config;
}

namespace feld::gui {

class QtUi;

class CProjectView : public QWidget {
    Q_OBJECT
public:
    CProjectView(Config& config, QtUi& ui, QWidget* parent = nullptr);

    // Asks for a project file and adds it; with ten listed it says so and asks nothing.
    void Add();
    // Adds the project of a file: false when it cannot be read (nothing said) or a listed project
    // has the same name (said so).
    bool LoadProjectFile(const std::string& path);
    // Removes the project whose root is selected.
    void Remove();
    // Empties the list; the placeholder comes back.
    void Reset();
    // The project the project builder handed over, when its file can be read.
    void LoadHandedOver();

    const ProjectList& List() const { return list_; }
    // The listed projects in their order, as Send takes them.
    std::vector<ProjectEntry> Projects() const;
    QTreeWidget* Tree() const { return tree_; }

    enum class Button { Add, Remove, Status, Send, Receive, Setup, About };
    QAbstractButton* ButtonOf(Button which) const;
    // The buttons that reach the terminal wait while an operation runs.
    void SetBusy(bool busy);
    // "Send only changed files" beside Send: kept in the settings, off unless the user turns it on.
    QCheckBox* OnlyChangedBox() const { return onlyChanged_; }

signals:
    void statusRequested();
    void sendRequested();
    void receiveRequested();
    void setupRequested();
    void aboutRequested();

private:
    // A root with its four groups, appended to the tree.
    QTreeWidgetItem* AddRoot(const QString& text);
    void ShowPlaceholder();

    Config& config_;
    QtUi& ui_;
    ProjectList list_;
    QTreeWidget* tree_;
    QLabel* projectsLabel_;
    QList<QAbstractButton*> buttons_;  // in the order of Button
    QCheckBox* onlyChanged_;
};

}  // namespace feld::gui
