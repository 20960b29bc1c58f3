#include "link/FolderListing.h"

#include "base/AsciiCase.h"
#include "base/Texts.h"
#include "link/PdtLink.h"
#include "link/wire/TermStatus.h"

namespace feld {

FolderListing FolderListing::Of(PdtLink& link, const std::string& folder)
{
    FolderListing listing;
    listing.folder = folder;
    int count = 0;
    const std::uint8_t* data = link.ListDirectory(folder, count);
    if (data) {
        listing.state = State::Listed;
        listing.entries = wire::decodeDirectory(data, static_cast<std::size_t>(count) * wire::kDirEntrySize);
    } else if (link.LastAnswerStatus() >= 0) {
        // The terminal answered with a status instead of entries: the folder is not there (or its
        // drive is not formatted), so it holds no file.
        listing.state = State::Missing;
    } else {
        listing.why = !link.LastFailure().empty() ? link.LastFailure()
                                                   : tk("listing.noAnswer", "the terminal did not list it");
    }
    return listing;
}

std::vector<const wire::DirEntry*> FolderListing::FilesNamed(const std::string& name) const
{
    std::vector<const wire::DirEntry*> found;
    for (const wire::DirEntry& e : entries)
        if ((e.attribute & wire::kAttrFolder) == 0 && e.attribute != wire::kAttrDrive && equalsNoCase(e.name, name))
            found.push_back(&e);
    return found;
}

bool SameOnTerminal(const wire::DirEntry& entry, const std::string& storedName, const LocalFile& file, int firmware)
{
    if (entry.attribute != wire::kAttrFile || entry.name != storedName || entry.size != file.bytes.size())
        return false;
    const wire::TermDateTime when = wire::termDateTimeFromUnix(file.modified);
    const bool fat = firmware >= wire::kFatDateFirmware;
    if (fat ? when.year < 1980 || when.year > 2107 : when.year < 2000 || when.year > 2031)
        return false;
    const wire::TermDateTime listed = wire::decodeDateTime(entry.date.data(), entry.time.data(), firmware);
    if (!wire::calendarTimeOf(listed))
        return false;
    return entry.date == wire::encodeDate(when, firmware) && entry.time == wire::encodeTime(when, firmware);
}

std::string UnconfirmedSend(const FolderListing& listing, const std::string& target, const std::string& storedName,
                            std::uint64_t size)
{
    if (listing.state == FolderListing::State::Failed)
        return formatText(tk("listing.notConfirmed", "sent but not confirmed: the terminal's listing of %s failed (%s): %s"),
                          {listing.folder, listing.why, target});
    const std::vector<const wire::DirEntry*> found = listing.FilesNamed(storedName);
    if (found.empty())
        return formatText(tk("listing.notFound", "sent but not found on the terminal: %s"), {target});
    for (const wire::DirEntry* e : found)
        if (e->size == size)
            return {};
    return formatText(tk("listing.otherSize", "sent but of another size on the terminal: %s (%u bytes there, %u sent)"),
                      {target, static_cast<unsigned long long>(found.front()->size), static_cast<unsigned long long>(size)});
}

}  // namespace feld
