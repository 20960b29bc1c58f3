#include "cradle/DfuDeviceList.h"

#include "base/Ui.h"
#include "cradle/stdfu/Stdfu.h"

namespace feld {

using namespace stdfu;

bool ListDfuDevices(Ui& ui, std::vector<DfuDeviceInfo>& devices, std::string* why)
{
    devices.clear();
    unsigned count = 0;
    std::uint32_t rc = STDFU_EnumGetNbDevices(&count, nullptr, kDfuEnumKind);
    if (why)
        *why = rc == kOk ? std::string() : STDFU_LastError();
    if (rc != kOk || count == 0) {
        ui.message(txt::kNoCradleDevice, Icon::Exclamation);
        return false;
    }
    for (unsigned i = 0; i < count; ++i) {
        UsbDeviceDescriptor d;
        if (STDFU_GetDeviceDescriptor(i, &d) != kOk)
            continue;
        char name[255];
        if (STDFU_GetStringDescriptor(i, d.iProduct, name, sizeof name) != kOk)
            continue;
        devices.push_back({i, d.idVendor, d.idProduct, d.bcdDevice, name});
    }
    if (devices.empty()) {
        // Devices answered the count but none could be read.
        if (why)
            *why = STDFU_LastError();
        ui.message(txt::kNoCradleDevice, Icon::Exclamation);
        return false;
    }
    return true;
}

}  // namespace feld
