// Project mode's core against the simulated terminal: project files, the list of ten, sending in
// the builder's order with the firmware and stop rules, and receiving a data file with its line
// ends converted.

#include <sys/stat.h>

#include <algorithm>
#include <functional>
#include <unistd.h>

#include "OpsFixture.h"
#include "base/LineEnds.h"
#include "project/DataReceive.h"
#include "project/ProjectFile.h"
#include "project/ProjectList.h"
#include "project/ProjectSender.h"

namespace feld::test {
namespace {

TEST(ProjectFileTest, KeysByTheirFirstOccurrenceUpToTheLineEnd)
{
    ProjectEntry p = ParseProjectText("junk\r\nProgram=C:\\A\\APP.ABP  \r\nLookup10=TEN.DBF\r\nLookup1=ONE.DBF\r\n"
                                      "Program=C:\\B\\OTHER.ABP\r\nUserFont=U.FNT");
    EXPECT_EQ(p.program, "C:\\A\\APP.ABP  ");  // trailing blanks belong to the path
    EXPECT_EQ(p.lookups[0], "ONE.DBF");         // "Lookup1=" does not find "Lookup10="
    EXPECT_EQ(p.lookups[9], "TEN.DBF");
    EXPECT_EQ(p.userFont, "U.FNT");             // a last line without a line end
    EXPECT_TRUE(p.systemFont.empty());
    EXPECT_EQ(ProjectName(p), "APP.ABP  ");
    // A project file saved with Linux line ends reads the same.
    ProjectEntry lf = ParseProjectText("Program=C:\\A\\APP.ABP\nSysFont=S.FNT\nDataFile2=D.TXT\n");
    EXPECT_EQ(lf.program, "C:\\A\\APP.ABP");
    EXPECT_EQ(lf.systemFont, "S.FNT");
    EXPECT_EQ(lf.dataFiles[1], "D.TXT");
    // Binary text and no keys: an empty project, never a crash.
    std::string binary = "\x01\x02\x00Program=X\r\n";
    EXPECT_TRUE(ParseProjectText(std::string_view(binary.data(), binary.size())).program.empty());
}

// Keys written by hand are read as an INI reader reads them, but never where the builder's exact
// key is there; slots the format has no place for are named.
TEST(ProjectFileTest, HandWrittenKeysAreReadAndEntriesBeyondTheSlotsAreNamed)
{
    struct Case {
        const char* text;
        const char* program;
        const char* lookup1;
        std::vector<std::string> beyond;
    };
    const Case cases[] = {
        {"program=P.ABP\r\nLOOKUP1=L.DBF\r\n", "P.ABP", "L.DBF", {}},
        {"  Program  =  P.ABP  \r\n\tLookup1\t= L.DBF\n", "P.ABP", "L.DBF", {}},
        // The exact key wins wherever it stands, its value as written.
        {"program = OTHER.ABP\r\nProgram=P.ABP \r\n", "P.ABP ", "", {}},
        // "lookup1 =" is no "Lookup10"; a slot beyond 20, or 0 or written with a leading zero, is named.
        {"Lookup10 = TEN.DBF\r\nlookup21=X.DBF\r\nDataFile0=Y.TXT\r\nDATAFILE07=Z.TXT\r\nLookup22=\r\n", "", "",
         {"lookup21", "DataFile0", "DATAFILE07"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ProjectEntry p = ParseProjectText(c.text);
        EXPECT_EQ(p.program, c.program);
        EXPECT_EQ(p.lookups[0], c.lookup1);
        EXPECT_EQ(p.beyondSlots, c.beyond);
    }
    EXPECT_EQ(ParseProjectText("Lookup10 = TEN.DBF\r\n").lookups[9], "TEN.DBF");
}

TEST(ProjectListTest, TenAtMostNoSameNameAndRemovalKeepsTheOrder)
{
    ProjectList list;
    auto project = [](const std::string& program) {
        ProjectEntry p;
        p.program = program;
        return p;
    };
    EXPECT_EQ(list.Add(project("C:\\A\\APP.ABP")), ProjectList::Added::Yes);
    EXPECT_EQ(list.Add(project("D:\\Other\\APP.ABP")), ProjectList::Added::SameName);
    EXPECT_EQ(list.Add(project("C:\\B.ABP")), ProjectList::Added::Yes);
    EXPECT_EQ(list.Add(project("C:\\C.ABP")), ProjectList::Added::Yes);
    ASSERT_TRUE(list.RemoveAt(1));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(ProjectName(list.At(0)), "APP.ABP");
    EXPECT_EQ(ProjectName(list.At(1)), "C.ABP");
    EXPECT_FALSE(list.At(2).used);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(list.Add(project("P" + std::to_string(i) + ".ABP")), ProjectList::Added::Yes);
    EXPECT_EQ(list.Add(project("Z.ABP")), ProjectList::Added::Full);
}

TEST(DataReceiveTest, LineEndsConvertOnlyCrLfPairs)
{
    const std::string in = "A\r\nB\r\r\nC\r";
    EXPECT_EQ(FilterLineEnds(in, true, true), in);
    EXPECT_EQ(FilterLineEnds(in, false, true), "A\nB\r\nC\r");   // CR CR LF keeps the first CR
    EXPECT_EQ(FilterLineEnds(in, true, false), "A\rB\r\rC\r");
    EXPECT_EQ(FilterLineEnds(in, false, false), "AB\rC\r");     // a trailing CR always stays
    EXPECT_EQ(FilterLineEnds("\n\r", false, false), "\n\r");     // lone LF and CR stay
    EXPECT_EQ(ReceiveDestination("/tmp/save//", "DATA1.TXT"), "/tmp/save/DATA1.TXT");
}

class ProjectOps : public OpsFixture {
protected:
    // A project file naming files in dir/pc, written the way the builder writes it on Windows: the
    // files are found beside the project file by their names.
    ProjectEntry MakeProject(const std::string& name, const std::vector<std::pair<std::string, std::string>>& keys)
    {
        std::string text;
        for (const auto& [key, file] : keys) {
            text += key + "=C:\\TOLVERA\\Project\\" + file + "\r\n";
            if (!file.empty() && !fs::exists(dir / "pc" / file))
                PcFile(file, 300 + file.size(), static_cast<unsigned>(file.size()));
        }
        WriteFile(dir / "pc" / name, std::vector<std::uint8_t>(text.begin(), text.end()));
        auto p = ReadProjectFile((dir / "pc" / name).string());
        EXPECT_TRUE(p);
        return p ? *p : ProjectEntry{};
    }
    std::vector<std::string> StoredOrder()
    {
        std::vector<std::string> names;
        for (const auto& l : LogLines({"\"event\":\"stored\""})) {
            auto at = l.find("\"name\":\"");
            names.push_back(l.substr(at + 8, l.find('"', at + 8) - at - 8));
        }
        return names;
    }
};

// The builder's order (program, lookup i then data file i, system font, user font), empty entries
// skipped; the folder by the firmware: full paths from 201, folders up to 200, and before 200 the
// program on drive C:.
TEST_F(ProjectOps, FilesGoInTheBuildersOrderToTheirFoldersAtEachFirmware)
{
    for (int firmware : {199, 200, 201}) {
        SCOPED_TRACE(firmware);
        simConfig.firmware = firmware;
        ui.clear();
        Start();
        ProjectEntry p = MakeProject("APP.ini", {{"Program", "APP.ABP"},
                                                 {"Lookup3", "L3.DBF"},
                                                 {"DataFile3", "D3.TXT"},
                                                 {"SysFont", "SYS.FNT"},
                                                 {"UserFont", "USR.FNT"}});
        ui.answers = {Answer::Yes};  // the old-firmware question at 199
        ProjectSender sender(*session, ui);
        EXPECT_EQ(sender.Send({p}), 1);
        EXPECT_TRUE(sender.AllSent());
        // Full paths from 201 (as the log writes them, backslashes escaped), names before.
        const bool paths = firmware >= 201;
        EXPECT_EQ(StoredOrder(), (std::vector<std::string>{paths ? "d:\\\\program\\\\APP.ABP" : "APP.ABP",
                                                           paths ? "d:\\\\lookup\\\\L3.DBF" : "L3.DBF",
                                                           paths ? "c:\\\\data\\\\D3.TXT" : "D3.TXT",
                                                           paths ? "d:\\\\fonts\\\\SYS.FNT" : "SYS.FNT",
                                                           paths ? "d:\\\\fonts\\\\USR.FNT" : "USR.FNT"}));
        EXPECT_EQ(ReadFile(TermFile(firmware < 200 ? "C" : "D", "PROGRAM/APP.ABP")), ReadFile(dir / "pc" / "APP.ABP"));
        EXPECT_EQ(ReadFile(TermFile("D", "FONTS/USR.FNT")), ReadFile(dir / "pc" / "USR.FNT"));
        EXPECT_EQ(Count(ui.shownIds(), txt::kOldFirmwareWarning), firmware < 200 ? 1 : 0);
        EXPECT_EQ(ui.shownIds().back(), txt::kDownloadDone);
        EXPECT_FALSE(session->Busy());
        TearDown();
        SetUp();
    }
}

// Yes repeats only that file; No keeps the terminal's file and goes on (skipped, no failure box);
// an answer "to all" holds for the rest of the send; Cancel stops it there, said as a cancel.
TEST_F(ProjectOps, OverwriteOkRepeatsOnlyThatFileAndCancelGoesOn)
{
    struct Case {
        const char* name;
        std::deque<Answer> answers;
        const char* replaced;  // A.DBF, B.DBF: r replaced, k kept
        int questions;
        int last;  // the final message; 0 for the cancel
    };
    const Case cases[] = {
        {"yes, no", {Answer::Yes, Answer::No}, "rk", 2, txt::kDownloadDone},
        {"yes to all", {Answer::YesToAll}, "rr", 1, txt::kDownloadDone},
        {"no to all", {Answer::NoToAll}, "kk", 1, txt::kDownloadDone},
        {"cancel", {Answer::Cancel}, "kk", 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.clear();
        WriteFile(fs::path(simConfig.root) / "D" / "LOOKUP" / "A.DBF", Pattern(3));
        WriteFile(fs::path(simConfig.root) / "D" / "LOOKUP" / "B.DBF", Pattern(3));
        Start();
        ProjectEntry p = MakeProject("X.ini", {{"Program", "X.ABP"}, {"Lookup1", "A.DBF"}, {"Lookup2", "B.DBF"}});
        ui.answers = c.answers;
        ProjectSender sender(*session, ui);
        EXPECT_EQ(sender.Send({p}), c.last ? 1 : 0);
        EXPECT_EQ(sender.AllSent(), std::string(c.replaced) == "rr");
        for (int i = 0; i < 2; ++i) {
            const std::string name = i ? "B.DBF" : "A.DBF";
            EXPECT_EQ(ReadFile(TermFile("D", "LOOKUP/" + name)), c.replaced[i] == 'r' ? ReadFile(dir / "pc" / name) : Pattern(3))
                << name;
        }
        EXPECT_EQ(Count(ui.shownIds(), txt::kNameExistsOverwrite), c.questions);
        EXPECT_EQ(Count(ui.shownIds(), txt::kCopyFailed), 0) << "kept is no failure";
        EXPECT_EQ(ui.shownIds().back(), c.last);
        EXPECT_FALSE(session->Busy());
        TearDown();
        SetUp();
    }
}

// A stop (drive full, a file that is not there) ends the whole send, every project.
TEST_F(ProjectOps, AFullDriveOrAMissingFileStopsTheSend)
{
    simConfig.dSize = 1500;
    Start();
    ProjectEntry a = MakeProject("A.ini", {{"Program", "A.ABP"}, {"SysFont", "BIG.FNT"}});
    WriteFile(dir / "pc" / "BIG.FNT", Pattern(4000));
    ProjectEntry b = MakeProject("B.ini", {{"Program", "B.ABP"}});
    ProjectSender sender(*session, ui);
    EXPECT_EQ(sender.Send({a, b}), 0);
    auto ids = ui.shownIds();
    ASSERT_GE(ids.size(), 2u);
    EXPECT_EQ(ids[ids.size() - 2], txt::kDFull);
    EXPECT_EQ(ids.back(), txt::kTransferFailed);
    EXPECT_TRUE(LogLines({"B.ABP"}).empty()) << "nothing after the stop";

    ui.clear();
    ProjectEntry c = MakeProject("C.ini", {{"Program", "C.ABP"}, {"DataFile1", "GONE.TXT"}, {"DataFile2", "D2.TXT"}});
    fs::remove(dir / "pc" / "GONE.TXT");
    EXPECT_EQ(sender.Send({c}), 0);
    const auto texts = ui.shownTexts();
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::string& t) { return t.find("GONE.TXT") != std::string::npos; }));
    EXPECT_TRUE(LogLines({"D2.TXT"}).empty());
}

// Every file of every project is checked before the first byte goes: one that cannot go leaves
// the terminal as it was, and the message names the file and why.
TEST_F(ProjectOps, AProjectThatCannotGoWholeSendsNothing)
{
    const fs::path b2 = dir / "pc" / "B2.TXT";
    struct Case {
        const char* file;                // the second project's data file
        std::function<void()> spoil;     // done to it after the project is written
        std::vector<std::string> said;   // pieces of the message
    };
    const Case cases[] = {
        {"B2.TXT", [&] { fs::remove(b2); }, {"C:\\TOLVERA\\Project\\B2.TXT", b2.string()}},
        {"B2.TXT", [&] { fs::remove(b2); fs::create_directory(b2); }, {b2.string()}},
        {"B 2.TXT", [] {}, {(dir / "pc" / "B 2.TXT").string(), "cannot store it"}},
        {"LONGER_NAME.TXT", [] {}, {(dir / "pc" / "LONGER_NAME.TXT").string(), tr(txt::kNameTooLong)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.said.front());
        ui.clear();
        Start();
        ProjectEntry a = MakeProject("A.ini", {{"Program", "A.ABP"}});
        ProjectEntry b = MakeProject("B.ini", {{"Program", "B.ABP"}, {"Lookup1", "B1.DBF"}, {"DataFile1", c.file}});
        c.spoil();
        ProjectSender sender(*session, ui);
        EXPECT_EQ(sender.Send({a, b}), 0);
        EXPECT_TRUE(LogLines({"\"event\":\"stored\""}).empty()) << "the terminal is untouched";
        EXPECT_FALSE(fs::exists(TermFile("D", "PROGRAM/A.ABP")));
        const auto texts = ui.shownTexts();
        ASSERT_EQ(texts.size(), 1u);
        for (const std::string& piece : c.said)
            EXPECT_NE(texts[0].find(piece), std::string::npos) << texts[0];
        TearDown();
        SetUp();
    }
}

// A project file that yields no file (empty, binary, no key the builder writes) is an error that
// says what a project file holds; hand-written keys send their files, and an entry beyond the 20
// slots is named in a warning while the others go.
TEST_F(ProjectOps, AProjectFileWithoutFilesIsAnErrorAndHandWrittenKeysSend)
{
    Start();
    PcFile("K.ABP", 200);
    PcFile("K1.DBF", 300);
    PcFile("K21.DBF", 300);
    static const char kBinary[] = "\x7f" "ELF\x02\x01\x00\x00Program=K.ABP\r\n";
    const std::string binary(kBinary, sizeof kBinary - 1);
    for (const std::string& text : {std::string(), binary, std::string("[Project]\r\nName=K\r\n")}) {
        SCOPED_TRACE(text.size());
        WriteFile(dir / "pc" / "EMPTY.ini", std::vector<std::uint8_t>(text.begin(), text.end()));
        auto p = ReadProjectFile((dir / "pc" / "EMPTY.ini").string());
        ASSERT_TRUE(p);
        ui.clear();
        ProjectSender sender(*session, ui);
        EXPECT_EQ(sender.Send({*p}), 0);
        const auto texts = ui.shownTexts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_NE(texts[0].find((dir / "pc" / "EMPTY.ini").string()), std::string::npos) << texts[0];
        EXPECT_NE(texts[0].find("Program="), std::string::npos) << texts[0];
    }

    const std::string text = "program = C:\\TOLVERA\\K.ABP\r\nlookup1=C:\\TOLVERA\\K1.DBF\r\nLookup21=C:\\TOLVERA\\K21.DBF\r\n";
    WriteFile(dir / "pc" / "K.ini", std::vector<std::uint8_t>(text.begin(), text.end()));
    auto k = ReadProjectFile((dir / "pc" / "K.ini").string());
    ASSERT_TRUE(k);
    ui.clear();
    ProjectSender sender(*session, ui);
    EXPECT_EQ(sender.Send({*k}), 1);
    EXPECT_EQ(ReadFile(TermFile("D", "PROGRAM/K.ABP")), ReadFile(dir / "pc" / "K.ABP"));
    EXPECT_EQ(ReadFile(TermFile("D", "LOOKUP/K1.DBF")), ReadFile(dir / "pc" / "K1.DBF"));
    EXPECT_FALSE(fs::exists(TermFile("D", "LOOKUP/K21.DBF")));
    const auto texts = ui.shownTexts();
    ASSERT_FALSE(texts.empty());
    EXPECT_NE(texts.front().find("Lookup21"), std::string::npos) << texts.front();
    EXPECT_EQ(ui.shownIds().back(), txt::kDownloadDone);
}

// The end of a send says what happened: a line per file not sent, with its reason, in the message
// view, and "download complete" only when the terminal took every file (a declined overwrite is
// the user's choice: listed, but the send is complete).
TEST_F(ProjectOps, EveryFileNotSentIsListedWithItsReason)
{
    struct Case {
        const char* name;
        std::vector<sim::SimConfig::RefusedFile> refused;
        std::size_t dSize;
        bool existing;                    // M1.DBF is on the terminal and the overwrite is declined
        int last;                         // the final message
        std::vector<std::string> lines;   // pieces of the lines, one per line, in order
    };
    const Case cases[] = {
        {"refused", {{"M1.DBF", 10}, {"M2.TXT", 9}}, 0, false, txt::kTransferFailed,
         {"M1.DBF: the terminal refused the name or path", "M2.TXT: the terminal's power is too low"}},
        {"in use", {{"M1.DBF", 12}}, 0, false, txt::kTransferFailed, {"M1.DBF: a file is in use on the terminal"}},
        {"stop", {}, 1500, false, txt::kTransferFailed,
         {"M1.DBF: not enough space on the drive", "M2.TXT: the send stopped", "MF.FNT: the send stopped"}},
        {"declined", {}, 0, true, txt::kDownloadDone, {"skipped d:\\lookup\\M1.DBF"}},
    };
    const std::int64_t dSize = simConfig.dSize;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.clear();
        simConfig.refusedFiles = c.refused;
        simConfig.dSize = c.dSize ? c.dSize : dSize;
        if (c.existing)
            WriteFile(fs::path(simConfig.root) / "D" / "LOOKUP" / "M1.DBF", Pattern(3));
        Start();
        ProjectEntry p = MakeProject("M.ini", {{"Program", "M.ABP"}, {"Lookup1", "M1.DBF"}, {"DataFile1", "M2.TXT"},
                                              {"SysFont", "MF.FNT"}});
        if (c.dSize)
            WriteFile(dir / "pc" / "M1.DBF", Pattern(4000));
        ProjectSender sender(*session, ui);
        sender.Send({p});
        EXPECT_EQ(ui.shownIds().back(), c.last);
        const auto lines = ui.lines();
        ASSERT_EQ(lines.size(), c.lines.size()) << ::testing::PrintToString(lines);
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_NE(lines[i].find(c.lines[i]), std::string::npos) << lines[i];
        // The lines stand before the final message, so the message view holds them when it shows.
        const auto events = ui.events();
        auto last = [&](const char* kind) {
            return std::find_if(events.rbegin(), events.rend(), [&](const auto& e) { return e.kind == kind; });
        };
        EXPECT_TRUE(lines.empty() || last("line") > last("message"));
        TearDown();
        SetUp();
    }
}

class ReceiveOps : public OpsFixture {
protected:
    void SetUp() override
    {
        OpsFixture::SetUp();
        fs::create_directories(dir / "save");
        WriteFile(fs::path(simConfig.root) / "C" / "DATA" / "SCAN.TXT", {'A', '\r', '\n', 'B', '\r', '\r', '\n', 'C', '\r'});
    }
    int Receive(ReceiveChoice c)
    {
        DataReceive r(*session, ui);
        if (!r.Begin())
            return -1;
        return r.Receive(c);
    }
    static std::string Text(const fs::path& p)
    {
        auto b = ReadFile(p);
        return std::string(b.begin(), b.end());
    }
};

TEST_F(ReceiveOps, AppendAddsOverwriteReplacesAndTheTerminalFileGoesOnlyAfterTheCopy)
{
    Connected();
    DataReceive list(*session, ui);
    ASSERT_TRUE(list.Begin());
    EXPECT_EQ(list.ListFiles(), (std::vector<std::string>{"SCAN.TXT"}));
    list.End();
    EXPECT_FALSE(session->Busy()) << "a cancelled dialog ends the busy window";

    ReceiveChoice c{"SCAN.TXT", (dir / "save").string() + "//", true, false, true, false};
    WriteFile(dir / "save" / "SCAN.TXT", {'O', 'L', 'D'});
    ASSERT_EQ(Receive(c), 1);
    EXPECT_EQ(Text(dir / "save" / "SCAN.TXT"), "OLDA\nB\r\nC\r");
    c.append = false;
    c.keepCr = true;
    c.keepLf = false;
    c.deleteAfter = true;
    ASSERT_EQ(Receive(c), 1);
    EXPECT_EQ(Text(dir / "save" / "SCAN.TXT"), "A\rB\r\rC\r");
    EXPECT_FALSE(fs::exists(TermFile("C", "DATA/SCAN.TXT")));
    EXPECT_FALSE(session->Busy());
}

// A save folder that is not there, or a name that would leave it: 61220, nothing written, and the
// terminal keeps its file even with delete after receipt on.
TEST_F(ReceiveOps, ABadSaveFolderOrNameReceivesNothingAndKeepsTheTerminalFile)
{
    Connected();
    ReceiveChoice c{"SCAN.TXT", (dir / "nowhere").string(), true, true, true, true};
    EXPECT_EQ(Receive(c), 0);
    EXPECT_FALSE(fs::exists(dir / "nowhere"));
    c.saveFolder = (dir / "save").string();
    c.name = "../SCAN.TXT";
    EXPECT_EQ(Receive(c), 0);
    EXPECT_EQ(Count(ui.shownIds(), txt::kReceiveFailed), 2);
    EXPECT_TRUE(fs::exists(TermFile("C", "DATA/SCAN.TXT")));
    EXPECT_TRUE(fs::is_empty(dir / "save"));
    EXPECT_FALSE(session->Busy());
}

}  // namespace
}  // namespace feld::test
