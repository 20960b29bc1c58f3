#include "gui/explorer/CSplitterFrame.h"

#include <QSplitter>
#include <QVBoxLayout>

#include "gui/explorer/CMessageView.h"
#include "gui/explorer/CPDTView.h"
#include "gui/explorer/CRemoteView.h"

namespace feld::gui {

CSplitterFrame::CSplitterFrame(CMainFrame& frame, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CSplitterFrame"));
    outer_ = new QSplitter(Qt::Vertical, this);
    top_ = new QSplitter(Qt::Horizontal, outer_);
    pcTree_ = new CRemoteView(frame, list_, top_);
    terminalTree_ = new CPDTView(frame, list_, top_);
    pcTree_->SetPeer(terminalTree_);
    terminalTree_->SetPeer(pcTree_);
    pcTree_->setMinimumSize(120, 80);
    terminalTree_->setMinimumSize(120, 80);
    top_->addWidget(pcTree_);
    top_->addWidget(terminalTree_);
    messages_ = new CMessageView(outer_);
    outer_->addWidget(top_);
    outer_->addWidget(messages_);
    outer_->setChildrenCollapsible(false);
    top_->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(outer_);
}

void CSplitterFrame::SplitInHalves()
{
    const int h = outer_->height() > 0 ? outer_->height() : height();
    const int w = top_->width() > 0 ? top_->width() : width();
    outer_->setSizes({h / 2, h - h / 2});
    top_->setSizes({w / 2, w - w / 2});
}

}  // namespace feld::gui
