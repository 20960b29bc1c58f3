#include "gui/project/CProjectView.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/app/QtUi.h"

namespace feld::gui {

CProjectView::CProjectView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CProjectView"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(qtr(txt::kProjectsLabel), this);
    label->setAlignment(Qt::AlignCenter);
    label->setEnabled(false);
    layout->addWidget(label);
}

}  // namespace feld::gui
