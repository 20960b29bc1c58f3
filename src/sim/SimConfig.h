#pragma once
// Everything the simulated terminal can be told at start: its line, its drives, its firmware and
// model, its log, and the faults it injects. Filled from the command line by parseSimArgs, or by a
// test directly.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace feld::sim {

// An answer given on demand instead of the one the terminal would give.
struct ForcedStatus {
    enum class When {
        File,    // the first data frame of a PC file transfer (code 3 or 8): the file is not stored
        Frame,   // the next PC data frame of any transfer
        Header,  // the next PC header
        Op,      // the reply data of a command (op < 0: any op)
        Command, // the reply frame to a command packet: the command is not run (op < 0: any op)
    };
    int status = 0;      // -1: no answer at all (Header and Frame only)
    When when = When::File;
    int op = -1;         // Header: the transfer code (< 0: any)
    std::optional<std::string> argument;  // Op and Command: only a command with this argument (any case)
    int count = 1;       // how many times; 0 = every time
    int after = 0;       // moments of this kind that pass untouched first (the third fetch, say)
};

// A frame the terminal sends again after the PC took it, as if the PC's answer had been lost.
struct RepeatFrame {
    int counter = 0;  // the first frame of a transfer that carries this counter (0..49)
    int count = 1;    // how many transfers it happens in; 0 = every one
};

struct SimConfig {
    std::string device;       // serve this device instead of a new pseudo-terminal
    long baud = 0;            // 0: unpaced
    int sliceBytes = 0;       // bytes a paced line hands the PC at a time; 0: 10-ms slices
    int latencyTimerMs = 0;   // a USB-serial adapter's latency timer before the PC; 0: no adapter
    long lineBaud = 0;        // the terminal's own bit rate: the PC's bytes at another are lost; 0: any
    int lineStopBits = 1;     // and its stop bits
    std::string root;         // drives in root/C and root/D; empty: a temporary folder
    std::int64_t cSize = 32 * 1024 * 1024;
    std::int64_t dSize = 16 * 1024 * 1024;
    bool cUnformatted = false;
    bool dUnformatted = false;
    int firmware = 201;
    int modelClass = 191;
    int modelNumber = 9067;
    std::string logPath;
    std::uint64_t seed = 0;
    int corruptEvery = 0;     // every Nth header or data frame the terminal sends is corrupted
    int dropEvery = 0;        // every Nth PC data frame is left unanswered
    int busyEvery = 0;        // every Nth PC data frame is answered with status 7 first
    int restartEvery = 0;     // a code-7 header before every Nth transfer the terminal sends
    int duplicateEvery = 0;   // every Nth data frame the terminal sends goes out again once taken
    std::vector<RepeatFrame> repeats;
    // PC frames lost on their way in and answered by a stale "taken" with counter 0 (counter 1..49).
    std::vector<RepeatFrame> staleReplies;
    bool needFlashWriter = false;
    bool emptyMissingFolders = false;  // a folder that is not there is listed as empty
    bool hostileNames = false;  // listings add entries named ".", ".." and with separators
    std::vector<ForcedStatus> forced;

    // Files the terminal refuses by name, every time: a file sent under that name is answered with
    // the status at its first data frame (it is not stored), and a fetch or delete of it with the
    // status as the command's answer (nothing is sent or deleted).
    struct RefusedFile {
        std::string name;  // a file name ("A.TXT") or a full path ("C:\Data\A.TXT"), any case
        int status = 0;
    };
    std::vector<RefusedFile> refusedFiles;
    // Files the terminal loses by name, every time: sending one is answered "done" like any other,
    // but nothing is stored, or only its first `keep` bytes.
    struct LostFile {
        std::string name;  // as RefusedFile's
        long long keep = -1;  // bytes kept; -1: none, the file is not stored at all
    };
    std::vector<LostFile> lostFiles;
    bool stdinLifetime = false;
    int replyTimeoutMs = 10000;  // the terminal's wait for a PC reply to a data frame
    int headerTimeoutMs = 20000; // its wait for the reply to its header (the PC may format D: first)
    int frameTimeoutMs = 12000;  // its wait for the PC's next data frame
};

// Parses one --force-status value: STATUS[:WHEN[:COUNT]], STATUS a number or "none",
// WHEN file | frame | header | header=CODE | op | op=N[,ARG] | command | command=N[,ARG] (ARG may
// hold ':'),
// COUNT a number or "all".
bool parseForcedStatus(const std::string& text, ForcedStatus& out, std::string& error);

// Parses one --refuse-file value: NAME=STATUS.
bool parseRefusedFile(const std::string& text, SimConfig::RefusedFile& out, std::string& error);
// Parses one --lose-file value: NAME or NAME=BYTES.
bool parseLostFile(const std::string& text, SimConfig::LostFile& out, std::string& error);
// Parses one --repeat-frame value: COUNTER[:COUNT], COUNTER 0 to 49, COUNT a number or "all".
// `option` names the option in the error ("--repeat-frame", "--stale-reply"), `lowest` its first counter.
bool parseRepeatFrame(const std::string& text, RepeatFrame& out, std::string& error, const char* option = "--repeat-frame",
                      int lowest = 0);

// Parses the command line (without argv[0] handling of --help: `help` is set instead).
bool parseSimArgs(int argc, char** argv, SimConfig& config, bool& help, std::string& error);

// The --help text.
const char* simUsage();

}  // namespace feld::sim
