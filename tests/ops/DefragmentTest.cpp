// Defragmenting drive D: against the simulated terminal: the files come back byte for byte, the
// progress window's steps, and D: safe whatever fails.

#include <map>

#include "OpsFixture.h"
#include "app/Defragment.h"
#include "base/Texts.h"
#include "link/wire/TermCodec.h"

namespace feld::test {
namespace {

class DefragmentTest : public OpsFixture {
protected:
    // One file in each of the three folders; the font's name fills all 8 + 3 bytes of its entry.
    const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files = {
        {"FONTS/ABCDEFGH.SFT", Pattern(1300, 1)},
        {"LOOKUP/L1.TXT", Pattern(40, 2)},
        {"PROGRAM/P.ABP", Pattern(2100, 3)},
    };

    void PutFilesOnD()
    {
        for (const auto& [rel, bytes] : files)
            WriteFile(fs::path(simConfig.root) / "D" / rel, bytes);
    }
    void ExpectFilesOnD()
    {
        for (const auto& [rel, bytes] : files)
            EXPECT_EQ(ReadFile(TermFile("D", rel)), bytes) << rel;
    }
    std::vector<int> Percents() const
    {
        std::vector<int> p;
        for (const auto& e : ui.eventsOf("progress"))
            p.push_back(e.value);
        return p;
    }
    std::size_t Formats() const { return LogLines({"\"format\"", "D:"}).size(); }
    bool HasText(const std::string& piece) const
    {
        for (const auto& t : ui.shownTexts())
            if (t.find(piece) != std::string::npos)
                return true;
        return false;
    }
    fs::path Pc(const std::string& rel) const { return dir / "pc" / rel; }
    // The date and time words of a D: folder's entries, by name.
    std::map<std::string, std::pair<wire::Word, wire::Word>> Dates(const std::string& folder)
    {
        std::map<std::string, std::pair<wire::Word, wire::Word>> out;
        int count = 0;
        const std::uint8_t* data = Link().ListDirectory(folder, count);
        for (const auto& e : wire::decodeDirectory(data, static_cast<std::size_t>(count) * wire::kDirEntrySize))
            out[e.name] = {e.date, e.time};
        return out;
    }
};

class DefragmentByFirmware : public DefragmentTest, public ::testing::WithParamInterface<int> {};

TEST_P(DefragmentByFirmware, EveryFileComesBackByteExactToItsPlace)
{
    simConfig.firmware = GetParam();
    PutFilesOnD();
    Connected();
    const auto datesBefore = Dates("D:\\Fonts");
    ui.clear();
    Defragment defrag(*session, ui);
    EXPECT_EQ(defrag.Run(), 1);
    EXPECT_EQ(Percents(), (std::vector<int>{0, 12, 25, 37, 62, 75, 87, 100}));
    EXPECT_TRUE(ui.shownIds().empty());
    EXPECT_EQ(Formats(), 1u);
    ExpectFilesOnD();
    EXPECT_EQ(Dates("D:\\Fonts"), datesBefore) << "the files keep their dates";
    if (GetParam() == 200) {
        // Into the lower-case folders, named by the copy.
        EXPECT_EQ(LogLines({"stored", "\"code\":3", "ABCDEFGH.SFT", "D:\\\\Fonts"}).size(), 1u);
        EXPECT_EQ(LogLines({"stored", "\"code\":3"}).size(), 3u);
    } else {
        EXPECT_EQ(LogLines({"stored", "\"code\":8", "D:\\\\Fonts\\\\ABCDEFGH.SFT"}).size(), 1u);
        EXPECT_EQ(LogLines({"stored", "\"code\":8"}).size(), 3u);
    }
    // Nothing stays behind on the PC.
    EXPECT_FALSE(fs::exists(Pc(Defragment::kManifestName)));
    for (const char* work : {"FSFonts", "FSLook", "FSPro"})
        EXPECT_FALSE(fs::exists(Pc(work))) << work;
    EXPECT_FALSE(session->Busy());
}

INSTANTIATE_TEST_SUITE_P(Firmware, DefragmentByFirmware, ::testing::Values(200, 201));

TEST_F(DefragmentTest, EmptyFoldersGoFromZeroToHundredAtTheFormat)
{
    Connected();
    Defragment defrag(*session, ui);
    EXPECT_EQ(defrag.Run(), 1);
    EXPECT_EQ(Percents(), (std::vector<int>{0, 100}));
    EXPECT_EQ(Formats(), 1u);
    EXPECT_TRUE(LogLines({"stored"}).empty());
}

TEST_F(DefragmentTest, AFailedSecondDownloadLeavesDUnformatted)
{
    PutFilesOnD();
    simConfig.forced.push_back({.status = 0, .when = sim::ForcedStatus::When::Op, .op = 3, .count = 1, .after = 1});
    Connected();
    Defragment defrag(*session, ui);
    EXPECT_EQ(defrag.Run(), 0);
    EXPECT_EQ(Formats(), 0u);
    ExpectFilesOnD();
    EXPECT_TRUE(HasText("D:\\Lookup\\L1.TXT"));
    // The copies made so far went with the work folders; no list claims there is anything to finish.
    EXPECT_FALSE(fs::exists(Pc("FSFonts")));
    EXPECT_FALSE(fs::exists(Pc(Defragment::kManifestName)));
    EXPECT_FALSE(session->Busy());
}

TEST_F(DefragmentTest, AFolderInsideRefusesBeforeAnything)
{
    PutFilesOnD();
    fs::create_directories(fs::path(simConfig.root) / "D" / "LOOKUP" / "SUB");
    Connected();
    Defragment defrag(*session, ui);
    EXPECT_EQ(defrag.Run(), 0);
    EXPECT_TRUE(HasText("SUB"));
    EXPECT_EQ(Formats(), 0u);
    EXPECT_TRUE(LogLines({"\"op\":3"}).empty()) << "nothing was fetched";
    ExpectFilesOnD();
}

TEST_F(DefragmentTest, AnUploadFailingAfterTheFormatIsFinishedByTheNextRun)
{
    PutFilesOnD();
    // The first file back is refused: D: is "full".
    simConfig.forced.push_back({.status = 5, .when = sim::ForcedStatus::When::File, .count = 1});
    Connected();
    {
        Defragment defrag(*session, ui);
        EXPECT_EQ(defrag.Run(), 0);
        EXPECT_EQ(defrag.FilesKept(), 1);
        EXPECT_EQ(defrag.FilesBack(), 2);
    }
    EXPECT_EQ(Formats(), 1u);
    // The rest went on; the refused one waits on the PC, and the messages say where.
    EXPECT_EQ(ReadFile(TermFile("D", "LOOKUP/L1.TXT")), files[1].second);
    EXPECT_FALSE(fs::exists(TermFile("D", "FONTS/ABCDEFGH.SFT")));
    EXPECT_EQ(ReadFile(Pc("FSFonts/ABCDEFGH.SFT")), files[0].second);
    EXPECT_TRUE(fs::exists(Pc(Defragment::kManifestName)));
    EXPECT_TRUE(HasText(config->projectPath));
    ASSERT_EQ(ui.lines().size(), 1u);
    EXPECT_NE(ui.lines()[0].find(Pc("FSFonts/ABCDEFGH.SFT").string()), std::string::npos);

    // Declined: nothing happens and the copy stays.
    ui.clear();
    EXPECT_EQ(Defragment(*session, ui).Run(), 0);
    EXPECT_TRUE(fs::exists(Pc("FSFonts/ABCDEFGH.SFT")));

    ui.clear();
    ui.answers = {Answer::Yes};
    Defragment again(*session, ui);
    EXPECT_EQ(again.Run(), 1);
    EXPECT_TRUE(again.Resumed());
    EXPECT_EQ(ui.eventsOf("question").size(), 1u);
    EXPECT_EQ(Formats(), 1u) << "D: is not formatted again";
    ExpectFilesOnD();
    EXPECT_FALSE(fs::exists(Pc(Defragment::kManifestName)));
    EXPECT_FALSE(fs::exists(Pc("FSFonts")));
}

}  // namespace
}  // namespace feld::test
