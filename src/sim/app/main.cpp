// feldspan-pdtsim: a simulated data terminal on a pseudo-terminal.
//
// Start it, read the first line of its stdout ({"device": "/dev/pts/N"}), open that device as the
// terminal's port, and talk to it as to a real terminal. It ends on SIGTERM or SIGINT, or with
// --stdin-lifetime when its stdin closes.
//
// --force-status STATUS[:WHEN[:COUNT]] makes it answer with a status of your choice (repeatable):
//   WHEN file    (default) the first data frame of the next file sent to it (code 3 or 8); the
//                file is not stored. E.g. 11:file gives "drive D: must be defragmented".
//   WHEN frame   the next PC data frame of any transfer
//   WHEN header  the next PC header ("none:header" leaves it unanswered)
//   WHEN op      the reply data of the next command (byte 0 = STATUS + 100); op=N only for op N
//   COUNT        how many times (default 1) or "all". STATUS "none" = no answer (frame, header).
//   Status 3 replies carry the model of --model (class in bytes 4-5, number in bytes 1-2).
// Status 10 comes by itself for a name the terminal cannot keep: a file to be stored under anything
// but an upper-case 8.3 name (ROMWrite.abp apart), or a path with a ".", ".." or empty component,
// a "/", a drive other than C: or D:, a link or a part that is no 8.3 name.
// Statuses 4, 5 and 6 also come by themselves: --unformatted C|D, --c-size/--d-size, a file that
// exists sent with overwrite flag 0. --need-flash-writer answers 3 to every file until
// C:\Program\ROMWrite.abp is stored; op 17 answers 3 whenever that file is missing.
// --hostile-names makes every folder listing also hold ".", "..", "../EVIL.TXT" and "..\EVIL.TXT"
// (and op 3 serve the last two), to show that the PC never lets such names out of its folder.
//
// --log FILE writes one JSON object a line, flushed as it happens, each with "seq", "ms" and
// "event": receive and send (transfers: code, length, result), link-check, command (op, argument,
// status or entries), stored (code, type, name, path, size_field, date and time as the hex bytes of
// the two words, when, overwrite; kernel images add kernel_length, kernel_length_ok,
// kernel_sum_ok), refused (why, status; name, or op and argument), format (drive), delete (path),
// firmware-update, fault (kind: corrupt, drop, busy, restart, duplicate, repeat, forced), abandoned (why).

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include "sim/SimConfig.h"
#include "sim/SimLog.h"
#include "sim/SimPty.h"
#include "sim/SimTerminal.h"

using namespace feld::sim;

int main(int argc, char** argv)
{
    SimConfig config;
    bool help = false;
    std::string error;
    if (!parseSimArgs(argc, argv, config, help, error)) {
        std::fprintf(stderr, "feldspan-pdtsim: %s\n", error.c_str());
        return 2;
    }
    if (help) {
        std::fputs(simUsage(), stdout);
        return 0;
    }

    // Signals are taken by the main thread alone, through a descriptor it waits on.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    int sigFd = signalfd(-1, &signals, SFD_CLOEXEC);

    bool tempRoot = false;
    if (config.root.empty()) {
        std::string tmpl = (std::filesystem::temp_directory_path() / "feldspan-pdtsim-XXXXXX").string();
        if (!mkdtemp(tmpl.data())) {
            std::perror("feldspan-pdtsim: cannot make a temporary folder");
            return 1;
        }
        config.root = tmpl;
        tempRoot = true;
    }
    auto cleanup = [&] {
        if (tempRoot) {
            std::error_code ec;
            std::filesystem::remove_all(config.root, ec);
        }
    };

    SimLog log(config.logPath);
    if (!log.ok()) {
        std::fprintf(stderr, "feldspan-pdtsim: %s\n", log.error().c_str());
        cleanup();
        return 1;
    }
    SimPty pty;
    bool opened = config.device.empty() ? pty.openPty() : pty.openDevice(config.device, config.baud);
    if (!opened) {
        std::fprintf(stderr, "feldspan-pdtsim: %s\n", pty.error().c_str());
        cleanup();
        return 1;
    }
    int status = 0;
    {
        SimTerminal terminal(config, pty.fd(), log);
        if (!terminal.prepare(error)) {
            std::fprintf(stderr, "feldspan-pdtsim: %s\n", error.c_str());
            cleanup();
            return 1;
        }
        std::printf("{\"device\": %s}\n", SimLog::quote(pty.path()).c_str());
        std::fflush(stdout);
        terminal.start();

        pollfd fds[2] = {{sigFd, POLLIN, 0}, {config.stdinLifetime ? 0 : -1, POLLIN, 0}};
        for (;;) {
            int r = poll(fds, 2, -1);
            if (r < 0)
                continue;
            if (fds[0].revents)
                break;
            if (fds[1].revents) {
                char buf[256];
                ssize_t n = read(0, buf, sizeof buf);
                if (n <= 0)
                    break;
            }
        }
        terminal.stop();
    }
    pty.close();
    cleanup();
    return status;
}
