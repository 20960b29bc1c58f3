// The language-support download: how the font goes by firmware version, and the message for each
// answer of the terminal.

#include "OpsFixture.h"
#include "app/UpdateCommands.h"
#include "base/Texts.h"

namespace feld::test {
namespace {

class LanguageDownload : public OpsFixture {
protected:
    int Download()
    {
        ui.files.push_back(font);
        return UpdateCommands(*session, *config, ui).LanguageDownload();
    }
    std::string font;
};

struct FontCase {
    int firmware;
    bool asks;         // 61283 first
    const char* code;  // the transfer that carries it
};

class LanguageDownloadByFirmware : public LanguageDownload, public ::testing::WithParamInterface<FontCase> {};

TEST_P(LanguageDownloadByFirmware, GoesInItsFormIntoTheFonts)
{
    const FontCase c = GetParam();
    simConfig.firmware = c.firmware;
    Start();
    font = PcFile("@oemb-tc.sft", 3000, 5);
    ui.answers = {Answer::Yes};
    EXPECT_EQ(Download(), 1);
    std::vector<int> expected{txt::kOldFirmwareWarning, txt::kCopied};
    if (!c.asks)
        expected.erase(expected.begin());
    EXPECT_EQ(ui.shownIds(), expected);
    EXPECT_EQ(ReadFile(TermFile("D", "FONTS/@OEMB-TC.SFT")), Pattern(3000, 5));
    EXPECT_EQ(LogLines({"stored", c.code, "@OEMB-TC.SFT"}).size(), 1u);
    if (c.firmware == 201) {
        EXPECT_EQ(LogLines({"stored", "d:\\\\fonts\\\\@OEMB-TC.SFT"}).size(), 1u);
    }
    if (c.asks) {
        // No to the question: nothing is sent and nothing more is said.
        ui.clear();
        EXPECT_EQ(Download(), 0);
        EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kOldFirmwareWarning}));
        EXPECT_EQ(LogLines({"stored"}).size(), 1u);
    }
}

INSTANTIATE_TEST_SUITE_P(Firmware, LanguageDownloadByFirmware,
                         ::testing::Values(FontCase{199, true, "\"code\":3"}, FontCase{200, false, "\"code\":3"},
                                           FontCase{201, false, "\"code\":8"}));

TEST_F(LanguageDownload, EachAnswerHasItsMessage)
{
    // The terminal's answer to the file, and the message it gives; 6 is none of the listed ones.
    const std::pair<int, int> answers[] = {{4, txt::kDNotFormatted}, {5, txt::kDFull},     {11, txt::kNeedsDefrag},
                                           {13, txt::kFileInUse},    {6, txt::kCopyFailed}};
    for (const auto& [status, text] : answers)
        simConfig.forced.push_back({.status = status, .when = sim::ForcedStatus::When::File, .count = 1});
    Start();
    font = PcFile("@oemb-sc.sft", 200);
    for (const auto& [status, text] : answers) {
        SCOPED_TRACE(status);
        ui.clear();
        EXPECT_EQ(Download(), status);
        EXPECT_EQ(ui.shownIds(), (std::vector<int>{text}));
    }
    EXPECT_FALSE(fs::exists(TermFile("D", "FONTS/@OEMB-SC.SFT")));
    EXPECT_FALSE(session->Busy());
}

}  // namespace
}  // namespace feld::test
