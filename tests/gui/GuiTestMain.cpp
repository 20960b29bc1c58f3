// The window tests' main: widgets want one application object for the whole program, made before
// any test runs. Without a display the offscreen platform stands in, so the tests run anywhere.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform says at every shown window that it cannot pass size hints on, and at
// every raised one that it cannot raise it, and at every popup menu that it cannot grab the
// keyboard; that says nothing about the program and would drown
// what does.
void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.contains(QLatin1String("does not support propagateSizeHints")) ||
        text.contains(QLatin1String("does not support raise()")) ||
        text.contains(QLatin1String("does not support grabbing the keyboard")))
        return;
    defaultHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt warns at every start without a private runtime folder; a fresh one is made private.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    defaultHandler = qInstallMessageHandler(filterMessages);
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(feldspan);  // the icons live in the window library
    QApplication::setApplicationName(QStringLiteral("FeldSpan"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
