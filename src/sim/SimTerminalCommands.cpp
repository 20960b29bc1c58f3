// The simulated terminal's commands: what each op does and the answer it sends back.
#include "sim/SimTerminal.h"

#include <algorithm>
#include <array>
#include <ctime>

#include "sim/SimNames.h"

namespace feld::sim {

namespace {

// What a terminal gone wrong lists (--hostile-names).
constexpr const char* kHostileNames[] = {".", "..", "../EVIL.TXT", "..\\EVIL.TXT"};

// The payload of a code-3 transfer: the file header, then the file's bytes.
std::vector<std::uint8_t> fileTransfer(const wire::FileHeader& fh, const std::uint8_t* body, std::size_t n)
{
    auto header = wire::makeFileHeader(fh);
    std::vector<std::uint8_t> out(wire::kFileHeaderSize + n);
    std::copy(header->begin(), header->end(), out.begin());
    std::copy(body, body + n, out.begin() + wire::kFileHeaderSize);
    return out;
}

}  // namespace

int SimTerminal::checkCommand(const std::vector<std::uint8_t>& payload)
{
    auto cmd = wire::parseCommand(payload.data(), payload.size());
    if (!cmd)
        return term::kDone;  // answered with status 0 once taken
    const std::string& arg = cmd->argument;
    std::string_view path = arg;
    switch (cmd->op) {
    case wire::kOpList:
        if (listsDrives(arg))
            return term::kDone;  // the drives
        path = listedFolder(arg);
        break;
    case wire::kOpGetFile:
        if (config_.hostileNames && (endsWithNoCase(arg, kHostileNames[2]) || endsWithNoCase(arg, kHostileNames[3])))
            return term::kDone;
        break;
    case wire::kOpDelete:
    case wire::kOpFormat:
        break;
    default:
        return term::kDone;
    }
    std::string why;
    if (drives_.resolve(path, &why))
        return term::kDone;
    log_.line("refused").str("why", why).num("status", term::kRefused).num("op", cmd->op)
        .str("argument", arg).write();
    return term::kRefused;
}

void SimTerminal::sendStatusReply(int status)
{
    link_.send(wire::kCommand, wire::makeStatusReply(static_cast<std::uint8_t>(status)));
}

void SimTerminal::runCommand(const std::vector<std::uint8_t>& payload)
{
    auto cmd = wire::parseCommand(payload.data(), payload.size());
    if (!cmd) {
        log_.line("refused").str("why", "not a command packet").num("status", term::kFailed).write();
        sendStatusReply(term::kFailed);
        return;
    }
    const std::uint8_t op = cmd->op;
    const std::string& arg = cmd->argument;
    auto logCommand = [&](int status) {
        log_.line("command").num("op", op).str("argument", arg).num("status", status).write();
    };
    if (op == wire::kOpGetFile || op == wire::kOpDelete) {
        if (auto refused = faults_.refusalFor(arg)) {
            logCommand(*refused);
            log_.line("fault").str("kind", "refuse-file").num("op", op).str("argument", arg).num("status", *refused).write();
            sendStatusReply(*refused);
            return;
        }
    }
    if (auto forced = faults_.takeForced(ForcedStatus::When::Op, op, arg)) {
        logCommand(forced->status);
        log_.line("fault").str("kind", "forced").str("when", "op").num("op", op).num("status", forced->status).write();
        sendStatusReply(forced->status);
        return;
    }
    switch (op) {
    case wire::kOpList: {
        if (!drives_.listable(arg) && config_.emptyMissingFolders) {
            // Some firmware lists a folder that is not there as an empty one.
            log_.line("command").num("op", op).str("argument", arg).num("entries", 0).write();
            link_.send(wire::kCommand, {});
            return;
        }
        if (!drives_.listable(arg)) {
            // A folder that is not there is answered with a status, not with an empty listing.
            logCommand(term::kFailed);
            sendStatusReply(term::kFailed);
            return;
        }
        auto entries = drives_.list(arg, config_.firmware);
        if (config_.hostileNames && !listsDrives(arg)) {
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
        log_.line("command").num("op", op).str("argument", arg).num("entries", static_cast<std::int64_t>(entries.size() / wire::kDirEntrySize)).write();
        link_.send(wire::kCommand, entries);
        return;
    }
    case wire::kOpDelete: {
        auto r = drives_.resolve(arg);
        int st = r ? drives_.remove(*r) : term::kFailed;
        logCommand(st);
        if (st == term::kDone)
            log_.line("delete").str("path", r->terminalPath).write();
        sendStatusReply(st);
        return;
    }
    case wire::kOpGetFile: {
        if (config_.hostileNames && (endsWithNoCase(arg, kHostileNames[2]) || endsWithNoCase(arg, kHostileNames[3]))) {
            logCommand(term::kDone);
            wire::FileHeader fh;
            fh.name = endsWithNoCase(arg, kHostileNames[2]) ? kHostileNames[2] : kHostileNames[3];
            fh.sizeField = 4;
            const std::uint8_t evil[] = {'E', 'V', 'I', 'L'};
            link_.send(wire::kFile, fileTransfer(fh, evil, sizeof evil));
            return;
        }
        auto r = drives_.resolve(arg);
        std::vector<std::uint8_t> bytes;
        std::int64_t mtime = 0;
        // The terminal makes a drive's image when it is asked for and no file holds that name.
        const bool image = r && drives_.formatted(r->drive) && SimDrives::isImagePath(*r) && !drives_.fileExists(*r);
        if (image) {
            bytes = drives_.image(r->drive);
            mtime = static_cast<std::int64_t>(std::time(nullptr));
        } else if (!r || !drives_.read(*r, bytes, mtime)) {
            int st = r && !drives_.formatted(r->drive) ? term::kNotFormatted : term::kFailed;
            logCommand(st);
            sendStatusReply(st);
            return;
        }
        logCommand(term::kDone);
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
        link_.send(wire::kFile, fileTransfer(fh, bytes.data(), bytes.size()));
        return;
    }
    case wire::kOpFormat: {
        int drive = SimDrives::driveOf(arg);
        bool wellFormed = drive >= 0 && (arg.size() == 2 || (arg.size() == 3 && arg[2] == '\\'));
        std::string error;
        int st = wellFormed && drives_.format(drive, error) ? term::kDone : term::kFailed;
        logCommand(st);
        if (st == term::kDone)
            log_.line("format").str("drive", std::string(1, SimDrives::letter(drive)) + ":").write();
        else if (!error.empty())
            log_.line("refused").str("why", error).num("status", term::kFailed).write();
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
        logCommand(term::kDone);
        link_.send(wire::kCommand, wire::makeDiskInfoReply(term::kDone, info));
        return;
    }
    case wire::kOpModel: {
        logCommand(term::kDone);
        link_.send(wire::kCommand,
                   wire::makeModelInfoReply(term::kDone, {static_cast<std::int16_t>(config_.modelClass),
                                                          static_cast<std::int16_t>(config_.modelNumber)}));
        return;
    }
    case wire::kOpFirmware: {
        logCommand(term::kDone);
        auto image = kernelImage();
        auto check = wire::checkKernelBody(image.data(), image.size());
        log_.line("firmware-update")
            .flag("kernel", !image.empty())
            .num("kernel_length", static_cast<std::int64_t>(check.fileLength))
            .flag("kernel_sum_ok", check.sumOk)
            .write();
        sendStatusReply(term::kDone);
        return;
    }
    default:
        logCommand(term::kFailed);
        sendStatusReply(term::kFailed);
        return;
    }
}

}  // namespace feld::sim
