// The link's connection policy: opening the port from the settings (serial or USB), the link
// check and the 30-second window after a good exchange in which none is needed, and reopening a
// serial port at another speed.

#include "base/Clock.h"
#include "base/Texts.h"
#include "base/Ui.h"
#include "link/LinkHost.h"
#include "link/LinkPort.h"
#include "link/PdtLink.h"
#include "link/serial/CSerialCom.h"
#include "link/wire/TermStatus.h"

namespace feld {

namespace {

constexpr int kLinkAliveSeconds = 30;
constexpr int kSettleMs = 100;

LinkEnv withDefaults(LinkEnv env)
{
    if (!env.clock)
        env.clock = &systemClock();
    return env;
}

}  // namespace

PdtLink::PdtLink(LinkEnv env) : env_(withDefaults(std::move(env))), engine_(*env_.clock, env_.ui, &env_.settings)
{
    engine_.OnFlashWriterRequest([this](std::int16_t c, std::int16_t n) { TakeModelReply(c, n); });
}

PdtLink::~PdtLink() = default;

std::unique_ptr<LinkPort> PdtLink::MakePort()
{
    std::unique_ptr<SerialDevice> device = env_.makePort ? env_.makePort(env_.settings) : std::make_unique<CSerialCom>(env_.settings);
    if (!device)
        return nullptr;
    return std::make_unique<LinkPort>(std::move(device), &env_.settings, env_.ui);
}

void PdtLink::ShowPortStatus(int disconnected)
{
    if (env_.host)
        env_.host->ShowPortStatus(disconnected);
}

void PdtLink::StoreSettings()
{
    if (env_.storeSettings)
        env_.storeSettings(env_.settings);
}

void PdtLink::TakeModelReply(std::int16_t modelClass, std::int16_t modelNumber)
{
    modelClass_ = modelClass;
    modelNumber_ = modelNumber;
    if (modelClass_ != term::kModelReportClass)
        return;
    if (term::IsSupportedModel(modelClass_, modelNumber_))
        flashWriterPath_ = term::FlashWriterPath(env_.mainPath);
    else if (env_.ui)
        env_.ui->showMessage(txt::kNoFlashWriter, term::unsupportedModelText(modelClass_, modelNumber_), Icon::Exclamation);
}

int PdtLink::IsPortOpen() { return Port() && Port()->IsOpen() ? 1 : 0; }

void PdtLink::MarkLinkAlive() { linkAliveDeadline_ = env_.clock->monotonicSeconds() + kLinkAliveSeconds; }

int PdtLink::ReopenPort(int baud)
{
    if (env_.settings.portChoice == 0)
        return 1;
    engine_.SetPort(nullptr);  // releases the device before the new port opens it
    std::unique_ptr<LinkPort> port = MakePort();
    if (!port) {
        lastConnectError_ = tk("link.noPort", "the port could not be made");
        return 0;
    }
    port->Device().SetPortSerial();
    port->SetOwner(this);
    port->Device().CloseConnection();
    if (baud != 0)
        port->SetBaudRate(baud);
    if (!port->Device().OpenConnection()) {
        lastConnectError_ = port->Device().LastError();
        engine_.SetPort(std::move(port));  // kept, closed: IsPortOpen says so and Connect reopens it
        linkAliveDeadline_ = 0;
        return 0;
    }
    port->SetMode(LinkPort::kModeRing);
    ShowOpenNote(port->Device().OpenNote());
    engine_.SetPort(std::move(port));
    return 1;
}

void PdtLink::ShowOpenNote(const std::string& note)
{
    // The port is opened again for each rate and each connection; what opening it noted is news
    // only the first time.
    if (note.empty() || note == openNoteShown_)
        return;
    openNoteShown_ = note;
    if (env_.ui)
        env_.ui->debugLine(note);
}

int PdtLink::EnsureLink()
{
    if (linkAliveDeadline_ != 0 && env_.clock->monotonicSeconds() < linkAliveDeadline_)
        return 1;
    if (!ReopenPort(0))
        return 0;
    int r = SendTransfer(wire::kLinkCheck, 0, nullptr, false);
    if (env_.settings.portChoice == 0) {
        env_.clock->sleepMs(kSettleMs);
        r = SendTransfer(wire::kLinkCheck, 0, nullptr, false);
    }
    if (r != term::kDone)
        return 0;
    MarkLinkAlive();
    return 1;
}

int PdtLink::Connect(int force)
{
    connectFailureShown_ = false;
    lastConnectError_.clear();
    PortSettings& settings = env_.settings;
    bool openNow = false;  // USB without a serial port number: straight to opening

    if (Port() && Port()->IsOpen() && !force) {
        ShowPortStatus(0);
        return 1;
    }
    if (settings.portChoice != 0) {
        if (!Port())
            engine_.SetPort(MakePort());
        LinkPort* port = Port();
        if (!port) {
            ShowPortStatus(1);
            return 0;
        }
        port->Device().SetPortSerial();
        port->SetOwner(this);
        if (env_.portGiven && !force) {
            // The port was chosen on the command line: it is opened as given.
        } else if (!port->ShowSettings()) {
            lastConnectError_ = tk("link.settingsCancelled", "the port settings were cancelled");
            ShowPortStatus(1);
            return 0;
        }
        linkAliveDeadline_ = 0;
        const TtyInfo& info = port->Device().Info();
        settings.serialPort = info.portNumber;
        settings.selPort = info.selPort;
        settings.baudrate = info.baudRate;
        settings.databits = info.dataBits;
        settings.parity = info.parity;
        settings.stopbits = info.stopBits;
        settings.serialDevice = info.devicePath;
        settings.connectEnabled = info.connectEnabled != 0;
        StoreSettings();
        port->Device().CloseConnection();
    } else {
        if (Port())
            Port()->Device().CloseConnection();
        else
            engine_.SetPort(MakePort());
        LinkPort* port = Port();
        if (!port) {
            ShowPortStatus(1);
            return 0;
        }
        if (port->Device().SetPortUSB() != 1) {
            lastConnectError_ = port->Device().LastError();
            ShowPortStatus(1);
            return 0;
        }
        int com = port->Device().UsbComNumber();
        if (com != 0) {
            // The USB terminal's serial port runs at 115200-8N1, whatever was stored for the
            // serial port; the settings now name it.
            linkAliveDeadline_ = 0;
            settings.serialPort = com;
            settings.baudrate = 115200;
            settings.databits = 8;
            settings.parity = 0;
            settings.stopbits = 0;
            // A serial port is opened by its device path; the number alone would stand for
            // /dev/ttyS(n-1).
            settings.serialDevice = port->Device().Info().devicePath;
            StoreSettings();
            TtyInfo& info = port->Device().Info();
            info.portNumber = com;
            info.baudRate = 115200;
            info.dataBits = 8;
            info.parity = 0;
            info.stopBits = 0;
            port->Device().CloseConnection();
        } else {
            port->SetOwner(this);
            ShowPortStatus(0);
            linkAliveDeadline_ = 0;
            openNow = true;
        }
    }
    LinkPort* port = Port();
    if (!openNow && port->ConnectEnabled() == 0) {
        lastConnectError_ = tk("link.connectOff", "connecting is switched off in the port settings");
        return 0;
    }
    if (!port->Device().OpenConnection()) {
        if (env_.ui) {
            std::string text = TextCatalog::instance().text(txt::kConnectFailed);
            std::string why = port->Device().LastError();
            lastConnectError_ = why;
            if (!why.empty())
                text += "\n" + why;
            env_.ui->showMessage(txt::kConnectFailed, text, Icon::Exclamation);
            connectFailureShown_ = true;
        }
        ShowPortStatus(1);
        return 0;
    }
    port->SetMode(LinkPort::kModeRing);
    ShowOpenNote(port->Device().OpenNote());
    if (env_.firmwareUpdateFlag && env_.firmwareUpdateFlag->load() != 0) {
        ShowPortStatus(0);
        return 1;
    }
    if (EnsureLink()) {
        ShowPortStatus(0);
        return 1;
    }
    if (Port() && !Port()->Device().LastError().empty())
        lastConnectError_ = Port()->Device().LastError();
    else
        lastConnectError_ = tk("link.noLinkCheck", "the terminal did not answer the link check (is it switched on and in transfer mode?)");
    return 0;
}

}  // namespace feld
