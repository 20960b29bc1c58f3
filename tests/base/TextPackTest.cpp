#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

#include "base/Texts.h"

namespace feld {
namespace {

std::string dataDir()
{
    const char* d = std::getenv("FELDSPAN_SOURCE_DIR");
    return d ? std::string(d) + "/res/data" : std::string("res/data");
}

// The printf directives of a text, in order ("%s", "%02d", ...), so a translation can be checked
// for taking the same arguments as the program's own text.
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

TEST(EnglishPack, CarriesEveryTextWithTheSameArguments)
{
    TextCatalog catalog;
    std::string error;
    ASSERT_TRUE(catalog.loadPack(dataDir() + "/lang/SpanUSA.lang", &error)) << error;
    for (int id = 0; id < 70000; ++id) {
        const char* own = builtinText(id);
        if (!own)
            continue;
        EXPECT_TRUE(catalog.packHas(id)) << "SpanUSA.lang lacks " << id;
        if (!catalog.packHas(id))
            continue;
        std::string english = catalog.text(id);
        EXPECT_FALSE(english.empty()) << id;
        EXPECT_EQ(directives(english), directives(own)) << "text " << id << ": " << english;
    }
}

class PackFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = (std::filesystem::temp_directory_path() / ("feldspan-pack-" + std::to_string(::getpid()) + ".lang")).string();
    }
    void TearDown() override { std::filesystem::remove(path_); }
    void write(const std::string& content) { std::ofstream(path_, std::ios::binary) << content; }

    std::string path_;
    TextCatalog catalog_;
};

TEST_F(PackFile, ReadsIdsKeysEscapesAndSkipsTheRest)
{
    write("\xEF\xBB\xBF# comment\r\n"
          "61243=Connection failed...\r\n"
          " 61244 \t= Formatted\n"
          "menu.file=&File\n"
          "61247=Line one\\r\\nLine two\\tTab\\\\ \\q\n"
          "=no key\n"
          "no equals sign\n"
          "\n"
          "61276=first\n"
          "61276=second\n");
    ASSERT_TRUE(catalog_.loadPack(path_));
    EXPECT_EQ(catalog_.text(61243), "Connection failed...");
    EXPECT_EQ(catalog_.text(61244), " Formatted");
    EXPECT_EQ(catalog_.text("menu.file", "x"), "&File");
    EXPECT_EQ(catalog_.text("menu.edit", "&Edit"), "&Edit");
    EXPECT_EQ(catalog_.text(61247), "Line one\r\nLine two\tTab\\ \\q");
    EXPECT_EQ(catalog_.text(61276), "second");
    EXPECT_EQ(catalog_.packSize(), 5u);
}

TEST_F(PackFile, UnreadablePackLeavesTheCatalogAsItWas)
{
    write("61243=kept\n");
    ASSERT_TRUE(catalog_.loadPack(path_));
    std::string error;
    EXPECT_FALSE(catalog_.loadPack(path_ + ".missing", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(catalog_.loadPack(std::filesystem::temp_directory_path().string(), &error));
    EXPECT_EQ(catalog_.text(61243), "kept");
}

TEST_F(PackFile, GarbageNeverBreaksTheCatalog)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 50; ++round) {
        std::string junk(static_cast<std::size_t>(rng() % 4096), '\0');
        for (auto& c : junk)
            c = static_cast<char>(rng() % 8 == 0 ? '=' : rng() % 8 == 1 ? '\n' : rng());
        write(junk);
        catalog_.loadPack(path_);
        // Whatever a bad translation puts in a text, formatting it stays safe.
        for (int id : {61235, 61267, 61288})
            (void)catalog_.format(id, {"a", 1, 2});
        for (int id = 0; id < 100; ++id)
            (void)catalog_.format(id, {"%s%n%d", 3});
    }
    write("61235=%d%d%d%s%s%n%p\n61267=%s\n");
    ASSERT_TRUE(catalog_.loadPack(path_));
    EXPECT_EQ(catalog_.format(61267, {2025, 1, 2, 3, 4, 5}), "2025");
    EXPECT_EQ(catalog_.format(61235, {"C:\\A"}), "C:\\A%n%p");
}

}  // namespace
}  // namespace feld
