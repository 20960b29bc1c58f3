#pragma once
// Helpers of the cradle tests: firmware files built in memory.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "cradle/DfuFile.h"
#include "support/TestFiles.h"

namespace feld::test {

// The 16-byte suffix (release, product, vendor, 0x0100, "UFD", 16, CRC) after `content`.
inline std::vector<std::uint8_t> withSuffix(const std::string& content, std::uint16_t vendor, std::uint16_t product,
                                            std::uint16_t release)
{
    std::vector<std::uint8_t> out(content.begin(), content.end());
    const std::uint8_t fields[12] = {
        static_cast<std::uint8_t>(release), static_cast<std::uint8_t>(release >> 8),
        static_cast<std::uint8_t>(product), static_cast<std::uint8_t>(product >> 8),
        static_cast<std::uint8_t>(vendor),  static_cast<std::uint8_t>(vendor >> 8),
        0x00, 0x01, 'U', 'F', 'D', 16};
    out.insert(out.end(), fields, fields + 12);
    std::uint32_t crc = dfuSuffixCrc(out.data(), out.size());
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(crc >> (8 * i)));
    return out;
}

// One S1 record for `data` at `address`, with a correct checksum.
inline std::string s1(std::uint16_t address, const std::vector<std::uint8_t>& data)
{
    std::uint8_t count = static_cast<std::uint8_t>(data.size() + 3);
    unsigned sum = count + (address >> 8) + (address & 0xFF);
    char b[16];
    std::snprintf(b, sizeof b, "S1%02X%04X", count, address);
    std::string r = b;
    for (std::uint8_t v : data) {
        std::snprintf(b, sizeof b, "%02X", v);
        r += b;
        sum += v;
    }
    std::snprintf(b, sizeof b, "%02X", (~sum) & 0xFF);
    return r + b + "\r\n";
}

}  // namespace feld::test
