#pragma once
// The calendar fields of a moment in the PC's own time zone (os/LocalTime*.cpp).
#include <ctime>

namespace feld {

std::tm LocalCalendar(std::time_t t);

}  // namespace feld
