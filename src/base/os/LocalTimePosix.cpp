// POSIX: localtime_r.
#include "base/LocalTime.h"

namespace feld {

std::tm LocalCalendar(std::time_t t)
{
    std::tm out{};
    ::localtime_r(&t, &out);
    return out;
}

}  // namespace feld
