#include "gui/app/HelpWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/app/QtUi.h"
#include "session/Config.h"

namespace feld::gui {

QString HelpWindow::IndexPage(const QString& mainPath)
{
    // The language's own pages when there are some; else a Chinese reader gets the program's own
    // (Traditional Chinese) pages and everyone else the English ones.
    const QString lang = qtk("help.folder", "");
    QDir help(QDir(mainPath).filePath(QStringLiteral("help")));
    for (const QString& folder : {lang, lang.startsWith(QStringLiteral("zh")) ? QString() : QStringLiteral("en")}) {
        if (!folder.isEmpty() && QFileInfo::exists(help.filePath(folder + QStringLiteral("/index.html"))))
            return help.filePath(folder + QStringLiteral("/index.html"));
        if (lang.isEmpty())
            break;
    }
    return help.filePath(QStringLiteral("index.html"));
}

HelpWindow* HelpWindow::Show(const QString& mainPath, QWidget* parent)
{
    static QPointer<HelpWindow> open;
    if (!open) {
        // MAINPATH may name a folder without help pages (on Windows it is the companion program's
        // folder): then the pages that came with this program are shown.
        const bool hasHelp = QFileInfo(QDir(mainPath).filePath(QStringLiteral("help"))).isDir();
        const QString folder = hasHelp ? mainPath : QString::fromStdString(Config::dataFolder());
        open = new HelpWindow(IndexPage(folder), parent);
        open->setAttribute(Qt::WA_DeleteOnClose);
    }
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

HelpWindow::HelpWindow(const QString& page, QWidget* parent) : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(qtk("help.title", "FeldSpan 說明"));
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    if (QFileInfo::exists(page))
        browser_->setSource(QUrl::fromLocalFile(page));
    else
        browser_->setHtml(qtk("help.missing", "<p>The help pages are not installed (%1).</p>").arg(page.toHtmlEscaped()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 560);
}

}  // namespace feld::gui
