#include "cli/CliLog.h"

namespace feld::cli {

// Off unless asked for: a script reading stderr sees only what went wrong.
Q_LOGGING_CATEGORY(linkCategory, "feldspan.link", QtWarningMsg)
Q_LOGGING_CATEGORY(statusCategory, "feldspan.status", QtWarningMsg)

const QLoggingCategory& lcLink() { return linkCategory(); }
const QLoggingCategory& lcStatus() { return statusCategory(); }

void enableVerboseLogging()
{
    QLoggingCategory::setFilterRules(QStringLiteral("feldspan.*.debug=true\nfeldspan.*.info=true"));
}

}  // namespace feld::cli
