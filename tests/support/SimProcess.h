#pragma once
// Starts build/bin/feldspan-pdtsim as a child process and reads the device it serves from its first
// stdout line ({"device": "/dev/pts/N"}). The simulator lives as long as this object: it is started
// with --stdin-lifetime and ends when its stdin closes, or at SIGTERM from the destructor.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "support/ProgramRunner.h"

namespace feld::test {

class SimProcess {
public:
    SimProcess() = default;
    // `args`: the simulator's options (without the program name).
    explicit SimProcess(const std::vector<std::string>& args) { start(args); }
    ~SimProcess() { stop(); }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The simulator's path: FELDSPAN_BIN_DIR (set by the test runner) or the given folder.
    static std::string program(const std::string& fallbackDir = {})
    {
        return BinProgram("feldspan-pdtsim", fallbackDir);
    }

    bool start(const std::vector<std::string>& args, const std::string& path = program())
    {
        int out[2], in[2];
        if (pipe2(out, O_CLOEXEC) != 0)
            return fail("cannot make a pipe");
        if (pipe2(in, O_CLOEXEC) != 0) {
            ::close(out[0]);
            ::close(out[1]);
            return fail("cannot make a pipe");
        }
        std::vector<std::string> all{path, "--stdin-lifetime"};
        all.insert(all.end(), args.begin(), args.end());
        pid_ = SpawnProgram(all, {in[0], out[1], -1});
        ::close(in[0]);
        ::close(out[1]);
        stdin_ = in[1];
        stdout_ = out[0];
        if (pid_ < 0)
            return fail("cannot start " + path);
        std::string line;
        if (!readLine(line, 10000))
            return fail("the simulator printed no device line");
        auto key = line.find("\"device\"");
        auto q1 = key == std::string::npos ? key : line.find('"', line.find(':', key));
        auto q2 = q1 == std::string::npos ? q1 : line.find('"', q1 + 1);
        if (q2 == std::string::npos)
            return fail("unexpected first line: " + line);
        device_ = line.substr(q1 + 1, q2 - q1 - 1);
        return true;
    }

    void stop()
    {
        if (stdin_ >= 0) {
            ::close(stdin_);
            stdin_ = -1;
        }
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            int status = 0;
            ::waitpid(pid_, &status, 0);
            pid_ = -1;
        }
        if (stdout_ >= 0) {
            ::close(stdout_);
            stdout_ = -1;
        }
    }

    // Ends the simulator at once (the device vanishes).
    void kill()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            int status = 0;
            ::waitpid(pid_, &status, 0);
            pid_ = -1;
        }
    }

    const std::string& device() const { return device_; }
    const std::string& error() const { return error_; }
    bool running() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }

private:
    bool fail(std::string why)
    {
        error_ = std::move(why);
        stop();
        return false;
    }
    bool readLine(std::string& line, int timeoutMs)
    {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        char c;
        while (std::chrono::steady_clock::now() < end) {
            pollfd p{stdout_, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0)
                continue;
            ssize_t n = ::read(stdout_, &c, 1);
            if (n <= 0)
                return false;
            if (c == '\n')
                return true;
            line.push_back(c);
        }
        return false;
    }

    pid_t pid_ = -1;
    int stdin_ = -1;
    int stdout_ = -1;
    std::string device_;
    std::string error_;
};

}  // namespace feld::test
