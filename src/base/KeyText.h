#pragma once
// Looking a key up in the plain text files the project builder writes (its "Builder.ini" and the
// project files): the value after the first occurrence of the key, "=" included, anywhere in the
// text, up to the end of its line. The builder writes its keys exactly so, and what its files say
// is read the way it always was.
//
// A file written by hand may spell a key the way Windows' own INI readers take it: in another
// letter case, or with blanks around the "=". When the exact key is nowhere in the text, the first
// line whose name is the key's in any letter case (blanks before and after it ignored) gives the
// value, its blanks trimmed. Such a line cannot stand in a file the builder wrote, so reading it
// changes nothing for those.

#include <string>
#include <string_view>

namespace feld {

enum class KeyLineEnd {
    CrLf,      // only CR LF ends a value (a bare LF belongs to it)
    CrLfOrLf,  // LF ends a value too, a CR before it dropped (a file saved on Linux)
};

// `key` is the key with its "=" ("Program="). Empty when the key is not there.
std::string keyValue(std::string_view text, std::string_view key, KeyLineEnd end);

// Whether `line` is a "name = value" line (blanks allowed around the name); the name and the
// trimmed value, for a reader that looks at every key of a file.
bool keyLine(std::string_view line, std::string_view& name, std::string_view& value);

}  // namespace feld
