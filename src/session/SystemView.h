#pragma once
// What the device checks read of the system: files, folders, links and device nodes below a root
// folder ("/" on a real system; a folder laid out like one in the tests), the processes' open
// files under proc/, and the font list. Nothing here judges what it reads; SystemCheck does.

#include <optional>
#include <string>
#include <vector>

#include "base/PortSettings.h"

namespace feld {

// What the checks look at on Windows, where the serial ports, their holders and the USB drivers
// are the system's to tell rather than files to read.
struct ComPortProbe {
    enum class State { Free, InUse, Missing, Failed };
    std::string name;  // "COM5"
    State state = State::Free;
    std::string error;  // the system's words, for Failed
};
struct UsbDriverFacts {
    UsbId id;
    std::string description;
    std::string service;  // the driver bound to the device ("WinUSB"); empty when there is none
};
struct WindowsFacts {
    bool portsReadable = true;          // the system's list of serial ports could be read
    std::vector<std::string> comPorts;  // that list ("COM1", "COM5")
    std::string configured;             // the COM port the settings name; empty when they choose USB
    std::vector<ComPortProbe> probed;   // the ports opened to see whether another program holds one
    std::vector<UsbDriverFacts> cradles;  // USB devices that are the cradle waiting for an update
};

// Who is asking: the user and groups this process runs with.
struct Credentials {
    unsigned uid = 0;
    unsigned gid = 0;
    std::vector<unsigned> groups;  // the supplementary groups the process has now
};

class SystemView {
public:
    explicit SystemView(std::string root = "/");

    // Whether the root is a stand-in folder rather than the running system.
    bool fakeRoot() const { return fake_; }

    // A small text file (sysfs attributes, /etc/group, ...); nothing when it cannot be read.
    std::optional<std::string> read(const std::string& path) const;
    // The names in a folder, sorted; empty when it is missing or unreadable.
    std::vector<std::string> list(const std::string& dir) const;
    bool exists(const std::string& path) const;
    bool isDirectory(const std::string& path) const;
    // Where a symbolic link points, as written in it; nothing when it is not a link or may not be
    // read (another user's /proc/N/fd).
    std::optional<std::string> link(const std::string& path) const;
    // Whether a folder may be listed (another user's /proc/N/fd may not).
    bool mayList(const std::string& dir) const;

    // The owner, group and permission bits of a file or device node.
    struct Node {
        bool exists = false;
        unsigned uid = 0, gid = 0, mode = 0;
    };
    Node node(const std::string& path) const;

    // The credentials of this process (the stand-in's proc/self/status below a fake root).
    Credentials credentials() const;
    // Whether this process may open `path` for reading and writing. On a real system the kernel
    // answers (ACLs such as the udev seat access included); below a fake root it is reckoned from
    // the mode bits and the stand-in credentials.
    bool mayOpen(const std::string& path) const;
    // The id of this process, so its own descriptors are not taken for another's; -1 below a fake
    // root.
    long selfPid() const;

    // The families of the installed fonts that cover Traditional Chinese, as fontconfig lists them;
    // nothing when fontconfig's lister is not there (or below a fake root).
    std::optional<std::vector<std::string>> chineseFontFamilies() const;
    // The font files below the usual font folders, as paths from the root.
    std::vector<std::string> fontFiles() const;

    // On Windows, what the Windows checks look at for these port settings (opening the ports they
    // use for a moment); nothing on other systems.
    std::optional<WindowsFacts> windowsFacts(const PortSettings& port) const;

private:
    std::string at(const std::string& path) const;

    std::string root_;
    bool fake_;
};

}  // namespace feld
