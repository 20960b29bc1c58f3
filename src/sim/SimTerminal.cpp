#include "sim/SimTerminal.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace feld::sim {

namespace {

// A command is an op, a path and CR LF: anything longer is not one.
constexpr std::uint32_t kMaxCommandLength = 4096;
constexpr int kRetryLimit = 40;
// Replies not come within the reply time-out this many times in a row end a transfer we send.
constexpr int kSilenceLimit = 3;
// What a terminal gone wrong lists (--hostile-names).
constexpr const char* kHostileNames[] = {".", "..", "../EVIL.TXT", "..\\EVIL.TXT"};
// The largest kernel image the terminal takes (it keeps the image in memory until op 17).
constexpr std::uint32_t kMaxKernelImage = 64u * 1024 * 1024;

std::string hex(const wire::Word& w)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02x%02x", w[0], w[1]);
    return buf;
}

std::string upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool endsWithNoCase(const std::string& s, const char* tail)
{
    std::size_t n = std::strlen(tail);
    return s.size() >= n && upper(s.substr(s.size() - n)) == upper(tail);
}

std::string dateText(const wire::TermDateTime& t)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
    return buf;
}

std::optional<std::int64_t> unixFrom(const wire::TermDateTime& t)
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
    std::time_t v = std::mktime(&tm);
    if (v == static_cast<std::time_t>(-1))
        return std::nullopt;
    return static_cast<std::int64_t>(v);
}

}  // namespace

SimTerminal::SimTerminal(const SimConfig& config, int fd, SimLog& log)
    : config_(config), log_(log), line_(fd, config.baud), drives_(config.root, config.cSize, config.dSize), faults_(config)
{
    if (config.cUnformatted)
        drives_.setUnformatted(SimDrives::kDriveC);
    if (config.dUnformatted)
        drives_.setUnformatted(SimDrives::kDriveD);
}

SimTerminal::~SimTerminal() { stop(); }

bool SimTerminal::prepare(std::string& error) { return drives_.prepare(error); }

void SimTerminal::start()
{
    if (!thread_.joinable())
        thread_ = std::thread([this] { serve(); });
}

void SimTerminal::stop()
{
    stopping_ = true;
    line_.stop();
    if (thread_.joinable())
        thread_.join();
}

std::vector<std::uint8_t> SimTerminal::kernelImage() const
{
    std::lock_guard<std::mutex> lock(kernelMutex_);
    return kernel_;
}

// ---- line helpers ----

void SimTerminal::reply(std::uint16_t counter, int status)
{
    if (status < 0)
        return;
    // A terminal that wants the flash writer says which model it is in the same reply.
    auto r = status == 3 ? wire::makeModelReply(static_cast<std::uint16_t>(config_.modelClass),
                                                static_cast<std::int16_t>(config_.modelNumber))
                         : wire::makeReply(counter, static_cast<std::uint8_t>(status));
    line_.write(r.data(), r.size());
}

bool SimTerminal::writeFrame(const std::uint8_t* p, std::size_t n, bool mayCorrupt)
{
    if (mayCorrupt && faults_.corruptNext()) {
        std::vector<std::uint8_t> spoilt(p, p + n);
        std::size_t at = faults_.corruptPosition(n);
        spoilt[at] ^= 0x5A;
        log_.line("fault").str("kind", "corrupt").num("size", static_cast<std::int64_t>(n)).num("byte", static_cast<std::int64_t>(at)).emit();
        return line_.write(spoilt.data(), n) == SimLine::Wait::Ok;
    }
    return line_.write(p, n) == SimLine::Wait::Ok;
}

bool SimTerminal::headerWaiting()
{
    if (line_.fill(wire::kHeaderSize, SimLine::msFromNow(1000)) != SimLine::Wait::Ok)
        return false;
    return line_.data()[1] == 0x02 && wire::parseHeader(line_.data()).has_value();
}

SimTerminal::Got SimTerminal::waitReply(std::int64_t deadlineNs, wire::Reply& out)
{
    for (;;) {
        auto w = line_.fill(1, deadlineNs);
        if (w == SimLine::Wait::Stopped)
            return Got::Stopped;
        if (w != SimLine::Wait::Ok)
            return Got::Timeout;
        std::uint8_t b = line_.data()[0];
        if (b == 0x02) {
            w = line_.fill(wire::kReplySize, std::min(deadlineNs, SimLine::msFromNow(1000)));
            if (w == SimLine::Wait::Stopped)
                return Got::Stopped;
            if (w == SimLine::Wait::Ok) {
                if (auto r = wire::parseReply(line_.data())) {
                    out = *r;
                    line_.consume(wire::kReplySize);
                    return Got::Reply;
                }
            }
        } else if (b == 0x1B && headerWaiting()) {
            return Got::NewHeader;  // the PC gave up on us and starts a transfer of its own
        }
        line_.consume(1);
    }
}

bool SimTerminal::tooManyRetries(int retries, const char* what)
{
    if (retries < kRetryLimit)
        return false;
    log_.line("abandoned").str("why", what).num("retries", retries).emit();
    return true;
}

bool SimTerminal::flashWriterPresent() const
{
    auto r = drives_.resolve(std::string("C:\\Program\\") + wire::kFlashWriterName);
    return r && drives_.fileExists(*r);
}

int SimTerminal::refuse(int status, const std::string& why)
{
    auto l = log_.line("refused");
    l.str("why", why).num("status", status);
    if (!plan_.name.empty())
        l.str("name", plan_.name);
    l.emit();
    return status;
}

// ---- serving ----

void SimTerminal::serve()
{
    while (!stopping_) {
        auto w = line_.fill(1, -1);
        if (w == SimLine::Wait::Stopped || stopping_)
            return;
        if (w != SimLine::Wait::Ok)
            continue;
        std::uint8_t b = line_.data()[0];
        if (b == 0x1B) {
            w = line_.fill(wire::kHeaderSize, SimLine::msFromNow(1000));
            if (w == SimLine::Wait::Stopped)
                return;
            if (w != SimLine::Wait::Ok || line_.data()[1] != 0x02) {
                line_.consume(1);
                continue;
            }
            auto h = wire::parseHeader(line_.data());
            line_.consume(wire::kHeaderSize);
            if (!h) {
                log_.line("refused").str("why", "bad header").num("status", 0).emit();
                reply(0, 0);
                continue;
            }
            handleHeader(*h);
        } else if (b == 0x02 && !lastRx_.empty()) {
            // The PC sends the last frame again when our answer to it went missing.
            w = line_.fill(lastRx_.size(), SimLine::msFromNow(1000));
            if (w == SimLine::Wait::Stopped)
                return;
            if (w == SimLine::Wait::Ok && std::equal(lastRx_.begin(), lastRx_.end(), line_.data())) {
                line_.consume(lastRx_.size());
                reply(wire::dataFrameCounter(lastRx_.data()), 1);
                continue;
            }
            line_.consume(1);
        } else {
            line_.consume(1);
        }
    }
}

void SimTerminal::handleHeader(const wire::Header& h)
{
    if (auto f = faults_.takeForced(ForcedStatus::When::Header)) {
        log_.line("fault").str("kind", "forced").str("when", "header").num("status", f->status).num("code", h.code).emit();
        if (f->status < 0)
            return;  // unanswered: the PC's transfer ends on its time-out
        reply(0, f->status);
        if (f->status == 0 || f->status == 2)
            return;
        // Any other status lets the PC go on as if the header was taken.
    } else if (h.code == wire::kPathFile && config_.firmware <= 200) {
        // Firmware up to 2.00 knows no code-8 files: it refuses the header.
        log_.line("refused").str("why", "code 8 needs firmware above 200").num("code", h.code).num("status", 0).emit();
        reply(0, 0);
        return;
    } else if (h.code == wire::kCommand && h.length > kMaxCommandLength) {
        log_.line("refused").str("why", "command too long").num("length", h.length).num("status", 0).emit();
        reply(0, 0);
        return;
    } else {
        reply(0, 1);
    }

    std::vector<std::uint8_t> payload;
    int refused = 0;
    Rx r = receiveFrames(h.code, h.length, payload, refused);
    if (r == Rx::Stopped)
        return;
    auto l = log_.line("receive");
    l.num("code", h.code).num("length", h.length);
    l.str("result", r == Rx::Complete ? "complete" : r == Rx::Refused ? "refused" : "abandoned");
    if (r == Rx::Refused)
        l.num("status", refused);
    l.emit();
    if (r != Rx::Complete)
        return;
    if (h.code == wire::kLinkCheck)
        log_.line("link-check").emit();
    else if (h.code == wire::kCommand)
        runCommand(payload);
}

SimTerminal::Rx SimTerminal::receiveFrames(std::uint8_t code, std::uint32_t length, std::vector<std::uint8_t>& payload,
                                           int& refusedStatus)
{
    const std::uint64_t total = length == 0 ? 1 : (std::uint64_t(length) + wire::kMaxPayload - 1) / wire::kMaxPayload;
    const bool keep = code == wire::kFile || code == wire::kCommand || code == wire::kPathFile;
    std::uint64_t taken = 0;
    std::uint32_t remaining = length;
    std::uint16_t expected = 0;
    int retries = 0;
    bool awaitResend = false;  // our answer to the last frame was left out: the PC will send it again
    bool busyResend = false;   // we answered 7: the next copy is taken
    lastRx_.clear();
    plan_ = FilePlan{};

    for (;;) {
        if (taken == total && !awaitResend)
            return Rx::Complete;
        std::size_t n = std::min<std::size_t>(wire::kMaxPayload, remaining);
        std::size_t size = n + wire::kDataOverhead;
        auto w = line_.fill(1, SimLine::msFromNow(config_.frameTimeoutMs));
        if (w == SimLine::Wait::Stopped)
            return Rx::Stopped;
        if (w != SimLine::Wait::Ok) {
            if (taken == total)
                return Rx::Complete;
            log_.line("abandoned").str("why", "no data frame").num("code", code).emit();
            return Rx::Abandoned;
        }
        std::uint8_t b = line_.data()[0];
        if (b == 0x1B && headerWaiting()) {
            if (taken == total)
                return Rx::Complete;
            log_.line("abandoned").str("why", "a new header came").num("code", code).emit();
            return Rx::Abandoned;
        }
        if (b != 0x02) {
            line_.consume(1);
            continue;
        }
        std::int64_t frameDeadline = SimLine::msFromNow(500) + 2 * std::int64_t(wire::kMaxDataFrame) * line_.byteNs();
        if (awaitResend) {
            w = line_.fill(lastRx_.size(), frameDeadline);
            if (w == SimLine::Wait::Stopped)
                return Rx::Stopped;
            if (w == SimLine::Wait::Ok && std::equal(lastRx_.begin(), lastRx_.end(), line_.data())) {
                line_.consume(lastRx_.size());
                reply(wire::dataFrameCounter(lastRx_.data()), 1);
                awaitResend = false;
                continue;
            }
            awaitResend = false;
            if (taken == total)
                return Rx::Complete;
        }
        w = line_.fill(size, frameDeadline);
        if (w == SimLine::Wait::Stopped)
            return Rx::Stopped;
        // The PC sends the last frame again when our answer did not reach it whole; the frame it
        // resends may be longer than the one we expect next.
        if (w == SimLine::Wait::Ok && lastRx_.size() > size && std::equal(line_.data(), line_.data() + size, lastRx_.begin())) {
            w = line_.fill(lastRx_.size(), frameDeadline);
            if (w == SimLine::Wait::Stopped)
                return Rx::Stopped;
            if (w == SimLine::Wait::Ok && std::equal(lastRx_.begin(), lastRx_.end(), line_.data())) {
                line_.consume(lastRx_.size());
                reply(wire::dataFrameCounter(lastRx_.data()), 1);
                continue;
            }
        }
        const std::uint8_t* f = line_.data();
        auto check = wire::DataCheck::Invalid;
        std::uint16_t counter = 0;
        if (w == SimLine::Wait::Ok) {
            counter = wire::dataFrameCounter(f);
            check = wire::checkDataFrame(f, size, wire::sum16(f, size), expected);
            // Counter 0 passes for any expected counter, so a first frame sent again would be taken
            // twice: a copy of the frame just taken is a duplicate whatever its counter.
            if (lastRx_.size() == size && std::equal(lastRx_.begin(), lastRx_.end(), f))
                check = wire::DataCheck::Duplicate;
        }
        if (check == wire::DataCheck::Invalid) {
            // Let the rest of a bad frame pass, then ask for it again.
            line_.discardUntilQuiet(20 + static_cast<int>(4 * line_.byteNs() / 1'000'000));
            reply(expected, 0);
            if (tooManyRetries(++retries, "bad data frames"))
                return Rx::Abandoned;
            continue;
        }
        if (check == wire::DataCheck::Duplicate) {
            line_.consume(size);
            reply(counter, 1);
            continue;
        }
        if (auto forced = faults_.takeForced(ForcedStatus::When::Frame)) {
            log_.line("fault").str("kind", "forced").str("when", "frame").num("status", forced->status).num("counter", expected).emit();
            lastRx_.assign(f, f + size);
            line_.consume(size);
            f = nullptr;
            if (forced->status < 0 || forced->status == 0 || forced->status == 7) {
                lastRx_.clear();
                reply(expected, forced->status);
                continue;  // not taken: the PC sends it again
            }
            if (forced->status != 1) {
                reply(expected, forced->status);
                refusedStatus = forced->status;
                return Rx::Refused;
            }
            // Status 1: taken as usual below, from the copy we keep.
        }
        if (f && !busyResend && faults_.busyNext()) {
            log_.line("fault").str("kind", "busy").num("counter", expected).emit();
            line_.consume(size);
            reply(expected, 7);
            busyResend = true;
            continue;
        }
        busyResend = false;
        if (f)
            lastRx_.assign(f, f + size);
        const std::uint8_t* data = lastRx_.data() + wire::kDataHeadSize;
        if (f)
            line_.consume(size);
        if (taken == 0) {
            int st = checkFirstFrame(code, length, data, n);
            if (st != 1) {
                reply(expected, st);
                refusedStatus = st;
                lastRx_.clear();
                return Rx::Refused;
            }
        }
        if (keep)
            payload.insert(payload.end(), data, data + n);
        ++taken;
        remaining -= static_cast<std::uint32_t>(n);
        std::uint16_t answered = expected;
        expected = wire::nextCounter(expected);
        retries = 0;
        if (taken == total && (code == wire::kFile || code == wire::kPathFile)) {
            // The file is stored before the last frame is answered, so a failure can still be told.
            int st = finishFile(payload);
            if (st != 1) {
                reply(answered, st);
                refusedStatus = st;
                lastRx_.clear();
                return Rx::Refused;
            }
        }
        if (faults_.dropNext()) {
            log_.line("fault").str("kind", "drop").num("counter", answered).emit();
            awaitResend = true;
            continue;
        }
        reply(answered, 1);
    }
}

int SimTerminal::checkFirstFrame(std::uint8_t code, std::uint32_t length, const std::uint8_t* p, std::size_t n)
{
    if (code == wire::kCommand) {
        auto cmd = wire::parseCommand(p, std::min<std::size_t>(n, length));
        if (cmd && cmd->op == wire::kOpFirmware && !flashWriterPresent())
            return refuse(3, "op 17 needs the flash writer");
        return 1;
    }
    if (code != wire::kFile && code != wire::kPathFile)
        return 1;
    if (auto forced = faults_.takeForced(ForcedStatus::When::File)) {
        log_.line("fault").str("kind", "forced").str("when", "file").num("status", forced->status).emit();
        return forced->status;
    }
    if (code == wire::kFile) {
        auto fh = wire::parseFileHeader(p, n);
        if (!fh)
            return refuse(2, "file header incomplete");
        plan_.type = fh->type;
        plan_.name = fh->name;
        plan_.sizeField = fh->sizeField;
        plan_.date = fh->date;
        plan_.time = fh->time;
        plan_.dateFirmware = config_.firmware;
        plan_.overwrite = fh->overwrite;
        plan_.headerLength = wire::kFileHeaderSize;
        if (std::uint64_t(length) != wire::kFileHeaderSize + std::uint64_t(fh->sizeField))
            return refuse(2, "transfer length does not match the size field");
        if (fh->type == wire::kTypeKernel) {
            plan_.kernel = true;
        } else {
            if (!wire::splitName83(fh->name, nullptr, nullptr))
                return refuse(2, "not an 8.3 file name");
            std::string folder = SimDrives::folderForType(fh->type, fh->name);
            if (folder.empty())
                return refuse(2, "unknown file type");
            plan_.where = drives_.resolve(folder + "\\" + fh->name);
            if (!plan_.where)
                return refuse(2, "cannot place the file");
        }
    } else {
        std::size_t headerLength = 0;
        auto ph = wire::parsePathFileHeader(p, n, &headerLength);
        if (!ph)
            return refuse(2, "path file header incomplete");
        plan_.sizeField = ph->sizeField;
        plan_.date = ph->date;
        plan_.time = ph->time;
        plan_.dateFirmware = wire::kFatDateFirmware;  // code-8 headers always carry FAT words
        plan_.overwrite = ph->overwrite;
        plan_.headerLength = headerLength;
        plan_.name = ph->path;
        if (std::uint64_t(length) != headerLength + std::uint64_t(ph->sizeField))
            return refuse(2, "transfer length does not match the size field");
        plan_.where = drives_.resolve(ph->path);
        if (!plan_.where || plan_.where->isRoot)
            return refuse(2, "not a file path on C: or D:");
        if (endsWithNoCase(ph->path, ".bin")) {
            plan_.kernel = true;
            plan_.type = wire::kTypeKernel;
        }
    }
    bool isFlashWriter = plan_.where && upper(plan_.where->terminalPath) == upper(std::string("C:\\Program\\") + wire::kFlashWriterName);
    if (config_.needFlashWriter && !isFlashWriter && !flashWriterPresent())
        return refuse(3, "the flash writer is needed first");
    if (plan_.kernel) {
        // Kept in memory: a size field from the line must not decide how much memory we take.
        if (plan_.sizeField > kMaxKernelImage)
            return refuse(5, "kernel image too large");
        return 1;
    }
    const auto& where = *plan_.where;
    if (!drives_.formatted(where.drive))
        return refuse(4, "drive not formatted");
    bool exists = drives_.fileExists(where);
    if (exists && !plan_.overwrite)
        return refuse(6, "file exists");
    std::int64_t existing = 0;
    if (exists) {
        std::error_code ec;
        existing = static_cast<std::int64_t>(std::filesystem::file_size(where.host, ec));
    }
    if (std::int64_t(plan_.sizeField) > drives_.freeBytes(where.drive) + existing)
        return refuse(5, "not enough room");
    return 1;
}

int SimTerminal::finishFile(const std::vector<std::uint8_t>& payload)
{
    const std::uint8_t* body = payload.data() + plan_.headerLength;
    std::size_t n = payload.size() - plan_.headerLength;
    auto when = wire::decodeDateTime(plan_.date.data(), plan_.time.data(), plan_.dateFirmware);
    auto l = log_.line("stored");
    l.num("code", plan_.where && plan_.headerLength != wire::kFileHeaderSize ? wire::kPathFile : wire::kFile);
    l.num("type", plan_.type).str("name", plan_.name);
    if (plan_.where)
        l.str("path", plan_.where->terminalPath);
    l.num("size_field", plan_.sizeField).str("date", hex(plan_.date)).str("time", hex(plan_.time));
    l.str("when", dateText(when)).num("overwrite", plan_.overwrite);
    if (plan_.kernel) {
        // The kernel image stays in memory until op 17; its length word and word sum are checked.
        auto check = wire::checkKernelBody(body, n);
        {
            std::lock_guard<std::mutex> lock(kernelMutex_);
            kernel_.assign(body, body + n);
        }
        l.num("kernel_length", static_cast<std::int64_t>(check.fileLength));
        l.flag("kernel_length_ok", check.lengthOk).flag("kernel_sum_ok", check.sumOk);
        l.emit();
        return 1;
    }
    std::string why;
    int st = drives_.store(*plan_.where, body, n, plan_.overwrite != 0, unixFrom(when), why);
    if (st != 1)
        return refuse(st, why);
    l.emit();
    return 1;
}

// ---- commands ----

void SimTerminal::sendStatusReply(int status)
{
    sendTransfer(wire::kCommand, wire::makeStatusReply(static_cast<std::uint8_t>(status)));
}

void SimTerminal::runCommand(const std::vector<std::uint8_t>& payload)
{
    auto cmd = wire::parseCommand(payload.data(), payload.size());
    if (!cmd) {
        log_.line("refused").str("why", "not a command packet").num("status", 0).emit();
        sendStatusReply(0);
        return;
    }
    const std::uint8_t op = cmd->op;
    const std::string& arg = cmd->argument;
    auto logCommand = [&](int status) {
        log_.line("command").num("op", op).str("argument", arg).num("status", status).emit();
    };
    if (auto forced = faults_.takeForced(ForcedStatus::When::Op, op)) {
        logCommand(forced->status);
        log_.line("fault").str("kind", "forced").str("when", "op").num("op", op).num("status", forced->status).emit();
        sendStatusReply(forced->status);
        return;
    }
    switch (op) {
    case wire::kOpList: {
        auto entries = drives_.list(arg, config_.firmware);
        if (config_.hostileNames && !arg.empty() && arg != "\\") {
            for (const char* name : kHostileNames) {
                // Written straight into the name and extension fields, as a broken terminal would.
                std::array<std::uint8_t, wire::kDirEntrySize> e{};
                std::string n(name);
                auto dot = n.rfind('.');
                bool split = dot != std::string::npos && dot > 0 && n.size() - dot == 4;
                std::string base = split ? n.substr(0, dot) : n, ext = split ? n.substr(dot + 1) : "";
                std::copy(base.begin(), base.begin() + std::min<std::size_t>(8, base.size()), e.begin());
                std::copy(ext.begin(), ext.end(), e.begin() + 8);
                e[11] = split ? wire::kAttrFile : wire::kAttrFolder;
                wire::put32(e.data() + 20, split ? 4 : 0);
                entries.insert(entries.end(), e.begin(), e.end());
            }
        }
        log_.line("command").num("op", op).str("argument", arg).num("entries", static_cast<std::int64_t>(entries.size() / wire::kDirEntrySize)).emit();
        sendTransfer(wire::kCommand, entries);
        return;
    }
    case wire::kOpDelete: {
        auto r = drives_.resolve(arg);
        int st = r ? drives_.remove(*r) : 0;
        logCommand(st);
        if (st == 1)
            log_.line("delete").str("path", r->terminalPath).emit();
        sendStatusReply(st);
        return;
    }
    case wire::kOpGetFile: {
        if (config_.hostileNames && (endsWithNoCase(arg, kHostileNames[2]) || endsWithNoCase(arg, kHostileNames[3]))) {
            logCommand(1);
            wire::FileHeader fh;
            fh.name = endsWithNoCase(arg, kHostileNames[2]) ? kHostileNames[2] : kHostileNames[3];
            fh.sizeField = 4;
            auto header = wire::makeFileHeader(fh);
            std::vector<std::uint8_t> out(header->begin(), header->end());
            out.insert(out.end(), {'E', 'V', 'I', 'L'});
            sendTransfer(wire::kFile, out);
            return;
        }
        auto r = drives_.resolve(arg);
        std::vector<std::uint8_t> bytes;
        std::int64_t mtime = 0;
        if (!r || !drives_.read(*r, bytes, mtime)) {
            int st = r && !drives_.formatted(r->drive) ? 4 : 0;
            logCommand(st);
            sendStatusReply(st);
            return;
        }
        logCommand(1);
        wire::FileHeader fh;
        fh.name = r->host.filename().string();
        std::string folder = upper(r->terminalPath);
        fh.type = folder.find(":\\PROGRAM") != std::string::npos  ? wire::kTypeProgram
                  : folder.find(":\\LOOKUP") != std::string::npos ? wire::kTypeLookup
                  : folder.find(":\\FONTS") != std::string::npos  ? wire::kTypeFont
                                                                  : wire::kTypeData;
        fh.sizeField = static_cast<std::uint32_t>(bytes.size());
        auto when = wire::termDateTimeFromUnix(mtime);
        fh.date = wire::encodeDate(when, config_.firmware);
        fh.time = wire::encodeTime(when, config_.firmware);
        auto header = wire::makeFileHeader(fh);
        std::vector<std::uint8_t> out(header->begin(), header->end());
        out.insert(out.end(), bytes.begin(), bytes.end());
        sendTransfer(wire::kFile, out);
        return;
    }
    case wire::kOpFormat: {
        int drive = SimDrives::driveOf(arg);
        bool wellFormed = drive >= 0 && (arg.size() == 2 || (arg.size() == 3 && arg[2] == '\\'));
        std::string error;
        int st = wellFormed && drives_.format(drive, error) ? 1 : 0;
        logCommand(st);
        if (st == 1)
            log_.line("format").str("drive", std::string(1, SimDrives::letter(drive)) + ":").emit();
        else if (!error.empty())
            log_.line("refused").str("why", error).num("status", 0).emit();
        sendStatusReply(st);
        return;
    }
    case wire::kOpDiskInfo: {
        wire::DiskInfo info;
        info.firmware = config_.firmware;
        info.cTotal = static_cast<std::int32_t>(drives_.total(SimDrives::kDriveC));
        info.cFree = static_cast<std::int32_t>(drives_.freeBytes(SimDrives::kDriveC));
        info.dTotal = static_cast<std::int32_t>(drives_.total(SimDrives::kDriveD));
        info.dFree = static_cast<std::int32_t>(drives_.freeBytes(SimDrives::kDriveD));
        logCommand(1);
        sendTransfer(wire::kCommand, wire::makeDiskInfoReply(1, info));
        return;
    }
    case wire::kOpModel: {
        logCommand(1);
        sendTransfer(wire::kCommand, wire::makeModelInfoReply(1, {static_cast<std::int16_t>(config_.modelClass),
                                                                  static_cast<std::int16_t>(config_.modelNumber)}));
        return;
    }
    case wire::kOpFirmware: {
        logCommand(1);
        auto image = kernelImage();
        auto check = wire::checkKernelBody(image.data(), image.size());
        log_.line("firmware-update")
            .flag("kernel", !image.empty())
            .num("kernel_length", static_cast<std::int64_t>(check.fileLength))
            .flag("kernel_sum_ok", check.sumOk)
            .emit();
        sendStatusReply(1);
        return;
    }
    default:
        logCommand(0);
        sendStatusReply(0);
        return;
    }
}

bool SimTerminal::sendTransfer(std::uint8_t code, const std::vector<std::uint8_t>& payload)
{
    const std::size_t length = payload.size();
    auto finish = [&](const char* result) {
        log_.line("send").num("code", code).num("length", static_cast<std::int64_t>(length)).str("result", result).emit();
        return std::strcmp(result, "complete") == 0;
    };
    if (faults_.restartNext()) {
        // A restart header asks the PC to forget it and wait for the next one: no reply comes.
        auto restart = wire::makeHeader(wire::kRestart, 0);
        log_.line("fault").str("kind", "restart").emit();
        if (line_.write(restart.data(), restart.size()) != SimLine::Wait::Ok)
            return finish("stopped");
    }
    auto header = wire::makeHeader(code, static_cast<std::uint32_t>(length));
    wire::Reply r;
    for (int retries = 0, attempt = 0;; ++attempt) {
        if (!writeFrame(header.data(), header.size(), attempt == 0))
            return finish("stopped");
        Got g = waitReply(SimLine::msFromNow(config_.headerTimeoutMs), r);
        if (g == Got::Stopped)
            return finish("stopped");
        if (g == Got::Timeout)
            return finish("no reply to the header");
        if (g == Got::NewHeader)
            return finish("the PC started a transfer");
        if (r.status != 0)
            break;
        if (tooManyRetries(++retries, "header refused"))
            return finish("header refused");
    }

    const std::size_t frames = length == 0 ? 1 : (length + wire::kMaxPayload - 1) / wire::kMaxPayload;
    std::uint16_t counter = 0;
    std::size_t pos = 0;
    for (std::size_t i = 0; i < frames; ++i) {
        std::size_t n = std::min(wire::kMaxPayload, length - pos);
        auto frame = wire::makeDataFrame(counter, payload.data() + pos, n);
        std::int64_t wait = std::int64_t(config_.replyTimeoutMs) + std::int64_t(frame.size()) * line_.byteNs() / 1'000'000;
        for (int retries = 0, silences = 0, attempt = 0;; ++attempt) {
            if (!writeFrame(frame.data(), frame.size(), attempt == 0))
                return finish("stopped");
            Got g = waitReply(SimLine::msFromNow(static_cast<int>(wait)), r);
            if (g == Got::Stopped)
                return finish("stopped");
            if (g == Got::NewHeader)
                return finish("the PC started a transfer");
            if (g == Got::Reply && r.status == 1 && (r.counter == counter || r.counter == 0))
                break;
            if (g == Got::Reply && r.status == 7)
                continue;
            // A PC that rejects a frame answers at once; one that stays silent this long is gone.
            if (g == Got::Timeout && ++silences >= kSilenceLimit) {
                log_.line("abandoned").str("why", "the PC stopped answering").emit();
                return finish("no reply");
            }
            if (tooManyRetries(++retries, "data frame not taken"))
                return finish("data frame not taken");
        }
        if (faults_.duplicateNext())
            duplicatePending_ = true;
        // Only a full frame followed by another full one goes out twice: the PC reads a frame by
        // the size it expects next, and counter 0 would pass as new.
        bool nextFull = length - pos - n >= wire::kMaxPayload;
        if (duplicatePending_ && counter != 0 && n == wire::kMaxPayload && nextFull) {
            duplicatePending_ = false;
            log_.line("fault").str("kind", "duplicate").num("counter", counter).emit();
            if (line_.write(frame.data(), frame.size()) != SimLine::Wait::Ok)
                return finish("stopped");
            Got g = waitReply(SimLine::msFromNow(static_cast<int>(wait)), r);
            if (g == Got::Stopped)
                return finish("stopped");
            if (g == Got::NewHeader)
                return finish("the PC started a transfer");
        }
        pos += n;
        counter = wire::nextCounter(counter);
    }
    return finish("complete");
}

}  // namespace feld::sim
