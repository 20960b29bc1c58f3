#include "link/LinkPort.h"

#include "base/PortSettings.h"
#include "base/Texts.h"
#include "base/Ui.h"

namespace feld {

LinkPort::LinkPort(std::unique_ptr<SerialDevice> device, const PortSettings* settings, Ui* ui)
    : device_(std::move(device)), settings_(settings), ui_(ui)
{
    device_->SetReceiveHook([this](const std::uint8_t* data, int count) { OnReceive(data, count); });
    device_->SetActivityHook([this](int code) {
        if (ui_)
            ui_->setActivityIcon(code);
    });
    device_->SetGatherHint([this] { return ring_.Shortfall(); });
}

LinkPort::~LinkPort()
{
    // The reader thread must stop before the ring goes away.
    device_->CloseConnection();
}

int LinkPort::OnReceive(const std::uint8_t* data, int count)
{
    if (count <= 0 || !data) {
        ring_.Wake();  // the device's state changed (closed, gone): let a waiting reader look
        return 1;
    }
    if (mode_.load(std::memory_order_relaxed) == kModeRing)
        ring_.Push(data, static_cast<std::size_t>(count));
    return 1;
}

int LinkPort::Finish(int result)
{
    if (result == kWriteFailed) {
        unsigned errors = device_->LineErrors();
        if (errors != 0 && device_->Info().reportLineErrors && ui_)
            ui_->fixedMessage(formatText("<CE-%u>", {errors}), Icon::Exclamation);
    }
    // A write that went out leaves the icon to the transfer, which keeps it moving from frame to
    // frame and removes it at its end; one that failed or timed out removes it now.
    if (ui_ && result != kWriteOk)
        ui_->setActivityIcon(0);
    return result;
}

int LinkPort::Write(const std::uint8_t* data, std::size_t count)
{
    WritePiece p{data, count};
    if (device_->Info().kind == DeviceKind::UsbBlock)
        return device_->WritePieces(&p, 1, false);
    return Finish(device_->WritePieces(&p, 1, true));
}

int LinkPort::WriteFrame(const std::uint8_t* head, std::size_t headSize, const std::uint8_t* payload, std::size_t payloadSize,
                         const std::uint8_t* tail, std::size_t tailSize)
{
    WritePiece p[3] = {{head, headSize}, {payload, payloadSize}, {tail, tailSize}};
    if (device_->Info().kind == DeviceKind::UsbBlock)
        return device_->WritePieces(p, 3, false);
    return Finish(device_->WritePieces(p, 3, true));
}

int LinkPort::PostFrame(const std::uint8_t* head, std::size_t headSize, const std::uint8_t* payload, std::size_t payloadSize,
                        const std::uint8_t* tail, std::size_t tailSize)
{
    WritePiece p[3] = {{head, headSize}, {payload, payloadSize}, {tail, tailSize}};
    return device_->PostPieces(p, 3, device_->Info().kind != DeviceKind::UsbBlock);
}

void LinkPort::Purge() { device_->Purge(); }

int LinkPort::IsOpen()
{
    const TtyInfo& info = device_->Info();
    if (!settings_ || settings_->portChoice != 0)
        return info.kind == DeviceKind::Com && device_->IsOpenHandle() ? 1 : 0;
    if (info.kind == DeviceKind::UsbCom && device_->IsOpenHandle())
        return 1;
    return device_->IsConnectToUSB() ? 1 : 0;
}

bool LinkPort::ShowSettings()
{
    TtyInfo& info = device_->Info();
    PortSettings edit = settings_ ? *settings_ : PortSettings{};
    edit.serialPort = info.portNumber;
    edit.selPort = info.selPort;
    edit.baudrate = info.baudRate;
    edit.databits = info.dataBits;
    edit.parity = info.parity;
    edit.stopbits = info.stopBits;
    edit.connectEnabled = info.connectEnabled != 0;
    edit.reportLineErrors = info.reportLineErrors != 0;
    bool ok = ui_ ? ui_->editPortSettings(edit) : true;
    if (ok) {
        info.portNumber = edit.serialPort;
        info.selPort = edit.selPort;
        info.baudRate = edit.baudrate;
        info.dataBits = edit.databits;
        info.parity = edit.parity;
        info.stopBits = edit.stopbits;
        info.reportLineErrors = edit.reportLineErrors ? 1 : 0;
        if (info.kind == DeviceKind::Com)
            info.devicePath = edit.serialDevice;  // empty: the port number picks the device
    }
    info.connectEnabled = edit.connectEnabled ? 1 : 0;
    return ok;
}

int LinkPort::BaudRate() const { return device_->Info().baudRate; }
void LinkPort::SetBaudRate(int baud) { device_->Info().baudRate = baud; }
int LinkPort::DataBits() const { return device_->Info().dataBits; }
int LinkPort::Parity() const { return device_->Info().parity; }
int LinkPort::StopBits() const { return device_->Info().stopBits; }
int LinkPort::PortNumber() const { return device_->Info().portNumber; }
int LinkPort::SelPort() const { return device_->Info().selPort; }
int LinkPort::ConnectEnabled() const { return device_->Info().connectEnabled; }

std::size_t LinkPort::ReadRing(std::uint8_t* out, std::size_t max, std::size_t& count, std::uint16_t& sum)
{
    count = ring_.Read(out, max, sum);
    return count;
}

}  // namespace feld
