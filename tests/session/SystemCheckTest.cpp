// The device checks of `feldspan-cli doctor` against a folder laid out like a system's root.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "session/SystemCheck.h"
#include "session/SystemView.h"
#include "support/CheckResults.h"
#include "support/TestFiles.h"

namespace feld {
namespace {

namespace fs = std::filesystem;

class SystemCheckTest : public ::testing::Test {
protected:
    test::TempDir root;

    void put(const std::string& path, const std::string& text, unsigned mode = 0644)
    {
        fs::path p = root / path.substr(1);
        fs::create_directories(p.parent_path());
        std::ofstream(p) << text;
        fs::permissions(p, static_cast<fs::perms>(mode));
    }
    void link(const std::string& path, const std::string& target)
    {
        fs::path p = root / path.substr(1);
        fs::create_directories(p.parent_path());
        fs::create_symlink(target, p);
    }
    // The checks as a user who is not root (uid 4242, "alice") with these supplementary groups.
    std::vector<CheckResult> run(const std::string& groups, bool chinese = true)
    {
        put("/proc/self/status", "Name:\tfeldspan-cli\nUid:\t4242\t4242\t4242\t4242\nGid:\t4242\t4242\t4242\t4242\nGroups:\t" +
                                     groups + "\n");
        CheckInput input;
        input.port.serialDevice = "/dev/ttyUSB0";
        input.chineseTexts = chinese;
        return RunSystemChecks(SystemView(root.path().string()), input);
    }
};

TEST_F(SystemCheckTest, ABareMachineRunsEveryCheckAndSaysWhatItCouldNotCheck)
{
    auto r = run("");
    ASSERT_EQ(r.size(), 7u);
    EXPECT_EQ(test::FindCheck(r, "serial-group").verdict, Verdict::Unchecked);
    EXPECT_EQ(test::FindCheck(r, "port-busy").verdict, Verdict::Unchecked);
    EXPECT_EQ(test::FindCheck(r, "latency-timer").verdict, Verdict::Unchecked);
    EXPECT_EQ(test::FindCheck(r, "usb-access").verdict, Verdict::Unchecked);
    EXPECT_EQ(test::FindCheck(r, "modemmanager").verdict, Verdict::Ok);
    EXPECT_EQ(test::FindCheck(r, "udev-rules").verdict, Verdict::Fix);
    EXPECT_FALSE(test::FindCheck(r, "udev-rules").fix.empty());
    // No Chinese font is a problem only while the program speaks Chinese.
    EXPECT_EQ(test::FindCheck(r, "cjk-font").verdict, Verdict::Fix);
    EXPECT_EQ(test::FindCheck(run("", false), "cjk-font").verdict, Verdict::Note);
    EXPECT_FALSE(AllWell(r));
}

TEST_F(SystemCheckTest, FindsEachProblemAndItsFixThenAllWellOnceFixed)
{
    put("/dev/ttyUSB0", "", 0660);
    const unsigned gid = [&] {
        struct stat st {};
        ::stat((root / "dev/ttyUSB0").c_str(), &st);
        return static_cast<unsigned>(st.st_gid);
    }();
    put("/etc/passwd", "root:x:0:0::/root:/bin/sh\nalice:x:4242:4242::/home/alice:/bin/sh\n");
    put("/etc/group", "dialout:x:" + std::to_string(gid) + ":alice\n");
    put("/usr/local/lib/udev/rules.d/70-feldspan.rules", "");
    put("/proc/77/comm", "ModemManager\n");
    link("/proc/77/fd/9", "/dev/ttyUSB0");
    put("/sys/bus/usb-serial/devices/ttyUSB0/latency_timer", "16\n");
    const std::string dev = "/sys/bus/usb/devices/1-2";
    put(dev + "/idVendor", "fe1d\n");
    put(dev + "/idProduct", "df11\n");
    put(dev + "/busnum", "1\n");
    put(dev + "/devnum", "5\n");
    put("/dev/bus/usb/001/005", "", 0600);
    put("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc", "");

    auto r = run("");
    // In the group's list but not in this session's groups: logging in again is the fix.
    EXPECT_EQ(test::FindCheck(r, "serial-group").verdict, Verdict::Fix);
    EXPECT_TRUE(test::Has(test::FindCheck(r, "serial-group").text, "dialout")) << test::FindCheck(r, "serial-group").text;
    EXPECT_TRUE(test::Has(test::FindCheck(r, "serial-group").fix, "log out and in")) << test::FindCheck(r, "serial-group").fix;
    // Rules below /usr/local are never read by udev.
    EXPECT_EQ(test::FindCheck(r, "udev-rules").verdict, Verdict::Fix);
    EXPECT_TRUE(test::Has(test::FindCheck(r, "udev-rules").fix, "/etc/udev/rules.d")) << test::FindCheck(r, "udev-rules").fix;
    EXPECT_EQ(test::FindCheck(r, "modemmanager").verdict, Verdict::Fix);
    EXPECT_EQ(test::FindCheck(r, "port-busy").verdict, Verdict::Fix);
    EXPECT_TRUE(test::Has(test::FindCheck(r, "port-busy").text, "77 (ModemManager)")) << test::FindCheck(r, "port-busy").text;
    EXPECT_EQ(test::FindCheck(r, "latency-timer").verdict, Verdict::Fix);
    EXPECT_TRUE(test::Has(test::FindCheck(r, "latency-timer").fix, "echo 1 | sudo tee /sys/bus/usb-serial/devices/ttyUSB0/latency_timer"));
    EXPECT_EQ(test::FindCheck(r, "usb-access").verdict, Verdict::Fix);
    EXPECT_TRUE(test::Has(test::FindCheck(r, "usb-access").text, "/dev/bus/usb/001/005")) << test::FindCheck(r, "usb-access").text;
    EXPECT_EQ(test::FindCheck(r, "cjk-font").verdict, Verdict::Ok);

    // Fixed: in the group, rules where udev reads them, ModemManager gone, the timer at 1 ms and
    // the cradle's node open to the user.
    put("/usr/lib/udev/rules.d/70-feldspan.rules", "");
    fs::remove_all(root / "proc/77");
    put("/sys/bus/usb-serial/devices/ttyUSB0/latency_timer", "1\n");
    fs::permissions(root / "dev/bus/usb/001/005", static_cast<fs::perms>(0666));
    r = run(std::to_string(gid));
    for (const auto& c : r)
        EXPECT_EQ(c.verdict, Verdict::Ok) << c.id << ": " << c.text;
    EXPECT_TRUE(AllWell(r));
}

}  // namespace
}  // namespace feld
