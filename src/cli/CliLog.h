#pragma once
// The CLI's logging categories. --verbose turns them all on; QT_LOGGING_RULES picks single ones,
// e.g. QT_LOGGING_RULES="feldspan.link.debug=true" for the link's frames only.

#include <QLoggingCategory>

namespace feld::cli {

const QLoggingCategory& lcLink();    // "feldspan.link": frames, retries and the port's own notes (debug)
const QLoggingCategory& lcStatus();  // "feldspan.status": status-bar texts and the port state (info)

// --verbose: every category of the program on.
void enableVerboseLogging();

}  // namespace feld::cli
