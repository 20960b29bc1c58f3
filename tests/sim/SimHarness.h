#pragma once
// A simulated terminal run in-process on a pseudo-terminal, and a bare PC end that speaks raw
// frames to it, so the tests see exactly the bytes the terminal sends.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include "link/wire/Frames.h"
#include "link/wire/TermCodec.h"
#include "sim/SimConfig.h"
#include "sim/SimLog.h"
#include "sim/SimPty.h"
#include "sim/SimTerminal.h"
#include "support/TestFiles.h"

namespace feld::sim::test {

using Bytes = std::vector<std::uint8_t>;

using feld::test::Pattern;

// The PC's end of the line: blocking reads with a time-out, whole frames written at once.
class RawPc {
public:
    explicit RawPc(const std::string& device)
    {
        fd_ = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd_ >= 0)
            makeRaw(fd_, 0);
    }
    ~RawPc()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool ok() const { return fd_ >= 0; }

    void write(const std::uint8_t* p, std::size_t n)
    {
        std::size_t done = 0;
        while (done < n) {
            ssize_t r = ::write(fd_, p + done, n - done);
            if (r > 0)
                done += static_cast<std::size_t>(r);
            else {
                pollfd f{fd_, POLLOUT, 0};
                poll(&f, 1, 100);
            }
        }
    }
    template <class C>
    void write(const C& c) { write(c.data(), c.size()); }

    // Exactly n bytes, or false after timeoutMs.
    bool read(Bytes& out, std::size_t n, int timeoutMs = 5000)
    {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (buf_.size() < n) {
            int left = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count());
            if (left <= 0)
                return false;
            pollfd f{fd_, POLLIN, 0};
            if (poll(&f, 1, left) <= 0)
                continue;
            std::uint8_t tmp[65536];
            ssize_t r = ::read(fd_, tmp, sizeof tmp);
            if (r > 0) {
                buf_.insert(buf_.end(), tmp, tmp + r);
                chunks_.push_back({std::chrono::steady_clock::now(), static_cast<std::size_t>(r)});
            }
        }
        out.assign(buf_.begin(), buf_.begin() + static_cast<std::ptrdiff_t>(n));
        buf_.erase(buf_.begin(), buf_.begin() + static_cast<std::ptrdiff_t>(n));
        return true;
    }
    // True when nothing at all arrives within ms.
    bool quiet(int ms)
    {
        Bytes b;
        return buf_.empty() && !read(b, 1, ms);
    }

    // The reply to what we just sent; status -1 when none came.
    wire::Reply readReply(int timeoutMs = 5000, Bytes* raw = nullptr)
    {
        Bytes r;
        if (!read(r, wire::kReplySize, timeoutMs))
            return {0xFFFF, 0xFF};
        if (raw)
            *raw = r;
        auto p = wire::parseReply(r.data());
        return p ? *p : wire::Reply{0xFFFE, 0xFE};
    }

    // The PC's side of a transfer to the terminal: header, then the data frames, each answered.
    // Resends on 0, 7 and (after resendMs) on silence. Returns the first status other than 1, or 1.
    int send(std::uint8_t code, const Bytes& payload, int resendMs = 3000)
    {
        write(wire::makeHeader(code, static_cast<std::uint32_t>(payload.size())));
        auto h = readReply();
        if (h.status != 1)
            return h.status == 0xFF ? -1 : h.status;
        std::size_t pos = 0;
        std::uint16_t counter = 0;
        do {
            std::size_t n = std::min(wire::kMaxPayload, payload.size() - pos);
            auto f = wire::makeDataFrame(counter, payload.data() + pos, n);
            for (int attempt = 0;; ++attempt) {
                if (attempt > 40)
                    return 0;
                write(f);
                Bytes raw;
                auto r = readReply(resendMs, &raw);
                lastRaw_ = raw;
                if (r.status == 0 || r.status == 7 || r.status == 0xFF || r.status == 0xFE) {
                    ++resends_;
                    continue;
                }
                if (r.status != 1)
                    return r.status;
                break;
            }
            pos += n;
            counter = wire::nextCounter(counter);
        } while (pos < payload.size());
        return 1;
    }

    // The PC's side of a transfer from the terminal; rejects bad frames and accepts duplicates
    // without keeping them. Returns the transfer code, or -1.
    int receive(Bytes& payload, int timeoutMs = 5000)
    {
        payload.clear();
        Bytes h;
        wire::Header hd;
        for (;;) {
            if (!read(h, wire::kHeaderSize, timeoutMs))
                return -1;
            auto p = wire::parseHeader(h.data());
            if (!p) {
                ++badFrames_;
                write(wire::makeReply(0, 0));
                continue;
            }
            if (p->code == wire::kRestart) {
                ++restarts_;
                continue;
            }
            hd = *p;
            break;
        }
        write(wire::makeReply(0, 1));
        std::uint32_t remaining = hd.length;
        std::uint16_t expected = 0;
        bool first = true;
        Bytes last;
        while (first || remaining > 0) {
            std::size_t n = std::min<std::size_t>(wire::kMaxPayload, remaining);
            Bytes f;
            if (!read(f, n + wire::kDataOverhead, timeoutMs))
                return -1;
            if (wire::startsLikeRepeat(f.data(), f.size(), last)) {
                Bytes rest;
                if (!read(rest, last.size() - f.size(), timeoutMs))
                    return -1;
                f.insert(f.end(), rest.begin(), rest.end());
            }
            auto c = wire::checkDataFrame(f.data(), f.size(), wire::sum16(f.data(), f.size()), expected, last);
            if (c == wire::DataCheck::Invalid) {
                ++badFrames_;
                write(wire::makeReply(expected, 0));
                continue;
            }
            if (c == wire::DataCheck::Duplicate) {
                ++duplicates_;
                write(wire::makeReply(wire::dataFrameCounter(f.data()), 1));
                continue;
            }
            if (f.size() != n + wire::kDataOverhead) {
                ++badFrames_;
                write(wire::makeReply(expected, 0));
                continue;
            }
            last = f;
            payload.insert(payload.end(), f.begin() + 6, f.begin() + 6 + static_cast<std::ptrdiff_t>(n));
            remaining -= static_cast<std::uint32_t>(n);
            write(wire::makeReply(expected, 1));
            expected = wire::nextCounter(expected);
            first = false;
        }
        return hd.code;
    }

    // A command and its answer. Returns the status of the command's own transfer (1 when taken).
    int command(std::uint8_t op, const std::string& arg, Bytes& answer, int* code = nullptr)
    {
        int st = send(wire::kCommand, wire::makeCommand(op, arg));
        if (st != 1)
            return st;
        int c = receive(answer);
        if (code)
            *code = c;
        return c < 0 ? -1 : 1;
    }
    // The status byte of a command's reply data (-1 when none).
    int commandStatus(std::uint8_t op, const std::string& arg)
    {
        Bytes a;
        int st = command(op, arg, a);
        if (st != 1)
            return 1000 + st;
        auto s = wire::replyDataStatus(a.data(), a.size());
        return s ? *s : -1;
    }

    int resends_ = 0, badFrames_ = 0, duplicates_ = 0, restarts_ = 0;
    Bytes lastRaw_;
    // Every read from the line: when, and how many bytes it gave (how the terminal's bytes came).
    struct Chunk {
        std::chrono::steady_clock::time_point at;
        std::size_t size;
    };
    std::vector<Chunk> chunks_;

private:
    int fd_ = -1;
    Bytes buf_;
};

// A code-3 file: the 32-byte header and the bytes.
inline Bytes filePayload(const std::string& name, const Bytes& body, std::uint8_t type = wire::kTypeData,
                         std::uint8_t overwrite = 0)
{
    wire::FileHeader h;
    h.type = type;
    h.name = name;
    h.sizeField = static_cast<std::uint32_t>(body.size());
    h.date = {0x21, 0x3A};
    h.time = {0xAF, 0x6D};
    h.overwrite = overwrite;
    auto hb = wire::makeFileHeader(h);
    Bytes p(wire::kFileHeaderSize + body.size());
    std::copy(hb->begin(), hb->end(), p.begin());
    std::copy(body.begin(), body.end(), p.begin() + wire::kFileHeaderSize);
    return p;
}

inline Bytes pathPayload(const std::string& path, const Bytes& body, std::uint8_t overwrite = 0)
{
    wire::PathFileHeader h;
    h.path = path;
    h.sizeField = static_cast<std::uint32_t>(body.size());
    h.overwrite = overwrite;
    auto p = *wire::makePathFileHeader(h);
    p.insert(p.end(), body.begin(), body.end());
    return p;
}

// One simulated terminal on a fresh pty with a fresh drive folder, and a PC end on its device.
class SimRig : public ::testing::Test {
protected:
    void start(SimConfig cfg = {})
    {
        namespace fs = std::filesystem;
        char tmpl[] = "/tmp/simtest-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        if (cfg.root.empty())
            cfg.root = dir_ + "/root";
        root_ = cfg.root;
        ASSERT_TRUE(pty_.openPty()) << pty_.error();
        terminal_ = std::make_unique<SimTerminal>(cfg, pty_.fd(), log_);
        std::string error;
        ASSERT_TRUE(terminal_->prepare(error)) << error;
        terminal_->start();
        pc_ = std::make_unique<RawPc>(pty_.path());
        ASSERT_TRUE(pc_->ok());
    }
    void TearDown() override
    {
        if (terminal_)
            terminal_->stop();
        pc_.reset();
        terminal_.reset();
        if (!dir_.empty())
            std::filesystem::remove_all(dir_);
    }
    // Log lines holding all of the given fragments.
    int logCount(std::initializer_list<const char*> parts)
    {
        int n = 0;
        for (const auto& l : log_.lines()) {
            bool all = true;
            for (const char* p : parts)
                all = all && l.find(p) != std::string::npos;
            n += all;
        }
        return n;
    }
    std::string hostFile(const std::string& rel) { return root_ + "/" + rel; }
    Bytes readHost(const std::string& rel)
    {
        std::ifstream f(hostFile(rel), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }

    std::string dir_, root_;
    SimPty pty_;
    SimLog log_;
    std::unique_ptr<SimTerminal> terminal_;
    std::unique_ptr<RawPc> pc_;
};

}  // namespace feld::sim::test
