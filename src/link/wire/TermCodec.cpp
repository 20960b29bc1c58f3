#include "link/wire/TermCodec.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <ctime>

#include "base/LocalTime.h"
#include "link/wire/Frames.h"

namespace feld::wire {

std::vector<std::uint8_t> makeCommand(std::uint8_t op, std::string_view argument)
{
    std::vector<std::uint8_t> p;
    p.reserve(argument.size() + 3);
    p.push_back(op);
    p.insert(p.end(), argument.begin(), argument.end());
    p.push_back(0x0D);
    p.push_back(0x0A);
    return p;
}

std::optional<Command> parseCommand(const std::uint8_t* data, std::size_t n)
{
    if (!data || n < 3 || data[n - 2] != 0x0D || data[n - 1] != 0x0A)
        return std::nullopt;
    Command c;
    c.op = data[0];
    c.argument.assign(reinterpret_cast<const char*>(data + 1), n - 3);
    return c;
}

std::vector<std::uint8_t> makeStatusReply(std::uint8_t status)
{
    return {static_cast<std::uint8_t>(status + kReplyStatusBias)};
}

std::optional<int> replyDataStatus(const std::uint8_t* data, std::size_t n)
{
    if (!data || n == 0)
        return std::nullopt;
    return static_cast<int>(data[0]) - kReplyStatusBias;
}

std::vector<std::uint8_t> makeDiskInfoReply(std::uint8_t status, const DiskInfo& info)
{
    std::vector<std::uint8_t> r(kDiskInfoReplySize, 0);
    r[0] = static_cast<std::uint8_t>(status + kReplyStatusBias);
    put32(r.data() + 1, static_cast<std::uint32_t>(info.firmware));
    put32(r.data() + 5, static_cast<std::uint32_t>(info.cTotal));
    put32(r.data() + 9, static_cast<std::uint32_t>(info.cFree));
    put32(r.data() + 13, static_cast<std::uint32_t>(info.dTotal));
    put32(r.data() + 17, static_cast<std::uint32_t>(info.dFree));
    return r;
}

std::optional<DiskInfo> parseDiskInfoReply(const std::uint8_t* data, std::size_t n)
{
    if (!data || n < kDiskInfoReplySize)
        return std::nullopt;
    DiskInfo d;
    d.firmware = static_cast<std::int32_t>(get32(data + 1));
    d.cTotal = static_cast<std::int32_t>(get32(data + 5));
    d.cFree = static_cast<std::int32_t>(get32(data + 9));
    d.dTotal = static_cast<std::int32_t>(get32(data + 13));
    d.dFree = static_cast<std::int32_t>(get32(data + 17));
    return d;
}

std::vector<std::uint8_t> makeModelInfoReply(std::uint8_t status, const ModelInfo& model)
{
    std::vector<std::uint8_t> r(kModelReplySize, 0);
    r[0] = static_cast<std::uint8_t>(status + kReplyStatusBias);
    put16(r.data() + 1, static_cast<std::uint16_t>(model.modelClass));
    put16(r.data() + 3, static_cast<std::uint16_t>(model.modelNumber));
    return r;
}

std::optional<ModelInfo> parseModelInfoReply(const std::uint8_t* data, std::size_t n)
{
    if (!data || n < kModelReplySize)
        return std::nullopt;
    return ModelInfo{static_cast<std::int16_t>(get16(data + 1)), static_cast<std::int16_t>(get16(data + 3))};
}

// ---- dates ----

namespace {

std::uint16_t timeValue(const TermDateTime& t)
{
    int h = std::clamp(t.hour, 0, 23), m = std::clamp(t.minute, 0, 59), s = std::clamp(t.second, 0, 59);
    return static_cast<std::uint16_t>((h << 11) | (m << 5) | (s / 2));
}

Word lowFirst(std::uint16_t v) { return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)}; }
Word highFirst(std::uint16_t v) { return {static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)}; }

}  // namespace

Word encodeDate(const TermDateTime& t, int firmware)
{
    int month = std::clamp(t.month, 1, 12), day = std::clamp(t.day, 1, 31);
    if (firmware >= kFatDateFirmware) {
        // The FAT date holds 1980 to 2107.
        int y = std::clamp(t.year, 1980, 2107) - 1980;
        return lowFirst(static_cast<std::uint16_t>((y << 9) | (month << 5) | day));
    }
    int y = ((t.year - 2000) % 32 + 32) % 32;
    return highFirst(static_cast<std::uint16_t>((y << 11) | (month << 5) | day));
}

Word encodeTime(const TermDateTime& t, int firmware)
{
    std::uint16_t v = timeValue(t);
    return firmware >= kFatDateFirmware ? lowFirst(v) : highFirst(v);
}

TermDateTime decodeDateTime(const std::uint8_t* date, const std::uint8_t* time, int firmware)
{
    TermDateTime t;
    std::uint16_t d, tm;
    if (firmware >= kFatDateFirmware) {
        d = static_cast<std::uint16_t>(date[0] | (date[1] << 8));
        tm = static_cast<std::uint16_t>(time[0] | (time[1] << 8));
        t.year = 1980 + (d >> 9);
    } else {
        d = static_cast<std::uint16_t>((date[0] << 8) | date[1]);
        tm = static_cast<std::uint16_t>((time[0] << 8) | time[1]);
        t.year = 2000 + (d >> 11);
    }
    t.month = (d >> 5) & 0x0F;
    t.day = d & 0x1F;
    t.hour = tm >> 11;
    t.minute = (tm >> 5) & 0x3F;
    t.second = (tm & 0x1F) * 2;
    return t;
}

TermDateTime termDateTimeFromUnix(std::int64_t unixSeconds)
{
    const std::tm tm = LocalCalendar(static_cast<std::time_t>(unixSeconds));
    return TermDateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

// ---- file header ----

std::uint8_t fileTypeFor(std::string_view folder)
{
    if (folder.find(":\\program") != std::string_view::npos)
        return kTypeProgram;
    if (folder.find(":\\lookup") != std::string_view::npos)
        return kTypeLookup;
    if (folder.find(":\\fonts") != std::string_view::npos)
        return kTypeFont;
    return kTypeData;
}

std::optional<std::array<std::uint8_t, kFileHeaderSize>> makeFileHeader(const FileHeader& h)
{
    if (h.name.size() > kFileNameField)
        return std::nullopt;
    std::array<std::uint8_t, kFileHeaderSize> b{};
    b[0] = 1;
    b[1] = h.type;
    std::memcpy(b.data() + 2, h.name.data(), h.name.size());
    put32(b.data() + 14, h.sizeField);
    b[18] = h.date[0];
    b[19] = h.date[1];
    b[20] = h.time[0];
    b[21] = h.time[1];
    b[22] = h.overwrite;
    return b;
}

std::optional<FileHeader> parseFileHeader(const std::uint8_t* data, std::size_t n)
{
    if (!data || n < kFileHeaderSize)
        return std::nullopt;
    FileHeader h;
    h.type = data[1];
    std::size_t len = 0;
    while (len < kFileNameField && data[2 + len] != 0)
        ++len;
    h.name.assign(reinterpret_cast<const char*>(data + 2), len);
    h.sizeField = get32(data + 14);
    h.date = {data[18], data[19]};
    h.time = {data[20], data[21]};
    h.overwrite = data[22];
    return h;
}

// ---- path file header ----

std::optional<std::vector<std::uint8_t>> makePathFileHeader(const PathFileHeader& h)
{
    if (h.path.size() > 0xFFFF)
        return std::nullopt;
    std::vector<std::uint8_t> b(kPathFileHeaderFixed + h.path.size(), 0);
    b[0] = 1;
    put32(b.data() + 1, h.sizeField);
    b[5] = h.date[0];
    b[6] = h.date[1];
    b[7] = h.time[0];
    b[8] = h.time[1];
    b[9] = h.overwrite;
    put16(b.data() + 30, static_cast<std::uint16_t>(h.path.size()));
    std::memcpy(b.data() + kPathFileHeaderFixed, h.path.data(), h.path.size());
    return b;
}

std::optional<PathFileHeader> parsePathFileHeader(const std::uint8_t* data, std::size_t n, std::size_t* headerLength)
{
    if (!data || n < kPathFileHeaderFixed)
        return std::nullopt;
    std::size_t p = get16(data + 30);
    if (n - kPathFileHeaderFixed < p)
        return std::nullopt;
    PathFileHeader h;
    h.sizeField = get32(data + 1);
    h.date = {data[5], data[6]};
    h.time = {data[7], data[8]};
    h.overwrite = data[9];
    h.path.assign(reinterpret_cast<const char*>(data + kPathFileHeaderFixed), p);
    if (headerLength)
        *headerLength = kPathFileHeaderFixed + p;
    return h;
}

// ---- kernel image body ----

std::uint32_t kernelWordSum(const std::uint8_t* file, std::size_t n)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i + 4 <= n; i += 4)
        sum += get32(file + i);
    return sum;
}

std::vector<std::uint8_t> makeKernelBody(const std::uint8_t* file, std::size_t n)
{
    // The leading word holds N + 8: larger images cannot be described. The terminal reads the word
    // sum at body offset 4 + (N rounded down to whole words): for an image that is not whole words
    // that is inside the image, so such an image cannot be sent intact and is refused.
    if (n > 0xFFFFFFF7u || n % 4 != 0)
        return {};
    std::vector<std::uint8_t> b(n + 8, 0);
    put32(b.data(), static_cast<std::uint32_t>(n + 8));
    if (n)
        std::copy(file, file + n, b.begin() + 4);
    put32(b.data() + 4 + (n & ~std::size_t{3}), kernelWordSum(file, n));
    return b;
}

KernelBodyCheck checkKernelBody(const std::uint8_t* body, std::size_t n)
{
    KernelBodyCheck c;
    if (!body || n < 8)
        return c;
    c.fileLength = n - 8;
    c.declared = get32(body);
    c.lengthOk = c.declared == n;
    // Where the terminal reads the sum: after the image's whole words.
    c.carriedSum = get32(body + 4 + (c.fileLength & ~std::size_t{3}));
    c.computedSum = kernelWordSum(body + 4, c.fileLength);
    c.sumOk = c.carriedSum == c.computedSum;
    return c;
}

// ---- directory entries ----

namespace {

std::string fieldText(const std::uint8_t* p, std::size_t width)
{
    std::size_t len = 0;
    while (len < width && p[len] != 0)
        ++len;
    while (len > 0 && p[len - 1] == ' ')
        --len;
    return std::string(reinterpret_cast<const char*>(p), len);
}

}  // namespace

std::array<std::uint8_t, kDirEntrySize> encodeDirEntry(const DirEntry& e)
{
    std::array<std::uint8_t, kDirEntrySize> b{};
    std::string_view name = e.name, base = name, ext;
    // A drive entry ("C:\") and the folder names "." and ".." keep their dots in the name field.
    auto dot = name.rfind('.');
    if (e.attribute != kAttrDrive && dot != std::string_view::npos && dot > 0 && name != "..") {
        base = name.substr(0, dot);
        ext = name.substr(dot + 1);
    }
    std::copy_n(base.begin(), std::min<std::size_t>(base.size(), 8), b.begin());
    std::copy_n(ext.begin(), std::min<std::size_t>(ext.size(), 3), b.begin() + 8);
    b[11] = e.attribute;
    b[12] = e.time[0];
    b[13] = e.time[1];
    b[14] = e.date[0];
    b[15] = e.date[1];
    put32(b.data() + 20, e.size);
    return b;
}

std::string dirEntryDisplayName(const std::uint8_t* entry)
{
    std::string base = fieldText(entry, 8);
    std::string ext = fieldText(entry + 8, 3);
    return ext.empty() ? base : base + "." + ext;
}

DirEntry decodeDirEntry(const std::uint8_t* entry)
{
    DirEntry e;
    e.name = dirEntryDisplayName(entry);
    e.attribute = entry[11];
    e.time = {entry[12], entry[13]};
    e.date = {entry[14], entry[15]};
    e.size = get32(entry + 20);
    return e;
}

std::vector<DirEntry> decodeDirectory(const std::uint8_t* data, std::size_t n)
{
    std::vector<DirEntry> out;
    if (!data)
        return out;
    for (std::size_t off = 0; off < n; off += kDirEntrySize) {
        std::array<std::uint8_t, kDirEntrySize> rec{};
        std::memcpy(rec.data(), data + off, std::min(kDirEntrySize, n - off));
        out.push_back(decodeDirEntry(rec.data()));
    }
    return out;
}

// ---- names ----

namespace {

bool isNameChar(unsigned char c)
{
    if (c < 0x20 || c == 0x7F)
        return false;
    return std::strchr("\"*+,/:;<=>?\\[]|. ", c) == nullptr;
}

}  // namespace

bool splitName83(std::string_view name, std::string* base, std::string* ext)
{
    auto dot = name.find('.');
    std::string_view b = name.substr(0, dot), e;
    if (dot != std::string_view::npos) {
        e = name.substr(dot + 1);
        if (e.find('.') != std::string_view::npos || e.empty())
            return false;
    }
    if (b.empty() || b.size() > 8 || e.size() > 3)
        return false;
    for (char c : b)
        if (!isNameChar(static_cast<unsigned char>(c)))
            return false;
    for (char c : e)
        if (!isNameChar(static_cast<unsigned char>(c)))
            return false;
    if (base)
        *base = std::string(b);
    if (ext)
        *ext = std::string(e);
    return true;
}

bool isSafeTerminalName(std::string_view name)
{
    if (name.empty())
        return false;
    bool onlyDotsAndSpaces = true;
    for (char ch : name) {
        auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == ':')
            return false;
        if (c != '.' && c != ' ')
            onlyDotsAndSpaces = false;
    }
    return !onlyDotsAndSpaces;
}

std::string terminalNameFor(std::string_view pcName)
{
    std::string out(pcName);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::optional<std::int64_t> calendarTimeOf(const TermDateTime& t)
{
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 || t.second > 59)
        return std::nullopt;
    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    tm.tm_isdst = -1;
    const std::time_t when = std::mktime(&tm);
    if (when == static_cast<std::time_t>(-1))
        return std::nullopt;
    return static_cast<std::int64_t>(when);
}

}  // namespace feld::wire
