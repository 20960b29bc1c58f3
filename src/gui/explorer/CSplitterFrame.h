#pragma once
// Advanced mode's child: the PC tree and the terminal tree side by side over the message view; it
// holds the list of chosen files that both trees share. On every resize of the main window the split goes back to halves both ways.

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
    QSplitter* outer() const { return outer_; }
    QSplitter* top() const { return top_; }

private:
    QSplitter* outer_;
    QSplitter* top_;
    TransferList list_;  // before the trees, which hold on to it
    CRemoteView* pcTree_;
    CPDTView* terminalTree_;
    CMessageView* messages_;
};

}  // namespace feld::gui
