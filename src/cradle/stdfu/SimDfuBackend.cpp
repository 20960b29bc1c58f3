#include "cradle/stdfu/SimDfuBackend.h"
#include "base/PcFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace feld::stdfu {

namespace {

std::string trim(const std::string& s)
{
    std::size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos)
        return {};
    std::size_t e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

bool parseNumber(const std::string& text, unsigned long max, unsigned long& out)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    unsigned long v = std::strtoul(text.c_str(), &end, 0);
    if (errno != 0 || *end != '\0' || v > max || text[0] == '-')
        return false;
    out = v;
    return true;
}

bool applyKey(SimDfuConfig& c, const std::string& key, const std::string& value, std::string& error)
{
    unsigned long n = 0;
    auto number = [&](unsigned long max) {
        if (parseNumber(value, max, n))
            return true;
        error = "bad number for " + key + ": \"" + value + "\"";
        return false;
    };
    if (key == "name")
        c.name = value;
    else if (key == "manufacturer")
        c.manufacturer = value;
    else if (key == "vendor" || key == "product" || key == "release" || key == "transfer" || key == "detach-timeout") {
        if (!number(0xFFFF))
            return false;
        auto v = static_cast<std::uint16_t>(n);
        (key == "vendor" ? c.vendor : key == "product" ? c.product : key == "release" ? c.release
                                      : key == "transfer" ? c.transferSize : c.detachTimeout) = v;
    } else if (key == "attributes" || key == "state" || key == "fail-status" || key == "fill" || key == "manifest-status") {
        if (!number(0xFF))
            return false;
        auto v = static_cast<std::uint8_t>(n);
        (key == "attributes"     ? c.attributes
         : key == "state"        ? c.initialState
         : key == "fail-status"  ? c.failStatus
         : key == "fill"         ? c.fill
                                 : c.manifestStatus) = v;
    } else if (key == "poll" || key == "start-poll") {
        if (!number(0xFFFFFF))
            return false;
        (key == "poll" ? c.pollMs : c.startPollMs) = static_cast<std::uint32_t>(n);
    } else if (key == "fail-block") {
        if (!number(0xFFFF))
            return false;
        c.failBlock = static_cast<std::uint16_t>(n);
    } else if (key == "mode") {
        if (value != "runtime" && value != "dfu") {
            error = "mode is runtime or dfu, not \"" + value + "\"";
            return false;
        }
        c.dfuMode = value == "dfu";
    } else if (key == "final-error") {
        if (!number(1))
            return false;
        c.finalError = n == 1;
    } else if (key == "access") {
        if (value != "ok" && value != "denied") {
            error = "access is ok or denied, not \"" + value + "\"";
            return false;
        }
        c.accessDenied = value == "denied";
    } else if (key == "memory")
        c.memoryFile = value;
    else if (key == "dump")
        c.dumpPath = value;
    else if (key == "log")
        c.logPath = value;
    else {
        error = "unknown key \"" + key + "\"";
        return false;
    }
    return true;
}

}  // namespace

bool SimDfuBackend::parseDescription(const std::string& text, std::vector<SimDfuConfig>& out, std::string& error)
{
    out.assign(1, SimDfuConfig{});
    std::string normalized = text;
    for (char& ch : normalized)
        if (ch == ';')
            ch = '\n';
    std::istringstream lines(normalized);
    std::string line;
    int number = 0;
    bool started = false;  // the first device has keys or a header
    while (std::getline(lines, line)) {
        ++number;
        std::size_t hash = line.find('#');
        if (hash != std::string::npos)
            line.erase(hash);
        line = trim(line);
        if (line.empty())
            continue;
        if (line == "[device]") {
            if (started)
                out.emplace_back();
            started = true;
            continue;
        }
        std::size_t eq = line.find('=');
        if (eq == std::string::npos) {
            error = "line " + std::to_string(number) + ": expected key=value";
            return false;
        }
        std::string why;
        if (!applyKey(out.back(), trim(line.substr(0, eq)), trim(line.substr(eq + 1)), why)) {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
        started = true;
    }
    return true;
}

std::shared_ptr<SimDfuBackend> SimDfuBackend::fromDescription(const std::string& description)
{
    std::string text;
    std::string error;
    if (description == "none")
        return std::make_shared<SimDfuBackend>(std::vector<std::shared_ptr<SimDfuDevice>>{});
    if (description != "1") {
        std::ifstream in(FsPath(description), std::ios::binary);
        if (!in && description.find('=') != std::string::npos) {
            text = description;
        } else {
            if (!in) {
                auto backend = std::make_shared<SimDfuBackend>(std::vector<std::shared_ptr<SimDfuDevice>>{});
                backend->setupError_ = "cannot read the simulated DFU device description " + description;
                return backend;
            }
            std::ostringstream all;
            all << in.rdbuf();
            text = all.str();
        }
    }
    std::vector<SimDfuConfig> configs;
    std::vector<std::shared_ptr<SimDfuDevice>> devices;
    if (!parseDescription(text, configs, error)) {
        auto backend = std::make_shared<SimDfuBackend>(std::move(devices));
        backend->setupError_ = "simulated DFU device description: " + error;
        return backend;
    }
    for (auto& c : configs)
        devices.push_back(std::make_shared<SimDfuDevice>(std::move(c)));
    return std::make_shared<SimDfuBackend>(std::move(devices));
}

SimDfuBackend::SimDfuBackend(std::vector<std::shared_ptr<SimDfuDevice>> devices) : devices_(std::move(devices)) {}

std::uint32_t SimDfuBackend::fail(std::uint32_t code, std::string why)
{
    std::lock_guard lock(mutex_);
    lastError_ = std::move(why);
    return code;
}

std::string SimDfuBackend::lastError() const
{
    std::lock_guard lock(mutex_);
    return lastError_;
}

std::shared_ptr<SimDfuDevice> SimDfuBackend::device(unsigned index)
{
    return index < devices_.size() ? devices_[index] : nullptr;
}

std::shared_ptr<SimDfuDevice> SimDfuBackend::opened(DfuHandle handle)
{
    std::lock_guard lock(mutex_);
    auto it = open_.find(handle);
    return it == open_.end() ? nullptr : it->second;
}

std::uint32_t SimDfuBackend::enumerate(unsigned& count)
{
    count = 0;
    if (!setupError_.empty())
        return fail(kBadParameter, setupError_);
    count = static_cast<unsigned>(devices_.size());
    return kOk;
}

std::uint32_t SimDfuBackend::deviceDescriptor(unsigned index, UsbDeviceDescriptor& out)
{
    auto d = device(index);
    if (!d)
        return fail(kNoSuchDevice, "no simulated DFU device " + std::to_string(index));
    out = d->deviceDescriptor();
    return kOk;
}

std::uint32_t SimDfuBackend::stringDescriptor(unsigned index, unsigned stringIndex, char* buffer, unsigned size)
{
    auto d = device(index);
    if (!d)
        return fail(kNoSuchDevice, "no simulated DFU device " + std::to_string(index));
    auto text = d->stringDescriptor(stringIndex);
    if (!text)
        return fail(kStringError, "the simulated device has no string " + std::to_string(stringIndex));
    std::size_t n = std::min<std::size_t>(text->size(), size - 1);
    std::memcpy(buffer, text->data(), n);
    buffer[n] = '\0';
    return kOk;
}

std::uint32_t SimDfuBackend::dfuDescriptor(unsigned index, DfuFunctionalDescriptor& out, unsigned& extra)
{
    auto d = device(index);
    if (!d)
        return fail(kNoSuchDevice, "no simulated DFU device " + std::to_string(index));
    out = d->dfuDescriptor();
    extra = out.wTransferSize;
    return kOk;
}

std::uint32_t SimDfuBackend::open(unsigned index, DfuHandle& handle)
{
    auto d = device(index);
    if (!d)
        return fail(kNoSuchDevice, "no simulated DFU device " + std::to_string(index));
    std::string why;
    if (!d->open(why))
        return fail(kAccessDenied, "access to the simulated DFU device was denied (" + why +
                                       "): install the udev rule that gives your user access to the cradle");
    std::lock_guard lock(mutex_);
    handle = nextHandle_++;
    open_[handle] = d;
    return kOk;
}

std::uint32_t SimDfuBackend::request(DfuHandle handle, const char* what, bool (SimDfuDevice::*call)())
{
    auto d = opened(handle);
    if (!d)
        return fail(kNotOpen, std::string(what) + ": the handle does not name an open device");
    if (!((*d).*call)())
        return fail(kRequestFailed, std::string(what) + ": the device stalled the request");
    return kOk;
}

std::uint32_t SimDfuBackend::detach(DfuHandle handle, std::uint16_t timeoutMs)
{
    auto d = opened(handle);
    if (!d)
        return fail(kNotOpen, "DFU_DETACH: the handle does not name an open device");
    if (!d->detach(timeoutMs))
        return fail(kRequestFailed, "DFU_DETACH: the device stalled the request");
    return kOk;
}

std::uint32_t SimDfuBackend::getState(DfuHandle handle, std::uint8_t& state)
{
    auto d = opened(handle);
    if (!d)
        return fail(kNotOpen, "DFU_GETSTATE: the handle does not name an open device");
    d->getState(state);
    return kOk;
}

std::uint32_t SimDfuBackend::getStatus(DfuHandle handle, DfuStatus& status)
{
    auto d = opened(handle);
    if (!d)
        return fail(kNotOpen, "DFU_GETSTATUS: the handle does not name an open device");
    d->getStatus(status);
    return kOk;
}

std::uint32_t SimDfuBackend::clearStatus(DfuHandle handle)
{
    return request(handle, "DFU_CLRSTATUS", &SimDfuDevice::clearStatus);
}

std::uint32_t SimDfuBackend::abort(DfuHandle handle)
{
    return request(handle, "DFU_ABORT", &SimDfuDevice::abort);
}

std::uint32_t SimDfuBackend::download(DfuHandle handle, const std::uint8_t* data, unsigned length, std::uint16_t block)
{
    auto d = opened(handle);
    if (!d)
        return fail(kNotOpen, "DFU_DNLOAD: the handle does not name an open device");
    if (length > d->config().transferSize)
        return fail(kTooLarge, "DFU_DNLOAD: " + std::to_string(length) + " bytes exceed the transfer size " +
                                   std::to_string(d->config().transferSize));
    if (!d->download(data, length, block))
        return fail(kRequestFailed, "DFU_DNLOAD: the device stalled the request");
    return kOk;
}

std::uint32_t SimDfuBackend::close(DfuHandle handle)
{
    std::shared_ptr<SimDfuDevice> d;
    {
        std::lock_guard lock(mutex_);
        auto it = open_.find(handle);
        if (it != open_.end()) {
            d = it->second;
            open_.erase(it);
        }
    }
    if (!d)
        return fail(kNotOpen, "close: the handle does not name an open device");
    d->close();
    return kOk;
}

}  // namespace feld::stdfu
