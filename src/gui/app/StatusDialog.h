#pragma once
// The terminal status dialog: the firmware version and the total, used and free bytes of drives
// C: and D:; a drive whose free value is negative is not formatted and reads "UnFormat".

#include <QDialog>

class QLabel;

namespace feld::gui {

class StatusDialog : public QDialog {
    Q_OBJECT
public:
    explicit StatusDialog(QWidget* parent = nullptr);
    // Version in hundredths (200 is 2.00); used = total - free as the caller works it out.
    void SetValues(int version, int cTotal, int cUsed, int cFree, int dTotal, int dUsed, int dFree);
    // What a field shows, for the tests: "version", "cTotal", "cUsed", "cFree", "dTotal", ...
    QString FieldText(const QString& name) const;

private:
    QLabel* field(const QString& name) const;
};

}  // namespace feld::gui
