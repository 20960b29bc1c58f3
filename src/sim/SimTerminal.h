#pragma once
// The simulated terminal: serves the terminal's side of the link on one descriptor, on a thread of
// its own (start/stop) or on the caller's (serve).
//
// The frames go through its line engine (SimLink); this is what they mean to a terminal. A header
// is answered with status 1 (0 when the terminal does not take that transfer). The first data frame
// of a file or command says whether the terminal can take it; a file is stored before its last
// frame is answered, so a failure can still be told. Once a transfer is complete a link check is
// done, or a command runs and its answer goes back as the terminal's own transfer.

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "link/wire/Frames.h"
#include "link/wire/TermCodec.h"
#include "sim/SimConfig.h"
#include "sim/SimDrives.h"
#include "sim/SimFaults.h"
#include "sim/SimLink.h"
#include "sim/SimLog.h"

namespace feld::sim {

class SimTerminal : private SimLink::Judge {
public:
    // `config.root` names the drives' folder; `fd` is the line (not owned).
    SimTerminal(const SimConfig& config, int fd, SimLog& log);
    ~SimTerminal();
    SimTerminal(const SimTerminal&) = delete;
    SimTerminal& operator=(const SimTerminal&) = delete;

    // Creates the drive folders. False with a reason.
    bool prepare(std::string& error);
    void start();
    void stop();
    // Serves until stop() is called.
    void serve();

    SimDrives& drives() { return drives_; }
    // The last kernel image received (the body as it came: length word, image, word sum).
    std::vector<std::uint8_t> kernelImage() const;

private:
    // What the first frame of a file transfer said.
    struct FilePlan {
        bool kernel = false;
        std::optional<SimDrives::Resolved> where;
        std::size_t headerLength = 0;
        std::uint32_t sizeField = 0;
        std::uint8_t type = 0;
        std::string name;
        wire::Word date{}, time{};
        int dateFirmware = 0;
        std::uint8_t overwrite = 0;
    };

    void handleHeader(const wire::Header& h);
    int firstFrame(std::uint8_t code, std::uint32_t length, const std::uint8_t* p, std::size_t n) override;
    int lastFrame(std::uint8_t code, const std::vector<std::uint8_t>& payload) override;
    int planFile(std::uint32_t length, const std::uint8_t* p, std::size_t n);
    int planPathFile(std::uint32_t length, const std::uint8_t* p, std::size_t n);
    int finishFile(const std::vector<std::uint8_t>& payload);
    int refuse(int status, const std::string& why);
    bool flashWriterPresent() const;

    // Commands (SimTerminalCommands.cpp).
    int checkCommand(const std::vector<std::uint8_t>& payload);
    void runCommand(const std::vector<std::uint8_t>& payload);
    void sendStatusReply(int status);

    SimConfig config_;
    SimLog& log_;
    SimDrives drives_;
    SimFaults faults_;
    SimLink link_;
    std::thread thread_;

    FilePlan plan_;
    mutable std::mutex kernelMutex_;
    std::vector<std::uint8_t> kernel_;
};

}  // namespace feld::sim
