#pragma once
// The program's own help: HTML pages in the data folder (help/), shown in a window of the program.

#include <QDialog>

class QTextBrowser;

namespace feld::gui {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // The help of the data folder `mainPath` (or, when it has none, of the program's own data
    // folder); a second call brings the open window to the front.
    static HelpWindow* Show(const QString& mainPath, QWidget* parent);
    // The page shown: help/<language>/index.html when the language has one, else help/index.html.
    static QString IndexPage(const QString& mainPath);
    QTextBrowser* browser() const { return browser_; }

private:
    HelpWindow(const QString& page, QWidget* parent);
    QTextBrowser* browser_;
};

}  // namespace feld::gui
