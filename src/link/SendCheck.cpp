#include "link/SendCheck.h"

#include "base/PcPath.h"
#include "base/Texts.h"
#include "link/wire/TermCodec.h"
#include "link/wire/TermNames.h"

namespace feld {

bool ReadForSending(const std::string& localPath, LocalFile& file, std::string& why)
{
    return ReadLocalFile(localPath, kMaxSendBytes, file, why);
}

SendNameProblem CheckSendName(const std::string& localPath, const std::string& storedName)
{
    // The header's name field holds 12 bytes: a longer PC name cannot even be put into it.
    if (PcFileName(localPath).size() > wire::kFileNameField)
        return {txt::kNameTooLong, tr(txt::kNameTooLong)};
    if (std::string why = wire::storedNameProblem(storedName); !why.empty())
        return {0, formatText(tk("link.badStoredName", "%s: the terminal cannot store it as %s (%s); rename the file first"),
                              {localPath, storedName, why})};
    return {};
}

}  // namespace feld
