// The settings-file editor on any text: never crashes, refuses what is no settings file, and on a
// file it takes, setting the same value again changes nothing and the result is still taken.
#include <cstddef>
#include <cstdint>
#include <string>

#include "session/ConfigIni.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the key, the rest is the file.
    static const char* const kKeys[] = {"FeldSpan/Settings/Baudrate", "FeldSpan/Standby/FileName3", "PATH/LANGUAGE",
                                        "FeldSpan/PATH/MAINPATH"};
    const std::string key = kKeys[data[0] % 4];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::vector<feld::ini::Assignment> set{{key, "C:\\Data;x \"y\"=z"}};
    feld::ini::EditResult once = feld::ini::setValues(text, set);
    if (!once.parsed)
        return 0;
    feld::ini::EditResult twice = feld::ini::setValues(once.text, set);
    if (!twice.parsed || twice.text != once.text)
        __builtin_trap();
    return 0;
}
