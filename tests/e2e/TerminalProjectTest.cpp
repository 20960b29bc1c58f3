// feldspan-cli send and receive against the simulated terminal, with the repository's sample project
// handed over by its Builder.ini.

#include <cctype>
#include <chrono>
#include <cstdlib>
#include <sstream>
#include <thread>

#include <signal.h>
#include <unistd.h>

#include "TerminalCli.h"

namespace feld::test {
namespace {

class TerminalProject : public TerminalCliFixture {
protected:
    void SetUp() override
    {
        TerminalCliFixture::SetUp();
        const char* src = std::getenv("FELDSPAN_SOURCE_DIR");
        ASSERT_NE(src, nullptr);
        fs::remove_all(dir / "project");
        fs::copy(fs::path(src) / "samples" / "FeldBuilder", dir / "project", fs::copy_options::recursive);
    }
    // The simulated terminal's "stored" lines, one per file it kept, in order.
    std::vector<std::string> Stored() const { return LogWith({"\"event\":\"stored\""}); }
    // A file on the terminal, found without regard to letter case as the terminal finds it.
    fs::path OnTerminal(const std::string& drive, const std::string& folder, const std::string& name)
    {
        auto upper = [](std::string s) {
            for (char& c : s)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            return s;
        };
        for (const auto& e : fs::recursive_directory_iterator(TermRoot(drive)))
            if (upper(e.path().parent_path().filename().string()) == folder && upper(e.path().filename().string()) == name)
                return e.path();
        return {};
    }
};

TEST_F(TerminalProject, TheHandedOverProjectArrivesWholeAndASecondSendKeepsWhatIsThere)
{
    StartSim();
    CliRun first = Cli({"send"});
    ASSERT_EQ(first.rc, 0) << first.err;
    const fs::path sample = dir / "project" / "Project" / "SAMPLE";
    const std::tuple<const char*, const char*, const char*> files[] = {
        {"D", "PROGRAM", "SAMPLE.ABP"}, {"D", "LOOKUP", "ITEMS.DBF"}, {"D", "LOOKUP", "PRICES.DBF"}, {"C", "DATA", "STOCK.TXT"},
        {"C", "DATA", "ORDERS.TXT"},    {"D", "FONTS", "SYSFONT.FNT"}, {"D", "FONTS", "USER.FNT"}};
    for (const auto& [drive, folder, name] : files) {
        fs::path on = OnTerminal(drive, folder, name);
        ASSERT_FALSE(on.empty()) << name;
        EXPECT_EQ(ReadFile(on), ReadFile(sample / name)) << name;
    }
    EXPECT_EQ(std::count(first.out.begin(), first.out.end(), '\n'), 7) << first.out;

    CliRun again = Cli({"send"}, false);
    EXPECT_EQ(again.rc, 1);
    EXPECT_TRUE(Has(again.out, "skipped d:\\program\\SAMPLE.ABP: the terminal's file was kept")) << again.out;
}

// A project file the terminal does not take is named with its reason, the send goes on with the
// others, and it ends as failed, never as "download complete".
TEST_F(TerminalProject, AFileTheTerminalRefusesFailsTheSendWithItsReason)
{
    struct Case {
        std::vector<std::string> sim;
        std::string why;
        const char* folder, *refused;  // the file that is not on drive D: afterwards
    };
    const Case cases[] = {
        {{"--refuse-file", "ITEMS.DBF=10"}, "the terminal refused the name or path", "LOOKUP", "ITEMS.DBF"},
        {{"--refuse-file", "ITEMS.DBF=14"}, Text(txt::kFileInUse), "LOOKUP", "ITEMS.DBF"},
        {{"--force-status", "2:header=8"}, "the terminal did not take it (status 2)", "PROGRAM", "SAMPLE.ABP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sim.back());
        sim.stop();
        fs::remove_all(dir / "term");
        StartSim(c.sim);
        CliRun r = Cli({"send"});
        EXPECT_EQ(r.rc, 1);
        EXPECT_TRUE(Has(r.err + r.out, c.why)) << r.err << r.out;
        EXPECT_TRUE(Has(r.err, Text(txt::kTransferFailed))) << r.err;
        EXPECT_FALSE(Has(r.err + r.out, Text(txt::kDownloadDone))) << r.err;
        EXPECT_TRUE(OnTerminal("D", c.folder, c.refused).empty());
        EXPECT_FALSE(OnTerminal("C", "DATA", "ORDERS.TXT").empty()) << "the send went on";
        // In JSON the refused file's entry says why (the forced status is answered once only).
        if (c.sim.front() != "--refuse-file")
            continue;
        int failed = 0;
        for (const auto& e : Json(Cli({"send", "--json"})).object().value("files").toArray())
            if (e.toObject().value("result").toString() == "failed") {
                ++failed;
                EXPECT_FALSE(e.toObject().value("error").toString().isEmpty());
            }
        EXPECT_EQ(failed, 1);
    }
}

// With --skip-unchanged a send leaves what the terminal holds as it is here, and sends exactly what
// differs on either side, at both date encodings.
TEST_F(TerminalProject, ASendOfChangedFilesSendsExactlyWhatDiffers)
{
    const fs::path sample = dir / "project" / "Project" / "SAMPLE";
    auto count = [](const std::string& text, const std::string& piece) {
        std::size_t n = 0;
        for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
            ++n;
        return n;
    };
    for (const char* firmware : {"201", "200"}) {
        SCOPED_TRACE(firmware);
        sim.stop();
        fs::remove_all(dir / "term");
        fs::remove(dir / "sim.log");
        StartSim({"--firmware", firmware});
        ASSERT_EQ(Cli({"send"}).rc, 0);
        ASSERT_EQ(Stored().size(), 7u);

        CliRun again = Cli({"send", "--skip-unchanged"}, false);
        EXPECT_EQ(again.rc, 0) << again.err;
        EXPECT_EQ(Stored().size(), 7u) << "no file went again";
        EXPECT_EQ(count(again.out, "unchanged: "), 7u) << again.out;
        EXPECT_TRUE(Has(again.err, Text(txt::kDownloadDone))) << again.err;

        // Here a lookup file changes (same size, new bytes and time); on the terminal a data file is
        // replaced by another of the same name and another size.
        std::vector<std::uint8_t> items = ReadFile(sample / "ITEMS.DBF");
        for (auto& b : items)
            b ^= 0x5A;
        const auto itemsTime = fs::last_write_time(sample / "ITEMS.DBF");
        WriteFile(sample / "ITEMS.DBF", items);
        fs::last_write_time(sample / "ITEMS.DBF", itemsTime + std::chrono::seconds(10));
        WriteFile(OnTerminal("C", "DATA", "ORDERS.TXT"), Pattern(33, 3));

        CliRun changed = Cli({"send", "--skip-unchanged"});
        EXPECT_EQ(changed.rc, 0) << changed.err;
        const std::vector<std::string> stored = Stored();
        ASSERT_EQ(stored.size(), 9u) << changed.out;
        EXPECT_TRUE(Has(stored[7] + stored[8], "ITEMS.DBF") && Has(stored[7] + stored[8], "ORDERS.TXT")) << stored[7] << stored[8];
        EXPECT_EQ(count(changed.out, "unchanged: "), 5u) << changed.out;
        EXPECT_EQ(ReadFile(OnTerminal("D", "LOOKUP", "ITEMS.DBF")), items);
        EXPECT_EQ(ReadFile(OnTerminal("C", "DATA", "ORDERS.TXT")), ReadFile(sample / "ORDERS.TXT"));
    }

    // A folder the terminal does not list makes the send send everything, said so.
    sim.stop();
    StartSim({"--force-status", "12:command=0"});
    const std::size_t before = Stored().size();
    CliRun unlisted = Cli({"send", "--skip-unchanged"});
    EXPECT_EQ(unlisted.rc, 0) << unlisted.err;
    EXPECT_TRUE(Has(unlisted.err, "could not be listed")) << unlisted.err;
    EXPECT_EQ(Stored().size(), before + 7);
}

// The terminal's "done" is believed only when its listing agrees: a file it answers for but does not
// keep, or keeps short, fails the send and a put, and is named.
TEST_F(TerminalProject, AFileTheTerminalSaysItStoredButDoesNotListFailsTheSend)
{
    const fs::path sample = dir / "project" / "Project" / "SAMPLE";
    StartSim({"--lose-file", "ITEMS.DBF", "--lose-file", "PRICES.DBF=100"});
    CliRun r = Cli({"send"});
    EXPECT_EQ(r.rc, 1);
    EXPECT_TRUE(Has(r.out, "sent but not found on the terminal: d:\\lookup\\ITEMS.DBF")) << r.out;
    EXPECT_TRUE(Has(r.out, "sent but of another size on the terminal: d:\\lookup\\PRICES.DBF (100 bytes there, " +
                               std::to_string(fs::file_size(sample / "PRICES.DBF")) + " sent)"))
        << r.out;
    EXPECT_TRUE(Has(r.err, Text(txt::kTransferFailed))) << r.err;
    EXPECT_FALSE(Has(r.err, Text(txt::kDownloadDone)));
    int failed = 0;
    for (const auto& e : Json(Cli({"send", "--json"})).object().value("files").toArray())
        failed += e.toObject().value("result").toString() == "failed";
    EXPECT_EQ(failed, 2);

    CliRun put = Cli({"put", (sample / "ITEMS.DBF").string(), "D:\\Lookup"});
    EXPECT_EQ(put.rc, 1);
    EXPECT_TRUE(Has(put.out + put.err, "sent but not found on the terminal: d:\\lookup\\ITEMS.DBF")) << put.out << put.err;
    EXPECT_EQ(Cli({"put", (sample / "STOCK.TXT").string(), "C:\\Data"}).rc, 0) << "a file that is kept passes";
}

// The third file of the sample (its first data file) is missing: nothing goes, not even the
// program, and the message names where the project says it is and where it was looked for here.
TEST_F(TerminalProject, AProjectWithAMissingFileSendsNothing)
{
    const fs::path missing = dir / "project" / "Project" / "SAMPLE" / "STOCK.TXT";
    fs::remove(missing);
    StartSim();
    CliRun r = Cli({"send"});
    EXPECT_EQ(r.rc, 1);
    EXPECT_TRUE(Has(r.err, "C:\\TOLVERA\\FeldBuilder\\Project\\SAMPLE\\STOCK.TXT")) << r.err;
    EXPECT_TRUE(Has(r.err, missing.string())) << r.err;
    EXPECT_TRUE(OnTerminal("D", "PROGRAM", "SAMPLE.ABP").empty()) << "the program on the terminal stays as it was";
    EXPECT_TRUE(OnTerminal("D", "LOOKUP", "ITEMS.DBF").empty());
    EXPECT_FALSE(Has(r.err + r.out, Text(txt::kDownloadDone)));
}

// Deleting the terminal's file after the copy is done only when the terminal confirms it; a delete
// it refuses is said with its reason and fails the receive, the copy stays, and a later receive
// adds only what the terminal added since.
TEST_F(TerminalProject, ARefusedDeleteAfterReceiveIsSaid)
{
    WriteFile(TermRoot("C") / "DATA" / "SCAN.TXT", {'A', '\n'});
    StartSim({"--force-status", "12:op=1:all"});
    fs::create_directories(dir / "save");
    const std::vector<std::string> receive{"receive", "SCAN.TXT", "--to", (dir / "save").string(), "--append", "--delete", "--json"};
    CliRun r = Cli(receive);
    EXPECT_EQ(r.rc, 1);
    const QJsonObject file = Json(r).object().value("files").toArray().at(0).toObject();
    EXPECT_FALSE(Json(r).object().value("ok").toBool(true)) << r.out;
    EXPECT_EQ(file.value("reason").toString().toStdString(),
              "received; the terminal kept C:\\Data\\SCAN.TXT: a file is in use on the terminal") << r.out;
    EXPECT_TRUE(fs::exists(TermRoot("C") / "DATA" / "SCAN.TXT"));
    EXPECT_EQ(Cli(receive).rc, 1);
    WriteFile(TermRoot("C") / "DATA" / "SCAN.TXT", {'A', '\n', 'B', '\n'});
    EXPECT_EQ(Cli(receive).rc, 1);
    EXPECT_EQ(ReadText(dir / "save" / "SCAN.TXT"), "A\nB\n");
}

// The PC file is named as the terminal stores the file, whatever the spelling on the command line,
// and receiving needs no work file of the project folder's that another running copy could be using
// (here something else stands at its name).
TEST_F(TerminalProject, EverySpellingReceivesIntoOneFileWithoutASharedWorkFile)
{
    WriteFile(TermRoot("C") / "DATA" / "SCAN.TXT", {'A', '\n'});
    StartSim();
    fs::create_directories(dir / "save");
    fs::create_directories(dir / "project" / "FSSPAN.tmp");
    for (const char* spelling : {"scan.txt", "C:/Data/Scan.Txt", "C:\\DATA\\SCAN.TXT"}) {
        CliRun r = Cli({"receive", spelling, "--to", (dir / "save").string(), "--append"});
        EXPECT_EQ(r.rc, 0) << spelling << r.err;
    }
    EXPECT_EQ(ReadText(dir / "save" / "SCAN.TXT"), "A\nA\nA\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "save"), fs::directory_iterator{}), 1);
}

TEST_F(TerminalProject, ReceiveConvertsLineEndsDeletesAfterTheCopyAndLeavesNothingForAMissingFile)
{
    WriteFile(TermRoot("C") / "DATA" / "SCAN.TXT", {'A', '\r', '\n', 'B', '\r', '\r', '\n', 'C', '\r'});
    StartSim();
    fs::create_directories(dir / "save");
    CliRun r = Cli({"receive", "SCAN.TXT", "--to", (dir / "save").string(), "--drop-cr", "--keep-lf", "--overwrite", "--delete"});
    ASSERT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(ReadFile(dir / "save" / "SCAN.TXT"), (std::vector<std::uint8_t>{'A', '\n', 'B', '\r', '\n', 'C', '\r'}));
    EXPECT_FALSE(fs::exists(TermRoot("C") / "DATA" / "SCAN.TXT"));

    CliRun missing = Cli({"receive", "NONE.TXT", "--to", (dir / "save").string()});
    EXPECT_EQ(missing.rc, 1);
    EXPECT_FALSE(fs::exists(dir / "save" / "NONE.TXT"));
    EXPECT_EQ(Cli({"receive", "--to", (dir / "save").string()}).rc, 2);
}

// `collect` over two ten-second intervals with delete after receipt on: the first pass's data is
// gone from the terminal, so the second pass adds to it; SIGTERM ends the run cleanly.
TEST_F(TerminalProject, CollectRunsTheScheduleAndKeepsEveryPassWithDeleteOn)
{
    fs::create_directories(dir / "save");
    std::string settings = ReadText(dir / "settings.ini");
    std::ostringstream schedule;
    schedule << "Settings\\Delete=1\nStandby\\FileEnable1=1\nStandby\\string1=C:\\\\DATA\\\\X.TXT\n"
        << "Standby\\TimeInterval=10\nStandby\\SavePath=" << (dir / "save").string() << "\n";
    settings.insert(settings.find('\n') + 1, schedule.str());
    std::ofstream(dir / "settings.ini") << settings;
    const fs::path onTerminal = TermRoot("C") / "DATA" / "X.TXT";
    WriteFile(onTerminal, {'A', '\r', '\n'});
    StartSim();
    const fs::path saved = dir / "save" / "X.TXT";
    auto waitFor = [&](const std::string& content) {
        for (int i = 0; i < 300; ++i) {
            if (fs::exists(saved) && ReadText(saved) == content && !fs::exists(onTerminal))
                return true;
            ::usleep(100'000);
        }
        return false;
    };
    std::thread feeder;
    bool firstSeen = false, secondSeen = false;
    RunOptions options;
    options.timeoutMs = 60'000;
    options.started = [&](pid_t pid) {
        feeder = std::thread([&, pid] {
            firstSeen = waitFor("A\r\n");
            WriteFile(onTerminal, {'B', '\r', '\n'});
            secondSeen = waitFor("A\r\nB\r\n");
            ::kill(pid, SIGTERM);
        });
    };
    CliRun run = Cli({"collect"}, false, options);
    feeder.join();
    EXPECT_TRUE(firstSeen);
    EXPECT_TRUE(secondSeen) << ReadText(saved);
    EXPECT_EQ(run.rc, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2) << run.out;
    EXPECT_TRUE(Has(run.out, "C:\\DATA\\X.TXT")) << run.out;
}

}  // namespace
}  // namespace feld::test
