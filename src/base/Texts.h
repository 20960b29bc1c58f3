#pragma once
// Every text the program shows, by id or by key. The program's own texts are Traditional Chinese
// (and, for some of its messages, English); a language's texts come from a TextSource that the
// program sets at start (a compiled translation, see session/Translations.h), and whatever the
// source lacks comes from the program's own table or the fallback the code gives.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <optional>
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

// Where a language's texts come from. A source answers what it carries and nothing else; the
// catalog falls back for the rest. Lookups may come from any thread at once.
class TextSource {
public:
    virtual ~TextSource() = default;
    virtual std::optional<std::string> byId(int id) const = 0;
    virtual std::optional<std::string> byKey(const std::string& key) const = 0;
};

class TextCatalog {
public:
    // The catalog the whole program reads.
    static TextCatalog& instance();

    // The language's texts; nullptr returns to the program's own. A lookup running meanwhile
    // finishes with the source it started with.
    void setSource(std::shared_ptr<const TextSource> source);
    std::shared_ptr<const TextSource> source() const;

    // The text of an id: the source's, else the program's own, else empty.
    std::string text(int id) const;
    // Texts named by key (menus, dialogs, the program's own messages): the source's, else the
    // given fallback.
    std::string text(const std::string& key, const std::string& fallback) const;
    std::string format(int id, std::initializer_list<TextArg> args) const;

private:
    mutable std::mutex mutex_;
    std::shared_ptr<const TextSource> source_;
};

// Shorthands over TextCatalog::instance(). tk: a text named by a key (menus, dialog labels, the
// program's own messages), the language's when it has one, else `fallback`.
inline std::string tk(const char* key, const char* fallback) { return TextCatalog::instance().text(key, fallback); }
inline std::string tr(int id) { return TextCatalog::instance().text(id); }
inline std::string trf(int id, std::initializer_list<TextArg> args) { return TextCatalog::instance().format(id, args); }

}  // namespace feld
