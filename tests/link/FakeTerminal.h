#pragma once
// A scripted terminal behind a fake serial device: it answers the PC's frames at once, on the
// writing thread, and can misbehave on demand (no answer, a status, a repeated or damaged frame).

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "link/serial/SerialDevice.h"
#include "link/wire/Frames.h"

namespace feld::test {

class FakeTerminal;

class FakeDevice : public SerialDevice {
public:
    explicit FakeDevice(FakeTerminal* terminal) : terminal_(terminal) {}

    void SetReceiveHook(ReceiveHook hook) override { hook_ = std::move(hook); }
    void SetActivityHook(ActivityHook hook) override { activity_ = std::move(hook); }
    void SetPortSerial() override { info_.kind = DeviceKind::Com; }
    int SetPortUSB() override;
    int OpenConnection() override;
    void CloseConnection() override { open_ = false; }
    int IsConnectToUSB() override { return info_.kind != DeviceKind::Com && open_; }
    bool IsOpenHandle() const override { return open_; }
    int WritePieces(const WritePiece* pieces, std::size_t count, bool animate) override;
    void Purge() override { ++purges; }
    TtyInfo& Info() override { return info_; }
    int UsbComNumber() const override;
    int CradleVersion() const override { return 0; }
    std::string LastError() const override { return lastError; }

    // Bytes "from the line".
    void Deliver(const std::vector<std::uint8_t>& bytes)
    {
        if (hook_ && !bytes.empty())
            hook_(bytes.data(), static_cast<int>(bytes.size()));
    }
    void Activity(int code)
    {
        if (activity_)
            activity_(code);
    }

    TtyInfo info_;
    bool open_ = false;
    int purges = 0;
    std::string lastError;
    std::deque<int> writeResults;  // results for the next writes (default 1)

private:
    FakeTerminal* terminal_;
    ReceiveHook hook_;
    ActivityHook activity_;
};

// The terminal's side of the protocol, enough to test the PC's.
class FakeTerminal {
public:
    // What the terminal does with one PC frame (by its index among the data frames of all
    // transfers, 0-based; headers are index -1 of their transfer and use headerStatus).
    struct Answer {
        bool drop = false;               // no reply at all
        std::optional<int> status;       // default 1
        std::optional<std::uint16_t> counter;  // default: the frame's own
        bool twice = false;              // the reply goes out twice
        bool garbageFirst = false;       // a few stray bytes before the reply
    };

    // ---- PC -> terminal ----
    std::deque<int> headerStatuses;             // statuses for the next headers (default 1; -1: no reply)
    std::map<int, std::deque<Answer>> frameAnswers;  // per data frame index, in order of its attempts
    std::function<void(int frameIndex)> onFrame;

    // Everything the PC wrote, write by write.
    std::vector<std::vector<std::uint8_t>> writes;
    // Each transfer the terminal accepted: code and payload.
    struct Transfer {
        std::uint8_t code = 0;
        std::uint32_t length = 0;
        std::vector<std::uint8_t> payload;
        int frames = 0;
        std::vector<std::uint16_t> counters;
    };
    std::vector<Transfer> received;
    int headersSeen = 0;
    int dataFramesSeen = 0;

    // ---- terminal -> PC ----
    struct Outgoing {
        std::uint8_t code = 4;
        std::vector<std::uint8_t> payload;
        bool restartFirst = false;        // a code-7 header before the real one
        bool badHeaderFirst = false;      // a header with a wrong sum first
        std::map<int, int> corruptOnce;   // frame index -> flip a payload byte on the first sending
        std::set<int> duplicate;          // frame indexes sent twice
        std::map<int, std::uint16_t> counterOverride;  // frame index -> counter on the wire
        bool stopAfterHeader = false;     // never send a data frame
    };
    // Queues a transfer to the PC; its header goes on the line at once.
    void Send(Outgoing out);
    // Transfers the terminal sends, in order, each right after it took a whole PC transfer (the
    // answer to a command).
    std::deque<Outgoing> answers;
    std::vector<std::vector<std::uint8_t>> sentFrames;  // data frames put on the line
    std::vector<std::vector<std::uint8_t>> pcReplies;   // the PC's 12-byte replies

    FakeDevice* device = nullptr;
    int opens = 0;
    bool openFails = false;
    // A USB terminal presenting a serial port: its number and device (0: none, as a USB block device).
    int usbComNumber = 0;
    std::string usbPath;

    void OnWrite(const std::vector<std::uint8_t>& bytes);

private:
    void HandleHeader(const std::uint8_t* h);
    void HandleData(const std::uint8_t* f, std::size_t n);
    void HandlePcReply(const std::uint8_t* r);
    void SendFrame(int index, bool firstTime);

    std::vector<std::uint8_t> in_;
    std::optional<Transfer> current_;
    std::uint32_t left_ = 0;
    std::uint16_t expect_ = 0;
    std::optional<Outgoing> out_;
    int outIndex_ = 0;
    std::size_t outPos_ = 0;
    std::uint16_t outCounter_ = 0;
    bool outHeaderAccepted_ = false;
    std::map<int, int> sentCount_;
};

std::unique_ptr<SerialDevice> makeFakeDevice(FakeTerminal& t, const PortSettings* settings = nullptr);

}  // namespace feld::test
