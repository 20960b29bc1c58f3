#include "cli/CliUi.h"


#include <cctype>
#include <chrono>

#include "base/AsciiCase.h"
#include "base/PcFiles.h"
#include "cli/CliLog.h"

namespace feld::cli {
namespace {

const char* prefixOf(Icon icon)
{
    switch (icon) {
    case Icon::Stop:
    case Icon::Exclamation: return "error: ";
    case Icon::Warning: return "warning: ";
    case Icon::Question: return "question: ";
    default: return "";
    }
}

// Texts carry Windows line ends ("\r\n"); a terminal wants "\n".
std::string plainLines(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i] == '\r' ? '\n' : text[i];
    }
    return out;
}

const char* buttonsHint(Buttons b)
{
    switch (b) {
    case Buttons::YesNo: return " [y/N] ";
    case Buttons::OkCancel: return " [ok/Cancel] ";
    case Buttons::YesAllNoAllCancel: return " [y = yes, a = yes to all, N = no, none = no to all, c = cancel] ";
    default: return " [Enter] ";
    }
}

const char* answerName(Answer a)
{
    switch (a) {
    case Answer::Ok: return "OK";
    case Answer::Cancel: return "Cancel";
    case Answer::Yes: return "Yes";
    case Answer::No: return "No";
    case Answer::YesToAll: return "Yes to all";
    case Answer::NoToAll: return "No to all";
    }
    return "";
}


// "12.5 KiB", "3.1 MiB", "512 B".
std::string sizeText(double bytes)
{
    char buf[32];
    if (bytes < 1024)
        std::snprintf(buf, sizeof buf, "%.0f B", bytes);
    else if (bytes < 1024.0 * 1024)
        std::snprintf(buf, sizeof buf, "%.1f KiB", bytes / 1024);
    else
        std::snprintf(buf, sizeof buf, "%.1f MiB", bytes / (1024.0 * 1024));
    return buf;
}

// "0:07", "12:30".
std::string durationText(double seconds)
{
    long s = static_cast<long>(seconds + 0.5);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%ld:%02ld", s / 60, s % 60);
    return buf;
}

const char* kindName(ProgressKind k)
{
    switch (k) {
    case ProgressKind::Sending: return "sending";
    case ProgressKind::Receiving: return "receiving";
    case ProgressKind::Format: return "formatting";
    case ProgressKind::Defragment: return "defragmenting";
    }
    return "";
}

}  // namespace

// One progress window: a bar redrawn in place on a terminal, a few plain lines otherwise.
class CliUi::Bar : public ProgressView {
public:
    Bar(CliUi& ui, std::string caption, std::string label) : ui_(ui), caption_(std::move(caption)), label_(std::move(label))
    {
        startMs_ = now();
        draw(0, true);
    }
    ~Bar() override
    {
        std::lock_guard lock(ui_.mutex_);
        if (ui_.barDrawn_) {
            std::fputc('\n', ui_.io_.err);
            ui_.barDrawn_ = false;
        }
        std::fflush(ui_.io_.err);
    }
    void setPercent(int percent) override { draw(percent < 0 ? 0 : percent > 100 ? 100 : percent, false); }
    void setBytes(std::int64_t done, std::int64_t total) override
    {
        {
            std::lock_guard lock(ui_.mutex_);
            if (done < 0 || total <= 0)
                return;
            done_ = done;
            total_ = total;
        }
        const std::int64_t percent = done >= total ? 100 : done * 100 / total;
        draw(static_cast<int>(percent), ui_.errTerminal_);
    }
    void setLabel(const std::string& text) override
    {
        {
            std::lock_guard lock(ui_.mutex_);
            label_ = plainLines(text);
            for (auto& c : label_)
                if (c == '\n')
                    c = ' ';
        }
        draw(percent_, true);
    }

private:
    std::int64_t now() const
    {
        if (ui_.io_.nowMs)
            return ui_.io_.nowMs();
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }

    // For a transfer: "12.0 KiB of 40.0 KiB, 10.8 KiB/s, 0:03 left" (the rate once a moment has
    // passed); empty for other work.
    std::string bytesPart() const
    {
        if (total_ <= 0)
            return {};
        std::string text = sizeText(static_cast<double>(done_)) + " / " + sizeText(static_cast<double>(total_));
        const double seconds = static_cast<double>(now() - startMs_) / 1000.0;
        if (seconds >= 0.2 && done_ > 0) {
            const double rate = static_cast<double>(done_) / seconds;
            text += ", " + sizeText(rate) + "/s";
            if (done_ < total_)
                text += ", " + durationText(static_cast<double>(total_ - done_) / rate) + " left";
        }
        return text;
    }

    void draw(int percent, bool force)
    {
        std::lock_guard lock(ui_.mutex_);
        if (!force && percent == percent_)
            return;
        percent_ = percent;
        const std::string bytes = bytesPart();
        if (ui_.errTerminal_) {
            constexpr int width = 30;
            int filled = percent * width / 100;
            std::string bar(static_cast<std::size_t>(filled), '#');
            bar.append(static_cast<std::size_t>(width - filled), '-');
            std::fprintf(ui_.io_.err, "\r%s [%s] %3d%%%s%s%s%s\x1b[K", caption_.c_str(), bar.c_str(), percent,
                         bytes.empty() ? "" : "  ", bytes.c_str(), label_.empty() ? "" : "  ", label_.c_str());
            ui_.barDrawn_ = true;
        } else if (force || percent >= lastPrinted_ + 25 || (percent == 100 && lastPrinted_ < 100)) {
            // Not a terminal (a log, a pipe): a line at the start, each quarter and the end.
            std::fprintf(ui_.io_.err, "%s: %d%%%s%s%s%s%s\n", caption_.c_str(), percent, bytes.empty() ? "" : " (",
                         bytes.c_str(), bytes.empty() ? "" : ")", label_.empty() ? "" : " ", label_.c_str());
            lastPrinted_ = percent - percent % 25;
            if (percent == 100)
                lastPrinted_ = 100;
        }
        std::fflush(ui_.io_.err);
    }

    CliUi& ui_;
    std::string caption_;
    std::string label_;
    int percent_ = -1;
    int lastPrinted_ = 0;
    std::int64_t startMs_ = 0;
    std::int64_t done_ = 0, total_ = 0;
};

CliUi::CliUi(bool yes, bool verbose) : CliUi(yes, verbose, Streams{}) {}

CliUi::CliUi(bool yes, bool verbose, Streams streams) : yes_(yes), verbose_(verbose), io_(streams)
{
    interactive_ = io_.interactive ? *io_.interactive : IsTerminal(io_.in);
    errTerminal_ = io_.errIsTerminal ? *io_.errIsTerminal : IsTerminal(io_.err);
}

void CliUi::presetFile(const std::string& path)
{
    std::lock_guard lock(mutex_);
    presets_.push_back(path);
}

void CliUi::writeErrLocked(const std::string& text)
{
    if (barDrawn_) {
        std::fputc('\n', io_.err);
        barDrawn_ = false;
    }
    std::fputs(text.c_str(), io_.err);
    std::fflush(io_.err);
}

void CliUi::errorLine(const std::string& text)
{
    std::lock_guard lock(mutex_);
    writeErrLocked(text + "\n");
}

void CliUi::showMessage(int id, const std::string& text, Icon icon)
{
    (void)id;
    std::lock_guard lock(mutex_);
    if (icon == Icon::Stop || icon == Icon::Exclamation) {
        if (problems_++ == 0)
            firstProblem_ = plainLines(text);
    }
    writeErrLocked(std::string(prefixOf(icon)) + plainLines(text) + "\n");
}

int CliUi::problemsShown() const
{
    std::lock_guard lock(mutex_);
    return problems_;
}

std::string CliUi::firstProblem() const
{
    std::lock_guard lock(mutex_);
    return firstProblem_;
}

Answer CliUi::ask(int id, const std::string& text, Buttons buttons, Icon icon)
{
    (void)id;
    (void)icon;
    const Answer positive = buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    const Answer negative = buttons == Buttons::Ok ? Answer::Ok : unanswered(buttons);
    std::lock_guard lock(mutex_);
    std::string question = plainLines(text);
    if (yes_ || buttons == Buttons::Ok) {
        writeErrLocked(question + " -> " + answerName(positive) + (yes_ ? " (--yes)\n" : "\n"));
        return positive;
    }
    if (!interactive_) {
        writeErrLocked(question + " -> " + answerName(negative) + " (no terminal to ask; use --yes to accept)\n");
        return negative;
    }
    writeErrLocked(question + buttonsHint(buttons));
    char buf[64];
    if (!std::fgets(buf, sizeof buf, io_.in)) {
        writeErrLocked(std::string("\n-> ") + answerName(negative) + "\n");
        return negative;
    }
    std::string reply = buf;
    // Drop the rest of an over-long line so it does not answer the next question.
    if (reply.find('\n') == std::string::npos) {
        int c;
        while ((c = std::fgetc(io_.in)) != EOF && c != '\n') {
        }
    }
    while (!reply.empty() && std::isspace(static_cast<unsigned char>(reply.back())))
        reply.pop_back();
    reply = asciiLower(reply);
    if (buttons == Buttons::YesAllNoAllCancel) {
        if (reply == "y" || reply == "yes")
            return Answer::Yes;
        if (reply == "a" || reply == "all")
            return Answer::YesToAll;
        if (reply == "none")
            return Answer::NoToAll;
        if (reply == "c" || reply == "cancel")
            return Answer::Cancel;
        return Answer::No;
    }
    bool yes = buttons == Buttons::YesNo ? (reply == "y" || reply == "yes") : (reply == "o" || reply == "ok" || reply == "y" || reply == "yes");
    return yes ? positive : negative;
}

std::unique_ptr<ProgressView> CliUi::openProgress(ProgressKind kind, const std::string& caption, const std::string& label)
{
    std::string c = caption.empty() ? kindName(kind) : plainLines(caption);
    std::string l = plainLines(label);
    for (auto& ch : l)
        if (ch == '\n')
            ch = ' ';
    return std::make_unique<Bar>(*this, c, l);
}

bool CliUi::showStatus() const { return verbose_ || lcStatus().isInfoEnabled(); }
bool CliUi::showDebug() const { return verbose_ || lcLink().isDebugEnabled(); }

void CliUi::setStatusText(const std::string& text)
{
    if (!showStatus() || text.empty())
        return;
    std::lock_guard lock(mutex_);
    writeErrLocked("status: " + plainLines(text) + "\n");
}

void CliUi::setActivityIcon(int code)
{
    (void)code;  // the progress bar already shows that something is happening
}

void CliUi::showPortStatus(bool disconnected, const std::string& portText)
{
    if (!showStatus())
        return;
    std::lock_guard lock(mutex_);
    writeErrLocked("port: " + (disconnected ? std::string("not connected") : portText) + "\n");
}

bool CliUi::editPortSettings(PortSettings& settings)
{
    // The port comes from the stored settings and the command line; nothing to ask here.
    (void)settings;
    if (showStatus()) {
        std::lock_guard lock(mutex_);
        writeErrLocked("port settings: taken from the settings and the command line\n");
    }
    return true;
}

std::optional<std::string> CliUi::nextPreset(const char* what, const std::string& title)
{
    std::lock_guard lock(mutex_);
    if (presets_.empty()) {
        if (showStatus())
            writeErrLocked(std::string(what) + " \"" + plainLines(title) + "\": none given -> Cancel\n");
        return std::nullopt;
    }
    std::string path = presets_.front();
    presets_.pop_front();
    return path;
}

std::optional<std::string> CliUi::chooseFile(const FileRequest& request)
{
    return nextPreset("file", request.title);
}

std::optional<std::string> CliUi::chooseFolder(const std::string& title, const std::string& start)
{
    (void)start;
    return nextPreset("folder", title);
}

void CliUi::setWaitCursor(bool on)
{
    (void)on;
}

void CliUi::addMessageLine(const std::string& line)
{
    std::lock_guard lock(mutex_);
    if (barDrawn_) {
        std::fputc('\n', io_.err);
        std::fflush(io_.err);
        barDrawn_ = false;
    }
    std::fputs((plainLines(line) + "\n").c_str(), io_.out);
    std::fflush(io_.out);
}

void CliUi::messageLinesToStderr()
{
    std::lock_guard lock(mutex_);
    io_.out = io_.err;
}

void CliUi::terminalFolderChanged(const std::string& terminalPath)
{
    (void)terminalPath;
}

void CliUi::debugLine(const std::string& line)
{
    if (!showDebug())
        return;
    // The link's lines may start or end with line breaks of their own: one "debug:" line each,
    // never an empty one.
    std::string text = plainLines(line);
    const std::size_t b = text.find_first_not_of('\n');
    if (b == std::string::npos)
        return;
    text = text.substr(b, text.find_last_not_of('\n') - b + 1);
    std::lock_guard lock(mutex_);
    writeErrLocked("debug: " + text + "\n");
}

}  // namespace feld::cli
