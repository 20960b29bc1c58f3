#pragma once
// Advanced mode's child: the PC tree and the terminal tree side by side over the message view; it
// holds the list of chosen files that both trees share. The split keeps the proportions the user
// gave it (halves at first) through every resize of the main window.

#include <QWidget>

#include "explorer/TransferList.h"

class QSplitter;

namespace feld::gui {

class CMainFrame;
class CMessageView;
class CPDTView;
class CRemoteView;

class CSplitterFrame : public QWidget {
    Q_OBJECT
public:
    CSplitterFrame(CMainFrame& frame, QWidget* parent = nullptr);

    CMessageView* messageView() const { return messages_; }
    CRemoteView* pcTree() const { return pcTree_; }
    CPDTView* terminalTree() const { return terminalTree_; }
    // The files chosen in either tree.
    TransferList& transferList() { return list_; }
    // Top row half the height, left column half the width.
    void SplitInHalves();
    // The split as the user left it, in proportion to the current size (halves until the user
    // moves a divider). A resize of the window keeps the proportions.
    void ApplySplit();
    // "top row per mille,left column per mille", as stored; a text that does not parse is ignored.
    QString SplitText() const;
    void SetSplitText(const QString& text);
    QSplitter* outer() const { return outer_; }
    QSplitter* top() const { return top_; }

private:
    QSplitter* outer_;
    QSplitter* top_;
    TransferList list_;  // before the trees, which hold on to it
    CRemoteView* pcTree_;
    CPDTView* terminalTree_;
    CMessageView* messages_;
    int topShare_ = 500;   // per mille of the height for the trees' row
    int leftShare_ = 500;  // per mille of the width for the PC tree
    bool applying_ = false;
};

}  // namespace feld::gui
