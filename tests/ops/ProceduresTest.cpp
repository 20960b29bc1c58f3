// The upload, fetch and format procedures: their questions, messages and results.

#include <sys/resource.h>

#include <csignal>

#include <chrono>
#include <thread>

#include "OpsFixture.h"
#include "app/Maintenance.h"
#include "base/Texts.h"
#include "explorer/TransferProcedures.h"

namespace feld::test {
namespace {

using Procedures = OpsFixture;

TEST_F(Procedures, UploadAtFirmware201AppendsTheNameOnceAcrossTheOverwriteQuestion)
{
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "A.TXT", Pattern(3));
    Start();
    std::string src = PcFile("A.TXT", 900, 4);
    ui.answers.push_back(Answer::Ok);
    TransferProcedures procedures(*session, ui);
    EXPECT_EQ(procedures.Upload(src, "C:\\DATA"), 1);
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kNameExistsOverwrite}));
    EXPECT_EQ(ReadFile(TermFile("C", "DATA/A.TXT")), Pattern(900, 4));
    // Both attempts went to the same full path, the lower-cased folder plus the name.
    EXPECT_EQ(LogLines({"c:\\\\data\\\\A.TXT"}).size(), 2u);
    EXPECT_TRUE(LogLines({"c:\\\\data\\\\A.TXT\\\\A.TXT"}).empty());
    EXPECT_EQ(ui.lines(), (std::vector<std::string>{trf(txt::kCopied, {src})}));
    EXPECT_FALSE(session->Busy());
}

TEST_F(Procedures, UploadAtFirmware199AsksBeforeEveryAttempt)
{
    simConfig.firmware = 199;
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "A.TXT", Pattern(3));
    Start();
    std::string src = PcFile("A.TXT", 100);
    ui.answers = {Answer::Yes, Answer::Ok, Answer::Yes};
    TransferProcedures procedures(*session, ui);
    EXPECT_EQ(procedures.Upload(src, "c:\\data"), 1);
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kOldFirmwareWarning, txt::kNameExistsOverwrite,
                                               txt::kOldFirmwareWarning}));
    EXPECT_EQ(ReadFile(TermFile("C", "DATA/A.TXT")), Pattern(100));

    // No to the warning: nothing sent, nothing more said.
    ui.clear();
    ui.answers = {Answer::No};
    // The terminal logs a transfer once its last answer is out: let both uploads' lines come first.
    for (int i = 0; i < 100 && LogLines({"\"event\":\"receive\"", "\"code\":3"}).size() < 2; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    auto before = LogLines({"\"code\":3"}).size();
    EXPECT_EQ(procedures.Upload(src, "c:\\data"), 0);
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kOldFirmwareWarning}));
    EXPECT_EQ(LogLines({"\"code\":3"}).size(), before);
}

TEST_F(Procedures, UploadAtFirmware200SendsIntoTheFolderWithoutAWarning)
{
    simConfig.firmware = 200;
    Start();
    std::string src = PcFile("P.TXT", 513);
    TransferProcedures procedures(*session, ui);
    EXPECT_EQ(procedures.Upload(src, "C:\\Data"), 1);
    EXPECT_TRUE(ui.shownIds().empty());
    EXPECT_EQ(ReadFile(TermFile("C", "DATA/P.TXT")), Pattern(513));
}

TEST_F(Procedures, UploadIntoADriveRootIsRefused)
{
    Start();
    std::string src = PcFile("R.TXT", 10);
    TransferProcedures procedures(*session, ui);
    EXPECT_EQ(procedures.Upload(src, "c:\\"), 0);
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{0, txt::kTransferFailed}));
    EXPECT_NE(ui.shownTexts().front().find("not a folder"), std::string::npos) << ui.shownTexts().front();
    EXPECT_EQ(ui.lines(), (std::vector<std::string>{trf(txt::kCopyFailed, {src})}));
}

TEST_F(Procedures, UploadReportsFullAndUnformattedDrivesByDrive)
{
    simConfig.dUnformatted = true;
    simConfig.cSize = 1000;
    Start();
    TransferProcedures procedures(*session, ui);
    EXPECT_EQ(procedures.Upload(PcFile("BIG.TXT", 5000), "c:\\data"), 0);
    EXPECT_EQ(ui.lines(), (std::vector<std::string>{trf(txt::kCFull, {})}));
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kTransferFailed}));
    ui.clear();
    EXPECT_EQ(procedures.Upload(PcFile("F.SFT", 10), "d:\\fonts"), 0);
    EXPECT_EQ(ui.lines(), (std::vector<std::string>{trf(txt::kDNotFormatted, {})}));
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kTransferFailed}));
}

// Not replacing the terminal's file is the user's choice: skipped, not a failed transfer.
TEST_F(Procedures, CancelledOverwriteLeavesTheTerminalFile)
{
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "A.TXT", Pattern(3));
    Start();
    ui.answers = {Answer::Cancel};
    TransferProcedures procedures(*session, ui);
    const std::string src = PcFile("A.TXT", 50);
    EXPECT_EQ(procedures.Upload(src, "c:\\data"), 0);
    EXPECT_TRUE(procedures.Declined());
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kNameExistsOverwrite}));
    EXPECT_EQ(ui.lines(), (std::vector<std::string>{TransferProcedures::SkippedLine(src)}));
    EXPECT_EQ(ReadFile(TermFile("C", "DATA/A.TXT")), Pattern(3));
}

TEST_F(Procedures, FetchLeavesNoPartialFileAndKeepsAnExistingOne)
{
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "G.TXT", Pattern(2000, 8));
    Start();
    TransferProcedures procedures(*session, ui);
    fs::path out = dir / "pc" / "g.txt";
    EXPECT_EQ(procedures.FetchExact("C:\\DATA\\G.TXT", out.string()), 1);
    EXPECT_EQ(ReadFile(out), Pattern(2000, 8));

    // A file the terminal does not have: the old copy stays as it was, nothing else appears.
    EXPECT_EQ(procedures.FetchExact("C:\\DATA\\MISSING.TXT", out.string()), 0);
    EXPECT_EQ(ReadFile(out), Pattern(2000, 8));
    EXPECT_EQ(Count(ui.shownIds(), txt::kCopyFailed), 1);
    std::size_t files = 0;
    for (const auto& e : fs::directory_iterator(dir / "pc"))
        files += e.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1u) << "no temporary file is left behind";

    // A destination folder that does not exist: the system's reason in the one failure box, no
    // exchange needed.
    const std::size_t boxes = ui.shownTexts().size();
    EXPECT_EQ(procedures.FetchExact("C:\\DATA\\G.TXT", (dir / "nowhere" / "g.txt").string()), 0);
    ASSERT_EQ(ui.shownTexts().size(), boxes + 1);
    EXPECT_EQ(ui.shownIds().back(), txt::kCopyFailed);
    EXPECT_NE(ui.shownTexts().back().find("No such file or directory"), std::string::npos);
}

TEST_F(Procedures, FetchOntoAFullDiskLeavesNothing)
{
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "G.TXT", Pattern(3000, 8));
    Start();
    TransferProcedures procedures(*session, ui);
    fs::path out = dir / "pc" / "g.txt";
    // A file-size limit makes every write past 1000 bytes fail, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    int r = procedures.FetchExact("C:\\DATA\\G.TXT", out.string());
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(r, 0);
    EXPECT_TRUE(fs::is_empty(dir / "pc")) << "neither the file nor a temporary one is left";
    EXPECT_EQ(Count(ui.shownIds(), txt::kCopyFailed), 1);
}

TEST_F(Procedures, FormatDNeedsAFormattedC)
{
    Start();
    Maintenance maintenance(*session, ui);
    ui.defaultAnswer = Answer::Yes;
    // A C: root that lists nothing: kFormatCBeforeD and no question.
    EXPECT_EQ(maintenance.FormatD(), 0);
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kFormatCBeforeD}));
    EXPECT_FALSE(session->Busy());
    EXPECT_TRUE(LogLines({"\"op\":4"}).empty());
}

TEST_F(Procedures, FormatAsksAndNoSendsNothing)
{
    WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "A.TXT", Pattern(3));
    WriteFile(fs::path(simConfig.root) / "D" / "PROGRAM" / "P.ABP", Pattern(3));
    Start();
    Maintenance maintenance(*session, ui);
    ui.answers = {Answer::No, Answer::No};
    EXPECT_EQ(maintenance.FormatC(), 0);
    EXPECT_EQ(maintenance.FormatD(), 0);
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kFormatConfirm, txt::kFormatConfirm}));
    EXPECT_FALSE(session->Busy());
    EXPECT_TRUE(LogLines({"\"op\":4"}).empty());

    ui.clear();
    ui.answers = {Answer::Yes};
    EXPECT_EQ(maintenance.FormatD(), 1);
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kFormatConfirm, txt::kFormatDone}));
    EXPECT_FALSE(fs::exists(TermFile("D", "PROGRAM/P.ABP")));
    EXPECT_TRUE(fs::exists(TermFile("C", "DATA/A.TXT")));
    EXPECT_EQ(ui.eventsOf("folderchanged").size(), 1u);
    EXPECT_FALSE(session->Busy());
    EXPECT_GT(session->OperationEnd(), 0);

    ui.clear();
    ui.answers = {Answer::Yes};
    EXPECT_EQ(maintenance.FormatC(), 1);
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{txt::kFormatConfirm, txt::kFormatDone}));
    EXPECT_FALSE(fs::exists(TermFile("C", "DATA/A.TXT")));
}

}  // namespace
}  // namespace feld::test
