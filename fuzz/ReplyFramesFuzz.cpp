// Reply frames from the line into a send: the reply search and check of the header and of every
// data frame, busy and retry counting, and the model a status-3 reply names. The first byte picks
// the transfer (odd: the receive fuzzer's inputs are even), the rest is fed in pieces.
// A send may only succeed when the terminal accepted it: the bytes handed over must hold a valid
// reply to the header (any status but "nothing more to send" lets the data follow) and a separate
// valid "done" for every data frame, or a "nothing more to send" for the header.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzLink.h"
#include "link/wire/Frames.h"
#include "link/wire/TermStatus.h"

namespace {

// Valid replies with the status (-1: any status but 0), counted without overlap (the link never
// reuses a reply's bytes).
std::size_t countReplies(const std::vector<std::uint8_t>& bytes, int status)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i + feld::wire::kReplySize <= bytes.size();) {
        auto r = feld::wire::parseReply(bytes.data() + i);
        if (r && (status < 0 ? r->status != 0 : r->status == status)) {
            ++count;
            i += feld::wire::kReplySize;
        } else {
            ++i;
        }
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace feld;
    if (size < 1 || !(data[0] & 1))
        return 0;
    const std::uint8_t mode = data[0];
    fuzzlink::FuzzLink f(data + 1, size - 1);
    if (!f.device())
        return 0;
    f.device()->closeWhenDone = true;
    int modelCalls = 0;
    f.link().Engine().OnFlashWriterRequest([&](std::int16_t, std::int16_t) { ++modelCalls; });
    static const std::uint8_t payload[1500] = {};
    const std::uint32_t length = (mode >> 4) * 100u;
    const int r = f.link().SendTransfer(static_cast<std::uint8_t>(3 + (mode >> 1) % 6), length, payload, false);
    const std::vector<std::uint8_t>& fed = f.device()->fed;
    if (r == 1) {
        const std::size_t frames = (length + wire::kMaxPayload - 1) / wire::kMaxPayload;
        if (countReplies(fed, term::kTransferDone) == 0 &&
            (countReplies(fed, term::kDone) < frames || countReplies(fed, -1) < 1 + frames))
            __builtin_trap();
    }
    if (r == term::kWantsFlashWriter && modelCalls == 0)
        __builtin_trap();  // a status-3 reply always reports its model
    return 0;
}
