#include "sim/SimConfig.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace feld::sim {

namespace {

bool toInt64(const std::string& s, std::int64_t& out, bool sizeSuffix = false)
{
    if (s.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    long long v = std::strtoll(s.c_str(), &end, 10);
    if (errno != 0 || end == s.c_str())
        return false;
    std::string rest(end);
    if (sizeSuffix && (rest == "K" || rest == "k"))
        v *= 1024;
    else if (sizeSuffix && (rest == "M" || rest == "m"))
        v *= 1024 * 1024;
    else if (!rest.empty())
        return false;
    out = v;
    return true;
}

constexpr int kMaxSliceBytes = 4096;
// The largest timer a USB-serial adapter of the common kind can be set to.
constexpr int kMaxLatencyTimerMs = 255;

bool toInt(const std::string& s, int& out, int lo, int hi)
{
    std::int64_t v = 0;
    if (!toInt64(s, v) || v < lo || v > hi)
        return false;
    out = static_cast<int>(v);
    return true;
}

}  // namespace

bool parseForcedStatus(const std::string& text, ForcedStatus& out, std::string& error)
{
    ForcedStatus f;
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        auto colon = text.find(':', start);
        parts.push_back(text.substr(start, colon == std::string::npos ? std::string::npos : colon - start));
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    // The last part is COUNT when it reads as one; everything between STATUS and COUNT is WHEN,
    // whose argument may hold colons of its own ("9:op=4,C:\\:2").
    std::string count;
    if (parts.size() > 2 && (parts.back() == "all" || (!parts.back().empty() &&
                                                     parts.back().find_first_not_of("0123456789") == std::string::npos))) {
        count = parts.back();
        parts.pop_back();
    }
    if (parts.size() > 2) {
        for (std::size_t i = 2; i < parts.size(); ++i)
            parts[1] += ":" + parts[i];
        parts.resize(2);
    }
    if (!count.empty())
        parts.push_back(count);
    if (parts[0] == "none")
        f.status = -1;
    else if (!toInt(parts[0], f.status, 0, 255)) {
        error = "--force-status: the status must be 0 to 255 or none: " + text;
        return false;
    }
    if (parts.size() > 1) {
        const std::string& w = parts[1];
        if (w == "file")
            f.when = ForcedStatus::When::File;
        else if (w == "frame")
            f.when = ForcedStatus::When::Frame;
        else if (w == "header")
            f.when = ForcedStatus::When::Header;
        else if (w.rfind("header=", 0) == 0 && toInt(w.substr(7), f.op, 0, 255))
            f.when = ForcedStatus::When::Header;
        else if (w == "op")
            f.when = ForcedStatus::When::Op;
        else if (w == "command")
            f.when = ForcedStatus::When::Command;
        else {
            // op=N or command=N, with ",ARG" for one argument only.
            const bool op = w.rfind("op=", 0) == 0;
            const bool command = w.rfind("command=", 0) == 0;
            std::string number = op ? w.substr(3) : command ? w.substr(8) : std::string();
            if (auto comma = number.find(','); comma != std::string::npos) {
                f.argument = number.substr(comma + 1);
                number.resize(comma);
            }
            if ((!op && !command) || !toInt(number, f.op, 0, 255)) {
                error = "--force-status: WHEN must be file, frame, header, header=CODE, op, op=N[,ARG], command or "
                        "command=N[,ARG]: " + text;
                return false;
            }
            f.when = op ? ForcedStatus::When::Op : ForcedStatus::When::Command;
        }
    }
    if (parts.size() > 2) {
        if (parts[2] == "all")
            f.count = 0;
        else if (!toInt(parts[2], f.count, 1, 1 << 30)) {
            error = "--force-status: COUNT must be a positive number or all: " + text;
            return false;
        }
    }
    if (f.status < 0 && (f.when == ForcedStatus::When::File || f.when == ForcedStatus::When::Op ||
                         f.when == ForcedStatus::When::Command)) {
        error = "--force-status: \"none\" (no answer) goes with frame or header: " + text;
        return false;
    }
    out = f;
    return true;
}

bool parseRefusedFile(const std::string& text, SimConfig::RefusedFile& out, std::string& error)
{
    // The status follows the last "=": a name holds none, but the check below says so if it does.
    const auto eq = text.rfind('=');
    SimConfig::RefusedFile r;
    if (eq == std::string::npos || eq == 0 || !toInt(text.substr(eq + 1), r.status, 0, 255)) {
        error = "--refuse-file takes NAME=STATUS, STATUS 0 to 255: " + text;
        return false;
    }
    r.name = text.substr(0, eq);
    if (r.name.find('=') != std::string::npos) {
        error = "--refuse-file: a terminal name holds no '=': " + text;
        return false;
    }
    out = r;
    return true;
}

bool parseLostFile(const std::string& text, SimConfig::LostFile& out, std::string& error)
{
    SimConfig::LostFile l;
    const auto eq = text.find('=');
    l.name = text.substr(0, eq);
    int keep = 0;
    if (l.name.empty() || (eq != std::string::npos && !toInt(text.substr(eq + 1), keep, 0, 1 << 30))) {
        error = "--lose-file takes NAME or NAME=BYTES, BYTES 0 or more: " + text;
        return false;
    }
    if (eq != std::string::npos)
        l.keep = keep;
    out = l;
    return true;
}

bool parseRepeatFrame(const std::string& text, RepeatFrame& out, std::string& error, const char* option, int lowest)
{
    RepeatFrame r;
    const auto colon = text.find(':');
    const std::string counter = text.substr(0, colon);
    if (!toInt(counter, r.counter, lowest, 49)) {
        error = std::string(option) + " takes COUNTER[:COUNT] with COUNTER " + std::to_string(lowest) + " to 49: " + text;
        return false;
    }
    if (colon != std::string::npos) {
        const std::string count = text.substr(colon + 1);
        if (count == "all")
            r.count = 0;
        else if (!toInt(count, r.count, 1, 1 << 30)) {
            error = std::string(option) + ": COUNT must be a positive number or all: " + text;
            return false;
        }
    }
    out = r;
    return true;
}

bool parseSimArgs(int argc, char** argv, SimConfig& c, bool& help, std::string& error)
{
    help = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        std::string value;
        auto eq = a.find('=');
        bool hasInline = a.rfind("--", 0) == 0 && eq != std::string::npos;
        if (hasInline) {
            value = a.substr(eq + 1);
            a = a.substr(0, eq);
        }
        auto need = [&](std::string& v) {
            if (hasInline) {
                v = value;
                return true;
            }
            if (i + 1 >= argc) {
                error = a + " needs a value";
                return false;
            }
            v = argv[++i];
            return true;
        };
        auto bad = [&](const std::string& v, const char* what) {
            error = a + ": " + what + ", not \"" + v + "\"";
            return false;
        };
        std::string v;
        std::int64_t n = 0;
        if (a == "--help" || a == "-h") {
            help = true;
        } else if (a == "--stdin-lifetime") {
            c.stdinLifetime = true;
        } else if (a == "--need-flash-writer") {
            c.needFlashWriter = true;
        } else if (a == "--empty-missing-folders") {
            c.emptyMissingFolders = true;
        } else if (a == "--hostile-names") {
            c.hostileNames = true;
        } else if (a == "--device") {
            if (!need(c.device))
                return false;
        } else if (a == "--root") {
            if (!need(c.root))
                return false;
        } else if (a == "--log") {
            if (!need(c.logPath))
                return false;
        } else if (a == "--baud") {
            if (!need(v))
                return false;
            if (!toInt64(v, n) || n < 0 || n > 100'000'000)
                return bad(v, "a bit rate from 1 to 100000000, or 0 for unpaced");
            c.baud = static_cast<long>(n);
        } else if (a == "--line") {
            if (!need(v))
                return false;
            const std::size_t dash = v.find('-');
            const std::string framing = dash == std::string::npos ? std::string() : v.substr(dash + 1);
            if (dash == std::string::npos || !toInt64(v.substr(0, dash), n) || n <= 0 || n > 100'000'000 ||
                (framing != "8N1" && framing != "8N2"))
                return bad(v, "BAUD-8N1 or BAUD-8N2, such as 115200-8N1");
            c.lineBaud = static_cast<long>(n);
            c.lineStopBits = framing == "8N2" ? 2 : 1;
        } else if (a == "--slice-bytes") {
            if (!need(v))
                return false;
            if (!toInt(v, c.sliceBytes, 0, kMaxSliceBytes))
                return bad(v, "a number of bytes from 1 to 4096, or 0 for 10-ms slices");
        } else if (a == "--latency-timer") {
            if (!need(v))
                return false;
            if (!toInt(v, c.latencyTimerMs, 0, kMaxLatencyTimerMs))
                return bad(v, "milliseconds from 1 to 255, or 0 for no adapter");
        } else if (a == "--c-size" || a == "--d-size") {
            if (!need(v))
                return false;
            if (!toInt64(v, n, true) || n < 0 || n > 0x7FFFFFFF)
                return bad(v, "a size in bytes (K and M suffixes allowed) up to 2 GiB - 1");
            (a == "--c-size" ? c.cSize : c.dSize) = n;
        } else if (a == "--unformatted") {
            if (!need(v))
                return false;
            if (v == "C" || v == "c" || v == "C:")
                c.cUnformatted = true;
            else if (v == "D" || v == "d" || v == "D:")
                c.dUnformatted = true;
            else
                return bad(v, "C or D");
        } else if (a == "--firmware") {
            if (!need(v))
                return false;
            if (!toInt(v, c.firmware, 1, 99999))
                return bad(v, "a version in hundredths such as 199, 200 or 201");
        } else if (a == "--model") {
            if (!need(v))
                return false;
            auto colon = v.find(':');
            if (colon == std::string::npos || !toInt(v.substr(0, colon), c.modelClass, -32768, 32767) ||
                !toInt(v.substr(colon + 1), c.modelNumber, -32768, 32767))
                return bad(v, "CLASS:NUMBER such as 191:9067");
        } else if (a == "--seed") {
            if (!need(v))
                return false;
            if (!toInt64(v, n) || n < 0)
                return bad(v, "a non-negative number");
            c.seed = static_cast<std::uint64_t>(n);
        } else if (a == "--corrupt-every" || a == "--drop-every" || a == "--busy-every" ||
                   a == "--restart-every" || a == "--duplicate-every") {
            if (!need(v))
                return false;
            int every = 0;
            if (!toInt(v, every, 0, 1 << 30))
                return bad(v, "a number of frames (0 = never)");
            if (a == "--corrupt-every")
                c.corruptEvery = every;
            else if (a == "--drop-every")
                c.dropEvery = every;
            else if (a == "--busy-every")
                c.busyEvery = every;
            else if (a == "--restart-every")
                c.restartEvery = every;
            else
                c.duplicateEvery = every;
        } else if (a == "--repeat-frame") {
            if (!need(v))
                return false;
            RepeatFrame r;
            if (!parseRepeatFrame(v, r, error))
                return false;
            c.repeats.push_back(r);
        } else if (a == "--stale-reply") {
            if (!need(v))
                return false;
            RepeatFrame r;
            if (!parseRepeatFrame(v, r, error, "--stale-reply", 1))
                return false;
            c.staleReplies.push_back(r);
        } else if (a == "--force-status") {
            if (!need(v))
                return false;
            ForcedStatus f;
            if (!parseForcedStatus(v, f, error))
                return false;
            c.forced.push_back(f);
        } else if (a == "--refuse-file") {
            if (!need(v))
                return false;
            SimConfig::RefusedFile r;
            if (!parseRefusedFile(v, r, error))
                return false;
            c.refusedFiles.push_back(r);
        } else if (a == "--lose-file") {
            if (!need(v))
                return false;
            SimConfig::LostFile l;
            if (!parseLostFile(v, l, error))
                return false;
            c.lostFiles.push_back(l);
        } else {
            error = "unknown option " + a + " (see --help)";
            return false;
        }
    }
    if (c.sliceBytes > 0 && c.baud == 0) {
        error = "--slice-bytes needs --baud: an unpaced line hands the PC whole frames";
        return false;
    }
    if (c.sliceBytes > 0 && c.latencyTimerMs > 0) {
        error = "--slice-bytes and --latency-timer are two kinds of PC port: give one of them";
        return false;
    }
    return true;
}

const char* simUsage()
{
    return R"(Usage: feldspan-pdtsim [options]

A simulated data terminal. It opens a pseudo-terminal, prints {"device": "/dev/pts/N"} as its first
line on stdout and serves the terminal's side of the link there until it is killed (SIGTERM or
SIGINT end it cleanly) or, with --stdin-lifetime, until its stdin closes.

Line:
  --device PATH          serve an existing device instead of a new pseudo-terminal
  --baud N               pace both directions as an 8N1 line at N bit/s (10 bits a byte);
                         absent or 0: as fast as the pseudo-terminal goes
  --line BAUD-8N1        the terminal's own line setting (or BAUD-8N2): what the PC sends while
                         its side of the pseudo-terminal is set to another bit rate or number of
                         stop bits is lost, as garbage on a real line would be, and logged once per
                         setting (data bits and parity a pseudo-terminal does not keep; bytes read
                         while the line is back at the setting it had at start, as a closing PC
                         program leaves it, are taken)
  --slice-bytes N        with --baud: hand the PC the terminal's bytes N at a time (1-4096), each
                         handful when its last byte would have left the line; 5 is like a
                         motherboard UART. Absent or 0: slices of 10 ms
  --latency-timer MS     a USB-serial adapter between the line and the PC: the terminal's bytes
                         reach the PC in packets of 62, or MS ms (1-255) after the oldest byte
                         waiting came off the line, whichever is first; the PC's bytes pass at
                         once. With or without --baud. Absent or 0: no adapter
Drives:
  --root DIR             drive C: is DIR/C, drive D: is DIR/D (created when missing);
                         default: a fresh temporary folder, removed at exit
  --c-size N, --d-size N drive sizes in bytes (K, M suffixes); free = size - bytes stored
                         (defaults 32M and 16M)
  --unformatted C|D      start with that drive unformatted (free space reported as -1;
                         storing answers status 4; op 4 formats it); repeatable
Terminal:
  Names are kept as a terminal keeps them: 8.3 names in upper-case ASCII (A-Z, 0-9 and
  ! # $ % & ' ( ) - @ ^ _ ` { } ~). A file to be stored under any other name (the flash writer's
  ROMWrite.abp apart), and a path with a ".", ".." or empty component, a "/", a drive other than
  C: or D:, a link or a part that is no 8.3 name, are refused with status 10 and the rule broken is
  logged. Existing files and folders are found whatever the letter case of the request.
  --firmware N           199, 200, 201 ... (default 201). Below 200 dates use the old encoding;
                         up to 200 the terminal does not take code-8 files (it refuses their header)
  --model CLASS:NUMBER   model report (default 191:9067)
  --need-flash-writer    answer status 3 (with the model) to every file sent until
                         C:\Program\ROMWrite.abp is stored; op 17 always answers 3 while it is absent
  --empty-missing-folders
                         list a folder that is not there as an empty one (no status)
  --hostile-names        a terminal gone wrong, for testing the PC side: every folder listing
                         also holds entries named ".", "..", "../EVIL.TXT" and "..\EVIL.TXT", and
                         op 3 for such a name answers with a 4-byte file "EVIL"
Log:
  --log FILE             one JSON object per line: "event" is one of
                         receive / send (a transfer: code, length, result),
                         link-check, command (op, argument, status), stored (code, type, name,
                         path, size_field, date, time (the two words as hex bytes), overwrite,
                         and for kernel images kernel_length_ok and kernel_sum_ok),
                         refused (why, status; the file's name or path, or a command's op
                         and argument), format (drive), delete (path), firmware-update,
                         fault (kind: corrupt, drop, busy, restart, duplicate, repeat, forced), abandoned (why),
                         line-mismatch (pc: the PC's bit rate and stop bits that --line refuses);
                         every line has "seq" (from 1) and "ms" (since start)
Faults (deterministic; --seed N shifts which frames are hit and which bytes are corrupted):
  --corrupt-every N      corrupt every Nth header or data frame the terminal sends
  --drop-every N         leave every Nth PC data frame unanswered (the resend is answered)
  --busy-every N         answer every Nth PC data frame with status 7 first
  --restart-every N      send a code-7 header before every Nth transfer it sends
  --duplicate-every N    send every Nth data frame again once the PC has taken it, as if the PC's
                         answer had been lost (any frame: the first, one at counter 0 or 49, one
                         before a shorter last frame, the last)
  --repeat-frame COUNTER[:COUNT]
                         a frame sent again on demand, as if the PC's answer had been lost: the first data frame of a transfer that carries
                         COUNTER (0-49) goes out again once the PC has taken it; COUNT transfers
                         (default 1), or "all" for every transfer that has such a frame; repeatable.
                         Examples: --repeat-frame 0  --repeat-frame 49:all
  --stale-reply COUNTER[:COUNT]
                         the PC's first data frame with this counter (1 to 49) in a transfer is
                         lost on its way in, and a late "taken" with counter 0 (the answer to an
                         earlier frame) arrives instead; COUNT as for --repeat-frame.
                         Example: --stale-reply 5
  --force-status STATUS[:WHEN[:COUNT]]
                         answer with STATUS on demand; repeatable. STATUS is 0-255, or "none" for
                         no answer at all (with frame or header). WHEN:
                           file    (default) the first data frame of the next file sent to the
                                   terminal (code 3 or 8); the file is not stored
                           frame   the next PC data frame of any transfer
                           header  the next PC header
                           header=CODE  the next PC header of transfer code CODE (3 a file,
                                   8 a file with its path, 4 a command, 1 the link check)
                           op      the reply data of the next command (byte 0 = STATUS + 100);
                                   the command is not carried out
                           op=N    the same, only for op N; op=N,ARG only for op N with the
                                   argument ARG (any letter case), e.g. op=4,C:\ (format C:)
                           command the reply frame to the next command packet: the command is
                                   refused before it runs and no answer follows
                           command=N, command=N,ARG  the same, only for op N (and ARG)
                         COUNT: how many times (default 1), or "all". Status 3 replies carry the
                         model. Examples: --force-status 11:op=1  --force-status none:header
                         --force-status 12:file:all  --force-status 9:op=4,D:\
                         --force-status 12:command=1:all
  --refuse-file NAME=STATUS
                         refuse one file, every time: sending it (a file NAME, or the full
                         terminal path NAME, any letter case) is answered with STATUS at its first
                         data frame and it is not stored; fetching (op 3) or deleting (op 1) it is
                         answered with STATUS and nothing is sent or deleted. Repeatable.
                         Example: --refuse-file A.TXT=12
  --lose-file NAME[=BYTES]
                         lose one file, every time: sending it is answered "done" like any
                         other, but nothing is stored (with =BYTES: only its first BYTES bytes).
                         NAME as for --refuse-file. Repeatable. Example: --lose-file A.TXT=10
  --stdin-lifetime       end when stdin closes
  --help                 this text
)";
}

}  // namespace feld::sim
