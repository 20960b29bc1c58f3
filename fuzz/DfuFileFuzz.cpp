// Fuzzes the cradle firmware reader. Half of the inputs get a correct suffix around them, so the
// S-record parser sees them instead of stopping at the CRC.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "cradle/DfuFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace feld;
    // One image for every run (a fresh 64 KiB one each time cost most of the run's time); the
    // reader fills it first, and a write outside it hits the address sanitizer's guard zone.
    static DfuImage imageStore;
    static DfuImage blank = [] {
        DfuImage b;
        b.fill(0xFF);
        return b;
    }();
    DfuImage* image = &imageStore;
    DfuFileResult result;
    if (size > 0 && (data[0] & 1)) {
        std::vector<std::uint8_t> file(data + 1, data + size);
        const std::uint8_t fields[12] = {0x10, 0x01, 0x8D, 0x0C, 0x1D, 0xFE, 0x00, 0x01, 'U', 'F', 'D', 16};
        file.insert(file.end(), fields, fields + 12);
        const std::uint32_t crc = dfuSuffixCrc(file.data(), file.size());
        for (int i = 0; i < 4; ++i)
            file.push_back(static_cast<std::uint8_t>(crc >> (8 * i)));
        result = ParseDfuBytes(file.data(), file.size(), image);
        if (result.code == kDfuFileBadSuffix)
            std::abort();  // the suffix was made correct
    } else {
        result = ParseDfuBytes(data, size, image);
    }
    if (!result.ok()) {
        // A refused file leaves nothing behind in the image, and always says why.
        if (result.reason.empty())
            std::abort();
        if (std::memcmp(image->data(), blank.data(), blank.size()) != 0)
            std::abort();
    }
    // Only checking the suffix never touches the records.
    DfuFileResult idsOnly = ParseDfuBytes(data, size, nullptr);
    if (idsOnly.code != kDfuFileOk && idsOnly.code != kDfuFileBadSuffix)
        std::abort();
    return 0;
}
