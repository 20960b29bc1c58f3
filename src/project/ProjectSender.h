#pragma once
// Sending the projects to the terminal, and the terminal's status and set-up buttons beside it.
// Every file of every project goes to its fixed folder (program to d:\program, lookup files to
// d:\lookup, data files to c:\data, fonts to d:\fonts) in the project builder's order: the program,
// then lookup file i and data file i for i = 1..20, then the system font and the user font.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/LocalFile.h"
#include "base/Ui.h"
#include "link/wire/TermStatus.h"
#include "project/ProjectFile.h"

namespace feld {

class Session;
class Ui;

class ProjectSender {
public:
    ProjectSender(Session& session, Ui& ui) : session_(session), ui_(ui) {}

    struct FileOutcome {
        std::string source;   // the PC file (as found on this PC)
        std::string target;   // the terminal folder or path it went to
        term::Result result;  // the terminal's answer: done (sent), 4/5 drive not formatted/full, 6 exists, ...
        bool stopped = false; // this file ended the send
        bool declined = false;  // the user kept the terminal's file (overwrite declined)
        bool unchanged = false; // not sent: the terminal holds it exactly as it would be sent
        // Set when the terminal took the file but the listing after the send does not show it there
        // at its size (the send fails); onFile is called a second time for such a file.
        std::string unconfirmed;
    };
    // Called after each file, for a line per file (the CLI).
    std::function<void(const FileOutcome&)> onFile;
    // Before sending, each target folder is listed once, and a file the terminal already holds with
    // the same name, size, date and time words as it would be sent with is skipped ("unchanged:
    // ..."). A listing that fails makes the send send everything, said so.
    bool skipUnchanged = false;

    // Sends the projects in order. Every file of every project is checked first (found on this PC,
    // an ordinary file that can be read, under a name the terminal can store; a project that names
    // no file at all is an error): one that fails the check means nothing is sent, and the message
    // names each such file and why. Entries beyond a project's 20 lookup and 20 data files are
    // named in a warning.
    //
    // After the files went, every folder a file was sent to is listed again, and a file that is not
    // there at the size it was sent with fails the send, named ("sent but not found on the
    // terminal: ..."): the terminal's "done" is believed only when its listing agrees.
    //
    // 1 when no file stopped the send, 0 when a file stopped it, nothing could start (no project
    // 61250, a file that failed the check, no connection, no disk information), or the user
    // declined the old-firmware question. 61253 is shown only when the terminal took every file it
    // was sent; a file it refused ends the send with 61251 even where the send goes on. Before the
    // final message the message view gets one line per file not sent, with its reason (refused,
    // kept on the terminal because the user declined to overwrite it, or left after a stop).
    int Send(const std::vector<ProjectEntry>& projects);
    // Whether the last Send delivered every file (no stop, no declined overwrite, no file the
    // terminal refused).
    bool AllSent() const { return allSent_; }

    struct Status {
        int version = 0;
        int cTotal = 0, cUsed = 0, cFree = 0;
        int dTotal = 0, dUsed = 0, dFree = 0;
    };
    // The terminal's firmware version and drives for the status dialog (an unformatted drive has
    // total and used 0 and a negative free value); nothing when there is no link (61276/61221) or
    // no answer (61259).
    std::optional<Status> QueryStatus();

    // The terminal folder a project file goes to, by its kind, for a terminal of `firmware`.
    enum class Kind { Program, Lookup, Data, SystemFont, UserFont };
    static std::string TargetFolder(Kind kind, const std::string& source, int firmware);

private:
    // A file of a project, checked and read before anything goes.
    struct Planned {
        std::string source;  // where it is on this PC
        Kind kind;
        LocalFile file;
    };
    // The files in the builder's order; false (said why) when one cannot go.
    bool Plan(const std::vector<ProjectEntry>& projects, std::vector<Planned>& plan);
    // 1 go on, 0 stop. `exists`: the listing before the send shows the file on the terminal, so
    // the overwrite question comes first and the file goes once, with the overwrite flag.
    int SendOne(const Planned& planned, const std::string& folder, int firmware, bool exists, FileOutcome& outcome);
    // Lists again every folder a file of the last Send went to and checks each file is there.
    void ConfirmSent(std::vector<FileOutcome>& sent, const std::vector<const Planned*>& plans, int firmware);

    Session& session_;
    Ui& ui_;
    bool allSent_ = false;
    bool refused_ = false;  // the terminal did not take a file of the last Send
    std::vector<std::string> notSent_;  // a line per file of the last Send that is not on the terminal
    OverwriteQuestion overwrite_;       // one answer "to all" holds for the rest of a Send
};

}  // namespace feld
