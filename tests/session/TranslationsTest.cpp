#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "base/Language.h"
#include "base/Texts.h"
#include "session/Translations.h"

namespace feld {
namespace {

namespace fs = std::filesystem;

std::string langDir()
{
    const char* d = std::getenv("FELDSPAN_DATA_DIR");
    return d ? std::string(d) + "/lang" : std::string("share/feldspan/lang");
}

// The printf directives and Qt markers of a text, in order ("%s", "%02d", "%1", ...), so a
// translation can be checked for taking the same arguments as the program's own text.
std::vector<std::string> directives(const std::string& text)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%')
            continue;
        if (i + 1 < text.size() && text[i + 1] == '%') {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < text.size() && std::string_view("-+ #0123456789.lh").find(text[j]) != std::string_view::npos)
            ++j;
        if (j < text.size())
            out.push_back(text.substr(i, j - i + 1));
        i = j;
    }
    return out;
}

// The built translations, compiled by lrelease from res/lang.
TEST(BuiltTranslations, CarryEveryNumberedTextWithTheSameArguments)
{
    for (int code : {1, 3, 4, 5}) {
        const std::string file = langDir() + "/" + languagePackFile(code);
        auto source = QtTextSource::load(file);
        ASSERT_TRUE(source) << file;
        int carried = 0;
        for (int id = 0; id < 70000; ++id) {
            const char* own = builtinText(id);
            if (!own)
                continue;
            auto text = source->byId(id);
            EXPECT_TRUE(text && !text->empty()) << file << " lacks " << id;
            if (!text)
                continue;
            ++carried;
            EXPECT_EQ(directives(*text), directives(own)) << file << ", text " << id << ": " << *text;
        }
        EXPECT_GT(carried, 80) << file;
        EXPECT_FALSE(source->byKey("no.such.key")) << file;
    }
}

class LanguageFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("feldspan-qm-" + std::to_string(::getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    void write(const std::string& name, const std::string& content)
    {
        std::ofstream(dir_ / name, std::ios::binary) << content;
    }
    std::string builtPack(int code)
    {
        std::ifstream in(langDir() + "/" + languagePackFile(code), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path dir_;
    TextCatalog catalog_;
};

TEST_F(LanguageFiles, HongKongLocaleSpeaksEnglishByIdAndByKey)
{
    ASSERT_TRUE(applyLanguage(catalog_, effectiveLanguageCode(0, "zh_HK.UTF-8"), langDir()));
    EXPECT_EQ(catalog_.text(61243), "Connection failed...");
    EXPECT_EQ(catalog_.format(61235, {"C:\\Data\\A.TXT"}), "Copying C:\\Data\\A.TXT completed");
    EXPECT_EQ(catalog_.text("menu.file", "檔案"), "&File");
}

TEST_F(LanguageFiles, CodeTwoKeepsTheOwnTextsEvenOnARussianLocale)
{
    ASSERT_TRUE(applyLanguage(catalog_, 5, langDir()));
    ASSERT_NE(catalog_.text(61243), builtinText(61243));
    // Code 2's file says only the program's English messages, in Traditional Chinese.
    EXPECT_TRUE(applyLanguage(catalog_, effectiveLanguageCode(2, "ru_RU.UTF-8"), langDir()));
    EXPECT_EQ(catalog_.text(61243), builtinText(61243));
    EXPECT_EQ(catalog_.text("menu.file", "檔案"), "檔案");
    const std::string english = "the terminal did not answer (is it switched on, in its cradle and ready to transfer?)";
    const std::string chinese = catalog_.text("link.noAnswer", english);
    EXPECT_NE(chinese, english);
    EXPECT_NE(chinese.find("終端機"), std::string::npos) << chinese;
}

// Where a block of a compiled translation starts (its bytes, after tag and length); npos if none.
std::size_t qmBlock(const std::string& qm, unsigned char tag)
{
    for (std::size_t p = 16; p + 5 <= qm.size();) {
        const std::size_t len = static_cast<std::size_t>(static_cast<unsigned char>(qm[p + 1])) << 24 |
                                static_cast<std::size_t>(static_cast<unsigned char>(qm[p + 2])) << 16 |
                                static_cast<std::size_t>(static_cast<unsigned char>(qm[p + 3])) << 8 |
                                static_cast<unsigned char>(qm[p + 4]);
        if (static_cast<unsigned char>(qm[p]) == tag)
            return p + 5;
        p += 5 + len;
    }
    return std::string::npos;
}

TEST_F(LanguageFiles, MissingEmptyOrDamagedFilesFallBackSilently)
{
    const std::string polish = builtPack(4);
    ASSERT_GT(polish.size(), 64u);
    // Damage a lookup would walk into: an offset past the messages, a translation longer than the
    // file, a context table of no slots, and a block naming another file to load.
    const std::size_t hashes = qmBlock(polish, 0x42), messages = qmBlock(polish, 0x69);
    ASSERT_NE(hashes, std::string::npos);
    ASSERT_NE(messages, std::string::npos);
    std::string farOffset = polish, longText = polish;
    farOffset.replace(hashes + 4, 4, "\x00\xff\xff\x00");
    longText.replace(messages, 5, "\x03\x7f\xff\xff\xf0");
    const std::string noSlots = polish + std::string("\x2f\x00\x00\x00\x02\x00\x00", 7);
    const std::string dependency = polish + std::string("\x96\x00\x00\x00\x08\x00\x00\x00\x04\x00p\x00l", 13);
    struct Case {
        const char* what;
        std::string content;  // "-": no file at all
    } cases[] = {
        {"missing", "-"},
        {"empty", ""},
        {"text", "61276=Brak polaczenia\n"},
        {"cut short", polish.substr(0, polish.size() / 2)},
        {"damaged header", "XXXX" + polish.substr(4)},
        {"offset past the messages", farOffset},
        {"translation longer than the file", longText},
        {"context table without slots", noSlots},
        {"dependency on another file", dependency},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(dir_ / "feldspan_pl.qm");
        if (c.content != "-")
            write("feldspan_pl.qm", c.content);
        ASSERT_TRUE(applyLanguage(catalog_, 3, langDir()));  // a language loaded before goes away
        EXPECT_FALSE(applyLanguage(catalog_, 4, dir_.string()));
        EXPECT_FALSE(catalog_.source());
        EXPECT_EQ(catalog_.text(61276), builtinText(61276));
        EXPECT_EQ(catalog_.text("menu.file", "檔案"), "檔案");
    }
    EXPECT_FALSE(applyLanguage(catalog_, 4, (dir_ / "no-such-folder").string()));
    write("feldspan_pl.qm", polish);
    EXPECT_TRUE(applyLanguage(catalog_, 4, dir_.string()));
    EXPECT_NE(catalog_.text(61276), builtinText(61276));
}

}  // namespace
}  // namespace feld
