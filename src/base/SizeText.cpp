#include "base/SizeText.h"

#include "base/Texts.h"

namespace feld {

std::string ReadableSize(std::uint64_t bytes)
{
    static const char* const kUnits[] = {"KiB", "MiB", "GiB", "TiB"};
    if (bytes < 1024)
        return BytesText(bytes);
    // Tenths, rounded: 1023.96 KiB reads "1.0 MiB", not "1024.0 KiB".
    std::uint64_t unit = 1024;
    int i = 0;
    while (i < 3 && (bytes * 10 + unit / 2) / unit >= 10240) {
        unit *= 1024;
        ++i;
    }
    const std::uint64_t tenths = (bytes * 10 + unit / 2) / unit;
    return formatText("%u.%u %s", {tenths / 10, tenths % 10, kUnits[i]});
}

std::string BytesText(std::uint64_t bytes) { return formatText("%u", {bytes}) + " " + tk("status.bytes", "bytes"); }

std::string BytesWithReadable(std::uint64_t bytes)
{
    return bytes < 1024 ? BytesText(bytes) : BytesText(bytes) + " (" + ReadableSize(bytes) + ")";
}

std::string DateTimeText(int year, int month, int day, int hour, int minute, int second)
{
    return formatText("%04d/%02d/%02d %02d:%02d:%02d", {year, month, day, hour, minute, second});
}

}  // namespace feld
