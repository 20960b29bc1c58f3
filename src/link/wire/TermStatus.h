#pragma once
// The terminal's code tables, each defined once: the statuses its replies and answers carry, the
// models whose kernel the program can update, and where the flash writer for them comes from and
// goes to.

#include <cstdint>
#include <string>

namespace feld::term {

// Statuses in the terminal's reply frames (and, plus 100, in byte 0 of a command's answer).
#define FELD_TERM_STATUSES(X)                                                                       \
    X(Failed, 0, "no valid answer")                                                                 \
    X(Done, 1, "done")                                                                              \
    X(TransferDone, 2, "nothing more to send")                                                     \
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

// What a status means, in words; unknown statuses give their number.
std::string statusText(int status);

// Firmware versions (in hundredths: 201 is 2.01). Below 2.00 the terminal may not use files sent
// to it properly, so the user is asked first; from 2.01 on it takes a file with its full path.
constexpr int kOldFirmware = 200;
constexpr int kPathFirmware = 201;

// The model report (op 16) and a status-3 reply name a model by class and number. The program has
// a flash writer for these models only.
constexpr std::int16_t kModelReportClass = 191;
#define FELD_TERM_MODELS(X) X(9035) X(9051) X(9067) X(10113) X(10121)
bool IsSupportedModel(std::int16_t modelClass, std::int16_t modelNumber);

// The flash writer: a program from the terminal's vendor, kept in this folder below the program's
// data folder, and stored on the terminal under this name in this folder.
constexpr const char* kFlashWriterFolder = "DP";
constexpr const char* kFlashWriterFile = "SST_RW.abp";
constexpr const char* kFlashWriterTerminalName = "ROMWrite.abp";
constexpr const char* kFlashWriterTerminalFolder = "c:\\program";
// The flash writer's path below a data folder ("/usr/share/feldspan/" → ".../DP/SST_RW.abp").
std::string FlashWriterPath(const std::string& mainPath);

}  // namespace feld::term
