#pragma once
// Puts simulated cradles behind the DFU functions for the life of the object.

#include <memory>
#include <vector>

#include "cradle/stdfu/SimDfuBackend.h"
#include "cradle/stdfu/Stdfu.h"

namespace feld::test {

class SimCradles {
public:
    explicit SimCradles(std::vector<stdfu::SimDfuConfig> configs)
    {
        std::vector<std::shared_ptr<stdfu::SimDfuDevice>> devices;
        for (auto& c : configs)
            devices.push_back(std::make_shared<stdfu::SimDfuDevice>(std::move(c)));
        backend_ = std::make_shared<stdfu::SimDfuBackend>(std::move(devices));
        stdfu::STDFU_UseBackend(backend_);
    }
    explicit SimCradles(stdfu::SimDfuConfig config) : SimCradles(std::vector<stdfu::SimDfuConfig>{std::move(config)}) {}
    // A backend of the test's own making (one that misbehaves on purpose).
    explicit SimCradles(std::shared_ptr<stdfu::SimDfuBackend> backend) : backend_(std::move(backend))
    {
        stdfu::STDFU_UseBackend(backend_);
    }
    ~SimCradles() { stdfu::STDFU_UseBackend(nullptr); }

    stdfu::SimDfuDevice& device(std::size_t i = 0) { return *backend_->devices().at(i); }

private:
    std::shared_ptr<stdfu::SimDfuBackend> backend_;
};

}  // namespace feld::test
