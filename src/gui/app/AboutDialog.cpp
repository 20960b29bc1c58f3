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

QString AboutDialog::VersionText()
{
    return QStringLiteral("FeldSpan Version ") +
           qs(formatText("%1.2f %s", {(Config::kVersion % 1000) * 0.01, Config::kVersionEx}));
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(qtk("about.title", "關於 FeldSpan"));
    auto* icon = new QLabel(this);
    icon->setPixmap(icons::app().pixmap(48, 48));
    auto* text = new QLabel(VersionText(), this);
    text->setObjectName(QStringLiteral("version"));
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(text, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

}  // namespace feld::gui
