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
    const std::size_t n = 4099;  // not a whole number of words
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

TEST_F(TerminalFirmware, UnsupportedModelIsRefusedAndCKeepsItsFiles)
{
    StartSim({"--model", "191:9000"});
    WriteFile(TermRoot("C") / "DATA" / "KEEP.TXT", Pattern(10));
    CliRun run = Cli({"firmware", PcFile("KERNEL.bin", 1000).string()});
    EXPECT_EQ(run.rc, 1);
    EXPECT_TRUE(Has(run.err, Text(txt::kNoFlashWriter))) << run.err;
    EXPECT_TRUE(Has(run.err, Text(txt::kFirmwareNotDone)));
    EXPECT_TRUE(fs::exists(TermRoot("C") / "DATA" / "KEEP.TXT"));
    EXPECT_EQ(IndexOf({"\"event\":\"format\""}), std::string::npos);
    EXPECT_EQ(IndexOf({"ROMWrite.abp"}), std::string::npos);
}

TEST_F(TerminalFirmware, MissingKernelFileGivesTheSystemsReason)
{
    StartSim();
    CliRun run = Cli({"firmware", (dir / "pc" / "NONE.bin").string()});
    EXPECT_EQ(run.rc, 1);
    EXPECT_TRUE(Has(run.err, "No such file or directory")) << run.err;
    EXPECT_EQ(IndexOf({"\"event\":\"command\""}), std::string::npos);
}

}  // namespace
}  // namespace feld::test
