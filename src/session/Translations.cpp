#include "session/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QLibraryInfo>

#include <cstdint>
#include <cstring>
#include <fstream>

#include "base/Language.h"
#include "base/PcFiles.h"

namespace feld {

namespace {

// A compiled translation is a 16-byte signature and a run of blocks (a tag byte, a big-endian
// 32-bit length, the bytes). Qt's reader trusts the offsets and lengths inside the blocks and reads
// wherever they point, and it loads any other file a "dependencies" block names, so a damaged or
// hostile file could crash the program or make it read other files. A file is handed to it only
// when every read a lookup can make stays inside the block it belongs to.
constexpr unsigned char kQmSignature[16] = {0x3C, 0xB8, 0x64, 0x18, 0xCA, 0xEF, 0x9C, 0x95,
                                            0xCD, 0x21, 0x1C, 0xBF, 0x60, 0xA1, 0xBD, 0xDD};
constexpr std::size_t kQmMaxSize = 16u * 1024 * 1024;  // a language file is well under 1 MB

enum QmBlock : unsigned char { kContexts = 0x2F, kHashes = 0x42, kMessages = 0x69, kDependencies = 0x96 };
enum QmTag : unsigned char { kTagEnd = 1, kTagTranslation = 3, kTagObsolete1 = 5, kTagSource = 6, kTagContext = 7, kTagComment = 8 };

std::uint32_t be32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}
std::uint16_t be16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] << 8 | p[1]); }

struct Span {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
};

// The context table: a 16-bit size, that many 16-bit offsets (in 16-bit units past the table),
// each naming a run of length-prefixed names that ends with a zero length.
bool contextsSound(Span c)
{
    if (c.size < 2)
        return false;
    const std::size_t slotCount = be16(c.data);
    const std::size_t pool = 2 + 2 * slotCount;
    if (slotCount == 0 || pool > c.size)
        return false;
    for (std::size_t i = 0; i < slotCount; ++i) {
        const std::size_t off = be16(c.data + 2 + 2 * i);
        if (off == 0)
            continue;
        std::size_t p = pool + 2 * off;
        for (;;) {
            if (p >= c.size)
                return false;
            const std::size_t len = c.data[p++];
            if (len == 0)
                break;
            if (len > c.size - p)
                return false;
            p += len;
        }
    }
    return true;
}

// One message from `start`: tagged items up to an end tag (or a tag a lookup stops at). `safe`
// marks positions already known to lead to a sound end, so shared tails are walked once.
bool messageSound(Span m, std::size_t start, std::vector<bool>& safe)
{
    std::vector<std::size_t> walked;
    std::size_t p = start;
    for (;;) {
        if (p >= m.size)
            break;  // a lookup reads no tag past the end and stops there
        if (safe[p])
            break;
        walked.push_back(p);
        const unsigned char tag = m.data[p++];
        if (tag == kTagObsolete1) {
            if (m.size - p < 4)
                return false;
            p += 4;
        } else if (tag == kTagTranslation || tag == kTagSource || tag == kTagContext || tag == kTagComment) {
            if (m.size - p < 4)
                return false;
            const std::uint32_t len = be32(m.data + p);
            p += 4;
            // A translation's length is taken as signed; a comment's first byte is read even when
            // it is empty.
            if (len > m.size - p || (tag == kTagTranslation && (len & 0x80000000u)) || (tag == kTagComment && p >= m.size))
                return false;
            p += len;
        } else {
            break;  // the end tag, or a tag a lookup gives up at
        }
    }
    for (std::size_t w : walked)
        safe[w] = true;
    return true;
}

bool qmSound(const std::vector<unsigned char>& file)
{
    if (file.size() < sizeof kQmSignature || std::memcmp(file.data(), kQmSignature, sizeof kQmSignature) != 0)
        return false;
    Span contexts, hashes, messages;
    const unsigned char* p = file.data() + sizeof kQmSignature;
    const unsigned char* end = file.data() + file.size();
    // The same walk as the reader's: it stops at a zero tag or length, or when fewer than six
    // bytes are left; a later block of a kind replaces an earlier one.
    while (end - p > 5) {
        const unsigned char tag = p[0];
        const std::uint32_t len = be32(p + 1);
        p += 5;
        if (tag == 0 || len == 0)
            break;
        if (len > static_cast<std::size_t>(end - p))
            return false;
        const Span block{p, len};
        if (tag == kContexts)
            contexts = block;
        else if (tag == kHashes)
            hashes = block;
        else if (tag == kMessages)
            messages = block;
        else if (tag == kDependencies)
            return false;  // a language file of ours stands alone
        p += len;
    }
    if (contexts.data && !contextsSound(contexts))
        return false;
    if (hashes.size % 8 != 0)
        return false;
    std::vector<bool> safe(messages.size, false);
    for (std::size_t i = 0; i < hashes.size; i += 8) {
        const std::uint32_t offset = be32(hashes.data + i + 4);
        if (offset >= messages.size || !messageSound(messages, offset, safe))
            return false;
    }
    return true;
}

}  // namespace


std::shared_ptr<QtTextSource> QtTextSource::load(const std::string& qmPath)
{
    // Only the file named is meant (QTranslator's own loading tries other spellings of the name).
    if (!QFileInfo(QString::fromStdString(qmPath)).isFile())
        return nullptr;
    std::ifstream in(FsPath(qmPath), std::ios::binary);
    in.seekg(0, std::ios::end);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0 || static_cast<std::uint64_t>(size) > kQmMaxSize)
        return nullptr;
    std::shared_ptr<QtTextSource> source(new QtTextSource);
    source->bytes_.resize(static_cast<std::size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(source->bytes_.data()), size) || !qmSound(source->bytes_))
        return nullptr;
    // The translator reads the checked bytes in place, so the file cannot change under it.
    if (!source->translator_.load(source->bytes_.data(), static_cast<int>(source->bytes_.size())) ||
        source->translator_.isEmpty())
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
    const QString file = QStringLiteral("/qtbase_") + QString::fromLatin1(name) + QStringLiteral(".qm");
    // A program folder that carries Qt with it (as on Windows) has Qt's translations in its own
    // translations folder; otherwise they are Qt's installed ones.
    QStringList folders{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    if (QCoreApplication::instance())
        folders.prepend(QCoreApplication::applicationDirPath() + QStringLiteral("/translations"));
    for (const QString& folder : folders)
        if (QFileInfo(folder + file).isFile())
            return (folder + file).toStdString();
    return {};
}

}  // namespace feld
