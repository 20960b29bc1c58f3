#pragma once
// Receiving a data file the terminal collected in C:\Data: fetched into the transfer temporary
// file, its line ends converted (keep or drop the CR, keep or drop the LF of each CR LF pair),
// appended to or replacing the file of that name in the save folder, and deleted on the terminal
// only once its PC copy is complete on disk.

#include <optional>
#include <string>
#include <vector>

#include "base/LineEnds.h"

namespace feld {

class Session;
class Ui;

struct ReceiveChoice {
    std::string name;           // a file of C:\Data, "DATA1.TXT"
    std::string saveFolder;     // PC folder; trailing separators do not matter
    bool append = true;         // false: create new or overwrite
    bool keepCr = true;
    bool keepLf = true;
    bool deleteAfter = false;
};

// The destination of a name in a save folder: the folder without its trailing separators, one
// separator, the name.
std::string ReceiveDestination(const std::string& saveFolder, const std::string& name);

class DataReceive {
public:
    DataReceive(Session& session, Ui& ui) : session_(session), ui_(ui) {}
    ~DataReceive();

    // Connects when there is no link (its failure was shown), checks the port (61221) and starts the
    // busy window. False: nothing to do.
    bool Begin();
    // The names of the files in C:\Data. Empty after showing 61275 when there is none; nothing when
    // the terminal did not list the folder (the reason was shown).
    std::optional<std::vector<std::string>> ListFiles();
    // Receives one file as chosen. 1 received (61252), 0 not (61220 with the reason; the terminal
    // keeps its file). Ends the busy window.
    int Receive(const ReceiveChoice& choice);
    // The dialog was cancelled: the busy window ends, nothing is received.
    void End();

private:
    int Fail(const std::string& why);

    Session& session_;
    Ui& ui_;
    bool open_ = false;  // inside the busy window
};

}  // namespace feld
