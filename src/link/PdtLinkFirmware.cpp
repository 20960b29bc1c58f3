// Replacing the terminal's kernel: the flash writer first, then the kernel image, then the order to
// start flashing. Only the models we have a flash writer for are served.

#include <optional>

#include "base/Clock.h"
#include "base/LocalFile.h"
#include "base/PcPath.h"
#include "base/Ui.h"
#include "link/LinkHost.h"
#include "link/PdtLink.h"
#include "base/Texts.h"
#include "link/wire/TermCodec.h"
#include "link/wire/TermStatus.h"

namespace feld {

namespace {

constexpr int kUpdateBaud = 115200;
// A kernel image or flash writer bigger than this is no such file.
constexpr std::uint64_t kMaxImageBytes = 64ull << 20;

bool endsWithBin(const std::string& path)
{
    if (path.size() < 4)
        return false;
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return tail == ".bin";
}

// Sets the link's "this is the kernel image" mark for one transfer.
class KernelMark {
public:
    explicit KernelMark(bool& mark) : mark_(mark) { mark_ = true; }
    ~KernelMark() { mark_ = false; }
    KernelMark(const KernelMark&) = delete;
    KernelMark& operator=(const KernelMark&) = delete;

private:
    bool& mark_;
};

}  // namespace

bool PdtLink::ReadKernelImage(const std::string& path, LocalFile& kernel, std::string& why)
{
    if (!ReadLocalFile(path, kMaxImageBytes, kernel, why)) {
        why = formatText(tk("link.kernelUnread", "%s; nothing on the terminal was changed"), {why});
        return false;
    }
    if (!endsWithBin(kernel.path)) {
        why = formatText(tk("link.notKernel", "%s is not a kernel image (a .bin file); nothing on the terminal "
                                              "was changed"),
                         {kernel.path});
        return false;
    }
    if (kernel.bytes.empty() || kernel.bytes.size() % 4 != 0) {
        why = formatText(tk("link.kernelOddSizeKept", "%s is %u bytes long: a kernel image is a whole number "
                                                     "of 4-byte words; nothing on the terminal was changed"),
                         {kernel.path, static_cast<unsigned long long>(kernel.bytes.size())});
        return false;
    }
    return true;
}

term::Result PdtLink::UpdateFirmware()
{
    Ui* ui = env_.ui;
    if (env_.host)
        env_.host->BeginOperation();
    const bool serial = env_.settings.portChoice != 0;
    const int previousBaud = env_.settings.baudrate;
    if (serial && !ReopenPort(kUpdateBaud)) {
        // Nothing has happened yet: say so before anything else.
        if (ui)
            ui->fixedMessage(formatText(tk("link.updateBaud", "The port could not be switched to %d bit/s for the update: %s"),
                                        {kUpdateBaud, LastConnectError()}),
                             Icon::Exclamation);
        if (env_.host)
            env_.host->AbortOperation();
        return term::kFailed;
    }

    // Whatever happens, the port goes back to the rate the user chose.
    auto end = [&](term::Result result) {
        if (serial && !ReopenPort(previousBaud) && ui) {
            ui->fixedMessage(formatText(tk("link.baudBack", "The port could not be set back to %d bit/s and is closed (%s); "
                                                           "the next operation opens it again."),
                                        {previousBaud, LastConnectError()}),
                             Icon::Exclamation);
        }
        if (result.ok()) {
            MarkLinkAlive();
            if (env_.host)
                env_.host->EndOperation();
        } else if (env_.host) {
            env_.host->AbortOperation();
        }
        return result;
    };

    if (!ui || !accepted(ui->question(txt::kFirmwareConfirm, Buttons::OkCancel, Icon::Question)))
        return end(term::kFailed);

    // Every file the update needs is checked before drive C: is formatted: a missing flash writer
    // or a file that is no kernel image found only afterwards would erase the user's data for nothing.
    const std::string writerPath = term::FlashWriterPath(env_.mainPath);
    LocalFile writer;
    std::string why;
    if (!ReadLocalFile(writerPath, kMaxImageBytes, writer, why) || writer.bytes.empty()) {
        ui->fixedMessage(formatText(tk("link.noWriter", "The flash writer %s is missing or cannot be read (%s). It comes from "
                                                      "the terminal's vendor with the terminal's own software: put it "
                                                      "there and try again. Nothing on the terminal was changed."),
                                    {writerPath, why.empty() ? tk("link.writerEmpty", "it is empty") : why}),
                         Icon::Exclamation);
        return end(term::kFailed);
    }

    // The time spent choosing the file must not cost a link check (which would also put the port
    // back to the stored rate).
    MarkLinkAlive();
    FileRequest request;
    request.filter = "Kernel File (*.bin) | *.bin ||";
    request.initialName = "*.bin";
    request.initialFolder = env_.mainPath;
    request.mustExist = true;
    std::optional<std::string> chosen = ui->chooseFile(request);
    if (!chosen || chosen->empty())
        return end(term::kFailed);
    LocalFile kernel;
    if (!ReadKernelImage(*chosen, kernel, why)) {
        ui->fixedMessage(why, Icon::Exclamation);
        return end(term::kFailed);
    }
    if (!CheckNameForSending(kernel.path, wire::terminalNameFor(PcFileName(kernel.path))))
        return end(term::kFailed);

    // A step the terminal did not confirm ends the update there, with the terminal's reason.
    if (term::Result r = RunCommand(wire::kOpModel, std::string()); !r.ok())
        return end(r);
    if (!term::IsSupportedModel(modelClass_, modelNumber_)) {
        ui->showMessage(txt::kNoFlashWriter, term::unsupportedModelText(modelClass_, modelNumber_), Icon::Exclamation);
        return end(term::kFailed);
    }
    flashWriterPath_ = writerPath;

    // From here on drive C: is emptied.
    if (term::Result r = RunCommand(wire::kOpFormat, "C:\\"); !r.ok())
        return end(r);
    // Anything but "written" means the file is not on the terminal; flashing without it would
    // leave the terminal without a working kernel.
    if (term::Result r = PutLoadedFile(writer, term::kFlashWriterTerminalFolder, 1, true, true); !r.ok())
        return end(r);
    {
        KernelMark mark(sendingKernel_);
        if (term::Result r = PutLoadedFile(kernel, std::string(), 1, false, true); !r.ok())
            return end(r);
    }
    if (!accepted(ui->question(txt::kFirmwareStart, Buttons::OkCancel, Icon::Question)))
        return end(term::kFailed);
    return end(RunCommand(wire::kOpFirmware, std::string()));
}

}  // namespace feld
