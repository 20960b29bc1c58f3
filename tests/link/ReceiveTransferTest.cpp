// The PC's side of a receive: the state machine, the PC's replies and the reply store.

#include <cstdio>
#include <filesystem>
#include <random>
#include <unistd.h>

#include "LinkFixture.h"
#include "base/SafeFile.h"

namespace feld::test {
namespace {

class ReceiveTransferTest : public LinkFixture {
protected:
    std::filesystem::path dir;

    void SetUp() override
    {
        LinkFixture::SetUp();
        dir = std::filesystem::temp_directory_path() / ("feld-recv-" + std::to_string(::getpid()) + "-" +
                                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    static std::vector<std::uint8_t> FileBody(const std::vector<std::uint8_t>& content, std::uint32_t sizeField)
    {
        std::vector<std::uint8_t> v(32 + content.size(), 0);
        wire::put32(v.data() + 14, sizeField);
        std::copy(content.begin(), content.end(), v.begin() + 32);
        return v;
    }
};

TEST_F(ReceiveTransferTest, ReplyDataArrivesWholeAndThePcAcceptsEachFrame)
{
    Connected();
    auto data = Pattern(1100);
    term.Send({.code = wire::kCommand, .payload = data});
    EXPECT_EQ(link->ReceiveTransfer(false), 1);
    EXPECT_EQ(link->ReplyData(), data);
    EXPECT_EQ(link->ReplyRecordCount(), (1100 + 27) / 28);
    // Header accepted with counter 0, then frames 0, 1, 2.
    ASSERT_EQ(term.pcReplies.size(), 4u);
    EXPECT_EQ(term.pcReplies[0], Bytes({0x02, 0x01, 0x02, 0x00, 0x00, 0x00, 0x01, 0x0D, 0x0A, 0x02, 0x1F, 0x00}));
    EXPECT_EQ(wire::get16(term.pcReplies[3].data() + 4), 2);

    // The next reply replaces the data.
    term.Send({.code = wire::kReplyData, .payload = Pattern(28, 1)});
    EXPECT_EQ(link->ReceiveTransfer(false), 1);
    EXPECT_EQ(link->ReplyData(), Pattern(28, 1));
    EXPECT_EQ(link->ReplyRecordCount(), 1);
}

TEST_F(ReceiveTransferTest, BadFramesAreRefusedAndReadAgain)
{
    Connected();
    auto data = Pattern(3000);
    FakeTerminal::Outgoing out{.code = wire::kCommand, .payload = data};
    out.corruptOnce = {{1, 1}, {4, 1}};
    term.Send(out);
    EXPECT_EQ(link->ReceiveTransfer(false), 1);
    EXPECT_EQ(link->ReplyData(), data);
    int rejects = 0;
    for (const auto& r : term.pcReplies)
        if (r[6] == 0)
            ++rejects;
    EXPECT_EQ(rejects, 2);
    EXPECT_EQ(term.pcReplies[0], Bytes({0x02, 0x01, 0x02, 0x00, 0x00, 0x00, 0x01, 0x0D, 0x0A, 0x02, 0x1F, 0x00}));

    // Retries count per frame: sixty frames each spoilt once still arrive, though together they
    // need more reads again than one frame may.
    auto longer = Pattern(60 * 512, 3);
    FakeTerminal::Outgoing noisy{.code = wire::kCommand, .payload = longer};
    for (int i = 0; i < 60; ++i)
        noisy.corruptOnce[i] = 1;
    term.Send(noisy);
    EXPECT_EQ(link->ReceiveTransfer(false), 1);
    EXPECT_EQ(link->ReplyData(), longer);
}

TEST_F(ReceiveTransferTest, DuplicateFramesAreAcknowledgedButStoredOnce)
{
    Connected();
    auto data = Pattern(6 * 512 + 40);
    FakeTerminal::Outgoing out{.code = wire::kCommand, .payload = data};
    out.duplicate = {2, 5};
    term.Send(out);
    EXPECT_EQ(link->ReceiveTransfer(false), 1);
    EXPECT_EQ(link->ReplyData(), data);
}

TEST_F(ReceiveTransferTest, CounterZeroIsTakenAsTheExpectedFrame)
{
    Connected();
    auto data = Pattern(4 * 512);
    FakeTerminal::Outgoing out{.code = wire::kCommand, .payload = data};
    out.counterOverride = {{2, 0}};  // the third frame says 0 instead of 2
    term.Send(out);
    EXPECT_EQ(link->ReceiveTransfer(false), 1);
    EXPECT_EQ(link->ReplyData(), data);
}

TEST_F(ReceiveTransferTest, RestartHeaderAndBadHeaderAreSkipped)
{
    Connected();
    auto data = Pattern(700);
    term.Send({.code = wire::kCommand, .payload = data, .restartFirst = true});
    EXPECT_EQ(link->ReceiveTransfer(false), 1);
    EXPECT_EQ(link->ReplyData(), data);
    // No answer to the restart header: the first reply the PC sent accepts the real header.
    ASSERT_FALSE(term.pcReplies.empty());
    EXPECT_EQ(term.pcReplies[0][6], 1);

    term.pcReplies.clear();
    term.Send({.code = wire::kCommand, .payload = data, .badHeaderFirst = true});
    EXPECT_EQ(link->ReceiveTransfer(false), 1);
    EXPECT_EQ(link->ReplyData(), data);
    ASSERT_GE(term.pcReplies.size(), 2u);
    EXPECT_EQ(term.pcReplies[0], Bytes({0x02, 0x01, 0x02, 0x00, 0x00, 0x00, 0x00, 0x0D, 0x0A, 0x02, 0x1E, 0x00}));
    EXPECT_EQ(term.pcReplies[1][6], 1);
}

TEST_F(ReceiveTransferTest, NoHeaderFailsAfterOneReplyTimeOut)
{
    Connected();
    std::int64_t start = clock.monotonicMs();
    EXPECT_EQ(link->ReceiveTransfer(false), 0);
    std::int64_t waited = clock.monotonicMs() - start;
    EXPECT_GE(waited, 2000);
    EXPECT_LE(waited, 3200);
    EXPECT_TRUE(term.pcReplies.empty());
}

TEST_F(ReceiveTransferTest, FramesThatStopComingFailAfterFortyTimeOuts)
{
    Connected();
    term.Send({.code = wire::kCommand, .payload = Pattern(100), .stopAfterHeader = true});
    EXPECT_EQ(link->ReceiveTransfer(false), 0);
    int rejects = 0;
    for (const auto& r : term.pcReplies)
        if (r[6] == 0)
            ++rejects;
    EXPECT_EQ(rejects, 40);
}

TEST_F(ReceiveTransferTest, FileArrivesInTheCallersSinkWithoutItsHeader)
{
    Connected();
    BufferSink sink;
    auto content = Pattern(2000);
    term.Send({.code = wire::kFile, .payload = FileBody(content, 2000)});
    EXPECT_EQ(link->ReceiveTransfer(false, Expect::FileOrAnswer(sink)), 1);
    EXPECT_EQ(sink.bytes, content);

    // An empty file.
    term.Send({.code = wire::kFile, .payload = FileBody({}, 0)});
    EXPECT_EQ(link->ReceiveTransfer(false, Expect::FileOrAnswer(sink)), 1);
    EXPECT_TRUE(sink.bytes.empty());

    // The header says 5000 bytes, the transfer carries 1000: failed.
    term.Send({.code = wire::kFile, .payload = FileBody(Pattern(1000), 5000)});
    EXPECT_EQ(link->ReceiveTransfer(false, Expect::FileOrAnswer(sink)), 0);

    // The header says 10 bytes, more follow: only the 10 are the file's.
    term.Send({.code = wire::kFile, .payload = FileBody(Pattern(1500), 10)});
    EXPECT_EQ(link->ReceiveTransfer(false, Expect::FileOrAnswer(sink)), 1);
    auto expect = Pattern(1500);
    expect.resize(10);
    EXPECT_EQ(sink.bytes, expect);

    // A sink that cannot keep the file fails the receive.
    struct FullSink : FileSink {
        bool Begin(std::uint32_t) override { return true; }
        bool Write(const std::uint8_t*, std::size_t) override { return false; }
    } full;
    term.Send({.code = wire::kFile, .payload = FileBody(Pattern(100), 100)});
    EXPECT_EQ(link->ReceiveTransfer(false, Expect::FileOrAnswer(full)), 0);
}

// A PC file fetched earlier is written once, through its own sink; a later listing that the
// terminal answers with a file (whole or broken off) is refused and touches no PC file.
TEST_F(ReceiveTransferTest, TransfersNobodyAskedForAreRefusedAndTouchNoFile)
{
    Connected();
    // Lengths no drive or command can have are refused before any memory is set aside for them.
    BufferSink nowhere;
    for (std::uint8_t code : {wire::kReplyData, wire::kFile}) {
        auto h = wire::makeHeader(code, 0xFFFFFFF0u);
        term.device->Deliver({h.begin(), h.end()});
        EXPECT_EQ(link->ReceiveTransfer(false, Expect::FileOrAnswer(nowhere)), 0);
        EXPECT_EQ(term.pcReplies.back()[6], 0);
    }
    EXPECT_EQ(ui.shownTexts().size(), 2u);
    EXPECT_TRUE(nowhere.bytes.empty());

    struct WriterSink : FileSink {
        SafeFileWriter& w;
        explicit WriterSink(SafeFileWriter& writer) : w(writer) {}
        bool Begin(std::uint32_t) override { return true; }
        bool Write(const std::uint8_t* d, std::size_t n) override { return w.Write(d, n); }
    };
    const auto fetched = dir / "A.TXT";
    SafeFileWriter writer;
    ASSERT_TRUE(writer.Open(fetched.string()));
    WriterSink sink(writer);
    term.answers.push_back({.code = wire::kFile, .payload = FileBody(Pattern(700), 700)});
    ASSERT_EQ(link->GetFile("C:\\DATA\\A.TXT", sink, false).status(), 1);
    ASSERT_TRUE(writer.Commit());

    term.answers.push_back({.code = wire::kFile, .payload = FileBody(Pattern(300, 9), 300)});
    int count = -1;
    EXPECT_EQ(link->ListDirectory("C:\\", count), nullptr);
    EXPECT_EQ(count, 0);
    term.answers.push_back({.code = wire::kFile, .payload = FileBody(Pattern(300, 9), 900), .stopAfterHeader = true});
    EXPECT_EQ(link->ListDirectory("C:\\", count), nullptr);
    EXPECT_EQ(ReadFile(fetched), Pattern(700));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
    // Refused at the header, before anything was kept, and said so.
    EXPECT_EQ(term.pcReplies.back()[6], 0);
    EXPECT_NE(ui.shownTexts().back().find("refused"), std::string::npos);

}

TEST_F(ReceiveTransferTest, RandomBytesFromTheLineNeverCrashOrHang)
{
    Connected();
    std::mt19937 rng(1234);
    for (int round = 0; round < 150; ++round) {
        std::vector<std::uint8_t> junk(rng() % 3000);
        for (auto& b : junk)
            b = static_cast<std::uint8_t>(rng());
        // Sometimes a real header so the block states run too.
        if (round % 3 == 0) {
            auto h = wire::makeHeader(static_cast<std::uint8_t>(3 + rng() % 4), rng() % 5000);
            junk.insert(junk.begin(), h.begin(), h.end());
        }
        BufferSink sink;
        term.device->Deliver(junk);
        std::int64_t start = clock.monotonicMs();
        int r = link->ReceiveTransfer(false, Expect::FileOrAnswer(sink));
        EXPECT_TRUE(r == 0 || r == 1);
        // Forty block time-outs at most, each 2 to 3 s.
        EXPECT_LE(clock.monotonicMs() - start, 41 * 3200);
        link->Port()->ResetRing();
    }
}

}  // namespace
}  // namespace feld::test
