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

bool Clock::waitForBytes(ByteWait& source, std::size_t minBytes, std::int64_t deadlineMs)
{
    // A minute at most per wait: the caller looks at its deadline and the device again anyway.
    constexpr std::int64_t kLongestWaitMs = 60'000;
    if (source.Available() >= minBytes)
        return true;
    std::int64_t left = deadlineMs - monotonicMs();
    if (left <= 0)
        return false;
    return source.WaitReadable(static_cast<int>(left < kLongestWaitMs ? left : kLongestWaitMs), minBytes);
}

Clock& systemClock()
{
    static SystemClock clock;
    return clock;
}

}  // namespace feld
