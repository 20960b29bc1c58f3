#pragma once
// Resident mode without its window: the schedule that decides whether a one-second tick collects,
// and the collection pass that fetches the chosen terminal files into the storage folder. The
// window drives it from its timer, `feldspan-cli collect` from a loop of its own.
//
// Fixed times recur every day at their local time of day (the date the time picker held when the
// settings were confirmed does not matter). A tick collects when a fixed time's occurrence fell
// after the last tick that looked at the schedule, so a tick that comes late, or after the window
// was busy, still collects, and no occurrence is collected twice.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "session/ReceiveJob.h"

namespace feld {

class Session;
class Ui;
struct StandbyBlock;

// Whether the local time of day of `fixedTime` occurs on some day in (from, to].
bool FixedTimeOccursIn(std::int64_t fixedTime, std::int64_t from, std::int64_t to);

// "HH:MM:SS" of a calendar time, local time.
std::string LocalTimeText(std::int64_t calendarSeconds);

// Whether a file can be created and written in `folder` (nothing is left there, and a file of the
// probe's name that another copy of the program is using is not touched).
bool FolderTakesFiles(const std::string& folder);

// The terminal name's last part ("C:\DATA\X.TXT" -> "X.TXT"); a name without "\" is itself.
std::string CollectedFileName(const std::string& terminalName);

class ResidentSchedule {
public:
    // Resident mode was turned on, or its settings confirmed: the interval counts from `now`, and
    // fixed times that passed before `now` are not collected.
    void Restart(std::int64_t now);
    // The tick's decision at `now`. `missed`: a fixed time (enabled or not) fell inside a long
    // operation; it counts only for the fixed-time schedule.
    bool Due(const StandbyBlock& block, std::int64_t now, bool missed);
    // A pass of the interval schedule ended at `now`: the next interval counts from here.
    void PassEnded(std::int64_t now) { lastCollection_ = now; }
    std::int64_t LastCollection() const { return lastCollection_; }

private:
    std::int64_t lastCollection_ = 0;
    std::int64_t lookedUntil_ = 0;  // fixed-time occurrences up to here are dealt with
};

struct CollectResult {
    int collected = 0;
    int failed = 0;
    int kept = 0;                       // collected, but the terminal refused to delete them
    std::vector<std::string> problems;  // one reason for each file that failed or was kept
    bool ok() const { return failed == 0 && kept == 0; }
};

class ResidentCollector {
public:
    ResidentCollector(Session& session, Ui& ui) : session_(session), ui_(ui) {}

    ResidentSchedule& schedule() { return schedule_; }
    // Turned on or the settings confirmed: the schedule starts again from the session clock's now.
    void Restart();

    // The tick after its guards (the caller skips it while an operation runs or a tick is under
    // way): whether this tick collects. Consumes the missed-schedule flag of a fixed-time schedule.
    bool TakeDue();
    // One pass over files 1 to 10 of `block` whose flag is set (the window hands a copy taken on
    // its own thread); `stop` is asked between files. Each file gives one message-view line
    // (collected or failed, with the time of day and its name).
    CollectResult Pass(const StandbyBlock& block, const std::function<bool()>& stop = {});
    // The same with the stored schedule.
    CollectResult Pass(const std::function<bool()>& stop = {});
    // After a due tick's pass: the interval counts from now; the status text says the transfer
    // finished.
    void PassFinished();
    // TakeDue, then Pass and PassFinished when due. True when a pass ran.
    bool Tick(const std::function<bool()>& stop = {});

private:
    ReceiveOutcome CollectOne(const std::string& entry, const std::string& savePath);

    Session& session_;
    Ui& ui_;
    ResidentSchedule schedule_;
};

}  // namespace feld
