#include "cradle/DfuWriteArea.h"

#include <cstdio>

#include "base/Texts.h"

namespace feld {

namespace {

std::string hex4(std::uint32_t value)
{
    char b[16];
    std::snprintf(b, sizeof b, "0x%04X", static_cast<unsigned>(value));
    return b;
}

std::string rangeText(const DfuByteRange& r)
{
    return r.first == r.last ? hex4(r.first) : hex4(r.first) + "-" + hex4(r.last);
}

}  // namespace

bool dfuWriteGeometry(unsigned transferSize, unsigned extra, DfuWriteGeometry& out)
{
    if (transferSize == 8) {
        out.blockLength = 8;
        out.firstAddress = 0xC000;
    } else if (transferSize == 128) {
        out.blockLength = 128;
        out.firstAddress = 0x8000;
    } else {
        out.blockLength = extra;
        out.firstAddress = 0x8000;
    }
    // Block numbers count 8-byte units, so a block that is not a whole number of them would land
    // at the wrong address.
    if (out.blockLength == 0 || out.blockLength % 8 != 0 || out.blockLength > kDfuWriteAreaEnd - out.firstAddress)
        return false;
    out.blockCount = (kDfuWriteAreaEnd - out.firstAddress) / out.blockLength;
    return true;
}

std::vector<DfuByteRange> dfuUsedRanges(const DfuImage& image, std::uint32_t from, std::uint32_t to)
{
    std::vector<DfuByteRange> out;
    if (to > kDfuImageSize)
        to = kDfuImageSize;
    for (std::uint32_t a = from; a < to; ++a) {
        if (image[a] == 0xFF)
            continue;
        if (!out.empty() && out.back().last + 1 == a)
            out.back().last = a;
        else
            out.push_back({a, a});
    }
    return out;
}

std::vector<DfuByteRange> dfuRangesInside(const DfuImage& image, const DfuWriteGeometry& geometry)
{
    return dfuUsedRanges(image, geometry.firstAddress, geometry.end());
}

std::vector<DfuByteRange> dfuRangesOutside(const DfuImage& image, const DfuWriteGeometry& geometry)
{
    std::vector<DfuByteRange> out = dfuUsedRanges(image, 0, geometry.firstAddress);
    std::vector<DfuByteRange> above = dfuUsedRanges(image, geometry.end(), kDfuImageSize);
    out.insert(out.end(), above.begin(), above.end());
    return out;
}

std::string dfuRangesText(const std::vector<DfuByteRange>& ranges)
{
    constexpr std::size_t kListed = 4;
    const std::size_t listed = ranges.size() > kListed + 1 ? kListed : ranges.size();
    std::string text;
    for (std::size_t i = 0; i < listed; ++i) {
        if (i > 0)
            text += (i + 1 == listed && listed == ranges.size()) ? tk("cradle.ranges.and", " and ") : std::string(", ");
        text += rangeText(ranges[i]);
    }
    if (listed < ranges.size())
        text += formatText(tk("cradle.ranges.more", " and %u more ranges"), {ranges.size() - listed});
    return text;
}

std::string dfuAreaText(const DfuWriteGeometry& geometry)
{
    return rangeText({geometry.firstAddress, geometry.end() - 1});
}

std::string dfuOutsideWarning(const DfuImage& image, const DfuWriteGeometry& geometry)
{
    const std::vector<DfuByteRange> outside = dfuRangesOutside(image, geometry);
    if (outside.empty())
        return {};
    const bool oneByte = outside.size() == 1 && outside[0].first == outside[0].last;
    return formatText(oneByte ? tk("cradle.byteOutside", "the byte at %s lies outside the area the update writes (%s) and is not written")
                              : tk("cradle.bytesOutside", "bytes at %s lie outside the area the update writes (%s) and are not written"),
                      {dfuRangesText(outside), dfuAreaText(geometry)});
}

}  // namespace feld
