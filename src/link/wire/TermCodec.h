#pragma once
// The terminal's records, as pure functions over bytes: the command packet, the 32-byte file header,
// the path file header, the kernel image body, the date and time words in both encodings, the
// 28-byte directory entry and the reply data of the disk-information and model commands.
// The PC side builds what it sends and reads what comes back with these; the simulated terminal does
// the opposite with the same functions, so both ends agree byte for byte.
// Parsers take untrusted bytes with their length and never read past it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/wire/TermStatus.h"

namespace feld::wire {

// ---- Command packet: op, argument text, CR LF (payload of a code-4 transfer from the PC) ----

enum Op : std::uint8_t {
    kOpList = 0,        // list a folder; answered with 28-byte directory entries (no status byte);
                        // a missing folder lists no entries; "PDT" lists the drives
    kOpDelete = 1,      // delete a file
    kOpGetFile = 3,     // send a file; answered with a code-3 transfer, or, when the terminal
                        // cannot send it (no such file, drive not formatted), with reply data
                        // (a code-4 transfer) holding its status: a fetch that received no file failed
    kOpFormat = 4,      // format "C:\" or "D:\"
    kOpDiskInfo = 5,    // firmware version and drive sizes
    kOpModel = 16,      // model report
    kOpFirmware = 17,   // start flashing the kernel image
};

// The longest folder path a listing may carry: the PC builds the packet in an 80-byte buffer.
constexpr std::size_t kMaxListPath = 77;

std::vector<std::uint8_t> makeCommand(std::uint8_t op, std::string_view argument);

struct Command {
    std::uint8_t op = 0;
    std::string argument;
};
// A packet must hold the op and end with CR LF; anything else gives nullopt.
std::optional<Command> parseCommand(const std::uint8_t* data, std::size_t n);

// Reply data of a command: byte 0 is the status + 100.
constexpr std::uint8_t kReplyStatusBias = 100;
std::vector<std::uint8_t> makeStatusReply(std::uint8_t status);
// The status (byte 0 - 100) or nullopt for empty reply data.
std::optional<int> replyDataStatus(const std::uint8_t* data, std::size_t n);

// ---- Disk information (op 5): status, version x 100, C: total, C: free, D: total, D: free ----

constexpr std::size_t kDiskInfoReplySize = 21;
struct DiskInfo {
    std::int32_t firmware = 0;  // hundredths: 200 = 2.00
    std::int32_t cTotal = 0;
    std::int32_t cFree = 0;     // negative: drive not formatted
    std::int32_t dTotal = 0;
    std::int32_t dFree = 0;
};
std::vector<std::uint8_t> makeDiskInfoReply(std::uint8_t status, const DiskInfo& info);
// nullopt when the reply data is shorter than 21 bytes.
std::optional<DiskInfo> parseDiskInfoReply(const std::uint8_t* data, std::size_t n);

// ---- Model report (op 16): status, model class (191 = model report), model number (signed) ----

constexpr std::size_t kModelReplySize = 5;
struct ModelInfo {
    std::int16_t modelClass = 0;
    std::int16_t modelNumber = 0;
};
std::vector<std::uint8_t> makeModelInfoReply(std::uint8_t status, const ModelInfo& model);
std::optional<ModelInfo> parseModelInfoReply(const std::uint8_t* data, std::size_t n);

// ---- Date and time words ----
// Firmware 200 and above: little-endian FAT words (date (year - 1980) << 9 | month << 5 | day,
// time hour << 11 | minute << 5 | second / 2). Below 200: the same time value high byte first, and
// the date as ((year - 2000) mod 32) << 11 | month << 5 | day, high byte first.

constexpr int kFatDateFirmware = 200;

struct TermDateTime {
    int year = 1980;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;  // even: the words keep seconds / 2
};
using Word = std::array<std::uint8_t, 2>;

Word encodeDate(const TermDateTime& t, int firmware);
Word encodeTime(const TermDateTime& t, int firmware);
// Reads the two words as the given firmware writes them; fields are returned as stored, unchecked
// (a month of 0 or 15 comes back as such), so callers decide what to show for nonsense.
TermDateTime decodeDateTime(const std::uint8_t* date, const std::uint8_t* time, int firmware);
// The calendar time (local time) of a terminal date and time, or nothing when they name no real
// moment (month 0, hour 25, ...).
std::optional<std::int64_t> calendarTimeOf(const TermDateTime& t);
// Local calendar fields of a Unix time (for a PC file's last-modified time or the terminal's clock).
TermDateTime termDateTimeFromUnix(std::int64_t unixSeconds);

// ---- File header: the first 32 bytes of a code-3 transfer (both directions) ----

constexpr std::size_t kFileHeaderSize = 32;
constexpr std::size_t kFileNameField = 12;

enum FileType : std::uint8_t {
    kTypeProgram = 0,  // terminal folder "...:\program"
    kTypeLookup = 1,   // "...:\lookup"
    kTypeFont = 2,     // "...:\fonts"
    kTypeKernel = 4,   // a ".bin" kernel image, whatever the folder
    kTypeData = 5,     // "...:\data"
};

// The type a PC file sent to `folder` travels as: the folder is searched (letter case as given) for
// ":\program", ":\lookup", ":\fonts", ":\data" in that order. A folder that names none of them
// travels as data, the safest place on the terminal. Only the kernel update sends type 4 (a kernel
// image), whatever the file's name.
std::uint8_t fileTypeFor(std::string_view folder);

struct FileHeader {
    std::uint8_t type = kTypeData;
    std::string name;            // at most 12 bytes
    std::uint32_t sizeField = 0; // file length; kernel image: file length + 8
    Word date{};                 // as the terminal's firmware encodes it
    Word time{};
    std::uint8_t overwrite = 0;  // 1 = replace an existing file
};
// nullopt when the name is longer than 12 bytes (the PC refuses such a name before any exchange).
std::optional<std::array<std::uint8_t, kFileHeaderSize>> makeFileHeader(const FileHeader& h);
// nullopt when fewer than 32 bytes are given. The name ends at the first NUL or after 12 bytes.
std::optional<FileHeader> parseFileHeader(const std::uint8_t* data, std::size_t n);

// The size field for a file of `length` bytes: kernel images carry 8 more (length and word sum).
inline std::uint32_t sizeFieldFor(std::uint32_t length, bool kernelImage) { return kernelImage ? length + 8 : length; }

// ---- Path file header: the first 32 + P bytes of a code-8 transfer ----

constexpr std::size_t kPathFileHeaderFixed = 32;
struct PathFileHeader {
    std::uint32_t sizeField = 0;
    Word date{};                 // always the encoding of firmware 200 and above
    Word time{};
    std::uint8_t overwrite = 0;
    std::string path;            // terminal path, e.g. "C:\Data\DATA1.TXT"
};
// nullopt when the path is longer than 65535 bytes.
std::optional<std::vector<std::uint8_t>> makePathFileHeader(const PathFileHeader& h);
// nullopt when the bytes are too short for the fixed part or for the path length they announce.
// `headerLength` receives 32 + P.
std::optional<PathFileHeader> parsePathFileHeader(const std::uint8_t* data, std::size_t n, std::size_t* headerLength = nullptr);

// ---- Kernel image body: N + 8 (4 bytes), the N file bytes, the 32-bit word sum (4 bytes) ----
// The word sum is the wrap-around sum of the file's first N / 4 little-endian 32-bit words. The
// terminal reads it at body offset 4 + (N rounded down to a multiple of 4): right after the image
// for a whole-word image, inside it otherwise. Images that are not whole words are not sent.

std::uint32_t kernelWordSum(const std::uint8_t* file, std::size_t n);
// Empty when N + 8 does not fit the 32-bit length word or N is not a whole number of words.
std::vector<std::uint8_t> makeKernelBody(const std::uint8_t* file, std::size_t n);

struct KernelBodyCheck {
    bool lengthOk = false;     // the leading word equals the body length
    bool sumOk = false;        // the trailing word equals the word sum of the file bytes
    std::uint32_t declared = 0;
    std::uint32_t carriedSum = 0;
    std::uint32_t computedSum = 0;
    std::size_t fileLength = 0;
};
// Checks a received body of `n` bytes (n >= 8; shorter bodies fail both checks).
KernelBodyCheck checkKernelBody(const std::uint8_t* body, std::size_t n);

// ---- Directory entry: 28 bytes of a listing (reply to op 0) ----

constexpr std::size_t kDirEntrySize = 28;
enum Attribute : std::uint8_t {
    kAttrDrive = 0x00,   // name such as "C:\"
    kAttrFolder = 0x10,
    kAttrFile = 0x20,
};

struct DirEntry {
    std::string name;          // display name: "DATA1.TXT", "DATA", "C:\"
    std::uint8_t attribute = kAttrFile;
    Word time{};               // as the terminal's firmware encodes it
    Word date{};
    std::uint32_t size = 0;
};

// Builds an entry from a display name: the part before the last dot fills the 8-byte name field and
// the part after it the 3-byte extension, each padded with zero bytes; longer parts are cut.
std::array<std::uint8_t, kDirEntrySize> encodeDirEntry(const DirEntry& e);
// The display name of an entry: up to 8 name bytes and up to 3 extension bytes, each ending at the
// first zero byte with trailing spaces trimmed, joined by "." when there is an extension.
std::string dirEntryDisplayName(const std::uint8_t* entry);
DirEntry decodeDirEntry(const std::uint8_t* entry);
// All entries of listing reply data; a short last record is read as if padded with zero bytes
// (the record count is the length / 28 rounded up).
std::vector<DirEntry> decodeDirectory(const std::uint8_t* data, std::size_t n);

// ---- Names ----

// Splits an 8.3 name ("DATA1.TXT") into base and extension; false when it is not one: empty base,
// base over 8 or extension over 3 bytes, more than one dot, or a character a terminal name cannot hold.
bool splitName83(std::string_view name, std::string* base, std::string* ext);

// Whether a name that came from the terminal may become the last part of a PC path: not empty, not
// "." or "..", only dots and spaces never, no "/" "\" ":" and no control characters.
bool isSafeTerminalName(std::string_view name);

// The name a PC file is stored under on the terminal: its ASCII letters in upper case (the terminal
// keeps upper-case 8.3 names only; "scan.txt" on the PC becomes "SCAN.TXT" there).
std::string terminalNameFor(std::string_view pcName);

}  // namespace feld::wire
