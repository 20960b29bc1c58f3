#pragma once
// The About box: the program's icon, "FeldSpan Version 3.00 A" and OK.

#include <QDialog>
#include <QIcon>

namespace feld::gui {

// The body of an about box: an icon, a line of text (object name "version") and OK.
void FillAboutBox(QDialog* box, const QIcon& icon, const QString& text);

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
    // "FeldSpan Version" and the version written at start-up: "FeldSpan Version 3.00 A".
    static QString VersionText();
};

}  // namespace feld::gui
