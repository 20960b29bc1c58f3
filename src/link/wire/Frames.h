#pragma once
// The three frames of the link: the 14-byte header that announces a transfer, the data frame that
// carries up to 512 payload bytes, and the 12-byte reply that accepts or refuses a frame.
// All numbers on the wire are little-endian; a sum is the 16-bit wrap-around sum of the bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace feld::wire {

constexpr std::size_t kHeaderSize = 14;
constexpr std::size_t kReplySize = 12;
constexpr std::size_t kDataHeadSize = 6;
constexpr std::size_t kDataTailSize = 3;
constexpr std::size_t kDataOverhead = kDataHeadSize + kDataTailSize;  // 9
constexpr std::size_t kMaxPayload = 512;
constexpr std::size_t kMaxDataFrame = kMaxPayload + kDataOverhead;    // 521
constexpr std::uint16_t kCounterWrap = 50;                            // counters run 0..49

// Transfer codes.
enum TransferCode : std::uint8_t {
    kLinkCheck = 1,
    kFile = 3,          // a file with the 32-byte file header (both directions)
    kCommand = 4,       // PC: command packet; terminal: reply data
    kReplyData = 5,     // terminal: reply data
    kRestart = 7,       // terminal: drop this header and wait for a new one
    kPathFile = 8,      // PC: a file with the path file header
};

std::uint16_t sum16(const std::uint8_t* data, std::size_t n, std::uint16_t start = 0);
inline std::uint16_t nextCounter(std::uint16_t c) { return c + 1 >= kCounterWrap ? 0 : static_cast<std::uint16_t>(c + 1); }

inline void put16(std::uint8_t* p, std::uint16_t v) { p[0] = static_cast<std::uint8_t>(v); p[1] = static_cast<std::uint8_t>(v >> 8); }
inline void put32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline std::uint16_t get16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
inline std::uint32_t get32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Header frame: 1B 02 01 02 00 code len[4] 02 1B sum[2].
std::array<std::uint8_t, kHeaderSize> makeHeader(std::uint8_t code, std::uint32_t length);

struct Header {
    std::uint8_t code = 0;
    std::uint32_t length = 0;
};
// A received header: only bytes 0-1 (1B 02) and the sum are checked.
std::optional<Header> parseHeader(const std::uint8_t* frame);

// Data frame pieces: the PC writes head, payload and tail as three writes.
std::array<std::uint8_t, kDataHeadSize> makeDataHead(std::uint16_t counter);
// The tail: 0x02 and the sum of head, payload and that 0x02.
std::array<std::uint8_t, kDataTailSize> makeDataTail(const std::uint8_t* head, const std::uint8_t* payload, std::size_t n);
std::vector<std::uint8_t> makeDataFrame(std::uint16_t counter, const std::uint8_t* payload, std::size_t n);

enum class DataCheck { Valid, Duplicate, Invalid };
// Checks a received data frame of `size` bytes whose bytes add up to `runningSum` (all of them,
// the last two included), against the expected counter and `last`, the last frame taken in this
// transfer (empty before the first).
//
// A terminal whose answer from us went missing sends its last frame again, byte for byte, so a
// frame identical to the last one taken is a duplicate whatever its counter: the first frame sent
// again while frame 1 is due, or frame 49 while 0 is due after the wrap. A terminal that numbers
// nothing sends every frame with counter 0, so counter 0 is otherwise taken as the expected frame;
// such a terminal's two identical frames in a row cannot be told from a repeat and the second is
// dropped, which leaves the file short and fails the transfer, where taking a repeat would corrupt
// it unseen. Any other lower counter is a duplicate, a higher one invalid.
DataCheck checkDataFrame(const std::uint8_t* frame, std::size_t size, std::uint16_t runningSum, std::uint16_t expected,
                         std::span<const std::uint8_t> last = {});
// Whether the `n` bytes read as the frame due next may be the start of `last` sent again: the frame
// due next is shorter than the last one taken (the short end of a transfer) and the bytes match.
// The rest of the repeat is then read and the whole checked against `last`.
bool startsLikeRepeat(const std::uint8_t* got, std::size_t n, std::span<const std::uint8_t> last);
inline std::uint16_t dataFrameCounter(const std::uint8_t* frame) { return get16(frame + 4); }

// Reply frame: 02 01 02 00 counter[2] status 0D 0A 02 sum[2] (bytes 1-2 as the PC sends them).
std::array<std::uint8_t, kReplySize> makeReply(std::uint16_t counter, std::uint8_t status);
// Whether 12 bytes at p have the shape the PC scans for: 02 . . 00 . . . 0D 0A 02.
bool looksLikeReply(const std::uint8_t* p);

struct Reply {
    std::uint16_t counter = 0;
    std::uint8_t status = 0;
};
// A full check of a found reply (shape and sum); nullopt when it fails.
std::optional<Reply> parseReply(const std::uint8_t* frame);

// A terminal that wants the flash writer answers status 3 and says which model it is: the model
// class in bytes 4-5 (where the counter would be) and the model number, signed, in bytes 1-2, which
// a PC ignores in other replies. Bytes 7-8 stay CR LF and the sum stays valid, so the frame is found
// and checked like any other reply.
std::array<std::uint8_t, kReplySize> makeModelReply(std::uint16_t modelClass, std::int16_t modelNumber);
inline std::uint16_t replyModelClass(const std::uint8_t* frame) { return get16(frame + 4); }
inline std::int16_t replyModelNumber(const std::uint8_t* frame) { return static_cast<std::int16_t>(get16(frame + 1)); }

}  // namespace feld::wire
