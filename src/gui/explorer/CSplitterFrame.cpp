#include "gui/explorer/CSplitterFrame.h"

#include <QLabel>
#include <QSplitter>
#include <QVBoxLayout>

#include "gui/app/QtUi.h"
#include "gui/explorer/CMessageView.h"

namespace feld::gui {

namespace {

// Until the trees come, each area says what it will hold.
QWidget* area(const QString& name, const QString& title, QWidget* parent)
{
    auto* w = new QWidget(parent);
    w->setObjectName(name);
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(title, w);
    label->setAlignment(Qt::AlignCenter);
    label->setEnabled(false);
    layout->addWidget(label);
    w->setMinimumSize(120, 80);
    return w;
}

}  // namespace

CSplitterFrame::CSplitterFrame(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CSplitterFrame"));
    outer_ = new QSplitter(Qt::Vertical, this);
    top_ = new QSplitter(Qt::Horizontal, outer_);
    pcArea_ = area(QStringLiteral("CRemoteView"), qtr(txt::kComputerRoot), top_);
    terminalArea_ = area(QStringLiteral("CPDTView"), qtr(txt::kTerminalRoot), top_);
    top_->addWidget(pcArea_);
    top_->addWidget(terminalArea_);
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
