#include "sim/SimFaults.h"

#include <algorithm>

namespace feld::sim {

SimFaults::SimFaults(const SimConfig& c)
    : corruptEvery_(c.corruptEvery), dropEvery_(c.dropEvery), busyEvery_(c.busyEvery), restartEvery_(c.restartEvery),
      duplicateEvery_(c.duplicateEvery), seed_(c.seed), rng_(c.seed), forced_(c.forced),
      refusedFiles_(c.refusedFiles), lostFiles_(c.lostFiles), repeats_(c.repeats), staleReplies_(c.staleReplies)
{
}

namespace {

bool sameNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
               return up(x) == up(y);
           });
}

}  // namespace

namespace {

// The entry of `list` that names `path` (a full path or its file name, any letter case).
template <typename Entry>
const Entry* named(const std::vector<Entry>& list, const std::string& path)
{
    const auto cut = path.find_last_of("\\/");
    const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    for (const auto& e : list)
        if (sameNoCase(e.name, path) || sameNoCase(e.name, name))
            return &e;
    return nullptr;
}

}  // namespace

std::optional<int> SimFaults::refusalFor(const std::string& path) const
{
    if (const auto* r = named(refusedFiles_, path))
        return r->status;
    return std::nullopt;
}

std::optional<SimConfig::LostFile> SimFaults::lossFor(const std::string& path) const
{
    if (const auto* l = named(lostFiles_, path))
        return *l;
    return std::nullopt;
}

bool SimFaults::hit(std::uint64_t& count, int every)
{
    if (every <= 0)
        return false;
    ++count;
    return (count + seed_) % static_cast<std::uint64_t>(every) == 0;
}

std::size_t SimFaults::corruptPosition(std::size_t size)
{
    // Bytes 6 .. size-4 are payload, size-2 and size-1 the sum; a header (14 bytes) has its code,
    // length and sum at 5 .. 13.
    if (size == 14) {
        std::uniform_int_distribution<std::size_t> d(5, 13);
        return d(rng_);
    }
    std::size_t payload = size >= 9 ? size - 9 : 0;
    std::uniform_int_distribution<std::size_t> d(0, payload + 1);
    std::size_t k = d(rng_);
    return k < payload ? 6 + k : size - 2 + (k - payload);
}

namespace {

// Uses up one of the transfers an entry for `counter` asks for.
bool takeCounter(std::vector<RepeatFrame>& list, std::uint16_t counter)
{
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (it->counter != counter)
            continue;
        if (it->count > 0 && --it->count == 0)
            list.erase(it);
        return true;
    }
    return false;
}

}  // namespace

bool SimFaults::repeatNow(std::uint16_t counter) { return takeCounter(repeats_, counter); }

bool SimFaults::staleNow(std::uint16_t counter) { return takeCounter(staleReplies_, counter); }

std::optional<ForcedStatus> SimFaults::takeForced(ForcedStatus::When when, int op, const std::string& argument)
{
    for (auto it = forced_.begin(); it != forced_.end(); ++it) {
        if (it->when != when)
            continue;
        if (when == ForcedStatus::When::Op) {
            // A plain "op" leaves listings alone: their answer has no status byte to carry it.
            if (it->op < 0 ? op == 0 : it->op != op)
                continue;
        }
        if ((when == ForcedStatus::When::Command || when == ForcedStatus::When::Header) && it->op >= 0 && it->op != op)
            continue;
        if (it->argument && !sameNoCase(*it->argument, argument))
            continue;
        if (it->after > 0) {
            --it->after;
            continue;
        }
        ForcedStatus f = *it;
        if (it->count > 0 && --it->count == 0)
            forced_.erase(it);
        return f;
    }
    return std::nullopt;
}

}  // namespace feld::sim
