#include "cli/CliHelp.h"

#include <QCoreApplication>

#include <cstring>

#include "base/Texts.h"
#include "cli/CliCommand.h"
#include "session/Config.h"

namespace feld::cli {
namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// A command's arguments and an example, for the commands whose help says more than their summary.
std::string details(const std::string& name)
{
    if (name == "cradle")
        return tk("cli.help.cradle", "  list               the DFU devices: product name, vendor, product and release ids\n"
                                     "  check FILE.dfu     check a firmware file and show what each kind of cradle gets\n"
                                     "  image FILE.dfu OUT write the 64 KiB memory image the file describes\n"
                                     "  update FILE.dfu    update the cradle's firmware (--index N: the device 'list' numbers)\n"
                                     "  version            the cradle's firmware version (with --usb)\n"
                                     "  --sim DESCRIPTION  a simulated cradle behind the same calls (1: the default one)\n"
                                     "  --json             list and check print JSON\n"
                                     "Example:\n  feldspan-cli cradle check firmware.dfu");
    if (name == "collect")
        return tk("cli.help.collect", "Runs the resident schedule of the FeldSpan/Standby settings until Ctrl-C.\n"
                                      "  --once   one pass, exit 1 when a file failed\n"
                                      "  --json   with --once: the pass's counts as JSON\n"
                                      "Example:\n  feldspan-cli --device /dev/ttyUSB0 collect --once");
    if (name == "config")
        return tk("cli.help.config", "  KEY        a key as 'config' lists it, e.g. FeldSpan/Settings/Baudrate\n"
                                     "  VALUE      the new value; only that key's line is written\n"
                                     "Example:\n  feldspan-cli config FeldSpan/Settings/UsbIds 0403:6001");
    if (name == "defrag")
        return tk("cli.help.defrag", "Copies every file of D:\\Fonts, D:\\Lookup and D:\\Program to the project folder, checks\n"
                                     "the copies, formats D: and sends them back. D: is formatted only when every copy is\n"
                                     "complete; a run that was interrupted is finished from its copies, never formatted again.\n"
                                     "  --yes    answer the questions with Yes (global option)\n"
                                     "Exit 0 only when every file is back.\n"
                                     "Example:\n  feldspan-cli --device /dev/ttyUSB0 --yes defrag");
    if (name == "doctor")
        return tk("cli.help.doctor", "Checks serial port access, the udev rules, ModemManager, programs holding the port,\n"
                                     "the USB-serial latency timer, USB access for cradle updates and a Chinese font.\n"
                                     "Exit 0 when all is well, 1 when something needs fixing.\n"
                                     "  --json   the checks as JSON\n"
                                     "Example:\n  feldspan-cli doctor");
    if (name == "dump")
        return tk("cli.help.dump", "  C|D   the drive\n"
                                   "  OUT   a file, or a folder for the image's own name (default: the project folder)\n"
                                   "Example:\n  feldspan-cli dump C ~/images/");
    if (name == "firmware")
        return tk("cli.help.firmware", "  KERNEL.bin   the kernel image; drives C: and D: are erased first (asks)\n"
                                       "Example:\n  feldspan-cli --device /dev/ttyUSB0 firmware KERNEL.bin");
    if (name == "format")
        return tk("cli.help.format", "  C:|D:   the drive to format (asks first; --yes answers)\n"
                                     "Example:\n  feldspan-cli format C:");
    if (name == "get")
        return tk("cli.help.get", "  TERMINAL_PATH   e.g. C:\\Data\\DATA1.TXT ('/' may stand for '\\')\n"
                                  "  LOCAL_PATH      a file, or a folder for the terminal file's name\n"
                                  "Example:\n  feldspan-cli get C:/Data/DATA1.TXT data1.txt");
    if (name == "info")
        return tk("cli.help.info", "  --json   the result as JSON\n"
                                   "Example:\n  feldspan-cli --device /dev/ttyUSB0 info --json");
    if (name == "ls")
        return tk("cli.help.ls", "  FOLDER   a terminal folder, e.g. C:\\Data\n"
                                 "  --json   the entries as JSON\n"
                                 "Example:\n  feldspan-cli ls C:/Data");
    if (name == "ping")
        return tk("cli.help.ping", "Opens the port and checks that the terminal answers.\n"
                                   "  --json   the result as JSON\n"
                                   "Example:\n  feldspan-cli --device /dev/ttyUSB0 ping");
    if (name == "ports")
        return tk("cli.help.ports", "Lists the serial ports with their USB ids, descriptions and serial numbers; the\n"
                                    "terminals the UsbIds setting names are marked.\n"
                                    "  --usb    only USB serial ports, and the one --usb would connect to\n"
                                    "  --json   the ports as JSON\n"
                                    "Example:\n  feldspan-cli ports --json");
    if (name == "put")
        return tk("cli.help.put", "  LOCAL_FILE        an ordinary file with an 8.3 name\n"
                                  "  TERMINAL_FOLDER   e.g. C:\\Data\n"
                                  "Example:\n  feldspan-cli put stock.dat C:/Data");
    if (name == "font")
        return tk("cli.help.font", "  FILE.sft   a language-support font (\"@oemb-*.sft\", an 8.3 name), sent into D:\\Fonts\n"
                                   "Exit 0 only when the terminal stored it.\n"
                                   "Example:\n  feldspan-cli --device /dev/ttyUSB0 font @oemb-tc.sft");
    if (name == "receive")
        return tk("cli.help.receive", "  NAME...   data files of C:\\Data\n"
                                      "  --to DIR  the folder to save into (default: the Receive folder of the settings)\n"
                                      "  --json    the files received as JSON\n"
                                      "Example:\n  feldspan-cli receive DATA1.TXT --to ~/scans --drop-cr");
    if (name == "rm")
        return tk("cli.help.rm", "  TERMINAL_PATH...   files (or empty folders) on the terminal\n"
                                 "Example:\n  feldspan-cli rm C:/Data/DATA1.TXT");
    if (name == "send")
        return tk("cli.help.send", "  PROJECT.ini...     project files (none: the one Builder.ini hands over)\n"
                                   "  --skip-unchanged   skip each file the terminal holds with the same name, size,\n"
                                   "                     date and time (its folders are listed first)\n"
                                   "  --json             the files sent as JSON\n"
                                   "After the send the terminal's folders are listed again: a file that is not there\n"
                                   "at the size it was sent with fails the send.\n"
                                   "Example:\n  feldspan-cli send --skip-unchanged samples/FeldBuilder/Project/SAMPLE/SAMPLE.ini");
    return {};
}

// Escapes a text for the manual page formatter.
std::string roff(const std::string& text)
{
    std::string out;
    bool lineStart = true;
    for (char c : text) {
        if (lineStart && (c == '.' || c == '\''))
            out += "\\&";
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
        lineStart = c == '\n';
    }
    return out;
}

}  // namespace

GlobalOptions::GlobalOptions()
    : settings(QStringLiteral("settings"), q(tk("cli.opt.settings", "Use this INI file instead of the user's settings.")),
               QStringLiteral("FILE")),
      device(QStringLiteral("device"), q(tk("cli.opt.device", "The terminal's serial device, for this run (e.g. /dev/ttyUSB0).")),
             QStringLiteral("PATH")),
      usb(QStringLiteral("usb"), q(tk("cli.opt.usb", "Connect over USB, for this run."))),
      baud(QStringLiteral("baud"), q(formatText(tk("cli.opt.baud", "Line speed in bit/s, for this run: one of %s."),
                                                {Config::supportedBaudRates()})),
           QStringLiteral("N")),
      yes(QStringLiteral("yes"), q(tk("cli.opt.yes", "Answer Yes/OK to every question."))),
      verbose(QStringLiteral("verbose"), q(tk("cli.opt.verbose", "Show status, port and debug lines (QT_LOGGING_RULES picks single ones)."))),
      help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, q(tk("cli.opt.help", "Show this help, or a command's."))),
      version(QStringLiteral("version"), q(tk("cli.opt.version", "Show the version."))),
      helpMan(QStringLiteral("help-man")),
      listCommands(QStringLiteral("list-commands"))
{
    // For the build (the manual page) and the shell completion, not for people.
    helpMan.setFlags(QCommandLineOption::HiddenFromHelp);
    listCommands.setFlags(QCommandLineOption::HiddenFromHelp);
}

void GlobalOptions::addTo(QCommandLineParser& parser) const
{
    parser.addOptions({settings, device, usb, baud, yes, verbose, help, version, helpMan, listCommands});
}

std::string commandHelp(const CliCommandInfo& c)
{
    std::string text = std::string("usage: feldspan-cli [OPTIONS] ") + (c.usage ? c.usage : c.name) + "\n";
    if (c.summary)
        text += std::string(c.summary) + "\n";
    if (std::string more = details(c.name); !more.empty())
        text += "\n" + more + "\n";
    return text;
}

void printProgramHelp(std::FILE* to)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(q(tk("cli.help.about", "Links this PC with the handheld terminal and its cradle.")));
    GlobalOptions().addTo(parser);
    parser.addPositionalArgument(QStringLiteral("command"), q(tk("cli.help.command", "The command to run (below).")),
                                 QStringLiteral("COMMAND [ARGS...]"));
    std::string text = parser.helpText().toStdString();
    text += "\n" + tk("cli.help.commands", "Commands:") + "\n";
    for (const auto& c : CliRegistry::all())
        text += formatText("  %-10s %s\n", {c.name, c.summary ? c.summary : ""});
    text += "\n" + tk("cli.help.footer", "Run 'feldspan-cli COMMAND --help' for a command's arguments and an example.\n"
                                         "Exit codes: 0 success, 1 failure (the reason is on stderr), 2 usage error.") +
            "\n";
    std::fputs(text.c_str(), to);
}

void printManPage(std::FILE* to)
{
    std::string page = ".TH FELDSPAN\\-CLI 1 \"\" \"FeldSpan " + std::string(kCliVersion) + "\" \"User Commands\"\n";
    page += ".SH NAME\nfeldspan\\-cli \\- the handheld terminal and its cradle from a shell\n";
    page += ".SH SYNOPSIS\n.B feldspan\\-cli\n[\\fIOPTIONS\\fR] \\fICOMMAND\\fR [\\fIARGS\\fR...]\n";
    page += ".SH DESCRIPTION\n" + roff(tk("cli.help.about", "Links this PC with the handheld terminal and its cradle.")) + "\n";
    page += ".SH OPTIONS\n";
    GlobalOptions o;
    for (const QCommandLineOption* opt : {&o.settings, &o.device, &o.usb, &o.baud, &o.yes, &o.verbose, &o.help, &o.version}) {
        std::string names;
        for (const QString& n : opt->names())
            names += (names.empty() ? "" : ", ") + std::string(n.size() == 1 ? "\\-" : "\\-\\-") + n.toStdString();
        if (!opt->valueName().isEmpty())
            names += " \\fI" + opt->valueName().toStdString() + "\\fR";
        page += ".TP\n\\fB" + names.substr(0, names.find(" \\fI")) + "\\fR" +
                (names.find(" \\fI") == std::string::npos ? "" : names.substr(names.find(" \\fI"))) + "\n" +
                roff(opt->description().toStdString()) + "\n";
    }
    page += ".SH COMMANDS\n";
    for (const auto& c : CliRegistry::all()) {
        page += ".SS " + roff(c.usage ? c.usage : c.name) + "\n";
        if (c.summary)
            page += roff(c.summary) + "\n";
        if (std::string more = details(c.name); !more.empty())
            page += ".PP\n.nf\n" + roff(more) + "\n.fi\n";
    }
    page += ".SH EXIT STATUS\n0 success, 1 failure (the reason is on standard error), 2 usage error; 128 + the signal "
            "after SIGINT, SIGTERM or SIGHUP.\n";
    page += ".SH ENVIRONMENT\n.TP\n.B QT_LOGGING_RULES\nfeldspan.link.debug=true shows the link's frames, "
            "feldspan.status.info=true the status lines.\n.TP\n.B FELDSPAN_TRACE\n1 writes a trace of the link for a problem "
            "report.\n.TP\n.B FELDSPAN_DFU_SIM\n1 puts a simulated cradle behind the cradle commands.\n.TP\n.B "
            "FELDSPAN_USB_PORTS\nPATH=VVVV:PPPP entries separated by ; stand in for the system's USB serial ports "
            "(--usb finds the terminal among them).\n";
    page += ".SH SEE ALSO\nfeldspan(1), feldspan\\-pdtsim(1)\n";
    std::fputs(page.c_str(), to);
}

}  // namespace feld::cli
