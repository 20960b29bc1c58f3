#pragma once
// How a command line program ends when it is asked to from outside: Ctrl-C, SIGTERM and SIGHUP on
// Linux; Ctrl-C, Ctrl-Break, the console window closed, the user logging off and the system shutting
// down on Windows. Either way the temporaries of a fetch under way go first (RemoveTemporariesNow)
// and the exit code is the one a shell expects of the matching signal: 130 for Ctrl-C, 143 for a
// request to terminate, 129 for a closed terminal.

namespace feld {

// Exit codes of a program ended from outside.
constexpr int kExitInterrupted = 128 + 2;  // Ctrl-C
constexpr int kExitTerminated = 128 + 15;  // SIGTERM; Ctrl-Break, log-off, shut-down
constexpr int kExitHungUp = 128 + 1;       // SIGHUP; the console closed

// From now on each of those requests ends the program at once, with `note` on stderr.
void EndOnInterrupt(const char* note);

// From now on the first Ctrl-C or request to terminate only marks StopRequested(): a loop stops at
// its next step. A second one, or a closed console, ends the program at once as EndOnInterrupt does.
void StopOnInterrupt();
bool StopRequested();

}  // namespace feld
