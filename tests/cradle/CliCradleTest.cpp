// feldspan-cli cradle, run as a program: files made by dfu-suffix and srec_cat, the image, and the
// update against a simulated cradle.

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "DfuTestFiles.h"
#include "support/ProgramRunner.h"

namespace feld::test {
namespace {

class CliCradle : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(cli_))
            GTEST_SKIP() << "feldspan-cli is not built";
        if (RunShell("command -v dfu-suffix && command -v srec_cat").rc != 0)
            GTEST_SKIP() << "dfu-suffix (dfu-util) and srec_cat (srecord) are needed";
    }

    // Runs a shell command line in the test folder.
    RunResult shell(const std::string& command) { return RunShell(command, {.workDir = dir_.path().string()}); }
    // feldspan-cli in the test folder, with a simulated cradle described by `sim` or none at all.
    RunResult cli(std::vector<std::string> args, const std::string& sim = "")
    {
        args.insert(args.begin(), cli_);
        return RunProgram(args, {.env = {sim.empty() ? "FELDSPAN_DFU_SIM" : "FELDSPAN_DFU_SIM=" + sim},
                                 .workDir = dir_.path().string()});
    }

    // Pattern bytes at `address` in a binary that srec_cat turns into S1 records.
    void addChunk(std::uint32_t address, std::size_t size, unsigned seed) { addBytes(address, Pattern(size, seed)); }
    void addBytes(std::uint32_t address, const std::vector<std::uint8_t>& bytes)
    {
        std::string name = "chunk" + std::to_string(chunks_.size()) + ".bin";
        WriteFile(dir_ / name, bytes);
        char offset[16];
        std::snprintf(offset, sizeof offset, "0x%X", address);
        chunks_.push_back(name + " -binary -offset " + offset);
    }
    // The chunks as one S19 file (16-bit addresses) and as a firmware file with a suffix.
    void makeFirmware(const std::string& ids = "-v 0xFE1D -p 0x0C8D -d 0x0110")
    {
        std::string inputs;
        for (const auto& c : chunks_)
            inputs += c + " ";
        ASSERT_EQ(shell("srec_cat " + inputs + "-o fw.s19 -motorola -address-length=2 -line-length=70").rc, 0);
        ASSERT_EQ(shell("cp fw.s19 fw.dfu && dfu-suffix -a fw.dfu " + ids).rc, 0);
    }

    TempDir dir_;
    const std::string cli_ = BinProgram("feldspan-cli");
    std::vector<std::string> chunks_;
};

TEST_F(CliCradle, DfuSuffixFilesAreCheckedAndAOneBitFlipIsRefused)
{
    addChunk(0x9000, 600, 1);
    makeFirmware();
    RunResult ok = cli({"cradle", "check", "fw.dfu"});
    EXPECT_EQ(ok.rc, 0) << ok.err;
    EXPECT_NE(ok.out.find("vendor 0xFE1D, product 0x0C8D, release 0x0110"), std::string::npos) << ok.out;

    auto bytes = ReadFile(dir_ / "fw.dfu");
    bytes[bytes.size() - 3] ^= 0x10;  // one bit of the stored CRC
    WriteFile(dir_ / "flipped.dfu", bytes);
    RunResult bad = cli({"cradle", "check", "flipped.dfu"});
    EXPECT_EQ(bad.rc, 1);
    EXPECT_NE(bad.err.find("CRC"), std::string::npos) << bad.err;

    RunResult plain = cli({"cradle", "check", "fw.s19"});
    EXPECT_EQ(plain.rc, 1) << "S-records without the suffix are no firmware file";
}

TEST_F(CliCradle, ImageEqualsSrecCatsOwnBinary)
{
    addChunk(0x1000, 300, 2);
    addChunk(0x8123, 1000, 3);
    addChunk(0xFF00, 256, 4);  // up to the last address
    makeFirmware();
    RunResult r = cli({"cradle", "image", "fw.dfu", "out.bin"});
    ASSERT_EQ(r.rc, 0) << r.err;
    ASSERT_EQ(shell("srec_cat fw.s19 -motorola -fill 0xFF 0x0000 0x10000 -o ref.bin -binary").rc, 0);
    auto ours = ReadFile(dir_ / "out.bin");
    auto theirs = ReadFile(dir_ / "ref.bin");
    ASSERT_EQ(ours.size(), 0x10000u);
    EXPECT_TRUE(ours == theirs);

    // An image already there is replaced only when the user says so (no terminal to ask: No).
    WriteFile(dir_ / "out.bin", {'o', 'l', 'd'});
    RunResult kept = cli({"cradle", "image", "fw.dfu", "out.bin"});
    EXPECT_EQ(kept.rc, 1);
    EXPECT_NE(kept.err.find("exists"), std::string::npos) << kept.err;
    EXPECT_EQ(ReadFile(dir_ / "out.bin").size(), 3u);
    ASSERT_EQ(cli({"--yes", "cradle", "image", "fw.dfu", "out.bin"}).rc, 0);
    EXPECT_TRUE(ReadFile(dir_ / "out.bin") == theirs);

    // A refused file writes no image at all.
    WriteFile(dir_ / "bad.dfu", {'x'});
    EXPECT_EQ(cli({"cradle", "image", "bad.dfu", "bad.bin"}).rc, 1);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "bad.bin"));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "bad.bin.part"));
}

TEST_F(CliCradle, UpdateWritesExactlyTheUsedBlocksOfTheWriteArea)
{
    addChunk(0x2000, 64, 5);    // below every write area: never sent
    addChunk(0x8010, 100, 6);
    addChunk(0xC100, 20, 7);
    addChunk(0xEFF8, 8, 8);     // the last 8 bytes of the write area
    addChunk(0xF800, 16, 9);    // above it: never sent
    makeFirmware();
    ASSERT_EQ(cli({"cradle", "image", "fw.dfu", "image.bin"}).rc, 0);
    const auto image = ReadFile(dir_ / "image.bin");
    ASSERT_EQ(image.size(), 0x10000u);

    for (unsigned transfer : {128u, 8u}) {
        SCOPED_TRACE(transfer);
        std::filesystem::remove(dir_ / "log.txt");
        std::string sim = "transfer=" + std::to_string(transfer) + ";poll=0;start-poll=0;dump=" +
                          (dir_ / "memory.bin").string() + ";log=" + (dir_ / "log.txt").string();
        RunResult r = cli({"cradle", "update", "fw.dfu", "--index", "0"}, sim);
        ASSERT_EQ(r.rc, 0) << r.err;

        const std::uint32_t first = transfer == 8 ? 0xC000 : 0x8000;
        std::vector<std::string> expected = {"0xFFFF"};
        for (std::uint32_t a = first; a + transfer <= 0xF000; a += transfer) {
            bool used = false;
            for (std::uint32_t i = 0; i < transfer; ++i)
                used = used || image[a + i] != 0xFF;
            if (used) {
                char b[16];
                std::snprintf(b, sizeof b, "0x%04X", a / 8);
                expected.push_back(b);
            }
        }
        expected.push_back("0x1DFF");
        std::vector<std::string> sent;
        std::istringstream log(ReadText(dir_ / "log.txt"));
        std::string line;
        while (std::getline(log, line))
            if (line.rfind("dnload block=", 0) == 0)
                sent.push_back(line.substr(13, 6));
        EXPECT_EQ(sent, expected);

        const auto memory = ReadFile(dir_ / "memory.bin");
        ASSERT_EQ(memory.size(), 0x10000u);
        for (std::uint32_t a = first; a < 0xF000; ++a)
            ASSERT_EQ(memory[a], image[a]) << std::hex << a;
    }
}

TEST_F(CliCradle, RefusalsAndMissingDevicesExitWithFailure)
{
    addChunk(0x9000, 16, 10);
    makeFirmware("-v 0xFE1D -p 0x0C8D -d 0x0100");
    const std::string log = (dir_ / "log.txt").string();

    RunResult none = cli({"cradle", "list"}, "none");
    EXPECT_EQ(none.rc, 1);
    EXPECT_TRUE(none.out.empty());
    EXPECT_FALSE(none.err.empty());
    EXPECT_EQ(cli({"cradle", "update", "fw.dfu"}, "none").rc, 1);

    // Another vendor: refused before anything is sent.
    RunResult vendor = cli({"cradle", "update", "fw.dfu"}, "vendor=0x1111;log=" + log);
    EXPECT_EQ(vendor.rc, 1);
    EXPECT_NE(vendor.err.find("Vendor ID does not match !"), std::string::npos) << vendor.err;
    EXPECT_EQ(ReadText(log).find("dnload"), std::string::npos);

    // Newer firmware on the device: the question is answered No without --yes, Yes with it.
    EXPECT_EQ(cli({"cradle", "update", "fw.dfu"}, "release=0x0200;poll=0;start-poll=0;log=" + log).rc, 1);
    EXPECT_EQ(ReadText(log).find("dnload"), std::string::npos);
    RunResult yes = cli({"--yes", "cradle", "update", "fw.dfu"}, "release=0x0200;poll=0;start-poll=0;log=" + log);
    EXPECT_EQ(yes.rc, 0) << yes.err;
    EXPECT_NE(ReadText(log).find("dnload block=0x1200"), std::string::npos);

    // A status error injected at the only block fails the update.
    RunResult failed =
        cli({"cradle", "update", "fw.dfu"}, "release=0x0100;fail-block=0x1200;fail-status=3;poll=0;start-poll=0");
    EXPECT_EQ(failed.rc, 1);
    EXPECT_NE(failed.err.find("0x1234301F"), std::string::npos) << failed.err;

    EXPECT_EQ(cli({"cradle", "update", "fw.dfu", "--index", "1"}).rc, 1);
    EXPECT_EQ(cli({"cradle"}).rc, 2);
    EXPECT_EQ(cli({"cradle", "check"}).rc, 2);
    EXPECT_EQ(cli({"cradle", "list", "--index", "1"}).rc, 2);
}

TEST_F(CliCradle, ADamagedRecordWithARemadeSuffixIsRefusedBeforeTheCradleIsOpened)
{
    addChunk(0x9000, 200, 11);
    makeFirmware();
    // One data digit of the third line changed, then the suffix made anew: its CRC matches.
    std::string text = ReadText(dir_ / "fw.s19");
    std::size_t line3 = 0;
    for (int i = 0; i < 2; ++i)
        line3 = text.find('\n', line3) + 1;
    char& digit = text[line3 + 12];
    digit = digit == '0' ? '1' : '0';
    WriteFile(dir_ / "damaged.dfu", std::vector<std::uint8_t>(text.begin(), text.end()));
    ASSERT_EQ(shell("dfu-suffix -a damaged.dfu -v 0xFE1D -p 0x0C8D -d 0x0110").rc, 0);

    RunResult check = cli({"cradle", "check", "damaged.dfu"});
    EXPECT_EQ(check.rc, 1);
    EXPECT_NE(check.err.find("(line 3): checksum"), std::string::npos) << check.err;
    EXPECT_EQ(check.out.find("valid"), std::string::npos) << check.out;

    const std::string log = (dir_ / "log.txt").string();
    RunResult update = cli({"cradle", "update", "damaged.dfu"},
                           "poll=0;start-poll=0;dump=" + (dir_ / "memory.bin").string() + ";log=" + log);
    EXPECT_EQ(update.rc, 1);
    EXPECT_NE(update.err.find("(line 3): checksum"), std::string::npos) << update.err;
    EXPECT_EQ(ReadText(log), "") << "the cradle was not opened";
    EXPECT_FALSE(std::filesystem::exists(dir_ / "memory.bin"));
}

TEST_F(CliCradle, ACradleThatRefusesTheFirmwareAtTheEndFailsTheUpdate)
{
    addChunk(0x9000, 64, 12);
    makeFirmware();
    const std::string log = (dir_ / "log.txt").string();
    RunResult r = cli({"cradle", "update", "fw.dfu"}, "manifest-status=10;poll=0;start-poll=0;log=" + log);
    EXPECT_EQ(r.rc, 1);
    EXPECT_NE(r.err.find("the cradle did not take the new firmware, the cradle reported DFU status 10 "
                         "(errFIRMWARE) [0x1234A01F]"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(r.err.find("update is complete"), std::string::npos) << r.err;
    EXPECT_NE(ReadText(log).find("clrstatus"), std::string::npos) << "the error was cleared before the close";
}

TEST_F(CliCradle, FirmwareWithNothingWhereTheCradleIsWrittenIsRefusedBeforeAnythingIsSent)
{
    addBytes(0x9000, std::vector<std::uint8_t>(64, 0x5A));  // written on a cradle of transfer size 128, not on one of 8
    makeFirmware();
    RunResult check = cli({"cradle", "check", "fw.dfu"});
    EXPECT_EQ(check.rc, 0) << check.err;
    EXPECT_NE(check.out.find("transfer size 128: writes 0x9000-0x903F in 0x8000-0xEFFF\n"), std::string::npos)
        << check.out;
    EXPECT_NE(check.out.find("transfer size 8: writes nothing in 0xC000-0xEFFF, so an update is refused\n"),
              std::string::npos)
        << check.out;

    const std::string log = (dir_ / "log.txt").string();
    RunResult r = cli({"cradle", "update", "fw.dfu"},
                      "transfer=8;poll=0;start-poll=0;dump=" + (dir_ / "memory.bin").string() + ";log=" + log);
    EXPECT_EQ(r.rc, 1);
    EXPECT_NE(r.err.find("warning: bytes at 0x9000-0x903F lie outside the area the update writes (0xC000-0xEFFF) "
                         "and are not written\n"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("error: fw.dfu: the firmware file holds no byte in the area the "
                         "update writes"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(ReadText(log), "") << "the cradle was not even opened: no start command, nothing erased";
    EXPECT_FALSE(std::filesystem::exists(dir_ / "memory.bin"));
}

}  // namespace
}  // namespace feld::test
