// feldspan-cli ping against the simulated terminal, and against devices that are not there.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include <fstream>

#include "link/serial/UsbIdentity.h"
#include "support/ProgramRunner.h"
#include "support/SimProcess.h"
#include "support/TestFiles.h"

namespace feld::test {
namespace {

class PingCliTest : public ::testing::Test {
protected:
    TempDir dir;

    void SetUp() override
    {
        std::filesystem::create_directories(dir / "home");
        std::ofstream(dir / "settings.ini") << "[FeldSpan]\nPATH\\PROJECTPATH=" << (dir / "project").string() << "/\n";
    }

    // feldspan-cli with the test's settings, in a bare environment of its own (plus `env`).
    RunResult Cli(std::vector<std::string> args, std::vector<std::string> env = {})
    {
        args.insert(args.begin(), {BinProgram("feldspan-cli"), "--settings", (dir / "settings.ini").string()});
        env.insert(env.end(), {"HOME=" + (dir / "home").string(), "LANG=C", "PATH=/usr/bin:/bin"});
        return RunProgram(args, {.env = env, .replaceEnv = true});
    }
};

TEST_F(PingCliTest, UsbTerminalFoundByItsIdsRunsAt115200EightNOneWhateverIsStored)
{
    std::ofstream(dir / "settings.ini") << "[FeldSpan]\nPATH\\PROJECTPATH=" << (dir / "project").string() << "/\n"
                                        << "Settings\\Baudrate=9600\nSettings\\Stopbits=2\nSettings\\Parity=2\n"
                                        << "Settings\\UsbIds=fe1d:0c8d\n";
    // The terminal takes only its own line setting; stop bits are what a pseudo-terminal keeps
    // besides the rate.
    SimProcess sim({"--line", "115200-8N1", "--log", (dir / "sim.log").string()});
    ASSERT_TRUE(sim.running()) << sim.error();
    // A USB modem listed first, then the terminal: it is found by its ids, not by its place.
    const std::string ports = std::string(UsbIdentity::kPortsVariable) + "=/dev/feldspan-modem=0403:6001;" + sim.device() + "=FE1D:0C8D";

    RunResult ping = Cli({"--usb", "ping"}, {ports});
    EXPECT_EQ(ping.rc, 0) << ping.err;
    EXPECT_NE(ping.out.find("the terminal answered on " + sim.device() + " (USB)"), std::string::npos) << ping.out;
    RunResult info = Cli({"--usb", "info", "--json"}, {ports});
    EXPECT_EQ(info.rc, 0) << info.err;
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(info.out)).object().value("firmware").toInt(), 201) << info.out;
    EXPECT_EQ(ReadText(dir / "sim.log").find("line-mismatch"), std::string::npos);

    // The stored serial values over the same device: the terminal hears nothing it can read.
    RunResult serial = Cli({"--device", sim.device(), "ping"});
    EXPECT_EQ(serial.rc, 1);
    EXPECT_NE(ReadText(dir / "sim.log").find("\"pc\":\"9600 bit/s, 2 stop bits\""), std::string::npos);

    // No terminal among the USB serial ports, none at all, and a list that is no list.
    struct Case {
        std::string list, why;
    } cases[] = {
        {"/dev/feldspan-modem=0403:6001", "no USB terminal found among the USB serial devices"},
        {"", "no USB serial device found"},
        {sim.device() + "=fe1d", "is not PATH=VVVV:PPPP"},
    };
    for (const Case& c : cases) {
        RunResult r = Cli({"--usb", "ping"}, {std::string(UsbIdentity::kPortsVariable) + "=" + c.list});
        EXPECT_EQ(r.rc, 1) << c.list;
        EXPECT_NE(r.err.find(c.why), std::string::npos) << c.list << ": " << r.err;
    }
}

TEST_F(PingCliTest, AnswersOverThePseudoTerminalAtTheGivenRate)
{
    SimProcess sim({"--baud", "9600"});
    ASSERT_TRUE(sim.running()) << sim.error();
    RunResult r = Cli({"--device", sim.device(), "--baud", "9600", "ping"});
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_NE(r.out.find("the terminal answered on " + sim.device()), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("9600"), std::string::npos) << r.out;

    r = Cli({"--device", sim.device(), "--baud", "9600", "ping", "--json"});
    EXPECT_EQ(r.rc, 0) << r.err;
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).object();
    EXPECT_EQ(o.value("device").toString().toStdString(), sim.device()) << r.out;
    EXPECT_TRUE(o.value("port").toString().contains("9600")) << r.out;
    EXPECT_GE(o.value("ms").toInt(-1), 0) << r.out;
}

TEST_F(PingCliTest, NoAnswerAndMissingDeviceFailWithTheReason)
{
    SimProcess sim({"--force-status", "none:header:all"});
    ASSERT_TRUE(sim.running()) << sim.error();
    RunResult r = Cli({"--device", sim.device(), "ping"});
    EXPECT_EQ(r.rc, 1);
    EXPECT_NE(r.err.find("did not answer"), std::string::npos) << r.err;

    r = Cli({"--device", "/dev/feldspan-missing", "ping"});
    EXPECT_EQ(r.rc, 1);
    EXPECT_NE(r.err.find("device missing: /dev/feldspan-missing"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace feld::test
