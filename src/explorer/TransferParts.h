#pragma once
// Small pieces the transfer procedures share: the busy window kept for the life of a procedure, and
// a fetch that goes straight into a safe writer.

#include <cstddef>
#include <cstdint>

#include "base/SafeFile.h"
#include "link/TransferEngine.h"
#include "session/Session.h"

namespace feld {

// Ends the busy window however the procedure leaves.
class BusyWindow {
public:
    explicit BusyWindow(Session& s) : session_(s) { session_.BeginOperation(); }
    ~BusyWindow() { session_.EndOperation(); }
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

private:
    Session& session_;
};

// The fetched file goes straight into the safe writer: a temporary beside the destination that
// takes the destination's place only when the whole file arrived.
class WriterSink final : public FileSink {
public:
    explicit WriterSink(SafeFileWriter& writer) : writer_(writer) {}
    bool Begin(std::uint32_t) override { return writer_.IsOpen(); }
    bool Write(const std::uint8_t* data, std::size_t n) override { return writer_.Write(data, n); }

private:
    SafeFileWriter& writer_;
};

}  // namespace feld
