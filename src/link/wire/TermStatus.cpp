#include "link/wire/TermStatus.h"

#include <filesystem>

namespace feld::term {

std::string statusText(int status)
{
    switch (status) {
#define FELD_TERM_STATUS_CASE(name, value, text) \
    case value:                                  \
        return text;
        FELD_TERM_STATUSES(FELD_TERM_STATUS_CASE)
#undef FELD_TERM_STATUS_CASE
    default:
        return "status " + std::to_string(status);
    }
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

std::string FlashWriterPath(const std::string& mainPath)
{
    return (std::filesystem::path(mainPath) / kFlashWriterFolder / kFlashWriterFile).string();
}

}  // namespace feld::term
