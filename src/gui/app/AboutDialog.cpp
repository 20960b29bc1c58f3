#include "gui/app/AboutDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "base/Texts.h"
#include "gui/app/Icons.h"
#include "gui/app/QtUi.h"
#include "session/Config.h"

namespace feld::gui {

void FillAboutBox(QDialog* box, const QIcon& icon, const QString& text)
{
    auto* picture = new QLabel(box);
    picture->setPixmap(icon.pixmap(48, 48));
    auto* line = new QLabel(text, box);
    line->setObjectName(QStringLiteral("version"));
    auto* row = new QHBoxLayout;
    row->addWidget(picture);
    row->addSpacing(12);
    row->addWidget(line, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, box, &QDialog::accept);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

QString AboutDialog::VersionText()
{
    return QStringLiteral("FeldSpan Version ") +
           qs(formatText("%1.2f %s", {(Config::kVersion % 1000) * 0.01, Config::kVersionEx}));
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(qtk("about.title", "關於 FeldSpan"));
    FillAboutBox(this, icons::app(), VersionText());
}

}  // namespace feld::gui
