// The front of feldspan-cli: its options, the shape of its JSON, and the USB port it will not guess.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "link/serial/UsbIdentity.h"
#include "support/ProgramRunner.h"
#include "support/TestFiles.h"

namespace feld::test {
namespace {

UsbSerialPort port(const char* path, std::uint16_t vendor, std::uint16_t product)
{
    UsbSerialPort p;
    p.path = path;
    p.id = UsbId{vendor, product};
    p.description = "adapter";
    return p;
}

TEST(CliFrontTest, UsbRefusesToGuessAmongSeveralPortsAndNamesThem)
{
    const std::vector<UsbSerialPort> two{port("/dev/ttyUSB0", 0x0403, 0x6001), port("/dev/ttyACM0", 0x1234, 0xabcd)};
    TerminalChoice c = UsbIdentity::Choose(two, {});
    EXPECT_FALSE(c.port);
    for (const char* piece : {"/dev/ttyUSB0 (0403:6001", "/dev/ttyACM0 (1234:abcd", "UsbIds"})
        EXPECT_NE(c.why.find(piece), std::string::npos) << c.why;
    // The ids decide among several; a single port needs none.
    c = UsbIdentity::Choose(two, {UsbId{0x1234, 0xabcd}});
    ASSERT_TRUE(c.port);
    EXPECT_EQ(c.port->path, "/dev/ttyACM0");
    c = UsbIdentity::Choose({two[0]}, {});
    ASSERT_TRUE(c.port);
    EXPECT_EQ(c.port->path, "/dev/ttyUSB0");
    EXPECT_FALSE(UsbIdentity::Choose(two, {UsbId{1, 2}}).port);
    EXPECT_FALSE(UsbIdentity::Choose({}, {}).port);
}

class CliFront : public ::testing::Test {
protected:
    RunResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {BinProgram("feldspan-cli"), "--settings", (dir / "s.ini").string()});
        return RunProgram(args, {.env = {"HOME=" + dir.path().string(), "LANG=C", "QT_LOGGING_RULES"}});
    }
    TempDir dir;
};

TEST_F(CliFront, OptionsHelpAndVersion)
{
    RunResult v = run({"--version"});
    EXPECT_EQ(v.rc, 0);
    EXPECT_EQ(v.out.rfind("feldspan-cli ", 0), 0u) << v.out;
    // A command's help names its arguments and gives an example; -h after the command asks for it.
    RunResult h = run({"ls", "-h"});
    EXPECT_EQ(h.rc, 0) << h.err;
    EXPECT_NE(h.out.find("usage: feldspan-cli [OPTIONS] ls [--json] FOLDER"), std::string::npos) << h.out;
    EXPECT_NE(h.out.find("Example:"), std::string::npos) << h.out;
    // Global options are taken after the command too; unknown ones before it are usage errors.
    EXPECT_EQ(run({"config", "--baud", "fast"}).rc, 2);
    RunResult bad = run({"--no-such-option", "config"});
    EXPECT_EQ(bad.rc, 2);
    EXPECT_NE(bad.err.find("no-such-option"), std::string::npos) << bad.err;
    // The manual page comes from the same texts.
    RunResult man = run({"--help-man"});
    EXPECT_EQ(man.rc, 0);
    EXPECT_EQ(man.out.rfind(".TH FELDSPAN\\-CLI 1", 0), 0u);
    EXPECT_NE(man.out.find("feldspan\\-cli ls C:/Data"), std::string::npos);
}

TEST_F(CliFront, DoctorJsonHasEveryCheckWithAVerdictAndItsExitCodeAgrees)
{
    RunResult r = run({"doctor", "--json"});
    ASSERT_TRUE(r.rc == 0 || r.rc == 1) << r.err;
    QJsonParseError error{};
    QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out;
    const QJsonObject o = doc.object();
    const QJsonArray checks = o.value("checks").toArray();
    EXPECT_EQ(checks.size(), 7);
    bool anyFix = false;
    for (const auto& c : checks) {
        const QString verdict = c.toObject().value("verdict").toString();
        EXPECT_TRUE(QStringList({"ok", "fix", "unchecked", "note"}).contains(verdict)) << verdict.toStdString();
        EXPECT_FALSE(c.toObject().value("check").toString().isEmpty());
        anyFix = anyFix || verdict == "fix";
        if (verdict == "fix") {
            EXPECT_TRUE(c.toObject().contains("fix"));
        }
    }
    EXPECT_EQ(o.value("ok").toBool(), !anyFix);
    EXPECT_EQ(r.rc, anyFix ? 1 : 0);
}

}  // namespace
}  // namespace feld::test
