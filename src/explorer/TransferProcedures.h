#pragma once
// The procedures that move one file between the PC and the terminal, as the file manager's trees,
// the maintenance commands and feldspan-cli call them. They connect, keep the busy window, ask
// their questions and report through the Ui, and return a result; they never print.

#include <string>

#include "explorer/TreeSide.h"
#include "link/wire/TermStatus.h"

namespace feld {

class OverwriteQuestion;
class Session;
class Ui;
struct LocalFile;

class TransferProcedures {
public:
    TransferProcedures(Session& session, Ui& ui) : session_(session), ui_(ui) {}

    // Sends one PC file into a terminal folder ("c:\data", "d:\program", ...).
    // 1 (done) uploaded; 11 drive D: must be defragmented; 12-14 a file is in use; 0 failed or
    // declined; any other terminal status as it came. The outcome is reported as a message-view
    // line and, for failures, a message box; a refusal is reported with the terminal's reason.
    // A file the terminal has already is replaced only when `question` (one of a batch; the
    // plain question of a single file when none is given) says so; a file not replaced is
    // reported as skipped, not as a failure.
    int Upload(const std::string& sourcePath, const std::string& terminalFolder, OverwriteQuestion* question = nullptr);
    // Whether the last upload or transfer to the PC ended because the user chose not to replace
    // the file there (skipped, or the batch cancelled).
    bool Declined() const { return declined_; }

    // Fetches a terminal file byte for byte into `localPath`. The bytes land in a temporary file
    // beside the destination, which takes the destination's name only when the whole file arrived:
    // a failure (a full disk included) leaves no partial file and an existing file untouched. A
    // device or a FIFO is written through.
    // 1 fetched, 0 failed (reported).
    int FetchExact(const std::string& terminalPath, const std::string& localPath);

    // Brings one file to the PC file `destination`: from the PC tree a local copy (`move` false) or
    // move, asking 61258 before replacing a file; from the terminal tree a download through the
    // transfer temporary file with the receive settings' CR/LF filter, the terminal's file deleted
    // afterwards when `move` is set and the PC copy is on disk. 1 done, 0 failed (reported).
    // `question` as for Upload.
    int TransferToPc(TreeSide source, const std::string& sourcePath, const std::string& destination, bool move,
                     OverwriteQuestion* question = nullptr);

    // Fetches the terminal's image of drive 'C' or 'D' ("C:\DUMPCIMG.IMG", "D:\DUMPDIMG.IMG")
    // byte-exact into `out`, or into the project path + "DUMPCIMG.IMG" / "DUMPDIMG.IMG" when `out`
    // is empty. A previous image is replaced only by a complete new one. Reports 61235 or 61236
    // with the terminal path as a message-view line. 1 done, 0 failed.
    int DumpImage(char drive, const std::string& out = {});

    // The message-view lines of a file not replaced: skipped by the user's choice, or the first
    // file of a batch the user cancelled.
    static std::string SkippedLine(const std::string& path);
    static std::string CancelledLine(const std::string& path);

    // The file-name part of a terminal path: what follows the last backslash.
    static std::string TerminalFileName(const std::string& path);

private:
    // The source is an ordinary file that can be read, the folder a terminal path and the name one
    // the terminal can store; each failure is said. The file is read once, here.
    bool CheckUpload(const std::string& sourcePath, const std::string& terminalFolder, LocalFile& source);
    term::Result Send(const LocalFile& source, std::string& destination, bool& appended, int overwrite, int firmware);

    Session& session_;
    Ui& ui_;
    bool declined_ = false;
};

}  // namespace feld
