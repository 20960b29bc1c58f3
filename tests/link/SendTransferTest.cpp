// The PC's side of a send: frames on the wire, counters, statuses, retries.

#include <functional>

#include "LinkFixture.h"

namespace feld::test {
namespace {

class SendTransferTest : public LinkFixture {};

TEST_F(SendTransferTest, LinkCheckAndDiskInfoCommandGoOutAsTheKnownBytes)
{
    ASSERT_EQ(link->Connect(0), 1);
    // The link check: its header and its empty data frame.
    ASSERT_EQ(term.writes.size(), 2u);
    EXPECT_EQ(term.writes[0], Bytes({0x1B, 0x02, 0x01, 0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x02, 0x1B, 0x3E, 0x00}));
    EXPECT_EQ(term.writes[1], Bytes({0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x04, 0x00}));
    EXPECT_EQ(host.portStatus, std::vector<int>({0}));

    term.writes.clear();
    const std::uint8_t cmd[] = {0x05, 0x0D, 0x0A};
    link->MarkLinkAlive();
    EXPECT_EQ(link->SendTransfer(wire::kCommand, 3, cmd, false), 1);
    ASSERT_EQ(term.writes.size(), 2u);
    EXPECT_EQ(term.writes[0], Bytes({0x1B, 0x02, 0x01, 0x02, 0x00, 0x04, 0x03, 0x00, 0x00, 0x00, 0x02, 0x1B, 0x44, 0x00}));
    EXPECT_EQ(term.writes[1], Bytes({0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x0D, 0x0A, 0x02, 0x20, 0x00}));
}

TEST_F(SendTransferTest, PayloadsSplitAt512AndTheCounterWrapsAfter49)
{
    Connected();
    auto p512 = Pattern(512);
    EXPECT_EQ(link->SendTransfer(wire::kFile, 512, p512.data(), false), 1);
    ASSERT_EQ(term.received.size(), 1u);
    EXPECT_EQ(term.received[0].frames, 1);
    EXPECT_EQ(term.received[0].payload, p512);

    auto p513 = Pattern(513, 3);
    EXPECT_EQ(link->SendTransfer(wire::kFile, 513, p513.data(), false), 1);
    ASSERT_EQ(term.received.size(), 2u);
    EXPECT_EQ(term.received[1].frames, 2);
    EXPECT_EQ(term.received[1].payload, p513);
    EXPECT_EQ(term.writes.back().size(), 1u + wire::kDataOverhead);

    // 51 frames: the 51st carries counter 0 again.
    auto big = Pattern(50 * 512 + 10, 9);
    EXPECT_EQ(link->SendTransfer(wire::kFile, static_cast<std::uint32_t>(big.size()), big.data(), false), 1);
    ASSERT_EQ(term.received.size(), 3u);
    const auto& counters = term.received[2].counters;
    ASSERT_EQ(counters.size(), 51u);
    EXPECT_EQ(counters[49], 49);
    EXPECT_EQ(counters[50], 0);
    EXPECT_EQ(term.received[2].payload, big);
}

TEST_F(SendTransferTest, UnansweredHeaderEndsWithZeroWithinOneReplyTimeOut)
{
    Connected();
    term.headerStatuses = {-1};
    auto p = Pattern(100);
    std::int64_t start = clock.monotonicMs();
    EXPECT_EQ(link->SendTransfer(wire::kFile, 100, p.data(), false), 0);
    std::int64_t waited = clock.monotonicMs() - start;
    EXPECT_GE(waited, 2000);
    EXPECT_LE(waited, 3200);  // 2 s plus the part second and the 100-ms settling
    EXPECT_EQ(term.headersSeen, 1);  // one attempt only
    EXPECT_EQ(term.dataFramesSeen, 0);
}

// "Nothing more to send" completes a transfer with nothing in it; a file whose header is answered
// so was not taken, and the sender hears that status rather than "sent".
TEST_F(SendTransferTest, HeaderStatusTwoFinishesAtOnceWithoutData)
{
    Connected();
    term.headerStatuses = {2, 2};
    auto p = Pattern(600);
    EXPECT_EQ(link->SendTransfer(wire::kFile, 600, p.data(), false), 2);
    EXPECT_EQ(link->SendTransfer(wire::kLinkCheck, 0, nullptr, false), 1);
    EXPECT_EQ(term.dataFramesSeen, 0);
}

TEST_F(SendTransferTest, BusyStatusResendsWithoutUsingAnAttempt)
{
    Connected();
    // 45 "busy" answers and then 39 lost replies on the same frame: with the busy answers counted
    // the 40-attempt limit would end the transfer.
    std::deque<FakeTerminal::Answer> script;
    for (int i = 0; i < 45; ++i)
        script.push_back({.status = 7});
    for (int i = 0; i < 39; ++i)
        script.push_back({.drop = true});
    for (int i = 0; i < 84; ++i) {
        FakeTerminal::Answer a = script[static_cast<std::size_t>(i)];
        term.frameAnswers[i].push_back(a);
    }
    auto p = Pattern(300);
    EXPECT_EQ(link->SendTransfer(wire::kFile, 300, p.data(), false), 1);
    EXPECT_EQ(term.dataFramesSeen, 85);
    ASSERT_EQ(term.received.size(), 1u);
    EXPECT_EQ(term.received[0].payload, p);
}

TEST_F(SendTransferTest, FortyFailedAttemptsOnOneFrameEndTheTransfer)
{
    Connected();
    for (int i = 0; i < 40; ++i)
        term.frameAnswers[i].push_back({.drop = true});
    auto p = Pattern(10);
    EXPECT_EQ(link->SendTransfer(wire::kFile, 10, p.data(), false), 0);
    EXPECT_EQ(term.dataFramesSeen, 40);
    EXPECT_GE(term.device->purges, 40);
    // Nothing at all came back: the terminal stopped answering, the line is not to blame.
    EXPECT_NE(link->LastFailure().find("stopped answering"), std::string::npos) << link->LastFailure();
}

TEST_F(SendTransferTest, AttemptsCountPerBlockAndStartAgainAfterAnAcceptedOne)
{
    Connected();
    // 30 failures on frame 0 and 30 on frame 1: fine, the count restarts with every accepted block.
    int index = 0;
    for (int i = 0; i < 30; ++i)
        term.frameAnswers[index++].push_back({.drop = true});
    ++index;  // frame 0 accepted
    for (int i = 0; i < 30; ++i)
        term.frameAnswers[index++].push_back({.status = 0});
    auto p = Pattern(700);
    EXPECT_EQ(link->SendTransfer(wire::kFile, 700, p.data(), false), 1);
    EXPECT_EQ(term.received.at(0).payload, p);
}

// Counter 0 in a "taken" answers any frame of a terminal that numbers nothing, but from one that
// has numbered its answers it is a late answer to an earlier frame; a wrong counter is never taken.
TEST_F(SendTransferTest, ReplyCountersSayWhichFrameWasTaken)
{
    Connected();
    auto p = Pattern(5 * 512);
    struct Case {
        const char* what;
        std::function<void()> script;
        int framesSent;
    };
    const Case cases[] = {
        {"numbers nothing",
         [this] {
             for (int i = 0; i < 5; ++i)
                 term.frameAnswers[i].push_back({.counter = 0});
         },
         5},
        {"wrong counter", [this] { term.frameAnswers[4].push_back({.counter = 2}); }, 6},
        {"late answer with counter 0",
         [this] {
             // Frame 3 is lost on the way; a late "taken 0" comes while its answer is awaited.
             term.frameAnswers[3].push_back({.drop = true});
             term.onFrame = [this](int index) {
                 if (index == 3) {
                     auto r = wire::makeReply(0, 1);
                     term.device->Deliver({r.begin(), r.end()});
                 }
             };
         },
         6},
    };
    for (const Case& c : cases) {
        term.frameAnswers.clear();
        term.onFrame = nullptr;
        term.received.clear();
        term.dataFramesSeen = 0;
        c.script();
        EXPECT_EQ(link->SendTransfer(wire::kFile, static_cast<std::uint32_t>(p.size()), p.data(), false), 1) << c.what;
        EXPECT_EQ(term.dataFramesSeen, c.framesSent) << c.what;
        ASSERT_EQ(term.received.size(), 1u) << c.what << ": the terminal did not get the whole transfer";
        EXPECT_EQ(term.received[0].payload, p) << c.what;
    }
}

TEST_F(SendTransferTest, RepeatedAndNoisyRepliesDoNotConfuseTheNextFrame)
{
    Connected();
    auto p = Pattern(4 * 512);
    term.frameAnswers[0].push_back({.twice = true});
    term.frameAnswers[1].push_back({.garbageFirst = true});
    term.frameAnswers[2].push_back({.twice = true, .garbageFirst = true});
    EXPECT_EQ(link->SendTransfer(wire::kFile, static_cast<std::uint32_t>(p.size()), p.data(), false), 1);
    EXPECT_EQ(term.dataFramesSeen, 4);  // no frame needed sending twice
    EXPECT_EQ(term.received.at(0).payload, p);
}

TEST_F(SendTransferTest, TerminalStatusesComeBackWithTheirMessages)
{
    Connected();
    auto p = Pattern(1000);
    struct Case {
        int status;
        int message;  // 0 none, 1 "PDT return error", 2 "Power is too low."
    } cases[] = {{4, 0}, {5, 0}, {6, 0}, {11, 0}, {12, 0}, {2, 1}, {16, 1}, {200, 1}, {9, 2}};
    for (const Case& c : cases) {
        ui.clear();
        term.frameAnswers.clear();
        term.dataFramesSeen = 0;
        term.frameAnswers[0].push_back({.status = c.status});
        EXPECT_EQ(link->SendTransfer(wire::kFile, 1000, p.data(), false), c.status) << c.status;
        auto texts = ui.shownTexts();
        if (c.message == 0) {
            EXPECT_TRUE(texts.empty()) << c.status;
        } else {
            ASSERT_EQ(texts.size(), 1u) << c.status;
            EXPECT_EQ(texts[0], c.message == 1 ? "PDT return error : " + std::to_string(c.status) + " ! " : "Power is too low.");
        }
    }
}

TEST_F(SendTransferTest, ModelReplyNamesTheFlashWriter)
{
    Connected();
    auto p = Pattern(100);
    auto sendWithModel = [&](std::uint16_t cls, std::int16_t model) {
        term.frameAnswers.clear();
        term.dataFramesSeen = 0;
        // The terminal answers the first data frame with the model reply.
        term.onFrame = [this, cls, model](int index) {
            if (index == 0) {
                auto r = wire::makeModelReply(cls, model);
                term.frameAnswers[0].push_back({.drop = true});
                term.device->Deliver({r.begin(), r.end()});
            }
        };
        return link->SendTransfer(wire::kFile, 100, p.data(), false);
    };
    EXPECT_EQ(sendWithModel(191, 9067), 3);
    EXPECT_EQ(link->modelClass_, 191);
    EXPECT_EQ(link->modelNumber_, 9067);
#ifdef _WIN32
    EXPECT_EQ(link->flashWriterPath_, "/opt/feldspan/DP\\SST_RW.abp");  // Windows joins with a backslash
#else
    EXPECT_EQ(link->flashWriterPath_, "/opt/feldspan/DP/SST_RW.abp");
#endif
    EXPECT_TRUE(ui.shownIds().empty());

    link->flashWriterPath_.clear();
    EXPECT_EQ(sendWithModel(191, -2), 3);
    EXPECT_EQ(link->modelNumber_, -2);
    EXPECT_TRUE(link->flashWriterPath_.empty());
    EXPECT_EQ(ui.shownIds(), std::vector<int>({txt::kNoFlashWriter}));
}

TEST_F(SendTransferTest, WriteFailuresAndTimeOutsAreRetriedThenGiveUp)
{
    Connected();
    auto p = Pattern(100);
    term.device->writeResults = {1, kWriteTimedOut, kWriteFailed};  // header ok, two frame writes fail
    EXPECT_EQ(link->SendTransfer(wire::kFile, 100, p.data(), false), 1);
    EXPECT_EQ(term.received.at(0).payload, p);

    // A header that cannot be written is the one attempt.
    term.device->writeResults = {kWriteFailed};
    EXPECT_EQ(link->SendTransfer(wire::kFile, 100, p.data(), false), 0);
}

TEST_F(SendTransferTest, VanishedDeviceEndsTheTransferAtOnce)
{
    Connected();
    auto p = Pattern(3000);
    term.onFrame = [this](int index) {
        if (index == 2)
            term.device->open_ = false;  // unplugged while the frame went out
    };
    std::int64_t start = clock.monotonicMs();
    EXPECT_EQ(link->SendTransfer(wire::kFile, 3000, p.data(), false), 0);
    EXPECT_LT(clock.monotonicMs() - start, 10'000);  // no forty time-outs
}

TEST_F(SendTransferTest, ProgressShowsTheShareSentBeforeEachFrame)
{
    Connected();
    link->Engine().SetTitle("C:\\Data\\ONE.TXT");
    std::uint8_t one = 0x41;
    EXPECT_EQ(link->SendTransfer(wire::kFile, 1, &one, true), 1);
    auto ev = ui.events();
    ASSERT_FALSE(ev.empty());
    EXPECT_EQ(ev.front().kind, "progress-open");
    EXPECT_NE(ev.front().text.find("...\\ONE.TXT"), std::string::npos);
    std::vector<int> percents;
    for (const auto& e : ev)
        if (e.kind == "progress")
            percents.push_back(e.value);
    ASSERT_FALSE(percents.empty());
    EXPECT_EQ(percents.front(), 0);  // shown before its only frame
    EXPECT_EQ(percents.back(), 100);
    EXPECT_EQ(ev.back().kind, "progress-close");
}

// Frames the terminal leaves unanswered: after the first silent retries the progress line says
// so, and it shows the file again once the terminal answers.
TEST_F(SendTransferTest, ProgressSaysWhileTheTerminalDoesNotAnswer)
{
    Connected();
    link->Engine().SetTitle("C:\\Data\\ONE.TXT");
    for (int i = 0; i < 3; ++i)
        term.frameAnswers[term.dataFramesSeen + i].push_back({.drop = true});
    std::uint8_t one = 0x41;
    EXPECT_EQ(link->SendTransfer(wire::kFile, 1, &one, true), 1);
    std::vector<std::string> labels;
    for (const auto& e : ui.eventsOf("progress-label"))
        labels.push_back(e.text);
    ASSERT_EQ(labels.size(), 3u) << ::testing::PrintToString(labels);  // after the 2nd and 3rd silence, then back
    EXPECT_EQ(labels[0], "the terminal does not answer; retrying (attempt 3 of 40)");
    EXPECT_EQ(labels[2], "...\\ONE.TXT");
}

}  // namespace
}  // namespace feld::test
