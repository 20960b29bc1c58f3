#pragma once
// The cradle update as the dialog and the CLI share it: the checks that decide whether a file may
// go to the selected device, the reading of the image, and the mapping of the worker's progress
// record onto the 0..220 progress range.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "cradle/DfuDeviceList.h"
#include "cradle/DfuFile.h"
#include "cradle/DfuWorker.h"

namespace feld {

class Ui;
class ProgressView;

// The firmware file the user chose, as read (suffix only) when it was chosen.
struct ChosenDfuFile {
    std::string path;  // empty: no file chosen
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    std::uint16_t release = 0;
};

// Reads the file's suffix for the choice. On failure shows kNotCradleFirmware, forgets the choice
// and returns false; `reason` receives why.
bool ChooseDfuFile(Ui& ui, const std::string& path, ChosenDfuFile& chosen, std::string* reason = nullptr);

// The checks before an update, against the device the user selected (`selected` indexes `devices`,
// -1 for none): the device must be selected (kNoCradleDevice), a file chosen (kOpenFileFirst), the
// vendor ids equal; a device in DFU mode asks kCradleConfirm and skips the rest; else the product
// ids must be equal and an older file asks before it replaces newer firmware. Then reads the image
// (kNotCradleFirmware on failure).
// Returns the image to write, or nullptr when the update must not start (the user was told why).
// The worker then gets devices[selected].index: a device that could not be read is missing from
// `devices`, so the place in the list and the library's index may differ.
std::unique_ptr<DfuImage> CheckCradleUpdate(Ui& ui, const std::vector<DfuDeviceInfo>& devices, int selected,
                                            const ChosenDfuFile& file, std::string* reason = nullptr);

// Where the progress bar (range 0..220) stands for a record, and whether the update ended.
struct DfuPollState {
    int position = 0;
    bool finished = false;  // phase 4 at 100 percent
    bool failed = false;    // the record carries an error
};
DfuPollState InterpretDfuProgress(const DfuProgress& progress);
constexpr int kDfuProgressRange = 220;

// Starts the worker for a checked image. Before the start it warns, and goes on, when the image
// holds bytes outside the area this device's update writes. When the worker does not start,
// shows kCradleNotDone and returns the worker's code; kDfuOk when it runs.
std::uint32_t StartCradleUpdate(Ui& ui, Clock& clock, unsigned deviceIndex, std::unique_ptr<DfuImage> image,
                                DfuWorker& worker = DfuWorker::instance());

// One look at a running update, as the poller takes it every 100 ms: copies the worker's record
// into `record` and says where the bar stands. A worker that ended without a result counts as a
// failure (record.error 0). Once the update ended (finished or failed) the worker has been
// waited for, so a new start is possible.
DfuPollState PollCradleUpdate(DfuProgress& record, DfuWorker& worker = DfuWorker::instance());

// The message that ends an update: kCradleDone on success, else kCradleNotDone (kNotCradleFirmware
// when the worker refused an image with nothing in the area it writes).
void ReportCradleUpdateEnd(Ui& ui, const DfuProgress& record);

// Starts the worker for a checked image and follows it until it ends, waiting 100 ms between
// looks: a progress bar on `progress` (may be null), then the end's message. The three steps
// above, for a caller that may block.
// Returns the worker's last record (error kDfuOk when the update completed).
DfuProgress RunCradleUpdate(Ui& ui, Clock& clock, unsigned deviceIndex, std::unique_ptr<DfuImage> image,
                            ProgressView* progress, DfuWorker& worker = DfuWorker::instance());

}  // namespace feld
