#pragma once
// Defragmenting drive D:. The terminal has no command for it: every file of D:\Fonts, D:\Lookup and
// D:\Program is copied to the PC, D: is formatted and the files go back, which leaves them stored
// contiguously. D: may hold the user's only copies of these files, so:
//  - D: is formatted only after every file was listed, copied to the PC and read back whole (and the
//    PC had room for all of them); before that any failure stops with D: untouched and the copies
//    made so far removed (the terminal still has every file);
//  - a folder inside the three folders stops the command before anything is done (only files are
//    copied, so its contents would be lost);
//  - the copies stay in the work folders below the project folder, with a list of where each goes
//    (FSDefrag.lst), until that file is back on D:. A file that cannot go back is said with the
//    place of its copy, and the rest go on;
//  - a run that finds that list finishes the earlier one from the copies (after asking) and does
//    not format D: again.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/DefragManifest.h"

namespace feld {

class PdtLink;

class ProgressView;
class Session;
class Ui;

class Defragment {
public:
    // Name of the list of copies in the project folder.
    static constexpr const char* kManifestName = "FSDefrag.lst";

    Defragment(Session& session, Ui& ui) : session_(session), ui_(ui) {}

    // Runs the whole command (or finishes an earlier one). 1 when every file is back on D: (and,
    // for a new run, D: was formatted); 0 otherwise, reported.
    int Run();

    // What the last Run did, for a caller that sums it up.
    bool Resumed() const { return resumed_; }
    bool DriveDUnformatted() const { return dUnformatted_; }
    int FilesBack() const { return filesBack_; }
    int FilesKept() const { return filesKept_; }
    // Where the copies and their list live: the project folder.
    std::string ManifestPath() const;
    std::string CopyPath(const DefragCopy& copy) const;

    // The progress window's position: step * 100 / total.
    static int Percent(int step, int total) { return total > 0 ? step * 100 / total : 100; }

private:
    int Fresh();
    int Resume(const std::vector<DefragCopy>& copies);
    // Lists the three folders into `copies`; false (said) when a listing failed or D: holds
    // something that cannot be copied.
    bool ListD(int firmware, std::vector<DefragCopy>& copies);
    bool CheckRoom(const std::vector<DefragCopy>& copies);
    // Copies one file to the PC and reads it back; false with the reason in `why`.
    bool Fetch(const DefragCopy& copy, std::string& why);
    bool WriteManifest(const std::vector<DefragCopy>& copies);
    // Sends the copies back (firmware 200 into the folders, later firmware to their paths) and
    // removes each copy that is back. Returns how many did not go back.
    int SendBack(const std::vector<DefragCopy>& copies, int firmware);
    // The list and the work folders go once every file is back.
    void CleanUp();
    // Cleans up when nothing was kept, else says how many copies stay and where.
    void Finish(int kept);
    void RemoveCopies(const std::vector<DefragCopy>& copies);
    void Advance();
    void Refuse(const std::string& text);
    // The terminal's firmware version and D:'s free space (negative: unformatted), or false after
    // saying why the defragment cannot go on (`noInfo` when the terminal gives no disk information).
    bool ReadyTerminal(PdtLink* link, const std::string& noInfo, int& version, int& dFree);

    Session& session_;
    Ui& ui_;
    std::unique_ptr<ProgressView> progress_;
    int step_ = 0;
    int total_ = 0;
    bool resumed_ = false;
    bool dUnformatted_ = false;
    int filesBack_ = 0;
    int filesKept_ = 0;
};

}  // namespace feld
