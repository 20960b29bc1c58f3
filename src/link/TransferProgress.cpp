#include "link/TransferProgress.h"

#include <algorithm>

#include "base/Clock.h"
#include "base/Texts.h"

namespace feld {

namespace {
txt::TextId captionId(ProgressKind kind)
{
    switch (kind) {
    case ProgressKind::Sending: return txt::kSendingTitle;
    case ProgressKind::Receiving: return txt::kReceivingTitle;
    case ProgressKind::Format: return txt::kFormatTitle;
    case ProgressKind::Defragment: return txt::kDefragTitle;
    }
    return txt::kSendingTitle;
}
}  // namespace

TransferProgress::TransferProgress(ProgressKind kind, int low, int high, const std::string& path, Ui* ui, Clock* clock)
    : kind_(kind), low_(low), high_(high), ui_(ui), clock_(clock)
{
    caption_ = TextCatalog::instance().text(captionId(kind));
    // Both directions name their file: a receive of several files says which one is coming.
    if (kind == ProgressKind::Sending || (kind == ProgressKind::Receiving && !path.empty()))
        label_ = "...\\" + FileNamePart(path);
}

TransferProgress::~TransferProgress() { Close(); }

void TransferProgress::Create()
{
    if (ui_ && !view_) {
        view_ = ui_->openProgress(kind_, caption_, label_);
        if (view_)
            view_->setPercent(percent_);
    }
}

void TransferProgress::Close()
{
    if (activity_ != 0 && ui_)
        ui_->setActivityIcon(0);
    activity_ = 0;
    view_.reset();
}

void TransferProgress::StepActivity()
{
    if (!ui_)
        return;
    const std::int64_t now = clock_ ? clock_->monotonicMs() : 0;
    if (activity_ != 0 && now < nextActivityMs_)
        return;
    activity_ = activity_ % 4 + 1;
    nextActivityMs_ = now + 100;
    ui_->setActivityIcon(activity_);
}

int TransferProgress::PercentOf(std::int64_t value, std::int64_t low, std::int64_t high)
{
    std::int64_t range = high - low;
    if (range <= 0)
        return 0;
    std::int64_t p = value * 100 / range;
    if (p < 0)
        return 0;
    return p > 100 ? 100 : static_cast<int>(p);
}

std::string TransferProgress::FileNamePart(const std::string& path)
{
    std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

void TransferProgress::SetPos(std::int64_t value)
{
    if (view_ && !timed_ && (kind_ == ProgressKind::Sending || kind_ == ProgressKind::Receiving)) {
        view_->setBytes(std::max<std::int64_t>(value - low_ - header_, 0), std::max<std::int64_t>(high_ - low_ - header_, 0));
        StepActivity();
    }
    int p = PercentOf(value, low_, high_);
    if (p == percent_)
        return;  // the window only hears about real changes
    percent_ = p;
    if (view_)
        view_->setPercent(p);
}

void TransferProgress::SetNotice(const std::string& text)
{
    if (text == notice_)
        return;
    notice_ = text;
    if (view_)
        view_->setLabel(notice_.empty() ? label_ : notice_);
}

void TransferProgress::StartTimed()
{
    std::int64_t start = clock_ ? clock_->monotonicSeconds() : 0;
    low_ = start;
    high_ = start + kTimedSeconds;
    endTime_ = high_;
    label_.clear();
    timed_ = true;
    if (view_)
        view_->setLabel(label_);
}

bool TransferProgress::Tick()
{
    if (!timed_)
        return true;
    std::int64_t now = clock_ ? clock_->monotonicSeconds() : endTime_;
    if (now < endTime_) {
        SetPos(now - low_);
        return true;
    }
    timed_ = false;
    Close();
    return false;
}

}  // namespace feld
