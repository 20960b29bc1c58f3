#pragma once
// Project mode's child: the list of projects with their Send, Status, Receive, Setup, Add and
// Remove buttons. The list and its buttons come with project mode; until then the view says so.

#include <QWidget>

namespace feld::gui {

class CProjectView : public QWidget {
    Q_OBJECT
public:
    explicit CProjectView(QWidget* parent = nullptr);
};

}  // namespace feld::gui
