#include "session/Session.h"

#include <mutex>

#include <cstdlib>

#include "base/Clock.h"
#include "base/Texts.h"
#include "base/Ui.h"
#include "link/LinkPort.h"
#include "link/serial/PortIo.h"
#include "session/Config.h"

namespace feld {

Session::Session(Config& config, Ui& ui, Clock& clock, PortFactory makePort)
    : config_(config), ui_(ui), clock_(clock), makePort_(std::move(makePort)), tracePath_(DefaultTracePath())
{
}

Session::Session(Config& config, Ui& ui) : Session(config, ui, systemClock()) {}

Session::~Session() { link_.reset(); }

std::string Session::DefaultTracePath()
{
    const char* on = std::getenv("FELDSPAN_TRACE");
    if (!on || std::string(on) != "1")
        return {};
    std::string base;
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.cache";
    else
        return {};
    return base + "/feldspan/transfer-trace.dat";
}

PortSettings Session::PortValues() const
{
    std::lock_guard lock(portMutex_);
    return config_.port;
}

void Session::SetPortValues(const PortSettings& port)
{
    std::lock_guard lock(portMutex_);
    config_.port = port;
}

void Session::ChangePortValues(const PortSettings& port)
{
    SetPortValues(port);
    portChanged_.store(true);
    portGiven_.store(false);
}

int Session::ConnectLink(int force)
{
    if (portChanged_.exchange(false) && link_) {
        std::lock_guard lock(linkMutex_);
        link_.reset();  // the old port closes; the new values connect below
    }
    if (!link_) {
        LinkEnv env;
        env.settings = PortValues();
        env.storeSettings = [this](const PortSettings& port) { SetPortValues(port); };
        env.ui = &ui_;
        env.clock = &clock_;
        env.host = this;
        env.mainPath = config_.mainPath;
        env.firmwareUpdateFlag = &firmwareUpdate_;
        env.makePort = makePort_;
        env.tracePath = tracePath_;
        env.portGiven = portGiven_.load();
        auto link = std::make_unique<PdtLink>(std::move(env));
        if (cancel_.load())
            link->Cancel();
        std::lock_guard lock(linkMutex_);
        link_ = std::move(link);
    } else if (!link_->IsPortOpen()) {
        // A link that is not connected takes the values as they are now.
        link_->SetPortSettings(PortValues());
    }
    if (link_->Connect(force))
        return 1;
    bool shown = link_->ConnectFailureShown();
    std::string why = link_->LastConnectError();
    {
        std::lock_guard lock(linkMutex_);
        link_.reset();
    }
    if (!shown) {
        std::string text = TextCatalog::instance().text(txt::kConnectFailed);
        if (!why.empty())
            text += "\n" + why;
        ui_.showMessage(txt::kConnectFailed, text, Icon::Exclamation);
    }
    return 0;
}

int Session::CheckConnected()
{
    if (!link_) {
        ui_.message(txt::kNotConnected, Icon::Exclamation);
        return 0;
    }
    if (!link_->IsPortOpen()) {
        ui_.message(txt::kPortFailed, Icon::Exclamation);
        return 0;
    }
    return 1;
}

void Session::DropLink()
{
    std::lock_guard lock(linkMutex_);
    link_.reset();
}

void Session::CancelOperation()
{
    cancel_.store(true);
    std::lock_guard lock(linkMutex_);
    if (link_)
        link_->Cancel();
}

bool Session::ReportCancelled()
{
    if (!cancel_.load())
        return false;
    if (!cancelReported_.exchange(true))
        ui_.fixedMessage(tk("transfer.cancelled", "The transfer was cancelled: nothing of the file was kept."), Icon::Information);
    return true;
}

void Session::ResetCancel()
{
    cancel_.store(false);
    cancelReported_.store(false);
    std::lock_guard lock(linkMutex_);
    if (link_)
        link_->ResetCancel();
}

void Session::BeginOperation()
{
    operationStart_.store(clock_.calendarSeconds());
    busy_.store(1);
}

void Session::EndOperation()
{
    operationEnd_.store(clock_.calendarSeconds());
    CheckMissedSchedule();
    busy_.store(0);
}

void Session::AbortOperation() { busy_.store(0); }

void Session::CheckMissedSchedule()
{
    std::int64_t start = operationStart_.load();
    std::int64_t end = operationEnd_.load();
    for (std::int64_t fixed : config_.standby.fixTime) {
        if (start < fixed && fixed < end)
            missedSchedule_.store(1);
    }
}

std::string Session::PortStatusText(const PortSettings& port)
{
    if (port.portChoice == 0)
        return "USB";
#ifdef _WIN32
    // "Com5" for COM5 (given as a number or a name); another device as it is named.
    std::string name = portio::canonicalDevicePath(Config::serialDevicePath(port));
    if (name.rfind("COM", 0) == 0)
        name = "Com" + name.substr(3);
#else
    // The device's own name stands where Windows names the COM port: "ttyUSB0", "ttyS0", "pts/3".
    std::string name = Config::serialDevicePath(port);
    name = name.rfind("/dev/", 0) == 0 ? name.substr(5) : name.substr(name.rfind('/') + 1);
#endif
    std::string text = formatText("%s,%ld,N,%d,%d", {name, static_cast<long>(port.baudrate), port.databits,
                                                     port.stopbits == 0 ? 1 : port.stopbits});
    std::size_t n = text.find(",N,");
    if (n != std::string::npos && (port.parity == 1 || port.parity == 2))
        text[n + 1] = port.parity == 1 ? 'O' : 'E';
    return text;
}

void Session::ShowPortStatus(int disconnected)
{
    if (disconnected) {
        residentTimerArmed_.store(false);
        ui_.showPortStatus(true, {});
    } else {
        ui_.showPortStatus(false, PortStatusText(PortValues()));
    }
}

}  // namespace feld
