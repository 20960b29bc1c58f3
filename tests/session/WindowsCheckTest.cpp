// The checks of `feldspan-cli doctor` on Windows, judged from the facts the system gave.

#include <gtest/gtest.h>

#include "session/SystemCheck.h"
#include "session/SystemView.h"
#include "support/CheckResults.h"

namespace feld {
namespace {

using test::FindCheck;
using test::Has;

TEST(WindowsCheckTest, AMachineWithNothingConnectedSaysWhatItCouldNotCheckAndAsksNothing)
{
    const auto r = RunWindowsChecks(WindowsFacts{});
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(FindCheck(r, "com-ports").verdict, Verdict::Unchecked);
    EXPECT_EQ(FindCheck(r, "port-busy").verdict, Verdict::Unchecked);
    EXPECT_EQ(FindCheck(r, "usb-driver").verdict, Verdict::Unchecked);
    EXPECT_TRUE(AllWell(r));
}

TEST(WindowsCheckTest, AConfiguredPortThatIsNotThereNamesThePortsThatAre)
{
    WindowsFacts f;
    f.comPorts = {"COM1", "COM5"};
    f.configured = "com7";
    const auto cResults = RunWindowsChecks(f);
    const CheckResult& c = FindCheck(cResults, "com-ports");
    EXPECT_EQ(c.verdict, Verdict::Fix);
    EXPECT_TRUE(Has(c.text, "com7") && Has(c.text, "COM1, COM5")) << c.text;
    EXPECT_TRUE(Has(c.fix, "--device")) << c.fix;

    f.configured = "com5";  // names compare without case
    EXPECT_EQ(FindCheck(RunWindowsChecks(f), "com-ports").verdict, Verdict::Ok);
}

TEST(WindowsCheckTest, APortHeldByAnotherProgramOrFailingToOpenIsToFix)
{
    WindowsFacts f;
    f.comPorts = {"COM3", "COM5"};
    f.probed = {{"COM3", ComPortProbe::State::Free, ""}, {"COM5", ComPortProbe::State::InUse, ""}};
    const auto heldResults = RunWindowsChecks(f);
    const CheckResult& held = FindCheck(heldResults, "port-busy");
    EXPECT_EQ(held.verdict, Verdict::Fix);
    EXPECT_TRUE(Has(held.text, "COM5")) << held.text;

    f.probed[1] = {"COM5", ComPortProbe::State::Failed, "The device is not ready"};
    const auto failedResults = RunWindowsChecks(f);
    const CheckResult& failed = FindCheck(failedResults, "port-busy");
    EXPECT_EQ(failed.verdict, Verdict::Fix);
    EXPECT_TRUE(Has(failed.text, "The device is not ready")) << failed.text;

    f.probed.pop_back();
    const auto freeResults = RunWindowsChecks(f);
    const CheckResult& free = FindCheck(freeResults, "port-busy");
    EXPECT_EQ(free.verdict, Verdict::Ok);
    EXPECT_TRUE(Has(free.text, "COM3")) << free.text;
}

TEST(WindowsCheckTest, ACradleWaitingForAnUpdateNeedsAWinUsbDriver)
{
    WindowsFacts f;
    f.cradles = {{{0x0483, 0xDF11}, "DFU in FS Mode", ""}};
    const auto noneResults = RunWindowsChecks(f);
    const CheckResult& none = FindCheck(noneResults, "usb-driver");
    EXPECT_EQ(none.verdict, Verdict::Fix);
    EXPECT_TRUE(Has(none.text, "0483:df11")) << none.text;
    EXPECT_TRUE(Has(none.fix, "WinUSB")) << none.fix;

    f.cradles[0].service = "STTub30";  // the vendor's own driver: libusb cannot use it
    const auto otherResults = RunWindowsChecks(f);
    const CheckResult& other = FindCheck(otherResults, "usb-driver");
    EXPECT_EQ(other.verdict, Verdict::Fix);
    EXPECT_TRUE(Has(other.text, "STTub30")) << other.text;

    f.cradles[0].service = "winusb";
    EXPECT_EQ(FindCheck(RunWindowsChecks(f), "usb-driver").verdict, Verdict::Ok);
}

}  // namespace
}  // namespace feld
