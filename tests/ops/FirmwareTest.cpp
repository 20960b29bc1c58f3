// The kernel update: the questions, the model check, the order of what goes to the terminal, the
// baud rate put back on every end, the busy window; and the cradle's version.

#include "OpsFixture.h"
#include "app/UpdateCommands.h"
#include "link/LinkPort.h"

namespace feld::test {
namespace {

class Firmware : public OpsFixture {
protected:
    std::string kernel;

    void SetUp() override
    {
        OpsFixture::SetUp();
        kernel = PcFile("K9067.bin", 2048, 9);
    }

    // Puts a file on the terminal's C: drive, to see whether it survives.
    void KeepOnC() { WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "KEEP.TXT", Pattern(10)); }
    bool KeptOnC() const { return fs::exists(fs::path(simConfig.root) / "C" / "DATA" / "KEEP.TXT"); }

    std::size_t IndexOf(const std::string& piece) const
    {
        auto lines = log->lines();
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].find(piece) != std::string::npos)
                return i;
        return std::string::npos;
    }
};

TEST_F(Firmware, SupportedModelGetsFormatWriterKernelAndTheOrderToFlash)
{
    KeepOnC();
    Start();
    config->port.baudrate = 9600;
    ui.defaultAnswer = Answer::Ok;
    ui.files.push_back(kernel);
    UpdateCommands commands(*session, *config, ui);
    EXPECT_EQ(commands.FirmwareUpdate(), 1);
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kFirmwareConfirm, txt::kFirmwareStart,
                                               txt::kFirmwareDone}));
    EXPECT_EQ(session->FirmwareUpdateFlag().load(), 0);
    EXPECT_FALSE(session->Busy());
    EXPECT_EQ(session->Link()->Port()->BaudRate(), 9600) << "the rate goes back after the update";

    std::size_t model = IndexOf("\"op\":16");
    std::size_t format = IndexOf("\"op\":4");
    std::size_t writer = IndexOf("ROMWrite.abp");
    std::size_t image = IndexOf("\"type\":4");
    std::size_t flash = IndexOf("\"op\":17");
    ASSERT_NE(flash, std::string::npos);
    EXPECT_LT(model, format);
    EXPECT_LT(format, writer);
    EXPECT_LT(writer, image);
    EXPECT_LT(image, flash);
    EXPECT_FALSE(KeptOnC());
    EXPECT_EQ(term->kernelImage().size(), 2048u + 8u);
}

TEST_F(Firmware, UnsupportedModelIsRefusedAndDriveCKeepsItsFiles)
{
    simConfig.modelNumber = 9000;
    KeepOnC();
    Start();
    ui.defaultAnswer = Answer::Ok;
    ui.files.push_back(kernel);
    UpdateCommands commands(*session, *config, ui);
    EXPECT_EQ(commands.FirmwareUpdate(), 0);
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kFirmwareConfirm, txt::kNoFlashWriter,
                                               txt::kFirmwareNotDone}));
    EXPECT_TRUE(KeptOnC());
    EXPECT_EQ(IndexOf("\"op\":4"), std::string::npos);
    EXPECT_FALSE(session->Busy());
}

TEST_F(Firmware, CancellingTheFirstQuestionPutsTheBaudRateBack)
{
    Start();
    config->port.baudrate = 19200;
    ui.answers.push_back(Answer::Cancel);
    UpdateCommands commands(*session, *config, ui);
    EXPECT_EQ(commands.FirmwareUpdate(), 0);
    ASSERT_NE(session->Link(), nullptr);
    EXPECT_EQ(session->Link()->Port()->BaudRate(), 19200);
    EXPECT_EQ(config->port.baudrate, 19200);
    EXPECT_FALSE(session->Busy());
    EXPECT_TRUE(ui.eventsOf("file").empty()) << "no file is asked for after Cancel";
    EXPECT_EQ(ui.shownIds().back(), txt::kFirmwareNotDone);
}

TEST_F(Firmware, CancellingTheLastQuestionSendsNoOrderToFlash)
{
    Start();
    ui.answers = {Answer::Ok, Answer::Cancel};
    ui.files.push_back(kernel);
    UpdateCommands commands(*session, *config, ui);
    EXPECT_EQ(commands.FirmwareUpdate(), 0);
    EXPECT_NE(IndexOf("\"type\":4"), std::string::npos);
    EXPECT_EQ(IndexOf("\"op\":17"), std::string::npos);
}

TEST_F(Firmware, MissingFlashWriterStopsBeforeTheKernel)
{
    fs::remove(dir / "main" / "DP" / "SST_RW.abp");
    Start();
    ui.defaultAnswer = Answer::Ok;
    ui.files.push_back(kernel);
    UpdateCommands commands(*session, *config, ui);
    EXPECT_EQ(commands.FirmwareUpdate(), 0);
    EXPECT_EQ(IndexOf("\"type\":4"), std::string::npos);
    EXPECT_EQ(IndexOf("\"op\":17"), std::string::npos);
    EXPECT_EQ(ui.shownIds().back(), txt::kFirmwareNotDone);
}

TEST_F(Firmware, CradleVersionIsRefusedOnTheSerialPort)
{
    Start();
    UpdateCommands commands(*session, *config, ui);
    UpdateCommands::CradleVersion v = commands.AboutCradle();
    EXPECT_EQ(v.ok, 0);
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kCradleNeedsUsb}));
    EXPECT_EQ(session->Link(), nullptr) << "no connection is tried";
    EXPECT_EQ(UpdateCommands::FormatCradleVersion(12), "  1.2 ");
}

TEST_F(Firmware, CradleVersionOverUsbConnectsWithoutTheLinkCheck)
{
    Start();
    config->port.portChoice = 0;
    config->port.usbDevice = pty.path();
    UpdateCommands commands(*session, *config, ui);
    UpdateCommands::CradleVersion v = commands.AboutCradle();
    EXPECT_EQ(v.ok, 1);
    EXPECT_EQ(v.text.substr(v.text.size() - 6), "  0.0 ") << "no cradle release is known for a stand-in device";
    EXPECT_TRUE(ui.shownIds().empty());
    EXPECT_EQ(session->FirmwareUpdateFlag().load(), 0);
    EXPECT_TRUE(LogLines({"link-check"}).empty()) << "the cradle need not answer the terminal's protocol";
}

}  // namespace
}  // namespace feld::test
