#pragma once
// The terminal steps of advanced mode's trees that are not transfers: listing a node, deleting the
// chosen files, gathering a node's properties; and deleting chosen PC files. Each connects, keeps
// the busy window, reports through the Ui and returns what the tree needs to change; the tree
// changes itself afterwards on the window's thread.

#include <optional>
#include <string>
#include <vector>

#include "explorer/TerminalListing.h"
#include "explorer/TerminalProperties.h"

namespace feld {

class Session;
class Ui;

class TreeCommands {
public:
    TreeCommands(Session& session, Ui& ui) : session_(session), ui_(ui) {}

    // The nodes of a terminal folder or drive ("C:\", "C:\DATA"). Nothing when the link cannot be
    // connected or the terminal gives no listing (the connection failure is said, a missing
    // listing is not).
    std::optional<std::vector<TerminalNode>> ListFolder(const std::string& path);
    // The drives the terminal reports, asked as "PDT" from firmware 2.01 on. Nothing with an older
    // firmware (the tree keeps its fixed C: and D:) or when the link or the listing fails.
    std::optional<std::vector<TerminalNode>> ListRoot();

    // Deletes each terminal file, one message-view line each (61237 deleted, 61238 not). The
    // paths deleted, in order; nothing is tried when the link cannot be connected.
    std::vector<std::string> DeleteTerminalFiles(const std::vector<std::string>& paths);
    // The same for PC files: no link, no busy window. A move's source goes this way: its copy is
    // on the terminal.
    std::vector<std::string> DeletePcFiles(const std::vector<std::string>& paths);
    // What the user's delete does with PC files: each goes to the desktop's trash, so a wrong key is
    // mended from there. Files the trash will not take (no trash on their disk) are named in one
    // question and deleted for good only on Yes. One message-view line each; the paths gone.
    std::vector<std::string> TrashPcFiles(const std::vector<std::string>& paths);

    // The properties of a drive, folder or file; 61259 shown and nothing given when the disk
    // information or a listing is missing.
    std::optional<TerminalProperties> Properties(TerminalProperties::Kind kind, const std::string& path,
                                                 const std::string& name);

    // Paths one a line for a question, at most ten and how many more.
    static std::string NameList(const std::vector<std::string>& paths);

private:
    std::optional<std::vector<TerminalNode>> List(const std::string& path);
    int Firmware();

    Session& session_;
    Ui& ui_;
    int firmware_ = -1;  // the terminal's, once asked; 0 when it did not say
};

}  // namespace feld
