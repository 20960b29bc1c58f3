#include "cradle/CradleUpdate.h"

#include "base/Ui.h"
#include "cradle/stdfu/Stdfu.h"

namespace feld {

namespace {

constexpr std::uint16_t kDfuModeProduct = 0xDF11;

// Warns about the image's bytes outside the area this device's update writes. Reading the DFU
// descriptor sends the cradle nothing; when it cannot be read the worker fails on the same call
// and says why.
void warnAboutDroppedBytes(Ui& ui, unsigned deviceIndex, const DfuImage& image)
{
    stdfu::DfuFunctionalDescriptor functional;
    unsigned extra = 0;
    DfuWriteGeometry geometry;
    if (stdfu::STDFU_GetDFUDescriptor(deviceIndex, &functional, &extra) != stdfu::kOk ||
        !dfuWriteGeometry(functional.wTransferSize, extra, geometry))
        return;
    const std::string warning = dfuOutsideWarning(image, geometry);
    if (!warning.empty())
        ui.fixedMessage(warning, Icon::Warning);
}

}  // namespace

bool ChooseDfuFile(Ui& ui, const std::string& path, ChosenDfuFile& chosen, std::string* reason)
{
    DfuFileResult r = LoadDfuFile(path, nullptr);
    if (reason)
        *reason = r.reason;
    if (!r.ok()) {
        chosen = ChosenDfuFile{};
        ui.message(txt::kNotCradleFirmware, Icon::Exclamation);
        return false;
    }
    chosen.path = path;
    chosen.vendor = r.vendor;
    chosen.product = r.product;
    chosen.release = r.release;
    return true;
}

std::unique_ptr<DfuImage> CheckCradleUpdate(Ui& ui, const std::vector<DfuDeviceInfo>& devices, int selected,
                                            const ChosenDfuFile& file, std::string* reason)
{
    if (reason)
        reason->clear();
    if (selected < 0 || static_cast<std::size_t>(selected) >= devices.size()) {
        ui.message(txt::kNoCradleDevice, Icon::Exclamation);
        return nullptr;
    }
    if (file.path.empty()) {
        ui.message(txt::kOpenFileFirst, Icon::Exclamation);
        return nullptr;
    }
    // The identity of the device the user picked, not of whichever was listed last.
    const DfuDeviceInfo& device = devices[static_cast<std::size_t>(selected)];
    if (device.vendor != file.vendor) {
        ui.fixedMessage("Vendor ID does not match !", Icon::Stop);
        return nullptr;
    }
    if (device.product == kDfuModeProduct) {
        // A cradle already in DFU mode tells nothing about its product or firmware.
        if (!accepted(ui.question(txt::kCradleConfirm, Buttons::YesNo, Icon::Question)))
            return nullptr;
    } else {
        if (device.product != file.product) {
            ui.fixedMessage("Product ID does not match !", Icon::Stop);
            return nullptr;
        }
        if (device.release > file.release &&
            !accepted(ui.ask(0, "The Device has already a new firmware version. \n\nContinue anyway ?", Buttons::YesNo,
                             Icon::Exclamation)))
            return nullptr;
    }
    auto image = std::make_unique<DfuImage>();
    DfuFileResult r = LoadDfuFile(file.path, image.get());
    if (!r.ok()) {
        if (reason)
            *reason = r.reason;
        ui.message(txt::kNotCradleFirmware, Icon::Exclamation);
        return nullptr;
    }
    return image;
}

DfuPollState InterpretDfuProgress(const DfuProgress& p)
{
    DfuPollState s;
    if (p.error != kDfuOk) {
        s.failed = true;
        return s;
    }
    switch (p.phase) {
    case 2:
        s.position = p.percent;
        break;
    case 3:
        s.position = 100 + p.percent;
        break;
    case 4:
        s.position = 200 + p.percent;
        break;
    default:  // 0: the worker is still preparing the device
        s.position = 0;
        break;
    }
    if (s.position < 0)
        s.position = 0;
    if (s.position > kDfuProgressRange)
        s.position = kDfuProgressRange;
    s.finished = p.phase == 4 && p.percent == 100;
    return s;
}

std::uint32_t StartCradleUpdate(Ui& ui, Clock& clock, unsigned deviceIndex, std::unique_ptr<DfuImage> image,
                                DfuWorker& worker)
{
    if (image)
        warnAboutDroppedBytes(ui, deviceIndex, *image);
    const std::uint32_t rc = worker.start(deviceIndex, std::move(image), clock);
    if (rc != kDfuOk)
        ui.message(txt::kCradleNotDone, Icon::Exclamation);
    return rc;
}

DfuPollState PollCradleUpdate(DfuProgress& record, DfuWorker& worker)
{
    worker.progress(record);
    DfuPollState s = InterpretDfuProgress(record);
    if (!s.failed && !s.finished && !worker.running()) {
        // The worker ended between two looks: read its final word.
        worker.progress(record);
        s = InterpretDfuProgress(record);
        if (!s.failed && !s.finished) {
            // An end without a result is no success.
            record.error = 0;
            s.failed = true;
        }
    }
    if (s.failed || s.finished)
        worker.wait();
    return s;
}

void ReportCradleUpdateEnd(Ui& ui, const DfuProgress& record)
{
    if (record.error == kDfuOk)
        ui.message(txt::kCradleDone, Icon::Information);
    else  // a file with nothing to write will not do better later: it is the file that is wrong
        ui.message(record.error == kDfuNothingToWrite ? txt::kNotCradleFirmware : txt::kCradleNotDone,
                   Icon::Exclamation);
}

DfuProgress RunCradleUpdate(Ui& ui, Clock& clock, unsigned deviceIndex, std::unique_ptr<DfuImage> image,
                            ProgressView* progress, DfuWorker& worker)
{
    DfuProgress record;
    const std::uint32_t rc = StartCradleUpdate(ui, clock, deviceIndex, std::move(image), worker);
    if (rc != kDfuOk) {
        record.error = rc;
        return record;
    }
    const std::string phaseLabels[] = {tk("cradle.phase.prepare", "Preparing the cradle"), "",
                                       tk("cradle.phase.start", "Starting the firmware write"),
                                       tk("cradle.phase.write", "Writing the firmware"), tk("cradle.phase.finish", "Finishing")};
    int shownPhase = -1;
    for (;;) {
        clock.sleepMs(100);
        const DfuPollState s = PollCradleUpdate(record, worker);
        if (progress && !s.failed) {
            if (record.phase != shownPhase && record.phase >= 0 && record.phase <= 4 && record.phase != 1) {
                shownPhase = record.phase;
                progress->setLabel(phaseLabels[record.phase]);
            }
            progress->setPercent(s.position * 100 / kDfuProgressRange);
        }
        if (s.failed || s.finished) {
            ReportCradleUpdateEnd(ui, record);
            return record;
        }
    }
}

}  // namespace feld
