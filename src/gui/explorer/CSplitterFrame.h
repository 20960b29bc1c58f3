#pragma once
// Advanced mode's child: the PC tree and the terminal tree side by side over the message view. On
// every resize of the main window the split goes back to halves both ways.

#include <QWidget>

class QSplitter;

namespace feld::gui {

class CMessageView;

class CSplitterFrame : public QWidget {
    Q_OBJECT
public:
    explicit CSplitterFrame(QWidget* parent = nullptr);

    CMessageView* messageView() const { return messages_; }
    // The areas the PC tree and the terminal tree go into.
    QWidget* pcArea() const { return pcArea_; }
    QWidget* terminalArea() const { return terminalArea_; }
    // Top row half the height, left column half the width.
    void SplitInHalves();
    QSplitter* outer() const { return outer_; }
    QSplitter* top() const { return top_; }

private:
    QSplitter* outer_;
    QSplitter* top_;
    QWidget* pcArea_;
    QWidget* terminalArea_;
    CMessageView* messages_;
};

}  // namespace feld::gui
