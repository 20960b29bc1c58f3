#include "gui/explorer/CMessageView.h"

namespace feld::gui {

CMessageView::CMessageView(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("CMessageView"));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void CMessageView::AddLine(const QString& line) { insertItem(0, line); }

QStringList CMessageView::Lines() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out << item(i)->text();
    return out;
}

}  // namespace feld::gui
