// The terminal operations against the simulated terminal: names, kernel images, the format wait,
// disk information, the flash writer on demand, listings and fetches.

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

#include "OpsFixture.h"
#include "link/LinkPort.h"
#include "link/serial/CSerialCom.h"
#include "link/wire/TermCodec.h"

namespace feld::test {
namespace {

using Ops = OpsFixture;

TEST_F(Ops, FileNamesOfTwelveBytesGoThroughAndThirteenAreRefusedBeforeAnyExchange)
{
    Connected();
    std::string twelve = PcFile("ABCDEFGH.TXT", 40);
    EXPECT_EQ(Link().PutFile(twelve, "c:\\data", 0, false, false).status(), 1);
    EXPECT_EQ(ReadFile(TermFile("C", "DATA/ABCDEFGH.TXT")), Pattern(40));

    const auto linesBefore = log->lines().size();
    std::string thirteen = PcFile("ABCDEFGHI.TXT", 40);
    EXPECT_EQ(Link().PutFile(thirteen, "c:\\data", 0, false, false).status(), 0);
    EXPECT_EQ(Link().PutFileToPath(thirteen, "C:\\ABCDEFGHI.TXT", 0, 0, false).status(), 0);
    EXPECT_EQ(Count(ui.shownIds(), txt::kNameTooLong), 2);
    EXPECT_EQ(log->lines().size(), linesBefore) << "nothing may reach the terminal";
}

TEST_F(Ops, MissingLocalFileGivesTheSystemsReason)
{
    Connected();
    EXPECT_EQ(Link().PutFile((dir / "pc" / "NOPE.TXT").string(), "c:\\data", 0, false, false).status(), 0);
    auto texts = ui.shownTexts();
    ASSERT_FALSE(texts.empty());
    EXPECT_NE(texts.back().find("No such file or directory"), std::string::npos) << texts.back();
}

// Only the kernel update wraps a kernel image: a ".bin" file sent any other way is data and
// arrives byte for byte, whatever its name or folder.
TEST_F(Ops, BinFilesSentAsFilesArriveByteForByte)
{
    Connected();
    fs::path scan = dir / "pc" / "scan.bin";
    WriteFile(scan, Pattern(1003, 2));
    EXPECT_EQ(Link().PutFile(scan.string(), "c:\\data", 0, false, false).status(), 1);
    EXPECT_EQ(Link().PutFileToPath(scan.string(), "C:\\DATA\\B.BIN", 0, 0, false).status(), 1);
    EXPECT_EQ(ReadFile(TermFile("C", "DATA/SCAN.BIN")), Pattern(1003, 2));
    EXPECT_EQ(ReadFile(TermFile("C", "DATA/B.BIN")), Pattern(1003, 2));
    EXPECT_TRUE(term->kernelImage().empty());
}

TEST_F(Ops, FormattingDWaitsTwelveSecondsButOtherDrivesDoNot)
{
    Connected();
    // With the waiting window: the window of kind format opens for "D:\" only.
    EXPECT_EQ(Link().RunCommand(wire::kOpFormat, "C:\\").status(), 1);
    EXPECT_EQ(Link().RunCommand(wire::kOpFormat, "d:\\").status(), 1);
    for (const auto& e : ui.eventsOf("progress-open"))
        EXPECT_NE(e.value, static_cast<int>(ProgressKind::Format));
    EXPECT_EQ(Link().RunCommand(wire::kOpFormat, "D:\\").status(), 1);
    auto opened = ui.eventsOf("progress-open");
    ASSERT_FALSE(opened.empty());
    EXPECT_EQ(opened.back().value, static_cast<int>(ProgressKind::Format));

    // Without it: a plain 12-second sleep on the clock, again only for "D:\".
    Link().showFormatWait_ = 0;
    auto before = clock.sleptMs();
    EXPECT_EQ(Link().RunCommand(wire::kOpFormat, "d:\\").status(), 1);
    EXPECT_LT(clock.sleptMs() - before, 12000);
    before = clock.sleptMs();
    EXPECT_EQ(Link().RunCommand(wire::kOpFormat, "D:\\").status(), 1);
    EXPECT_GE(clock.sleptMs() - before, 12000);
}

TEST_F(Ops, DiskInformationShowsAnUnformattedDriveAsNegativeFree)
{
    simConfig.dUnformatted = true;
    simConfig.firmware = 200;
    Connected();
    int v = 0, ct = 0, cf = 0, dt = 0, df = 0;
    EXPECT_EQ(Link().GetDiskInfo(v, ct, cf, dt, df).status(), 1);
    EXPECT_EQ(v, 200);
    EXPECT_EQ(ct, simConfig.cSize);
    EXPECT_GE(cf, 0);
    EXPECT_LT(df, 0);
}

TEST_F(Ops, StatusThreeSendsTheFlashWriterOnceAndRepeatsTheCommand)
{
    sim::ForcedStatus once;
    once.status = 3;
    once.when = sim::ForcedStatus::When::Frame;
    simConfig.forced.push_back(once);
    ConnectedQuietly();
    int v = 0, ct = 0, cf = 0, dt = 0, df = 0;
    EXPECT_EQ(Link().GetDiskInfo(v, ct, cf, dt, df).status(), 1);
    EXPECT_EQ(v, 201);
    EXPECT_EQ(Link().modelNumber_, 9067);
    EXPECT_EQ(ReadFile(TermFile("C", "PROGRAM/ROMWrite.abp")), Pattern(700, 3));
    EXPECT_EQ(LogLines({"stored", "ROMWrite.abp"}).size(), 1u) << "the writer goes once";
    // The writer's own disk-information query, then the command again.
    EXPECT_EQ(LogLines({"\"event\":\"command\"", "\"op\":5"}).size(), 2u);
}

TEST_F(Ops, StatusThreeToAFileSendsTheWriterThenTheFileAgain)
{
    simConfig.needFlashWriter = true;
    Connected();
    EXPECT_EQ(Link().PutFile(PcFile("A.TXT", 600), "c:\\data", 0, false, false).status(), 1);
    EXPECT_EQ(ReadFile(TermFile("C", "DATA/A.TXT")), Pattern(600));
    EXPECT_EQ(LogLines({"stored", "ROMWrite.abp"}).size(), 1u);
    EXPECT_EQ(LogLines({"stored", "A.TXT"}).size(), 1u);
}

TEST_F(Ops, FlashWriterRequestFromAnUnknownModelSendsNothing)
{
    sim::ForcedStatus once;
    once.status = 3;
    once.when = sim::ForcedStatus::When::Frame;
    simConfig.forced.push_back(once);
    simConfig.modelNumber = 9000;
    ConnectedQuietly();
    int v = 0, ct = 0, cf = 0, dt = 0, df = 0;
    EXPECT_EQ(Link().GetDiskInfo(v, ct, cf, dt, df).status(), 0);
    EXPECT_EQ(Count(ui.shownIds(), txt::kNoFlashWriter), 1);
    EXPECT_TRUE(LogLines({"ROMWrite.abp"}).empty());
}

TEST_F(Ops, ListingsOfEmptyAndFullFoldersAndOverlongPaths)
{
    fs::create_directories(fs::path(simConfig.root) / "C" / "EMPTY");
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "A.TXT", Pattern(5));
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "B.DAT", Pattern(600));
    Connected();

    int count = -1;
    EXPECT_NE(Link().ListDirectory("C:\\EMPTY", count), nullptr);
    EXPECT_EQ(count, 0);

    const std::uint8_t* data = Link().ListDirectory("C:\\DATA", count);
    ASSERT_NE(data, nullptr);
    ASSERT_EQ(count, 2);
    std::vector<wire::DirEntry> entries = wire::decodeDirectory(data, 2 * wire::kDirEntrySize);
    std::vector<std::string> names{entries[0].name, entries[1].name};
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"A.TXT", "B.DAT"}));

    std::string longPath = "C:\\" + std::string(75, 'A');  // 78 bytes
    EXPECT_EQ(Link().ListDirectory(longPath, count), nullptr);
    EXPECT_EQ(count, 0);
    ASSERT_FALSE(ui.shownTexts().empty());
    EXPECT_NE(ui.shownTexts().back().find("78"), std::string::npos);
    // 77 bytes of 8.3 names still go; the terminal answers that no such folder exists.
    std::string longest = "C:";
    for (int i = 0; i < 8; ++i)
        longest += "\\AAAAAAAA";
    longest += "\\BB";
    ASSERT_EQ(longest.size(), 77u);
    EXPECT_EQ(Link().ListDirectory(longest, count), nullptr);
    EXPECT_EQ(Link().LastAnswerStatus(), 0) << "77 bytes still go";
    // The refused path never went out. Checked after a later exchange, by which time the terminal
    // has logged everything that came before it.
    EXPECT_TRUE(LogLines({std::string(75, 'A')}).empty());
}
// The bytes a progress window shows are the file's, not the headers sent or received with it.
TEST_F(Ops, ProgressCountsTheFilesBytes)
{
    Connected();
    fs::path ten = dir / "pc" / "TEN.TXT";
    WriteFile(ten, Pattern(10, 4));
    auto lastBytes = [&] {
        const auto shown = ui.eventsOf("progress-bytes");
        return shown.empty() ? std::string() : shown.back().text;
    };
    EXPECT_EQ(Link().PutFile(ten.string(), "c:\\data", 1, false, true).status(), 1);
    EXPECT_EQ(lastBytes(), "10/10");
    ui.clear();
    EXPECT_EQ(Link().PutFileToPath(ten.string(), "C:\\DATA\\T.TXT", 1, 0, true).status(), 1);
    EXPECT_EQ(lastBytes(), "10/10");
    ui.clear();
    BufferSink sink;
    EXPECT_EQ(Link().GetFile("C:\\DATA\\T.TXT", sink, true).status(), 1);
    EXPECT_EQ(lastBytes(), "10/10");
}

TEST_F(Ops, FetchedFilesArriveWhole)
{
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "F.TXT", Pattern(1500, 5));
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "Z.TXT", {});
    Connected();
    const std::int64_t sleptBefore = clock.sleptMs();
    BufferSink sink;
    EXPECT_EQ(Link().GetFile("C:\\DATA\\F.TXT", sink, false).status(), 1);
    EXPECT_EQ(sink.bytes, Pattern(1500, 5));
    EXPECT_EQ(Link().GetFile("C:\\DATA\\Z.TXT", sink, false).status(), 1);
    EXPECT_TRUE(sink.bytes.empty());
    EXPECT_EQ(Link().GetFile("C:\\DATA\\NONE.TXT", sink, false).status(), 0);
    // Every wait for the terminal blocked on the line: the only sleeps are the settling pauses
    // of 100 ms before the command and before the answer of each fetch.
    EXPECT_EQ(clock.sleptMs() - sleptBefore, 3 * 2 * 100);
}

// The port's I/O thread can end by itself (a failed wait, say): the transfer under way fails within
// its time-out instead of hanging, the port says why, and connecting again starts a new thread.
TEST_F(Ops, ADeadIoThreadFailsTheTransferAndReconnectingRecovers)
{
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "F.TXT", Pattern(60'000, 5));
    simConfig.baud = 115200;  // about six seconds on the line
    Connected();
    auto* device = dynamic_cast<CSerialCom*>(&Link().Port()->Device());
    ASSERT_NE(device, nullptr);
    std::thread breaker([device] {
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        device->BreakIoLoop(EIO);
    });
    BufferSink sink;
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(Link().GetFile("C:\\DATA\\F.TXT", sink, false).status(), 0);
    breaker.join();
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(4));
    EXPECT_NE(device->LastError().find("I/O thread"), std::string::npos) << device->LastError();

    term->stop();  // the terminal gives up on the broken transfer; a fresh one serves the rest
    term = std::make_unique<sim::SimTerminal>(simConfig, pty.fd(), *log);
    term->start();
    ASSERT_EQ(session->ConnectLink(1), 1);
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "G.TXT", Pattern(700, 6));
    EXPECT_EQ(Link().GetFile("C:\\DATA\\G.TXT", sink, false).status(), 1);
    EXPECT_EQ(sink.bytes, Pattern(700, 6));
}

}  // namespace
}  // namespace feld::test
