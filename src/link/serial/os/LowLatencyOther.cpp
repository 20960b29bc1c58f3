// Systems without a low-latency request for serial drivers.
#include "link/serial/PortIo.h"

namespace feld::portio {

std::string requestLowLatency(int, const std::string& devicePath)
{
    return "low-latency mode cannot be requested for " + devicePath + " on this system";
}

}  // namespace feld::portio
