// What the command line tells the user and scripts when something is wrong: the cause before any
// question, a JSON document for every --json failure, no stray blank lines.

#include "TerminalCli.h"

#include "link/serial/UsbIdentity.h"

namespace feld::test {
namespace {

class TerminalMessages : public TerminalCliFixture {};

// Every failing --json command prints one document on stdout saying ok: false and why; a success
// says ok: true (listings stay arrays).
TEST_F(TerminalMessages, JsonCommandsThatFailSayWhyInTheirDocument)
{
    StartSim({"--empty-missing-folders"});
    fs::create_directories(TermRoot("C") / "DATA" / "EMPTY");
    struct Case {
        std::vector<std::string> args;
        int rc;
        std::string why;
    };
    const Case cases[] = {
        {{"ls", "--json", "C:\\Nope"}, 1, "C:\\Nope: no such file or folder"},   // listed as empty by the terminal
        {{"ls", "--json", "C:\\Data\\Nope\\X"}, 1, "no such file or folder"},
        {{"info", "--json", "extra"}, 2, "usage: feldspan-cli info"},
        {{"ping", "--json", "extra"}, 2, "usage: feldspan-cli ping"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        CliRun r = Cli(c.args);
        EXPECT_EQ(r.rc, c.rc) << r.err;
        const QJsonObject doc = Json(r).object();
        EXPECT_EQ(doc.value("ok"), QJsonValue(false)) << r.out;
        EXPECT_TRUE(Has(doc.value("error").toString().toStdString(), c.why)) << r.out;
    }
    EXPECT_EQ(Json(Cli({"info", "--json"})).object().value("ok"), QJsonValue(true));
    CliRun empty = Cli({"ls", "--json", "C:\\Data\\EMPTY"});
    EXPECT_EQ(empty.rc, 0) << empty.err;
    EXPECT_TRUE(Json(empty).isArray() && Json(empty).array().isEmpty()) << empty.out;
}

TEST_F(TerminalMessages, UsageErrorsPrintNoBlankLine)
{
    const std::vector<std::vector<std::string>> cases = {{"info", "extra"}, {"get", "C:\\A.TXT"}, {"no-such-command"}, {}};
    for (const auto& args : cases) {
        std::vector<std::string> all{BinProgram("feldspan-cli"), "--settings", (dir / "settings.ini").string()};
        all.insert(all.end(), args.begin(), args.end());
        RunResult r = RunProgram(all, {});
        SCOPED_TRACE(args.empty() ? "no command" : args.front());
        EXPECT_EQ(r.rc, 2);
        EXPECT_TRUE(Has(r.err, "usage:")) << r.err;
        EXPECT_FALSE(r.err.front() == '\n' || Has(r.err, "\n\nusage:")) << r.err;
    }
}

// A kernel file that is not there is named before the user is asked to let the drives be erased.
TEST_F(TerminalMessages, FirmwareNamesAMissingFileBeforeAsking)
{
    StartSim();
    CliRun r = Cli({"firmware", (dir / "pc" / "NOPE.bin").string()}, false);
    EXPECT_EQ(r.rc, 1);
    EXPECT_TRUE(Has(r.err, "NOPE.bin: No such file")) << r.err;
    EXPECT_FALSE(Has(r.err, Text(txt::kFirmwareConfirm).substr(0, 12))) << r.err;
    EXPECT_TRUE(LogWith({"firmware-update"}).empty());
}

// "get X /dev/stdout | ..." writes the file into the pipe.
TEST_F(TerminalMessages, GetWritesThroughAPipeGivenAsDevStdout)
{
    StartSim();
    fs::create_directories(TermRoot("C") / "DATA");
    std::ofstream(TermRoot("C") / "DATA" / "A.TXT") << "line one\n";
    CliRun r = Cli({"get", "C:\\Data\\A.TXT", "/dev/stdout"});
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(r.out.rfind("line one\n", 0), 0u) << r.out;
}

// Only the commands that put files there create the project folder and its Data folder.
TEST_F(TerminalMessages, TerminalCommandsCreateNoProjectFolder)
{
    StartSim();
    const fs::path missing = dir / "mistyped";
    std::ofstream(dir / "settings.ini") << "[FeldSpan]\nPATH\\MAINPATH=" << (dir / "main").string() << "/\nPATH\\PROJECTPATH="
                                        << missing.string() << "/\n[PATH]\nLANGUAGE=9\n";
    CliRun r = Cli({"ls", "C:\\"});
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_FALSE(fs::exists(missing));
    Cli({"dump", "C"});
    EXPECT_TRUE(fs::is_directory(missing / "Data"));
}

// --usb after "ports" is the command's own: USB serial ports only.
TEST_F(TerminalMessages, PortsUsbListsOnlyUsbPorts)
{
    RunResult r = RunProgram({BinProgram("feldspan-cli"), "--settings", (dir / "settings.ini").string(), "ports", "--usb", "--json"},
                             {.env = {std::string(UsbIdentity::kPortsVariable) + "=/dev/ttyUSB7=0403:6001"}});
    EXPECT_EQ(r.rc, 0) << r.err;
    const QJsonArray ports = QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).array();
    ASSERT_EQ(ports.size(), 1) << r.out;
    EXPECT_EQ(ports.at(0).toObject().value("device").toString(), QStringLiteral("/dev/ttyUSB7"));
}

}  // namespace
}  // namespace feld::test
