#pragma once
// The DFU library over libusb-1.0: devices with a DFU interface (class 0xFE, subclass 1), their
// descriptors, and the DFU 1.1 class requests on an open, claimed interface.

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "cradle/stdfu/DfuBackend.h"

struct libusb_context;
struct libusb_device;
struct libusb_device_handle;

namespace feld::stdfu {

class UsbDfuBackend : public DfuBackend {
public:
    UsbDfuBackend();
    ~UsbDfuBackend() override;
    UsbDfuBackend(const UsbDfuBackend&) = delete;
    UsbDfuBackend& operator=(const UsbDfuBackend&) = delete;

    std::uint32_t enumerate(unsigned& count) override;
    std::uint32_t deviceDescriptor(unsigned index, UsbDeviceDescriptor& out) override;
    std::uint32_t stringDescriptor(unsigned index, unsigned stringIndex, char* buffer, unsigned size) override;
    std::uint32_t dfuDescriptor(unsigned index, DfuFunctionalDescriptor& out, unsigned& extra) override;
    std::uint32_t open(unsigned index, DfuHandle& handle) override;
    std::uint32_t detach(DfuHandle handle, std::uint16_t timeoutMs) override;
    std::uint32_t getState(DfuHandle handle, std::uint8_t& state) override;
    std::uint32_t getStatus(DfuHandle handle, DfuStatus& status) override;
    std::uint32_t clearStatus(DfuHandle handle) override;
    std::uint32_t abort(DfuHandle handle) override;
    std::uint32_t download(DfuHandle handle, const std::uint8_t* data, unsigned length, std::uint16_t block) override;
    std::uint32_t close(DfuHandle handle) override;
    std::string lastError() const override;

    // A DFU interface found on the bus.
    struct Found {
        std::shared_ptr<libusb_device> device;  // one reference, given back with the last copy
        int interfaceNumber = 0;
        int altSetting = 0;
        bool dfuMode = false;             // interface protocol 2
        DfuFunctionalDescriptor functional;
        std::vector<std::uint8_t> portPath;  // bus number, then the port numbers
    };

private:
    // An open, claimed interface. It is released and closed when its last user lets go, so a
    // request under way keeps it open even while close() runs on another thread.
    struct Open {
        Open(libusb_device_handle* h, Found w) : handle(h), where(std::move(w)) {}
        ~Open();
        Open(const Open&) = delete;
        Open& operator=(const Open&) = delete;
        libusb_device_handle* handle;
        Found where;
    };

    // The mutex guards the lists and the last error only, and is never held while the bus or a
    // device is asked: a cradle that takes seconds to answer (or a detach that waits a minute
    // for it to come back) must not stop a listing or a progress look on another thread.
    std::uint32_t fail(std::uint32_t code, std::string why);
    std::uint32_t usbFailure(int error, const std::string& what);
    std::uint32_t openFound(const Found& found, libusb_device_handle*& out);
    bool listed(unsigned index, Found& out);
    std::shared_ptr<Open> opened(DfuHandle handle);
    std::uint32_t control(DfuHandle handle, bool in, std::uint8_t request, std::uint16_t value,
                          std::uint8_t* data, std::uint16_t length, const char* what, int* transferred = nullptr);
    std::uint32_t control(const Open& o, bool in, std::uint8_t request, std::uint16_t value,
                          std::uint8_t* data, std::uint16_t length, const char* what, int* transferred = nullptr);
    std::vector<Found> scan();

    libusb_context* context_ = nullptr;
    int initError_ = 0;
    mutable std::mutex mutex_;
    std::vector<Found> list_;
    std::map<DfuHandle, std::shared_ptr<Open>> open_;
    DfuHandle nextHandle_ = 1;
    std::string lastError_;
};

}  // namespace feld::stdfu
