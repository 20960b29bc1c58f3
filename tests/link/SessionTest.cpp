// The session object: connecting through it, the busy window, missed fixed times, the port text.

#include "LinkFixture.h"
#include "session/Config.h"
#include "session/Session.h"

namespace feld::test {
namespace {

class SessionTest : public ::testing::Test {
protected:
    FakeClock clock{5'000'000, 1'700'000'000};
    RecorderUi ui;
    Config config{"/nonexistent/feldspan-test.ini"};
    FakeTerminal term;
    std::unique_ptr<Session> session;

    void SetUp() override
    {
        config.port.serialDevice = "/dev/fake";
        session = std::make_unique<Session>(config, ui, clock, [this](const PortSettings& s) { return makeFakeDevice(term, &s); });
    }
};

// The port's name in the status text: Windows names COM ports, Linux the device.
#ifdef _WIN32
const std::string kPort3 = "Com3", kUsb0 = "/dev/ttyUSB0", kFake = "/dev/fake";
#else
const std::string kPort3 = "ttyS2", kUsb0 = "ttyUSB0", kFake = "fake";  // port 3 is /dev/ttyS2
#endif

TEST_F(SessionTest, PortTextNamesPortSpeedParityAndBits)
{
    PortSettings p;
    p.serialPort = 3;
    p.baudrate = 9600;
    p.databits = 7;
    p.stopbits = 0;
    p.parity = 0;
    EXPECT_EQ(Session::PortStatusText(p), kPort3 + ",9600,N,7,1");
    p.parity = 1;
    p.stopbits = 2;
    EXPECT_EQ(Session::PortStatusText(p), kPort3 + ",9600,O,7,2");
    p.parity = 2;
    EXPECT_EQ(Session::PortStatusText(p), kPort3 + ",9600,E,7,2");
    p.serialDevice = "/dev/ttyUSB0";
    EXPECT_EQ(Session::PortStatusText(p), kUsb0 + ",9600,E,7,2");
    p.portChoice = 0;
    EXPECT_EQ(Session::PortStatusText(p), "USB");
}

TEST_F(SessionTest, ConnectLinkKeepsAGoodLinkAndDropsAFailedOneWithOneMessage)
{
    EXPECT_EQ(session->CheckConnected(), 0);
    EXPECT_EQ(ui.shownIds(), std::vector<int>({txt::kNotConnected}));

    ui.clear();
    ASSERT_EQ(session->ConnectLink(0), 1);
    ASSERT_NE(session->Link(), nullptr);
    EXPECT_EQ(session->CheckConnected(), 1);
    auto port = ui.eventsOf("port");
    ASSERT_FALSE(port.empty());
    EXPECT_EQ(port.back().text, kFake + ",115200,N,8,1");
    EXPECT_EQ(port.back().value, 0);

    term.device->open_ = false;
    EXPECT_EQ(session->CheckConnected(), 0);
    EXPECT_EQ(ui.shownIds().back(), txt::kPortFailed);

    // The terminal does not answer: the link goes, kConnectFailed is shown once, with the reason.
    ui.clear();
    clock.advanceMs(60'000);
    term.headerStatuses = {-1};
    EXPECT_EQ(session->ConnectLink(1), 0);
    EXPECT_EQ(session->Link(), nullptr);
    EXPECT_EQ(ui.shownIds(), std::vector<int>({txt::kConnectFailed}));
    EXPECT_NE(ui.shownTexts()[0].find("did not answer"), std::string::npos);

    // The device cannot be opened: still one message.
    ui.clear();
    term.openFails = true;
    EXPECT_EQ(session->ConnectLink(0), 0);
    EXPECT_EQ(ui.shownIds(), std::vector<int>({txt::kConnectFailed}));
    EXPECT_TRUE(session->ResidentTimerArmed() == false);
}

TEST_F(SessionTest, DisconnectedPortStopsTheResidentTimer)
{
    session->SetResidentTimerArmed(true);
    session->ShowPortStatus(0);
    EXPECT_TRUE(session->ResidentTimerArmed());
    session->ShowPortStatus(1);
    EXPECT_FALSE(session->ResidentTimerArmed());
    EXPECT_EQ(ui.eventsOf("port").back().value, 1);
}

TEST_F(SessionTest, BusyWindowRecordsTimesAndCatchesFixedTimesInside)
{
    const std::int64_t t0 = clock.calendarSeconds();
    config.standby.fixTime = {t0 + 5, t0 + 100, 0};
    config.standby.fixTimeEnable = {0, 1, 0};  // the one inside is disabled: it still counts

    session->BeginOperation();
    EXPECT_TRUE(session->Busy());
    EXPECT_EQ(session->OperationStart(), t0);
    clock.advanceMs(15'000);
    session->EndOperation();
    EXPECT_FALSE(session->Busy());
    EXPECT_EQ(session->OperationEnd(), t0 + 15);
    EXPECT_TRUE(session->TakeMissedSchedule());
    EXPECT_FALSE(session->MissedSchedule());

    // Start and end themselves are not inside.
    config.standby.fixTime = {t0 + 15, t0 + 20, 0};
    session->BeginOperation();
    clock.advanceMs(5'000);
    session->EndOperation();
    EXPECT_FALSE(session->MissedSchedule());

    // An aborted operation only clears the flag.
    session->BeginOperation();
    std::int64_t end = session->OperationEnd();
    clock.advanceMs(50'000);
    session->AbortOperation();
    EXPECT_FALSE(session->Busy());
    EXPECT_EQ(session->OperationEnd(), end);
    EXPECT_FALSE(session->MissedSchedule());
}

}  // namespace
}  // namespace feld::test
