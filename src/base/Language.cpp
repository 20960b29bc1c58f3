#include "base/Language.h"

#include <cstdlib>

#include "base/AsciiCase.h"

namespace feld {

int localeIdFromPosix(const std::string& posixLocale)
{
    // language[_territory][.codeset][@modifier]
    std::string name = posixLocale.substr(0, posixLocale.find_first_of(".@"));
    auto underscore = name.find_first_of("_-");
    std::string language = asciiLower(name.substr(0, underscore));
    std::string territory = underscore == std::string::npos ? std::string() : asciiLower(name.substr(underscore + 1));

    if (language == "zh") {
        if (territory == "tw")
            return 0x0404;
        if (territory == "cn")
            return 0x0804;
        if (territory == "hk")
            return 0x0C04;
        if (territory == "sg")
            return 0x1004;
        if (territory == "mo")
            return 0x1404;
        return 0x0004;
    }
    if (language == "pl")
        return 0x0415;
    if (language == "ru")
        return 0x0419;
    return 0x0409;
}

std::string posixMessageLocale()
{
    for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* v = std::getenv(var); v && *v)
            return v;
    return "C";
}

int languageCodeFromLocale(int localeId)
{
    switch (localeId & 0xFF) {
    case 0x04:
        if (localeId == 0x0804)
            return 1;
        if (localeId == 0x0404)
            return 2;
        return 3;
    case 0x15:
        return 4;
    case 0x19:
        return 5;
    default:
        return 3;
    }
}

int effectiveLanguageCode(int configuredCode, const std::string& posixLocale)
{
    if (configuredCode != 0)
        return configuredCode;
    return languageCodeFromLocale(localeIdFromPosix(posixLocale));
}

const char* languageName(int code)
{
    switch (code) {
    case 1: return "zh_CN";
    case 2: return "zh_TW";
    case 3: return "en";
    case 4: return "pl";
    case 5: return "ru";
    default: return nullptr;
    }
}

std::string languagePackFile(int code)
{
    const char* name = languageName(code);
    return name ? "feldspan_" + std::string(name) + ".qm" : std::string();
}

}  // namespace feld
