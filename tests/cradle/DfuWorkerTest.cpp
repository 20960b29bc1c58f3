// The DFU worker against simulated cradles: preparation by mode and state, the start command and
// its waits, the write geometry, skipped blocks, the finish, failures and the one-worker rule.

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "cradle/CradleUpdate.h"
#include "cradle/DfuWorker.h"
#include "cradle/stdfu/DfuTypes.h"
#include "SimCradle.h"
#include "support/FakeClock.h"

namespace feld {
namespace {

using stdfu::SimDfuConfig;
using stdfu::SimDfuEvent;

// A clock that costs no time and notes every wait with the record as it stood then.
class WatchingClock : public test::FakeClock {
public:
    explicit WatchingClock(DfuWorker& worker) : worker_(worker) {}
    struct Wait {
        int ms;
        DfuProgress seen;
    };
    void sleepMs(int ms) override
    {
        DfuProgress p;
        worker_.progress(p);
        waits.push_back({ms, p});
        FakeClock::sleepMs(ms);
    }
    std::vector<Wait> waits;

private:
    DfuWorker& worker_;
};

std::vector<SimDfuEvent> downloads(const stdfu::SimDfuDevice& d)
{
    std::vector<SimDfuEvent> out;
    for (const auto& e : d.events())
        if (e.op == "dnload")
            out.push_back(e);
    return out;
}

std::vector<std::string> ops(const stdfu::SimDfuDevice& d)
{
    std::vector<std::string> out;
    for (const auto& e : d.events())
        out.push_back(e.op);
    return out;
}

SimDfuConfig quickCradle(std::uint16_t transfer = 128)
{
    SimDfuConfig c;
    c.transferSize = transfer;
    c.pollMs = 7;
    c.startPollMs = 250;
    return c;
}

DfuImage blankImage()
{
    DfuImage image;
    image.fill(0xFF);
    return image;
}

// One byte where every cradle is written: the least an update accepts.
DfuImage oneByteImage()
{
    DfuImage image = blankImage();
    image[0xC000] = 0x00;
    return image;
}

TEST(DfuWorker, GeometryFollowsTheTransferSize)
{
    DfuWriteGeometry g;
    ASSERT_TRUE(dfuWriteGeometry(128, 128, g));
    EXPECT_EQ(g.blockLength, 128u);
    EXPECT_EQ(g.firstAddress, 0x8000u);
    EXPECT_EQ(g.blockCount, 0x7000u / 128);
    ASSERT_TRUE(dfuWriteGeometry(8, 8, g));
    EXPECT_EQ(g.firstAddress, 0xC000u);
    EXPECT_EQ(g.blockCount, 0x3000u / 8);
    ASSERT_TRUE(dfuWriteGeometry(64, 64, g));
    EXPECT_EQ(g.blockLength, 64u);
    EXPECT_EQ(g.blockCount, 0x7000u / 64);
    // Lengths that cannot be numbered in 8-byte units, or that never fit, are refused.
    EXPECT_FALSE(dfuWriteGeometry(0, 0, g));
    EXPECT_FALSE(dfuWriteGeometry(12, 12, g));
    EXPECT_FALSE(dfuWriteGeometry(0x8000, 0x8000, g));
}

TEST(DfuWriteArea, DroppedBytesAreNamedAsRanges)
{
    DfuWriteGeometry g;
    ASSERT_TRUE(dfuWriteGeometry(8, 8, g));
    DfuImage image = oneByteImage();
    EXPECT_EQ(dfuOutsideWarning(image, g), "");
    image[0xBFFF] = 0x00;
    EXPECT_EQ(dfuOutsideWarning(image, g),
              "the byte at 0xBFFF lies outside the area the update writes (0xC000-0xEFFF) and is not written");
    // Past four runs the rest are counted.
    for (std::uint32_t a : {0x1000u, 0x1002u, 0x1003u, 0x1006u, 0x1008u, 0x100Au})
        image[a] = 0x00;
    EXPECT_EQ(dfuRangesText(dfuRangesOutside(image, g)), "0x1000, 0x1002-0x1003, 0x1006, 0x1008 and 2 more ranges");
    // Blocks that do not divide the area end it early: 597 blocks of 48 bytes stop at 0xEFF0.
    ASSERT_TRUE(dfuWriteGeometry(40, 48, g));
    DfuImage edge = blankImage();
    edge[0xEFF0] = 0x00;
    EXPECT_TRUE(dfuRangesInside(edge, g).empty());
    EXPECT_EQ(dfuAreaText(g), "0x8000-0xEFEF");
}

TEST(DfuWorker, TransferSize128WritesTheUsedBlocksFrom0x8000)
{
    test::SimCradles sim(quickCradle(128));
    DfuImage image = blankImage();
    image[0x1000] = 0x11;  // below the write area: never sent
    image[0x8000] = 0x01;
    image[0x80FF] = 0x02;  // the second block
    image[0xEFFF] = 0x03;  // the last byte of the write area
    image[0xF000] = 0x04;  // past it
    DfuWorker worker;
    WatchingClock clock(worker);
    ASSERT_EQ(worker.run(0, image, clock), 1);

    auto d = downloads(sim.device());
    ASSERT_EQ(d.size(), 5u);
    EXPECT_EQ(d[0].block, 0xFFFF);
    EXPECT_EQ(d[0].length, 2u);
    EXPECT_EQ(d[1].block, 0x8000 / 8);
    EXPECT_EQ(d[2].block, 0x8080 / 8);
    EXPECT_EQ(d[3].block, 0xEF80 / 8);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(d[i].length, 128u);
    EXPECT_EQ(d[4].block, 0x1DFF);
    EXPECT_EQ(d[4].length, 0u);

    auto memory = sim.device().memory();
    for (std::uint32_t a = 0x8000; a < 0xF000; ++a)
        ASSERT_EQ(memory[a], image[a]) << std::hex << a;
    EXPECT_EQ(memory[0x1000], 0x00) << "nothing outside the write area is touched";

    DfuProgress p;
    worker.progress(p);
    EXPECT_EQ(p.phase, 4);
    EXPECT_EQ(p.percent, 100);
    EXPECT_EQ(p.error, kDfuOk);
    EXPECT_EQ(ops(sim.device()).back(), "close");
}

TEST(DfuWorker, TransferSize8WritesFrom0xC000WithBlockNumbersInEightByteUnits)
{
    test::SimCradles sim(quickCradle(8));
    DfuImage image = blankImage();
    image[0xBFFF] = 0x10;  // below this device's write area
    image[0xC000] = 0x20;
    image[0xC008] = 0x30;
    DfuWorker worker;
    WatchingClock clock(worker);
    ASSERT_EQ(worker.run(0, image, clock), 1);
    auto d = downloads(sim.device());
    ASSERT_EQ(d.size(), 4u);
    EXPECT_EQ(d[1].block, 0x1800);
    EXPECT_EQ(d[2].block, 0x1801);
    EXPECT_EQ(d[2].length, 8u);
    EXPECT_EQ(sim.device().memory()[0xC008], 0x30);
}

TEST(DfuWorker, WaitsFollowThePollTimeOuts)
{
    // Start command answering 250 ms: two 100 ms steps at 50 and 100 percent, then 500 ms; each
    // block waits its own poll time-out.
    {
        test::SimCradles sim(quickCradle());
        DfuImage image = blankImage();
        image[0x9000] = 0;
        image[0xA000] = 0;
        DfuWorker worker;
        WatchingClock clock(worker);
        ASSERT_EQ(worker.run(0, image, clock), 1);
        ASSERT_EQ(clock.waits.size(), 5u);
        EXPECT_EQ(clock.waits[0].ms, 100);
        EXPECT_EQ(clock.waits[0].seen.phase, 2);
        EXPECT_EQ(clock.waits[0].seen.percent, 0);
        EXPECT_EQ(clock.waits[1].seen.percent, 50);
        EXPECT_EQ(clock.waits[2].ms, 500);
        EXPECT_EQ(clock.waits[2].seen.percent, 100);
        EXPECT_EQ(clock.waits[3].ms, 7);
        EXPECT_EQ(clock.waits[3].seen.phase, 3);
        EXPECT_EQ(clock.waits[4].seen.percent, 50) << "the first of two blocks is done";
    }
    // Under 100 ms: no waiting steps, the percent of phase 2 stays 0.
    {
        SimDfuConfig c = quickCradle();
        c.startPollMs = 99;
        test::SimCradles sim(c);
        DfuWorker worker;
        WatchingClock clock(worker);
        ASSERT_EQ(worker.run(0, oneByteImage(), clock), 1);
        ASSERT_EQ(clock.waits.size(), 2u) << "the 500 ms after the start command, then the one block's";
        EXPECT_EQ(clock.waits[0].ms, 500);
        EXPECT_EQ(clock.waits[0].seen.phase, 2);
        EXPECT_EQ(clock.waits[0].seen.percent, 0);
    }
}

TEST(DfuWorker, AnImageBlankInTheWriteAreaIsRefusedBeforeTheDeviceIsOpened)
{
    // Bytes only where a cradle of transfer size 8 is not written (0x9000 is, for one of 128).
    DfuImage image = blankImage();
    image[0x2000] = 0x00;
    image[0x9000] = 0x00;
    image[0xF000] = 0x00;
    {
        test::SimCradles sim(quickCradle(8));
        DfuWorker worker;
        WatchingClock clock(worker);
        EXPECT_EQ(worker.run(0, image, clock), 0);
        DfuProgress p;
        worker.progress(p);
        EXPECT_EQ(p.error, kDfuNothingToWrite);
        EXPECT_EQ(p.phase, 0);
        EXPECT_TRUE(sim.device().events().empty()) << "not opened: no start command";
        const auto memory = sim.device().memory();
        for (std::uint32_t a = 0xC000; a < 0xF000; ++a)
            ASSERT_EQ(memory[a], sim.device().config().fill) << std::hex << a << ": nothing erased";
    }
    {
        test::SimCradles sim(quickCradle(128));
        DfuWorker worker;
        WatchingClock clock(worker);
        ASSERT_EQ(worker.run(0, image, clock), 1);
        auto d = downloads(sim.device());
        ASSERT_EQ(d.size(), 3u);
        EXPECT_EQ(d[1].block, 0x9000 / 8);
    }
}

TEST(DfuWorker, PreparationDependsOnModeAndState)
{
    // Run-time mode: detach with the descriptor's time-out, then the state and a status.
    {
        SimDfuConfig c = quickCradle();
        c.detachTimeout = 1234;
        test::SimCradles sim(c);
        DfuWorker worker;
        WatchingClock clock(worker);
        ASSERT_EQ(worker.run(0, oneByteImage(), clock), 1);
        auto o = ops(sim.device());
        ASSERT_GE(o.size(), 5u);
        EXPECT_EQ((std::vector<std::string>(o.begin(), o.begin() + 5)),
                  (std::vector<std::string>{"open", "detach", "getstate", "getstatus", "dnload"}));
        EXPECT_EQ(sim.device().events()[1].length, 1234u);
    }
    // DFU mode in the error state: cleared, then updated.
    {
        SimDfuConfig c = quickCradle();
        c.dfuMode = true;
        c.initialState = stdfu::kDfuError;
        test::SimCradles sim(c);
        DfuImage image = blankImage();
        image[0x8000] = 0x5A;
        DfuWorker worker;
        WatchingClock clock(worker);
        ASSERT_EQ(worker.run(0, image, clock), 1);
        auto o = ops(sim.device());
        EXPECT_EQ((std::vector<std::string>(o.begin(), o.begin() + 5)),
                  (std::vector<std::string>{"open", "getstate", "clrstatus", "getstatus", "dnload"}));
        EXPECT_EQ(sim.device().memory()[0x8000], 0x5A);
    }
    // DFU mode, idle: straight to the start command. Left in another state: aborted first.
    for (std::uint8_t state : {std::uint8_t{stdfu::kDfuIdle}, std::uint8_t{stdfu::kDnloadIdle}}) {
        SimDfuConfig c = quickCradle();
        c.dfuMode = true;
        c.initialState = state;
        test::SimCradles sim(c);
        DfuWorker worker;
        WatchingClock clock(worker);
        ASSERT_EQ(worker.run(0, oneByteImage(), clock), 1) << int(state);
        auto o = ops(sim.device());
        std::vector<std::string> expected = state == stdfu::kDfuIdle
                                                ? std::vector<std::string>{"open", "getstate", "dnload"}
                                                : std::vector<std::string>{"open", "getstate", "abort", "getstatus", "dnload"};
        EXPECT_EQ(std::vector<std::string>(o.begin(), o.begin() + static_cast<long>(expected.size())), expected);
    }
}

TEST(DfuWorker, FinishingInTheErrorStateCountsWhenTheStatusClears)
{
    SimDfuConfig c = quickCradle();
    c.finalError = true;
    test::SimCradles sim(c);
    DfuWorker worker;
    WatchingClock clock(worker);
    ASSERT_EQ(worker.run(0, oneByteImage(), clock), 1);
    auto o = ops(sim.device());
    ASSERT_GE(o.size(), 5u);
    EXPECT_EQ((std::vector<std::string>(o.end() - 5, o.end())),
              (std::vector<std::string>{"dnload", "getstate", "clrstatus", "getstatus", "close"}));
}

TEST(DfuWorker, StatusErrorsAndFailedCallsEndWithTheirCodes)
{
    // The cradle reports status 3 (write error) for the second block: cleared, reported, closed.
    {
        SimDfuConfig c = quickCradle();
        c.failBlock = 0x8080 / 8;
        c.failStatus = stdfu::kErrWrite;
        test::SimCradles sim(c);
        DfuImage image = blankImage();
        image[0x8000] = 0;
        image[0x8080] = 0;
        image[0x9000] = 0;
        DfuWorker worker;
        WatchingClock clock(worker);
        EXPECT_EQ(worker.run(0, image, clock), 0);
        DfuProgress p;
        worker.progress(p);
        EXPECT_EQ(p.error, 0x1234301Fu);
        EXPECT_EQ(p.phase, 3) << "the phase stays where the failure happened";
        EXPECT_EQ(p.percent, 33) << "one of three blocks was written";
        auto o = ops(sim.device());
        EXPECT_EQ((std::vector<std::string>(o.end() - 2, o.end())), (std::vector<std::string>{"clrstatus", "close"}));
        EXPECT_EQ(downloads(sim.device()).size(), 3u) << "nothing is sent after the failing block";
    }
    // Access denied at the open: the library's code, no close of a device never opened.
    {
        SimDfuConfig c = quickCradle();
        c.accessDenied = true;
        test::SimCradles sim(c);
        DfuWorker worker;
        WatchingClock clock(worker);
        EXPECT_EQ(worker.run(0, oneByteImage(), clock), 0);
        DfuProgress p;
        worker.progress(p);
        EXPECT_EQ(p.error, stdfu::kAccessDenied);
        EXPECT_EQ(p.phase, 0);
        EXPECT_EQ(ops(sim.device()), (std::vector<std::string>{"open"}));
        EXPECT_NE(stdfu::STDFU_LastError().find("udev"), std::string::npos) << stdfu::STDFU_LastError();
    }
    // A device index past the list fails at the first call.
    {
        test::SimCradles sim(quickCradle());
        DfuWorker worker;
        WatchingClock clock(worker);
        EXPECT_EQ(worker.run(3, oneByteImage(), clock), 0);
        DfuProgress p;
        worker.progress(p);
        EXPECT_EQ(p.error, stdfu::kNoSuchDevice);
    }
    // A stalled request after the open closes the device: a cradle in DFU mode waiting for a
    // reset refuses the abort.
    {
        SimDfuConfig c = quickCradle();
        c.dfuMode = true;
        c.initialState = stdfu::kManifestWaitReset;
        test::SimCradles sim(c);
        DfuWorker worker;
        WatchingClock clock(worker);
        EXPECT_EQ(worker.run(0, oneByteImage(), clock), 0);
        DfuProgress p;
        worker.progress(p);
        EXPECT_EQ(p.error, stdfu::kRequestFailed);
        EXPECT_EQ(ops(sim.device()).back(), "close");
    }
}

// A clock whose waits hold until the test lets them go, so a worker can be caught running.
class GateClock : public test::FakeClock {
public:
    void sleepMs(int ms) override
    {
        std::unique_lock lock(mutex_);
        entered_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return open_; });
        FakeClock::sleepMs(ms);
    }
    void waitUntilEntered()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return entered_; });
    }
    void open()
    {
        std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool entered_ = false;
    bool open_ = false;
};

TEST(DfuWorker, OnlyOneWorkerRunsAtATime)
{
    test::SimCradles sim(quickCradle());
    DfuWorker worker;
    GateClock gate;
    ASSERT_EQ(worker.start(0, std::make_unique<DfuImage>(oneByteImage()), gate), kDfuOk);
    gate.waitUntilEntered();
    EXPECT_TRUE(worker.running());
    EXPECT_EQ(worker.start(0, std::make_unique<DfuImage>(oneByteImage()), gate), kDfuWorkerBusy);
    gate.open();
    worker.wait();
    EXPECT_FALSE(worker.running());
    DfuProgress p;
    worker.progress(p);
    EXPECT_EQ(p.phase, 4);

    // Once it ended, a new start is possible and resets the record.
    GateClock second;
    ASSERT_EQ(worker.start(0, std::make_unique<DfuImage>(oneByteImage()), second), kDfuOk);
    second.waitUntilEntered();
    worker.progress(p);
    EXPECT_EQ(p.phase, 2);
    second.open();
    worker.wait();
}

TEST(DfuPoll, TheEndIsDeclaredOnlyAtPhaseFourAndFullPercent)
{
    struct Case {
        DfuProgress record;
        int position;
        bool finished;
        bool failed;
    };
    const Case cases[] = {
        {{0, 0, kDfuOk}, 0, false, false},          // the worker has not reported a phase yet
        {{100, 0, kDfuOk}, 0, false, false},
        {{40, 2, kDfuOk}, 40, false, false},
        {{40, 3, kDfuOk}, 140, false, false},
        {{99, 4, kDfuOk}, 199 + 100, false, false},
        {{100, 4, kDfuOk}, 220, true, false},
        {{100, 4, 0x1234301F}, 0, false, true},
    };
    for (const Case& c : cases) {
        DfuPollState s = InterpretDfuProgress(c.record);
        EXPECT_EQ(s.position, std::min(c.position, 220)) << c.record.phase << "/" << c.record.percent;
        EXPECT_EQ(s.finished, c.finished) << c.record.phase << "/" << c.record.percent;
        EXPECT_EQ(s.failed, c.failed) << c.record.phase << "/" << c.record.percent;
    }
}

}  // namespace
}  // namespace feld
