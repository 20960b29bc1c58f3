#pragma once
// What stands behind the STDFU_* functions: the USB bus (libusb) or a simulated device. Both answer
// with the library's codes and keep the reason of their last failure for STDFU_LastError.

#include <cstdint>
#include <string>

#include "cradle/stdfu/DfuTypes.h"

namespace feld::stdfu {

class DfuBackend {
public:
    virtual ~DfuBackend() = default;

    // Looks for devices with a DFU interface again; the indexes of the other calls name this list.
    virtual std::uint32_t enumerate(unsigned& count) = 0;
    virtual std::uint32_t deviceDescriptor(unsigned index, UsbDeviceDescriptor& out) = 0;
    // A string descriptor as NUL-terminated text (ASCII; other characters become '?').
    virtual std::uint32_t stringDescriptor(unsigned index, unsigned stringIndex, char* buffer, unsigned size) = 0;
    // The DFU functional descriptor; `extra` is the largest block one download carries.
    virtual std::uint32_t dfuDescriptor(unsigned index, DfuFunctionalDescriptor& out, unsigned& extra) = 0;
    virtual std::uint32_t open(unsigned index, DfuHandle& handle) = 0;

    virtual std::uint32_t detach(DfuHandle handle, std::uint16_t timeoutMs) = 0;
    virtual std::uint32_t getState(DfuHandle handle, std::uint8_t& state) = 0;
    virtual std::uint32_t getStatus(DfuHandle handle, DfuStatus& status) = 0;
    virtual std::uint32_t clearStatus(DfuHandle handle) = 0;
    virtual std::uint32_t abort(DfuHandle handle) = 0;
    virtual std::uint32_t download(DfuHandle handle, const std::uint8_t* data, unsigned length, std::uint16_t block) = 0;
    virtual std::uint32_t close(DfuHandle handle) = 0;

    // The reason of the last failure in words ("" after success).
    virtual std::string lastError() const = 0;
};

}  // namespace feld::stdfu
