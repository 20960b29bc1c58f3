#pragma once
// The terminal's code tables, each defined once: the statuses its replies and answers carry, the
// models whose kernel the program can update, and where the flash writer for them comes from and
// goes to.

#include <cstdint>
#include <iosfwd>
#include <string>

namespace feld::term {

// Statuses in the terminal's reply frames (and, plus 100, in byte 0 of a command's answer).
#define FELD_TERM_STATUSES(X)                                                                       \
    X(Failed, 0, "no valid answer")                                                                 \
    X(Done, 1, "done")                                                                              \
    X(TransferDone, 2, "the terminal did not take it (status 2)")                                  \
    X(WantsFlashWriter, 3, "the terminal asks for the flash writer")                                \
    X(NotFormatted, 4, "the drive is not formatted")                                                \
    X(NoSpace, 5, "not enough space on the drive")                                                  \
    X(FileExists, 6, "the file exists")                                                             \
    X(Busy, 7, "the terminal is busy")                                                              \
    X(LowPower, 9, "the terminal's power is too low")                                               \
    X(Refused, 10, "the terminal refused the name or path")                                         \
    X(NeedsDefrag, 11, "drive D: must be defragmented")                                             \
    X(InUse, 12, "a file is in use on the terminal")                                                \
    X(InUse2, 13, "a file is in use on the terminal")                                               \
    X(InUse3, 14, "a file is in use on the terminal")                                               \
    X(LastKnown, 15, "a status of the terminal's own")

enum Status : int {
#define FELD_TERM_STATUS_ENUM(name, value, text) k##name = value,
    FELD_TERM_STATUSES(FELD_TERM_STATUS_ENUM)
#undef FELD_TERM_STATUS_ENUM
};

// Status 2 means "nothing more to send" only in reply to a header. In reply to a data frame it
// refuses the file: the terminal could not make sense of its header or could not store it, and the
// PC reports it as an error of the terminal.
constexpr Status kCannotStore = kTransferDone;

// What a status means, in words, for the user: the one text for any status, wherever it is shown.
// A status of no known meaning reads "the terminal refused (status N)".
std::string statusText(int status);

// What the terminal made of an operation: its status, kept as the number it sent. Done (1) is the
// one success; 0 means no valid answer and every other value is a refusal of its own kind. There is
// on purpose no conversion to bool or int, so that "non-zero" cannot be taken for "done": ask ok(),
// or compare with a named status (r == term::kFileExists).
class Result {
public:
    constexpr Result() = default;
    constexpr Result(Status status) : status_(status) {}
    // A status as it came from the wire.
    constexpr explicit Result(int status) : status_(status) {}

    constexpr bool ok() const { return status_ == kDone; }
    constexpr int status() const { return status_; }
    // The status in words (statusText).
    std::string text() const { return statusText(status_); }

    friend constexpr bool operator==(Result a, Result b) { return a.status_ == b.status_; }

private:
    int status_ = kFailed;
};

// What the user reads when `what` (a sentence such as "format failed") was not done: "what: the
// terminal's reason" when the terminal refused, `what` alone when no valid answer came (whoever
// saw the line fail has said why).
std::string explained(const std::string& what, Result r);

// "status N (what it means)", for logs and test output.
std::ostream& operator<<(std::ostream& os, Result r);

// Firmware versions (in hundredths: 201 is 2.01). Below 2.00 the terminal may not use files sent
// to it properly, so the user is asked first; from 2.01 on it takes a file with its full path.
constexpr int kOldFirmware = 200;
constexpr int kPathFirmware = 201;

// The model report (op 16) and a status-3 reply name a model by class and number. The program has
// a flash writer for these models only.
constexpr std::int16_t kModelReportClass = 191;
#define FELD_TERM_MODELS(X) X(9035) X(9051) X(9067) X(10113) X(10121)
bool IsSupportedModel(std::int16_t modelClass, std::int16_t modelNumber);
// Why a terminal of another model is not updated, in words that name its class and number.
std::string unsupportedModelText(std::int16_t modelClass, std::int16_t modelNumber);

// The flash writer: a program from the terminal's vendor, kept in this folder below the program's
// data folder, and stored on the terminal under this name in this folder.
constexpr const char* kFlashWriterFolder = "DP";
constexpr const char* kFlashWriterFile = "SST_RW.abp";
constexpr const char* kFlashWriterTerminalName = "ROMWrite.abp";
constexpr const char* kFlashWriterTerminalFolder = "c:\\program";
// The flash writer's path below a data folder ("/usr/share/feldspan/" → ".../DP/SST_RW.abp").
std::string FlashWriterPath(const std::string& mainPath);

}  // namespace feld::term
