#pragma once
// Every text the program shows, by id. The program's own texts are Traditional Chinese; a language
// pack (SpanUSA, SpanSC, SpanPL, SpanRU) replaces the ones it carries, and whatever a pack lacks
// comes from the program's own table.

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <variant>

#include "base/TextIds.h"

namespace feld {

// One argument of a formatted text. Formatting is type-checked: a "%d" given a string (for
// instance from a careless translation) prints the string instead of reading garbage.
struct TextArg {
    std::variant<long long, unsigned long long, double, std::string> value;
    TextArg(int v) : value(static_cast<long long>(v)) {}
    TextArg(long v) : value(static_cast<long long>(v)) {}
    TextArg(long long v) : value(v) {}
    TextArg(unsigned v) : value(static_cast<unsigned long long>(v)) {}
    TextArg(unsigned long v) : value(static_cast<unsigned long long>(v)) {}
    TextArg(unsigned long long v) : value(v) {}
    TextArg(double v) : value(v) {}
    TextArg(const char* v) : value(std::string(v ? v : "")) {}
    TextArg(std::string v) : value(std::move(v)) {}
};

// printf-style formatting of %s %d %i %u %x %X %c %f %% with flags, width and precision
// (and the l/ll/h length letters, which are accepted and ignored). Unknown directives are copied as
// they stand; missing arguments format as nothing.
std::string formatText(const std::string& format, std::initializer_list<TextArg> args);

// The program's own text of a numeric id, or nullptr when the program has none.
const char* builtinText(int id);

class TextCatalog {
public:
    // The catalog the whole program reads. Load the pack at start-up, before other threads run.
    static TextCatalog& instance();

    // Reads a pack file ("id=text" or "key=text" lines, see res/data/lang). Returns false and
    // leaves the catalog as it was when the file is missing or unreadable.
    bool loadPack(const std::string& path, std::string* error = nullptr);
    void clearPack();
    const std::string& packPath() const { return packPath_; }

    // The text of an id: the pack's, else the program's own, else empty.
    std::string text(int id) const;
    // Texts named by key (menus and dialogs): the pack's, else the given fallback.
    std::string text(const std::string& key, const std::string& fallback) const;
    std::string format(int id, std::initializer_list<TextArg> args) const;

    // For tests: how many texts the loaded pack carries.
    std::size_t packSize() const { return byId_.size() + byKey_.size(); }
    bool packHas(int id) const { return byId_.count(id) != 0; }

private:
    std::map<int, std::string> byId_;
    std::map<std::string, std::string> byKey_;
    std::string packPath_;
};

// Shorthands over TextCatalog::instance(). tk: a text named by a key (menus, dialog labels, the
// program's own messages), the language's when it has one, else `fallback`.
inline std::string tk(const char* key, const char* fallback) { return TextCatalog::instance().text(key, fallback); }
inline std::string tr(int id) { return TextCatalog::instance().text(id); }
inline std::string trf(int id, std::initializer_list<TextArg> args) { return TextCatalog::instance().format(id, args); }

}  // namespace feld
