#include "explorer/TerminalProperties.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "base/SizeText.h"
#include "base/Texts.h"
#include "base/Ui.h"
#include "link/PdtLink.h"
#include "link/wire/TermStatus.h"
#include "link/wire/TermCodec.h"
#include "session/Session.h"

namespace feld {

namespace {

using RawEntry = std::array<std::uint8_t, wire::kDirEntrySize>;

// A folder's entries as the terminal sent them, copied out of the link (whose buffer the next
// request reuses); nothing when the terminal gave no listing.
std::optional<std::vector<RawEntry>> listing(PdtLink& link, const std::string& path)
{
    int count = 0;
    const std::uint8_t* data = link.ListDirectory(path, count);
    if (!data)
        return std::nullopt;
    // The count is a 16-bit number on the wire: zero or below means no entries.
    const auto n = static_cast<std::int16_t>(count);
    std::vector<RawEntry> entries(n > 0 ? static_cast<std::size_t>(n) : 0);
    for (std::size_t i = 0; i < entries.size(); ++i)
        std::memcpy(entries[i].data(), data + i * wire::kDirEntrySize, wire::kDirEntrySize);
    return entries;
}

// The name bytes up to the first NUL (at most 8), and "%.8s.%.3s" of name and extension.
std::string nameField(const RawEntry& e)
{
    const auto* p = reinterpret_cast<const char*>(e.data());
    return std::string(p, strnlen(p, 8));
}
std::string nameDotExtension(const RawEntry& e)
{
    const auto* p = reinterpret_cast<const char*>(e.data());
    return nameField(e) + "." + std::string(p + 8, strnlen(p + 8, 3));
}

// The parent's entry for a node: the one whose name is the node's text, else the first whose name
// (a folder's name field, a file's "NAME.EXT") starts the node's text. An entry without a name
// starts every text and is never taken; a file without an extension is found by the first rule.
const RawEntry* entryFor(const std::vector<RawEntry>& entries, const std::string& text, bool file)
{
    for (const auto& e : entries)
        if (wire::dirEntryDisplayName(e.data()) == text)
            return &e;
    for (const auto& e : entries) {
        const std::string name = file ? nameDotExtension(e) : nameField(e);
        if (!nameField(e).empty() && text.compare(0, name.size(), name) == 0)
            return &e;
    }
    return nullptr;
}

void takeDate(TerminalProperties& p, const RawEntry& e)
{
    const wire::DirEntry d = wire::decodeDirEntry(e.data());
    p.date = d.date;
    p.time = d.time;
    p.dated = true;
}

std::string bytesText(long long n) { return BytesWithReadable(n > 0 ? static_cast<std::uint64_t>(n) : 0); }

}  // namespace

std::optional<TerminalProperties> GatherTerminalProperties(Session& session, Ui& ui, TerminalProperties::Kind kind,
                                                           const std::string& path, const std::string& name,
                                                           const std::string& parentPath)
{
    auto missing = [&]() -> std::optional<TerminalProperties> {
        ui.message(txt::kNoDiskInfo, Icon::Exclamation);
        return std::nullopt;
    };
    PdtLink* link = session.Link();
    if (!link)
        return missing();

    TerminalProperties p;
    p.kind = kind;
    p.path = path;
    p.name = name;
    int cTotal = 0, cFree = 0, dTotal = 0, dFree = 0;
    // Only a drive needs the answer; the others need the firmware version the dates are written by.
    const term::Result info = link->GetDiskInfo(p.firmware, cTotal, cFree, dTotal, dFree);

    switch (kind) {
    case TerminalProperties::Drive: {
        if (!info.ok())
            return missing();
        const bool c = name.find("C:\\") != std::string::npos;
        p.size = static_cast<std::uint32_t>(c ? cTotal : dTotal);
        p.free = c ? cFree : dFree;
        return p;
    }
    case TerminalProperties::Folder: {
        auto own = listing(*link, path);
        if (!own)
            return missing();
        std::uint64_t sum = 0;
        for (const auto& e : *own)
            sum += wire::decodeDirEntry(e.data()).size;
        p.size = static_cast<std::uint32_t>(std::min<std::uint64_t>(sum, std::numeric_limits<std::uint32_t>::max()));
        // The date is the folder's entry in its parent; without one the dialog shows no date.
        if (auto parent = listing(*link, parentPath))
            if (const RawEntry* e = entryFor(*parent, name, false))
                takeDate(p, *e);
        break;
    }
    case TerminalProperties::File: {
        auto parent = listing(*link, parentPath);
        if (!parent)
            return missing();
        // A file its parent no longer lists has no size or date to show: the fields stay empty.
        p.sized = false;
        if (const RawEntry* e = entryFor(*parent, name, true)) {
            p.size = wire::decodeDirEntry(e->data()).size;
            p.sized = true;
            takeDate(p, *e);
        }
        break;
    }
    }
    // Dates cannot be read without knowing how this firmware writes them.
    if (p.firmware <= 0)
        p.dated = false;
    return p;
}

PropertiesFields PropertiesFieldTexts(const TerminalProperties& p)
{
    PropertiesFields f;
    f.name = p.name;
    if (p.kind == TerminalProperties::Drive) {
        f.type = tr(txt::kDriveKind);
        f.locationLabel = txt::kUsedSpace;
        f.sizeLabel = txt::kFreeSpace;
        f.createdLabel = txt::kCapacity;
        if (p.free < 0) {
            f.location = f.size = f.created = tr(txt::kNotFormatted);
        } else {
            f.location = bytesText(static_cast<long long>(p.size) - p.free);
            f.size = bytesText(p.free);
            f.created = bytesText(p.size);
        }
        return f;
    }
    f.type = tr(p.kind == TerminalProperties::Folder ? txt::kFolderKind : txt::kFileKind);
    const std::size_t cut = p.path.rfind('\\');
    f.location = cut == std::string::npos ? std::string() : p.path.substr(0, cut + 1);
    if (p.sized)
        f.size = bytesText(p.size);
    if (p.dated) {
        const wire::TermDateTime t = wire::decodeDateTime(p.date.data(), p.time.data(), p.firmware);
        // The trees' date column writes dates the same way.
        f.created = DateTimeText(t.year, t.month, t.day, t.hour, t.minute, t.second);
    }
    return f;
}

}  // namespace feld
