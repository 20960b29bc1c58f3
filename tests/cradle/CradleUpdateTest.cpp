// The checks before a cradle update, the device list, and the update followed to its end.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <new>

#include "cradle/CradleUpdate.h"
#include "cradle/DfuDeviceList.h"
#include "DfuTestFiles.h"
#include "SimCradle.h"
#include "support/FakeClock.h"
#include "support/RecorderUi.h"

namespace feld {
namespace {

using stdfu::SimDfuConfig;

constexpr const char* kVendorText = "Vendor ID does not match !";
constexpr const char* kProductText = "Product ID does not match !";

DfuDeviceInfo device(std::uint16_t vendor, std::uint16_t product, std::uint16_t release, unsigned index = 0)
{
    return {index, vendor, product, release, "cradle"};
}

class CradleChecks : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = dir_ / "fw.dfu";
        test::WriteFile(path_, test::withSuffix(test::s1(0x8000, {0x12, 0x34}), 0xFE1D, 0x0C8D, 0x0110));
        file_ = {path_.string(), 0xFE1D, 0x0C8D, 0x0110};
    }
    std::unique_ptr<DfuImage> check(std::vector<DfuDeviceInfo> devices, int selected)
    {
        return CheckCradleUpdate(ui_, devices, selected, file_);
    }

    test::TempDir dir_;
    std::filesystem::path path_;
    ChosenDfuFile file_;
    test::RecorderUi ui_;
};

TEST_F(CradleChecks, MatchingDeviceGetsTheImageWithoutQuestions)
{
    auto image = check({device(0xFE1D, 0x0C8D, 0x0110)}, 0);
    ASSERT_TRUE(image);
    EXPECT_EQ((*image)[0x8001], 0x34);
    EXPECT_TRUE(ui_.shownIds().empty()) << "an equal release updates without asking";
}

TEST_F(CradleChecks, MismatchesStopWithTheirMessages)
{
    EXPECT_FALSE(check({device(0xFE1E, 0x0C8D, 0x0110)}, 0));
    EXPECT_FALSE(check({device(0xFE1D, 0x0C8E, 0x0110)}, 0));
    EXPECT_FALSE(check({device(0xFE1D, 0x0C8D, 0x0110)}, -1));
    EXPECT_FALSE(check({device(0xFE1D, 0x0C8D, 0x0110)}, 1));
    file_.path.clear();
    EXPECT_FALSE(check({device(0xFE1D, 0x0C8D, 0x0110)}, 0));
    EXPECT_EQ(ui_.shownTexts()[0], kVendorText);
    EXPECT_EQ(ui_.shownTexts()[1], kProductText);
    EXPECT_EQ(ui_.shownIds(), (std::vector<int>{0, 0, txt::kNoCradleDevice, txt::kNoCradleDevice,
                                                txt::kOpenFileFirst}));
    EXPECT_EQ(ui_.eventsOf("message")[0].value, static_cast<int>(Icon::Stop));
}

TEST_F(CradleChecks, NewerDeviceFirmwareAsksFirst)
{
    ui_.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(check({device(0xFE1D, 0x0C8D, 0x0111)}, 0));
    EXPECT_TRUE(check({device(0xFE1D, 0x0C8D, 0x0111)}, 0));
    // An older device is not asked about.
    EXPECT_TRUE(check({device(0xFE1D, 0x0C8D, 0x0001)}, 0));
    auto questions = ui_.eventsOf("question");
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_NE(questions[0].text.find("already a new firmware"), std::string::npos);
    EXPECT_EQ(questions[0].value, static_cast<int>(Icon::Exclamation));
}

TEST_F(CradleChecks, DfuModeAsksAndSkipsProductAndVersion)
{
    ui_.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(check({device(0xFE1D, 0xDF11, 0xFFFF)}, 0));
    EXPECT_TRUE(check({device(0xFE1D, 0xDF11, 0xFFFF)}, 0));
    EXPECT_EQ(ui_.shownIds(), (std::vector<int>{txt::kCradleConfirm, txt::kCradleConfirm}));
    // The vendor still has to match.
    EXPECT_FALSE(check({device(0x0001, 0xDF11, 0x0000)}, 0));
    EXPECT_EQ(ui_.shownTexts().back(), kVendorText);
}

TEST_F(CradleChecks, TheSelectedDeviceIsCheckedNotTheLastListed)
{
    std::vector<DfuDeviceInfo> devices = {device(0xFE1D, 0x0C8D, 0x0110, 0), device(0x1234, 0x5678, 0x9999, 1)};
    EXPECT_TRUE(check(devices, 0));
    EXPECT_FALSE(check(devices, 1));
    EXPECT_EQ(ui_.shownTexts(), (std::vector<std::string>{kVendorText}));
}

TEST_F(CradleChecks, FileSpoiledAfterItWasChosenIsRefusedAtTheImage)
{
    test::WriteFile(path_, test::withSuffix("S1041000zz00", 0xFE1D, 0x0C8D, 0x0110));
    std::string why;
    EXPECT_FALSE(CheckCradleUpdate(ui_, {device(0xFE1D, 0x0C8D, 0x0110)}, 0, file_, &why));
    EXPECT_EQ(ui_.shownIds(), (std::vector<int>{txt::kNotCradleFirmware}));
    EXPECT_FALSE(why.empty());
}

TEST_F(CradleChecks, ChoosingAFileReadsItsIdsOrForgetsIt)
{
    ChosenDfuFile chosen;
    ASSERT_TRUE(ChooseDfuFile(ui_, path_.string(), chosen));
    EXPECT_EQ(chosen.vendor, 0xFE1D);
    EXPECT_EQ(chosen.release, 0x0110);
    auto bytes = test::ReadFile(path_);
    bytes[bytes.size() - 1] ^= 0x01;
    test::WriteFile(path_, bytes);
    std::string why;
    EXPECT_FALSE(ChooseDfuFile(ui_, path_.string(), chosen, &why));
    EXPECT_TRUE(chosen.path.empty());
    EXPECT_NE(why.find("CRC"), std::string::npos) << why;
    EXPECT_EQ(ui_.shownIds(), (std::vector<int>{txt::kNotCradleFirmware}));
}

TEST(DfuDeviceList, ListsReadableDevicesByName)
{
    SimDfuConfig a;
    a.name = "First cradle";
    SimDfuConfig b;
    b.name = "Second cradle";
    b.dfuMode = true;
    b.release = 0x0200;
    test::SimCradles sim({a, b});
    test::RecorderUi ui;
    std::vector<DfuDeviceInfo> devices;
    ASSERT_TRUE(ListDfuDevices(ui, devices));
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].name, "First cradle");
    EXPECT_EQ(devices[0].product, a.product);
    EXPECT_EQ(devices[1].product, 0xDF11);
    EXPECT_EQ(devices[1].release, 0x0200);
    EXPECT_EQ(devices[1].index, 1u);
    EXPECT_TRUE(ui.shownIds().empty());
}

TEST(DfuDeviceList, NoDeviceShows61290)
{
    stdfu::STDFU_UseBackend(std::make_shared<stdfu::SimDfuBackend>(std::vector<std::shared_ptr<stdfu::SimDfuDevice>>{}));
    test::RecorderUi ui;
    std::vector<DfuDeviceInfo> devices;
    EXPECT_FALSE(ListDfuDevices(ui, devices));
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kNoCradleDevice}));
    // A description that cannot be read lists nothing and says why.
    stdfu::STDFU_UseBackend(stdfu::SimDfuBackend::fromDescription("transfer=lots"));
    std::string why;
    EXPECT_FALSE(ListDfuDevices(ui, devices, &why));
    EXPECT_NE(why.find("transfer"), std::string::npos) << why;
    stdfu::STDFU_UseBackend(nullptr);
}

TEST(CradleRun, UpdateEndsWith61294AndARisingBar)
{
    test::SimCradles sim(SimDfuConfig{});
    test::RecorderUi ui;
    test::FakeClock clock;
    auto image = std::make_unique<DfuImage>();
    image->fill(0xFF);
    (*image)[0x8000] = 0x42;
    auto bar = ui.openProgress(ProgressKind::Sending, "update", "cradle");
    DfuWorker worker;
    DfuProgress last = RunCradleUpdate(ui, clock, 0, std::move(image), bar.get(), worker);
    EXPECT_EQ(last.error, kDfuOk);
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kCradleDone}));
    int previous = 0;
    for (const auto& e : ui.eventsOf("progress")) {
        EXPECT_GE(e.value, previous);
        previous = e.value;
    }
    EXPECT_EQ(previous, 100);
    EXPECT_EQ(sim.device().memory()[0x8000], 0x42);
}

TEST(CradleRun, WorkerFailureEndsWith61295)
{
    SimDfuConfig c;
    c.failBlock = 0x8000 / 8;
    c.failStatus = stdfu::kErrVerify;
    test::SimCradles sim(c);
    test::RecorderUi ui;
    test::FakeClock clock;
    auto image = std::make_unique<DfuImage>();
    image->fill(0xFF);
    (*image)[0x8000] = 0x42;
    DfuWorker worker;
    DfuProgress last = RunCradleUpdate(ui, clock, 0, std::move(image), nullptr, worker);
    EXPECT_EQ(last.error, dfuStatusCode(stdfu::kErrVerify));
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kCradleNotDone}));
    EXPECT_FALSE(worker.running());
}

TEST(CradleRun, BytesOutsideTheWriteAreaAreNamedAndAnImageWithNothingInsideIsRefused)
{
    SimDfuConfig c;
    c.transferSize = 8;  // written from 0xC000
    test::SimCradles sim(c);
    test::RecorderUi ui;
    test::FakeClock clock;
    DfuWorker worker;
    DfuImage image;
    image.fill(0xFF);
    std::fill(image.begin() + 0x1000, image.begin() + 0x1100, 0x00);
    std::fill(image.begin() + 0xF000, image.begin() + 0xF010, 0x00);
    const std::string warning = "bytes at 0x1000-0x10FF and 0xF000-0xF00F lie outside the area the update writes "
                                "(0xC000-0xEFFF) and are not written";

    DfuProgress last = RunCradleUpdate(ui, clock, 0, std::make_unique<DfuImage>(image), nullptr, worker);
    EXPECT_EQ(last.error, kDfuNothingToWrite);
    EXPECT_TRUE(sim.device().events().empty()) << "nothing sent, nothing erased";
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{0, txt::kNotCradleFirmware}));
    EXPECT_EQ(ui.shownTexts()[0], warning);
    EXPECT_EQ(ui.eventsOf("message")[0].value, static_cast<int>(Icon::Warning));

    // With something to write the update goes on after the same warning.
    image[0xC000] = 0x42;
    last = RunCradleUpdate(ui, clock, 0, std::make_unique<DfuImage>(image), nullptr, worker);
    EXPECT_EQ(last.error, kDfuOk);
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{0, txt::kNotCradleFirmware, 0, txt::kCradleDone}));
    EXPECT_EQ(ui.shownTexts()[2], warning);
    EXPECT_EQ(sim.device().memory()[0xC000], 0x42);
}

// A library that throws in the middle of the write, as a failed allocation would.
class ThrowingBackend : public stdfu::SimDfuBackend {
public:
    using SimDfuBackend::SimDfuBackend;
    std::uint32_t download(stdfu::DfuHandle handle, const std::uint8_t* data, unsigned length,
                           std::uint16_t block) override
    {
        if (throwing && length > 0 && block != 0xFFFF)
            throw std::bad_alloc();
        return SimDfuBackend::download(handle, data, length, block);
    }
    std::atomic<bool> throwing{true};
};

TEST(CradleRun, AnExceptionInTheWorkerEndsTheUpdateWithItsCodeAndANewStartWorks)
{
    auto cradle = std::make_shared<stdfu::SimDfuDevice>(SimDfuConfig{});
    auto backend = std::make_shared<ThrowingBackend>(std::vector<std::shared_ptr<stdfu::SimDfuDevice>>{cradle});
    test::SimCradles sim(backend);
    test::RecorderUi ui;
    test::FakeClock clock;
    auto image = [] {
        auto i = std::make_unique<DfuImage>();
        i->fill(0xFF);
        (*i)[0x8000] = 0x42;
        return i;
    };
    DfuWorker worker;
    DfuProgress last = RunCradleUpdate(ui, clock, 0, image(), nullptr, worker);
    EXPECT_EQ(last.error, kDfuWorkerFault);
    EXPECT_FALSE(worker.running());
    EXPECT_EQ(cradle->events().back().op, "close") << "the device is let go";

    backend->throwing = false;
    last = RunCradleUpdate(ui, clock, 0, image(), nullptr, worker);
    EXPECT_EQ(last.error, kDfuOk);
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kCradleNotDone, txt::kCradleDone}));
    EXPECT_EQ(cradle->memory()[0x8000], 0x42);
}

}  // namespace
}  // namespace feld
