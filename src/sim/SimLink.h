#pragma once
// The simulated terminal's line engine: the frames of the link, with nothing of what they mean.
//
// It waits for the PC's next header (answering a resent last frame meanwhile and refusing a bad
// header with status 0), takes the data frames of a PC transfer (each checked and answered 1 with
// its counter, 0 when bad; a frame sent again is recognised and answered without being taken
// twice), and sends the terminal's own transfer (header, data frames, each waiting for the PC's
// reply; resent on 0 or when no reply comes). The line faults (corrupt, drop, busy, restart,
// a frame sent again as if the PC's answer had been lost, a forced status on a frame) are injected
// here.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "link/wire/Frames.h"
#include "sim/SimConfig.h"
#include "sim/SimFaults.h"
#include "sim/SimLine.h"
#include "sim/SimLog.h"

namespace feld::sim {

class SimLink {
public:
    enum class Rx { Complete, Refused, Abandoned, Stopped };

    // What the terminal makes of a PC transfer while its frames come in. Each answers 1 to take the
    // frame, or the status that refuses the transfer (sent as the frame's reply).
    class Judge {
    public:
        virtual ~Judge() = default;
        // The first data frame (`n` payload bytes of a transfer of `length`).
        virtual int firstFrame(std::uint8_t code, std::uint32_t length, const std::uint8_t* p, std::size_t n) = 0;
        // The whole payload, before the last frame is answered, so a failure can still be told.
        virtual int lastFrame(std::uint8_t code, const std::vector<std::uint8_t>& payload) = 0;
    };

    // `fd` is the line (not owned); `faults` and `log` outlive the link.
    SimLink(const SimConfig& config, int fd, SimLog& log, SimFaults& faults);
    SimLink(const SimLink&) = delete;
    SimLink& operator=(const SimLink&) = delete;

    // Ends every wait at once, for good.
    void stop();
    bool stopping() const { return stopping_; }

    // Waits for the PC's next good header. False once stopped.
    bool nextHeader(wire::Header& header);
    // Receives the data frames of a PC transfer of `length` bytes into `payload` (codes 3, 4 and 8
    // keep their bytes); on Refused, `refusedStatus` is the status the PC was given.
    Rx receive(std::uint8_t code, std::uint32_t length, std::vector<std::uint8_t>& payload, int& refusedStatus,
               Judge& judge);
    // Sends the terminal's own transfer; true when the PC took all of it.
    bool send(std::uint8_t code, const std::vector<std::uint8_t>& payload);
    // A reply frame (status 3 carries the model); a negative status sends nothing.
    void reply(std::uint16_t counter, int status);

private:
    enum class Got { Reply, Timeout, NewHeader, Stopped };

    Got waitReply(std::int64_t deadlineNs, wire::Reply& reply);
    bool headerWaiting();
    bool writeFrame(const std::uint8_t* p, std::size_t n, bool mayCorrupt);
    bool tooManyRetries(int retries, const char* what);

    const SimConfig& config_;
    SimLog& log_;
    SimFaults& faults_;
    SimLine line_;
    std::atomic<bool> stopping_{false};
    std::vector<std::uint8_t> lastRx_;  // the last PC data frame taken (to recognise it sent again)
};

}  // namespace feld::sim
