#pragma once
// Runs a program to its end and hands back what it did: the exit code (or the signal that ended it),
// stdout, stderr, the wall time and its CPU time. A program still running at the time-out is killed
// with everything it started, and the result says so. Also finds the project's own programs.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace feld::test {

// The folder of the project's programs: FELDSPAN_BIN_DIR (set by the test runner), else `fallback`,
// else the bin folder beside the running program's own folder (build/tests or build/bin).
inline std::string BinDir(const std::string& fallback = {})
{
    if (const char* d = std::getenv("FELDSPAN_BIN_DIR"); d && *d)
        return d;
    if (!fallback.empty())
        return fallback;
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : (self.parent_path().parent_path() / "bin").string();
}
inline std::string BinProgram(const std::string& name, const std::string& fallbackDir = {})
{
    return BinDir(fallbackDir) + "/" + name;
}

// `s` as one word of a shell command line.
inline std::string ShellQuote(const std::string& s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct RunOptions {
    // "NAME=value" sets a variable, a bare "NAME" removes it: on top of the inherited environment,
    // or on an empty one with replaceEnv.
    std::vector<std::string> env;
    bool replaceEnv = false;
    std::optional<std::string> input;  // the program's stdin; without it stdin is /dev/null
    std::string workDir;               // empty: this process's own
    int timeoutMs = 300000;            // 0: no time-out
    std::function<void(pid_t)> started;  // called with the child's pid once it runs
};

struct RunResult {
    int rc = -1;     // the exit status; -1 when the program did not start or did not exit by itself
    int signal = 0;  // the signal that ended it
    bool timedOut = false;
    std::string out, err;  // a time-out is also noted at the end of err, so failure messages show it
    double seconds = 0;     // wall time
    double cpuSeconds = 0;  // user and system time of the program
};

namespace detail {

inline std::vector<char*> cStrings(std::vector<std::string>& v)
{
    std::vector<char*> p;
    for (auto& s : v)
        p.push_back(s.data());
    p.push_back(nullptr);
    return p;
}

inline std::vector<std::string> childEnv(const RunOptions& o)
{
    std::vector<std::string> env;
    // A bare environment still carries the sanitizers' settings of a sanitized test run.
    for (char** e = environ; *e; ++e)
        if (!o.replaceEnv || std::string_view(*e).find("SAN_OPTIONS=") != std::string_view::npos)
            env.emplace_back(*e);
    for (const auto& change : o.env) {
        const std::string prefix = change.substr(0, change.find('=')) + "=";
        std::erase_if(env, [&](const std::string& e) { return e.compare(0, prefix.size(), prefix) == 0; });
        if (change.find('=') != std::string::npos)
            env.push_back(change);
    }
    return env;
}

}  // namespace detail

// Starts `argv` in a process group of its own with `fds` as its stdin, stdout and stderr (-1: this
// process's own). The child gets SIGPIPE's default action back. Returns its pid, or -1.
inline pid_t SpawnProgram(std::vector<std::string> argv, std::array<int, 3> fds, const RunOptions& o = {})
{
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    for (int i = 0; i < 3; ++i)
        if (fds[i] >= 0)
            posix_spawn_file_actions_adddup2(&fa, fds[i], i);
    if (!o.workDir.empty())
        posix_spawn_file_actions_addchdir_np(&fa, o.workDir.c_str());
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t def;
    sigemptyset(&def);
    sigaddset(&def, SIGPIPE);
    posix_spawnattr_setsigdefault(&attr, &def);
    posix_spawnattr_setpgroup(&attr, 0);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF);
    std::vector<std::string> env = detail::childEnv(o);
    pid_t pid = -1;
    int rc = posix_spawn(&pid, argv[0].c_str(), &fa, &attr, detail::cStrings(argv).data(),
                         detail::cStrings(env).data());
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&fa);
    return rc == 0 ? pid : -1;
}

// Runs `argv` (argv[0] a path) to its end: stdout and stderr are read as they come, so a program
// that fills a pipe never stalls, and the time-out holds even when a child of it keeps them open.
inline RunResult RunProgram(const std::vector<std::string>& argv, const RunOptions& o = {})
{
    using Clock = std::chrono::steady_clock;
    RunResult r;
    int out[2], err[2], in[2] = {-1, -1};
    if (!o.input)
        in[0] = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0 || (o.input && ::pipe2(in, O_CLOEXEC) != 0)) {
        r.err = "cannot make a pipe";
        return r;
    }
    if (o.input) {
        ::signal(SIGPIPE, SIG_IGN);  // a program that ends before reading its input is no fault here
        ::fcntl(in[1], F_SETFL, O_NONBLOCK);
    }
    const auto start = Clock::now();
    const pid_t pid = SpawnProgram(argv, {in[0], out[1], err[1]}, o);
    if (pid > 0 && o.started)
        o.started(pid);
    for (int fd : {in[0], out[1], err[1]})
        ::close(fd);
    std::array<int, 3> fds{out[0], err[0], in[1]};
    if (pid < 0 || (o.input && o.input->empty())) {
        if (fds[2] >= 0)
            ::close(fds[2]);
        fds[2] = -1;
    }
    std::string* sinks[2] = {&r.out, &r.err};
    std::size_t fed = 0;
    const auto end = start + std::chrono::milliseconds(o.timeoutMs);
    while (pid > 0 && (fds[0] >= 0 || fds[1] >= 0)) {
        pollfd p[3];
        for (int i = 0; i < 3; ++i)
            p[i] = {fds[i], static_cast<short>(i < 2 ? POLLIN : POLLOUT), 0};
        long long wait = -1;  // milliseconds; -1 waits for ever
        if (o.timeoutMs > 0)
            wait = std::max(0LL, static_cast<long long>(
                                     std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now()).count()));
        int n = wait == 0 ? 0 : ::poll(p, 3, static_cast<int>(wait));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            r.timedOut = true;
            ::kill(-pid, SIGKILL);
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (!p[i].revents)
                continue;
            char buf[65536];
            ssize_t got = ::read(fds[i], buf, sizeof buf);
            if (got > 0)
                sinks[i]->append(buf, static_cast<std::size_t>(got));
            else if (got == 0 || errno != EINTR) {
                ::close(fds[i]);
                fds[i] = -1;
            }
        }
        if (p[2].revents) {
            ssize_t put = ::write(fds[2], o.input->data() + fed, o.input->size() - fed);
            fed += put > 0 ? static_cast<std::size_t>(put) : 0;
            if ((put < 0 && errno != EAGAIN && errno != EINTR) || fed == o.input->size()) {
                ::close(fds[2]);
                fds[2] = -1;
            }
        }
    }
    for (int fd : fds)
        if (fd >= 0)
            ::close(fd);
    if (pid < 0) {
        r.err = "cannot start " + argv[0];
        return r;
    }
    int status = 0;
    rusage ru{};
    while (::wait4(pid, &status, 0, &ru) < 0 && errno == EINTR) {
    }
    r.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    r.cpuSeconds = static_cast<double>(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
                   static_cast<double>(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
    if (WIFEXITED(status) && !r.timedOut)
        r.rc = WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        r.signal = WTERMSIG(status);
    if (r.timedOut)
        r.err += "\n[" + argv[0] + " killed after " + std::to_string(o.timeoutMs) + " ms]\n";
    return r;
}

// A shell command line (sh -c), for pipelines and the shell's own settings such as ulimit.
inline RunResult RunShell(const std::string& line, const RunOptions& o = {})
{
    return RunProgram({"/bin/sh", "-c", line}, o);
}

}  // namespace feld::test
