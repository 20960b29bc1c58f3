// Replacing the terminal's kernel: the flash writer first, then the kernel image, then the order to
// start flashing. Only the models we have a flash writer for are served.

#include <optional>

#include "base/Clock.h"
#include "base/Ui.h"
#include "link/LinkHost.h"
#include "link/PdtLink.h"
#include "base/Texts.h"
#include "link/wire/TermCodec.h"
#include "link/wire/TermStatus.h"

namespace feld {

namespace {

constexpr int kUpdateBaud = 115200;

}  // namespace

int PdtLink::UpdateFirmware()
{
    Ui* ui = env_.ui;
    if (env_.host)
        env_.host->BeginOperation();
    const bool serial = env_.settings.portChoice != 0;
    const int previousBaud = env_.settings.baudrate;
    if (serial && !ReopenPort(kUpdateBaud)) {
        // Nothing has happened yet: say so before anything else.
        if (ui)
            ui->fixedMessage(formatText("The port could not be switched to %d bit/s for the update: %s", {kUpdateBaud, LastConnectError()}),
                             Icon::Exclamation);
        if (env_.host)
            env_.host->AbortOperation();
        return 0;
    }

    // Whatever happens, the port goes back to the rate the user chose.
    auto end = [&](int result) {
        if (serial && !ReopenPort(previousBaud) && ui) {
            ui->fixedMessage(formatText("The port could not be set back to %d bit/s and is closed (%s); the next operation "
                                        "opens it again.",
                                        {previousBaud, LastConnectError()}),
                             Icon::Exclamation);
        }
        if (result) {
            MarkLinkAlive();
            if (env_.host)
                env_.host->EndOperation();
        } else if (env_.host) {
            env_.host->AbortOperation();
        }
        return result;
    };

    if (!ui || !accepted(ui->question(txt::kFirmwareConfirm, Buttons::OkCancel, Icon::Question)))
        return end(0);

    // The time spent choosing the file must not cost a link check (which would also put the port
    // back to the stored rate).
    MarkLinkAlive();
    FileRequest request;
    request.filter = "Kernel File (*.bin) | *.bin ||";
    request.initialName = "*.bin";
    request.initialFolder = env_.mainPath;
    request.mustExist = true;
    std::optional<std::string> kernel = ui->chooseFile(request);
    if (!kernel || kernel->empty())
        return end(0);

    if (!RunCommand(wire::kOpModel, std::string()))
        return end(0);
    if (!term::IsSupportedModel(modelClass_, modelNumber_)) {
        ui->message(txt::kNoFlashWriter, Icon::Exclamation);
        return end(0);
    }
    flashWriterPath_ = term::FlashWriterPath(env_.mainPath);

    // From here on drive C: is emptied.
    if (!RunCommand(wire::kOpFormat, "C:\\"))
        return end(0);
    // Anything but "written" means the file is not on the terminal; flashing without it would
    // leave the terminal without a working kernel.
    if (PutFile(flashWriterPath_, term::kFlashWriterTerminalFolder, 1, true, true) != 1)
        return end(0);
    if (PutFile(*kernel, std::string(), 1, false, true) != 1)
        return end(0);
    if (!accepted(ui->question(txt::kFirmwareStart, Buttons::OkCancel, Icon::Question)))
        return end(0);
    if (!RunCommand(wire::kOpFirmware, std::string()))
        return end(0);
    return end(1);
}

}  // namespace feld
