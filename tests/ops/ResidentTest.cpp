// Resident collection: when a tick collects, on an injected clock, and what a pass does with the
// files it fetches from the simulated terminal.

#include <gtest/gtest.h>

#include <sys/fsuid.h>
#include <sys/stat.h>

#include <cstdlib>
#include <ctime>

#include "OpsFixture.h"
#include "app/Resident.h"
#include "base/TextIds.h"
#include "support/FakeClock.h"

namespace feld::test {
namespace {

// Local time is UTC here, so that times of day are the same on every test machine.
class UtcTime {
public:
    UtcTime()
    {
        if (const char* tz = std::getenv("TZ"))
            old_ = tz, hadTz_ = true;
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    ~UtcTime()
    {
        hadTz_ ? ::setenv("TZ", old_.c_str(), 1) : ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::string old_;
    bool hadTz_ = false;
};

constexpr std::int64_t kDay0 = 1796774400;  // 2026-12-09 00:00:00 UTC
std::int64_t At(int h, int m, int s, int day = 0) { return kDay0 + day * 86400 + h * 3600 + m * 60 + s; }

class ResidentSchedules : public ::testing::Test {
protected:
    UtcTime utc;
    StandbyBlock block;
    ResidentSchedule schedule;
};

TEST_F(ResidentSchedules, IntervalCountsFromTurningOnThenFromTheEndOfEachPass)
{
    block.timeInterval = 10;
    schedule.Restart(At(12, 0, 0));
    EXPECT_FALSE(schedule.Due(block, At(12, 0, 9), false));
    EXPECT_TRUE(schedule.Due(block, At(12, 0, 10), false));
    schedule.PassEnded(At(12, 0, 13));  // the pass took three seconds
    EXPECT_FALSE(schedule.Due(block, At(12, 0, 22), true)) << "the missed flag means nothing to an interval";
    EXPECT_TRUE(schedule.Due(block, At(12, 0, 23), false));
}

TEST_F(ResidentSchedules, FixedTimesRecurDailyAndALateOrBusyTickStillCollectsOnce)
{
    block.type = 1;
    block.fixTimeEnable = {1, 0, 0};
    block.fixTime = {At(8, 30, 0, -40), At(9, 0, 0), 0};  // confirmed weeks ago; the second is off
    schedule.Restart(At(8, 29, 50));
    EXPECT_FALSE(schedule.Due(block, At(8, 29, 54), false));
    // The ticks from 08:29:55 to 08:30:10 were skipped (a format ran): the next one collects, once.
    EXPECT_TRUE(schedule.Due(block, At(8, 30, 11), false));
    EXPECT_FALSE(schedule.Due(block, At(8, 30, 12), false));
    EXPECT_FALSE(schedule.Due(block, At(9, 0, 0), false)) << "a time switched off is not collected";
    EXPECT_TRUE(schedule.Due(block, At(9, 0, 1), true)) << "the missed flag is";
    // The next day, a tick three seconds late.
    EXPECT_FALSE(schedule.Due(block, At(8, 29, 59, 1), false));
    EXPECT_TRUE(schedule.Due(block, At(8, 30, 3, 1), false));
    // The clock set back over the time: it is not collected a second time that day.
    EXPECT_FALSE(schedule.Due(block, At(8, 29, 0, 1), false));
    EXPECT_FALSE(schedule.Due(block, At(8, 29, 58, 1), false));
}

TEST(ResidentNames, DestinationIsTheNamesLastPart)
{
    EXPECT_EQ(CollectedFileName("C:\\DATA\\X.TXT"), "X.TXT");
    EXPECT_EQ(CollectedFileName("X.TXT"), "X.TXT");
    EXPECT_EQ(CollectedFileName("C:\\DATA\\"), "");
}

// A session on the simulated terminal with files 1 and 2 of the schedule set.
class ResidentOps : public OpsFixture {
protected:
    void SetUp() override
    {
        OpsFixture::SetUp();
        fs::create_directories(dir / "save");
        WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "X.TXT", {'A', '\r', '\n', 'B'});
    }
    void Configure(bool deleteAfter)
    {
        StandbyBlock& b = config->standby;
        b.savePath = (dir / "save").string();
        b.fileEnable = {1, 0, 1};
        b.fileName = {"C:\\DATA\\X.TXT", "C:\\DATA\\OFF.TXT", "C:\\DATA\\NONE.TXT"};
        config->carriageReturn = 0;
        config->lineFeed = 1;
        config->deleteAfterReceive = deleteAfter ? 1 : 0;
    }
    // The message-view line of `id` for `name`, at this second or the one before.
    bool IsLine(const std::string& line, int id, const std::string& name) const
    {
        const std::int64_t now = clock.calendarSeconds();
        return line == trf(id, {LocalTimeText(now), name}) || line == trf(id, {LocalTimeText(now - 1), name});
    }
    std::string Saved() const
    {
        auto b = ReadFile(dir / "save" / "X.TXT");
        return std::string(b.begin(), b.end());
    }
};

TEST_F(ResidentOps, PassStoresUnderTheLastPartFilteredAndWithDeleteAppendsAfterTheCopy)
{
    Connected();
    Configure(true);
    ResidentCollector collector(*session, ui);
    CollectResult r = collector.Pass();
    EXPECT_EQ(r.collected, 1);
    EXPECT_EQ(r.failed, 1) << "NONE.TXT is not on the terminal";
    EXPECT_EQ(Saved(), "A\nB");
    EXPECT_FALSE(fs::exists(TermFile("C", "DATA/X.TXT")));
    EXPECT_FALSE(fs::exists(config->transferTempFile));
    const auto lines = ui.lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(IsLine(lines[0], txt::kCollectDone, "C:\\DATA\\X.TXT")) << lines[0];
    EXPECT_TRUE(IsLine(lines[1], txt::kCollectFailed, "C:\\DATA\\NONE.TXT")) << lines[1];
    EXPECT_EQ(lines[2], "C:\\DATA\\NONE.TXT was not received: the terminal has no such file") << "the failure's reason";
    // The next pass finds new data: it is added, not put in place of the first pass's.
    WriteFile(TermFile("C", "DATA") / "X.TXT", {'C', '\r', '\n'});
    collector.Pass();
    EXPECT_EQ(Saved(), "A\nBC\n");
}

TEST_F(ResidentOps, AnUnwritableDestinationKeepsTheTerminalFile)
{
    Connected();
    Configure(true);
    fs::create_directories(dir / "save" / "X.TXT");  // a folder where the file should go
    ResidentCollector collector(*session, ui);
    EXPECT_EQ(collector.Pass().collected, 0);
    EXPECT_TRUE(fs::exists(TermFile("C", "DATA/X.TXT")));
    EXPECT_FALSE(fs::exists(config->transferTempFile));
    ASSERT_GE(ui.lines().size(), 1u);
    EXPECT_TRUE(IsLine(ui.lines()[0], txt::kCollectFailed, "C:\\DATA\\X.TXT")) << ui.lines()[0];
}

// A delete the terminal refuses: the pass says so and is not ok, and the records the PC file got
// are not added again by later passes, while the ones the terminal adds meanwhile arrive once.
TEST_F(ResidentOps, ARefusedDeleteIsSaidAndLaterPassesAddOnlyWhatIsNew)
{
    sim::ForcedStatus refuse;
    std::string error;
    ASSERT_TRUE(sim::parseForcedStatus("12:op=1:all", refuse, error)) << error;
    simConfig.forced.push_back(refuse);
    Connected();
    Configure(true);
    ResidentCollector collector(*session, ui);
    const CollectResult first = collector.Pass();
    EXPECT_EQ(first.collected, 1);
    EXPECT_EQ(first.kept, 1);
    EXPECT_FALSE(first.ok());
    ASSERT_FALSE(first.problems.empty());
    EXPECT_EQ(first.problems[0], "received; the terminal kept C:\\DATA\\X.TXT: a file is in use on the terminal");
    collector.Pass();
    EXPECT_EQ(Saved(), "A\nB");
    WriteFile(TermFile("C", "DATA/X.TXT"), {'A', '\r', '\n', 'B', 'C', '\r', '\n'});
    collector.Pass();
    EXPECT_EQ(Saved(), "A\nBC\n");
}

// What is in the storage folder under the file's name when it cannot be appended to safely: the
// pass fails with the reason, writes nothing anywhere and the terminal keeps its file.
TEST_F(ResidentOps, AnUnreadableOrLinkedPcFileFailsAndKeepsEverything)
{
    struct Case {
        const char* what;
        void (*make)(const fs::path& save, const fs::path& outside);
        const char* reason;
    };
    const Case cases[] = {
        {"unreadable", [](const fs::path& save, const fs::path&) {
             WriteFile(save / "X.TXT", {'O', 'L', 'D'});
             fs::permissions(save / "X.TXT", fs::perms::none);
         }, "cannot be read"},
        {"link to a file elsewhere", [](const fs::path& save, const fs::path& outside) {
             WriteFile(outside, {'O', 'U', 'T'});
             fs::create_symlink(outside, save / "X.TXT");
         }, "is a link"},
        {"dangling link", [](const fs::path& save, const fs::path& outside) { fs::create_symlink(outside, save / "X.TXT"); },
         "is a link"},
    };
    Connected();
    Configure(true);
    const fs::path save = dir / "save", outside = dir / "outside.txt";
    fs::permissions(save, fs::perms::all);  // open to anyone: the pass runs as nobody below
    ResidentCollector collector(*session, ui);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(save / "X.TXT");
        fs::remove(outside);
        c.make(save, outside);
        const auto before = fs::exists(outside) ? ReadFile(outside) : std::vector<std::uint8_t>{};
        CollectResult r;
        {
            // Permissions bind the superuser too while its file-system user is someone else.
            const int was = ::setfsuid(65534);
            r = collector.Pass();
            ::setfsuid(static_cast<uid_t>(was));
        }
        EXPECT_EQ(r.collected, 0);
        ASSERT_FALSE(r.problems.empty());
        EXPECT_NE(r.problems[0].find(c.reason), std::string::npos) << r.problems[0];
        EXPECT_TRUE(fs::exists(TermFile("C", "DATA/X.TXT")));
        EXPECT_EQ(fs::exists(outside) ? ReadFile(outside) : std::vector<std::uint8_t>{}, before);
        std::error_code ignored;  // a link has no permissions of its own
        fs::permissions(save / "X.TXT", fs::perms::owner_all, fs::perm_options::add | fs::perm_options::nofollow, ignored);
        for (const auto& e : fs::directory_iterator(save))
            EXPECT_EQ(e.path().filename(), "X.TXT") << "nothing partial is left";
    }
}

// Collection entries as users write them: a name alone is one of C:\Data, "/" stands for "\", and
// any spelling of one file lands in one PC file; an entry that names no file says why.
TEST_F(ResidentOps, EntriesAreTakenAsReceiveTakesThemAndABadOneGivesItsReason)
{
    Connected();
    Configure(false);
    config->receiveAppends = true;
    StandbyBlock& b = config->standby;
    b.fileEnable = {1, 1, 1};
    b.fileName = {"x.txt", "c:/data/X.txt", "C:\\DATA\\"};
    ResidentCollector collector(*session, ui);
    const CollectResult r = collector.Pass();
    EXPECT_EQ(r.collected, 2);
    EXPECT_EQ(Saved(), "A\nBA\nB");
    ASSERT_EQ(r.problems.size(), 1u);
    EXPECT_NE(r.problems[0].find("collection entry 'C:\\DATA\\' names no terminal file"), std::string::npos) << r.problems[0];
    EXPECT_EQ(ui.lines().back(), r.problems[0]) << "the message view has the reason too";
}

// Ticks through the session: the busy window's missed-schedule flag, and a pass with nothing
// switched on changes only the status text.
TEST(ResidentTicks, MissedFlagFromAnOperationAndAnEmptyPass)
{
    UtcTime utc;
    FakeClock clock(1'000'000, At(8, 29, 50));
    RecorderUi ui;
    Config config("");
    config.standby.type = 1;
    config.standby.fixTime = {At(8, 30, 0), 0, 0};  // switched off, yet it counts inside an operation
    Session session(config, ui, clock);
    ResidentCollector collector(session, ui);
    collector.Restart();
    clock.advanceMs(5'000);
    session.BeginOperation();
    clock.advanceMs(15'000);
    session.EndOperation();
    clock.advanceMs(1'000);
    EXPECT_TRUE(collector.Tick());
    EXPECT_FALSE(collector.Tick()) << "the flag is consumed";
    EXPECT_TRUE(ui.lines().empty());
    const auto status = ui.eventsOf("status");
    ASSERT_FALSE(status.empty());
    EXPECT_EQ(status.back().text, tr(txt::kSendFinished));
}

}  // namespace
}  // namespace feld::test
