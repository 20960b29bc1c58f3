#pragma once
// The DFU devices attached, by product name, with the identity the update checks compare with
// the firmware file.

#include <cstdint>
#include <string>
#include <vector>

namespace feld {

class Ui;

struct DfuDeviceInfo {
    unsigned index = 0;  // the device's place in the DFU library's list
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    std::uint16_t release = 0;
    std::string name;
};

// The value the update passes with its device count request.
constexpr unsigned kDfuEnumKind = 2258;

// Lists the devices whose device and product-string descriptors can be read (others are left
// out). With none found, shows kNoCradleDevice and returns false. `why` receives the library's
// reason when the listing itself failed.
bool ListDfuDevices(Ui& ui, std::vector<DfuDeviceInfo>& devices, std::string* why = nullptr);

}  // namespace feld
