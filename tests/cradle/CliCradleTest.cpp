// feldspan-cli cradle, run as a program: files made by dfu-suffix and srec_cat, the image, and the
// update against a simulated cradle.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

#include "DfuTestFiles.h"

namespace feld {
namespace {

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

std::string slurp(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class CliCradle : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* bin = std::getenv("FELDSPAN_BIN_DIR");
        cli_ = std::filesystem::path(bin ? bin : "bin") / "feldspan-cli";
        if (!std::filesystem::exists(cli_))
            GTEST_SKIP() << "feldspan-cli is not built";
        if (std::system("command -v dfu-suffix >/dev/null && command -v srec_cat >/dev/null") != 0)
            GTEST_SKIP() << "dfu-suffix (dfu-util) and srec_cat (srecord) are needed";
    }

    // Runs a shell command line in the test folder.
    Outcome shell(const std::string& command)
    {
        Outcome r;
        std::string line = "cd '" + dir_.path().string() + "' && " + command + " >stdout.txt 2>stderr.txt </dev/null";
        int status = std::system(line.c_str());
        r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = slurp(dir_ / "stdout.txt");
        r.err = slurp(dir_ / "stderr.txt");
        return r;
    }
    Outcome cli(const std::string& args, const std::string& sim = "")
    {
        std::string env = sim.empty() ? "env -u FELDSPAN_DFU_SIM " : "env FELDSPAN_DFU_SIM='" + sim + "' ";
        return shell(env + "'" + cli_.string() + "' " + args);
    }

    // Random bytes at `address` in a binary that srec_cat turns into S1 records.
    void addChunk(std::uint32_t address, std::size_t size, std::uint32_t seed)
    {
        std::mt19937 random(seed);
        std::vector<std::uint8_t> bytes(size);
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random());
        std::string name = "chunk" + std::to_string(chunks_.size()) + ".bin";
        test::writeFile(dir_ / name, bytes);
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
        ASSERT_EQ(shell("srec_cat " + inputs + "-o fw.s19 -motorola -address-length=2 -line-length=70").code, 0);
        ASSERT_EQ(shell("cp fw.s19 fw.dfu && dfu-suffix -a fw.dfu " + ids).code, 0);
    }

    test::TempDir dir_;
    std::filesystem::path cli_;
    std::vector<std::string> chunks_;
};

TEST_F(CliCradle, DfuSuffixFilesAreCheckedAndAOneBitFlipIsRefused)
{
    addChunk(0x9000, 600, 1);
    makeFirmware();
    Outcome ok = cli("cradle check fw.dfu");
    EXPECT_EQ(ok.code, 0) << ok.err;
    EXPECT_NE(ok.out.find("vendor 0xFE1D, product 0x0C8D, release 0x0110"), std::string::npos) << ok.out;

    auto bytes = test::readFile(dir_ / "fw.dfu");
    bytes[bytes.size() - 3] ^= 0x10;  // one bit of the stored CRC
    test::writeFile(dir_ / "flipped.dfu", bytes);
    Outcome bad = cli("cradle check flipped.dfu");
    EXPECT_EQ(bad.code, 1);
    EXPECT_NE(bad.err.find("CRC"), std::string::npos) << bad.err;

    Outcome plain = cli("cradle check fw.s19");
    EXPECT_EQ(plain.code, 1) << "S-records without the suffix are no firmware file";
}

TEST_F(CliCradle, ImageEqualsSrecCatsOwnBinary)
{
    addChunk(0x1000, 300, 2);
    addChunk(0x8123, 1000, 3);
    addChunk(0xFF00, 256, 4);  // up to the last address
    makeFirmware();
    Outcome r = cli("cradle image fw.dfu out.bin");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(shell("srec_cat fw.s19 -motorola -fill 0xFF 0x0000 0x10000 -o ref.bin -binary").code, 0);
    auto ours = test::readFile(dir_ / "out.bin");
    auto theirs = test::readFile(dir_ / "ref.bin");
    ASSERT_EQ(ours.size(), 0x10000u);
    EXPECT_TRUE(ours == theirs);

    // A refused file writes no image at all.
    test::writeFile(dir_ / "bad.dfu", {'x'});
    EXPECT_EQ(cli("cradle image bad.dfu bad.bin").code, 1);
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
    ASSERT_EQ(cli("cradle image fw.dfu image.bin").code, 0);
    const auto image = test::readFile(dir_ / "image.bin");
    ASSERT_EQ(image.size(), 0x10000u);

    for (unsigned transfer : {128u, 8u}) {
        SCOPED_TRACE(transfer);
        std::filesystem::remove(dir_ / "log.txt");
        std::string sim = "transfer=" + std::to_string(transfer) + ";poll=0;start-poll=0;dump=" +
                          (dir_ / "memory.bin").string() + ";log=" + (dir_ / "log.txt").string();
        Outcome r = cli("cradle update fw.dfu --index 0", sim);
        ASSERT_EQ(r.code, 0) << r.err;

        const std::uint32_t first = transfer == 8 ? 0xC000 : 0x8000;
        std::vector<std::string> expected = {"0xFFFF"};
        for (std::uint32_t a = first; a + transfer <= 0xF000; a += transfer) {
            bool used = false;
            for (std::uint32_t i = 0; i < transfer; ++i)
                used = used || image[a + i] != 0xFF;
            if (used) {
                char b[8];
                std::snprintf(b, sizeof b, "0x%04X", a / 8);
                expected.push_back(b);
            }
        }
        expected.push_back("0x1DFF");
        std::vector<std::string> sent;
        std::istringstream log(slurp(dir_ / "log.txt"));
        std::string line;
        while (std::getline(log, line))
            if (line.rfind("dnload block=", 0) == 0)
                sent.push_back(line.substr(13, 6));
        EXPECT_EQ(sent, expected);

        const auto memory = test::readFile(dir_ / "memory.bin");
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

    Outcome none = cli("cradle list", "none");
    EXPECT_EQ(none.code, 1);
    EXPECT_TRUE(none.out.empty());
    EXPECT_FALSE(none.err.empty());
    EXPECT_EQ(cli("cradle update fw.dfu", "none").code, 1);

    // Another vendor: refused before anything is sent.
    Outcome vendor = cli("cradle update fw.dfu", "vendor=0x1111;log=" + log);
    EXPECT_EQ(vendor.code, 1);
    EXPECT_NE(vendor.err.find("Vendor ID does not match !"), std::string::npos) << vendor.err;
    EXPECT_EQ(slurp(log).find("dnload"), std::string::npos);

    // Newer firmware on the device: the question is answered No without --yes, Yes with it.
    EXPECT_EQ(cli("cradle update fw.dfu", "release=0x0200;poll=0;start-poll=0;log=" + log).code, 1);
    EXPECT_EQ(slurp(log).find("dnload"), std::string::npos);
    Outcome yes = cli("--yes cradle update fw.dfu", "release=0x0200;poll=0;start-poll=0;log=" + log);
    EXPECT_EQ(yes.code, 0) << yes.err;
    EXPECT_NE(slurp(log).find("dnload block=0x1200"), std::string::npos);

    // A status error injected at the only block fails the update.
    Outcome failed = cli("cradle update fw.dfu", "release=0x0100;fail-block=0x1200;fail-status=3;poll=0;start-poll=0");
    EXPECT_EQ(failed.code, 1);
    EXPECT_NE(failed.err.find("0x1234301F"), std::string::npos) << failed.err;

    EXPECT_EQ(cli("cradle update fw.dfu --index 1").code, 1);
    EXPECT_EQ(cli("cradle").code, 2);
    EXPECT_EQ(cli("cradle check").code, 2);
    EXPECT_EQ(cli("cradle list --index 1").code, 2);
}

}  // namespace
}  // namespace feld
