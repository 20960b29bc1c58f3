#pragma once
// The bottom pane of advanced mode: one-line results (file copied, deleted, collected), newest on
// top. Lines are kept for the whole run.

#include <QListWidget>

namespace feld::gui {

class CMessageView : public QListWidget {
    Q_OBJECT
public:
    explicit CMessageView(QWidget* parent = nullptr);

    // Inserts the line at the top.
    void AddLine(const QString& line);
    // The lines, newest first.
    QStringList Lines() const;
};

}  // namespace feld::gui
