#include "app/Resident.h"

#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <iterator>

#include "base/Clock.h"
#include "base/LineEnds.h"
#include "base/LocalFile.h"
#include "base/SafeFile.h"
#include "base/Texts.h"
#include "base/Ui.h"
#include "link/PdtLink.h"
#include "link/wire/TermStatus.h"
#include "link/wire/TermCodec.h"
#include "project/DataReceive.h"
#include "session/Config.h"
#include "session/Session.h"

namespace feld {

namespace {

constexpr std::int64_t kDay = 86400;
// A collected file is kept in memory while its line ends are converted; no terminal drive holds
// more than this.
constexpr std::uint64_t kMaxCollected = 0x7FFFFFFFull;

std::tm localTm(std::int64_t t)
{
    const std::time_t tt = static_cast<std::time_t>(t);
    std::tm out{};
    ::localtime_r(&tt, &out);
    return out;
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
    const bool due = TakeDue();
    if (due)
        Pass(stop);
    if (due)
        PassFinished();
    else
        ui_.setStatusText(tr(txt::kSendFinished));
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
        std::string why;
        const bool ok = CollectOne(name, block.savePath, why);
        const std::string time = LocalTimeText(session_.clock().calendarSeconds());
        ui_.addMessageLine(trf(ok ? txt::kCollectDone : txt::kCollectFailed, {time, name}));
        // The line keeps its fixed wording; a reason the link did not show already follows it.
        if (!ok && !why.empty())
            ui_.addMessageLine(why);
        ++(ok ? result.collected : result.failed);
    }
    return result;
}

bool ResidentCollector::CollectOne(const std::string& name, const std::string& savePath, std::string& why)
{
    const Config& config = session_.config();
    const std::string fileName = CollectedFileName(name);
    // A name from the settings becomes a PC path: it must stay inside the storage folder.
    if (name.empty() || !wire::isSafeTerminalName(fileName)) {
        why = tk("resident.badName", "the terminal file name cannot be used on this PC: ") + name;
        return false;
    }
    PdtLink* link = session_.Link();
    if (!link)
        return false;  // the connection failure was shown

    // Into the transfer temporary file first; the destination is touched only with the whole file.
    const std::string& temp = config.transferTempFile;
    {
        SafeFileWriter writer;
        if (!writer.Open(temp)) {
            why = writer.Error();
            return false;
        }
        SafeFileSink sink(writer);
        if (!link->GetFile(name, sink, false).ok()) {
            writer.Discard();
            return false;
        }
        if (!writer.Commit()) {
            why = writer.Error();
            return false;
        }
    }
    LocalFile fetched;
    const bool read = ReadLocalFile(temp, kMaxCollected, fetched, why);
    ::unlink(temp.c_str());
    if (!read)
        return false;
    const std::string data = FilterLineEnds(
        std::string_view(reinterpret_cast<const char*>(fetched.bytes.data()), fetched.bytes.size()),
        config.carriageReturn != 0, config.lineFeed != 0);

    // The shared write mode, except that with delete after receipt a pass always appends: the
    // earlier pass's terminal original is gone, so replacing its PC copy would lose that data.
    const bool append = config.receiveAppends || config.deleteAfterReceive != 0;
    const std::string destination = ReceiveDestination(savePath, fileName);
    SafeFileWriter out;
    if (!out.Open(destination)) {
        why = out.Error();
        return false;
    }
    if (append && !out.WritesThrough()) {
        std::ifstream old(out.Target(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(old)), std::istreambuf_iterator<char>());
        if (!bytes.empty() && !out.Write(bytes.data(), bytes.size())) {
            why = out.Error();
            return false;
        }
    }
    if ((!data.empty() && !out.Write(data.data(), data.size())) || !out.Commit()) {
        why = out.Error();
        return false;
    }

    // Only now, with the copy complete on disk, may the terminal's file go.
    if (config.deleteAfterReceive) {
        if (const term::Result r = link->RunCommand(wire::kOpDelete, name); !r.ok())
            ui_.addMessageLine(term::explained(
                tk("resident.notDeleted", "the terminal kept its file (it could not be deleted there): ") + name, r));
    }
    return true;
}

}  // namespace feld
