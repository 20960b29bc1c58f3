#pragma once
// The update commands of the application shell that reach the terminal or its cradle: the
// language-support download, the terminal's firmware update and the cradle's version.

#include <string>

namespace feld {

class Config;
class Session;
class Ui;

class UpdateCommands {
public:
    UpdateCommands(Session& session, Config& config, Ui& ui) : session_(session), config_(config), ui_(ui) {}

    // Sends a language-support font ("@oemb-*.sft", chosen through the Ui) into the terminal's
    // "d:\fonts", replacing one of the same name. Firmware below 2.00 asks first (kOldFirmwareWarning).
    // Shows the outcome (kCopied, or why not) and returns the terminal's status: 1 (done) stored, any
    // other not.
    int LanguageDownload();

    // Connects without the link check and runs the kernel update (which asks its own questions and
    // chooses the file through the Ui). Shows kFirmwareDone or kFirmwareNotDone. 1 done, 0 not.
    int FirmwareUpdate();

    struct CradleVersion {
        int ok = 0;          // 1: read from the cradle's connection
        int tenths = 0;      // 12 for 1.2
        std::string text;    // the about box's line: its caption and "  1.2 "
    };
    // Only over USB (kCradleNeedsUsb on a serial port choice). Connects without the link check.
    CradleVersion AboutCradle();

    // "  %.1f " of tenths * 0.1: 12 becomes "  1.2 ".
    static std::string FormatCradleVersion(int tenths);

private:
    // Sets the firmware-update flag for its lifetime.
    class UpdateFlag;

    Session& session_;
    Config& config_;
    Ui& ui_;
};

}  // namespace feld
