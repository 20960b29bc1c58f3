#pragma once
// Sizes and dates as the window shows them, the same in the trees, the properties and the status:
// "12.4 KiB" (binary units, one decimal) with the exact count of bytes beside it or in a tooltip,
// and dates as "2009/01/01 13:05:08".

#include <cstdint>
#include <string>

namespace feld {

// "512 bytes", "12.4 KiB", "3.0 MiB", "1.2 GiB".
std::string ReadableSize(std::uint64_t bytes);
// "12697 bytes".
std::string BytesText(std::uint64_t bytes);
// "12697 bytes (12.4 KiB)"; below a KiB the bytes alone.
std::string BytesWithReadable(std::uint64_t bytes);
std::string DateTimeText(int year, int month, int day, int hour, int minute, int second);

}  // namespace feld
