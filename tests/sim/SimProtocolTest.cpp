// The terminal's side of the link, seen from the PC's end of the line.

#include <algorithm>

#include "SimHarness.h"

namespace feld::sim::test {

class SimProtocol : public SimRig {};

TEST_F(SimProtocol, LinkCheckAnsweredFrameByFrame)
{
    start();
    Bytes r;
    pc_->write(wire::makeHeader(wire::kLinkCheck, 0));
    ASSERT_TRUE(pc_->read(r, 12));
    EXPECT_EQ(r, (Bytes{0x02, 0x01, 0x02, 0x00, 0x00, 0x00, 0x01, 0x0D, 0x0A, 0x02, 0x1F, 0x00}));
    const Bytes empty{0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x04, 0x00};
    pc_->write(empty);
    ASSERT_TRUE(pc_->read(r, 12));
    EXPECT_EQ(r[6], 1);
    // A link check has no answer transfer.
    EXPECT_TRUE(pc_->quiet(200));
    EXPECT_EQ(logCount({"\"link-check\""}), 1);
}

TEST_F(SimProtocol, BadHeaderAndBadFrameAreRefusedThenTaken)
{
    start();
    auto h = wire::makeHeader(wire::kCommand, 3);
    auto bad = h;
    bad[12] ^= 1;
    pc_->write(bad);
    auto r = pc_->readReply();
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.counter, 0);

    // Garbage before a good header is skipped.
    pc_->write(Bytes{0x55, 0x1B, 0x00, 0x13});
    pc_->write(h);
    ASSERT_EQ(pc_->readReply().status, 1);
    auto cmd = wire::makeCommand(wire::kOpDiskInfo, "");
    auto frame = wire::makeDataFrame(0, cmd.data(), cmd.size());
    auto spoilt = frame;
    spoilt[6] ^= 0x10;
    pc_->write(spoilt);
    EXPECT_EQ(pc_->readReply().status, 0);
    pc_->write(frame);
    EXPECT_EQ(pc_->readReply().status, 1);
    Bytes answer;
    ASSERT_EQ(pc_->receive(answer), wire::kCommand);
    auto info = wire::parseDiskInfoReply(answer.data(), answer.size());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->firmware, 201);
}

TEST_F(SimProtocol, CountersWrapAndResentFramesAreNotTakenTwice)
{
    start();
    // 51 frames: the 51st carries counter 0 again.
    Bytes body = Pattern(50 * 512 + 100 - 32, 1);
    ASSERT_EQ(pc_->send(wire::kFile, filePayload("WRAP.DAT", body)), 1);
    EXPECT_EQ(readHost("C/Data/WRAP.DAT"), body);

    // The first frame (counter 0) sent twice: the copy is answered with its counter, not stored.
    Bytes small = Pattern(700, 2);
    auto payload = filePayload("TWICE.DAT", small);
    pc_->write(wire::makeHeader(wire::kFile, static_cast<std::uint32_t>(payload.size())));
    ASSERT_EQ(pc_->readReply().status, 1);
    auto f0 = wire::makeDataFrame(0, payload.data(), 512);
    pc_->write(f0);
    ASSERT_EQ(pc_->readReply().status, 1);
    pc_->write(f0);
    auto again = pc_->readReply();
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.counter, 0);
    auto f1 = wire::makeDataFrame(1, payload.data() + 512, payload.size() - 512);
    pc_->write(f1);
    ASSERT_EQ(pc_->readReply().status, 1);
    EXPECT_EQ(readHost("C/Data/TWICE.DAT"), small);
}

TEST_F(SimProtocol, CorruptedFramesAreResentUntilTheFileArrivesWhole)
{
    SimConfig c;
    c.corruptEvery = 5;
    c.seed = 3;
    start(c);
    Bytes body = Pattern(20000, 3);
    ASSERT_EQ(pc_->send(wire::kFile, filePayload("C.DAT", body)), 1);
    Bytes got;
    ASSERT_EQ(pc_->command(wire::kOpGetFile, "C:\\Data\\C.DAT", got), 1);
    ASSERT_GE(got.size(), 32u);
    EXPECT_EQ(Bytes(got.begin() + 32, got.end()), body);
    // 40 frames and a header went out first time; every 5th was spoilt and seen as bad.
    EXPECT_GE(pc_->badFrames_, 7);
    EXPECT_EQ(pc_->badFrames_, logCount({"\"corrupt\""}));
}

TEST_F(SimProtocol, DroppedAnswerIsGivenToTheResend)
{
    SimConfig c;
    c.dropEvery = 2;
    start(c);
    // Two frames: the second (last) answer is left out; the resend is answered, the file is whole.
    Bytes body = Pattern(600, 4);
    ASSERT_EQ(pc_->send(wire::kFile, filePayload("D.DAT", body), 300), 1);
    EXPECT_EQ(pc_->resends_, 1);
    EXPECT_EQ(readHost("C/Data/D.DAT"), body);
    EXPECT_EQ(logCount({"\"drop\""}), 1);
}

TEST_F(SimProtocol, BusyAnswersSevenFirstAndTakesTheFrameOnce)
{
    SimConfig c;
    c.busyEvery = 1;  // every frame: 7 first, then taken
    start(c);
    Bytes body = Pattern(1500, 5);
    ASSERT_EQ(pc_->send(wire::kFile, filePayload("B.DAT", body)), 1);
    EXPECT_EQ(pc_->resends_, 3);
    EXPECT_EQ(readHost("C/Data/B.DAT"), body);
}

TEST_F(SimProtocol, RestartHeaderAndDuplicateFramesOnTheWayBack)
{
    SimConfig c;
    c.restartEvery = 1;
    c.duplicateEvery = 1;
    start(c);
    Bytes body = Pattern(4000, 6);
    ASSERT_EQ(pc_->send(wire::kFile, filePayload("R.DAT", body)), 1);
    Bytes got;
    ASSERT_EQ(pc_->command(wire::kOpGetFile, "c:\\data\\r.dat", got), 1);
    EXPECT_EQ(Bytes(got.begin() + 32, got.end()), body);
    EXPECT_EQ(pc_->restarts_, 1);
    // 4032 bytes: frames 0-6 full, frame 7 short. Every frame goes out again once taken, the first
    // and the one before the short frame 7 included; the copy of frame 7 comes after the PC is done.
    EXPECT_EQ(pc_->duplicates_, 7);
}

TEST_F(SimProtocol, ForcedStatusesAndAnUnansweredHeader)
{
    SimConfig c;
    ForcedStatus none{-1, ForcedStatus::When::Header};
    ForcedStatus eleven{11, ForcedStatus::When::File};
    ForcedStatus inUse{13, ForcedStatus::When::Op, wire::kOpDelete};
    c.forced = {none, eleven, inUse};
    start(c);
    pc_->write(wire::makeHeader(wire::kLinkCheck, 0));
    EXPECT_TRUE(pc_->quiet(300));
    EXPECT_EQ(pc_->send(wire::kFile, filePayload("X.DAT", Pattern(10, 7))), 11);
    EXPECT_FALSE(std::filesystem::exists(hostFile("C/Data/X.DAT")));
    EXPECT_EQ(pc_->send(wire::kFile, filePayload("X.DAT", Pattern(10, 7))), 1);
    EXPECT_EQ(pc_->commandStatus(wire::kOpDelete, "C:\\Data\\X.DAT"), 13);
    EXPECT_TRUE(std::filesystem::exists(hostFile("C/Data/X.DAT")));
    EXPECT_EQ(pc_->commandStatus(wire::kOpDelete, "C:\\Data\\X.DAT"), 1);
}

// The line's pace: at 19200 bit/s a byte takes 10/19200 s both ways.
TEST_F(SimProtocol, PacedLineTakesAndGivesBytesAtTheLineRate)
{
    SimConfig c;
    c.baud = 19200;
    start(c);
    const double byteS = 10.0 / 19200;
    Bytes body = Pattern(8 * 512 - 32, 8);
    auto t0 = std::chrono::steady_clock::now();
    ASSERT_EQ(pc_->send(wire::kFile, filePayload("P.DAT", body)), 1);
    double putS = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    // Header and reply, then 8 frames of 521 bytes each answered with 12.
    double expected = (14 + 12 + 8 * (521 + 12)) * byteS;
    EXPECT_GT(putS, expected * 0.97);
    EXPECT_LT(putS, expected * 1.10);

    Bytes got;
    t0 = std::chrono::steady_clock::now();
    ASSERT_EQ(pc_->command(wire::kOpGetFile, "C:\\Data\\P.DAT", got), 1);
    double getS = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    double cmdBytes = 14 + 12 + 9 + 20 + 12;
    EXPECT_GT(getS, (cmdBytes + 14 + 12 + 8 * 533) * byteS * 0.97);
    EXPECT_LT(getS, (cmdBytes + 14 + 12 + 8 * 533) * byteS * 1.10);
    EXPECT_EQ(Bytes(got.begin() + 32, got.end()), body);
}

static double secondsSince(std::chrono::steady_clock::time_point t0, std::chrono::steady_clock::time_point t)
{
    return std::chrono::duration<double>(t - t0).count();
}

// 5-byte slices at 2400 bit/s (where 10-ms slices would be 2 bytes): the PC reads the file's frame
// 5 bytes at a time, at the line's rate.
TEST_F(SimProtocol, SliceBytesHandOverSmallChunksAtTheLineRate)
{
    SimConfig c;
    c.baud = 2400;
    c.sliceBytes = 5;
    start(c);
    std::filesystem::create_directories(hostFile("C/Data"));
    std::ofstream(hostFile("C/Data/S.DAT"), std::ios::binary) << std::string(40, 'S');
    ASSERT_EQ(pc_->send(wire::kCommand, wire::makeCommand(wire::kOpGetFile, "C:\\Data\\S.DAT")), 1);
    const std::size_t frameSize = 32 + 40 + wire::kDataOverhead;
    Bytes h, frame;
    ASSERT_TRUE(pc_->read(h, wire::kHeaderSize));
    pc_->chunks_.clear();
    auto t0 = std::chrono::steady_clock::now();
    pc_->write(wire::makeReply(0, 1));
    ASSERT_TRUE(pc_->read(frame, frameSize));
    pc_->write(wire::makeReply(0, 1));
    // Our 12-byte reply goes in, then the frame comes out.
    double expected = (12 + frameSize) * 10.0 / 2400;
    double took = secondsSince(t0, pc_->chunks_.back().at);
    EXPECT_GT(took, expected * 0.95);
    EXPECT_LT(took, expected * 1.5);
    std::vector<std::size_t> sizes;
    for (const auto& ch : pc_->chunks_)
        sizes.push_back(ch.size);
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes[sizes.size() / 2], 5u);  // a late read may find two slices waiting, but not most
}

// A 200-ms latency timer, on an unpaced and a paced line: a 12-byte reply waits for the timer;
// full 62-byte packets do not.
TEST_F(SimProtocol, LatencyTimerHoldsShortRepliesAndPassesFullPackets)
{
    for (long baud : {0L, 19200L}) {
        SCOPED_TRACE(baud);
        TearDown();
        SimConfig c;
        c.baud = baud;
        c.latencyTimerMs = 200;
        start(c);
        const double byteS = baud ? 10.0 / baud : 0;
        std::filesystem::create_directories(hostFile("C/Data"));
        std::ofstream(hostFile("C/Data/L.DAT"), std::ios::binary) << std::string(480, 'L');

        auto cmd = wire::makeCommand(wire::kOpGetFile, "C:\\Data\\L.DAT");
        pc_->chunks_.clear();
        auto t0 = std::chrono::steady_clock::now();
        pc_->write(wire::makeHeader(wire::kCommand, static_cast<std::uint32_t>(cmd.size())));
        EXPECT_EQ(pc_->readReply().status, 1);
        ASSERT_EQ(pc_->chunks_.size(), 1u);  // in one piece
        double held = secondsSince(t0, pc_->chunks_[0].at);
        EXPECT_GE(held, 0.200 + 15 * byteS);
        EXPECT_LT(held, 0.200 + 26 * byteS + 0.4);
        pc_->write(wire::makeDataFrame(0, cmd.data(), cmd.size()));
        EXPECT_EQ(pc_->readReply().status, 1);

        // The file's 521-byte frame: eight packets of 62 as they fill, the last 25 bytes on the timer.
        Bytes h, frame;
        ASSERT_TRUE(pc_->read(h, wire::kHeaderSize));
        pc_->chunks_.clear();
        t0 = std::chrono::steady_clock::now();
        pc_->write(wire::makeReply(0, 1));
        ASSERT_TRUE(pc_->read(frame, wire::kMaxDataFrame));
        pc_->write(wire::makeReply(0, 1));
        const auto& chunks = pc_->chunks_;
        ASSERT_GE(chunks.size(), 2u);
        for (std::size_t i = 0; i + 1 < chunks.size(); ++i)
            EXPECT_EQ(chunks[i].size % 62, 0u) << i;
        EXPECT_EQ(chunks.back().size, 25u);
        EXPECT_LT(secondsSince(t0, chunks.front().at), 0.150);
        EXPECT_GE(secondsSince(t0, chunks.back().at), 0.200);
    }
}

TEST(SimConfigParse, ForcedStatusForms)
{
    ForcedStatus f;
    std::string err;
    ASSERT_TRUE(parseForcedStatus("6", f, err));
    EXPECT_EQ(f.status, 6);
    EXPECT_EQ(f.when, ForcedStatus::When::File);
    EXPECT_EQ(f.count, 1);
    ASSERT_TRUE(parseForcedStatus("12:op=1:all", f, err));
    EXPECT_EQ(f.when, ForcedStatus::When::Op);
    EXPECT_EQ(f.op, 1);
    EXPECT_EQ(f.count, 0);
    ASSERT_TRUE(parseForcedStatus("none:header:2", f, err));
    EXPECT_EQ(f.status, -1);
    EXPECT_EQ(f.count, 2);
    for (const char* bad : {"", "x", "300", "none", "none:op", "5:later", "5:file:0", "5:file:1:2", "5:op=x"})
        EXPECT_FALSE(parseForcedStatus(bad, f, err)) << bad;

    RepeatFrame rf;
    ASSERT_TRUE(parseRepeatFrame("49:all", rf, err));
    EXPECT_EQ(rf.counter, 49);
    EXPECT_EQ(rf.count, 0);
    ASSERT_TRUE(parseRepeatFrame("0", rf, err));
    EXPECT_EQ(rf.counter, 0);
    EXPECT_EQ(rf.count, 1);
    for (const char* bad : {"", "50", "-1", "x", "3:0", "3:", "3:2:1"})
        EXPECT_FALSE(parseRepeatFrame(bad, rf, err)) << bad;

    SimConfig c;
    bool help = false;
    const char* argv[] = {"sim", "--baud", "9600", "--c-size", "64K", "--unformatted", "D", "--model", "191:-3",
                          "--force-status", "4:frame", "--firmware=199"};
    ASSERT_TRUE(parseSimArgs(12, const_cast<char**>(argv), c, help, err)) << err;
    EXPECT_EQ(c.baud, 9600);
    EXPECT_EQ(c.cSize, 65536);
    EXPECT_TRUE(c.dUnformatted);
    EXPECT_EQ(c.modelNumber, -3);
    EXPECT_EQ(c.firmware, 199);
    ASSERT_EQ(c.forced.size(), 1u);
    const char* bad1[] = {"sim", "--model", "191"};
    EXPECT_FALSE(parseSimArgs(3, const_cast<char**>(bad1), c, help, err));
    const char* bad2[] = {"sim", "--unformatted", "E"};
    EXPECT_FALSE(parseSimArgs(3, const_cast<char**>(bad2), c, help, err));
    const char* bad3[] = {"sim", "--baud"};
    EXPECT_FALSE(parseSimArgs(2, const_cast<char**>(bad3), c, help, err));

    // The PC's port: fine slices need a paced line; an adapter's timer runs to 255 ms.
    SimConfig p;
    const char* port[] = {"sim", "--baud", "115200", "--slice-bytes", "5"};
    ASSERT_TRUE(parseSimArgs(5, const_cast<char**>(port), p, help, err)) << err;
    EXPECT_EQ(p.sliceBytes, 5);
    SimConfig q;
    const char* adapter[] = {"sim", "--latency-timer=16"};
    ASSERT_TRUE(parseSimArgs(2, const_cast<char**>(adapter), q, help, err)) << err;
    EXPECT_EQ(q.latencyTimerMs, 16);
    const std::vector<std::vector<const char*>> refused = {{"sim", "--slice-bytes", "5"},
                                                           {"sim", "--baud", "9600", "--slice-bytes", "4097"},
                                                           {"sim", "--latency-timer", "256"},
                                                           {"sim", "--latency-timer", "-1"},
                                                           {"sim", "--baud", "9600", "--slice-bytes", "5", "--latency-timer", "1"}};
    for (const auto& args : refused) {
        SimConfig r;
        EXPECT_FALSE(parseSimArgs(static_cast<int>(args.size()), const_cast<char**>(args.data()), r, help, err)) << args[1];
        EXPECT_FALSE(err.empty());
    }
}

// Any command, by op and argument, answered with any status, and files refused by name.
TEST(SimConfigParse, CommandAndFileRefusals)
{
    struct Case {
        const char* text;
        ForcedStatus::When when;
        int op;
        const char* argument;  // nullptr: any
        int count;
    };
    const Case cases[] = {
        {"9:op=4,C:\\", ForcedStatus::When::Op, 4, "C:\\", 1},
        {"4:op=4,d:\\:all", ForcedStatus::When::Op, 4, "d:\\", 0},
        {"12:command=1:3", ForcedStatus::When::Command, 1, nullptr, 3},
        {"10:command", ForcedStatus::When::Command, -1, nullptr, 1},
        {"2:header=8", ForcedStatus::When::Header, 8, nullptr, 1},
    };
    std::string err;
    for (const Case& c : cases) {
        ForcedStatus f;
        ASSERT_TRUE(parseForcedStatus(c.text, f, err)) << c.text << ": " << err;
        EXPECT_EQ(f.when, c.when) << c.text;
        EXPECT_EQ(f.op, c.op) << c.text;
        EXPECT_EQ(f.argument.has_value(), c.argument != nullptr) << c.text;
        if (c.argument && f.argument) {
            EXPECT_EQ(*f.argument, c.argument) << c.text;
        }
        EXPECT_EQ(f.count, c.count) << c.text;
    }
    ForcedStatus f;
    for (const char* bad : {"5:command=x", "none:command=4", "5:header=x", "5:op=4,C:\\:0"})
        EXPECT_FALSE(parseForcedStatus(bad, f, err)) << bad;

    SimConfig::RefusedFile r;
    ASSERT_TRUE(parseRefusedFile("c:\\data\\A.TXT=12", r, err)) << err;
    EXPECT_EQ(r.name, "c:\\data\\A.TXT");
    EXPECT_EQ(r.status, 12);
    for (const char* bad : {"A.TXT", "=5", "A.TXT=", "A.TXT=300", "A=B=5"})
        EXPECT_FALSE(parseRefusedFile(bad, r, err)) << bad;
}

}  // namespace feld::sim::test
