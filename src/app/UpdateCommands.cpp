#include "app/UpdateCommands.h"

#include <atomic>
#include <cstdint>
#include <optional>

#include "base/LocalFile.h"
#include "base/PcPath.h"
#include "base/Texts.h"
#include "base/Ui.h"
#include "link/TransferEngine.h"
#include "session/Session.h"
#include "link/PdtLink.h"
#include "link/wire/TermCodec.h"
#include "link/wire/TermNames.h"
#include "link/wire/TermStatus.h"
#include "session/Config.h"
#include "session/Session.h"

namespace feld {

// While it is set the link opens the port without pinging the terminal: the device addressed may
// not answer the terminal's protocol (a terminal about to be flashed, or a cradle).
class UpdateCommands::UpdateFlag {
public:
    explicit UpdateFlag(Session& s) : flag_(s.FirmwareUpdateFlag()) { flag_.store(1); }
    ~UpdateFlag() { flag_.store(0); }
    UpdateFlag(const UpdateFlag&) = delete;
    UpdateFlag& operator=(const UpdateFlag&) = delete;

private:
    std::atomic<int>& flag_;
};

namespace {

// No font file comes near this; a bigger file is no font.
constexpr std::uint64_t kMaxFont = 16u << 20;

// The message for the terminal's answer to the font (the chosen path fills 61235 and 61236).
int fontResultText(term::Result result)
{
    switch (result.status()) {
    case term::kDone: return txt::kCopied;
    case term::kNotFormatted: return txt::kDNotFormatted;
    case term::kNoSpace: return txt::kDFull;
    case term::kNeedsDefrag: return txt::kNeedsDefrag;
    case term::kInUse:
    case term::kInUse2:
    case term::kInUse3: return txt::kFileInUse;
    default: return txt::kCopyFailed;
    }
}

}  // namespace

int UpdateCommands::LanguageDownload()
{
    FileRequest request;
    request.title = TextCatalog::instance().text("font.choose", "語系支援下載");
    request.filter = "Font File (*.sft) |*.sft||";
    request.initialName = "@oemb-*.sft";
    request.mustExist = true;
    const std::optional<std::string> chosen = ui_.chooseFile(request);
    if (!chosen)
        return 0;
    const std::string& path = *chosen;

    // The file and its name are checked before the terminal is spoken to, and what is sent is what
    // was read here.
    LocalFile font;
    std::string why;
    if (!ReadLocalFile(path, kMaxFont, font, why)) {
        ui_.fixedMessage(why, Icon::Exclamation);
        return 0;
    }
    const std::string name = PcFileName(path);
    if (name.size() > wire::kFileNameField) {
        ui_.message(txt::kNameTooLong, Icon::Exclamation);
        return 0;
    }
    const std::string stored = wire::terminalNameFor(name);
    if (std::string bad = wire::storedNameProblem(stored); !bad.empty()) {
        ui_.fixedMessage(formatText(tk("link.badStoredName", "%s: the terminal cannot store it as %s (%s); rename the file first"),
                                    {path, stored, bad}),
                         Icon::Exclamation);
        return 0;
    }

    if (!session_.ConnectLink(0))
        return 0;
    term::Result result;
    {
        BusyWindow busy(session_);
        PdtLink* link = session_.Link();
        int version = 0, cTotal = 0, cFree = 0, dTotal = 0, dFree = 0;
        result = link->GetDiskInfo(version, cTotal, cFree, dTotal, dFree);
        if (result.ok()) {
            if (version < term::kOldFirmware && !accepted(ui_.question(txt::kOldFirmwareWarning, Buttons::YesNo)))
                return 0;
            result = version >= term::kPathFirmware ? link->PutLoadedFileToPath(font, "d:\\fonts\\" + stored, 1, true)
                                              : link->PutLoadedFile(font, "d:\\fonts", 1, false, true);
        }
    }
    const int text = fontResultText(result);
    if (text == txt::kCopied)
        ui_.message(text, Icon::Information, {path});
    else if (text == txt::kCopyFailed)
        ui_.showMessage(text, term::explained(trf(text, {path}), result), Icon::Exclamation);
    else
        ui_.message(text, Icon::Exclamation);
    return result.status();
}

int UpdateCommands::FirmwareUpdate()
{
    term::Result r;
    {
        UpdateFlag flag(session_);
        if (!session_.ConnectLink(0))
            return 0;
        WaitCursor cursor(ui_);
        r = session_.Link()->UpdateFirmware();
    }
    if (r.ok())
        ui_.message(txt::kFirmwareDone, Icon::Information);
    else
        ui_.showMessage(txt::kFirmwareNotDone, term::explained(tr(txt::kFirmwareNotDone), r), Icon::Exclamation);
    return r.ok() ? 1 : 0;
}

std::string UpdateCommands::FormatCradleVersion(int tenths)
{
    return formatText("  %.1f ", {tenths * 0.1});
}

UpdateCommands::CradleVersion UpdateCommands::AboutCradle()
{
    CradleVersion v;
    if (config_.port.portChoice != 0) {
        ui_.message(txt::kCradleNeedsUsb, Icon::Exclamation);
        return v;
    }
    UpdateFlag flag(session_);
    if (!session_.ConnectLink(0))
        return v;
    v.ok = 1;
    v.tenths = session_.Link()->GetCradleVersion();
    v.text = TextCatalog::instance().text("about.cradle.version", "充電座韌體版本") + FormatCradleVersion(v.tenths);
    return v;
}

}  // namespace feld
