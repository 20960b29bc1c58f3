#include <gtest/gtest.h>

#include <map>
#include <random>

#include "base/Texts.h"

namespace feld {
namespace {

// A language's texts as a test sets them.
class MapSource : public TextSource {
public:
    std::map<int, std::string> ids;
    std::map<std::string, std::string> keys;
    std::optional<std::string> byId(int id) const override
    {
        auto it = ids.find(id);
        return it == ids.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    std::optional<std::string> byKey(const std::string& key) const override
    {
        auto it = keys.find(key);
        return it == keys.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
};

TEST(TextCatalog, AsksTheSourceFirstAndFallsBackForWhatItLacks)
{
    TextCatalog catalog;
    auto source = std::make_shared<MapSource>();
    source->ids[61276] = "Brak połączenia";
    source->keys["menu.file"] = "&Plik";
    catalog.setSource(source);
    EXPECT_EQ(catalog.text(61276), "Brak połączenia");
    EXPECT_EQ(catalog.text(61243), builtinText(61243));
    EXPECT_EQ(catalog.text(99999), "");
    EXPECT_EQ(catalog.text("menu.file", "檔案"), "&Plik");
    EXPECT_EQ(catalog.text("menu.tools", "工具"), "工具");
    EXPECT_EQ(catalog.format(61235, {"C:\\Data\\A.TXT"}), std::string("複製C:\\Data\\A.TXT完成"));

    catalog.setSource(nullptr);
    EXPECT_EQ(catalog.text(61276), builtinText(61276));
    EXPECT_EQ(catalog.text("menu.file", "檔案"), "檔案");
}

TEST(TextCatalog, GarbageFromATranslationNeverBreaksFormatting)
{
    TextCatalog catalog;
    auto source = std::make_shared<MapSource>();
    catalog.setSource(source);
    std::mt19937 rng(7);
    for (int round = 0; round < 50; ++round) {
        for (int id : {61235, 61267, 61288}) {
            std::string junk(static_cast<std::size_t>(rng() % 512), '\0');
            for (auto& c : junk)
                c = static_cast<char>(rng() % 4 == 0 ? '%' : rng());
            source->ids[id] = junk;
            (void)catalog.format(id, {"a", 1, 2});
        }
    }
    source->ids[61235] = "%d%d%d%s%s%n%p";
    source->ids[61267] = "%s";
    EXPECT_EQ(catalog.format(61267, {2025, 1, 2, 3, 4, 5}), "2025");
    EXPECT_EQ(catalog.format(61235, {"C:\\A"}), "C:\\A%n%p");
}

}  // namespace
}  // namespace feld
