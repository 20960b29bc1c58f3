#pragma once
// The link's port: a serial (or USB serial) device plus the receive ring its reader thread fills.
// Writes return 1 (all written), 0 (failed) or 1000 (write time-out).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "link/ReceiveRing.h"
#include "link/serial/SerialDevice.h"

namespace feld {

class PdtLink;
class Ui;
struct PortSettings;

class LinkPort {
public:
    // Mode in which received bytes go to the ring; any other mode drops them.
    static constexpr int kModeRing = 4;

    // `settings` is read for the port choice; `ui` shows line errors and the activity icon.
    LinkPort(std::unique_ptr<SerialDevice> device, const PortSettings* settings, Ui* ui);
    ~LinkPort();
    LinkPort(const LinkPort&) = delete;
    LinkPort& operator=(const LinkPort&) = delete;

    // The receive hook: with mode 4 the bytes go to the ring. Always 1.
    int OnReceive(const std::uint8_t* data, int count);
    void SetOwner(PdtLink* link) { owner_ = link; mode_.store(kModeRing); }
    void SetMode(int m) { mode_.store(m); }
    int Mode() const { return mode_.load(); }
    PdtLink* Owner() const { return owner_; }

    int Write(const std::uint8_t* data, std::size_t count);
    // A data frame's head, payload and tail: written in order, the later pieces only when the
    // earlier ones went out. One hand-over to the device, one result.
    int WriteFrame(const std::uint8_t* head, std::size_t headSize, const std::uint8_t* payload, std::size_t payloadSize,
                   const std::uint8_t* tail, std::size_t tailSize);
    // The same, handed over without waiting for the bytes to go out (see SerialDevice::PostPieces):
    // for frames whose answer is waited for next.
    int PostFrame(const std::uint8_t* head, std::size_t headSize, const std::uint8_t* payload, std::size_t payloadSize,
                  const std::uint8_t* tail, std::size_t tailSize);
    void Purge();
    int IsOpen();
    // The port settings dialog on the port record; copies the connect-enabled flag. True for OK.
    bool ShowSettings();

    int BaudRate() const;
    void SetBaudRate(int baud);
    int DataBits() const;
    int Parity() const;
    int StopBits() const;
    int PortNumber() const;
    int SelPort() const;
    int ConnectEnabled() const;

    std::size_t ReadRing(std::uint8_t* out, std::size_t max, std::size_t& count, std::uint16_t& sum);
    void ResetRing() { ring_.Reset(); }
    // What a reader blocks on until the bytes of a frame are in (through the clock's wait).
    ReceiveRing& Ring() { return ring_; }

    SerialDevice& Device() { return *device_; }

private:
    int Finish(int result);

    std::unique_ptr<SerialDevice> device_;
    const PortSettings* settings_;
    Ui* ui_;
    std::atomic<int> mode_{0};
    PdtLink* owner_ = nullptr;
    ReceiveRing ring_;
};

}  // namespace feld
