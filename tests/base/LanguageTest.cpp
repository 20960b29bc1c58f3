#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "base/Language.h"
#include "base/Texts.h"

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

    setenv("LC_ALL", "", 1);
    setenv("LC_MESSAGES", "pl_PL", 1);
    setenv("LANG", "ru_RU", 1);
    EXPECT_EQ(posixMessageLocale(), "pl_PL");
    setenv("LC_ALL", "zh_TW.UTF-8", 1);
    EXPECT_EQ(posixMessageLocale(), "zh_TW.UTF-8");
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    EXPECT_EQ(posixMessageLocale(), "ru_RU");
    unsetenv("LANG");
    EXPECT_EQ(posixMessageLocale(), "C");

    for (auto& s : saved) {
        if (s.set)
            setenv(s.name, s.value.c_str(), 1);
        else
            unsetenv(s.name);
    }
}

class LanguagePacks : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() /
               ("feldspan-lang-" + std::to_string(::getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override
    {
        catalog_.clearPack();
        std::filesystem::remove_all(dir_);
    }
    void write(const std::string& name, const std::string& content)
    {
        std::ofstream(dir_ / name, std::ios::binary) << content;
    }

    std::filesystem::path dir_;
    TextCatalog catalog_;
};

TEST_F(LanguagePacks, HongKongLocaleLoadsTheEnglishPack)
{
    write("SpanUSA.lang", "61243=Connection failed...\n");
    EXPECT_TRUE(applyLanguage(catalog_, effectiveLanguageCode(0, "zh_HK.UTF-8"), dir_.string()));
    EXPECT_EQ(catalog_.text(61243), "Connection failed...");
}

TEST_F(LanguagePacks, CodeTwoKeepsTheOwnTextsEvenOnARussianLocale)
{
    write("SpanRU.lang", "61243=RU\n");
    write("SpanUSA.lang", "61243=EN\n");
    catalog_.loadPack((dir_ / "SpanUSA.lang").string());  // a pack left from before goes away
    EXPECT_FALSE(applyLanguage(catalog_, effectiveLanguageCode(2, "ru_RU.UTF-8"), dir_.string()));
    EXPECT_EQ(catalog_.text(61243), builtinText(61243));
    EXPECT_EQ(catalog_.packSize(), 0u);
}

TEST_F(LanguagePacks, MissingPackFallsBackSilently)
{
    EXPECT_FALSE(applyLanguage(catalog_, 4, dir_.string()));
    EXPECT_EQ(catalog_.text(61276), builtinText(61276));
    EXPECT_FALSE(applyLanguage(catalog_, 3, (dir_ / "no-such-folder").string()));
    EXPECT_EQ(catalog_.text(61276), builtinText(61276));
}

TEST_F(LanguagePacks, TextMissingFromAPackComesFromTheOwnTable)
{
    write("SpanPL.lang", "61276=Brak polaczenia\n");
    ASSERT_TRUE(applyLanguage(catalog_, 4, dir_.string()));
    EXPECT_EQ(catalog_.text(61276), "Brak polaczenia");
    EXPECT_EQ(catalog_.text(61243), builtinText(61243));
    EXPECT_EQ(catalog_.format(61235, {"C:\\Data\\A.TXT"}), std::string("複製C:\\Data\\A.TXT完成"));
}

}  // namespace
}  // namespace feld
