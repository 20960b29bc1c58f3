#include "FakeTerminal.h"

#include <algorithm>

namespace feld::test {

int FakeDevice::SetPortUSB()
{
    info_.kind = DeviceKind::UsbCom;
    if (terminal_ && !terminal_->usbPath.empty())
        info_.devicePath = terminal_->usbPath;
    return 1;
}

int FakeDevice::UsbComNumber() const { return terminal_ ? terminal_->usbComNumber : 0; }

int FakeDevice::OpenConnection()
{
    if (terminal_ && terminal_->openFails) {
        lastError = "device missing: /dev/fake does not exist";
        return 0;
    }
    if (terminal_)
        ++terminal_->opens;
    open_ = true;
    return 1;
}

int FakeDevice::WritePieces(const WritePiece* pieces, std::size_t count, bool animate)
{
    (void)animate;
    if (!open_)
        return kWriteFailed;
    int result = kWriteOk;
    if (!writeResults.empty()) {
        result = writeResults.front();
        writeResults.pop_front();
    }
    if (result != kWriteOk)
        return result;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes.insert(bytes.end(), pieces[i].data, pieces[i].data + pieces[i].size);
    if (terminal_)
        terminal_->OnWrite(bytes);
    return kWriteOk;
}

std::unique_ptr<SerialDevice> makeFakeDevice(FakeTerminal& t, const PortSettings* s)
{
    auto d = std::make_unique<FakeDevice>(&t);
    if (s) {
        d->info_.baudRate = s->baudrate;
        d->info_.parity = s->parity;
        d->info_.dataBits = s->databits;
        d->info_.stopBits = s->stopbits;
        d->info_.portNumber = s->serialPort;
        d->info_.devicePath = s->serialDevice;
        d->info_.connectEnabled = s->connectEnabled ? 1 : 0;
    }
    t.device = d.get();
    return d;
}

void FakeTerminal::OnWrite(const std::vector<std::uint8_t>& bytes)
{
    writes.push_back(bytes);
    const std::uint8_t* p = bytes.data();
    std::size_t n = bytes.size();
    if (n == wire::kHeaderSize && p[0] == 0x1B && p[1] == 0x02)
        HandleHeader(p);
    else if (n == wire::kReplySize && p[0] == 0x02 && p[1] == 0x01 && p[2] == 0x02 && p[7] == 0x0D)
        HandlePcReply(p);
    else if (n >= wire::kDataOverhead)
        HandleData(p, n);
}

void FakeTerminal::HandleHeader(const std::uint8_t* h)
{
    ++headersSeen;
    int status = 1;
    if (!headerStatuses.empty()) {
        status = headerStatuses.front();
        headerStatuses.pop_front();
    }
    Transfer t;
    t.code = h[5];
    t.length = wire::get32(h + 6);
    current_ = t;
    left_ = t.length;
    expect_ = 0;
    if (status < 0)
        return;
    if (status == 2) {
        received.push_back(*current_);
        current_.reset();
    }
    auto r = wire::makeReply(0, static_cast<std::uint8_t>(status));
    device->Deliver({r.begin(), r.end()});
}

void FakeTerminal::HandleData(const std::uint8_t* f, std::size_t n)
{
    int index = dataFramesSeen++;
    if (onFrame)
        onFrame(index);
    Answer a;
    auto it = frameAnswers.find(index);
    if (it != frameAnswers.end() && !it->second.empty()) {
        a = it->second.front();
        it->second.pop_front();
    }
    bool valid = f[0] == 0x02 && f[n - 3] == 0x02 && wire::get16(f + n - 2) == wire::sum16(f, n - 2);
    std::uint16_t counter = wire::dataFrameCounter(f);
    int status = a.status.value_or(valid ? 1 : 0);
    bool complete = false;
    if (!a.drop && status == 1 && valid && current_) {
        if (counter == expect_) {
            current_->payload.insert(current_->payload.end(), f + 6, f + n - 3);
            current_->frames++;
            current_->counters.push_back(counter);
            expect_ = wire::nextCounter(expect_);
            left_ -= std::min<std::uint32_t>(left_, static_cast<std::uint32_t>(n - 9));
            if (left_ == 0) {
                received.push_back(*current_);
                current_.reset();
                complete = true;
            }
        }
    }
    if (a.drop)
        return;
    std::vector<std::uint8_t> out;
    if (a.garbageFirst)
        out = {0x55, 0x02, 0x00, 0x13};
    auto r = wire::makeReply(a.counter.value_or(counter), static_cast<std::uint8_t>(status));
    out.insert(out.end(), r.begin(), r.end());
    if (a.twice)
        out.insert(out.end(), r.begin(), r.end());
    device->Deliver(out);
    if (complete && !answers.empty()) {
        Outgoing next = std::move(answers.front());
        answers.pop_front();
        Send(std::move(next));
    }
}

void FakeTerminal::Send(Outgoing out)
{
    out_ = std::move(out);
    outIndex_ = 0;
    outPos_ = 0;
    outCounter_ = 0;
    outHeaderAccepted_ = false;
    sentCount_.clear();
    std::vector<std::uint8_t> bytes;
    if (out_->restartFirst) {
        auto r = wire::makeHeader(wire::kRestart, 0);
        bytes.insert(bytes.end(), r.begin(), r.end());
    }
    auto h = wire::makeHeader(out_->code, static_cast<std::uint32_t>(out_->payload.size()));
    if (out_->badHeaderFirst)
        h[12] ^= 0x40;
    bytes.insert(bytes.end(), h.begin(), h.end());
    if (device)
        device->Deliver(bytes);
}

void FakeTerminal::SendFrame(int index, bool firstTime)
{
    std::size_t n = std::min<std::size_t>(wire::kMaxPayload, out_->payload.size() - outPos_);
    std::uint16_t counter = outCounter_;
    if (auto c = out_->counterOverride.find(index); c != out_->counterOverride.end())
        counter = c->second;
    auto frame = wire::makeDataFrame(counter, out_->payload.data() + outPos_, n);
    if (firstTime && out_->corruptOnce.count(index) && n > 0)
        frame[6] ^= 0xFF;
    sentFrames.push_back(frame);
    std::vector<std::uint8_t> bytes = frame;
    if (firstTime && out_->duplicate.count(index))
        bytes.insert(bytes.end(), frame.begin(), frame.end());
    device->Deliver(bytes);
}

void FakeTerminal::HandlePcReply(const std::uint8_t* r)
{
    pcReplies.emplace_back(r, r + wire::kReplySize);
    if (!out_)
        return;
    std::uint8_t status = r[6];
    std::uint16_t counter = wire::get16(r + 4);
    if (outHeaderAccepted_ && out_->stopAfterHeader)
        return;  // a terminal that went quiet
    if (!outHeaderAccepted_) {
        if (status == 1) {
            outHeaderAccepted_ = true;
            if (!out_->stopAfterHeader)
                SendFrame(0, true);
        } else {
            auto h = wire::makeHeader(out_->code, static_cast<std::uint32_t>(out_->payload.size()));
            device->Deliver({h.begin(), h.end()});
        }
        return;
    }
    std::uint16_t current = outCounter_;
    if (auto c = out_->counterOverride.find(outIndex_); c != out_->counterOverride.end())
        current = c->second;
    if (status == 1 && counter != current && counter != outCounter_)
        return;  // the answer to a repeated frame: the current one is on its way already
    if (status == 1) {
        std::size_t n = std::min<std::size_t>(wire::kMaxPayload, out_->payload.size() - outPos_);
        outPos_ += n;
        outCounter_ = wire::nextCounter(outCounter_);
        ++outIndex_;
        if (outPos_ >= out_->payload.size()) {
            out_.reset();
            return;
        }
        SendFrame(outIndex_, true);
    } else {
        SendFrame(outIndex_, false);
    }
}

}  // namespace feld::test
