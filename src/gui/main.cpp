// feldspan: the desktop program.

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

#include "gui/app/AppStart.h"
#include "base/WineQt.h"
#include "gui/app/CMainFrame.h"

int main(int argc, char** argv)
{
    feld::TakeQtVariablesFromWine();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(feldspan);  // the icons live in the window library
    QApplication::setApplicationName(QStringLiteral("FeldSpan"));
    QApplication::setApplicationDisplayName(QStringLiteral("FeldSpan"));
    QApplication::setApplicationVersion(QStringLiteral("3.00A"));
    // Lets the desktop match the window with its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("io.github.feldspan.FeldSpan"));
    QApplication::setQuitOnLastWindowClosed(false);  // a resident window hides; Exit ends the program

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Links this PC with the handheld terminal and its cradle."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption settings(QStringLiteral("settings"), QStringLiteral("Use this INI file instead of the user's settings."),
                                QStringLiteral("FILE"));
    QCommandLineOption device(QStringLiteral("device"), QStringLiteral("The terminal's serial device, for this run."),
                              QStringLiteral("PATH"));
    QCommandLineOption usb(QStringLiteral("usb"), QStringLiteral("Connect over USB, for this run."));
    QCommandLineOption baud(QStringLiteral("baud"), QStringLiteral("Line speed in bit/s, for this run."), QStringLiteral("N"));
    parser.addOptions({settings, device, usb, baud});
    parser.process(app);

    feld::gui::StartOptions options;
    options.settingsFile = parser.value(settings);
    options.device = parser.value(device);
    options.usb = parser.isSet(usb);
    if (parser.isSet(baud)) {
        bool ok = false;
        options.baud = parser.value(baud).toInt(&ok);
        if (!ok)
            options.baud = -1;
    }
    if (auto why = feld::gui::CheckOptions(options)) {
        std::fprintf(stderr, "feldspan: %s\n", why->toLocal8Bit().constData());
        return 2;
    }
    feld::gui::App program(options);
    program.frame().show();
    return app.exec();
}
