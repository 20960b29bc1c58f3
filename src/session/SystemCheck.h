#pragma once
// The checks behind `feldspan-cli doctor`: can this user reach the terminal and the cradle, and
// will the line run at its speed? Each check reads the system through a SystemView and returns a
// verdict, what it found and, for a problem, the fix in one line. A check that has nothing to look
// at (no serial port, no USB bus) says so instead of passing or failing.

#include <string>
#include <vector>

#include "base/PortSettings.h"

namespace feld {

class SystemView;
struct WindowsFacts;

enum class Verdict {
    Ok,         // nothing to do
    Fix,        // something stands in the way; `fix` says what to do
    Unchecked,  // there was nothing to check, or it could not be read
    Note,       // worth knowing, not in the way
};

struct CheckResult {
    std::string id;     // "serial-group", "udev-rules", ... (stable, for scripts)
    std::string title;  // a few words, in the user's language
    Verdict verdict = Verdict::Ok;
    std::string text;   // what was found
    std::string fix;    // one line; empty unless the verdict is Fix or Note
};

struct CheckInput {
    PortSettings port;            // the stored port with the command line's overrides
    bool chineseTexts = false;    // the program speaks Chinese (its own texts or Simplified)
};

// "ok", "fix", "unchecked", "note".
const char* verdictName(Verdict v);

// Every check, in the order a user would fix things.
std::vector<CheckResult> RunSystemChecks(const SystemView& system, const CheckInput& input);

// The checks on Windows (through RunSystemChecks there): the COM ports, a port held by another
// program, the cradle's USB driver.
std::vector<CheckResult> RunWindowsChecks(const WindowsFacts& facts);

// True when no check asks for a fix.
bool AllWell(const std::vector<CheckResult>& results);

}  // namespace feld
