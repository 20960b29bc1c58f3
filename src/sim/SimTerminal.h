#pragma once
// The simulated terminal: serves the terminal's side of the link on one descriptor, on a thread of
// its own (start/stop) or on the caller's (serve).
//
// From the PC it takes a header (answered with status 1 and counter 0, or 0 when the header is bad)
// and the data frames of the transfer (each checked and answered 1 with its counter, 0 when bad;
// a frame sent again is recognised and answered without being taken twice). Then it acts: a link
// check is done at once, a file is stored, a command runs and its answer goes back as the
// terminal's own transfer (header, data frames, each waiting for the PC's reply; resent on 0 or
// when no reply comes).

#include <atomic>
#include <cstdint>
#include <memory>
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
#include "sim/SimLine.h"
#include "sim/SimLog.h"

namespace feld::sim {

class SimTerminal {
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
    enum class Rx { Complete, Refused, Abandoned, Stopped };
    enum class Got { Reply, Timeout, NewHeader, Stopped };

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
    // Receives the data frames of a PC transfer of `length` bytes into `payload`.
    Rx receiveFrames(std::uint8_t code, std::uint32_t length, std::vector<std::uint8_t>& payload, int& refusedStatus);
    int checkFirstFrame(std::uint8_t code, std::uint32_t length, const std::uint8_t* p, std::size_t n);
    int finishFile(const std::vector<std::uint8_t>& payload);
    int refuse(int status, const std::string& why);
    void runCommand(const std::vector<std::uint8_t>& payload);
    bool sendTransfer(std::uint8_t code, const std::vector<std::uint8_t>& payload);
    void sendStatusReply(int status);

    Got waitReply(std::int64_t deadlineNs, wire::Reply& reply);
    bool headerWaiting();
    void reply(std::uint16_t counter, int status);
    bool writeFrame(const std::uint8_t* p, std::size_t n, bool mayCorrupt);
    bool flashWriterPresent() const;
    bool tooManyRetries(int retries, const char* what);

    SimConfig config_;
    SimLog& log_;
    SimLine line_;
    SimDrives drives_;
    SimFaults faults_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;

    FilePlan plan_;
    std::vector<std::uint8_t> lastRx_;  // the last PC data frame taken (to recognise it sent again)
    mutable std::mutex kernelMutex_;
    std::vector<std::uint8_t> kernel_;
    bool duplicatePending_ = false;
};

}  // namespace feld::sim
