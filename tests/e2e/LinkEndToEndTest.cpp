// The link over a real pseudo-terminal against feldspan-pdtsim: the real serial port class, the
// real I/O thread, the simulator's faults.

#include <algorithm>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>
#include <unistd.h>

#include "base/Clock.h"
#include "link/LinkPort.h"
#include "link/PdtLink.h"
#include "link/serial/CSerialCom.h"
#include "link/wire/TermCodec.h"
#include "support/RecorderUi.h"
#include "support/TestFiles.h"
#include "support/SimProcess.h"

namespace feld::test {
namespace {

namespace fs = std::filesystem;

class LinkEndToEndTest : public ::testing::Test {
protected:
    fs::path dir;
    RecorderUi ui;
    PortSettings settings;
    SimProcess sim;
    std::unique_ptr<PdtLink> link;

    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("feld-e2e-" + std::to_string(::getpid()) + "-" + SafeTestName());
        fs::remove_all(dir);
        fs::create_directories(dir / "root");
    }
    void TearDown() override
    {
        link.reset();
        sim.stop();
        fs::remove_all(dir);
    }

    std::atomic<int> skipLinkCheck{0};

    // Starts the simulator with these options and connects to it.
    void Start(std::vector<std::string> args)
    {
        args.push_back("--root");
        args.push_back((dir / "root").string());
        ASSERT_TRUE(sim.start(args)) << sim.error();
        settings.serialDevice = sim.device();
        LinkEnv env;
        env.settings = settings;
        env.ui = &ui;
        env.clock = &systemClock();
        env.firmwareUpdateFlag = &skipLinkCheck;
        link = std::make_unique<PdtLink>(env);
        ASSERT_EQ(link->Connect(0), 1) << link->LastConnectError();
    }

    static std::vector<std::uint8_t> Content(std::size_t n, unsigned seed)
    {
        std::vector<std::uint8_t> v(n);
        std::uint32_t x = seed;
        for (auto& b : v) {
            x = x * 1664525u + 1013904223u;
            b = static_cast<std::uint8_t>(x >> 24);
        }
        return v;
    }

    // Sends a file as C:\Data\NAME with the file header the terminal expects.
    int SendFile(const std::string& name, const std::vector<std::uint8_t>& content)
    {
        wire::FileHeader h;
        h.type = wire::kTypeData;
        h.name = name;
        h.sizeField = static_cast<std::uint32_t>(content.size());
        h.overwrite = 1;
        auto header = wire::makeFileHeader(h);
        std::vector<std::uint8_t> payload(header->begin(), header->end());
        payload.insert(payload.end(), content.begin(), content.end());
        return link->SendTransfer(wire::kFile, static_cast<std::uint32_t>(payload.size()), payload.data(), false);
    }

    // Asks for C:\Data\NAME and receives it into a local file; the bytes, or nothing on failure.
    std::optional<std::vector<std::uint8_t>> FetchFile(const std::string& name)
    {
        auto cmd = wire::makeCommand(wire::kOpGetFile, "C:\\Data\\" + name);
        if (link->SendTransfer(wire::kCommand, static_cast<std::uint32_t>(cmd.size()), cmd.data(), false) != 1)
            return std::nullopt;
        BufferSink sink;
        if (link->ReceiveTransfer(false, Expect::FileOrAnswer(sink)) != 1)
            return std::nullopt;
        return sink.bytes;
    }

    std::vector<std::uint8_t> StoredOnTerminal(const std::string& name)
    {
        for (const auto& e : fs::recursive_directory_iterator(dir / "root"))
            if (e.is_regular_file() && e.path().filename() == name) {
                std::ifstream in(e.path(), std::ios::binary);
                return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            }
        return {};
    }
};

struct FaultCase {
    const char* option;
    std::size_t size;
};

class FaultTest : public LinkEndToEndTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultTest, TransfersBothWaysStayByteExactWithOneFaultInFiveFrames)
{
    const FaultCase& c = GetParam();
    Start({c.option, "5", "--seed", "42"});
    auto content = Content(c.size, 99);
    ASSERT_EQ(SendFile("FAULT.DAT", content), 1);
    EXPECT_EQ(StoredOnTerminal("FAULT.DAT"), content);
    auto back = FetchFile("FAULT.DAT");
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, content);
}

// Dropped frames cost a reply time-out each, so that case moves fewer frames.
INSTANTIATE_TEST_SUITE_P(EachFault, FaultTest,
                         ::testing::Values(FaultCase{"--corrupt-every", 12000}, FaultCase{"--drop-every", 3000},
                                           FaultCase{"--busy-every", 12000}, FaultCase{"--restart-every", 12000},
                                           FaultCase{"--duplicate-every", 12000}),
                         [](const auto& p) { std::string o = p.param.option + 2; return o.substr(0, o.find('-')); });

TEST_F(LinkEndToEndTest, LargeTransfersBothWaysWithoutFaults)
{
    Start({});
    auto content = Content(300 * 1024 + 17, 5);
    ASSERT_EQ(SendFile("BIG.DAT", content), 1);
    auto back = FetchFile("BIG.DAT");
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, content);
}

TEST_F(LinkEndToEndTest, UnansweredHeaderEndsWithZeroWithinOneReplyTimeOut)
{
    skipLinkCheck = 1;  // the header left unanswered is the transfer's, not the link check's
    Start({"--force-status", "none:header"});
    auto content = Content(100, 1);
    auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(SendFile("NONE.DAT", content), 0);
    auto waited = std::chrono::steady_clock::now() - t0;
    // 115200 bit/s: 2 s, plus the part second the deadline rounds to and the 100-ms settling.
    EXPECT_GE(waited, std::chrono::milliseconds(2000));
    EXPECT_LT(waited, std::chrono::milliseconds(3500));
}

TEST_F(LinkEndToEndTest, DeviceThatVanishesMidTransferEndsWithFailureNotAHang)
{
    Start({"--baud", "38400"});
    auto content = Content(64 * 1024, 3);
    auto sending = std::async(std::launch::async, [&] { return SendFile("GONE.DAT", content); });
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    auto t0 = std::chrono::steady_clock::now();
    sim.kill();
    ASSERT_EQ(sending.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(sending.get(), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(2));  // not one reply time-out per retry
    EXPECT_EQ(link->IsPortOpen(), 0);
}

TEST_F(LinkEndToEndTest, DeviceThatVanishesWhileReceivingEndsWithFailure)
{
    Start({"--baud", "38400"});
    auto content = Content(64 * 1024, 4);
    {
        // Put the file there directly: only the fetch matters here.
        fs::create_directories(dir / "root" / "C" / "Data");
        std::ofstream out(dir / "root" / "C" / "Data" / "GONE.DAT", std::ios::binary);
        out.write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size()));
    }
    auto fetching = std::async(std::launch::async, [&] { return FetchFile("GONE.DAT"); });
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    sim.kill();
    ASSERT_EQ(fetching.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_FALSE(fetching.get().has_value());
    EXPECT_FALSE(fs::exists(dir / "got-GONE.DAT"));  // no half file left behind
}

TEST(SerialOpenTest, MissingAndForbiddenDevicesSayWhichAndWhy)
{
    PortSettings s;
    s.serialDevice = "/dev/feldspan-no-such-device";
    CSerialCom missing(s);
    EXPECT_EQ(missing.OpenConnection(), 0);
    EXPECT_NE(missing.LastError().find("device missing"), std::string::npos);
    EXPECT_NE(missing.LastError().find("/dev/feldspan-no-such-device"), std::string::npos);

    std::string why = CSerialCom::DescribeOpenError("/dev/ttyUSB0", EACCES);
    EXPECT_NE(why.find("permission denied on /dev/ttyUSB0"), std::string::npos);
    EXPECT_NE(why.find("group"), std::string::npos);
    EXPECT_NE(CSerialCom::DescribeOpenError("/dev/ttyUSB0", EBUSY).find("busy"), std::string::npos);

    if (::geteuid() != 0) {
        // A device nobody may open (root opens anything, so only an ordinary user sees this).
        fs::path f = fs::temp_directory_path() / ("feld-forbidden-" + std::to_string(::getpid()));
        { std::ofstream(f) << "x"; }
        fs::permissions(f, fs::perms::none);
        s.serialDevice = f.string();
        CSerialCom forbidden(s);
        EXPECT_EQ(forbidden.OpenConnection(), 0);
        EXPECT_NE(forbidden.LastError().find("permission denied"), std::string::npos);
        fs::remove(f);
    }
}

}  // namespace
}  // namespace feld::test
