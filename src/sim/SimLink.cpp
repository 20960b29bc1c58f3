#include "sim/SimLink.h"

#include <algorithm>
#include <cstring>

#include "link/wire/TermStatus.h"

namespace feld::sim {

namespace {

constexpr int kRetryLimit = 40;
// Replies not come within the reply time-out this many times in a row end a transfer we send.
constexpr int kSilenceLimit = 3;

}  // namespace

SimLink::SimLink(const SimConfig& config, int fd, SimLog& log, SimFaults& faults)
    : config_(config), log_(log), faults_(faults), line_(fd, config.baud, config.sliceBytes, config.latencyTimerMs)
{
    if (config.lineBaud > 0)
        line_.requireLine(config.lineBaud, config.lineStopBits, [this](const std::string& pc) {
            log_.line("line-mismatch").str("pc", pc).write();
        });
}

void SimLink::stop()
{
    stopping_ = true;
    line_.stop();
}

void SimLink::reply(std::uint16_t counter, int status)
{
    if (status < 0)
        return;
    // A terminal that wants the flash writer says which model it is in the same reply.
    auto r = status == term::kWantsFlashWriter
                 ? wire::makeModelReply(static_cast<std::uint16_t>(config_.modelClass),
                                        static_cast<std::int16_t>(config_.modelNumber))
                 : wire::makeReply(counter, static_cast<std::uint8_t>(status));
    line_.write(r.data(), r.size());
}

bool SimLink::writeFrame(const std::uint8_t* p, std::size_t n, bool mayCorrupt)
{
    if (mayCorrupt && faults_.corruptNext()) {
        std::vector<std::uint8_t> spoilt(p, p + n);
        std::size_t at = faults_.corruptPosition(n);
        spoilt[at] ^= 0x5A;
        log_.line("fault").str("kind", "corrupt").num("size", static_cast<std::int64_t>(n)).num("byte", static_cast<std::int64_t>(at)).write();
        return line_.write(spoilt.data(), n) == SimLine::Wait::Ok;
    }
    return line_.write(p, n) == SimLine::Wait::Ok;
}

bool SimLink::headerWaiting()
{
    if (line_.fill(wire::kHeaderSize, SimLine::msFromNow(1000)) != SimLine::Wait::Ok)
        return false;
    return line_.data()[1] == 0x02 && wire::parseHeader(line_.data()).has_value();
}

SimLink::Got SimLink::waitReply(std::int64_t deadlineNs, wire::Reply& out)
{
    for (;;) {
        auto w = line_.fill(1, deadlineNs);
        if (w == SimLine::Wait::Stopped)
            return Got::Stopped;
        if (w != SimLine::Wait::Ok)
            return Got::Timeout;
        std::uint8_t b = line_.data()[0];
        if (b == 0x02) {
            w = line_.fill(wire::kReplySize, std::min(deadlineNs, SimLine::msFromNow(1000)));
            if (w == SimLine::Wait::Stopped)
                return Got::Stopped;
            if (w == SimLine::Wait::Ok) {
                if (auto r = wire::parseReply(line_.data())) {
                    out = *r;
                    line_.consume(wire::kReplySize);
                    return Got::Reply;
                }
            }
        } else if (b == 0x1B && headerWaiting()) {
            return Got::NewHeader;  // the PC gave up on us and starts a transfer of its own
        }
        line_.consume(1);
    }
}

bool SimLink::tooManyRetries(int retries, const char* what)
{
    if (retries < kRetryLimit)
        return false;
    log_.line("abandoned").str("why", what).num("retries", retries).write();
    return true;
}

// ---- receiving ----

bool SimLink::nextHeader(wire::Header& header)
{
    while (!stopping_) {
        auto w = line_.fill(1, -1);
        if (w == SimLine::Wait::Stopped || stopping_)
            return false;
        if (w != SimLine::Wait::Ok)
            continue;
        std::uint8_t b = line_.data()[0];
        if (b == 0x1B) {
            w = line_.fill(wire::kHeaderSize, SimLine::msFromNow(1000));
            if (w == SimLine::Wait::Stopped)
                return false;
            if (w != SimLine::Wait::Ok || line_.data()[1] != 0x02) {
                line_.consume(1);
                continue;
            }
            auto h = wire::parseHeader(line_.data());
            line_.consume(wire::kHeaderSize);
            if (!h) {
                log_.line("refused").str("why", "bad header").num("status", term::kFailed).write();
                reply(0, term::kFailed);
                continue;
            }
            header = *h;
            return true;
        } else if (b == 0x02 && !lastRx_.empty()) {
            // The PC sends the last frame again when our answer to it went missing.
            w = line_.fill(lastRx_.size(), SimLine::msFromNow(1000));
            if (w == SimLine::Wait::Stopped)
                return false;
            if (w == SimLine::Wait::Ok && std::equal(lastRx_.begin(), lastRx_.end(), line_.data())) {
                line_.consume(lastRx_.size());
                reply(wire::dataFrameCounter(lastRx_.data()), term::kDone);
                continue;
            }
            line_.consume(1);
        } else {
            line_.consume(1);
        }
    }
    return false;
}

SimLink::Rx SimLink::receive(std::uint8_t code, std::uint32_t length, std::vector<std::uint8_t>& payload,
                             int& refusedStatus, Judge& judge)
{
    const std::uint64_t total = length == 0 ? 1 : (std::uint64_t(length) + wire::kMaxPayload - 1) / wire::kMaxPayload;
    const bool keep = code == wire::kFile || code == wire::kCommand || code == wire::kPathFile;
    std::uint64_t taken = 0;
    std::uint32_t remaining = length;
    std::uint16_t expected = 0;
    int retries = 0;
    bool awaitResend = false;  // our answer to the last frame was left out: the PC will send it again
    bool busyResend = false;   // we answered 7: the next copy is taken
    std::uint64_t staleHere = 0;  // counters whose frame was lost to a stale answer in this transfer
    lastRx_.clear();

    for (;;) {
        if (taken == total && !awaitResend)
            return Rx::Complete;
        std::size_t n = std::min<std::size_t>(wire::kMaxPayload, remaining);
        std::size_t size = n + wire::kDataOverhead;
        auto w = line_.fill(1, SimLine::msFromNow(config_.frameTimeoutMs));
        if (w == SimLine::Wait::Stopped)
            return Rx::Stopped;
        if (w != SimLine::Wait::Ok) {
            if (taken == total)
                return Rx::Complete;
            log_.line("abandoned").str("why", "no data frame").num("code", code).write();
            return Rx::Abandoned;
        }
        std::uint8_t b = line_.data()[0];
        if (b == 0x1B && headerWaiting()) {
            if (taken == total)
                return Rx::Complete;
            log_.line("abandoned").str("why", "a new header came").num("code", code).write();
            return Rx::Abandoned;
        }
        if (b != 0x02) {
            line_.consume(1);
            continue;
        }
        std::int64_t frameDeadline = SimLine::msFromNow(500) + 2 * std::int64_t(wire::kMaxDataFrame) * line_.byteNs();
        if (awaitResend) {
            w = line_.fill(lastRx_.size(), frameDeadline);
            if (w == SimLine::Wait::Stopped)
                return Rx::Stopped;
            if (w == SimLine::Wait::Ok && std::equal(lastRx_.begin(), lastRx_.end(), line_.data())) {
                line_.consume(lastRx_.size());
                reply(wire::dataFrameCounter(lastRx_.data()), term::kDone);
                awaitResend = false;
                continue;
            }
            awaitResend = false;
            if (taken == total)
                return Rx::Complete;
        }
        w = line_.fill(size, frameDeadline);
        if (w == SimLine::Wait::Stopped)
            return Rx::Stopped;
        // The PC sends the last frame again when our answer did not reach it whole; the frame it
        // resends may be longer than the one we expect next.
        if (w == SimLine::Wait::Ok && wire::startsLikeRepeat(line_.data(), size, lastRx_)) {
            w = line_.fill(lastRx_.size(), frameDeadline);
            if (w == SimLine::Wait::Stopped)
                return Rx::Stopped;
            if (w == SimLine::Wait::Ok && std::equal(lastRx_.begin(), lastRx_.end(), line_.data())) {
                line_.consume(lastRx_.size());
                reply(wire::dataFrameCounter(lastRx_.data()), term::kDone);
                continue;
            }
        }
        const std::uint8_t* f = line_.data();
        auto check = wire::DataCheck::Invalid;
        std::uint16_t counter = 0;
        if (w == SimLine::Wait::Ok) {
            counter = wire::dataFrameCounter(f);
            check = wire::checkDataFrame(f, size, wire::sum16(f, size), expected, lastRx_);
        }
        if (check == wire::DataCheck::Invalid) {
            // Let the rest of a bad frame pass, then ask for it again.
            line_.discardUntilQuiet(20 + static_cast<int>(4 * line_.byteNs() / 1'000'000));
            reply(expected, term::kFailed);
            if (tooManyRetries(++retries, "bad data frames"))
                return Rx::Abandoned;
            continue;
        }
        if (check == wire::DataCheck::Duplicate) {
            line_.consume(size);
            reply(counter, term::kDone);
            continue;
        }
        if (counter != 0 && !(staleHere >> counter & 1) && faults_.staleNow(counter)) {
            // The frame is lost on its way in, and a late answer to an earlier frame arrives instead:
            // "taken" with counter 0. Only a PC that reads the counter sends the frame again.
            staleHere |= std::uint64_t(1) << counter;
            log_.line("fault").str("kind", "stale-reply").num("counter", counter).write();
            line_.consume(size);
            reply(0, term::kDone);
            continue;
        }
        if (auto forced = faults_.takeForced(ForcedStatus::When::Frame)) {
            log_.line("fault").str("kind", "forced").str("when", "frame").num("status", forced->status).num("counter", expected).write();
            lastRx_.assign(f, f + size);
            line_.consume(size);
            f = nullptr;
            if (forced->status < 0 || forced->status == term::kFailed || forced->status == term::kBusy) {
                lastRx_.clear();
                reply(expected, forced->status);
                continue;  // not taken: the PC sends it again
            }
            if (forced->status != term::kDone) {
                reply(expected, forced->status);
                refusedStatus = forced->status;
                return Rx::Refused;
            }
            // Status 1: taken as usual below, from the copy we keep.
        }
        if (f && !busyResend && faults_.busyNext()) {
            log_.line("fault").str("kind", "busy").num("counter", expected).write();
            line_.consume(size);
            reply(expected, term::kBusy);
            busyResend = true;
            continue;
        }
        busyResend = false;
        if (f)
            lastRx_.assign(f, f + size);
        const std::uint8_t* data = lastRx_.data() + wire::kDataHeadSize;
        if (f)
            line_.consume(size);
        if (taken == 0) {
            int st = judge.firstFrame(code, length, data, n);
            if (st != term::kDone) {
                reply(expected, st);
                refusedStatus = st;
                lastRx_.clear();
                return Rx::Refused;
            }
        }
        if (keep)
            payload.insert(payload.end(), data, data + n);
        ++taken;
        remaining -= static_cast<std::uint32_t>(n);
        std::uint16_t answered = expected;
        expected = wire::nextCounter(expected);
        retries = 0;
        if (taken == total) {
            int st = judge.lastFrame(code, payload);
            if (st != term::kDone) {
                reply(answered, st);
                refusedStatus = st;
                lastRx_.clear();
                return Rx::Refused;
            }
        }
        if (faults_.dropNext()) {
            log_.line("fault").str("kind", "drop").num("counter", answered).write();
            awaitResend = true;
            continue;
        }
        reply(answered, term::kDone);
    }
}

// ---- sending ----

bool SimLink::send(std::uint8_t code, const std::vector<std::uint8_t>& payload)
{
    const std::size_t length = payload.size();
    auto finish = [&](const char* result) {
        log_.line("send").num("code", code).num("length", static_cast<std::int64_t>(length)).str("result", result).write();
        return std::strcmp(result, "complete") == 0;
    };
    if (faults_.restartNext()) {
        // A restart header asks the PC to forget it and wait for the next one: no reply comes.
        auto restart = wire::makeHeader(wire::kRestart, 0);
        log_.line("fault").str("kind", "restart").write();
        if (line_.write(restart.data(), restart.size()) != SimLine::Wait::Ok)
            return finish("stopped");
    }
    auto header = wire::makeHeader(code, static_cast<std::uint32_t>(length));
    wire::Reply r;
    for (int retries = 0, attempt = 0;; ++attempt) {
        if (!writeFrame(header.data(), header.size(), attempt == 0))
            return finish("stopped");
        Got g = waitReply(SimLine::msFromNow(config_.headerTimeoutMs), r);
        if (g == Got::Stopped)
            return finish("stopped");
        if (g == Got::Timeout)
            return finish("no reply to the header");
        if (g == Got::NewHeader)
            return finish("the PC started a transfer");
        if (r.status != term::kFailed)
            break;
        if (tooManyRetries(++retries, "header refused"))
            return finish("header refused");
    }

    const std::size_t frames = length == 0 ? 1 : (length + wire::kMaxPayload - 1) / wire::kMaxPayload;
    std::uint16_t counter = 0;
    std::size_t pos = 0;
    std::uint64_t repeatedHere = 0;  // counters whose frame went out again in this transfer
    for (std::size_t i = 0; i < frames; ++i) {
        std::size_t n = std::min(wire::kMaxPayload, length - pos);
        auto frame = wire::makeDataFrame(counter, payload.data() + pos, n);
        std::int64_t wait = std::int64_t(config_.replyTimeoutMs) + std::int64_t(frame.size()) * line_.byteNs() / 1'000'000;
        const bool last = i + 1 == frames;
        bool repeated = false;  // the PC took this frame and we sent it again
        for (int retries = 0, silences = 0, attempt = 0;; ++attempt) {
            if (!writeFrame(frame.data(), frame.size(), attempt == 0))
                return finish("stopped");
            Got g = waitReply(SimLine::msFromNow(static_cast<int>(wait)), r);
            if (g == Got::Stopped)
                return finish("stopped");
            // The PC took the first copy: one that has finished the transfer owes the copy no answer.
            if (repeated && (g == Got::Timeout || (g == Got::NewHeader && last)))
                break;
            if (g == Got::NewHeader)
                return finish("the PC started a transfer");
            if (g == Got::Reply && r.status == term::kDone && (r.counter == counter || r.counter == 0)) {
                if (!repeated) {
                    // A terminal whose wait for the PC's answer ran out sends the frame again, the
                    // first frame, one at the wrap and one before a shorter last frame alike.
                    const bool duplicate = faults_.duplicateNext();
                    const bool asked = !(repeatedHere >> counter & 1) && faults_.repeatNow(counter);
                    if (asked)
                        repeatedHere |= std::uint64_t(1) << counter;
                    if (duplicate || asked) {
                        repeated = true;
                        log_.line("fault").str("kind", asked ? "repeat" : "duplicate").num("counter", counter).write();
                        continue;  // as if this answer had been lost
                    }
                }
                break;
            }
            if (g == Got::Reply && r.status == term::kBusy)
                continue;
            // A PC that rejects a frame answers at once; one that stays silent this long is gone.
            if (g == Got::Timeout && ++silences >= kSilenceLimit) {
                log_.line("abandoned").str("why", "the PC stopped answering").write();
                return finish("no reply");
            }
            if (tooManyRetries(++retries, "data frame not taken"))
                return finish("data frame not taken");
        }
        pos += n;
        counter = wire::nextCounter(counter);
    }
    return finish("complete");
}

}  // namespace feld::sim
