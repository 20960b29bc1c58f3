#pragma once
// The table of every stored key: its full name below the vendor key, how its text is parsed and
// printed, its default and its range, and the member of Config it feeds. A key is defined here and
// nowhere else; the store code (Config.cpp) reads, writes and starts up by walking this table.

#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/PortSettings.h"

namespace feld {

class Config;

enum class KeyKind {
    Int,     // a whole number in [lo, hi]
    Time32,  // calendar seconds, stored as a signed 32-bit number
    Text,
    UsbIds,  // "0403:6001,1234:abcd"
    Folder,  // a folder path, kept with one trailing separator; its default comes from defaultFolder
};

struct ConfigKey {
    std::string key;  // full key, e.g. "FeldSpan/Settings/Baudrate"
    KeyKind kind;
    bool saved;            // written back by Config::save()
    bool writtenAtStart;   // no member: the program writes the default at every start
    long long def = 0;     // default of a number
    long long lo = INT_MIN, hi = INT_MAX;
    std::vector<long long> allowed;  // not empty: a number must be one of these
    std::vector<long long> settable;  // not empty: the only numbers a user may set (a stored other one still loads)
    std::string defText;   // default of a text
    std::string (*defaultFolder)() = nullptr;
    // The member the key feeds (none for keys written at start).
    int* i = nullptr;
    std::int64_t* t = nullptr;
    std::string* str = nullptr;
    std::vector<UsbId>* ids = nullptr;
    // A text the user sets is refused when this answers a reason (a check of the text's meaning).
    std::string (*check)(const std::string& text) = nullptr;
};

// Every key, in listing order, bound to the members of one object.
std::vector<ConfigKey> configKeysOf(Config& c);

// The bound member's value as text (as listed and as stored).
std::string keyText(const ConfigKey& k);
// What a key takes, for messages: "one of 4800, 9600, ...", "0 or 1", "a whole number from 1 to 256".
std::string takesText(const ConfigKey& k);
// Sets the bound member from a stored text: the default when the text is absent, or when it does
// not parse or lies outside the key's range (then false: the caller reports it). Folders are left
// to the caller, whose defaults depend on the installation.
bool loadKey(const ConfigKey& k, const std::optional<std::string>& stored);
// The value of a key written at start, from its stored text or its default.
std::string startValue(const ConfigKey& k, const std::optional<std::string>& stored);
// Whether a key of the table holds a number (the registry keeps it as a DWORD, as the profile
// functions wrote it), whatever the case of its spelling.
bool keyHoldsNumber(const std::string& key);
// Sets the bound member from text the user gave. False with the reason when the text does not fit
// (the member is then unchanged).
bool parseKey(const ConfigKey& k, const std::string& text, std::string& error);

}  // namespace feld
