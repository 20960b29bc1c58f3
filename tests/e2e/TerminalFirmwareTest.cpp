// The kernel update end to end: what the simulated terminal sees, in order, and the refusal of a
// model we have no flash writer for.

#include "TerminalCli.h"

namespace feld::test {
namespace {

class TerminalFirmware : public TerminalCliFixture {
protected:
    std::size_t IndexOf(std::initializer_list<std::string> pieces) const
    {
        auto lines = Log();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            bool all = true;
            for (const auto& p : pieces)
                all = all && lines[i].find(p) != std::string::npos;
            if (all)
                return i;
        }
        return std::string::npos;
    }
};

TEST_F(TerminalFirmware, SupportedModelIsUpdatedInOrder)
{
    StartSim({"--model", "191:9067"});
    WriteFile(TermRoot("C") / "DATA" / "KEEP.TXT", Pattern(10));
    const std::size_t n = 4100;
    fs::path kernel = PcFile("KERNEL.bin", n, 5);
    CliRun run = Cli({"firmware", kernel.string()});
    ASSERT_EQ(run.rc, 0) << run.err;
    EXPECT_TRUE(Has(run.err + run.out, Text(txt::kFirmwareDone)));

    std::size_t model = IndexOf({"\"event\":\"command\"", "\"op\":16"});
    std::size_t format = IndexOf({"\"event\":\"format\"", "C:"});
    std::size_t writer = IndexOf({"\"event\":\"stored\"", "ROMWrite.abp"});
    std::size_t image = IndexOf({"\"event\":\"stored\"", "\"type\":4", "\"size_field\":" + std::to_string(n + 8),
                                 "\"kernel_length_ok\":true", "\"kernel_sum_ok\":true"});
    std::size_t flash = IndexOf({"\"event\":\"command\"", "\"op\":17"});
    ASSERT_NE(model, std::string::npos);
    ASSERT_NE(format, std::string::npos);
    ASSERT_NE(writer, std::string::npos);
    ASSERT_NE(image, std::string::npos);
    ASSERT_NE(flash, std::string::npos);
    EXPECT_LT(model, format);
    EXPECT_LT(format, writer);
    EXPECT_LT(writer, image);
    EXPECT_LT(image, flash);
    EXPECT_FALSE(fs::exists(TermRoot("C") / "DATA" / "KEEP.TXT"));
}

// Everything the update needs is checked before drive C: is formatted: a refusal leaves C: as it
// was and sends nothing (not even the model question when the fault is on the PC).
TEST_F(TerminalFirmware, RefusalsComeBeforeAnythingIsErased)
{
    struct Case {
        const char* what;
        std::string model, kernel, expect;
        std::size_t size;
        bool noWriter;
    };
    const Case cases[] = {
        {"unsupported model", "191:9000", "KERNEL.bin", "cannot update (class 191, number 9000)", 1000, false},
        {"data file", "191:9067", "SCAN.TXT", "is not a kernel image (a .bin file)", 1000, false},
        {"not whole words", "191:9067", "KERNEL.bin", "is 1003 bytes long: a kernel image is a whole number of 4-byte words",
         1003, false},
        {"no flash writer", "191:9067", "KERNEL.bin", "DP/SST_RW.abp is missing", 1000, true},
        {"no kernel file", "191:9067", "", "No such file or directory", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim.stop();
        fs::remove_all(dir / "term");
        StartSim({"--model", c.model});
        WriteFile(TermRoot("C") / "DATA" / "KEEP.TXT", Pattern(10));
        if (c.noWriter)
            fs::remove(dir / "main" / "DP" / "SST_RW.abp");
        std::string kernel = c.kernel.empty() ? (dir / "pc" / "NONE.bin").string() : PcFile(c.kernel, c.size).string();
        CliRun run = Cli({"firmware", kernel});
        EXPECT_EQ(run.rc, 1);
        EXPECT_TRUE(Has(run.err, c.expect)) << run.err;
        EXPECT_TRUE(fs::exists(TermRoot("C") / "DATA" / "KEEP.TXT"));
        EXPECT_EQ(IndexOf({"\"event\":\"format\""}), std::string::npos);
        EXPECT_EQ(IndexOf({"ROMWrite.abp"}), std::string::npos);
    }
}

// Each step of the update counts only when the terminal confirmed it: a refused format of C:, a
// refused file or a refused order to flash ends the update unfinished, with the terminal's reason,
// and the terminal is never told to flash after a step it did not take.
TEST_F(TerminalFirmware, AStepTheTerminalRefusesLeavesTheUpdateUnfinished)
{
    struct Case {
        std::vector<std::string> args;
        std::string why;
    };
    const Case cases[] = {
        {{"--force-status", "9:op=4,C:\\"}, "the terminal's power is too low"},
        {{"--force-status", "10:command=4"}, "the terminal refused the name or path"},
        {{"--refuse-file", "KERNEL.BIN=5"}, "not enough space on the drive"},
        {{"--force-status", "4:op=17"}, "the drive is not formatted"},
        {{"--force-status", "12:command=17"}, Text(txt::kFileInUse)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        sim.stop();
        fs::remove_all(dir / "term");
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--model", "191:9067"});
        StartSim(args);
        CliRun run = Cli({"firmware", PcFile("KERNEL.bin", 1000).string()});
        EXPECT_EQ(run.rc, 1);
        EXPECT_TRUE(Has(run.err, Text(txt::kFirmwareNotDone))) << run.err;
        EXPECT_TRUE(Has(run.err, c.why)) << run.err;
        EXPECT_FALSE(Has(run.err + run.out, Text(txt::kFirmwareDone))) << run.err;
        EXPECT_EQ(IndexOf({"\"event\":\"firmware-update\""}), std::string::npos);
    }
}

}  // namespace
}  // namespace feld::test
