#pragma once
// The drive maintenance commands: formatting the terminal's drives C: and D:.

namespace feld {

class Session;
class Ui;

class Maintenance {
public:
    Maintenance(Session& session, Ui& ui) : session_(session), ui_(ui) {}

    // Asks first (kFormatConfirm); 1 formatted, 0 not (declined, no link, or the terminal refused).
    int FormatC();
    // Drive D: is formatted only after C: (a C: root that lists nothing counts as unformatted:
    // kFormatCBeforeD, no question). Asks first (kFormatConfirm); the terminal needs about 12 s
    // for it.
    int FormatD();

private:
    int Format(const char* drive);

    Session& session_;
    Ui& ui_;
};

}  // namespace feld
