#include "link/wire/Frames.h"

#include <algorithm>

namespace feld::wire {

std::uint16_t sum16(const std::uint8_t* data, std::size_t n, std::uint16_t start)
{
    std::uint32_t s = start;
    for (std::size_t i = 0; i < n; ++i)
        s += data[i];
    return static_cast<std::uint16_t>(s);
}

std::array<std::uint8_t, kHeaderSize> makeHeader(std::uint8_t code, std::uint32_t length)
{
    std::array<std::uint8_t, kHeaderSize> h{0x1B, 0x02, 0x01, 0x02, 0x00, code, 0, 0, 0, 0, 0x02, 0x1B, 0, 0};
    put32(h.data() + 6, length);
    put16(h.data() + 12, sum16(h.data(), 12));
    return h;
}

std::optional<Header> parseHeader(const std::uint8_t* frame)
{
    if (frame[0] != 0x1B || frame[1] != 0x02)
        return std::nullopt;
    if (get16(frame + 12) != sum16(frame, 12))
        return std::nullopt;
    return Header{frame[5], get32(frame + 6)};
}

std::array<std::uint8_t, kDataHeadSize> makeDataHead(std::uint16_t counter)
{
    std::array<std::uint8_t, kDataHeadSize> h{0x02, 0, 0, 0, 0, 0};
    put16(h.data() + 4, counter);
    return h;
}

std::array<std::uint8_t, kDataTailSize> makeDataTail(const std::uint8_t* head, const std::uint8_t* payload, std::size_t n)
{
    std::uint16_t s = sum16(head, kDataHeadSize);
    s = sum16(payload, n, s);
    s = static_cast<std::uint16_t>(s + 0x02);
    std::array<std::uint8_t, kDataTailSize> t{0x02, 0, 0};
    put16(t.data() + 1, s);
    return t;
}

std::vector<std::uint8_t> makeDataFrame(std::uint16_t counter, const std::uint8_t* payload, std::size_t n)
{
    auto head = makeDataHead(counter);
    auto tail = makeDataTail(head.data(), payload, n);
    std::vector<std::uint8_t> f;
    f.reserve(n + kDataOverhead);
    f.insert(f.end(), head.begin(), head.end());
    if (n)
        f.insert(f.end(), payload, payload + n);
    f.insert(f.end(), tail.begin(), tail.end());
    return f;
}

DataCheck checkDataFrame(const std::uint8_t* frame, std::size_t size, std::uint16_t runningSum, std::uint16_t expected,
                         std::span<const std::uint8_t> last)
{
    if (size < kDataOverhead || frame[0] != 0x02 || frame[size - 3] != 0x02)
        return DataCheck::Invalid;
    if (last.size() == size && std::equal(last.begin(), last.end(), frame))
        return DataCheck::Duplicate;
    std::uint16_t counter = get16(frame + 4);
    if (counter != expected && counter != 0)
        return counter < expected ? DataCheck::Duplicate : DataCheck::Invalid;
    std::uint16_t carried = get16(frame + size - 2);
    std::uint16_t computed = static_cast<std::uint16_t>(runningSum - frame[size - 2] - frame[size - 1]);
    return carried == computed ? DataCheck::Valid : DataCheck::Invalid;
}

bool startsLikeRepeat(const std::uint8_t* got, std::size_t n, std::span<const std::uint8_t> last)
{
    return last.size() > n && std::equal(got, got + n, last.begin());
}

std::array<std::uint8_t, kReplySize> makeReply(std::uint16_t counter, std::uint8_t status)
{
    std::array<std::uint8_t, kReplySize> r{0x02, 0x01, 0x02, 0x00, 0, 0, status, 0x0D, 0x0A, 0x02, 0, 0};
    put16(r.data() + 4, counter);
    put16(r.data() + 10, sum16(r.data(), 10));
    return r;
}

bool looksLikeReply(const std::uint8_t* p)
{
    return p[0] == 0x02 && p[3] == 0x00 && p[7] == 0x0D && p[8] == 0x0A && p[9] == 0x02;
}

std::optional<Reply> parseReply(const std::uint8_t* frame)
{
    if (!looksLikeReply(frame))
        return std::nullopt;
    if (get16(frame + 10) != sum16(frame, 10))
        return std::nullopt;
    return Reply{get16(frame + 4), frame[6]};
}

std::array<std::uint8_t, kReplySize> makeModelReply(std::uint16_t modelClass, std::int16_t modelNumber)
{
    std::array<std::uint8_t, kReplySize> r{0x02, 0, 0, 0x00, 0, 0, 3, 0x0D, 0x0A, 0x02, 0, 0};
    put16(r.data() + 1, static_cast<std::uint16_t>(modelNumber));
    put16(r.data() + 4, modelClass);
    put16(r.data() + 10, sum16(r.data(), 10));
    return r;
}

}  // namespace feld::wire
