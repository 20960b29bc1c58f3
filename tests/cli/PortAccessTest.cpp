// Who may use the terminal's serial device: one lock per device whatever the name it is opened by,
// and a hint that says what to do when the system refuses it.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "base/PortSettings.h"
#include "link/serial/CSerialCom.h"
#include "link/serial/PortIo.h"
#include "support/ProgramRunner.h"
#include "support/TestFiles.h"

namespace feld::test {
namespace {

namespace fs = std::filesystem;

TEST(PortAccessTest, ALinkToTheDeviceAndTheDeviceItselfExcludeEachOther)
{
    int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    char name[128];
    ASSERT_EQ(::ptsname_r(master, name, sizeof name), 0);
    const std::string device = name;
    TempDir dir;
    const std::string link = (dir / "usb-terminal-if00").string();  // as /dev/serial/by-id/... would be
    fs::create_symlink(device, link);

    // This process holds the line by one name; feldspan-cli asks for it by the other.
    const std::pair<std::string, std::string> orders[] = {{device, link}, {link, device}};
    for (const auto& [held, asked] : orders) {
        PortSettings s;
        s.serialDevice = held;
        CSerialCom port(s);
        ASSERT_EQ(port.OpenConnection(), 1) << port.LastError();
        RunResult r = RunProgram({BinProgram("feldspan-cli"), "--settings", (dir / "s.ini").string(), "--device", asked, "ping"});
        EXPECT_EQ(r.rc, 1) << r.err;
        const std::string shown = asked == link ? link + " (" + device + ")" : device;
        EXPECT_NE(r.err.find("device busy: " + shown + " is in use by another program"), std::string::npos)
            << "held " << held << ", asked " << asked << ": " << r.err;
    }
    ::close(master);
}

TEST(PortAccessTest, PermissionHintNamesAGroupOnlyWhenJoiningItHelps)
{
    using portio::DeviceAccess;
    const std::string udev = "add a udev rule that gives your group access to this device, e.g. SUBSYSTEM==\"tty\", ";
    const UsbId ftdi{0x0403, 0x6001};
    const struct {
        DeviceAccess access;
        const UsbId* usb;
        std::string hint;
    } cases[] = {
        {{true, 20, "dialout", true}, nullptr,
         "add your user to the group that owns it (dialout), e.g. \"sudo usermod -aG dialout $USER\", then log in again"},
        {{true, 20, "dialout", false}, &ftdi,
         "its group (dialout) may not read and write it; " + udev +
             "ATTRS{idVendor}==\"0403\", ATTRS{idProduct}==\"6001\", GROUP=\"dialout\", MODE=\"0660\" in "
             "/etc/udev/rules.d/50-feldspan.rules, then plug the device in again (and be in that group)"},
        {{true, 0, "root", true}, nullptr,
         "its group is root; " + udev +
             "ATTRS{idVendor}==\"VVVV\", ATTRS{idProduct}==\"PPPP\", GROUP=\"dialout\", MODE=\"0660\" in "
             "/etc/udev/rules.d/50-feldspan.rules (VVVV:PPPP as lsusb shows the device), then plug the device in "
             "again (and be in that group)"},
        {{true, 4321, "", true}, nullptr, "its group 4321 has no name; " + udev},
        {{}, nullptr, udev},
    };
    for (const auto& c : cases)
        EXPECT_EQ(portio::permissionHint(c.access, c.usb).substr(0, c.hint.size()), c.hint) << c.hint;

    // The lookup itself: the group's right to read and write, and the message built on it.
    TempDir dir;
    const std::string file = (dir / "ttyFAKE").string();
    std::ofstream(file) << "x";
    ::chmod(file.c_str(), 0640);
    EXPECT_FALSE(portio::deviceAccess(file).groupReadWrite);
    ::chmod(file.c_str(), 0660);
    DeviceAccess a = portio::deviceAccess(file);
    ASSERT_TRUE(a.known);
    EXPECT_TRUE(a.groupReadWrite);
    EXPECT_EQ(a.groupId, static_cast<unsigned>(::getegid()));
    EXPECT_EQ(CSerialCom::DescribeOpenError(file, EACCES), "permission denied on " + file + ": " + portio::permissionHint(a, nullptr));
}

}  // namespace
}  // namespace feld::test
