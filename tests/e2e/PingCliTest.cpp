// feldspan-cli ping against the simulated terminal, and against devices that are not there.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include <fstream>

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

    // feldspan-cli with the test's settings, in a bare environment of its own.
    RunResult Cli(std::vector<std::string> args)
    {
        args.insert(args.begin(), {BinProgram("feldspan-cli"), "--settings", (dir / "settings.ini").string()});
        return RunProgram(args, {.env = {"HOME=" + (dir / "home").string(), "LANG=C", "PATH=/usr/bin:/bin"},
                                 .replaceEnv = true});
    }
};

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
