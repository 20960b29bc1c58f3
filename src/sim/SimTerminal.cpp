#include "sim/SimTerminal.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "sim/SimNames.h"

namespace feld::sim {

namespace {

// A command is an op, a path and CR LF: anything longer is not one.
constexpr std::uint32_t kMaxCommandLength = 4096;
// The largest kernel image the terminal takes (it keeps the image in memory until op 17).
constexpr std::uint32_t kMaxKernelImage = 64u * 1024 * 1024;

std::string hex(const wire::Word& w)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02x%02x", w[0], w[1]);
    return buf;
}

std::string dateText(const wire::TermDateTime& t)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
    return buf;
}

}  // namespace

SimTerminal::SimTerminal(const SimConfig& config, int fd, SimLog& log)
    : config_(config), log_(log), drives_(config.root, config.cSize, config.dSize), faults_(config),
      link_(config_, fd, log, faults_)
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
    link_.stop();
    if (thread_.joinable())
        thread_.join();
}

std::vector<std::uint8_t> SimTerminal::kernelImage() const
{
    std::lock_guard<std::mutex> lock(kernelMutex_);
    return kernel_;
}

bool SimTerminal::flashWriterPresent() const
{
    auto r = drives_.resolve(std::string("C:\\Program\\") + term::kFlashWriterTerminalName);
    return r && drives_.fileExists(*r);
}

int SimTerminal::refuse(int status, const std::string& why)
{
    auto l = log_.line("refused");
    l.str("why", why).num("status", status);
    if (!plan_.name.empty())
        l.str("name", plan_.name);
    l.write();
    return status;
}

// ---- serving ----

void SimTerminal::serve()
{
    wire::Header h;
    while (link_.nextHeader(h))
        handleHeader(h);
}

void SimTerminal::handleHeader(const wire::Header& h)
{
    // When each transfer began: with the line "receive" at its end, a run's time can be split into
    // the frames and the gaps between transfers.
    log_.line("header").num("code", h.code).num("length", h.length).write();
    if (auto f = faults_.takeForced(ForcedStatus::When::Header, h.code)) {
        log_.line("fault").str("kind", "forced").str("when", "header").num("status", f->status).num("code", h.code).write();
        if (f->status < 0)
            return;  // unanswered: the PC's transfer ends on its time-out
        link_.reply(0, f->status);
        if (f->status == term::kFailed || f->status == term::kTransferDone)
            return;
        // Any other status lets the PC go on as if the header was taken.
    } else if (h.code == wire::kPathFile && config_.firmware <= 200) {
        // Firmware up to 2.00 knows no code-8 files: it refuses the header.
        log_.line("refused").str("why", "code 8 needs firmware above 200").num("code", h.code)
            .num("status", term::kFailed).write();
        link_.reply(0, term::kFailed);
        return;
    } else if (h.code == wire::kCommand && h.length > kMaxCommandLength) {
        log_.line("refused").str("why", "command too long").num("length", h.length)
            .num("status", term::kFailed).write();
        link_.reply(0, term::kFailed);
        return;
    } else {
        link_.reply(0, term::kDone);
    }

    using Rx = SimLink::Rx;
    std::vector<std::uint8_t> payload;
    int refused = 0;
    plan_ = FilePlan{};
    Rx r = link_.receive(h.code, h.length, payload, refused, *this);
    if (r == Rx::Stopped)
        return;
    auto l = log_.line("receive");
    l.num("code", h.code).num("length", h.length);
    l.str("result", r == Rx::Complete ? "complete" : r == Rx::Refused ? "refused" : "abandoned");
    if (r == Rx::Refused)
        l.num("status", refused);
    l.write();
    if (r != Rx::Complete)
        return;
    if (h.code == wire::kLinkCheck)
        log_.line("link-check").write();
    else if (h.code == wire::kCommand)
        runCommand(payload);
}

int SimTerminal::firstFrame(std::uint8_t code, std::uint32_t length, const std::uint8_t* p, std::size_t n)
{
    if (code == wire::kCommand) {
        auto cmd = wire::parseCommand(p, std::min<std::size_t>(n, length));
        if (cmd) {
            if (auto forced = faults_.takeForced(ForcedStatus::When::Command, cmd->op, cmd->argument)) {
                log_.line("fault").str("kind", "forced").str("when", "command").num("op", cmd->op)
                    .str("argument", cmd->argument).num("status", forced->status).write();
                if (forced->status != term::kDone)
                    return forced->status;
            }
        }
        if (cmd && cmd->op == wire::kOpFirmware && !flashWriterPresent())
            return refuse(term::kWantsFlashWriter, "op 17 needs the flash writer");
        return term::kDone;
    }
    if (code != wire::kFile && code != wire::kPathFile)
        return term::kDone;
    if (auto forced = faults_.takeForced(ForcedStatus::When::File)) {
        log_.line("fault").str("kind", "forced").str("when", "file").num("status", forced->status).write();
        return forced->status;
    }
    int st = code == wire::kFile ? planFile(length, p, n) : planPathFile(length, p, n);
    if (st != term::kDone)
        return st;
    if (auto refused = faults_.refusalFor(plan_.where ? plan_.where->terminalPath : plan_.name)) {
        log_.line("fault").str("kind", "refuse-file").str("name", plan_.name).num("status", *refused).write();
        if (*refused != term::kDone)
            return *refused;
    }
    bool isFlashWriter = plan_.where && upper(plan_.where->terminalPath) ==
                                            upper(std::string("C:\\Program\\") + term::kFlashWriterTerminalName);
    if (config_.needFlashWriter && !isFlashWriter && !flashWriterPresent())
        return refuse(term::kWantsFlashWriter, "the flash writer is needed first");
    if (plan_.kernel) {
        // Kept in memory: a size field from the line must not decide how much memory we take.
        if (plan_.sizeField > kMaxKernelImage)
            return refuse(term::kNoSpace, "kernel image too large");
        return term::kDone;
    }
    const auto& where = *plan_.where;
    if (!drives_.formatted(where.drive))
        return refuse(term::kNotFormatted, "drive not formatted");
    bool exists = drives_.fileExists(where);
    if (exists && !plan_.overwrite)
        return refuse(term::kFileExists, "file exists");
    std::int64_t existing = 0;
    if (exists) {
        std::error_code ec;
        existing = static_cast<std::int64_t>(std::filesystem::file_size(where.host, ec));
    }
    if (std::int64_t(plan_.sizeField) > drives_.freeBytes(where.drive) + existing)
        return refuse(term::kNoSpace, "not enough room");
    return term::kDone;
}

// A code-3 file: where its name and type put it.
int SimTerminal::planFile(std::uint32_t length, const std::uint8_t* p, std::size_t n)
{
    auto fh = wire::parseFileHeader(p, n);
    if (!fh)
        return refuse(term::kCannotStore, "file header incomplete");
    plan_.type = fh->type;
    plan_.name = fh->name;
    plan_.sizeField = fh->sizeField;
    plan_.date = fh->date;
    plan_.time = fh->time;
    plan_.dateFirmware = config_.firmware;
    plan_.overwrite = fh->overwrite;
    plan_.headerLength = wire::kFileHeaderSize;
    if (std::uint64_t(length) != wire::kFileHeaderSize + std::uint64_t(fh->sizeField))
        return refuse(term::kCannotStore, "transfer length does not match the size field");
    if (std::string why = storedNameProblem(fh->name); !why.empty())
        return refuse(term::kRefused, why);
    if (fh->type == wire::kTypeKernel) {
        plan_.kernel = true;
    } else {
        std::string folder = SimDrives::folderForType(fh->type, fh->name, config_.firmware);
        if (folder.empty())
            return refuse(term::kCannotStore, "unknown file type");
        std::string why;
        plan_.where = drives_.resolve(folder + "\\" + fh->name, &why);
        if (!plan_.where)
            return refuse(term::kRefused, why);
    }
    return term::kDone;
}

// A code-8 file: the path it names.
int SimTerminal::planPathFile(std::uint32_t length, const std::uint8_t* p, std::size_t n)
{
    std::size_t headerLength = 0;
    auto ph = wire::parsePathFileHeader(p, n, &headerLength);
    if (!ph)
        return refuse(term::kCannotStore, "path file header incomplete");
    plan_.sizeField = ph->sizeField;
    plan_.date = ph->date;
    plan_.time = ph->time;
    plan_.dateFirmware = wire::kFatDateFirmware;  // code-8 headers always carry FAT words
    plan_.overwrite = ph->overwrite;
    plan_.headerLength = headerLength;
    plan_.name = ph->path;
    if (std::uint64_t(length) != headerLength + std::uint64_t(ph->sizeField))
        return refuse(term::kCannotStore, "transfer length does not match the size field");
    std::string why;
    plan_.where = drives_.resolve(ph->path, &why);
    if (!plan_.where)
        return refuse(term::kRefused, why);
    if (lastPart(ph->path).empty())
        return refuse(term::kRefused, "path names no file");
    if (why = storedNameProblem(lastPart(ph->path)); !why.empty())
        return refuse(term::kRefused, why);
    // A path file header carries no type: the file is stored as it came, whatever its name.
    return term::kDone;
}

int SimTerminal::lastFrame(std::uint8_t code, const std::vector<std::uint8_t>& payload)
{
    if (code == wire::kCommand)
        return checkCommand(payload);
    return code == wire::kFile || code == wire::kPathFile ? finishFile(payload) : term::kDone;
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
        l.write();
        return term::kDone;
    }
    if (auto lost = faults_.lossFor(plan_.where->terminalPath)) {
        // Answered "done" all the same: a terminal that loses a file says nothing of it.
        log_.line("fault").str("kind", "lose-file").str("path", plan_.where->terminalPath).num("kept", lost->keep).write();
        if (lost->keep < 0)
            return term::kDone;
        n = std::min<std::size_t>(n, static_cast<std::size_t>(lost->keep));
    }
    std::string why;
    int st = drives_.store(*plan_.where, body, n, plan_.overwrite != 0, wire::calendarTimeOf(when), why);
    if (st != term::kDone)
        return refuse(st, why);
    l.write();
    return term::kDone;
}

}  // namespace feld::sim
