#include "link/wire/TermStatus.h"

#include <filesystem>
#include <ostream>

#include "base/PcFiles.h"
#include "base/Texts.h"

namespace feld::term {

std::string statusText(int status)
{
    // A language's words for a status are filed under "term.status.<name>".
    switch (status) {
#define FELD_TERM_STATUS_CASE(name, value, text) \
    case value:                                  \
        return tk("term.status." #name, text);
        FELD_TERM_STATUSES(FELD_TERM_STATUS_CASE)
#undef FELD_TERM_STATUS_CASE
    default:
        return formatText(tk("term.status.unknown", "the terminal refused (status %d)"), {status});
    }
}

std::string explained(const std::string& what, Result r)
{
    if (r.ok() || r == kFailed)
        return what;
    return formatText(tk("term.refusedBecause", "%s: %s"), {what, r.text()});
}

std::ostream& operator<<(std::ostream& os, Result r)
{
    return os << "status " << r.status() << " (" << r.text() << ")";
}

bool IsSupportedModel(std::int16_t modelClass, std::int16_t modelNumber)
{
    if (modelClass != kModelReportClass)
        return false;
    switch (modelNumber) {
#define FELD_TERM_MODEL_CASE(number) case number:
        FELD_TERM_MODELS(FELD_TERM_MODEL_CASE)
#undef FELD_TERM_MODEL_CASE
        return true;
    default:
        return false;
    }
}

std::string unsupportedModelText(std::int16_t modelClass, std::int16_t modelNumber)
{
    return formatText(tk("link.otherModel", "The terminal is a model this program cannot update (class %d, number %d)"),
                      {static_cast<int>(modelClass), static_cast<int>(modelNumber)});
}

std::string FlashWriterPath(const std::string& mainPath)
{
    return FsString(FsPath(mainPath) / kFlashWriterFolder / kFlashWriterFile);
}

}  // namespace feld::term
