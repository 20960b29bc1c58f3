#pragma once
// Which language the program speaks: a language code from the configuration, else one derived
// from the locale, and the file of texts that code names. Plain functions, so the rule can be
// tested with any locale; loading the file is session/Translations.h's job.

#include <string>

namespace feld {

// Windows-style locale identifier for a POSIX locale name such as "zh_TW.UTF-8":
// zh_TW 0x0404, zh_CN 0x0804, zh_HK 0x0C04, zh_SG 0x1004, zh_MO 0x1404, other zh 0x0004,
// pl_* 0x0415, ru_* 0x0419, anything else (C, POSIX, en_US, de_DE, ...) 0x0409.
int localeIdFromPosix(const std::string& posixLocale);

// The POSIX locale that decides message language: LC_ALL, else LC_MESSAGES, else LANG.
std::string posixMessageLocale();

// The language code of a locale identifier: Chinese 0x0804 -> 1 (Simplified Chinese),
// Chinese 0x0404 -> 2 (the program's own texts), other Chinese -> 3 (English),
// Polish -> 4, Russian -> 5, anything else -> 3 (English).
int languageCodeFromLocale(int localeId);

// The configured code when it is non-zero, else the code of the given POSIX locale.
int effectiveLanguageCode(int configuredCode, const std::string& posixLocale);

// The language a code names, as translation files name it: "zh_CN", "zh_TW", "en", "pl", "ru" for
// 1 to 5, nullptr for every other code (those keep the program's own texts).
const char* languageName(int code);

// The file of a code's texts in the language folder, e.g. "feldspan_en.qm"; empty when none.
// Code 2 has one too: the program's own texts are Traditional Chinese, but some of its messages
// were written in English, and that file says them in Traditional Chinese.
std::string languagePackFile(int code);

}  // namespace feld
