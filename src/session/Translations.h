#pragma once
// The language's texts from a compiled Qt translation (.qm, made by lrelease from res/lang/*.ts).
// The translations are id-based: a numbered text is stored under its id ("61243"), a keyed text
// under its key ("menu.file"), so the catalog asks by id or key and never by source text.

#include <QTranslator>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Texts.h"

namespace feld {

class QtTextSource : public TextSource {
public:
    // nullptr when the file is missing, unreadable, empty, not a translation, or damaged in a way
    // that would make a lookup read outside it.
    static std::shared_ptr<QtTextSource> load(const std::string& qmPath);

    std::optional<std::string> byId(int id) const override;
    std::optional<std::string> byKey(const std::string& key) const override;

private:
    QtTextSource() = default;
    std::vector<unsigned char> bytes_;  // the file, read once; the translator works on it in place
    QTranslator translator_;
};

// Sets the catalog's source to the texts of a language code from the language folder. Code 2
// without its file, an unknown code, a missing, unreadable or damaged file: the catalog keeps
// (or returns to) the program's own texts, silently. Returns true when a file was loaded.
bool applyLanguage(TextCatalog& catalog, int code, const std::string& langFolder);

// Qt's own translation of its standard texts (the OK, Cancel, Yes and No of a message box) for a
// code, from the program folder's translations folder or else the system's Qt translations
// folder; empty when Qt has none for that language.
std::string qtBaseTranslationFile(int code);

}  // namespace feld
