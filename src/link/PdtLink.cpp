#include "link/PdtLink.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "base/Clock.h"
#include "base/Texts.h"
#include "base/Ui.h"
#include "link/LinkHost.h"
#include "link/LinkPort.h"
#include "link/TransferProgress.h"
#include "link/serial/CSerialCom.h"

namespace feld {

namespace {

constexpr int kLinkAliveSeconds = 30;
constexpr int kRetryLimit = 40;
// A terminal that answers "busy" (status 7) or keeps repeating an old frame is waited for, but
// not for ever: after this many in a row for one frame the transfer fails.
constexpr int kBusyLimit = 200;
constexpr int kDuplicateLimit = 40;
constexpr int kSettleMs = 100;
constexpr std::uint8_t kStatusOk = 1;
constexpr std::uint8_t kStatusReject = 0;

}  // namespace

PdtLink::PdtLink(LinkEnv env) : env_(std::move(env))
{
    if (!env_.clock)
        env_.clock = &systemClock();
    replyDeadline_ = env_.clock->monotonicSeconds();
}

PdtLink::~PdtLink()
{
    CloseReceivedFile(false);
    CloseTrace();
    port_.reset();
}

// ---- helpers ---------------------------------------------------------------------------------

void PdtLink::Debug(const std::string& line)
{
    if (env_.ui)
        env_.ui->debugLine(line);
}

void PdtLink::Trace(const void* data, std::size_t n)
{
    if (traceFile_ && n > 0)
        std::fwrite(data, 1, n, traceFile_);
}

void PdtLink::OpenTrace()
{
    CloseTrace();
    if (env_.tracePath.empty())
        return;
    std::error_code ec;
    std::filesystem::path p(env_.tracePath);
    if (p.has_parent_path())
        std::filesystem::create_directories(p.parent_path(), ec);
    traceFile_ = std::fopen(env_.tracePath.c_str(), "wb");
}

void PdtLink::CloseTrace()
{
    if (traceFile_) {
        std::fclose(traceFile_);
        traceFile_ = nullptr;
    }
}

std::unique_ptr<LinkPort> PdtLink::MakePort()
{
    PortSettings fallback;
    const PortSettings& s = env_.settings ? *env_.settings : fallback;
    std::unique_ptr<SerialDevice> device = env_.makePort ? env_.makePort(s) : std::make_unique<CSerialCom>(s);
    if (!device)
        return nullptr;
    return std::make_unique<LinkPort>(std::move(device), env_.settings, env_.ui);
}

// ---- reply timer -----------------------------------------------------------------------------

void PdtLink::StartReplyTimer()
{
    bool usb = env_.settings && env_.settings->portChoice == 0;
    if (usb) {
        replyTimeout_ = 2;
    } else {
        int baud = port_ ? port_->BaudRate() : (env_.settings ? env_.settings->baudrate : 0);
        switch (baud) {
        case 4800: replyTimeout_ = 8; break;
        case 9600: replyTimeout_ = 4; break;
        case 19200:
        case 38400:
        case 57600:
        case 115200: replyTimeout_ = 2; break;
        default:
            // Other rates: the same rule the table follows (a 4800 bit/s line waits 8 s), never
            // less than 2 s.
            if (baud > 0)
                replyTimeout_ = std::max(2, (38400 + baud - 1) / baud);
            else if (replyTimeout_ == 0)
                replyTimeout_ = 2;
            break;
        }
    }
    replyDeadline_ = env_.clock->monotonicSeconds() + replyTimeout_;
}

bool PdtLink::IsReplyTimedOut()
{
    timedOut_ = env_.clock->monotonicSeconds() > replyDeadline_ ? 1 : 0;
    return timedOut_ != 0;
}

void PdtLink::WaitForInput(std::size_t want)
{
    if (!port_)
        return;
    // The wait ends at the first millisecond of the second after the deadline.
    std::int64_t left = (replyDeadline_ + 1) * 1000 - env_.clock->monotonicMs();
    if (left <= 0)
        return;
    if (env_.clock == &systemClock()) {
        // One blocking wait covers the whole time; bytes wake it at once.
        port_->WaitReadable(static_cast<int>(std::min<std::int64_t>(left, 60'000)), want);
        return;
    }
    // An injected clock: let time pass on that clock instead.
    if (!port_->WaitReadable(0))
        env_.clock->sleepMs(static_cast<int>(std::min<std::int64_t>(left, 50)));
}

// ---- frames ----------------------------------------------------------------------------------

int PdtLink::SendHeaderFrame(std::uint8_t code, std::uint32_t length)
{
    auto h = wire::makeHeader(code, length);
    return port_->Write(h.data(), h.size());
}

int PdtLink::SendDataFrame(std::uint16_t counter, const std::uint8_t* data, std::size_t n)
{
    auto head = wire::makeDataHead(counter);
    auto tail = wire::makeDataTail(head.data(), data, n);
    // The terminal's reply is waited for next; a frame that did not go out simply gets none.
    return port_->PostFrame(head.data(), head.size(), data, n, tail.data(), tail.size());
}

int PdtLink::SendAckFrame(std::uint16_t counter, std::uint8_t status, bool wait)
{
    auto r = wire::makeReply(counter, status);
    if (wait)
        return port_->Write(r.data(), r.size());
    return port_->PostFrame(r.data(), r.size(), nullptr, 0, nullptr, 0);
}

bool PdtLink::WaitReplyFrame(std::array<std::uint8_t, wire::kReplySize>& frame)
{
    StartReplyTimer();
    std::uint8_t buf[1024];
    std::size_t fill = 0;
    std::size_t scan = 0;  // offsets below this cannot start a frame
    std::uint16_t sum = 0;
    while (port_) {
        if (fill + wire::kReplySize >= sizeof buf) {
            // Keep the bytes that may still begin a frame.
            std::size_t keep = fill - scan;
            std::memmove(buf, buf + scan, keep);
            fill = keep;
            scan = 0;
        }
        std::size_t got = 0;
        port_->ReadRing(buf + fill, wire::kReplySize, got, sum);
        if (got > 0) {
            fill += got;
            for (; scan + wire::kReplySize <= fill; ++scan) {
                if (wire::looksLikeReply(buf + scan)) {
                    std::memcpy(frame.data(), buf + scan, wire::kReplySize);
                    Trace(frame.data(), frame.size());
                    return true;
                }
            }
            // Skip the bytes that cannot start a frame even before the rest has arrived.
            while (scan < fill && buf[scan] != 0x02)
                ++scan;
            continue;
        }
        if (IsReplyTimedOut() || !port_->IsOpen())
            return false;  // no answer in time, or the device went away
        WaitForInput(fill - scan >= wire::kReplySize ? 1 : wire::kReplySize - (fill - scan));
    }
    return false;
}

void PdtLink::TakeModelReply(const std::uint8_t* frame)
{
    modelClass_ = static_cast<std::int16_t>(wire::replyModelClass(frame));
    modelNumber_ = wire::replyModelNumber(frame);
    if (modelClass_ != 191)
        return;
    switch (modelNumber_) {
    case 9035:
    case 9051:
    case 9067:
    case 10113:
    case 10121: {
        std::filesystem::path p(env_.mainPath);
        flashWriterPath_ = (p / "DP" / "SST_RW.abp").string();
        break;
    }
    default:
        if (env_.ui)
            env_.ui->message(61223, Icon::Exclamation);
        break;
    }
}

int PdtLink::CheckReplyFrame(const std::uint8_t* frame, std::uint16_t expected)
{
    if (frame[0] != 0x02 || frame[9] != 0x02)
        return 0;
    if (frame[7] != 0x0D || frame[8] != 0x0A)
        return 0;
    if (wire::get16(frame + 10) != wire::sum16(frame, 10))
        return 0;
    std::uint8_t status = frame[6];
    if (status == 3) {
        // Bytes 4-5 carry the model class here, not a counter.
        TakeModelReply(frame);
        return 3;
    }
    std::uint16_t counter = wire::get16(frame + 4);
    if (counter != 0 && counter != expected)
        return 0;
    return status;
}

// ---- send ------------------------------------------------------------------------------------

int PdtLink::SendTransfer(std::uint8_t code, std::uint32_t length, const std::uint8_t* data, bool show)
{
    if (!port_ || (length > 0 && !data))
        return 0;
    TransferProgress progress(ProgressKind::Sending, 0, static_cast<int>(std::min<std::uint32_t>(length, 0x7fffffff)),
                              transferTitle_, env_.ui, env_.clock);
    if (show)
        progress.Create();
    StartReplyTimer();
    env_.clock->sleepMs(kSettleMs);

    std::uint32_t remaining = length;
    const std::uint8_t* pos = data;
    blockCounter_ = 0;
    port_->ResetRing();

    auto finish = [&](int result) {
        progress.Close();
        if (result == 0 || result == 2 || result == 3 || result == 9 || result > 15)
            CloseReceivedFile(false);
        return result;
    };

    std::array<std::uint8_t, wire::kReplySize> reply{};
    int w = SendHeaderFrame(code, length);
    int status = w == kWriteOk && WaitReplyFrame(reply) ? CheckReplyFrame(reply.data(), 0) : 0;
    if (status == 0) {
        Debug(formatText("\nS[1], Retry[%d]", {1}));
        return finish(0);
    }
    if (status == 2)
        return finish(1);

    int retries = 0;
    int busy = 0;
    for (;;) {
        std::size_t n = std::min<std::size_t>(wire::kMaxPayload, remaining);
        // Whatever still waits in the ring belongs to an earlier exchange (a repeated reply, say);
        // it must not be taken for the answer to this frame.
        port_->ResetRing();
        w = SendDataFrame(blockCounter_, pos, n);
        Trace("Send", 4);
        if (show)
            progress.SetPos(static_cast<std::int64_t>(length) - remaining);
        status = w == kWriteOk && WaitReplyFrame(reply) ? CheckReplyFrame(reply.data(), blockCounter_) : 0;
        switch (status) {
        case 0:
            if (!port_->IsOpen())
                return finish(0);  // the device went away: resending cannot help
            port_->Purge();
            ++retries;
            Debug(formatText("\nS[2], Retry[%d]", {retries}));
            if (retries >= kRetryLimit)
                return finish(0);
            continue;
        case 1:
            blockCounter_ = wire::nextCounter(blockCounter_);
            pos += n;
            remaining -= static_cast<std::uint32_t>(n);
            if (remaining == 0) {
                if (show)
                    progress.SetPos(length);
                return finish(1);
            }
            retries = 0;
            busy = 0;
            continue;
        case 7:
            if (++busy >= kBusyLimit)
                return finish(0);
            continue;  // the terminal is busy: same frame again, no attempt used
        case 9:
            if (env_.ui)
                env_.ui->fixedMessage("Power is too low.", Icon::Exclamation);
            return finish(9);
        case 3:
            return finish(3);
        default:
            if (status == 2 || status > 15) {
                if (env_.ui)
                    env_.ui->fixedMessage(formatText("PDT return error : %d ! ", {status}), Icon::Exclamation);
            }
            return finish(status);
        }
    }
}

// ---- receive ---------------------------------------------------------------------------------

void PdtLink::CloseReceivedFile(bool complete)
{
    if (receivedFile_) {
        std::fclose(receivedFile_);
        receivedFile_ = nullptr;
        if (!complete && !receivedFilePath_.empty()) {
            // A half-written file is no copy of the terminal's: do not leave it looking like one.
            std::error_code ec;
            std::filesystem::remove(receivedFilePath_, ec);
        }
    }
    fileState_ = 0;
}

bool PdtLink::StoreBlock(const std::uint8_t* payload, std::size_t payloadSize)
{
    ++replyChunkCount_;
    switch (replyKind_) {
    case wire::kFile: {
        std::size_t skip = 0;
        if (replyChunkCount_ == 1) {
            if (payloadSize < 32 || receivedFilePath_.empty())
                return false;  // no file header, or nowhere to put the file
            fileSize_ = wire::get32(payload + 14);
            fileWritten_ = 0;
            receivedFile_ = std::fopen(receivedFilePath_.c_str(), "wb");
            if (!receivedFile_)
                return false;
            fileState_ = 2;
            skip = 32;
        }
        if (fileState_ != 2)
            return true;  // the file is complete; anything after it is not the file's
        std::size_t n = std::min<std::size_t>(payloadSize - skip, fileSize_ - fileWritten_);
        if (n > 0 && std::fwrite(payload + skip, 1, n, receivedFile_) != n)
            return false;
        fileWritten_ += static_cast<std::uint32_t>(n);
        if (fileWritten_ >= fileSize_) {
            bool ok = std::fflush(receivedFile_) == 0;
            std::fclose(receivedFile_);
            receivedFile_ = nullptr;
            fileState_ = 0;
            if (!ok)
                return false;
        }
        return true;
    }
    case wire::kCommand:
    case wire::kReplyData:
        if (replyChunkCount_ == 1)
            replyData_.clear();
        replyData_.insert(replyData_.end(), payload, payload + payloadSize);
        replyRecordCount_ = static_cast<int>((replyData_.size() + 27) / 28);
        return true;
    default:
        return true;  // accepted and dropped
    }
}

int PdtLink::ReceiveTransfer(bool show)
{
    if (!port_)
        return 0;
    env_.clock->sleepMs(kSettleMs);
    TransferProgress progress(ProgressKind::Receiving, 0, 10, transferTitle_, env_.ui, env_.clock);
    if (show)
        progress.Create();
    StartReplyTimer();

    enum class State { Reset, ReadHeader, CheckHeader, StartBlock, ReadBlock, CheckBlock, Done, Failed };
    State state = State::Reset;
    int retries = 0;
    int duplicates = 0;
    std::uint8_t header[wire::kHeaderSize];
    std::uint8_t block[wire::kMaxDataFrame];
    std::size_t outstanding = 0;
    std::size_t frameSize = 0;
    std::uint16_t sum = 0;
    std::int64_t receiveLength = 0;
    std::int64_t totalLength = 0;
    receiveFailed_ = false;

    auto readInto = [&](std::uint8_t* dest, std::size_t total) {
        std::size_t got = 0;
        port_->ReadRing(dest + (total - outstanding), outstanding, got, sum);
        if (got > 0) {
            Trace(dest + (total - outstanding), got);
            outstanding -= got;
        }
        return got;
    };

    while (retries < kRetryLimit && state != State::Done && state != State::Failed) {
        switch (state) {
        case State::Reset:
            outstanding = wire::kHeaderSize;
            blockCounter_ = 0;
            sum = 0;
            replyKind_ = 0;
            replyChunkCount_ = 0;
            CloseReceivedFile(false);
            state = State::ReadHeader;
            break;
        case State::ReadHeader:
            if (readInto(header, wire::kHeaderSize) == 0 && outstanding > 0) {
                if (IsReplyTimedOut() || !port_->IsOpen()) {
                    retries = kRetryLimit;
                    break;
                }
                WaitForInput(outstanding);
            }
            if (outstanding == 0)
                state = State::CheckHeader;
            break;
        case State::CheckHeader: {
            std::uint16_t own = static_cast<std::uint16_t>(sum - header[12] - header[13]);
            if (header[0] != 0x1B || header[1] != 0x02 || wire::get16(header + 12) != own) {
                // Whatever followed the bad header is out of step; the terminal sends its header again.
                port_->ResetRing();
                SendAckFrame(0, kStatusReject, false);
                state = State::Reset;
                break;
            }
            if (header[5] == wire::kRestart) {
                state = State::Reset;
                break;
            }
            replyKind_ = header[5];
            receiveLength = wire::get32(header + 6);
            totalLength = receiveLength;
            blockCounter_ = 0;
            duplicates = 0;
            if (SendAckFrame(0, kStatusOk) != kWriteOk) {
                state = State::Failed;
                break;
            }
            progress.SetHigh(totalLength);
            state = State::StartBlock;
            break;
        }
        case State::StartBlock:
            sum = 0;
            frameSize = receiveLength > static_cast<std::int64_t>(wire::kMaxPayload)
                            ? wire::kMaxDataFrame
                            : static_cast<std::size_t>(receiveLength) + wire::kDataOverhead;
            receiveLength -= static_cast<std::int64_t>(wire::kMaxPayload);
            outstanding = frameSize;
            StartReplyTimer();
            state = State::ReadBlock;
            break;
        case State::ReadBlock:
            if (readInto(block, frameSize) == 0 && outstanding > 0) {
                if (!port_->IsOpen()) {
                    state = State::Failed;  // the device went away: waiting longer cannot help
                    break;
                }
                if (IsReplyTimedOut()) {
                    receiveLength += static_cast<std::int64_t>(wire::kMaxPayload);
                    ++retries;
                    // A part frame that stopped coming is stale: start clean.
                    port_->ResetRing();
                    SendAckFrame(0, kStatusReject, false);
                    StartReplyTimer();
                    state = State::StartBlock;
                    break;
                }
                WaitForInput(outstanding);
            }
            if (outstanding == 0)
                state = State::CheckBlock;
            break;
        case State::CheckBlock: {
            wire::DataCheck check = wire::checkDataFrame(block, frameSize, sum, blockCounter_);
            if (check == wire::DataCheck::Invalid) {
                port_->ResetRing();
                port_->Purge();
                outstanding = frameSize;
                sum = 0;
                SendAckFrame(blockCounter_, kStatusReject, false);
                ++retries;
                StartReplyTimer();
                state = State::ReadBlock;
            } else if (check == wire::DataCheck::Duplicate) {
                if (++duplicates > kDuplicateLimit) {
                    state = State::Failed;
                    break;
                }
                outstanding = frameSize;
                sum = 0;
                port_->ResetRing();
                port_->Purge();
                StartReplyTimer();
                SendAckFrame(wire::dataFrameCounter(block), kStatusOk, false);
                state = State::ReadBlock;
            } else {
                duplicates = 0;
                if (!StoreBlock(block + wire::kDataHeadSize, frameSize - wire::kDataOverhead)) {
                    receiveFailed_ = true;
                    state = State::Failed;
                    break;
                }
                // The last block's answer is waited for: the receive is only done once it went out.
                SendAckFrame(blockCounter_, kStatusOk, receiveLength <= 0);
                if (show)
                    progress.SetPos(totalLength - std::max<std::int64_t>(receiveLength, 0));
                if (receiveLength > 0) {
                    blockCounter_ = wire::nextCounter(blockCounter_);
                    state = State::StartBlock;
                } else {
                    state = State::Done;
                }
            }
            break;
        }
        case State::Done:
        case State::Failed:
            break;
        }
    }
    Debug("\nnReceive_Process[End]");
    progress.Close();
    if (state != State::Done) {
        CloseReceivedFile(false);
        return 0;
    }
    if (replyKind_ == wire::kFile && (receivedFile_ || replyChunkCount_ == 0)) {
        // The transfer ended before the file it announced was complete.
        CloseReceivedFile(false);
        return 0;
    }
    return 1;
}

// ---- connection ------------------------------------------------------------------------------

int PdtLink::IsPortOpen() { return port_ && port_->IsOpen() ? 1 : 0; }

void PdtLink::MarkLinkAlive() { linkAliveDeadline_ = env_.clock->monotonicSeconds() + kLinkAliveSeconds; }

int PdtLink::ReopenPort(int baud)
{
    if (!env_.settings || env_.settings->portChoice == 0)
        return 1;
    port_.reset();  // releases the device before the new port opens it
    port_ = MakePort();
    if (!port_)
        return 0;
    port_->Device().SetPortSerial();
    port_->SetOwner(this);
    port_->Device().CloseConnection();
    if (baud != 0)
        port_->SetBaudRate(baud);
    if (!port_->Device().OpenConnection())
        return 0;
    port_->SetMode(LinkPort::kModeRing);
    return 1;
}

int PdtLink::EnsureLink()
{
    if (linkAliveDeadline_ != 0 && env_.clock->monotonicSeconds() < linkAliveDeadline_)
        return 1;
    if (!ReopenPort(0))
        return 0;
    int r = SendTransfer(wire::kLinkCheck, 0, nullptr, false);
    if (env_.settings && env_.settings->portChoice == 0) {
        env_.clock->sleepMs(kSettleMs);
        r = SendTransfer(wire::kLinkCheck, 0, nullptr, false);
    }
    if (r != 1)
        return 0;
    MarkLinkAlive();
    return 1;
}

void PdtLink::ShowPortStatus(int disconnected)
{
    if (env_.host)
        env_.host->ShowPortStatus(disconnected);
}

int PdtLink::Connect(int force)
{
    connectFailureShown_ = false;
    lastConnectError_.clear();
    PortSettings fallback;
    PortSettings& settings = env_.settings ? *env_.settings : fallback;
    bool openNow = false;  // USB without a serial port number: straight to opening

    if (port_ && port_->IsOpen() && !force) {
        ShowPortStatus(0);
        return 1;
    }
    if (settings.portChoice != 0) {
        if (!port_)
            port_ = MakePort();
        if (!port_) {
            ShowPortStatus(1);
            return 0;
        }
        port_->Device().SetPortSerial();
        port_->SetOwner(this);
        if (!port_->ShowSettings()) {
            lastConnectError_ = "the port settings were cancelled";
            ShowPortStatus(1);
            return 0;
        }
        linkAliveDeadline_ = 0;
        const TtyInfo& info = port_->Device().Info();
        settings.serialPort = info.portNumber;
        settings.selPort = info.selPort;
        settings.baudrate = info.baudRate;
        settings.databits = info.dataBits;
        settings.parity = info.parity;
        settings.stopbits = info.stopBits;
        settings.serialDevice = info.devicePath;
        settings.connectEnabled = info.connectEnabled != 0;
        port_->Device().CloseConnection();
    } else {
        if (port_)
            port_->Device().CloseConnection();
        else
            port_ = MakePort();
        if (!port_) {
            ShowPortStatus(1);
            return 0;
        }
        if (port_->Device().SetPortUSB() != 1) {
            lastConnectError_ = port_->Device().LastError();
            ShowPortStatus(1);
            return 0;
        }
        int com = port_->Device().UsbComNumber();
        if (com != 0) {
            linkAliveDeadline_ = 0;
            settings.serialPort = com;
            settings.baudrate = 115200;
            settings.databits = 8;
            settings.parity = 0;
            settings.stopbits = 0;
            TtyInfo& info = port_->Device().Info();
            info.portNumber = com;
            info.baudRate = 115200;
            info.dataBits = 8;
            info.parity = 0;
            info.stopBits = 0;
            port_->Device().CloseConnection();
        } else {
            port_->SetOwner(this);
            ShowPortStatus(0);
            linkAliveDeadline_ = 0;
            openNow = true;
        }
    }
    if (!openNow && port_->ConnectEnabled() == 0) {
        lastConnectError_ = "connecting is switched off in the port settings";
        return 0;
    }
    if (!port_->Device().OpenConnection()) {
        if (env_.ui) {
            std::string text = TextCatalog::instance().text(61243);
            std::string why = port_->Device().LastError();
            lastConnectError_ = why;
            if (!why.empty())
                text += "\n" + why;
            env_.ui->showMessage(61243, text, Icon::Exclamation);
            connectFailureShown_ = true;
        }
        ShowPortStatus(1);
        return 0;
    }
    port_->SetMode(LinkPort::kModeRing);
    if (env_.firmwareUpdateFlag && env_.firmwareUpdateFlag->load() != 0) {
        ShowPortStatus(0);
        return 1;
    }
    if (EnsureLink()) {
        ShowPortStatus(0);
        return 1;
    }
    if (port_ && !port_->Device().LastError().empty())
        lastConnectError_ = port_->Device().LastError();
    else
        lastConnectError_ = "the terminal did not answer the link check (is it switched on and in transfer mode?)";
    return 0;
}

}  // namespace feld
