// The main window's Tools and update commands that run a core procedure on the window's worker:
// format C: and D:, defragment D:, the language-support download and the terminal's firmware
// update. The procedures ask, report and re-list the terminal tree through the Ui; the window only
// starts them (one operation at a time, the actions greyed meanwhile).

#include "app/Defragment.h"
#include "app/Maintenance.h"
#include "app/UpdateCommands.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/QtUi.h"
#include "session/Session.h"

namespace feld::gui {

void CMainFrame::OnFormatC()
{
    RunOperation([this] { Maintenance(session_, ui_).FormatC(); });
}

void CMainFrame::OnFormatD()
{
    RunOperation([this] { Maintenance(session_, ui_).FormatD(); });
}

void CMainFrame::OnDefragment()
{
    RunOperation([this] { Defragment(session_, ui_).Run(); });
}

void CMainFrame::OnLanguageDownload()
{
    RunOperation([this] { UpdateCommands(session_, config_, ui_).LanguageDownload(); });
}

void CMainFrame::OnFirmware()
{
    RunOperation([this] { UpdateCommands(session_, config_, ui_).FirmwareUpdate(); });
}

}  // namespace feld::gui
