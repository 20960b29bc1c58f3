#pragma once
// The help texts of feldspan-cli: the program's, each command's (arguments and an example), and
// the manual page made from the same texts at build time.

#include <QCommandLineParser>

#include <cstdio>
#include <string>

namespace feld::cli {

struct CliCommandInfo;

// The program's version, as the desktop program gives it.
inline constexpr const char* kCliVersion = "3.00A";

// The global options, their descriptions in the user's language.
struct GlobalOptions {
    QCommandLineOption settings, device, usb, baud, yes, verbose, help, version, helpMan, listCommands;
    GlobalOptions();
    void addTo(QCommandLineParser& parser) const;
};

// "usage: feldspan-cli [OPTIONS] ls [--json] FOLDER", the summary, then the command's arguments
// and example when it has them.
std::string commandHelp(const CliCommandInfo& command);
void printProgramHelp(std::FILE* to);
// The manual page, in the formatter's language, from the same texts.
void printManPage(std::FILE* to);

}  // namespace feld::cli
