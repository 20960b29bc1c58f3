#pragma once
// The resident settings dialog: the storage folder, the ten terminal files to collect, and the
// schedule (every 10 s to 3 min, or up to three times a day). It edits its own copy of the schedule
// and writes it back only on OK, after the storage folder has taken a test file.

#include <QDialog>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "session/Config.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class QPushButton;
class QRadioButton;
class QTimeEdit;

namespace feld {
class Clock;
class Ui;
}

namespace feld::gui {

class CStandbyDlg : public QDialog {
    Q_OBJECT
public:
    // `block` is changed only by OK; `projectPath` starts the folder picker when the storage edit
    // is empty.
    CStandbyDlg(StandbyBlock& block, const std::string& projectPath, Ui& ui, Clock& clock, QWidget* parent = nullptr);

    // OK: true (and the dialog ends with OK) when the storage folder took the test file and the
    // block was written back; false after 61284, with the focus in the storage edit.
    bool Confirm();

    // Lists the files of the terminal's C:\Data and hands their names to the callback, on the
    // window's thread, once the listing is there (never, when it failed: the reason was shown).
    using DataFileLister = std::function<void(std::function<void(const std::vector<std::string>&)>)>;
    // Without one the choosers beside the entries are greyed.
    void SetDataFileLister(DataFileLister lister);

    // Parts for the tests.
    QLineEdit* StorageEdit() const { return storage_; }
    QCheckBox* FileCheck(int i) const { return fileCheck_[static_cast<std::size_t>(i)]; }
    QLineEdit* FileEdit(int i) const { return fileEdit_[static_cast<std::size_t>(i)]; }
    QRadioButton* EveryRadio() const { return every_; }
    QRadioButton* FixedRadio() const { return fixed_; }
    QComboBox* IntervalList() const { return interval_; }
    QCheckBox* TimeCheck(int i) const { return timeCheck_[static_cast<std::size_t>(i)]; }
    QTimeEdit* TimePicker(int i) const { return timeEdit_[static_cast<std::size_t>(i)]; }
    QToolButton* FileChooser(int i) const { return chooser_[static_cast<std::size_t>(i)]; }
    // The names offered by the last chooser opened (its menu, shown beside it).
    QMenu* ChoiceMenu() const { return choices_; }
    // What is wrong with entry i as typed, said beside the entries at once; empty when nothing is.
    QString EntryProblem(int i) const;

    // The interval list's entries in seconds, and the entry shown for a stored value (0 for a value
    // not in the list).
    static constexpr std::array<int, 6> kIntervals{10, 20, 30, 60, 120, 180};
    static int IntervalIndex(int seconds);

private:
    void UpdateEnabled();
    void Browse();
    void CheckEntry(std::size_t i);
    void Choose(std::size_t i);
    void ShowChoices(std::size_t i);

    StandbyBlock& block_;
    std::string projectPath_;
    Ui& ui_;
    Clock& clock_;
    QLineEdit* storage_;
    QPushButton* browse_;
    std::array<QCheckBox*, 10> fileCheck_{};
    std::array<QLineEdit*, 10> fileEdit_{};
    std::array<QToolButton*, 10> chooser_{};
    std::array<QString, 10> problem_{};
    QLabel* entryNote_ = nullptr;
    QMenu* choices_ = nullptr;
    DataFileLister lister_;
    std::vector<std::string> dataFiles_;
    QRadioButton* every_;
    QRadioButton* fixed_;
    QComboBox* interval_;
    std::array<QCheckBox*, 3> timeCheck_{};
    std::array<QTimeEdit*, 3> timeEdit_{};
};

}  // namespace feld::gui
