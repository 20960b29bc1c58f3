#pragma once
// The cradle firmware file: Motorola S-records followed by the 16-byte DFU suffix (release,
// product, vendor, DFU release 0x0100, "UFD", length 16, CRC-32). The reader checks the suffix and
// turns the records into the 64 KiB memory image the cradle is written from. It works in memory
// and leaves no work file behind. Every record's checksum must match its bytes. Data records (S1)
// must be upper-case hex throughout; header, count and start-address records (S0, S5 to S9) put
// nothing in the image, and their digits may be of either case.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace feld {

constexpr std::uint32_t kDfuFileOk = 0x12340000;
constexpr std::uint32_t kDfuFileBadSuffix = 0x1234001A;    // suffix fields or CRC do not match
constexpr std::uint32_t kDfuFileCannotOpen = 0x1234001B;   // missing, unreadable or too large
constexpr std::uint32_t kDfuFileWorkFile = 0x1234001C;     // kept for callers; the reader needs no work file
constexpr std::uint32_t kDfuFileBadRecord = 0x1234001D;    // a record is malformed
constexpr std::uint32_t kDfuFileBadAddress = 0x1234001E;   // data that cannot be placed in the image

constexpr std::size_t kDfuImageSize = 0x10000;
constexpr std::size_t kDfuSuffixSize = 16;
// Larger files are refused unread: a full 64 KiB image in S-records is far smaller.
constexpr std::size_t kDfuFileMaxSize = 16u * 1024 * 1024;

using DfuImage = std::array<std::uint8_t, kDfuImageSize>;

struct DfuFileResult {
    std::uint32_t code = kDfuFileCannotOpen;
    std::string reason;  // in words, empty on success
    // From the suffix, whenever the file holds one (also when a later check fails).
    std::uint16_t release = 0;
    std::uint16_t product = 0;
    std::uint16_t vendor = 0;

    bool ok() const { return code == kDfuFileOk; }
};

// The CRC of the DFU suffix: reflected CRC-32, polynomial 0xEDB88320, no final inversion.
// Pass the previous value to continue over more bytes.
std::uint32_t dfuSuffixCrc(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0xFFFFFFFFu);

// Reads and checks a file. With `image`, the records are parsed into it (the reader fills it with
// 0xFF first; after a failure its content means nothing); without, only the suffix is checked.
DfuFileResult LoadDfuFile(const std::string& path, DfuImage* image = nullptr);

// The same over bytes already in memory.
DfuFileResult ParseDfuBytes(const std::uint8_t* data, std::size_t size, DfuImage* image);

}  // namespace feld
