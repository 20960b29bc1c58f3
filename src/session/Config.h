#pragma once
// The stored configuration: every value the program keeps between runs, read once at start into
// this one object, changed in memory by the commands, written back by one explicit save() or one
// key at a time by storeValue(). Writing changes only the values written: in an INI store every
// other line (comments, keys we do not know, other groups, blank lines) stays byte for byte.
//
// The store is QSettings with organisation "TOLVERANET SOFTWARE" and application "FeldBuilder",
// so on Windows the values land under HKCU\Software\TOLVERANET SOFTWARE\FeldBuilder and on Linux
// in ~/.config/TOLVERANET SOFTWARE/FeldBuilder.conf, in the groups FeldSpan/Settings,
// FeldSpan/Standby, FeldSpan/PATH and PATH. A settings file given to the constructor (an INI file)
// replaces that store, for tests and scripts.
//
// Every key, with its default and range, is defined once in the table of ConfigKeys.h; the store
// itself (reading without regard to case, writing back) is ConfigStore.h, the line-by-line change
// of an INI file ConfigIni.h.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/PortSettings.h"

namespace feld {

class Ui;

// The resident-mode schedule, in the order the resident settings dialog edits it.
struct StandbyBlock {
    int type = 0;                          // 0 every interval, 1 at fixed times
    int timeInterval = 10;                 // seconds
    std::array<int, 3> fixTimeEnable{};    // a fixed time is used only when its flag is non-zero
    std::array<std::int64_t, 3> fixTime{}; // calendar seconds since 1970-01-01 UTC (stored as 32-bit)
    std::array<int, 10> fileEnable{};      // collect the terminal file of the same number
    std::array<std::string, 10> fileName;  // full terminal path names, e.g. "C:\Data\DATA1.TXT"
    std::string savePath;                  // PC folder for collected files
    std::string savePath1;                 // PC folder the Receive dialog offers

    bool operator==(const StandbyBlock&) const = default;
};

// What start-up writes to the store. The desktop program writes VERSION and VERSIONEX at every
// start, as the program always has; feldspan-cli writes nothing, so that a command that only reads
// leaves the settings file exactly as it was.
enum class StartUpWrites { Nothing, Version };
// Whether start-up creates the project folder and its Data folder when they are missing: the
// window and the commands that put files there do; a command that only talks to the terminal
// leaves the disk as it was (a mistyped folder in the settings stays missing).
enum class ProjectFolders { Create, Leave };

class Config {
public:
    // The values the desktop program writes at every start.
    static constexpr int kVersion = 1300;
    static constexpr const char* kVersionEx = "A";

    // Port values (Settings group) and the receive options.
    PortSettings port;
    int carriageReturn = 1;      // keep the CR of CR LF pairs in received files
    int lineFeed = 1;            // keep the LF of CR LF pairs in received files
    int deleteAfterReceive = 0;  // delete the terminal's file after receiving it
    int sendOnlyChanged = 0;     // a project send skips the files the terminal holds as they are here
    int id = 0;                  // carried unchanged
    int dump = 0;                // non-zero: the disk-image dump commands are offered; never saved
    // How received and collected files are written on the PC: appended to the file there, or
    // replacing it. The last receive chose it (a download replaces); never saved.
    bool receiveAppends = false;

    StandbyBlock standby;

    // Where the window was left (Window group, written at exit): its geometry as the window
    // toolkit saves it (base64), the mode (0 project, 1 advanced, -1 none yet) and advanced mode's
    // split as "top row per mille,left column per mille".
    std::string windowGeometry;
    int windowMode = -1;
    std::string windowSplit;

    // Folders, both ending in the platform's separator.
    std::string mainPath;          // the installation's data folder (flash writer in DP/, help)
    std::string projectPath;       // the project folder, root of all local work files
    // projectPath + "FSSPAN.tmp". No fetch goes through it any more (two running copies shared it);
    // it stays as the name the installation check probes beside.
    std::string transferTempFile;

    int languageCode = 0;            // PATH/LANGUAGE; 0 = choose by the locale
    std::string handedOverProject;   // from Builder.ini in the project folder
    bool builderIniFound = false;    // Builder.ini exists: start in project mode
    bool pathsFound = true;          // false when a folder path had to be defaulted
    bool newerSystem = true;         // Linux: always set
    bool is64Bit = false;            // Linux: never set, so nothing is greyed out for it

    // settingsFile empty: the user's own store. Otherwise an INI file used instead.
    // Nothing is read until load() or startUp() runs.
    explicit Config(std::string settingsFile = {});

    // Reads every stored value, with the defaults for whatever is missing, and derives the folder
    // values. A stored value that does not parse or lies outside its key's range is replaced by
    // the default and reported: the result holds one sentence per such value, naming the key, the
    // value found and the default used (the store is not changed for it). Writes nothing and
    // creates nothing.
    std::vector<std::string> load();

    // The program's start-up: load() (its reports shown through ui as warnings), with
    // StartUpWrites::Version write VERSION/VERSIONEX, create the project folder when it is
    // missing, run the installation check (its message through ui) and read Builder.ini. Returns
    // false only when the store cannot be written (a message was shown).
    // With ProjectFolders::Leave nothing is created, and a project folder that is not there is not
    // probed (the command that needs it reports it).
    bool startUp(Ui& ui, StartUpWrites writes, ProjectFolders folders = ProjectFolders::Create);

    // Writes the Settings and Standby values back (all but Dump), each where it is stored; values
    // the store already holds are not touched. On failure returns false and puts the reason in
    // *error.
    bool save(std::string* error = nullptr) const;

    // --- Single values by their full key, e.g. "FeldSpan/Settings/Baudrate" or "PATH/LANGUAGE".
    // Keys compare without case, as the registry's do.

    // Every key this object knows, in listing order, with its current value as text.
    std::vector<std::pair<std::string, std::string>> entries() const;
    // The canonical spelling of a key, or nothing when the key is unknown.
    static std::optional<std::string> canonicalKey(const std::string& key);
    std::optional<std::string> value(const std::string& key) const;
    // Sets one value in memory (and the derived values it feeds). False with a reason when the
    // key is unknown or the value does not fit it.
    bool setValue(const std::string& key, const std::string& value, std::string* error = nullptr);
    // Writes one key's current value to the store (Dump included: that is the user's own edit),
    // changing only that key's line, or adding it to its group. Writes nothing when the store
    // already holds that value. A store that is not a settings file is never rewritten: false,
    // with the file and the line that does not parse in *error.
    bool storeValue(const std::string& key, std::string* error = nullptr) const;

    // The line speeds the port settings offer: 4800 to 115200 bit/s.
    static bool isSupportedBaudRate(long long rate);
    static std::string supportedBaudRates();  // "4800, 9600, ..."

    // The device path that opens the serial port: serialDevice, else "/dev/ttyS(n-1)".
    static std::string serialDevicePath(const PortSettings& port);

    const std::string& settingsFile() const { return settingsFile_; }
    // Where the store lives, for messages ("~/.config/..." or the INI file).
    std::string storeLocation() const;

    // Derived-value helpers, exposed for tests.
    // The text after the first "[FeldBuilder]=" up to the next CR LF (or the end of the data).
    static std::string handedOverProjectFrom(const std::string& data);
    // Reads at most maxBytes of a file; nothing when it cannot be opened.
    static std::optional<std::string> readFileBounded(const std::string& path, std::size_t maxBytes);
    // Appends the separator when the path does not already end in one.
    static std::string withTrailingSeparator(std::string path);
    // The defaults of MAINPATH and PROJECTPATH: on Linux the installation's data folder and the
    // user's documents, on Windows the folders the companion program installs.
    static std::string defaultMainPath();
    static std::string defaultProjectPath();
    // The installation's own data folder (language packs in lang, help pages in help, the flash
    // writer in DP): FELDSPAN_DATA_DIR when set, else ../share/feldspan beside the program on
    // Linux and the program's own folder on Windows.
    static std::string dataFolder();

private:
    // Sets the full keys to their texts in the store; false with the reason, worded for the user.
    bool writeValues(const std::vector<std::pair<std::string, std::string>>& values, std::string& error) const;

    std::string settingsFile_;
};

}  // namespace feld
