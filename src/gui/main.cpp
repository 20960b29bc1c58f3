// feldspan: the desktop program. Reads the configuration, speaks the user's language, checks the
// installation, and opens the main window in project mode when the project builder handed a
// project over ("Builder.ini"), in advanced mode otherwise.

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

#include "base/Language.h"
#include "base/Texts.h"
#include "gui/app/AboutDialog.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/QtUi.h"
#include "session/Config.h"
#include "session/Session.h"
#include "session/Translations.h"

namespace {

using namespace feld;
using namespace feld::gui;

const int kBauds[] = {4800, 9600, 19200, 38400, 57600, 115200};

bool supportedBaud(int baud)
{
    for (int b : kBauds)
        if (b == baud)
            return true;
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(feldspan);  // the icons live in the window library
    QApplication::setApplicationName(QStringLiteral("FeldSpan"));
    QApplication::setApplicationDisplayName(QStringLiteral("FeldSpan"));
    QApplication::setApplicationVersion(QStringLiteral("3.00A"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Links this PC with the handheld terminal and its cradle."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption settingsOption(QStringLiteral("settings"), QStringLiteral("Use this INI file instead of the user's settings."),
                                      QStringLiteral("FILE"));
    QCommandLineOption deviceOption(QStringLiteral("device"), QStringLiteral("The terminal's serial device, for this run."),
                                    QStringLiteral("PATH"));
    QCommandLineOption usbOption(QStringLiteral("usb"), QStringLiteral("Connect over USB, for this run."));
    QCommandLineOption baudOption(QStringLiteral("baud"), QStringLiteral("Line speed in bit/s, for this run."), QStringLiteral("N"));
    parser.addOptions({settingsOption, deviceOption, usbOption, baudOption});
    parser.process(app);

    if (parser.isSet(deviceOption) && parser.isSet(usbOption)) {
        std::fprintf(stderr, "feldspan: --device and --usb cannot be used together\n");
        return 2;
    }
    int baud = 0;
    if (parser.isSet(baudOption)) {
        bool ok = false;
        baud = parser.value(baudOption).toInt(&ok);
        if (!ok || !supportedBaud(baud)) {
            std::fprintf(stderr, "feldspan: --baud takes one of 4800, 9600, 19200, 38400, 57600, 115200\n");
            return 2;
        }
    }

    Config config(ss(parser.value(settingsOption)));
    QtUi ui;
    {
        // The language first, so that start-up's own messages speak it.
        Config stored(config.settingsFile());
        stored.load();
        int code = effectiveLanguageCode(stored.languageCode, posixMessageLocale());
        applyLanguage(TextCatalog::instance(), code, Config::withTrailingSeparator(Config::defaultMainPath()) + "lang");
        // Qt's standard buttons (OK, Cancel, Yes, No) in the same language, when Qt has it.
        if (const std::string qtBase = qtBaseTranslationFile(code); !qtBase.empty()) {
            auto* translator = new QTranslator(&app);
            if (translator->load(qs(qtBase)))
                QCoreApplication::installTranslator(translator);
            else
                delete translator;
        }
    }
    config.startUp(ui, StartUpWrites::Version);

    // --device, --usb and --baud hold for this run only: the stored values are written back at exit.
    const PortSettings stored = config.port;
    if (parser.isSet(usbOption)) {
        config.port.portChoice = 0;
    } else if (parser.isSet(deviceOption)) {
        config.port.portChoice = 1;
        config.port.serialDevice = ss(parser.value(deviceOption));
    }
    if (baud)
        config.port.baudrate = baud;
    if (parser.isSet(deviceOption) || parser.isSet(usbOption))
        config.port.connectEnabled = true;

    Session session(config, ui);
    CMainFrame frame(config, session, ui);
    if (!(config.port == stored))
        frame.SetRunOnlyPort(stored, config.port);
    frame.show();
    // Project mode when the project builder handed a project over, else advanced mode; the window
    // keeps the place it was created at.
    const QRect created = frame.geometry();
    frame.SwitchMode(!config.builderIniFound);
    frame.setGeometry(created);
    return app.exec();
}
