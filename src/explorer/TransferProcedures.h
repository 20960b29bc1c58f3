#pragma once
// The procedures that move one file between the PC and the terminal, as the file manager's trees,
// the maintenance commands and feldspan-cli call them. They connect, keep the busy window, ask
// their questions and report through the Ui, and return a result; they never print.

#include <string>

namespace feld {

class Session;
class Ui;
struct LocalFile;

class TransferProcedures {
public:
    TransferProcedures(Session& session, Ui& ui) : session_(session), ui_(ui) {}

    // Sends one PC file into a terminal folder ("c:\data", "d:\program", ...).
    // 1 uploaded; 11 drive D: must be defragmented; 13 a file is in use; 0 failed or declined;
    // any other terminal status as it came. The outcome is reported as a message-view line
    // and, for failures, a message box.
    int Upload(const std::string& sourcePath, const std::string& terminalFolder);
    // Whether the last upload ended because the user declined to overwrite the terminal's file.
    bool Declined() const { return declined_; }

    // Fetches a terminal file byte for byte into `localPath`. The bytes land in a temporary file
    // beside the destination, which takes the destination's name only when the whole file arrived:
    // a failure (a full disk included) leaves no partial file and an existing file untouched. A
    // device or a FIFO is written through.
    // 1 fetched, 0 failed (reported).
    int FetchExact(const std::string& terminalPath, const std::string& localPath);

    // The file-name part of a terminal path: what follows the last backslash.
    static std::string TerminalFileName(const std::string& path);

private:
    // The source is an ordinary file that can be read, the folder a terminal path and the name one
    // the terminal can store; each failure is said. The file is read once, here.
    bool CheckUpload(const std::string& sourcePath, const std::string& terminalFolder, LocalFile& source);
    int Send(const LocalFile& source, std::string& destination, bool& appended, int overwrite, int firmware);

    Session& session_;
    Ui& ui_;
    bool declined_ = false;
};

}  // namespace feld
