#include "base/Clock.h"

#include <chrono>
#include <thread>

namespace feld {
namespace {

class SystemClock final : public Clock {
public:
    std::int64_t monotonicMs() const override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    std::int64_t calendarSeconds() const override
    {
        using namespace std::chrono;
        return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
    }
    void sleepMs(int ms) override
    {
        if (ms > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
};

}  // namespace

Clock& systemClock()
{
    static SystemClock clock;
    return clock;
}

}  // namespace feld
