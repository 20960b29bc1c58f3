#pragma once
// The part of the 64 KiB image an update writes, which depends on the device's transfer size, and
// the image's bytes inside and outside it in words. The update refuses an image with nothing in
// that area (the start command erases the area, so the cradle would be left without firmware) and
// warns about bytes outside it, which are never written.

#include <cstdint>
#include <string>
#include <vector>

#include "cradle/DfuFile.h"

namespace feld {

// Which part of the image is written and how.
struct DfuWriteGeometry {
    unsigned blockLength = 0;
    std::uint32_t firstAddress = 0;
    unsigned blockCount = 0;

    // One past the last byte written: the write area ends before 0xF000, at a whole block.
    std::uint32_t end() const { return firstAddress + blockCount * blockLength; }
};
constexpr std::uint32_t kDfuWriteAreaEnd = 0xF000;

// Transfer size 8: 8-byte blocks from 0xC000; 128: 128-byte blocks from 0x8000; any other: blocks
// of `extra` bytes (the descriptor call's largest block) from 0x8000. False when the block length
// cannot address the cradle's memory (0, not a multiple of 8, or longer than the write area).
bool dfuWriteGeometry(unsigned transferSize, unsigned extra, DfuWriteGeometry& out);

// A run of bytes other than 0xFF, both ends included.
struct DfuByteRange {
    std::uint32_t first = 0;
    std::uint32_t last = 0;
    bool operator==(const DfuByteRange&) const = default;
};

// The runs of bytes other than 0xFF in [from, to).
std::vector<DfuByteRange> dfuUsedRanges(const DfuImage& image, std::uint32_t from, std::uint32_t to);
// Those inside the write area, and those outside it (which the update drops).
std::vector<DfuByteRange> dfuRangesInside(const DfuImage& image, const DfuWriteGeometry& geometry);
std::vector<DfuByteRange> dfuRangesOutside(const DfuImage& image, const DfuWriteGeometry& geometry);

// "0x1000-0x10FF and 0xF000-0xF00F"; past four runs the rest are counted, not listed.
std::string dfuRangesText(const std::vector<DfuByteRange>& ranges);
// The write area as "0xC000-0xEFFF".
std::string dfuAreaText(const DfuWriteGeometry& geometry);

// The warning about bytes the update drops, empty when there are none: "bytes at 0x1000-0x10FF
// lie outside the area the update writes (0xC000-0xEFFF) and are not written".
std::string dfuOutsideWarning(const DfuImage& image, const DfuWriteGeometry& geometry);

}  // namespace feld
