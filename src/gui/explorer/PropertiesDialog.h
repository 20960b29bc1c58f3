#pragma once
// The properties of a terminal drive, folder or file: five read-only rows (name, type, location,
// size, creation date; for a drive used space, free space and capacity) and OK.

#include <QDialog>

#include <functional>

#include "explorer/TerminalProperties.h"

class QLabel;
class QLineEdit;

namespace feld::gui {

class PropertiesDialog : public QDialog {
    Q_OBJECT
public:
    PropertiesDialog(const PropertiesFields& fields, QWidget* parent = nullptr);

    // Shows the dialog modally (or hands it to showHook).
    static void Show(const PropertiesFields& fields, QWidget* parent);
    // For tests and screenshots: called with the dialog instead of showing it modally.
    static inline std::function<void(PropertiesDialog&)> showHook;

    // Row 0-4: its label and its value.
    QString Label(int row) const;
    QString Value(int row) const;

private:
    QLabel* labels_[5] = {};
    QLineEdit* values_[5] = {};
};

}  // namespace feld::gui
