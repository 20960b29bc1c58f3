#include "gui/app/AppStart.h"

#include <algorithm>

#include <QCoreApplication>
#include <QTranslator>

#include "base/Language.h"
#include "base/Texts.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/QtUi.h"
#include "session/Config.h"
#include "session/Session.h"
#include "session/Translations.h"

namespace feld::gui {

namespace {

const int kBauds[] = {4800, 9600, 19200, 38400, 57600, 115200};

}  // namespace

std::optional<QString> CheckOptions(const StartOptions& options)
{
    if (!options.device.isEmpty() && options.usb)
        return QStringLiteral("--device and --usb cannot be used together");
    if (options.baud != 0 && std::find(std::begin(kBauds), std::end(kBauds), options.baud) == std::end(kBauds))
        return QStringLiteral("--baud takes one of 4800, 9600, 19200, 38400, 57600, 115200");
    return std::nullopt;
}

void ApplyLanguage(int configuredCode, const std::string& langFolder)
{
    const int code = effectiveLanguageCode(configuredCode, posixMessageLocale());
    const std::string folder =
        langFolder.empty() ? Config::withTrailingSeparator(Config::dataFolder()) + "lang" : langFolder;
    applyLanguage(TextCatalog::instance(), code, folder);
    // Qt's standard buttons (OK, Cancel, Yes, No) in the same language, when Qt has it.
    static QTranslator* qtBase = nullptr;
    if (qtBase) {
        QCoreApplication::removeTranslator(qtBase);
        delete qtBase;
        qtBase = nullptr;
    }
    if (const std::string file = qtBaseTranslationFile(code); !file.empty() && QCoreApplication::instance()) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(qs(file))) {
            QCoreApplication::installTranslator(translator);
            qtBase = translator;
        } else {
            delete translator;
        }
    }
}

App::App(const StartOptions& options)
{
    config_ = std::make_unique<Config>(ss(options.settingsFile));
    ui_ = std::make_unique<QtUi>();
    {
        // The language first, so that start-up's own messages speak it.
        Config stored(config_->settingsFile());
        stored.load();
        ApplyLanguage(stored.languageCode, options.langFolder);
    }
    config_->startUp(*ui_, StartUpWrites::Version);

    // --device, --usb and --baud hold for this run only: the stored values are written back at exit.
    const PortSettings stored = config_->port;
    if (options.usb) {
        config_->port.portChoice = 0;
    } else if (!options.device.isEmpty()) {
        config_->port.portChoice = 1;
        config_->port.serialDevice = ss(options.device);
    }
    if (options.baud)
        config_->port.baudrate = options.baud;
    if (!options.device.isEmpty() || options.usb)
        config_->port.connectEnabled = true;

    session_ = std::make_unique<Session>(*config_, *ui_);
    session_->SetPortGiven(!options.device.isEmpty() || options.usb);
    frame_ = std::make_unique<CMainFrame>(*config_, *session_, *ui_);
    if (!(config_->port == stored))
        frame_->SetRunOnlyPort(stored, config_->port);
    // Project mode when the project builder handed a project over, else the mode the window was
    // left in (advanced mode the first time); the size, place and split it was left with.
    frame_->RestorePlace();
    frame_->SwitchMode(!config_->builderIniFound && config_->windowMode != 0);
}

App::~App()
{
    frame_.reset();  // writes the settings back and lets go of the link
    session_.reset();
    ui_.reset();
}

}  // namespace feld::gui
