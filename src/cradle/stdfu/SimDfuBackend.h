#pragma once
// Simulated cradles behind the DFU library, for the tests and the demo.
//
// A description names one or more devices, one "key=value" per line ('#' starts a comment, a line
// "[device]" starts the next device), or the same pairs separated by ';' in one string:
//   name=TEXT  manufacturer=TEXT  vendor=N  product=N  release=N  transfer=N  detach-timeout=N
//   attributes=N  mode=runtime|dfu  state=N (the DFU state when attached in DFU mode)
//   poll=MS  start-poll=MS  fail-block=N  fail-status=N  final-error=0|1  access=ok|denied
//   manifest-status=N (the status the request after the last download reports: the cradle refusing
//   the firmware at manifestation; 0, the default, takes it)  fill=N  memory=FILE  dump=FILE  log=FILE
// Numbers are decimal or 0x-hex. "1" (or an empty description) is one default cradle, "none" a
// bus without any.

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "cradle/stdfu/DfuBackend.h"
#include "cradle/stdfu/SimDfuDevice.h"

namespace feld::stdfu {

class SimDfuBackend : public DfuBackend {
public:
    explicit SimDfuBackend(std::vector<std::shared_ptr<SimDfuDevice>> devices);

    // From FELDSPAN_DFU_SIM's value: "1", "none", a description file, or an inline description. A bad
    // description gives a backend whose enumeration fails with the reason.
    static std::shared_ptr<SimDfuBackend> fromDescription(const std::string& description);
    // Parses a description; false with the reason in `error`.
    static bool parseDescription(const std::string& text, std::vector<SimDfuConfig>& out, std::string& error);

    const std::vector<std::shared_ptr<SimDfuDevice>>& devices() const { return devices_; }

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

private:
    std::uint32_t fail(std::uint32_t code, std::string why);
    std::shared_ptr<SimDfuDevice> device(unsigned index);
    std::shared_ptr<SimDfuDevice> opened(DfuHandle handle);
    std::uint32_t request(DfuHandle handle, const char* what, bool (SimDfuDevice::*call)());

    std::vector<std::shared_ptr<SimDfuDevice>> devices_;
    std::string setupError_;
    mutable std::mutex mutex_;
    std::map<DfuHandle, std::shared_ptr<SimDfuDevice>> open_;
    DfuHandle nextHandle_ = 1;
    std::string lastError_;
};

}  // namespace feld::stdfu
