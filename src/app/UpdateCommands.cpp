#include "app/UpdateCommands.h"

#include <atomic>

#include "base/Texts.h"
#include "base/Ui.h"
#include "link/PdtLink.h"
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

int UpdateCommands::FirmwareUpdate()
{
    int r = 0;
    {
        UpdateFlag flag(session_);
        if (!session_.ConnectLink(0))
            return 0;
        WaitCursor cursor(ui_);
        r = session_.Link()->UpdateFirmware();
    }
    ui_.message(r ? txt::kFirmwareDone : txt::kFirmwareNotDone, r ? Icon::Information : Icon::Exclamation);
    return r ? 1 : 0;
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
