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
    // A divider the user moves sets the proportion the next resize keeps.
    auto share = [](const QSplitter* s) {
        const QList<int> sizes = s->sizes();
        const int total = sizes.value(0) + sizes.value(1);
        return total > 0 ? sizes.value(0) * 1000 / total : 500;
    };
    connect(outer_, &QSplitter::splitterMoved, this, [this, share] {
        if (!applying_)
            topShare_ = share(outer_);
    });
    connect(top_, &QSplitter::splitterMoved, this, [this, share] {
        if (!applying_)
            leftShare_ = share(top_);
    });
}

void CSplitterFrame::SplitInHalves()
{
    topShare_ = leftShare_ = 500;
    ApplySplit();
}

void CSplitterFrame::ApplySplit()
{
    const int h = outer_->height() > 0 ? outer_->height() : height();
    const int w = top_->width() > 0 ? top_->width() : width();
    const int top = h * topShare_ / 1000, left = w * leftShare_ / 1000;
    applying_ = true;
    outer_->setSizes({top, h - top});
    top_->setSizes({left, w - left});
    applying_ = false;
}

QString CSplitterFrame::SplitText() const { return QStringLiteral("%1,%2").arg(topShare_).arg(leftShare_); }

void CSplitterFrame::SetSplitText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    bool okTop = false, okLeft = false;
    const int top = parts.value(0).toInt(&okTop), left = parts.value(1).toInt(&okLeft);
    // Neither pane squeezed to nothing: a stored 0 or 1000 would hide a tree or the messages.
    if (parts.size() != 2 || !okTop || !okLeft || top < 50 || top > 950 || left < 50 || left > 950)
        return;
    topShare_ = top;
    leftShare_ = left;
    ApplySplit();
}

}  // namespace feld::gui
