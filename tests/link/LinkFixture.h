#pragma once
// A PdtLink on a fake serial device with a scripted terminal, an injected clock and a recording Ui.

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "FakeTerminal.h"
#include "link/LinkHost.h"
#include "link/LinkPort.h"
#include "link/PdtLink.h"
#include "support/FakeClock.h"
#include "support/RecorderUi.h"
#include "support/TestFiles.h"

namespace feld::test {

using TestLink = PdtLink;

class HostRecorder : public LinkHost {
public:
    std::vector<int> portStatus;
    void ShowPortStatus(int d) override { portStatus.push_back(d); }
    void BeginOperation() override {}
    void EndOperation() override {}
    void AbortOperation() override {}
};

class LinkFixture : public ::testing::Test {
protected:
    FakeClock clock;
    RecorderUi ui;
    PortSettings settings;
    FakeTerminal term;
    HostRecorder host;
    std::atomic<int> firmwareFlag{0};
    std::unique_ptr<TestLink> link;

    void SetUp() override
    {
        settings.serialDevice = "/dev/fake";
        settings.baudrate = 115200;
        MakeLink();
    }

    void MakeLink()
    {
        LinkEnv env;
        env.settings = settings;
        env.storeSettings = [this](const PortSettings& s) { settings = s; };
        env.ui = &ui;
        env.clock = &clock;
        env.host = &host;
        env.mainPath = "/opt/feldspan/";
        env.firmwareUpdateFlag = &firmwareFlag;
        env.makePort = [this](const PortSettings& s) { return makeFakeDevice(term, &s); };
        link = std::make_unique<TestLink>(std::move(env));
    }

    // Connects (port settings answered, link check answered) and forgets what that wrote.
    void Connected()
    {
        ASSERT_EQ(link->Connect(0), 1);
        term.writes.clear();
        term.received.clear();
        term.headersSeen = 0;
        term.dataFramesSeen = 0;
        ui.clear();
    }

    static std::vector<std::uint8_t> Bytes(std::initializer_list<int> b)
    {
        std::vector<std::uint8_t> v;
        for (int x : b)
            v.push_back(static_cast<std::uint8_t>(x));
        return v;
    }
};

}  // namespace feld::test
