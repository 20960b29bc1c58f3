#pragma once
// The folder picker of the receive dialog: the PC's folders as a tree, the chosen path in an edit
// that can also be typed into, and an OK that takes only a folder that exists; anything else is
// refused with a message and the picker stays open.

#include <QDialog>

class QFileSystemModel;
class QLineEdit;
class QTreeView;

namespace feld {
class Ui;
}

namespace feld::gui {

class CFolderDialog : public QDialog {
    Q_OBJECT
public:
    CFolderDialog(const QString& initialFolder, Ui& ui, QWidget* parent = nullptr);

    // OK with this path: true (and the dialog ends with OK) for a folder that exists; otherwise
    // false after saying that the folder cannot be used.
    bool Accept(const QString& path);
    // The folder chosen with OK (the initial folder until then).
    QString SelectedPath() const { return selected_; }
    QLineEdit* PathEdit() const { return path_; }

private:
    Ui& ui_;
    QString selected_;
    QString reveal_;  // the folder kept in sight while the tree fills in
    QFileSystemModel* model_;
    QTreeView* view_;
    QLineEdit* path_;
};

}  // namespace feld::gui
