#include "gui/cradle/CradleDialogs.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/app/Icons.h"
#include "gui/app/QtUi.h"

namespace feld::gui {

AboutCradleDialog::AboutCradleDialog(const QString& versionLine, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutCradleDialog"));
    setWindowTitle(qtk("aboutCradle.title", "關於充電座"));
    auto* icon = new QLabel(this);
    icon->setPixmap(icons::cradle().pixmap(48, 48));
    auto* text = new QLabel(versionLine, this);
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

CradleUpdateDialog::CradleUpdateDialog(Config&, QtUi&, QWidget* parent) : QDialog(parent) {}
CradleUpdateDialog::~CradleUpdateDialog() = default;

}  // namespace feld::gui
