#include "session/Translations.h"

#include <QFileInfo>
#include <QLibraryInfo>

#include "base/Language.h"

namespace feld {

std::shared_ptr<QtTextSource> QtTextSource::load(const std::string& qmPath)
{
    const QString path = QString::fromStdString(qmPath);
    // QTranslator::load would also try the name with ".qm" added and other spellings; the file
    // named is the only one meant.
    if (!QFileInfo(path).isFile())
        return nullptr;
    std::shared_ptr<QtTextSource> source(new QtTextSource);
    if (!source->translator_.load(path) || source->translator_.isEmpty())
        return nullptr;
    return source;
}

std::optional<std::string> QtTextSource::byId(int id) const
{
    return byKey(std::to_string(id));
}

std::optional<std::string> QtTextSource::byKey(const std::string& key) const
{
    // An id-based translation files each text under an empty context with its id as the source.
    const QString t = translator_.translate(nullptr, key.c_str());
    if (t.isNull())
        return std::nullopt;
    return t.toStdString();
}

bool applyLanguage(TextCatalog& catalog, int code, const std::string& langFolder)
{
    const std::string file = languagePackFile(code);
    std::shared_ptr<QtTextSource> source;
    if (!file.empty() && !langFolder.empty())
        source = QtTextSource::load(langFolder + (langFolder.back() == '/' ? "" : "/") + file);
    catalog.setSource(source);
    return source != nullptr;
}

std::string qtBaseTranslationFile(int code)
{
    const char* name = languageName(code);
    if (!name)
        return {};
    const QString path = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_") +
                         QString::fromLatin1(name) + QStringLiteral(".qm");
    return QFileInfo(path).isFile() ? path.toStdString() : std::string();
}

}  // namespace feld
