#pragma once
// The data-receive dialog: which file of the terminal's C:\Data, append or new/overwrite, whether
// the CR and the LF of each CR LF pair are kept, the PC folder it goes to, and whether the
// terminal's file goes once it is received. The options it is accepted with become the stored
// settings (the same ones the Settings menu toggles).

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "project/DataReceive.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace feld {
class Config;
class Ui;
}  // namespace feld

namespace feld::gui {

class ReceiveDialog : public QDialog {
    Q_OBJECT
public:
    ReceiveDialog(Config& config, Ui& ui, const std::vector<std::string>& names, QWidget* parent = nullptr);

    // Shows the dialog and waits for it: the choice when it ended with Receive. On the window's
    // thread.
    static std::optional<ReceiveChoice> Ask(Config& config, Ui& ui, const std::vector<std::string>& names,
                                            QWidget* parent);
    // For tests: called with the dialog in place of showing it; it sets the controls and accepts
    // (Receive) or rejects (Cancel) it.
    static inline std::function<void(ReceiveDialog&)> answerHook;

    // The controls, for the tests' hook.
    QComboBox* FileBox() const { return file_; }
    QComboBox* FormatBox() const { return format_; }
    QCheckBox* KeepCrBox() const { return keepCr_; }
    QCheckBox* KeepLfBox() const { return keepLf_; }
    QLineEdit* PathEdit() const { return path_; }
    QCheckBox* DeleteBox() const { return delete_; }
    QPushButton* BrowseButton() const { return browse_; }

    // The choice as the dialog shows it now.
    ReceiveChoice Choice() const;

    void accept() override;

private:
    void Browse();

    Config& config_;
    Ui& ui_;
    QComboBox* file_;
    QComboBox* format_;
    QCheckBox* keepCr_;
    QCheckBox* keepLf_;
    QLineEdit* path_;
    QPushButton* browse_;
    QCheckBox* delete_;
};

}  // namespace feld::gui
