#pragma once
// Which frames the simulated terminal spoils, and the statuses it was told to give on demand.
// Every fault kind counts its own frames; the Nth, 2Nth, ... are hit, shifted by the seed, so a
// run repeats exactly with the same options.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "sim/SimConfig.h"

namespace feld::sim {

class SimFaults {
public:
    explicit SimFaults(const SimConfig& config);

    bool corruptNext() { return hit(corruptCount_, corruptEvery_); }      // header or data frame sent
    bool dropNext() { return hit(dropCount_, dropEvery_); }               // PC data frame accepted
    bool busyNext() { return hit(busyCount_, busyEvery_); }               // PC data frame accepted
    bool restartNext() { return hit(restartCount_, restartEvery_); }      // transfer sent
    bool duplicateNext() { return hit(duplicateCount_, duplicateEvery_); } // data frame sent

    // Whether the frame at `counter` that the PC has just taken goes out again as if the PC's answer
    // had been lost (asked for with --repeat-frame). Ask once per transfer and counter: each yes
    // uses up one of the transfers asked for.
    bool repeatNow(std::uint16_t counter);
    // Whether the PC's frame at `counter` is lost and a stale "taken" with counter 0 answers it
    // instead (asked for with --stale-reply); once per transfer and counter, as repeatNow.
    bool staleNow(std::uint16_t counter);

    // Which byte of a frame of `size` bytes to spoil: one of the payload bytes or the sum, never
    // the counter (a spoilt counter could pass for a duplicate, which the sum does not guard).
    std::size_t corruptPosition(std::size_t size);

    // Takes a forced status for this moment, if one is due (op and argument: the command's).
    std::optional<ForcedStatus> takeForced(ForcedStatus::When when, int op = -1, const std::string& argument = {});

    // The status a refused file is answered with, when `path` (a terminal path or a bare name)
    // names one.
    std::optional<int> refusalFor(const std::string& path) const;
    // How a lost file is lost, when `path` names one.
    std::optional<SimConfig::LostFile> lossFor(const std::string& path) const;

private:
    bool hit(std::uint64_t& count, int every);

    int corruptEvery_, dropEvery_, busyEvery_, restartEvery_, duplicateEvery_;
    std::uint64_t seed_;
    std::uint64_t corruptCount_ = 0, dropCount_ = 0, busyCount_ = 0, restartCount_ = 0, duplicateCount_ = 0;
    std::mt19937_64 rng_;
    std::vector<ForcedStatus> forced_;
    std::vector<SimConfig::RefusedFile> refusedFiles_;
    std::vector<SimConfig::LostFile> lostFiles_;
    std::vector<RepeatFrame> repeats_;
    std::vector<RepeatFrame> staleReplies_;
};

}  // namespace feld::sim
