#include "cradle/DfuFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/PcFiles.h"
#include "base/Texts.h"

namespace feld {

namespace {

const std::array<std::uint32_t, 256>& crcTable()
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    return table;
}

std::string hex(unsigned value, int digits)
{
    char b[16];
    std::snprintf(b, sizeof b, "0x%0*X", digits, value);
    return b;
}

int hexDigit(char c)
{
    // Only upper-case digits are part of the format; a lower-case one is refused rather than
    // read as a wrong value.
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int hexDigitAnyCase(char c)
{
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return hexDigit(c);
}

// The S-record text with spaces, CR and LF taken out, and the way back to file offsets.
class RecordText {
public:
    RecordText(const std::uint8_t* data, std::size_t size) : data_(data), size_(size)
    {
        text_.reserve(size);
        for (std::size_t i = 0; i < size; ++i)
            if (data[i] != ' ' && data[i] != '\r' && data[i] != '\n')
                text_.push_back(static_cast<char>(data[i]));
    }
    std::size_t size() const { return text_.size(); }
    char operator[](std::size_t i) const { return text_[i]; }

    // "byte 1234 (line 5)" for the character at position i of the stripped text.
    std::string where(std::size_t i) const
    {
        std::size_t kept = 0;
        std::size_t line = 1;
        for (std::size_t off = 0; off < size_; ++off) {
            char c = static_cast<char>(data_[off]);
            if (c == '\n')
                ++line;
            if (c == ' ' || c == '\r' || c == '\n')
                continue;
            if (kept++ == i)
                return formatText(tk("cradle.file.at", "byte %u (line %u)"), {off, line});
        }
        return tk("cradle.file.end", "the end of the records");
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::vector<char> text_;
};

struct Failure {
    std::uint32_t code = kDfuFileOk;
    std::string reason;
};

// Parses the records into the image. Returns code and reason of the first fault.
Failure parseRecords(const RecordText& t, DfuImage& image)
{
    const std::size_t n = t.size();
    auto bad = [&](std::uint32_t code, std::size_t at, const std::string& what) {
        return Failure{code, formatText(tk("cradle.file.record", "record at %s: %s"), {t.where(at), what})};
    };
    // Checks that `digits` upper-case hex digits start at `at`; else `badAt` is the first other.
    auto checkHex = [&](std::size_t at, std::size_t digits, std::size_t& badAt) {
        for (std::size_t i = 0; i < digits; ++i)
            if (hexDigit(t[at + i]) < 0) {
                badAt = at + i;
                return false;
            }
        return true;
    };
    auto byteAt = [&](std::size_t at) { return hexDigit(t[at]) << 4 | hexDigit(t[at + 1]); };
    auto byteAnyCase = [&](std::size_t at) { return hexDigitAnyCase(t[at]) << 4 | hexDigitAnyCase(t[at + 1]); };
    auto notHex = [&](std::size_t at) {
        char c = t[at];
        std::string shown = (c >= 0x21 && c < 0x7F) ? std::string("'") + c + "'" : hex(static_cast<std::uint8_t>(c), 2);
        return formatText(tk("cradle.file.notHex", "character %s is not an upper-case hex digit"), {shown});
    };
    auto notHexAnyCase = [&](std::size_t at) {
        char c = t[at];
        std::string shown = (c >= 0x21 && c < 0x7F) ? std::string("'") + c + "'" : hex(static_cast<std::uint8_t>(c), 2);
        return formatText(tk("cradle.file.notHexAtAll", "character %s is not a hex digit"), {shown});
    };

    std::size_t pos = 0;
    while (n - pos >= 2) {
        const std::size_t start = pos;
        if (t[pos] != 'S')
            return bad(kDfuFileBadRecord, pos, tk("cradle.file.noS", "does not begin with 'S'"));
        const char type = t[pos + 1];
        if (type == '2' || type == '3')
            return bad(kDfuFileBadAddress, pos,
                       formatText(tk("cradle.file.wideAddress", "S%c records carry addresses beyond the 64 KiB image"), {type}));
        const bool skipped = type == '0' || type == '5' || type == '6' || type == '7' || type == '8' || type == '9';
        if (!skipped && type != '1')
            return bad(kDfuFileBadRecord, pos, formatText(tk("cradle.file.type", "unknown record type S%c"), {type}));
        if (n - pos < 4)
            return bad(kDfuFileBadRecord, pos, tk("cradle.file.noCount", "truncated before its byte count"));
        std::size_t badAt = 0;
        if (!checkHex(pos + 2, 2, badAt))
            return bad(kDfuFileBadRecord, start, notHex(badAt));
        const std::size_t count = static_cast<std::size_t>(byteAt(pos + 2));
        const std::size_t length = 4 + 2 * count;
        if (type == '1' && count > 35)
            return bad(kDfuFileBadRecord, start, formatText(tk("cradle.file.countHigh", "S1 byte count %u is above 35"), {count}));
        if (type == '1' && count < 3)
            return bad(kDfuFileBadRecord, start,
                       formatText(tk("cradle.file.countLow", "S1 byte count %u leaves no room for the address and checksum"),
                                  {count}));
        if (count == 0)
            return bad(kDfuFileBadRecord, start, tk("cradle.file.countZero", "byte count 0 leaves no room for the checksum"));
        if (n - pos < length)
            return bad(kDfuFileBadRecord, start,
                       formatText(tk("cradle.file.truncated", "truncated: %u bytes announced, %u present (or an odd number of digits)"),
                                  {count, (n - pos - 4) / 2}));
        // Every record ends with the one's complement of the low byte of the sum of its count,
        // address and data bytes. The suffix CRC cannot stand in for it: whoever changed a byte can
        // have made the suffix anew, while the record's own sum still shows the change.
        if (skipped) {
            // Header, count and start-address records put nothing in the image, so lower-case hex
            // there gives no wrong byte; their digits are read either way, for the sum alone.
            for (std::size_t i = 0; i < 2 * count; ++i)
                if (hexDigitAnyCase(t[pos + 4 + i]) < 0)
                    return bad(kDfuFileBadRecord, start, notHexAnyCase(pos + 4 + i));
        } else if (!checkHex(pos + 4, 2 * count, badAt)) {
            return bad(kDfuFileBadRecord, start, notHex(badAt));
        }
        unsigned sum = static_cast<unsigned>(count);
        for (std::size_t i = 0; i + 1 < count; ++i)
            sum += static_cast<unsigned>(byteAnyCase(pos + 4 + 2 * i));
        const unsigned expected = ~sum & 0xFF;
        const unsigned stored = static_cast<unsigned>(byteAnyCase(pos + 2 + 2 * count));
        if (stored != expected)
            return bad(kDfuFileBadRecord, start,
                       formatText(tk("cradle.file.checksum", "checksum %s does not match the record's bytes, which give %s: "
                                                             "the record is damaged"),
                                  {hex(stored, 2), hex(expected, 2)}));
        if (skipped) {
            pos += length;
            continue;
        }
        const std::uint32_t address = static_cast<std::uint32_t>(byteAt(pos + 4) << 8 | byteAt(pos + 6));
        const std::size_t dataBytes = count - 3;
        if (address < 0x1000)
            return bad(kDfuFileBadAddress, start,
                       formatText(tk("cradle.file.lowAddress", "address %s is below 0x1000"), {hex(address, 4)}));
        if (address + dataBytes > kDfuImageSize)
            return bad(kDfuFileBadAddress, start,
                       formatText(tk("cradle.file.pastEnd", "data at %s runs past 0xFFFF (%u bytes)"), {hex(address, 4), dataBytes}));
        for (std::size_t i = 0; i < dataBytes; ++i)
            image[address + i] = static_cast<std::uint8_t>(byteAt(pos + 8 + 2 * i));
        pos += length;
    }
    return {};
}

}  // namespace

std::uint32_t dfuSuffixCrc(const std::uint8_t* data, std::size_t size, std::uint32_t crc)
{
    const auto& table = crcTable();
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}

DfuFileResult ParseDfuBytes(const std::uint8_t* data, std::size_t size, DfuImage* image)
{
    DfuFileResult r;
    r.code = kDfuFileBadSuffix;
    if (image)
        image->fill(0xFF);
    if (size < kDfuSuffixSize) {
        r.reason = formatText(tk("cradle.file.short", "the file is %u bytes long, shorter than the 16-byte DFU suffix"), {size});
        return r;
    }
    const std::uint8_t* s = data + size - kDfuSuffixSize;
    r.release = static_cast<std::uint16_t>(s[0] | s[1] << 8);
    r.product = static_cast<std::uint16_t>(s[2] | s[3] << 8);
    r.vendor = static_cast<std::uint16_t>(s[4] | s[5] << 8);
    const std::uint32_t stored = static_cast<std::uint32_t>(s[12]) | static_cast<std::uint32_t>(s[13]) << 8 |
                                 static_cast<std::uint32_t>(s[14]) << 16 | static_cast<std::uint32_t>(s[15]) << 24;
    // Without its signature the end of the file is no suffix at all, and its other fields mean nothing.
    if (s[8] != 'U' || s[9] != 'F' || s[10] != 'D') {
        r.reason = tk("cradle.file.noSuffix", "no DFU suffix at the end of the file (its last 16 bytes do not end in the \"UFD\" signature)");
        return r;
    }
    if (s[6] != 0x00 || s[7] != 0x01) {
        r.reason = formatText(tk("cradle.file.release", "the suffix names DFU release %s, not 0x0100"),
                              {hex(static_cast<unsigned>(s[6] | s[7] << 8), 4)});
        return r;
    }
    if (s[11] != kDfuSuffixSize) {
        r.reason = formatText(tk("cradle.file.suffixLength", "the suffix length is %u, not 16"), {unsigned(s[11])});
        return r;
    }
    const std::uint32_t computed = dfuSuffixCrc(data, size - 4);
    if (computed != stored) {
        r.reason = formatText(tk("cradle.file.crc", "CRC mismatch: the suffix holds %s, the file's bytes give %s"),
                              {hex(stored, 8), hex(computed, 8)});
        return r;
    }
    if (image) {
        RecordText text(data, size - kDfuSuffixSize);
        Failure f = parseRecords(text, *image);
        if (f.code != kDfuFileOk) {
            image->fill(0xFF);
            r.code = f.code;
            r.reason = f.reason;
            return r;
        }
    }
    r.code = kDfuFileOk;
    r.reason.clear();
    return r;
}

DfuFileResult LoadDfuFile(const std::string& path, DfuImage* image)
{
    DfuFileResult r;
    r.code = kDfuFileCannotOpen;
    std::FILE* f = OpenFile(path, "rb");
    if (!f) {
        r.reason = formatText(tk("cradle.file.cannotOpen", "cannot open %s: %s"), {path, std::strerror(errno)});
        return r;
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[65536];
    bool tooLarge = false;
    for (;;) {
        std::size_t got = std::fread(chunk, 1, sizeof chunk, f);
        if (got == 0)
            break;
        if (bytes.size() + got > kDfuFileMaxSize) {
            tooLarge = true;
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    const bool readError = std::ferror(f) != 0;
    std::fclose(f);
    if (tooLarge) {
        r.reason = formatText(tk("cradle.file.tooLarge", "%s is larger than %u MiB; a cradle firmware file is far smaller"),
                              {path, kDfuFileMaxSize / (1024 * 1024)});
        return r;
    }
    if (readError) {
        r.reason = formatText(tk("cradle.file.cannotRead", "cannot read %s"), {path});
        return r;
    }
    return ParseDfuBytes(bytes.data(), bytes.size(), image);
}

}  // namespace feld
