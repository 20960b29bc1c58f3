#pragma once
// A session on a pseudo-terminal served by an in-process simulated terminal whose drives live in a
// temporary folder, with an injected clock and a recording Ui.

#include <gtest/gtest.h>

#include <atomic>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "link/PdtLink.h"
#include "session/Config.h"
#include "session/Session.h"
#include "sim/SimConfig.h"
#include "sim/SimLog.h"
#include "sim/SimPty.h"
#include "sim/SimTerminal.h"
#include "base/Clock.h"
#include "support/RecorderUi.h"
#include "support/TestFiles.h"

namespace feld::test {

namespace fs = std::filesystem;

// Real time for the link's waits (the simulated terminal answers in real time), but long sleeps
// (the 12-second format wait and its window's ticks) pass at once and are only counted.
class SkipLongSleepsClock : public Clock {
public:
    static constexpr int kSkipFromMs = 500;

    std::int64_t monotonicMs() const override { return systemClock().monotonicMs() + skipped_.load(); }
    std::int64_t calendarSeconds() const override { return systemClock().calendarSeconds() + skipped_.load() / 1000; }
    void sleepMs(int ms) override
    {
        if (ms <= 0)
            return;
        slept_ += ms;
        if (ms >= kSkipFromMs)
            skipped_ += ms;
        else
            systemClock().sleepMs(ms);
    }
    std::int64_t sleptMs() const { return slept_.load(); }

private:
    std::atomic<std::int64_t> skipped_{0};
    std::atomic<std::int64_t> slept_{0};
};

class OpsFixture : public ::testing::Test {
protected:
    fs::path dir;
    sim::SimConfig simConfig;
    sim::SimPty pty;
    std::unique_ptr<sim::SimLog> log;
    std::unique_ptr<sim::SimTerminal> term;
    SkipLongSleepsClock clock;
    RecorderUi ui;
    std::unique_ptr<Config> config;
    std::unique_ptr<Session> session;

    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("feldspan-ops-" + std::to_string(::getpid()) + "-" +
               SafeTestName());
        fs::remove_all(dir);
        fs::create_directories(dir / "main" / "DP");
        fs::create_directories(dir / "pc");
        // A stand-in for the flash writer: the terminal maker's program is not ours to ship.
        WriteFile(dir / "main" / "DP" / "SST_RW.abp", Pattern(700, 3));
        simConfig.root = (dir / "term").string();
        simConfig.headerTimeoutMs = 3000;
        simConfig.replyTimeoutMs = 3000;
        simConfig.frameTimeoutMs = 3000;
    }

    void TearDown() override
    {
        if (HasFailure() && log)
            for (const auto& l : log->lines())
                std::fprintf(stderr, "sim: %s\n", l.c_str());
        if (HasFailure())
            for (const auto& e : ui.events())
                std::fprintf(stderr, "ui: %s %d %s %d\n", e.kind.c_str(), e.id, e.text.c_str(), e.value);
        session.reset();
        if (term)
            term->stop();
        term.reset();
        pty.close();
        fs::remove_all(dir);
    }

    // Starts the simulated terminal with simConfig and a session connected to it.
    void Start()
    {
        ASSERT_TRUE(pty.openPty()) << pty.error();
        log = std::make_unique<sim::SimLog>();
        term = std::make_unique<sim::SimTerminal>(simConfig, pty.fd(), *log);
        std::string error;
        ASSERT_TRUE(term->prepare(error)) << error;
        term->start();
        config = std::make_unique<Config>((dir / "settings.ini").string());
        config->port.portChoice = 1;
        config->port.serialDevice = pty.path();
        config->port.baudrate = 115200;
        config->mainPath = (dir / "main").string() + "/";
        config->projectPath = (dir / "pc").string() + "/";
        config->transferTempFile = config->projectPath + "FSSPAN.tmp";
        session = std::make_unique<Session>(*config, ui, clock);
    }

    // Start() and a connected link, with the recorder emptied.
    void Connected()
    {
        Start();
        ASSERT_EQ(session->ConnectLink(0), 1);
        ui.clear();
    }

    // Connected without the link check, so that the first frame the terminal sees is the test's.
    void ConnectedQuietly()
    {
        Start();
        session->FirmwareUpdateFlag().store(1);
        ASSERT_EQ(session->ConnectLink(0), 1);
        session->FirmwareUpdateFlag().store(0);
        session->Link()->MarkLinkAlive();
        ui.clear();
    }

    PdtLink& Link() { return *session->Link(); }

    // A file on the simulated terminal's drive ("C", "DATA/A.TXT"), found without regard to letter
    // case as the terminal finds it; the path as given when there is none.
    fs::path TermFile(const std::string& drive, const std::string& rel) const
    {
        fs::path at = fs::path(simConfig.root) / drive;
        for (const auto& part : fs::path(rel)) {
            fs::path next = at / part;
            if (fs::is_directory(at))
                for (const auto& e : fs::directory_iterator(at))
                    if (Upper(e.path().filename().string()) == Upper(part.string()))
                        next = e.path();
            at = next;
        }
        return at;
    }
    static std::string Upper(std::string s)
    {
        for (char& c : s)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return s;
    }

    // A PC file under dir/pc.
    std::string PcFile(const std::string& name, std::size_t size, unsigned seed = 7)
    {
        fs::path p = dir / "pc" / name;
        WriteFile(p, Pattern(size, seed));
        return p.string();
    }

    // The simulated terminal's log lines that contain every one of the given pieces.
    std::vector<std::string> LogLines(std::initializer_list<std::string> pieces) const
    {
        std::vector<std::string> out;
        for (const auto& l : log->lines()) {
            bool all = true;
            for (const auto& p : pieces)
                all = all && l.find(p) != std::string::npos;
            if (all)
                out.push_back(l);
        }
        return out;
    }

    int Count(const std::vector<int>& ids, int id) const { return static_cast<int>(std::count(ids.begin(), ids.end(), id)); }
};

}  // namespace feld::test
