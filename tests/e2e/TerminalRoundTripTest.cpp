// feldspan-cli's everyday commands against feldspan-pdtsim over a pseudo-terminal: files of every
// awkward size there and back byte for byte at each firmware, the listing and the disk information,
// the statuses the terminal answers with, and bad input.

#include <sys/stat.h>

#include "TerminalCli.h"

namespace feld::test {
namespace {

class TerminalRoundTrip : public TerminalCliFixture, public ::testing::WithParamInterface<int> {};

TEST_P(TerminalRoundTrip, FilesGoThereAndBackByteForByte)
{
    const int firmware = GetParam();
    StartSim({"--firmware", std::to_string(firmware)});
    const std::vector<std::size_t> sizes{0, 1, 511, 512, 513, 300000};
    for (std::size_t size : sizes) {
        std::string name = "F" + std::to_string(size) + ".DAT";
        fs::path src = PcFile(name, size, static_cast<unsigned>(size));
        CliRun put = Cli({"put", src.string(), "C:\\Data"});
        ASSERT_EQ(put.rc, 0) << name << "\n" << put.err;
        if (firmware < 200) {
            EXPECT_TRUE(Has(put.err, Text(txt::kOldFirmwareWarning))) << "old firmware is warned about";
        }
        fs::path back = dir / "pc" / ("back-" + name);
        CliRun get = Cli({"get", "C:\\Data\\" + name, back.string()});
        ASSERT_EQ(get.rc, 0) << name << "\n" << get.err;
        EXPECT_EQ(ReadFile(back), ReadFile(src)) << name;
    }
    // At 201 the terminal gets the full path; before that the folder.
    const std::string form = firmware >= 201 ? "\"code\":8" : "\"code\":3";
    EXPECT_EQ(LogWith({"stored", form}).size(), sizes.size());

    CliRun ls = Cli({"ls", "--json", "C:\\Data"});
    ASSERT_EQ(ls.rc, 0) << ls.err;
    for (std::size_t size : sizes) {
        const QJsonObject e = Entry(ls, "F" + std::to_string(size) + ".DAT");
        EXPECT_EQ(e.value("kind").toString(), "file") << ls.out;
        EXPECT_EQ(e.value("size").toInteger(), static_cast<qint64>(size)) << ls.out;
        EXPECT_TRUE(e.value("modified").isString()) << ls.out;
    }
}

INSTANTIATE_TEST_SUITE_P(Firmware, TerminalRoundTrip, ::testing::Values(199, 200, 201));

using TerminalCommands = TerminalCliFixture;

TEST_F(TerminalCommands, InfoReportsFirmwareAndDrivesWithAnUnformattedDNegative)
{
    StartSim({"--firmware", "200", "--c-size", "1000000", "--d-size", "500000", "--unformatted", "D"});
    CliRun info = Cli({"info", "--json"});
    ASSERT_EQ(info.rc, 0) << info.err;
    const QJsonObject o = Json(info).object();
    EXPECT_EQ(o.value("firmware").toInt(), 200) << info.out;
    EXPECT_EQ(o.value("c").toObject().value("total").toInt(), 1000000) << info.out;
    EXPECT_EQ(o.value("c").toObject().value("free").toInt(), 1000000) << info.out;
    EXPECT_EQ(o.value("d").toObject().value("total").toInt(), 500000) << info.out;
    EXPECT_LT(o.value("d").toObject().value("free").toInt(), 0) << info.out;
    CliRun text = Cli({"info"});
    ASSERT_EQ(text.rc, 0);
    EXPECT_TRUE(Has(text.out, "not formatted")) << text.out;
}

TEST_F(TerminalCommands, ListingShowsFoldersAndAnEmptyFolderIsAnEmptyList)
{
    StartSim();
    fs::create_directories(TermRoot("C") / "EMPTY");
    WriteFile(TermRoot("C") / "DATA" / "A.TXT", Pattern(10));
    CliRun root = Cli({"ls", "--json", "C:\\"});
    ASSERT_EQ(root.rc, 0) << root.err;
    EXPECT_EQ(Entry(root, "EMPTY").value("kind").toString(), "folder") << root.out;
    CliRun empty = Cli({"ls", "--json", "C:\\EMPTY"});
    ASSERT_EQ(empty.rc, 0) << empty.err;
    EXPECT_EQ(empty.out, "[]\n");
    std::string deep = "C:";
    for (int i = 0; i < 9; ++i)
        deep += "/AAAAAAAA";  // "/" is taken as "\\"
    CliRun tooLong = Cli({"ls", deep});
    EXPECT_EQ(tooLong.rc, 1);
    EXPECT_TRUE(Has(tooLong.err, "too long")) << tooLong.err;
    // A folder or drive that is not there fails and says so; an empty path is a usage error.
    const std::pair<const char*, const char*> refused[] = {{"C:\\NOPE", "no such file or folder"},
                                                           {"E:\\", "drive is not C: or D:"},
                                                           {"C:\\DATA\\..\\X", "'..' component"}};
    for (const auto& [path, why] : refused) {
        CliRun r = Cli({"ls", path});
        EXPECT_EQ(r.rc, 1) << path;
        EXPECT_TRUE(Has(r.err, std::string("error: ")) && Has(r.err, why)) << r.err;
    }
    EXPECT_EQ(Cli({"ls", ""}).rc, 2);
}

TEST_F(TerminalCommands, UnformattedDriveGivesItsMessage)
{
    StartSim({"--unformatted", "C"});
    CliRun put = Cli({"put", PcFile("A.TXT", 100).string(), "C:\\Data"});
    EXPECT_EQ(put.rc, 1);
    EXPECT_TRUE(Has(put.out + put.err, Text(txt::kCNotFormatted))) << put.out << put.err;
    EXPECT_TRUE(Has(put.err, Text(txt::kTransferFailed)));
}

TEST_F(TerminalCommands, FullDriveGivesItsMessage)
{
    StartSim({"--d-size", "2000"});
    CliRun put = Cli({"put", PcFile("BIG.SFT", 5000).string(), "D:\\Fonts"});
    EXPECT_EQ(put.rc, 1);
    EXPECT_TRUE(Has(put.out + put.err, Text(txt::kDFull))) << put.out << put.err;
}

TEST_F(TerminalCommands, ExistingFileIsReplacedOnlyWhenTheUserSaysSo)
{
    StartSim();
    WriteFile(TermRoot("C") / "DATA" / "A.TXT", Pattern(3));
    fs::path src = PcFile("A.TXT", 700, 1);
    CliRun no = Cli({"put", src.string(), "C:\\Data"}, false);
    EXPECT_EQ(no.rc, 1);
    EXPECT_TRUE(Has(no.err, Text(txt::kNameExistsOverwrite, {"A.TXT"}))) << no.err;
    // Declined, not failed: said as not sent, without "file transfer failed".
    EXPECT_FALSE(Has(no.err, Text(txt::kTransferFailed))) << no.err;
    EXPECT_TRUE(Has(no.err, "use --yes to overwrite")) << no.err;
    EXPECT_EQ(ReadFile(TermRoot("C") / "DATA" / "A.TXT"), Pattern(3));

    CliRun yes = Cli({"put", src.string(), "C:\\Data"});
    EXPECT_EQ(yes.rc, 0) << yes.err;
    EXPECT_EQ(ReadFile(TermRoot("C") / "DATA" / "A.TXT"), Pattern(700, 1));
}

TEST_F(TerminalCommands, DefragmentNeededAndFileInUseGiveTheirMessages)
{
    StartSim({"--force-status", "11:file", "--force-status", "13:op=1"});
    CliRun put = Cli({"put", PcFile("P.ABP", 100).string(), "D:\\Program"});
    EXPECT_EQ(put.rc, 1);
    EXPECT_TRUE(Has(put.err, Text(txt::kNeedsDefrag))) << put.err;

    WriteFile(TermRoot("C") / "DATA" / "B.TXT", Pattern(3));
    CliRun rm = Cli({"rm", "C:\\Data\\B.TXT"});
    EXPECT_EQ(rm.rc, 1);
    EXPECT_TRUE(fs::exists(TermRoot("C") / "DATA" / "B.TXT"));
    CliRun again = Cli({"rm", "C:\\Data\\B.TXT"});
    EXPECT_EQ(again.rc, 0) << again.err;
    EXPECT_FALSE(fs::exists(TermRoot("C") / "DATA" / "B.TXT"));
}

// A file the terminal does not take is not sent, and a delete or fetch it refuses is not done:
// each fails with the terminal's reason, whatever status it answers, and nothing changes there.
TEST_F(TerminalCommands, RefusedFilesFailWithTheTerminalsReason)
{
    struct Case {
        std::vector<std::string> sim;
        const char* command;
        std::string why;
    };
    const Case cases[] = {
        {{"--force-status", "2:header=8"}, "put", "the terminal did not take it (status 2)"},
        {{"--refuse-file", "A.TXT=2"}, "put", "the terminal did not take it (status 2)"},
        {{"--refuse-file", "A.TXT=5"}, "put", Text(txt::kCFull)},
        {{"--refuse-file", "c:\\data\\a.txt=10"}, "put", "the terminal refused the name or path"},
        {{"--refuse-file", "A.TXT=12"}, "put", Text(txt::kFileInUse)},
        {{"--refuse-file", "A.TXT=42"}, "put", "the terminal refused (status 42)"},
        {{"--refuse-file", "B.TXT=12"}, "rm", "a file is in use on the terminal"},
        {{"--force-status", "14:command=1"}, "rm", Text(txt::kFileInUse)},
        {{"--refuse-file", "B.TXT=9"}, "get", "the terminal's power is too low"},
        {{"--force-status", "10:command=3"}, "get", "the terminal refused the name or path"},
    };
    const fs::path src = PcFile("A.TXT", 700);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sim.back());
        sim.stop();
        fs::remove_all(dir / "term");
        StartSim(c.sim);
        WriteFile(TermRoot("C") / "DATA" / "B.TXT", Pattern(3));
        const std::string command = c.command;
        CliRun r = command == "put" ? Cli({"put", src.string(), "C:\\Data"})
                   : command == "rm" ? Cli({"rm", "C:\\Data\\B.TXT"})
                                     : Cli({"get", "C:\\Data\\B.TXT", (dir / "pc" / "B.TXT").string()});
        EXPECT_EQ(r.rc, 1);
        EXPECT_TRUE(Has(r.err + r.out, c.why)) << r.err << r.out;
        EXPECT_FALSE(fs::exists(TermRoot("C") / "DATA" / "A.TXT"));
        EXPECT_TRUE(fs::exists(TermRoot("C") / "DATA" / "B.TXT"));
        EXPECT_FALSE(fs::exists(dir / "pc" / "B.TXT"));
    }
}

TEST_F(TerminalCommands, FormatEmptiesTheDriveAndDWantsAFormattedC)
{
    StartSim();
    WriteFile(TermRoot("D") / "PROGRAM" / "P.ABP", Pattern(3));
    CliRun d = Cli({"format", "D:"});
    EXPECT_EQ(d.rc, 1);
    EXPECT_TRUE(Has(d.err, Text(txt::kFormatCBeforeD))) << d.err;
    EXPECT_TRUE(fs::exists(TermRoot("D") / "PROGRAM" / "P.ABP"));

    WriteFile(TermRoot("C") / "DATA" / "A.TXT", Pattern(3));
    CliRun declined = Cli({"format", "D:"}, false);
    EXPECT_EQ(declined.rc, 1);
    EXPECT_TRUE(fs::exists(TermRoot("D") / "PROGRAM" / "P.ABP"));
    d = Cli({"format", "D:"});
    EXPECT_EQ(d.rc, 0) << d.err;
    EXPECT_TRUE(Has(d.err + d.out, Text(txt::kFormatDone)));
    EXPECT_FALSE(fs::exists(TermRoot("D") / "PROGRAM" / "P.ABP"));
    EXPECT_TRUE(fs::exists(TermRoot("C") / "DATA" / "A.TXT"));
    CliRun c = Cli({"format", "C:"});
    EXPECT_EQ(c.rc, 0) << c.err;
    EXPECT_FALSE(fs::exists(TermRoot("C") / "DATA" / "A.TXT"));
}

TEST_F(TerminalCommands, BadInputIsRefusedWithItsReason)
{
    StartSim({"--hostile-names"});
    WriteFile(TermRoot("C") / "DATA" / "OK.TXT", Pattern(1));
    fs::path fifo = dir / "pc" / "FIFO";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::path kept = PcFile("KEPT.TXT", 10, 4);
    // Each refused before anything is sent or stored, with what was wrong; nothing changes.
    struct Case {
        std::vector<std::string> args;
        std::string why;
        bool yes = true;
    };
    const Case cases[] = {
        {{"put", (dir / "pc" / "NOPE.TXT").string(), "C:\\Data"}, "No such file or directory"},
        {{"put", fifo.string(), "C:\\Data"}, "is a FIFO, not a file that can be sent"},
        {{"put", "/proc/self/status", "C:\\Data"}, "is not an ordinary file"},
        {{"put", PcFile("a+b.txt", 5).string(), "C:\\Data"}, "the terminal cannot store it as A+B.TXT"},
        {{"put", kept.string(), "C:\\Da ta"}, "is not a path on the terminal"},
        {{"get", "C:\\Data\\NONE.TXT", (dir / "pc" / "none.txt").string()}, "C:\\Data\\NONE.TXT: no such file on the terminal"},
        {{"get", "C:\\Data\\OK.TXT", kept.string()}, "not fetched: " + kept.string() + " exists (use --yes to replace it)", false},
        {{"rm", "C:\\Data\\NONE.TXT"}, "C:\\Data\\NONE.TXT: no such file on the terminal"},
        {{"get", "C:\\Data\\..", (dir / "pc").string()}, "'..' component"},
    };
    for (const Case& c : cases) {
        CliRun r = Cli(c.args, c.yes, 20);
        EXPECT_EQ(r.rc, 1) << c.args[0] << " " << c.args[1];
        EXPECT_TRUE(Has(r.err, "error: ") && Has(r.err, c.why)) << r.err;
        EXPECT_FALSE(Has(r.err, "Receiving")) << "no progress for a file that is not coming: " << r.err;
    }
    EXPECT_FALSE(fs::exists(dir / "pc" / "none.txt"));
    EXPECT_EQ(ReadFile(kept), Pattern(10, 4));
    EXPECT_EQ(Cli({"get", "C:\\Data\\OK.TXT", ""}).rc, 2);

    // One byte is "1 byte"; a date the terminal never set is null, not "1980-00-00".
    CliRun one = Cli({"get", "C:\\Data\\OK.TXT", (dir / "pc").string()});
    EXPECT_TRUE(Has(one.out, "(1 byte)")) << one.out;
    CliRun json = Cli({"ls", "--json", "C:\\Data"});
    bool anyNull = false;
    for (const auto& e : Json(json).array())
        anyNull = anyNull || e.toObject().value("modified").isNull();
    EXPECT_TRUE(anyNull) << json.out;
    EXPECT_FALSE(Has(json.out, "-00-")) << json.out;

    CliRun cradle = Cli({"cradle", "version"});
    EXPECT_EQ(cradle.rc, 1);
    EXPECT_TRUE(Has(cradle.err, Text(txt::kCradleNeedsUsb))) << cradle.err;
}

TEST_F(TerminalCommands, FetchOntoAFullDiskFailsAndLeavesNoFile)
{
    StartSim();
    WriteFile(TermRoot("C") / "DATA" / "BIG.DAT", Pattern(300000));
    fs::create_directories(dir / "pc" / "full");
    const fs::path target = dir / "pc" / "full" / "BIG.DAT";

    // A file-size limit stands in for a full disk: with SIGXFSZ ignored, writes past it fail
    // with an error, as they do when the disk fills up.
    CliRun full = RunShell("trap '' XFSZ; ulimit -f 40; exec " + ShellQuote(BinProgram("feldspan-cli")) +
                           " --settings " + ShellQuote((dir / "settings.ini").string()) + " --device " +
                           ShellQuote(sim.device()) + " get 'C:\\Data\\BIG.DAT' " + ShellQuote(target.string()));
    EXPECT_EQ(full.rc, 1) << full.err;
    // One error line: the failed copy with the system's reason.
    EXPECT_TRUE(Has(full.err, target.string() + ": File too large")) << full.err;
    std::size_t errors = 0;
    for (std::size_t at = full.err.find("error: "); at != std::string::npos; at = full.err.find("error: ", at + 1))
        ++errors;
    EXPECT_EQ(errors, 1u) << full.err;
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(fs::is_empty(dir / "pc" / "full")) << "no temporary file may stay behind";

    // The terminal still has its file, and a fetch with room for it works.
    CliRun ok = Cli({"get", "C:\\Data\\BIG.DAT", target.string()});
    EXPECT_EQ(ok.rc, 0) << ok.err;
    EXPECT_EQ(ReadFile(target), Pattern(300000));
}

// A terminal whose answer from the PC went missing sends the frame again. The copy is answered and
// kept once, whether it is the first frame (counter 0, while 1 is due) or the one at the wrap
// (counter 49, while 0 is due), and whether the frame due next is a full one or a shorter last one.
TEST_F(TerminalCommands, FrameSentAgainIsKeptOnceWhateverItsCounter)
{
    struct Case {
        int counter;
        std::size_t size;  // a file travels after its 32-byte header
    };
    const Case cases[] = {
        {0, 2000},                 // frames of 512, 512, 512, 496
        {0, 600},                  // 512, then 120
        {49, 50 * 512 - 32 + 2000},  // 54 frames, the 51st (counter 0) full
        {49, 50 * 512 - 32 + 100},   // 51 frames, the 51st 100 bytes
    };
    for (const Case& c : cases) {
        const std::string what = "repeat of frame " + std::to_string(c.counter) + ", " + std::to_string(c.size) + " bytes";
        sim.stop();
        fs::remove(dir / "sim.log");
        StartSim({"--repeat-frame", std::to_string(c.counter) + ":all"});
        const std::string name = "R" + std::to_string(c.size) + ".DAT";
        WriteFile(TermRoot("C") / "DATA" / name, Pattern(c.size, c.counter + 11));
        const fs::path back = dir / "pc" / name;
        CliRun get = Cli({"get", "C:\\Data\\" + name, back.string()}, true, 60);
        EXPECT_EQ(get.rc, 0) << what << "\n" << get.err;
        EXPECT_EQ(ReadFile(back), Pattern(c.size, c.counter + 11)) << what;
        EXPECT_FALSE(LogWith({"\"repeat\"", "\"counter\":" + std::to_string(c.counter)}).empty()) << what;
    }
}

// The other way: a frame of the PC's is lost and a late "taken" of an earlier frame (counter 0)
// arrives in its place. Taking that answer as the frame's would leave a hole in the file.
TEST_F(TerminalCommands, AStaleAnswerDoesNotCountAsTheLostFramesOwn)
{
    StartSim({"--stale-reply", "5:all", "--stale-reply", "49:all"});
    const std::size_t size = 60 * 512;  // counters 0-49, then 0-10 again
    const fs::path file = PcFile("STALE.DAT", size, 23);
    CliRun put = Cli({"put", file.string(), "C:\\Data"}, true, 60);
    EXPECT_EQ(put.rc, 0) << put.err;
    const fs::path back = dir / "pc" / "back-STALE.DAT";
    ASSERT_EQ(Cli({"get", "C:\\Data\\STALE.DAT", back.string()}).rc, 0);
    EXPECT_EQ(ReadFile(back), Pattern(size, 23));
    EXPECT_EQ(LogWith({"\"stale-reply\"", "\"counter\":5"}).size(), 1u);
    EXPECT_EQ(LogWith({"\"stale-reply\"", "\"counter\":49"}).size(), 1u);
}

TEST_F(TerminalCommands, DumpKeepsCrLfAndAFailedDumpKeepsTheOldImage)
{
    StartSim({"--unformatted", "D"});
    WriteFile(TermRoot("C") / "DATA" / "A.TXT", {'x', 0x0D, 0x0A, 'y', 0x0D, 0x0A});
    // Receive settings that would strip every CR LF pair of an ordinary download.
    std::string settings = ReadText(dir / "settings.ini");
    settings.insert(settings.find('\n') + 1, "Settings\\CarriageReturn=0\nSettings\\LineFeed=0\n");
    std::ofstream(dir / "settings.ini") << settings;

    CliRun c = Cli({"dump", "C"});
    EXPECT_EQ(c.rc, 0) << c.err;
    const std::string image = ReadText(dir / "project" / "DUMPCIMG.IMG");
    EXPECT_EQ(image.rfind("SIMULATED IMAGE OF C:\r\n", 0), 0u) << image;
    EXPECT_TRUE(Has(image, "x\r\ny\r\n")) << image;

    const fs::path old = dir / "pc" / "d.img";
    WriteFile(old, Pattern(50, 3));
    CliRun d = Cli({"dump", "d:", old.string()});
    EXPECT_EQ(d.rc, 1);
    EXPECT_TRUE(Has(d.err, Text(txt::kCopyFailed, {"D:\\DUMPDIMG.IMG"}))) << d.err;
    EXPECT_EQ(ReadFile(old), Pattern(50, 3));
    EXPECT_EQ(Cli({"dump", "E"}).rc, 2);
}

}  // namespace
}  // namespace feld::test
