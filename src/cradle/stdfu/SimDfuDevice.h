#pragma once
// One simulated cradle behind the DFU library: a USB identity, the run-time and DFU modes, the DFU
// states with their poll time-outs, injected status errors, and 64 KiB of flash that keeps what
// was written to it. The start command (0x56 0xAE as block 0xFFFF) erases the write area; a data
// block programs flash at block x 8 (programming only clears bits, as on real flash).

#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "cradle/stdfu/DfuTypes.h"

namespace feld::stdfu {

struct SimDfuConfig {
    std::string manufacturer = "FeldSpan";
    std::string name = "FeldSpan Cradle (simulated)";
    std::uint16_t vendor = 0xFE1D;
    std::uint16_t product = 0x0C8D;  // run-time mode; DFU mode answers 0xDF11
    std::uint16_t release = 0x0110;
    std::uint16_t transferSize = 128;
    std::uint16_t detachTimeout = 1000;
    std::uint8_t attributes = kCanDownload | kManifestationTolerant | kWillDetach;
    bool dfuMode = false;                // attached already in DFU mode
    std::uint8_t initialState = kDfuIdle;  // its state then
    std::uint32_t pollMs = 20;           // poll time-out after a data block
    std::uint32_t startPollMs = 250;     // poll time-out after the start command
    std::optional<std::uint16_t> failBlock;  // the status after this block reports failStatus
    std::uint8_t failStatus = kErrWrite;
    bool finalError = false;             // the length-0 download leaves the error state
    std::uint8_t manifestStatus = kStatusOk;  // non-zero: the status request that manifests reports it
    bool accessDenied = false;           // opening fails as if the system refused access
    std::uint8_t fill = 0x00;            // flash content before anything is written
    std::string memoryFile;              // or the flash content from this file (up to 64 KiB)
    std::string dumpPath;                // flash written here at every close
    std::string logPath;                 // one line per request appended here
};

// One request the device saw, for tests.
struct SimDfuEvent {
    std::string op;             // "open", "detach", "getstate", "getstatus", "clrstatus", "abort", "dnload", "close"
    std::uint16_t block = 0;    // dnload
    unsigned length = 0;        // dnload
    std::uint8_t state = 0;     // the state reported or reached
    std::uint8_t status = 0;    // getstatus: the status byte reported
    bool accepted = true;       // false: the device stalled the request
};

class SimDfuDevice {
public:
    explicit SimDfuDevice(SimDfuConfig config);

    const SimDfuConfig& config() const { return config_; }
    UsbDeviceDescriptor deviceDescriptor() const;
    DfuFunctionalDescriptor dfuDescriptor() const;
    // String 1 is the manufacturer, 2 the product name; others do not exist.
    std::optional<std::string> stringDescriptor(unsigned index) const;

    // The requests; false means the device stalled it (the state then is the error state).
    bool open(std::string& why);
    bool detach(std::uint16_t timeoutMs);
    bool getState(std::uint8_t& state);
    bool getStatus(DfuStatus& status);
    bool clearStatus();
    bool abort();
    bool download(const std::uint8_t* data, unsigned length, std::uint16_t block);
    void close();

    std::array<std::uint8_t, 0x10000> memory() const;
    std::vector<SimDfuEvent> events() const;
    std::uint8_t state() const;
    bool inDfuMode() const;

private:
    bool stall(const char* op, unsigned length = 0, std::uint16_t block = 0);
    void record(SimDfuEvent event);
    void program(std::uint32_t address, const std::uint8_t* data, unsigned length);
    std::uint32_t writeAreaStart() const;

    SimDfuConfig config_;
    mutable std::mutex mutex_;
    bool dfuMode_ = false;
    std::uint8_t state_ = kAppIdle;
    std::uint8_t status_ = kStatusOk;
    bool busy_ = false;           // a download waits for its first status request
    std::uint32_t busyPoll_ = 0;  // the poll time-out that status request reports
    bool erased_ = false;         // the start command was seen since the last reset
    std::array<std::uint8_t, 0x10000> memory_{};
    std::vector<SimDfuEvent> events_;
};

}  // namespace feld::stdfu
