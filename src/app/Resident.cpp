#include "app/Resident.h"

#include <algorithm>
#include <ctime>

#include "base/Clock.h"
#include "base/LocalTime.h"
#include "base/SafeFile.h"
#include "base/Texts.h"
#include "base/Ui.h"
#include "link/PdtLink.h"
#include "link/wire/TermStatus.h"
#include "link/wire/TermNames.h"
#include "session/Config.h"
#include "session/Session.h"

namespace feld {

namespace {

constexpr std::int64_t kDay = 86400;

std::tm localTm(std::int64_t t)
{
    return LocalCalendar(static_cast<std::time_t>(t));
}


}  // namespace

bool FixedTimeOccursIn(std::int64_t fixedTime, std::int64_t from, std::int64_t to)
{
    if (to <= from)
        return false;
    // After a long sleep of the PC one pass catches up; older days need not be looked at.
    from = std::max(from, to - 2 * kDay);
    const std::tm fixed = localTm(fixedTime);
    const std::tm start = localTm(from);
    for (int day = -1; day <= 3; ++day) {
        std::tm t = start;
        t.tm_mday += day;
        t.tm_hour = fixed.tm_hour;
        t.tm_min = fixed.tm_min;
        t.tm_sec = fixed.tm_sec;
        t.tm_isdst = -1;  // whatever the daylight-saving time of that day is
        const std::int64_t occurs = static_cast<std::int64_t>(std::mktime(&t));
        if (occurs > from && occurs <= to)
            return true;
    }
    return false;
}

std::string LocalTimeText(std::int64_t calendarSeconds)
{
    const std::tm t = localTm(calendarSeconds);
    char buf[16];
    std::strftime(buf, sizeof buf, "%H:%M:%S", &t);
    return buf;
}

bool FolderTakesFiles(const std::string& folder)
{
    if (folder.empty())
        return false;
    SafeFileWriter probe;
    const bool ok = probe.Open(Config::withTrailingSeparator(folder) + "FSSPAN.tmp") && probe.Write("x", 1);
    probe.Discard();
    return ok;
}

std::string CollectedFileName(const std::string& terminalName)
{
    const std::size_t cut = terminalName.rfind('\\');
    return cut == std::string::npos ? terminalName : terminalName.substr(cut + 1);
}

void ResidentSchedule::Restart(std::int64_t now)
{
    lastCollection_ = now;
    lookedUntil_ = now;
}

bool ResidentSchedule::Due(const StandbyBlock& block, std::int64_t now, bool missed)
{
    const std::int64_t from = lookedUntil_;
    lookedUntil_ = now;  // also when the clock went back: nothing before now is looked at again
    if (block.type == 0)
        return now - lastCollection_ >= block.timeInterval;
    bool due = missed;
    for (std::size_t i = 0; i < block.fixTime.size(); ++i)
        if (block.fixTimeEnable[i] && FixedTimeOccursIn(block.fixTime[i], from, now))
            due = true;
    return due;
}

void ResidentCollector::Restart() { schedule_.Restart(session_.clock().calendarSeconds()); }

bool ResidentCollector::TakeDue()
{
    const StandbyBlock& block = session_.config().standby;
    // The flag is consumed by a fixed-time tick whether it is due or not; an interval schedule
    // leaves it.
    const bool missed = block.type != 0 && session_.TakeMissedSchedule();
    return schedule_.Due(block, session_.clock().calendarSeconds(), missed);
}

void ResidentCollector::PassFinished()
{
    schedule_.PassEnded(session_.clock().calendarSeconds());
    ui_.setStatusText(tr(txt::kSendFinished));
}

bool ResidentCollector::Tick(const std::function<bool()>& stop)
{
    // A tick with nothing due leaves the status bar alone: "Transfer finished" is said once, after
    // a pass, not every second over whatever the window says meanwhile.
    const bool due = TakeDue();
    if (due) {
        Pass(stop);
        PassFinished();
    }
    return due;
}

CollectResult ResidentCollector::Pass(const std::function<bool()>& stop)
{
    const StandbyBlock block = session_.config().standby;
    return Pass(block, stop);
}

CollectResult ResidentCollector::Pass(const StandbyBlock& block, const std::function<bool()>& stop)
{
    CollectResult result;
    bool connectTried = false;
    for (std::size_t i = 0; i < block.fileEnable.size(); ++i) {
        if (!block.fileEnable[i])
            continue;
        if (stop && stop())
            break;
        const std::string& name = block.fileName[i];
        ui_.setStatusText(trf(txt::kSendingFile, {name}));
        if (!session_.Link() && !connectTried) {
            connectTried = true;
            session_.ConnectLink(0);
        }
        const ReceiveOutcome got = CollectOne(name, block.savePath);
        const std::string time = LocalTimeText(session_.clock().calendarSeconds());
        ui_.addMessageLine(trf(got.stored ? txt::kCollectDone : txt::kCollectFailed, {time, name}));
        // The line keeps its fixed wording; the reason follows it, for the message view, the
        // output of `collect` and so the journal of a service running it.
        if (!got.ok() && !got.why.empty()) {
            ui_.addMessageLine(got.why);
            result.problems.push_back(got.why);
        }
        ++(got.stored ? result.collected : result.failed);
        result.kept += got.kept;
    }
    return result;
}

ReceiveOutcome ResidentCollector::CollectOne(const std::string& entry, const std::string& savePath)
{
    const Config& config = session_.config();
    ReceiveOutcome failed;
    ReceiveOrder order;
    // An entry from the settings becomes a PC path: it must name a terminal file, and its name part
    // stays inside the storage folder.
    if (std::string why = CollectionEntryProblem(entry); !why.empty()) {
        failed.why = why;
        return failed;
    }
    wire::dataFilePath(entry, order.source);
    PdtLink* link = session_.Link();
    if (!link) {
        failed.why = formatText(tk("resident.noLink", "%s was not received: the terminal is not connected"), {order.source});
        return failed;
    }
    // The shared write mode, except that with delete after receipt a pass always appends: the
    // earlier pass's terminal original is gone, so replacing its PC copy would lose that data.
    order.append = config.receiveAppends || config.deleteAfterReceive != 0;
    order.destination = ReceiveDestination(savePath, CollectedFileName(order.source));
    order.keepCr = config.carriageReturn != 0;
    order.keepLf = config.lineFeed != 0;
    order.deleteAfter = config.deleteAfterReceive != 0;
    return ReceiveFile(*link, order);
}

}  // namespace feld
