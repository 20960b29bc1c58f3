#pragma once
// Changing values in the text of an INI settings file without disturbing anything else in it.
//
// QSettings writes a whole file from what it parsed, which throws away comments, blank lines and
// the order of the lines, and a hand-edited file deserves better. These functions find the lines
// QSettings would read a key from, replace only the value on them, and add a key that is missing
// to its group, so every other byte of the file stays as it was. Keys and values are spelt the way
// QSettings spells them (a key "FeldSpan/Settings/Baudrate" is the line "Settings\Baudrate=..." in
// the section "[FeldSpan]"), so QSettings reads the result as it would read its own file.
//
// The lines are split the way QSettings splits them: ";" starts a comment (at the start of a line,
// or after a value outside quotes), a backslash escapes the next character (a line end too), a
// quoted value may run over several lines. A line starting with "#" is taken as a comment as well;
// any other line needs a "=" or has to be a section header closed by "]", else the text is not a
// settings file and is left alone.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace feld::ini {

// Full key (groups separated by "/") and the value's text.
using Assignment = std::pair<std::string, std::string>;

struct EditResult {
    bool parsed = false;  // false: the text is not a settings file; nothing was changed
    std::string reason;   // why not, with the line number
    std::string text;     // the text with every assignment made
};

// Sets each key to its value, in order. A key found (compared without case, in whichever section
// and spelling QSettings reads it from) keeps its line and everything around the value on it; when
// the key is on several lines, each of them is changed, so no stale copy can shadow the new value.
// A key not found goes after the last entry of its group's last section, or into a new section at
// the end. Added lines use the file's own line ends.
EditResult setValues(std::string_view text, const std::vector<Assignment>& values);

// A key as QSettings looks it up: no empty groups ("a//b" is "a/b"), no "/" at either end.
std::string normalizedKey(const std::string& key);

// The key and value spellings QSettings writes. The key is the part below the section.
std::string escapedKey(const std::string& key);
std::string escapedValue(const std::string& value);

}  // namespace feld::ini
