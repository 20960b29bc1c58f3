// Bringing files to the PC: local copy and move, downloads with the line-end settings and the
// terminal file deleted after a move, the drive dumps, and the properties dialog's texts.

#include <sys/resource.h>

#include <csignal>

#include "OpsFixture.h"
#include "base/Texts.h"
#include "explorer/TerminalProperties.h"
#include "explorer/TransferProcedures.h"
#include "explorer/TreeCommands.h"
#include "link/wire/TermStatus.h"
#include "sim/SimDrives.h"

namespace feld::test {
namespace {

using TransferToPc = OpsFixture;

std::size_t FilesIn(const fs::path& folder)
{
    std::size_t n = 0;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        n += e.is_regular_file() ? 1 : 0;
    return n;
}

// Every write past `bytes` fails while this lives, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit small = old_;
        small.rlim_cur = bytes;
        ok_ = setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }
    bool ok() const { return ok_; }

private:
    rlimit old_{};
    bool ok_ = false;
};

TEST_F(TransferToPc, LocalMoveAsksBeforeReplacingAndCopyOntoItselfIsRefused)
{
    Start();
    fs::create_directories(dir / "pc" / "sub");
    const std::string from = PcFile("a.txt", 300, 1);
    const std::string to = PcFile("sub/a.txt", 40, 2);
    TransferProcedures procedures(*session, ui);

    ui.answers = {Answer::Cancel};
    EXPECT_EQ(procedures.TransferToPc(TreeSide::Pc, from, to, true), 0);
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kFileExistsOverwrite}));
    EXPECT_EQ(ReadFile(from), Pattern(300, 1));
    EXPECT_EQ(ReadFile(to), Pattern(40, 2));

    ui.clear();
    ui.answers = {Answer::Ok};
    EXPECT_EQ(procedures.TransferToPc(TreeSide::Pc, from, to, true), 1);
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kFileExistsOverwrite}));
    EXPECT_EQ(ReadFile(to), Pattern(300, 1));
    EXPECT_FALSE(fs::exists(from));

    // A copy onto the very same file must not empty it.
    ui.clear();
    ui.defaultAnswer = Answer::Ok;
    EXPECT_EQ(procedures.TransferToPc(TreeSide::Pc, to, (dir / "pc" / "sub" / "." / "a.txt").string(), false), 0);
    EXPECT_EQ(ReadFile(to), Pattern(300, 1));
    EXPECT_EQ(FilesIn(dir / "pc"), 1u);
    EXPECT_TRUE(ui.eventsOf("question").empty());
}

TEST_F(TransferToPc, DownloadConvertsLineEndsAndAMoveDeletesTheTerminalFileAfterwards)
{
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "A.TXT", {0x0D, 0x0A, 0x0D, 0x0A});
    Start();
    const fs::path out = dir / "pc" / "a.txt";
    TransferProcedures procedures(*session, ui);

    config->carriageReturn = 1;
    config->lineFeed = 0;
    EXPECT_EQ(procedures.TransferToPc(TreeSide::Terminal, "C:\\DATA\\A.TXT", out.string(), false), 1);
    EXPECT_EQ(ReadFile(out), (std::vector<std::uint8_t>{0x0D, 0x0D}));
    EXPECT_TRUE(fs::exists(TermFile("C", "DATA/A.TXT")));

    config->carriageReturn = 0;
    EXPECT_EQ(procedures.TransferToPc(TreeSide::Terminal, "C:\\DATA\\A.TXT", out.string(), true), 1);
    EXPECT_TRUE(fs::exists(out));
    EXPECT_TRUE(ReadFile(out).empty());
    EXPECT_FALSE(fs::exists(TermFile("C", "DATA/A.TXT")));
    ASSERT_EQ(ui.eventsOf("folderchanged").size(), 1u);
    EXPECT_EQ(ui.eventsOf("folderchanged")[0].text, "C:\\");
    EXPECT_FALSE(fs::exists(config->transferTempFile));
    EXPECT_FALSE(session->Busy());
    EXPECT_TRUE(ui.shownIds().empty());
}

// The window's deletes on the terminal count only when the terminal confirms them: a delete it
// refuses, from the tree or after a move, is said with the terminal's reason and the file stays.
TEST_F(TransferToPc, ARefusedDeleteIsNeverTakenForDone)
{
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "A.TXT", Pattern(5));
    simConfig.forced.push_back({.status = 12, .when = sim::ForcedStatus::When::Op, .op = 1, .count = 0});
    Start();
    const std::string path = "C:\\DATA\\A.TXT";
    const std::string reason = ": " + term::statusText(12);

    EXPECT_TRUE(TreeCommands(*session, ui).DeleteTerminalFiles({path}).empty());
    const fs::path out = dir / "pc" / "a.txt";
    EXPECT_EQ(TransferProcedures(*session, ui).TransferToPc(TreeSide::Terminal, path, out.string(), true), 1);
    EXPECT_EQ(ReadFile(out), Pattern(5));  // the copy stands
    EXPECT_EQ(ui.lines(), (std::vector<std::string>{trf(txt::kDeleteFailed, {path}) + reason,
                                                    trf(txt::kDeleteFailed, {path}) + reason}));
    EXPECT_TRUE(fs::exists(TermFile("C", "DATA/A.TXT")));
}

TEST_F(TransferToPc, FailedDownloadKeepsTheTerminalFileAndTheOldPcFile)
{
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "G.TXT", Pattern(3000, 8));
    Start();
    const fs::path out = dir / "pc" / "g.txt";
    WriteFile(out, Pattern(10, 5));
    TransferProcedures procedures(*session, ui);
    int r;
    {
        FileSizeLimit limit(1000);
        ASSERT_TRUE(limit.ok());
        r = procedures.TransferToPc(TreeSide::Terminal, "C:\\DATA\\G.TXT", out.string(), true);
    }
    EXPECT_EQ(r, 0);
    EXPECT_EQ(Count(ui.shownIds(), txt::kReceiveFailed), 1);
    EXPECT_EQ(ReadFile(out), Pattern(10, 5));
    EXPECT_EQ(ReadFile(TermFile("C", "DATA/G.TXT")), Pattern(3000, 8));
    EXPECT_EQ(FilesIn(dir / "pc"), 1u) << "neither the temporary file nor a partial copy stays";

    // A destination that cannot be written: 61220 before anything is fetched or deleted.
    ui.clear();
    EXPECT_EQ(procedures.TransferToPc(TreeSide::Terminal, "C:\\DATA\\G.TXT", (dir / "nowhere" / "g.txt").string(), true), 0);
    EXPECT_EQ(Count(ui.shownIds(), txt::kReceiveFailed), 1);
    EXPECT_TRUE(fs::exists(TermFile("C", "DATA/G.TXT")));
    EXPECT_TRUE(LogLines({"\"op\":1"}).empty());
    EXPECT_FALSE(session->Busy());
}

TEST_F(TransferToPc, DumpIsByteExactAndAFailedDumpKeepsThePreviousImage)
{
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "A.TXT", {'x', 0x0D, 0x0A, 'y', 0x0D, 0x0A});
    simConfig.dUnformatted = true;
    Start();
    // Settings that would change every CR LF pair of a download.
    config->carriageReturn = 0;
    config->lineFeed = 0;
    TransferProcedures procedures(*session, ui);

    EXPECT_EQ(procedures.DumpImage('c'), 1);
    sim::SimDrives drives(simConfig.root, simConfig.cSize, simConfig.dSize);
    EXPECT_EQ(ReadFile(dir / "pc" / "DUMPCIMG.IMG"), drives.image(sim::SimDrives::kDriveC));
    EXPECT_EQ(ui.lines(), (std::vector<std::string>{trf(txt::kCopied, {"C:\\DUMPCIMG.IMG"})}));

    ui.clear();
    const fs::path old = dir / "pc" / "DUMPDIMG.IMG";
    WriteFile(old, Pattern(64, 9));
    EXPECT_EQ(procedures.DumpImage('D'), 0);
    EXPECT_EQ(ReadFile(old), Pattern(64, 9));
    EXPECT_EQ(ui.lines(), (std::vector<std::string>{trf(txt::kCopyFailed, {"D:\\DUMPDIMG.IMG"})}));
}

TEST_F(TransferToPc, PropertiesOfAFolderSumOneLevelAndAMissingFileHasNoSize)
{
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "A.TXT", Pattern(100));
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "B.TXT", Pattern(23));
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "SUB" / "DEEP.TXT", Pattern(5000));
    Start();
    ASSERT_EQ(session->ConnectLink(0), 1);
    auto folder = GatherTerminalProperties(*session, ui, TerminalProperties::Folder, "C:\\DATA", "DATA", "C:\\");
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->size, 123u);
    EXPECT_TRUE(folder->dated);

    auto gone = GatherTerminalProperties(*session, ui, TerminalProperties::File, "C:\\DATA\\GONE.TXT", "GONE.TXT", "C:\\DATA");
    ASSERT_TRUE(gone);
    const PropertiesFields f = PropertiesFieldTexts(*gone);
    EXPECT_EQ(f.location, "C:\\DATA\\");
    EXPECT_TRUE(f.size.empty());
    EXPECT_TRUE(f.created.empty());

    // A folder the terminal cannot list: 61259 and no dialog.
    EXPECT_FALSE(GatherTerminalProperties(*session, ui, TerminalProperties::Folder, "C:\\NONE", "NONE", "C:\\"));
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kNoDiskInfo}));
}

TEST(PropertiesTexts, DatesFollowTheFirmwareAndAnUnformattedDriveSaysSoThrice)
{
    TerminalProperties file;
    file.kind = TerminalProperties::File;
    file.path = "C:\\DATA\\A.TXT";
    file.dated = true;
    file.date = {0x21, 0x3A};
    for (auto [firmware, date] : {std::pair{200, "2009/01/01"}, std::pair{199, "2004/09/26"}}) {
        file.firmware = firmware;
        EXPECT_EQ(PropertiesFieldTexts(file).created.rfind(date, 0), 0u) << firmware << ": " << PropertiesFieldTexts(file).created;
    }

    TerminalProperties drive;
    drive.kind = TerminalProperties::Drive;
    drive.size = 1000;
    drive.free = -1;
    const PropertiesFields f = PropertiesFieldTexts(drive);
    EXPECT_EQ(f.location, tr(txt::kNotFormatted));
    EXPECT_EQ(f.size, tr(txt::kNotFormatted));
    EXPECT_EQ(f.created, tr(txt::kNotFormatted));
}

}  // namespace
}  // namespace feld::test
