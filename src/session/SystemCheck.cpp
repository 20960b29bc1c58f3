#include "session/SystemCheck.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "base/AsciiCase.h"
#include "base/Texts.h"
#include "session/Config.h"
#include "session/SystemView.h"

namespace feld {
namespace {

// The udev rules file this program installs, and the folders udev reads rules from.
constexpr const char* kRulesName = "70-feldspan.rules";
const char* const kRulesDirs[] = {"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/lib/udev/rules.d", "/lib/udev/rules.d"};
constexpr const char* kReload = "sudo udevadm control --reload && sudo udevadm trigger";

std::string trim(std::string s)
{
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ' || s.back() == '\t'))
        s.pop_back();
    std::size_t b = s.find_first_not_of(" \t");
    return b == std::string::npos ? std::string() : s.substr(b);
}

std::vector<std::string> split(const std::string& s, char sep)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(s);
    while (std::getline(in, part, sep))
        parts.push_back(part);
    if (!s.empty() && s.back() == sep)
        parts.emplace_back();
    return parts;
}

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// A group of /etc/group by its id: its name and the users listed as members.
struct Group {
    std::string name;
    std::vector<std::string> members;
};

std::optional<Group> groupById(const SystemView& system, unsigned gid)
{
    std::istringstream in(system.read("/etc/group").value_or(""));
    for (std::string line; std::getline(in, line);) {
        auto f = split(line, ':');
        if (f.size() < 4 || f[2] != std::to_string(gid))
            continue;
        Group g{f[0], {}};
        for (auto& m : split(trim(f[3]), ','))
            if (!m.empty())
                g.members.push_back(m);
        return g;
    }
    return std::nullopt;
}

std::string userName(const SystemView& system, unsigned uid)
{
    std::istringstream in(system.read("/etc/passwd").value_or(""));
    for (std::string line; std::getline(in, line);) {
        auto f = split(line, ':');
        if (f.size() >= 3 && f[2] == std::to_string(uid))
            return f[0];
    }
    return {};
}

// The serial ports worth checking: the one the settings name and every USB serial port present.
std::vector<std::string> serialPorts(const SystemView& system, const PortSettings& port)
{
    std::vector<std::string> ports;
    auto add = [&](const std::string& p) {
        if (!p.empty() && system.exists(p) && std::find(ports.begin(), ports.end(), p) == ports.end())
            ports.push_back(p);
    };
    if (port.portChoice != 0)
        add(Config::serialDevicePath(port));
    else
        add(port.usbDevice);
    for (const std::string& name : system.list("/dev"))
        if (startsWith(name, "ttyUSB") || startsWith(name, "ttyACM"))
            add("/dev/" + name);
    return ports;
}

std::string joined(const std::vector<std::string>& items)
{
    std::string out;
    for (const auto& i : items)
        out += (out.empty() ? "" : ", ") + i;
    return out;
}

// The processes (other than this one) that have `device` open: "1234 (minicom)". `unreadable`
// counts the processes whose open files may not be read.
std::vector<std::string> holders(const SystemView& system, const std::string& device, int& unreadable)
{
    std::vector<std::string> found;
    unreadable = 0;
    for (const std::string& pid : system.list("/proc")) {
        if (pid.empty() || !std::all_of(pid.begin(), pid.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        if (pid == std::to_string(system.selfPid()))
            continue;
        const std::string fdDir = "/proc/" + pid + "/fd";
        if (!system.mayList(fdDir)) {
            ++unreadable;
            continue;
        }
        for (const std::string& fd : system.list(fdDir)) {
            if (system.link(fdDir + "/" + fd) == device) {
                found.push_back(pid + " (" + trim(system.read("/proc/" + pid + "/comm").value_or("?")) + ")");
                break;
            }
        }
    }
    return found;
}

bool processRunning(const SystemView& system, const std::string& comm, std::string* pid = nullptr)
{
    for (const std::string& p : system.list("/proc")) {
        if (p.empty() || !std::all_of(p.begin(), p.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        if (trim(system.read("/proc/" + p + "/comm").value_or("")) == comm) {
            if (pid)
                *pid = p;
            return true;
        }
    }
    return false;
}

// The udev properties of a tty ("E:KEY=value" lines of the udev database), found through the
// device numbers sysfs gives for it.
std::string udevProperties(const SystemView& system, const std::string& device)
{
    const std::string name = device.substr(device.rfind('/') + 1);
    const std::string dev = trim(system.read("/sys/class/tty/" + name + "/dev").value_or(""));
    if (dev.empty())
        return {};
    return system.read("/run/udev/data/c" + dev).value_or("");
}

CheckResult make(const char* id, std::string title)
{
    CheckResult r;
    r.id = id;
    r.title = std::move(title);
    return r;
}

CheckResult serialGroup(const SystemView& system, const std::vector<std::string>& ports)
{
    CheckResult r = make("serial-group", tk("doctor.group.title", "serial port access"));
    if (ports.empty()) {
        r.verdict = Verdict::Unchecked;
        r.text = tk("doctor.group.noPort", "no serial port to check: none is connected and the configured one is not there");
        return r;
    }
    const Credentials me = system.credentials();
    const std::string user = userName(system, me.uid);
    std::vector<std::string> fine;
    for (const std::string& port : ports) {
        const SystemView::Node n = system.node(port);
        const std::optional<Group> group = groupById(system, n.gid);
        const std::string groupName = group ? group->name : std::to_string(n.gid);
        if (system.mayOpen(port)) {
            fine.push_back(port);
            continue;
        }
        r.verdict = Verdict::Fix;
        const bool listed = group && !user.empty() &&
                            std::find(group->members.begin(), group->members.end(), user) != group->members.end();
        r.text = formatText(tk("doctor.group.denied", "%s belongs to the group %s, and this session may not open it"),
                            {port, groupName});
        r.fix = listed ? formatText(tk("doctor.group.relogin", "you were added to %s after logging in: log out and in again "
                                                               "(or run `newgrp %s`)"),
                                    {groupName, groupName})
                       : formatText(tk("doctor.group.join", "sudo usermod -aG %s %s, then log out and in again (or install "
                                                            "the udev rules, which give the user at the seat the cradle)"),
                                    {groupName, user.empty() ? std::string("$USER") : user});
        return r;
    }
    r.text = formatText(tk("doctor.group.ok", "this session may open %s"), {joined(fine)});
    return r;
}

CheckResult udevRules(const SystemView& system)
{
    CheckResult r = make("udev-rules", tk("doctor.udev.title", "udev rules"));
    for (const char* dir : kRulesDirs) {
        const std::string path = std::string(dir) + "/" + kRulesName;
        if (system.exists(path)) {
            r.text = formatText(tk("doctor.udev.installed", "installed: %s"), {path});
            return r;
        }
    }
    r.verdict = Verdict::Fix;
    const std::string local = std::string("/usr/local/lib/udev/rules.d/") + kRulesName;
    if (system.exists(local)) {
        r.text = formatText(tk("doctor.udev.local", "%s is where udev never looks"), {local});
        r.fix = formatText("sudo cp %s /etc/udev/rules.d/ && %s", {local, kReload});
    } else {
        r.text = tk("doctor.udev.missing", "not installed: the cradle is only reachable for root, and ModemManager may probe it");
        r.fix = formatText(tk("doctor.udev.copy", "install the package, or sudo cp res/linux/%s /etc/udev/rules.d/ && %s"),
                           {kRulesName, kReload});
    }
    return r;
}

CheckResult modemManager(const SystemView& system, const std::vector<std::string>& usbPorts)
{
    CheckResult r = make("modemmanager", tk("doctor.mm.title", "ModemManager"));
    std::string pid;
    if (!processRunning(system, "ModemManager", &pid)) {
        r.text = tk("doctor.mm.notRunning", "not running");
        return r;
    }
    std::vector<std::string> probed;
    for (const std::string& port : usbPorts) {
        int unreadable = 0;
        for (const std::string& h : holders(system, port, unreadable)) {
            if (startsWith(h, (pid + " ").c_str())) {
                r.verdict = Verdict::Fix;
                r.text = formatText(tk("doctor.mm.holds", "ModemManager holds %s open"), {port});
                r.fix = tk("doctor.mm.stop", "install the udev rules and plug the cradle in again, or sudo systemctl "
                                             "disable --now ModemManager");
                return r;
            }
        }
        if (udevProperties(system, port).find("E:ID_MM_DEVICE_IGNORE=1") == std::string::npos)
            probed.push_back(port);
    }
    if (!probed.empty()) {
        r.verdict = Verdict::Fix;
        r.text = formatText(tk("doctor.mm.probes", "running, and not told to leave %s alone: it may send modem commands to the terminal"),
                            {joined(probed)});
        r.fix = tk("doctor.mm.stop", "install the udev rules and plug the cradle in again, or sudo systemctl "
                                     "disable --now ModemManager");
        return r;
    }
    r.text = usbPorts.empty() ? tk("doctor.mm.noPort", "running; no USB serial port for it to probe now")
                              : tk("doctor.mm.ignores", "running, and told to leave the USB serial ports alone");
    return r;
}

CheckResult portBusy(const SystemView& system, const std::vector<std::string>& ports)
{
    CheckResult r = make("port-busy", tk("doctor.busy.title", "port in use"));
    if (ports.empty()) {
        r.verdict = Verdict::Unchecked;
        r.text = tk("doctor.busy.noPort", "no serial port to check");
        return r;
    }
    int unreadable = 0;
    for (const std::string& port : ports) {
        int u = 0;
        std::vector<std::string> h = holders(system, port, u);
        unreadable = std::max(unreadable, u);
        if (!h.empty()) {
            r.verdict = Verdict::Fix;
            r.text = formatText(tk("doctor.busy.held", "%s is open in process %s"), {port, joined(h)});
            r.fix = tk("doctor.busy.close", "end that program (a terminal program, a modem manager, another FeldSpan) before connecting");
            return r;
        }
    }
    r.text = formatText(tk("doctor.busy.free", "no other process has %s open"), {joined(ports)});
    if (unreadable > 0)
        r.text += formatText(system.credentials().uid == 0
                                 ? tk("doctor.busy.hidden", " (the open files of %d processes could not be looked at)")
                                 : tk("doctor.busy.unreadable", " (the open files of %d processes of other users could not be "
                                                                "looked at; run as root to see them)"),
                             {unreadable});
    return r;
}

CheckResult latencyTimer(const SystemView& system)
{
    CheckResult r = make("latency-timer", tk("doctor.latency.title", "USB-serial latency"));
    const std::string base = "/sys/bus/usb-serial/devices";
    std::vector<std::string> fine;
    bool any = false;
    for (const std::string& name : system.list(base)) {
        auto text = system.read(base + "/" + name + "/latency_timer");
        if (!text)
            continue;
        any = true;
        const std::string value = trim(*text);
        int ms = 0;
        if (std::sscanf(value.c_str(), "%d", &ms) != 1)
            continue;
        if (ms <= 1) {
            fine.push_back(name);
            continue;
        }
        r.verdict = Verdict::Fix;
        r.text = formatText(tk("doctor.latency.slow", "%s holds each short reply for %d ms (at 5 ms the link loses a fifth of "
                                                      "its speed; FeldSpan asks for 1 ms while the port is open, which not "
                                                      "every driver grants)"),
                            {name, ms});
        r.fix = formatText(tk("doctor.latency.lower", "echo 1 | sudo tee %s/%s/latency_timer (until the adapter is unplugged; "
                                                      "for good: a udev rule with ATTR{latency_timer}=\"1\")"),
                           {base, name});
        return r;
    }
    if (!any) {
        r.verdict = Verdict::Unchecked;
        r.text = tk("doctor.latency.none", "no USB-serial adapter with a latency timer is connected");
        return r;
    }
    r.text = formatText(tk("doctor.latency.ok", "1 ms on %s"), {joined(fine)});
    return r;
}

unsigned hexValue(const std::optional<std::string>& text)
{
    unsigned v = 0;
    if (text && std::sscanf(text->c_str(), "%x", &v) == 1)
        return v;
    return 0;
}

// Whether a USB device is the cradle: in DFU mode, with a DFU interface, or named by UsbIds.
bool isCradle(const SystemView& system, const std::string& dev, const std::string& name, const std::vector<UsbId>& ids)
{
    const UsbId id{static_cast<std::uint16_t>(hexValue(system.read(dev + "/idVendor"))),
                   static_cast<std::uint16_t>(hexValue(system.read(dev + "/idProduct")))};
    if (id.product == 0xDF11 || std::find(ids.begin(), ids.end(), id) != ids.end())
        return true;
    for (const std::string& sub : system.list(dev)) {
        if (!startsWith(sub, (name + ":").c_str()))
            continue;
        if (hexValue(system.read(dev + "/" + sub + "/bInterfaceClass")) == 0xFE &&
            hexValue(system.read(dev + "/" + sub + "/bInterfaceSubClass")) == 0x01)
            return true;
    }
    return false;
}

CheckResult usbAccess(const SystemView& system, const std::vector<UsbId>& ids)
{
    CheckResult r = make("usb-access", tk("doctor.usb.title", "USB access for cradle updates"));
    const std::string base = "/sys/bus/usb/devices";
    if (!system.isDirectory(base)) {
        r.verdict = Verdict::Unchecked;
        r.text = tk("doctor.usb.noBus", "no USB bus on this machine");
        return r;
    }
    std::vector<std::string> fine;
    for (const std::string& name : system.list(base)) {
        if (name.find(':') != std::string::npos || startsWith(name, "usb"))
            continue;  // interfaces and root hubs
        const std::string dev = base + "/" + name;
        if (!isCradle(system, dev, name, ids))
            continue;
        const std::string bus = trim(system.read(dev + "/busnum").value_or(""));
        const std::string num = trim(system.read(dev + "/devnum").value_or(""));
        char node[64];
        std::snprintf(node, sizeof node, "/dev/bus/usb/%03d/%03d", std::atoi(bus.c_str()), std::atoi(num.c_str()));
        if (system.mayOpen(node)) {
            fine.push_back(node);
            continue;
        }
        r.verdict = Verdict::Fix;
        r.text = formatText(tk("doctor.usb.denied", "the cradle at %s may not be opened by this session"), {std::string(node)});
        r.fix = formatText(tk("doctor.usb.rules", "install the udev rules (%s) and plug the cradle in again"), {kRulesName});
        return r;
    }
    if (fine.empty()) {
        r.verdict = Verdict::Unchecked;
        r.text = tk("doctor.usb.noCradle", "no cradle is connected");
        return r;
    }
    r.text = formatText(tk("doctor.usb.ok", "this session may open %s"), {joined(fine)});
    return r;
}

// Font files whose names give away a font that covers Chinese.
bool chineseFontFile(std::string path)
{
    path = asciiLower(std::move(path));
    const std::string name = path.substr(path.rfind('/') + 1);
    for (const char* hint : {"wqy", "cjk", "sourcehan", "droidsansfallback", "uming", "ukai", "arphic", "cwtex", "hanazono",
                             "taipei", "twkai", "twsung", "msjh", "simsun", "simhei", "mingliu"})
        if (name.find(hint) != std::string::npos)
            return true;
    return false;
}

CheckResult chineseFont(const SystemView& system, bool chineseTexts)
{
    CheckResult r = make("cjk-font", tk("doctor.font.title", "Chinese font"));
    std::vector<std::string> found;
    if (auto families = system.chineseFontFamilies()) {
        found = *families;
    } else {
        for (const std::string& f : system.fontFiles())
            if (chineseFontFile(f))
                found.push_back(f.substr(f.rfind('/') + 1));
    }
    if (!found.empty()) {
        r.text = formatText(tk("doctor.font.ok", "found: %s"), {found.front()});
        return r;
    }
    r.verdict = chineseTexts ? Verdict::Fix : Verdict::Note;
    r.text = tk("doctor.font.missing", "no font for Chinese: the window's Chinese texts and terminal file names show as boxes");
    r.fix = tk("doctor.font.install", "sudo apt install fonts-wqy-microhei (or fonts-noto-cjk)");
    return r;
}

// ---- Windows: the COM ports, their holders and the cradle's driver -----------------------------

CheckResult comPorts(const WindowsFacts& facts)
{
    CheckResult r = make("com-ports", tk("doctor.com.title", "COM ports"));
    if (!facts.portsReadable) {
        r.verdict = Verdict::Unchecked;
        r.text = tk("doctor.com.unreadable", "the system's list of serial ports could not be read");
        return r;
    }
    const std::string here = facts.comPorts.empty() ? tk("doctor.com.noneHere", "none") : joined(facts.comPorts);
    const bool configuredThere =
        std::any_of(facts.comPorts.begin(), facts.comPorts.end(), [&](const std::string& p) { return equalsNoCase(p, facts.configured); });
    if (!facts.configured.empty() && !configuredThere) {
        r.verdict = Verdict::Fix;
        r.text = formatText(tk("doctor.com.missing", "the settings name %s, which does not exist (ports here: %s)"),
                            {facts.configured, here});
        r.fix = tk("doctor.com.choose", "connect the cradle, then choose one of the ports here in the port settings "
                                        "(or give it for one run: --device COMn)");
        return r;
    }
    if (facts.comPorts.empty()) {
        r.verdict = Verdict::Unchecked;
        r.text = tk("doctor.com.none", "this machine has no COM port now");
        return r;
    }
    r.text = formatText(tk("doctor.com.ok", "ports here: %s"), {here});
    return r;
}

CheckResult comPortBusy(const WindowsFacts& facts)
{
    CheckResult r = make("port-busy", tk("doctor.busy.title", "port in use"));
    std::vector<std::string> free;
    for (const ComPortProbe& p : facts.probed) {
        switch (p.state) {
        case ComPortProbe::State::Free: free.push_back(p.name); break;
        case ComPortProbe::State::Missing: break;  // the port check above tells
        case ComPortProbe::State::InUse:
            r.verdict = Verdict::Fix;
            r.text = formatText(tk("doctor.busy.heldWin", "%s is in use by another program"), {p.name});
            r.fix = tk("doctor.busy.close", "end that program (a terminal program, a modem manager, another FeldSpan) before connecting");
            return r;
        case ComPortProbe::State::Failed:
            r.verdict = Verdict::Fix;
            r.text = formatText(tk("doctor.busy.failed", "%s cannot be opened: %s"), {p.name, p.error});
            r.fix = tk("doctor.busy.device", "look at the port in the Device Manager; plug the cradle in again");
            return r;
        }
    }
    if (free.empty()) {
        r.verdict = Verdict::Unchecked;
        r.text = tk("doctor.busy.noPort", "no serial port to check");
        return r;
    }
    r.text = formatText(tk("doctor.busy.freeWin", "no other program holds %s"), {joined(free)});
    return r;
}

// The drivers through which the update reaches the cradle (libusb's Windows back ends).
bool usableDriver(const std::string& service)
{
    for (const char* name : {"WinUSB", "libusbK", "libusb0"})
        if (equalsNoCase(service, name))
            return true;
    return false;
}

CheckResult cradleDriver(const WindowsFacts& facts)
{
    CheckResult r = make("usb-driver", tk("doctor.driver.title", "USB driver for cradle updates"));
    std::vector<std::string> fine;
    for (const UsbDriverFacts& d : facts.cradles) {
        char idText[16];
        std::snprintf(idText, sizeof idText, "%04x:%04x", d.id.vendor, d.id.product);
        const std::string id = idText;
        if (usableDriver(d.service)) {
            fine.push_back(id + " (" + d.service + ")");
            continue;
        }
        r.verdict = Verdict::Fix;
        r.text = d.service.empty()
                     ? formatText(tk("doctor.driver.none", "the cradle %s waits for an update, and no driver is bound to it"), {id})
                     : formatText(tk("doctor.driver.other", "the cradle %s waits for an update, and its driver %s cannot be "
                                                            "used for it"),
                                  {id, d.service});
        r.fix = formatText(tk("doctor.driver.bind", "bind the WinUSB driver to the device %s (with a driver installer such "
                                                    "as Zadig: choose the device, then WinUSB), then plug the cradle in again"),
                           {id});
        return r;
    }
    if (fine.empty()) {
        r.verdict = Verdict::Unchecked;
        r.text = tk("doctor.driver.noCradle", "no cradle waiting for an update is connected");
        return r;
    }
    r.text = formatText(tk("doctor.driver.ok", "the cradle uses a driver the update works through: %s"), {joined(fine)});
    return r;
}

}  // namespace

const char* verdictName(Verdict v)
{
    switch (v) {
    case Verdict::Ok: return "ok";
    case Verdict::Fix: return "fix";
    case Verdict::Unchecked: return "unchecked";
    case Verdict::Note: return "note";
    }
    return "";
}

std::vector<CheckResult> RunWindowsChecks(const WindowsFacts& facts)
{
    return {comPorts(facts), comPortBusy(facts), cradleDriver(facts)};
}

std::vector<CheckResult> RunSystemChecks(const SystemView& system, const CheckInput& input)
{
    // Groups, udev, ModemManager and fonts are Linux matters.
    if (const std::optional<WindowsFacts> facts = system.windowsFacts(input.port))
        return RunWindowsChecks(*facts);
    const std::vector<std::string> ports = serialPorts(system, input.port);
    std::vector<std::string> usbPorts;
    for (const std::string& p : ports)
        if (p.find("/ttyUSB") != std::string::npos || p.find("/ttyACM") != std::string::npos)
            usbPorts.push_back(p);
    return {serialGroup(system, ports),    udevRules(system),
            modemManager(system, usbPorts), portBusy(system, ports),
            latencyTimer(system),           usbAccess(system, input.port.usbIds),
            chineseFont(system, input.chineseTexts)};
}

bool AllWell(const std::vector<CheckResult>& results)
{
    return std::none_of(results.begin(), results.end(), [](const CheckResult& r) { return r.verdict == Verdict::Fix; });
}

}  // namespace feld
