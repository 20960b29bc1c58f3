#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

#include "base/Language.h"

namespace feld {
namespace {

TEST(Language, PosixLocalesMapToLocaleIdentifiers)
{
    EXPECT_EQ(localeIdFromPosix("zh_TW.UTF-8"), 0x0404);
    EXPECT_EQ(localeIdFromPosix("zh_CN.GB18030"), 0x0804);
    EXPECT_EQ(localeIdFromPosix("zh_HK"), 0x0C04);
    EXPECT_EQ(localeIdFromPosix("ZH_tw"), 0x0404);
    EXPECT_EQ(localeIdFromPosix("pl_PL.UTF-8"), 0x0415);
    EXPECT_EQ(localeIdFromPosix("ru_UA@euro"), 0x0419);
    EXPECT_EQ(localeIdFromPosix("de_DE.UTF-8"), 0x0409);
    EXPECT_EQ(localeIdFromPosix("C"), 0x0409);
    EXPECT_EQ(localeIdFromPosix(""), 0x0409);
    // "zh" alone is Chinese, but neither Taiwan nor the mainland.
    EXPECT_EQ(localeIdFromPosix("zh") & 0xFF, 0x04);
    EXPECT_NE(localeIdFromPosix("zh"), 0x0404);
    EXPECT_NE(localeIdFromPosix("zh"), 0x0804);
}

TEST(Language, LocaleIdentifierGivesTheCode)
{
    EXPECT_EQ(languageCodeFromLocale(0x0804), 1);
    EXPECT_EQ(languageCodeFromLocale(0x0404), 2);
    EXPECT_EQ(languageCodeFromLocale(0x0C04), 3);  // Hong Kong reads English
    EXPECT_EQ(languageCodeFromLocale(0x1004), 3);
    EXPECT_EQ(languageCodeFromLocale(0x0415), 4);
    EXPECT_EQ(languageCodeFromLocale(0x0419), 5);
    EXPECT_EQ(languageCodeFromLocale(0x0409), 3);
    EXPECT_EQ(languageCodeFromLocale(0x0407), 3);
}

TEST(Language, ConfiguredCodeWinsOverTheLocale)
{
    EXPECT_EQ(effectiveLanguageCode(0, "zh_HK.UTF-8"), 3);
    EXPECT_EQ(effectiveLanguageCode(0, "zh_TW.UTF-8"), 2);
    EXPECT_EQ(effectiveLanguageCode(0, "ru_RU.UTF-8"), 5);
    EXPECT_EQ(effectiveLanguageCode(2, "ru_RU.UTF-8"), 2);
    EXPECT_EQ(effectiveLanguageCode(4, "zh_TW.UTF-8"), 4);
}

// The environment, set and cleared the same way on every system (an empty value reads as unset).
void setVar(const char* name, const char* value)
{
#ifdef _WIN32
    _putenv_s(name, value);
#else
    setenv(name, value, 1);
#endif
}

void unsetVar(const char* name)
{
#ifdef _WIN32
    _putenv_s(name, "");
#else
    unsetenv(name);
#endif
}

TEST(Language, MessageLocaleFollowsThePosixOrder)
{
    // Keep the process environment as found.
    struct Saved {
        const char* name;
        std::string value;
        bool set;
    } saved[] = {{"LC_ALL", "", false}, {"LC_MESSAGES", "", false}, {"LANG", "", false}};
    for (auto& s : saved)
        if (const char* v = std::getenv(s.name)) {
            s.value = v;
            s.set = true;
        }

    setVar("LC_ALL", "");
    setVar("LC_MESSAGES", "pl_PL");
    setVar("LANG", "ru_RU");
    EXPECT_EQ(posixMessageLocale(), "pl_PL");
    setVar("LC_ALL", "zh_TW.UTF-8");
    EXPECT_EQ(posixMessageLocale(), "zh_TW.UTF-8");
    unsetVar("LC_ALL");
    unsetVar("LC_MESSAGES");
    EXPECT_EQ(posixMessageLocale(), "ru_RU");
    unsetVar("LANG");
    EXPECT_EQ(posixMessageLocale(), "C");

    for (auto& s : saved) {
        if (s.set)
            setVar(s.name, s.value.c_str());
        else
            unsetVar(s.name);
    }
}

TEST(Language, CodesNameTheirTranslationFiles)
{
    // A Hong Kong locale reads English; code 2 has the file that says the program's English
    // messages in Traditional Chinese; an unknown code has none.
    EXPECT_EQ(languagePackFile(effectiveLanguageCode(0, "zh_HK.UTF-8")), "feldspan_en.qm");
    EXPECT_EQ(languagePackFile(effectiveLanguageCode(0, "zh_CN.UTF-8")), "feldspan_zh_CN.qm");
    EXPECT_EQ(languagePackFile(effectiveLanguageCode(2, "ru_RU.UTF-8")), "feldspan_zh_TW.qm");
    EXPECT_EQ(languagePackFile(4), "feldspan_pl.qm");
    EXPECT_EQ(languagePackFile(5), "feldspan_ru.qm");
    EXPECT_EQ(languagePackFile(7), "");
    EXPECT_EQ(languagePackFile(0), "");
}

}  // namespace
}  // namespace feld
