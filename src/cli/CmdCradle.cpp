// feldspan-cli cradle: the cradle's DFU devices, its firmware files, and the firmware update.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/PcFiles.h"
#include "base/SafeFile.h"
#include "base/Ui.h"
#include "cli/CliCommand.h"
#include "cli/CliJson.h"
#include "cradle/CradleUpdate.h"
#include "cradle/DfuDeviceList.h"
#include "cradle/DfuFile.h"
#include "cradle/DfuWorker.h"
#include "cradle/DfuWriteArea.h"
#include "cradle/stdfu/SimDfuBackend.h"
#include "cradle/stdfu/Stdfu.h"

#if __has_include("cli/CradleVersion.h")
#include "cli/CradleVersion.h"
#define FELD_HAVE_CRADLE_VERSION 1
#endif

namespace {

using namespace feld;
using namespace feld::cli;

std::string hex4(unsigned v)
{
    char b[8];
    std::snprintf(b, sizeof b, "0x%04X", v & 0xFFFF);
    return b;
}

std::string idsText(unsigned vendor, unsigned product, unsigned release)
{
    return "vendor " + hex4(vendor) + ", product " + hex4(product) + ", release " + hex4(release);
}

// What a worker error means, in words; its code follows in brackets for a report.
std::string errorText(std::uint32_t code)
{
    char b[16];
    std::snprintf(b, sizeof b, "0x%08X", static_cast<unsigned>(code));
    const std::string tail = std::string(" [") + b + "]";
    // The program's own codes say what they mean; the library's last reason belongs to a call.
    if (code == kDfuWorkerBusy || code == kDfuNoThread || code == kDfuWorkerFault || code == kDfuNothingToWrite)
        return stdfu::codeText(code) + tail;
    if (code >= kDfuStatusBase + 0x1000 && (code - kDfuStatusBase) % 0x1000 == 0 &&
        (code - kDfuStatusBase) / 0x1000 <= 0xFF) {
        const unsigned status = (code - kDfuStatusBase) / 0x1000;
        const std::string name = stdfu::statusName(static_cast<std::uint8_t>(status));
        return formatText(tk("cradle.dfuStatusWords", "the cradle reported DFU status %u"), {status}) +
               (name.empty() ? "" : " (" + name + ")") + tail;
    }
    std::string why = stdfu::STDFU_LastError();
    return (why.empty() ? stdfu::codeText(code) : why) + tail;
}

bool parseIndex(const std::string& text, int& out)
{
    if (text.empty() || text.size() > 4)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    out = std::atoi(text.c_str());
    return true;
}

QJsonObject idsJson(unsigned vendor, unsigned product, unsigned release)
{
    return {{QStringLiteral("vendor"), static_cast<int>(vendor)},
            {QStringLiteral("product"), static_cast<int>(product)},
            {QStringLiteral("release"), static_cast<int>(release)}};
}

int listCommand(CliContext& ctx, bool json)
{
    std::vector<DfuDeviceInfo> devices;
    std::string why;
    if (!ListDfuDevices(ctx.ui(), devices, &why)) {
        if (!why.empty())
            ctx.ui().fixedMessage(why, Icon::Stop);
        return kExitFailure;
    }
    if (json) {
        QJsonArray list;
        for (const auto& d : devices) {
            QJsonObject o = idsJson(d.vendor, d.product, d.release);
            o.insert(QStringLiteral("index"), static_cast<int>(d.index));
            o.insert(QStringLiteral("name"), jsonText(d.name));
            list.append(o);
        }
        printJson(list);
        return kExitOk;
    }
    for (const auto& d : devices)
        std::printf("%u: %s (%s)\n", d.index, d.name.c_str(), idsText(d.vendor, d.product, d.release).c_str());
    return kExitOk;
}

int checkCommand(CliContext& ctx, const std::string& path, bool json)
{
    auto image = std::make_unique<DfuImage>();
    DfuFileResult r = LoadDfuFile(path, image.get());
    if (!r.ok()) {
        ctx.ui().message(txt::kNotCradleFirmware, Icon::Stop);
        ctx.ui().fixedMessage(formatText(tk("cradle.fileProblem", "%s: %s"), {path, r.reason}), Icon::Stop);
        return kExitFailure;
    }
    std::size_t used = 0;
    for (std::uint8_t b : *image)
        used += b != 0xFF;
    QJsonObject report = idsJson(r.vendor, r.product, r.release);
    report.insert(QStringLiteral("file"), jsonText(path));
    report.insert(QStringLiteral("usedBytes"), static_cast<qint64>(used));
    QJsonArray kinds;
    if (!json)
        std::printf("%s: valid cradle firmware (%s), %zu image bytes other than 0xFF\n", path.c_str(),
                    idsText(r.vendor, r.product, r.release).c_str(), used);
    // What an update writes depends on the cradle's transfer size, which only the device tells:
    // both kinds of cradle are shown.
    bool writesSomewhere = false;
    for (unsigned transfer : {128u, 8u}) {
        DfuWriteGeometry geometry;
        dfuWriteGeometry(transfer, transfer, geometry);
        const std::vector<DfuByteRange> inside = dfuRangesInside(*image, geometry);
        const std::vector<DfuByteRange> outside = dfuRangesOutside(*image, geometry);
        std::string line = "  transfer size " + std::to_string(transfer) + ": ";
        if (inside.empty()) {
            line += "writes nothing in " + dfuAreaText(geometry) + ", so an update is refused";
        } else {
            writesSomewhere = true;
            line += "writes " + dfuRangesText(inside) + " in " + dfuAreaText(geometry);
            if (!outside.empty())
                line += "; " + dfuRangesText(outside) + (outside.size() == 1 ? " is" : " are") + " not written";
        }
        if (json)
            kinds.append(QJsonObject{{QStringLiteral("transferSize"), static_cast<int>(transfer)},
                                     {QStringLiteral("area"), jsonText(dfuAreaText(geometry))},
                                     {QStringLiteral("written"), jsonText(inside.empty() ? std::string() : dfuRangesText(inside))},
                                     {QStringLiteral("notWritten"), jsonText(outside.empty() ? std::string() : dfuRangesText(outside))}});
        else
            std::printf("%s\n", line.c_str());
    }
    if (json) {
        report.insert(QStringLiteral("cradles"), kinds);
        report.insert(QStringLiteral("updatable"), writesSomewhere);
        printJson(report);
    }
    if (!writesSomewhere) {
        ctx.ui().fixedMessage(formatText(tk("cradle.writesNothing", "%s: no byte lies in 0x8000-0xEFFF, where every update "
                                                                    "writes: an update would erase the cradle's firmware and "
                                                                    "write nothing, so it refuses this file. Use a firmware "
                                                                    "file made for the cradle"),
                                         {path}),
                              Icon::Stop);
        return kExitFailure;
    }
    return kExitOk;
}

int imageCommand(CliContext& ctx, const std::string& path, const std::string& out)
{
    auto image = std::make_unique<DfuImage>();
    DfuFileResult r = LoadDfuFile(path, image.get());
    if (!r.ok()) {
        ctx.ui().message(txt::kNotCradleFirmware, Icon::Stop);
        ctx.ui().fixedMessage(formatText(tk("cradle.fileProblem", "%s: %s"), {path, r.reason}), Icon::Stop);
        return kExitFailure;
    }
    // An image already at OUT is replaced only when the user says so.
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(FsPath(out), ec)) &&
        !accepted(ctx.ui().ask(0, formatText(tk("cli.replaceLocal", "%s exists on this PC. Replace it?"), {out}), Buttons::YesNo,
                               Icon::Question))) {
        ctx.ui().fixedMessage(formatText(tk("cradle.imageExists", "not written: %s exists (use --yes to replace it)"), {out}),
                              Icon::Stop);
        return kExitFailure;
    }
    // Written beside the target first, so a failed write leaves no half image where a whole one
    // is expected.
    SafeFileWriter writer;
    if (!writer.Open(out) || !writer.Write(image->data(), image->size()) || !writer.Commit()) {
        ctx.ui().fixedMessage(formatText(tk("cradle.cannotWriteImageWhy", "cannot write the image to %s (%s)"), {out, writer.Error()}),
                              Icon::Stop);
        return kExitFailure;
    }
    std::printf("%s: %zu bytes written\n", out.c_str(), image->size());
    return kExitOk;
}

int updateCommand(CliContext& ctx, const std::string& path, int index)
{
    Ui& ui = ctx.ui();
    std::vector<DfuDeviceInfo> devices;
    std::string why;
    if (!ListDfuDevices(ui, devices, &why)) {
        if (!why.empty())
            ui.fixedMessage(why, Icon::Stop);
        return kExitFailure;
    }
    // --index is the number 'cradle list' prints: the device's place in the library's list, which
    // differs from its place here when a device before it could not be read.
    int selected = index < 0 ? 0 : -1;  // without --index: the first device listed
    for (std::size_t i = 0; i < devices.size() && index >= 0; ++i)
        if (static_cast<int>(devices[i].index) == index)
            selected = static_cast<int>(i);
    if (selected < 0) {
        ui.fixedMessage(formatText(tk("cradle.noDevice", "there is no DFU device %d ('cradle list' shows the devices)"), {index}),
                        Icon::Stop);
        return kExitFailure;
    }
    ChosenDfuFile file;
    if (!ChooseDfuFile(ui, path, file, &why)) {
        ui.fixedMessage(formatText(tk("cradle.fileProblem", "%s: %s"), {path, why}), Icon::Stop);
        return kExitFailure;
    }
    std::unique_ptr<DfuImage> image = CheckCradleUpdate(ui, devices, selected, file, &why);
    if (!image) {
        if (!why.empty())
            ui.fixedMessage(formatText(tk("cradle.fileProblem", "%s: %s"), {path, why}), Icon::Stop);
        return kExitFailure;
    }
    const DfuDeviceInfo& device = devices[static_cast<std::size_t>(selected)];
    DfuProgress result;
    {
        auto bar = ui.openProgress(ProgressKind::Sending, tk("cradle.progressTitle", "Cradle firmware update"), device.name);
        result = RunCradleUpdate(ui, systemClock(), device.index, std::move(image), bar.get());
    }
    if (result.error == kDfuNothingToWrite) {
        ui.fixedMessage(formatText(tk("cradle.useOtherFile", "%s: %s. Use a firmware file made for this cradle "
                                                             "('feldspan-cli cradle check %s' shows where a file's bytes lie)"),
                                   {path, errorText(result.error), path}),
                        Icon::Stop);
        return kExitFailure;
    }
    if (result.error != kDfuOk && result.phase == 3 && result.percent == 100) {
        // Every block went out: it was the end of the download, where the cradle takes the new
        // firmware, that failed.
        ui.fixedMessage(formatText(tk("cradle.failedAtEnd", "the cradle update failed at its end: every block was written, "
                                                            "but the cradle did not take the new firmware, %s. The cradle "
                                                            "may not start until an update completes: run the update again"),
                                   {errorText(result.error)}),
                        Icon::Stop);
        return kExitFailure;
    }
    if (result.error != kDfuOk) {
        ui.fixedMessage(formatText(tk("cradle.failedInPhase", "the cradle update failed in phase %d, %s"),
                                   {result.phase, errorText(result.error)}),
                        Icon::Stop);
        return kExitFailure;
    }
    return kExitOk;
}

int versionCommand(CliContext& ctx, const std::vector<std::string>& rest)
{
#ifdef FELD_HAVE_CRADLE_VERSION
    return cradleVersionCommand(ctx, rest);
#else
    (void)rest;
    ctx.ui().fixedMessage(tk("cradle.noVersionCommand", "cradle version: not available in this build"), Icon::Stop);
    return kExitFailure;
#endif
}

int runCradle(CliContext& ctx, const std::vector<std::string>& argsIn)
{
    // --sim DESCRIPTION puts a simulated cradle behind the DFU functions for this run.
    std::vector<std::string> args;
    int index = -1;
    bool indexGiven = false;
    bool json = false;
    for (std::size_t i = 0; i < argsIn.size(); ++i) {
        const std::string& a = argsIn[i];
        std::string value;
        bool isSim = a == "--sim" || a.rfind("--sim=", 0) == 0;
        bool isIndex = a == "--index" || a.rfind("--index=", 0) == 0;
        if (isSim || isIndex) {
            std::size_t eq = a.find('=');
            if (eq != std::string::npos) {
                value = a.substr(eq + 1);
            } else if (i + 1 < argsIn.size()) {
                value = argsIn[++i];
            } else {
                std::fprintf(stderr, "feldspan-cli cradle: %s needs a value\n", a.c_str());
                return kExitUsage;
            }
            if (isSim) {
                stdfu::STDFU_UseBackend(stdfu::SimDfuBackend::fromDescription(value.empty() ? "1" : value));
            } else if (!parseIndex(value, index)) {
                std::fprintf(stderr, "feldspan-cli cradle: --index needs a device number from 'cradle list'\n");
                return kExitUsage;
            } else {
                indexGiven = true;
            }
            continue;
        }
        if (a == "--json")
            json = true;
        else
            args.push_back(a);
    }
    if (args.empty()) {
        std::fprintf(stderr, "feldspan-cli cradle: name a sub-command: list, check, image, update or version\n");
        return kExitUsage;
    }
    const std::string& sub = args[0];
    if (indexGiven && sub != "update") {
        std::fprintf(stderr, "feldspan-cli cradle: --index belongs to 'cradle update'\n");
        return kExitUsage;
    }
    if (json && sub != "list" && sub != "check") {
        std::fprintf(stderr, "feldspan-cli cradle: --json belongs to 'cradle list' and 'cradle check'\n");
        return kExitUsage;
    }
    if (sub == "list" && args.size() == 1)
        return listCommand(ctx, json);
    if (sub == "check" && args.size() == 2)
        return checkCommand(ctx, args[1], json);
    if (sub == "image" && args.size() == 3)
        return imageCommand(ctx, args[1], args[2]);
    if (sub == "update" && args.size() == 2)
        return updateCommand(ctx, args[1], index);
    if (sub == "version")
        return versionCommand(ctx, std::vector<std::string>(args.begin() + 1, args.end()));
    std::fprintf(stderr, "feldspan-cli cradle: wrong sub-command or arguments\n");
    return kExitUsage;
}

}  // namespace

FELD_CLI_COMMAND("cradle",
                 "cradle list [--json] | cradle check [--json] FILE.dfu | cradle image FILE.dfu OUT.bin | "
                 "cradle update FILE.dfu [--index N] | cradle version   [--sim DESCRIPTION]",
                 "the cradle: DFU devices, firmware files, firmware update, version", runCradle);
