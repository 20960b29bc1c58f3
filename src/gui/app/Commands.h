#pragma once
// The main window's commands by their ids, as the menus, toolbars and the tray menu carry them.

namespace feld::gui::cmd {

enum Command : int {
    kNewProject = 32776,      // toolbar of project mode
    kAddProject = 57601,      // File, project mode; Ctrl+O
    kReceive = 32770,         // File; both toolbars
    kExit = 57665,            // File
    kProjectMode = 32771,     // Window
    kAdvancedMode = 32772,    // Window
    kPortUsb = 32815,         // Settings, port choice
    kPortSerial = 32816,      // Settings, port choice
    kPortSettings = 32786,    // Settings
    kAddCr = 32818,           // Settings, data receive
    kAddLf = 32819,           // Settings, data receive
    kDeleteAfter = 32826,     // Settings, data receive
    kResident = 32784,        // Settings, resident mode on/off
    kResidentSettings = 32785,
    kFormatC = 32792,         // Tools
    kFormatD = 32793,
    kFirmware = 32774,
    kFirmwareButton = 32781,  // toolbars: the same as kFirmware
    kCradleUpdate = 32797,
    kDefragment = 32791,
    kLanguageDownload = 32780,
    kDumpC = 32802,           // Tools, only with Dump set
    kDumpD = 32810,
    kAbout = 32773,           // Help
    kAboutCradle = 32796,
    kHelp = 32775,
    kTrayShow = 32794,        // tray menu
    kTrayExit = 32795,
    // Settings > Language: kLanguage + the language code (0 the system's language, 1 to 5 a pack).
    kLanguage = 33000,
};

}  // namespace feld::gui::cmd
