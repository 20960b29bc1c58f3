// Windows: localtime_s (its arguments the other way round from localtime_r's).
#include "base/LocalTime.h"

namespace feld {

std::tm LocalCalendar(std::time_t t)
{
    std::tm out{};
    ::localtime_s(&out, &t);
    return out;
}

}  // namespace feld
