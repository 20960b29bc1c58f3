// The receive ring and the link's port: what the reader thread hands over, and what writes report.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "FakeTerminal.h"
#include "base/PortSettings.h"
#include "link/LinkPort.h"
#include "link/ReceiveRing.h"
#include "link/serial/CSerialCom.h"
#include "support/RecorderUi.h"

namespace feld::test {
namespace {

TEST(ReceiveRingTest, ReadsInOrderWithTheRunningSumAcrossTheWrap)
{
    ReceiveRing ring;
    std::vector<std::uint8_t> a(1500, 0x10);
    ring.Push(a.data(), a.size());
    std::uint8_t out[1600];
    std::uint16_t sum = 0;
    EXPECT_EQ(ring.Read(out, 1500, sum), 1500u);
    EXPECT_EQ(sum, static_cast<std::uint16_t>(1500 * 0x10));
    // These bytes wrap from 1599 to 0.
    std::vector<std::uint8_t> b = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    std::vector<std::uint8_t> many;
    for (int i = 0; i < 10; ++i)
        many.insert(many.end(), b.begin(), b.end());
    ring.Push(many.data(), many.size());
    sum = 0xFFFF;
    EXPECT_EQ(ring.Read(out, 7, sum), 7u);
    EXPECT_EQ(sum, static_cast<std::uint16_t>(0xFFFF + 28));
    EXPECT_EQ(ring.Read(out + 7, 1000, sum), many.size() - 7);
    EXPECT_TRUE(std::equal(many.begin(), many.end(), out));
    EXPECT_TRUE(ring.Empty());
}

TEST(ReceiveRingTest, AFullLapReadsAsEmpty)
{
    ReceiveRing ring;
    std::vector<std::uint8_t> lap(ReceiveRing::kSize, 0xAB);
    ring.Push(lap.data(), lap.size());
    EXPECT_TRUE(ring.Empty());
    EXPECT_EQ(ring.Available(), 0u);
}

TEST(ReceiveRingTest, ResetDiscardsWhatIsBufferedButKeepsWhatComesAfter)
{
    ReceiveRing ring;
    std::uint8_t stale[] = {9, 9, 9};
    ring.Push(stale, 3);
    ring.Reset();
    EXPECT_TRUE(ring.Empty());
    std::uint8_t fresh[] = {1, 2};
    ring.Push(fresh, 2);
    std::uint8_t out[4];
    std::uint16_t sum = 0;
    ASSERT_EQ(ring.Read(out, 4, sum), 2u);
    EXPECT_EQ(out[0], 1);
    EXPECT_EQ(out[1], 2);
}

TEST(ReceiveRingTest, ResetRacingTheWriterNeverReplaysStaleBytes)
{
    // The writer keeps pushing numbered bytes while the reader resets and reads: every byte the
    // reader sees must be newer than anything it saw before (no old byte comes back).
    ReceiveRing ring;
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        std::uint8_t v = 0;
        while (!stop.load()) {
            std::uint8_t chunk[7];
            for (auto& c : chunk) {
                c = v;
                v = static_cast<std::uint8_t>((v + 1) % 200);
            }
            ring.Push(chunk, sizeof chunk);
            while (ring.Available() > 1000 && !stop.load())
                std::this_thread::yield();  // never lap the reader
        }
    });
    int backwards = 0;
    for (int i = 0; i < 20000; ++i) {
        ring.Reset();
        std::uint8_t out[64];
        std::uint16_t sum = 0;
        std::size_t n = ring.Read(out, sizeof out, sum);
        for (std::size_t k = 1; k < n; ++k) {
            int step = (out[k] + 200 - out[k - 1]) % 200;
            if (step != 1)
                ++backwards;
        }
    }
    stop = true;
    writer.join();
    EXPECT_EQ(backwards, 0);
}

TEST(ReceiveRingTest, WaitBlocksUntilBytesArriveOrTheTimeIsUp)
{
    ReceiveRing ring;
    auto t0 = std::chrono::steady_clock::now();
    EXPECT_FALSE(ring.WaitReadable(50, 1));
    EXPECT_GE(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(45));

    std::thread producer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::uint8_t b = 1;
        ring.Push(&b, 1);
    });
    t0 = std::chrono::steady_clock::now();
    EXPECT_TRUE(ring.WaitReadable(5000, 1));
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(2000));
    producer.join();
}

class LinkPortTest : public ::testing::Test {
protected:
    RecorderUi ui;
    PortSettings settings;
    FakeTerminal term;
    std::unique_ptr<LinkPort> port;

    void SetUp() override
    {
        port = std::make_unique<LinkPort>(makeFakeDevice(term), &settings, &ui);
        term.device->OpenConnection();
    }
    std::vector<int> activity() const
    {
        std::vector<int> v;
        for (const auto& e : ui.eventsOf("activity"))
            v.push_back(e.value);
        return v;
    }
};

TEST_F(LinkPortTest, BytesReachTheRingOnlyInModeFour)
{
    term.device->Deliver({1, 2, 3});
    EXPECT_TRUE(port->Ring().Empty());
    port->SetMode(3);
    term.device->Deliver({1, 2, 3});
    EXPECT_TRUE(port->Ring().Empty());
    port->SetOwner(nullptr);
    EXPECT_EQ(port->Mode(), LinkPort::kModeRing);
    term.device->Deliver({1, 2, 3});
    std::uint8_t out[8];
    std::size_t count = 0;
    std::uint16_t sum = 0;
    port->ReadRing(out, 8, count, sum);
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(sum, 6);
    EXPECT_EQ(port->OnReceive(out, 0), 1);
    EXPECT_EQ(port->OnReceive(out, -5), 1);
    EXPECT_TRUE(port->Ring().Empty());
}

TEST_F(LinkPortTest, WriteResultsAndTheActivityIcon)
{
    std::uint8_t data[] = {1, 2, 3};
    term.device->writeResults = {kWriteOk, kWriteTimedOut, kWriteFailed};
    EXPECT_EQ(port->Write(data, 3), 1);
    EXPECT_EQ(port->Write(data, 3), 1000);
    EXPECT_EQ(port->Write(data, 3), 0);
    // A write that went out leaves the icon to the transfer it belongs to; a timed-out or failed
    // one removes it.
    EXPECT_EQ(activity(), std::vector<int>({0, 0}));

    // A USB block device never touches the icon.
    ui.clear();
    term.device->info_.kind = DeviceKind::UsbBlock;
    EXPECT_EQ(port->Write(data, 3), 1);
    EXPECT_TRUE(activity().empty());
}

TEST_F(LinkPortTest, LineErrorsAreShownOnlyWhenAskedFor)
{
    class ErrDevice : public FakeDevice {
    public:
        using FakeDevice::FakeDevice;
        unsigned LineErrors() const override { return 8; }
    };
    auto dev = std::make_unique<ErrDevice>(nullptr);
    ErrDevice* d = dev.get();
    LinkPort p(std::move(dev), &settings, &ui);
    d->OpenConnection();
    d->writeResults = {kWriteFailed, kWriteFailed};
    std::uint8_t b = 0;
    EXPECT_EQ(p.Write(&b, 1), 0);
    EXPECT_TRUE(ui.shownTexts().empty());
    d->info_.reportLineErrors = 1;
    EXPECT_EQ(p.Write(&b, 1), 0);
    EXPECT_EQ(ui.shownTexts(), std::vector<std::string>({"<CE-8>"}));
}

TEST_F(LinkPortTest, IsOpenFollowsThePortChoice)
{
    settings.portChoice = 1;
    EXPECT_EQ(port->IsOpen(), 1);
    term.device->info_.kind = DeviceKind::UsbCom;
    EXPECT_EQ(port->IsOpen(), 0);  // serial chosen, but the device is a USB one
    settings.portChoice = 0;
    EXPECT_EQ(port->IsOpen(), 1);
    term.device->info_.kind = DeviceKind::UsbBlock;
    EXPECT_EQ(port->IsOpen(), 1);  // through IsConnectToUSB
    term.device->CloseConnection();
    EXPECT_EQ(port->IsOpen(), 0);
}

// Every request handed to the port's I/O thread comes back to its caller, however closely they
// follow each other. (A waiter that missed the thread's answer slept for good: a close of the port
// under Windows that never returned.) The device opens but is no serial line, so each open is
// refused by the I/O thread, and each open and close is one round trip to it.
TEST(SerialIoThreadTest, EveryRequestComesBack)
{
    PortSettings s;
#ifdef _WIN32
    s.serialDevice = "NUL";
#else
    s.serialDevice = "/dev/null";
#endif
    CSerialCom com(s);
    int refused = 0;
    for (int i = 0; i < 3000; ++i) {
        refused += com.OpenConnection() == 0;
        com.CloseConnection();
    }
    EXPECT_EQ(refused, 3000);
    EXPECT_FALSE(com.LastError().empty());
}

}  // namespace
}  // namespace feld::test
