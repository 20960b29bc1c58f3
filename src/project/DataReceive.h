#pragma once
// Receiving a data file the terminal collected in C:\Data, as the receive dialog and `receive` do
// it: the busy window around it, the checks of the save folder, and the receive job itself
// (session/ReceiveJob.h) with the user's choices.

#include <optional>
#include <string>
#include <vector>

#include "session/ReceiveJob.h"

namespace feld {

class Session;
class Ui;

struct ReceiveChoice {
    std::string name;           // a file of C:\Data, "DATA1.TXT" (any spelling), or a terminal path
    std::string saveFolder;     // PC folder; trailing separators do not matter
    bool append = true;         // false: create new or overwrite
    bool keepCr = true;
    bool keepLf = true;
    bool deleteAfter = false;
};

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
    // keeps its file), or received but the terminal refused to delete it (said as such). Ends the
    // busy window.
    int Receive(const ReceiveChoice& choice);
    // What the last Receive did: its terminal path, its PC file, and the reason it failed.
    const std::string& Source() const { return source_; }
    const std::string& Destination() const { return destination_; }
    const ReceiveOutcome& Outcome() const { return outcome_; }
    // The dialog was cancelled: the busy window ends, nothing is received.
    void End();

private:
    int Fail(const std::string& why);

    Session& session_;
    Ui& ui_;
    bool open_ = false;  // inside the busy window
    std::string source_;
    std::string destination_;
    ReceiveOutcome outcome_;
};

}  // namespace feld
