// feldspan-cli font and defrag against the simulated terminal: a font goes into D:\Fonts, and a
// defragmentation brings every file of D: back byte for byte.

#include "TerminalCli.h"

namespace feld::test {
namespace {

using TerminalMaintenance = TerminalCliFixture;

TEST_F(TerminalMaintenance, FontThenDefragKeepEveryFileOfD)
{
    WriteFile(TermRoot("D") / "LOOKUP" / "CITY.TXT", Pattern(700, 1));
    WriteFile(TermRoot("D") / "PROGRAM" / "APP.ABP", Pattern(9000, 2));
    StartSim();
    fs::path font = PcFile("@oemb-tc.sft", 4000, 3);
    CliRun r = Cli({"font", font.string()});
    ASSERT_EQ(r.rc, 0) << r.err;

    r = Cli({"defrag"});
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "3 file(s) back")) << r.out;
    EXPECT_EQ(LogWith({"\"format\"", "D:"}).size(), 1u);
    EXPECT_EQ(ReadFile(TermRoot("D") / "Fonts" / "@OEMB-TC.SFT"), Pattern(4000, 3));
    EXPECT_EQ(ReadFile(TermRoot("D") / "Lookup" / "CITY.TXT"), Pattern(700, 1));
    EXPECT_EQ(ReadFile(TermRoot("D") / "Program" / "APP.ABP"), Pattern(9000, 2));
    EXPECT_FALSE(fs::exists(dir / "project" / "FSDefrag.lst"));
}

}  // namespace
}  // namespace feld::test
