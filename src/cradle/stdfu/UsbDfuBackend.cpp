#include "cradle/stdfu/UsbDfuBackend.h"

#include <libusb.h>

#include <cstdio>
#include <cstring>

#include "base/Clock.h"
#include "base/Texts.h"

namespace feld::stdfu {

namespace {

constexpr unsigned kControlTimeoutMs = 5000;
// How long a detached cradle may take to come back in DFU mode, beyond its own detach time-out.
constexpr int kReturnGraceMs = 5000;

// DFU class requests.
constexpr std::uint8_t kDetach = 0;
constexpr std::uint8_t kDnload = 1;
constexpr std::uint8_t kGetStatus = 3;
constexpr std::uint8_t kClrStatus = 4;
constexpr std::uint8_t kGetState = 5;
constexpr std::uint8_t kAbort = 6;

constexpr std::uint8_t kOut = 0x21;  // host to device, class request, to the interface
constexpr std::uint8_t kIn = 0xA1;   // device to host, class request, to the interface

// Finds the 9-byte DFU functional descriptor (type 0x21) in a block of class-specific descriptors.
bool findFunctional(const unsigned char* extra, int length, DfuFunctionalDescriptor& out)
{
    int pos = 0;
    while (extra && pos + 2 <= length) {
        int len = extra[pos];
        if (len < 2 || pos + len > length)
            return false;
        if (extra[pos + 1] == 0x21 && len >= 7) {
            const unsigned char* d = extra + pos;
            out.bLength = d[0];
            out.bDescriptorType = d[1];
            out.bmAttributes = d[2];
            out.wDetachTimeOut = static_cast<std::uint16_t>(d[3] | d[4] << 8);
            out.wTransferSize = static_cast<std::uint16_t>(d[5] | d[6] << 8);
            out.bcdDFUVersion = len >= 9 ? static_cast<std::uint16_t>(d[7] | d[8] << 8) : 0x0100;
            return true;
        }
        pos += len;
    }
    return false;
}

std::string where(libusb_device* device)
{
    char b[64];
    std::snprintf(b, sizeof b, "USB bus %u device %u", libusb_get_bus_number(device), libusb_get_device_address(device));
    return b;
}

}  // namespace

UsbDfuBackend::UsbDfuBackend()
{
    initError_ = libusb_init(&context_);
    if (initError_ != 0)
        context_ = nullptr;
}

UsbDfuBackend::~UsbDfuBackend()
{
    // Every handle and device reference goes back before the context ends.
    open_.clear();
    list_.clear();
    if (context_)
        libusb_exit(context_);
}

UsbDfuBackend::Open::~Open()
{
    libusb_release_interface(handle, where.interfaceNumber);
    libusb_close(handle);
}

std::string UsbDfuBackend::lastError() const
{
    std::lock_guard lock(mutex_);
    return lastError_;
}

std::uint32_t UsbDfuBackend::fail(std::uint32_t code, std::string why)
{
    std::lock_guard lock(mutex_);
    lastError_ = std::move(why);
    return code;
}

std::uint32_t UsbDfuBackend::usbFailure(int error, const std::string& what)
{
    std::string reason = what + ": " + libusb_strerror(static_cast<libusb_error>(error));
    switch (error) {
    case LIBUSB_ERROR_ACCESS:
        return fail(kAccessDenied,
                    formatText(tk("cradle.usb.access", "%s - the system denies this user access to the cradle; install a udev "
                                                       "rule such as SUBSYSTEM==\"usb\", ATTR{bInterfaceClass}==\"fe\", "
                                                       "TAG+=\"uaccess\" in /etc/udev/rules.d/70-feldspan-cradle.rules (or add "
                                                       "your user to the group that owns the device), then reconnect the cradle"),
                               {reason}));
    case LIBUSB_ERROR_NO_DEVICE:
        return fail(kDeviceGone, formatText(tk("cradle.usb.gone", "%s - the cradle was disconnected; reconnect it and list the "
                                                                  "devices again"),
                                            {reason}));
    case LIBUSB_ERROR_TIMEOUT:
        return fail(kTimeout, reason);
    case LIBUSB_ERROR_BUSY:
        return fail(kClaimFailed, formatText(tk("cradle.usb.busy", "%s - another program uses the cradle's DFU interface"), {reason}));
    case LIBUSB_ERROR_PIPE:
        return fail(kRequestFailed, formatText(tk("cradle.usb.stall", "%s (the device stalled the request)"), {reason}));
    default:
        return fail(kRequestFailed, reason);
    }
}

std::vector<UsbDfuBackend::Found> UsbDfuBackend::scan()
{
    std::vector<Found> found;
    libusb_device** devices = nullptr;
    ssize_t n = libusb_get_device_list(context_, &devices);
    for (ssize_t i = 0; i < n; ++i) {
        libusb_device* dev = devices[i];
        libusb_config_descriptor* config = nullptr;
        if (libusb_get_active_config_descriptor(dev, &config) != 0 &&
            libusb_get_config_descriptor(dev, 0, &config) != 0)
            continue;
        bool taken = false;
        for (int k = 0; k < config->bNumInterfaces && !taken; ++k) {
            const libusb_interface& itf = config->interface[k];
            for (int a = 0; a < itf.num_altsetting && !taken; ++a) {
                const libusb_interface_descriptor& alt = itf.altsetting[a];
                if (alt.bInterfaceClass != 0xFE || alt.bInterfaceSubClass != 0x01)
                    continue;
                Found f;
                f.interfaceNumber = alt.bInterfaceNumber;
                f.altSetting = alt.bAlternateSetting;
                f.dfuMode = alt.bInterfaceProtocol == 2;
                // Some devices hang the functional descriptor on the configuration instead.
                if (!findFunctional(alt.extra, alt.extra_length, f.functional) &&
                    !findFunctional(config->extra, config->extra_length, f.functional))
                    continue;
                std::uint8_t ports[8];
                int depth = libusb_get_port_numbers(dev, ports, sizeof ports);
                f.portPath.push_back(libusb_get_bus_number(dev));
                for (int p = 0; p < depth; ++p)
                    f.portPath.push_back(ports[p]);
                f.device = std::shared_ptr<libusb_device>(libusb_ref_device(dev), libusb_unref_device);
                found.push_back(std::move(f));
                taken = true;
            }
        }
        libusb_free_config_descriptor(config);
    }
    if (n >= 0)
        libusb_free_device_list(devices, 1);
    return found;
}

bool UsbDfuBackend::listed(unsigned index, Found& out)
{
    std::lock_guard lock(mutex_);
    if (index >= list_.size())
        return false;
    out = list_[index];
    return true;
}

std::shared_ptr<UsbDfuBackend::Open> UsbDfuBackend::opened(DfuHandle handle)
{
    std::lock_guard lock(mutex_);
    auto it = open_.find(handle);
    return it == open_.end() ? nullptr : it->second;
}

std::uint32_t UsbDfuBackend::enumerate(unsigned& count)
{
    count = 0;
    if (!context_)
        return fail(kInitFailed, std::string("libusb_init: ") + libusb_strerror(static_cast<libusb_error>(initError_)));
    std::vector<Found> found = scan();
    {
        std::lock_guard lock(mutex_);
        list_.swap(found);
        count = static_cast<unsigned>(list_.size());
    }
    return kOk;  // the old list lets go of its devices here, outside the lock
}

std::uint32_t UsbDfuBackend::deviceDescriptor(unsigned index, UsbDeviceDescriptor& out)
{
    Found f;
    if (!listed(index, f))
        return fail(kNoSuchDevice, formatText(tk("cradle.usb.noDevice", "no DFU device %u in the last listing"), {index}));
    libusb_device_descriptor d{};
    int rc = libusb_get_device_descriptor(f.device.get(), &d);
    if (rc != 0) {
        usbFailure(rc, "reading the device descriptor of " + where(f.device.get()));
        return kDescriptorError;
    }
    out.bLength = d.bLength;
    out.bDescriptorType = d.bDescriptorType;
    out.bcdUSB = d.bcdUSB;
    out.bDeviceClass = d.bDeviceClass;
    out.bDeviceSubClass = d.bDeviceSubClass;
    out.bDeviceProtocol = d.bDeviceProtocol;
    out.bMaxPacketSize0 = d.bMaxPacketSize0;
    out.idVendor = d.idVendor;
    out.idProduct = d.idProduct;
    out.bcdDevice = d.bcdDevice;
    out.iManufacturer = d.iManufacturer;
    out.iProduct = d.iProduct;
    out.iSerialNumber = d.iSerialNumber;
    out.bNumConfigurations = d.bNumConfigurations;
    return kOk;
}

std::uint32_t UsbDfuBackend::stringDescriptor(unsigned index, unsigned stringIndex, char* buffer, unsigned size)
{
    Found f;
    if (!listed(index, f))
        return fail(kNoSuchDevice, formatText(tk("cradle.usb.noDevice", "no DFU device %u in the last listing"), {index}));
    if (stringIndex == 0 || stringIndex > 255)
        return fail(kStringError, "the device names no string " + std::to_string(stringIndex));
    libusb_device_handle* h = nullptr;
    int rc = libusb_open(f.device.get(), &h);
    if (rc != 0)
        return usbFailure(rc, "opening " + where(f.device.get()));
    rc = libusb_get_string_descriptor_ascii(h, static_cast<std::uint8_t>(stringIndex),
                                            reinterpret_cast<unsigned char*>(buffer), static_cast<int>(size));
    libusb_close(h);
    if (rc < 0) {
        buffer[0] = '\0';
        usbFailure(rc, "reading string " + std::to_string(stringIndex));
        return kStringError;
    }
    buffer[std::min<unsigned>(static_cast<unsigned>(rc), size - 1)] = '\0';
    return kOk;
}

std::uint32_t UsbDfuBackend::dfuDescriptor(unsigned index, DfuFunctionalDescriptor& out, unsigned& extra)
{
    Found f;
    if (!listed(index, f))
        return fail(kNoSuchDevice, formatText(tk("cradle.usb.noDevice", "no DFU device %u in the last listing"), {index}));
    out = f.functional;
    extra = out.wTransferSize;
    return kOk;
}

std::uint32_t UsbDfuBackend::openFound(const Found& found, libusb_device_handle*& out)
{
    libusb_device_handle* h = nullptr;
    int rc = libusb_open(found.device.get(), &h);
    if (rc != 0)
        return usbFailure(rc, "opening " + where(found.device.get()));
    libusb_set_auto_detach_kernel_driver(h, 1);
    rc = libusb_claim_interface(h, found.interfaceNumber);
    if (rc != 0) {
        libusb_close(h);
        std::uint32_t code = usbFailure(rc, "claiming the DFU interface of " + where(found.device.get()));
        return code == kRequestFailed ? kClaimFailed : code;
    }
    if (found.altSetting != 0) {
        rc = libusb_set_interface_alt_setting(h, found.interfaceNumber, found.altSetting);
        if (rc != 0) {
            libusb_release_interface(h, found.interfaceNumber);
            libusb_close(h);
            std::uint32_t code = usbFailure(rc, "choosing the DFU setting of " + where(found.device.get()));
            return code == kRequestFailed ? kClaimFailed : code;
        }
    }
    out = h;
    return kOk;
}

std::uint32_t UsbDfuBackend::open(unsigned index, DfuHandle& handle)
{
    Found f;
    if (!listed(index, f))
        return fail(kNoSuchDevice, formatText(tk("cradle.usb.noDevice", "no DFU device %u in the last listing"), {index}));
    libusb_device_handle* h = nullptr;
    std::uint32_t code = openFound(f, h);
    if (code != kOk)
        return code == kRequestFailed ? kOpenFailed : code;
    auto o = std::make_shared<Open>(h, std::move(f));
    std::lock_guard lock(mutex_);
    handle = nextHandle_++;
    open_[handle] = std::move(o);
    return kOk;
}

std::uint32_t UsbDfuBackend::control(const Open& o, bool in, std::uint8_t request, std::uint16_t value,
                                     std::uint8_t* data, std::uint16_t length, const char* what, int* transferred)
{
    int rc = libusb_control_transfer(o.handle, in ? kIn : kOut, request, value,
                                     static_cast<std::uint16_t>(o.where.interfaceNumber), data, length, kControlTimeoutMs);
    if (rc < 0)
        return usbFailure(rc, what);
    if (transferred)
        *transferred = rc;
    return kOk;
}

std::uint32_t UsbDfuBackend::control(DfuHandle handle, bool in, std::uint8_t request, std::uint16_t value,
                                     std::uint8_t* data, std::uint16_t length, const char* what, int* transferred)
{
    auto o = opened(handle);
    if (!o)
        return fail(kNotOpen, std::string(what) + ": the handle does not name an open device");
    return control(*o, in, request, value, data, length, what, transferred);
}

std::uint32_t UsbDfuBackend::detach(DfuHandle handle, std::uint16_t timeoutMs)
{
    auto o = opened(handle);
    if (!o)
        return fail(kNotOpen, "DFU_DETACH: the handle does not name an open device");
    std::uint32_t code = control(*o, false, kDetach, timeoutMs, nullptr, 0, "DFU_DETACH");
    if (code != kOk || o->where.dfuMode)
        return code;
    // The cradle leaves its application: by itself when it says it will, else on a bus reset.
    if (!(o->where.functional.bmAttributes & kWillDetach))
        libusb_reset_device(o->handle);
    const std::vector<std::uint8_t> port = o->where.portPath;
    {
        // Its run-time interface is gone: the handle names nothing until the cradle is back.
        std::lock_guard lock(mutex_);
        auto it = open_.find(handle);
        if (it != open_.end() && it->second == o)
            open_.erase(it);
    }
    o.reset();  // released and closed here unless a request on another thread still holds it

    // Wait for it to come back on the same port with its DFU-mode interface.
    Clock& clock = systemClock();
    const std::int64_t deadline = clock.monotonicMs() + timeoutMs + kReturnGraceMs;
    while (clock.monotonicMs() < deadline) {
        clock.sleepMs(100);
        for (Found& f : scan()) {
            libusb_device_handle* h = nullptr;
            if (!f.dfuMode || f.portPath != port || openFound(f, h) != kOk)
                continue;
            auto back = std::make_shared<Open>(h, std::move(f));
            std::lock_guard lock(mutex_);
            open_[handle] = std::move(back);
            return kOk;
        }
    }
    return fail(kNoReturn, formatText(tk("cradle.usb.noReturn", "DFU_DETACH: the cradle did not come back in DFU mode within %d ms"),
                                      {timeoutMs + kReturnGraceMs}));
}

std::uint32_t UsbDfuBackend::getState(DfuHandle handle, std::uint8_t& state)
{
    int got = 0;
    std::uint32_t code = control(handle, true, kGetState, 0, &state, 1, "DFU_GETSTATE", &got);
    if (code == kOk && got < 1)
        return fail(kShortReply, "DFU_GETSTATE: no state byte");
    return code;
}

std::uint32_t UsbDfuBackend::getStatus(DfuHandle handle, DfuStatus& status)
{
    std::uint8_t raw[6] = {};
    int got = 0;
    std::uint32_t code = control(handle, true, kGetStatus, 0, raw, sizeof raw, "DFU_GETSTATUS", &got);
    if (code != kOk)
        return code;
    if (got < 6)
        return fail(kShortReply, "DFU_GETSTATUS: " + std::to_string(got) + " of 6 bytes");
    status.bStatus = raw[0];
    status.bwPollTimeout = static_cast<std::uint32_t>(raw[1] | raw[2] << 8 | raw[3] << 16);
    status.bState = raw[4];
    status.iString = raw[5];
    return kOk;
}

std::uint32_t UsbDfuBackend::clearStatus(DfuHandle handle)
{
    return control(handle, false, kClrStatus, 0, nullptr, 0, "DFU_CLRSTATUS");
}

std::uint32_t UsbDfuBackend::abort(DfuHandle handle)
{
    return control(handle, false, kAbort, 0, nullptr, 0, "DFU_ABORT");
}

std::uint32_t UsbDfuBackend::download(DfuHandle handle, const std::uint8_t* data, unsigned length, std::uint16_t block)
{
    auto o = opened(handle);
    if (!o)
        return fail(kNotOpen, "DFU_DNLOAD: the handle does not name an open device");
    if (length > o->where.functional.wTransferSize)
        return fail(kTooLarge, "DFU_DNLOAD: " + std::to_string(length) + " bytes exceed the transfer size " +
                                   std::to_string(o->where.functional.wTransferSize));
    return control(*o, false, kDnload, block, const_cast<std::uint8_t*>(data), static_cast<std::uint16_t>(length),
                   "DFU_DNLOAD");
}

std::uint32_t UsbDfuBackend::close(DfuHandle handle)
{
    std::shared_ptr<Open> o;
    {
        std::lock_guard lock(mutex_);
        auto it = open_.find(handle);
        if (it != open_.end()) {
            o = std::move(it->second);
            open_.erase(it);
        }
    }
    if (!o)
        return fail(kNotOpen, "close: the handle does not name an open device");
    return kOk;  // released and closed as `o` goes, outside the lock
}

}  // namespace feld::stdfu
