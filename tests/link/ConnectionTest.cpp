// Connecting, the link-alive window, the reply timer and the progress model.

#include <atomic>
#include <filesystem>
#include <thread>
#include <unistd.h>

#include "LinkFixture.h"
#include "link/serial/UsbIdentity.h"
#include "link/TransferProgress.h"

namespace feld::test {
namespace {

class ConnectionTest : public LinkFixture {};

TEST_F(ConnectionTest, ReplyTimeOutFollowsTheBaudRate)
{
    Connected();
    struct Case {
        int choice, baud, seconds;
    } cases[] = {{1, 4800, 8}, {1, 9600, 4}, {1, 19200, 2}, {1, 38400, 2}, {1, 57600, 2}, {1, 115200, 2},
                 {0, 4800, 2}, {1, 2400, 16}, {1, 230400, 2}};
    for (const Case& c : cases) {
        link->env_.settings.portChoice = c.choice;
        link->Port()->SetBaudRate(c.baud);
        // Start anywhere inside a second: the wait lasts between the time-out and one second more.
        for (int offset : {0, 1, 999}) {
            clock.advanceMs(1000 - clock.monotonicMs() % 1000 + offset);
            std::int64_t start = clock.monotonicMs();
            link->Engine().StartReplyTimer();
            EXPECT_EQ(link->Engine().ReplyTimeoutSeconds(), c.seconds);
            while (!link->Engine().IsReplyTimedOut())
                clock.advanceMs(1);
            std::int64_t waited = clock.monotonicMs() - start;
            EXPECT_GE(waited, c.seconds * 1000) << c.baud << " " << offset;
            EXPECT_LE(waited, c.seconds * 1000 + 1000) << c.baud << " " << offset;
        }
    }
}

TEST_F(ConnectionTest, NoLinkCheckWithinThirtySecondsOfAGoodExchange)
{
    Connected();
    EXPECT_EQ(term.opens, 1 + 1);  // Connect opened the port, the link check reopened it
    clock.advanceMs(29'000);
    EXPECT_EQ(link->EnsureLink(), 1);
    EXPECT_TRUE(term.writes.empty());

    clock.advanceMs(2'000);
    EXPECT_EQ(link->EnsureLink(), 1);
    EXPECT_EQ(term.opens, 3);  // the serial port was reopened
    EXPECT_EQ(term.headersSeen, 1);
    EXPECT_EQ(term.writes.front()[5], wire::kLinkCheck);

    // A check that gets no answer: no link.
    clock.advanceMs(31'000);
    term.headerStatuses = {-1};
    EXPECT_EQ(link->EnsureLink(), 0);
}

TEST_F(ConnectionTest, UsbSendsTheLinkCheckTwiceAndDoesNotReopen)
{
    settings.portChoice = 0;
    link->SetPortSettings(settings);
    ASSERT_EQ(link->Connect(0), 1);
    EXPECT_EQ(term.opens, 1);
    EXPECT_EQ(term.headersSeen, 2);
    EXPECT_TRUE(ui.eventsOf("portdialog").empty());
}

TEST_F(ConnectionTest, AUsbTerminalWithASerialPortOpensAt115200EightNOneAndStoresIt)
{
    settings.portChoice = 0;
    settings.baudrate = 9600;
    settings.databits = 7;
    settings.parity = 2;
    settings.stopbits = 2;
    link->SetPortSettings(settings);
    term.usbComNumber = 2;
    term.usbPath = "/dev/ttyACM1";
    ASSERT_EQ(link->Connect(0), 1);
    const TtyInfo& info = link->Port()->Device().Info();
    EXPECT_EQ(std::vector<int>({info.baudRate, info.dataBits, info.parity, info.stopBits}),
              std::vector<int>({115200, 8, 0, 0}));
    EXPECT_EQ(std::vector<int>({settings.serialPort, settings.baudrate, settings.databits, settings.parity, settings.stopbits}),
              std::vector<int>({2, 115200, 8, 0, 0}));
    EXPECT_EQ(settings.serialDevice, "/dev/ttyACM1");
    EXPECT_EQ(term.opens, 1);
}

TEST_F(ConnectionTest, ConnectReusesAnOpenPortUnlessForced)
{
    Connected();
    host.portStatus.clear();
    EXPECT_EQ(link->Connect(0), 1);
    EXPECT_TRUE(term.writes.empty());
    EXPECT_TRUE(ui.eventsOf("portdialog").empty());
    EXPECT_EQ(host.portStatus, std::vector<int>({0}));

    // Forced: the settings dialog again, its values written back.
    PortSettings edited = settings;
    edited.baudrate = 9600;
    edited.parity = 2;
    ui.portDialogEdit = edited;
    clock.advanceMs(60'000);
    EXPECT_EQ(link->Connect(1), 1);
    EXPECT_EQ(ui.eventsOf("portdialog").size(), 1u);
    EXPECT_EQ(settings.baudrate, 9600);
    EXPECT_EQ(settings.parity, 2);
    EXPECT_EQ(link->Port()->BaudRate(), 9600);
}

TEST_F(ConnectionTest, FailuresSayWhyAndMarkThePortDisconnected)
{
    // Dialog cancelled.
    ui.portDialogResult = false;
    EXPECT_EQ(link->Connect(0), 0);
    EXPECT_EQ(host.portStatus, std::vector<int>({1}));
    EXPECT_FALSE(link->ConnectFailureShown());

    // The device cannot be opened: kConnectFailed with the reason, once.
    ui.portDialogResult = true;
    host.portStatus.clear();
    term.openFails = true;
    EXPECT_EQ(link->Connect(0), 0);
    EXPECT_EQ(ui.shownIds(), std::vector<int>({txt::kConnectFailed}));
    EXPECT_NE(ui.shownTexts()[0].find("does not exist"), std::string::npos);
    EXPECT_TRUE(link->ConnectFailureShown());
    EXPECT_EQ(host.portStatus, std::vector<int>({1}));

    // Connecting switched off: no open attempt.
    term.openFails = false;
    settings.connectEnabled = false;
    link->SetPortSettings(settings);
    PortSettings off = settings;
    ui.portDialogEdit = off;
    int opens = term.opens;
    EXPECT_EQ(link->Connect(1), 0);
    EXPECT_EQ(term.opens, opens);
    EXPECT_FALSE(link->LastConnectError().empty());
}

// The window cancels from its own thread while the worker may be reopening the port (a
// reconnect): the cancel reaches whichever port there is, and the reopen is not disturbed.
TEST_F(ConnectionTest, CancelFromAnotherThreadWhileThePortIsReopened)
{
    Connected();
    std::atomic<bool> done{false};
    std::atomic<int> cancels{0};
    std::thread canceller([&] {
        while (!done) {
            link->Cancel();
            ++cancels;
        }
    });
    while (cancels == 0)
        std::this_thread::yield();  // the reopens below overlap the cancels
    int reopened = 0;
    for (int i = 0; i < 200; ++i)
        reopened += link->ReopenPort(0);
    done = true;
    canceller.join();
    EXPECT_EQ(reopened, 200);
    EXPECT_TRUE(link->Engine().Cancelled());
    EXPECT_EQ(link->IsPortOpen(), 1);
}

TEST_F(ConnectionTest, FirmwareUpdateFlagSkipsTheLinkCheck)
{
    firmwareFlag = 1;
    EXPECT_EQ(link->Connect(0), 1);
    EXPECT_EQ(term.headersSeen, 0);
    EXPECT_EQ(link->IsPortOpen(), 1);
}

TEST_F(ConnectionTest, TraceIsWrittenOnlyWhenAskedFor)
{
    Connected();
    link->OpenTrace();
    EXPECT_FALSE(link->TraceOn());  // no trace path: no file

    auto path = std::filesystem::temp_directory_path() / ("feld-trace-" + std::to_string(::getpid())) / "t.dat";
    link->env_.tracePath = path.string();
    link->OpenTrace();
    ASSERT_TRUE(link->TraceOn());
    auto p = Pattern(100);
    ASSERT_EQ(link->SendTransfer(wire::kFile, 100, p.data(), false), 1);
    link->CloseTrace();
    const std::string trace = ReadText(path);
    // The header's reply, "Send" after the frame, the frame's reply.
    ASSERT_EQ(trace.size(), 28u);
    EXPECT_EQ(trace.substr(12, 4), "Send");
    EXPECT_EQ(static_cast<unsigned char>(trace[0]), 0x02);
    std::filesystem::remove_all(path.parent_path());
}

TEST(TransferProgressTest, PercentOfTheRange)
{
    EXPECT_EQ(TransferProgress::PercentOf(5, 0, 10), 50);
    EXPECT_EQ(TransferProgress::PercentOf(0, 0, 1), 0);
    EXPECT_EQ(TransferProgress::PercentOf(1, 0, 3), 33);
    EXPECT_EQ(TransferProgress::PercentOf(3'000'000'000LL, 0, 4'000'000'000LL), 75);  // no overflow
    EXPECT_EQ(TransferProgress::PercentOf(7, 0, 0), 0);  // an empty range does not divide by zero
    EXPECT_EQ(TransferProgress::PercentOf(20, 0, 10), 100);
    EXPECT_EQ(TransferProgress::FileNamePart("C:\\Data\\A.TXT"), "A.TXT");
    EXPECT_EQ(TransferProgress::FileNamePart("/home/u/b.bin"), "b.bin");
}

TEST(UsbIdentityTest, ReleaseNumberBecomesTenthsOfAVersion)
{
    EXPECT_EQ(UsbIdentity::ReleaseToTenths(0x0123), 12);
    EXPECT_EQ(UsbIdentity::ReleaseToTenths(0x0210), 21);
    EXPECT_EQ(UsbIdentity::ReleaseToTenths(0x1005), 100);
    EXPECT_FALSE(UsbIdentity::ReleaseNumber("../etc").has_value());
}

TEST(TransferProgressTest, ReceivingRaisesHighAndTimedModeClosesAfterTwelveSeconds)
{
    RecorderUi ui;
    FakeClock clock;
    TransferProgress recv(ProgressKind::Receiving, 0, 10, "C:\\X", &ui, &clock);
    recv.SetPos(5);
    EXPECT_EQ(recv.Percent(), 50);
    recv.SetHigh(1000);
    recv.SetPos(5);
    EXPECT_EQ(recv.Percent(), 0);
    EXPECT_EQ(recv.Label(), "...\\X") << "a receive names its file too";

    TransferProgress fmt(ProgressKind::Format, 0, 0, "", &ui, &clock);
    fmt.Create();
    fmt.StartTimed();
    int ticks = 0;
    std::vector<int> seen;
    while (fmt.Tick()) {
        seen.push_back(fmt.Percent());
        clock.advanceMs(500);
        ++ticks;
        ASSERT_LT(ticks, 100);
    }
    EXPECT_EQ(ticks, 24);
    EXPECT_EQ(seen[2], 8);  // one second of twelve
    EXPECT_FALSE(fmt.IsShown());
    EXPECT_EQ(ui.eventsOf("progress-close").size(), 1u);
}

}  // namespace
}  // namespace feld::test
