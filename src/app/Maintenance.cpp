#include "app/Maintenance.h"

#include <string>

#include "base/Texts.h"
#include "base/Ui.h"
#include "link/PdtLink.h"
#include "link/wire/TermCodec.h"
#include "link/wire/TermStatus.h"
#include "session/Session.h"

namespace feld {

namespace {

// The format question names the drive it empties: a user who chose the wrong one sees it here.
Answer askFormat(Ui& ui, const char* drive)
{
    const std::string text = formatText(tk("format.confirmDrive", "磁碟機 %s 內的檔案會全部消失!!\r\n你確定要格式化磁碟機 %s?"), {drive, drive});
    return ui.ask(txt::kFormatConfirm, text, Buttons::YesNo, Icon::Exclamation);
}

}  // namespace

int Maintenance::Format(const char* drive)
{
    const term::Result r = session_.Link()->RunCommand(wire::kOpFormat, drive);
    if (r.ok()) {
        ui_.message(txt::kFormatDone, Icon::Information);
        ui_.terminalFolderChanged(drive);
    } else {
        ui_.showMessage(txt::kFormatFailed, term::explained(tr(txt::kFormatFailed), r), Icon::Exclamation);
    }
    session_.EndOperation();
    return r.ok() ? 1 : 0;
}

int Maintenance::FormatC()
{
    if (!session_.ConnectLink(0))
        return 0;
    if (!accepted(askFormat(ui_, "C:")))
        return 0;
    session_.BeginOperation();
    return Format("C:\\");
}

int Maintenance::FormatD()
{
    if (!session_.ConnectLink(0))
        return 0;
    session_.BeginOperation();
    int count = 0;
    const std::uint8_t* entries = session_.Link()->ListDirectory("C:\\", count);
    if (!entries) {
        // The terminal did not answer the listing: that says nothing about drive C:.
        ui_.message(txt::kFormatFailed, Icon::Exclamation);
        session_.AbortOperation();
        return 0;
    }
    if (count == 0) {
        ui_.message(txt::kFormatCBeforeD, Icon::Exclamation);
        session_.AbortOperation();
        return 0;
    }
    if (!accepted(askFormat(ui_, "D:"))) {
        session_.AbortOperation();
        return 0;
    }
    return Format("D:\\");
}

}  // namespace feld
