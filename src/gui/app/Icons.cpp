#include "gui/app/Icons.h"

#include <QString>

namespace feld::gui::icons {

namespace {

#ifdef FELDSPAN_PNG_ICONS
// Pictures rendered from the SVGs at build time, one per size a window asks for.
QIcon load(const char* name)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(name)).arg(size), QSize(size, size));
    return icon;
}
#else
QIcon load(const char* name) { return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name))); }
#endif

}  // namespace

QIcon app() { return load("app"); }
QIcon tray() { return load("tray"); }
QIcon disconnected() { return load("disconnected"); }
QIcon busy(int frame) { return load(frame == 1 ? "busy1" : frame == 2 ? "busy2" : frame == 3 ? "busy3" : "busy4"); }
QIcon newProject() { return load("new-project"); }
QIcon receive() { return load("receive"); }
QIcon status() { return load("status"); }
QIcon send() { return load("send"); }
QIcon setup() { return load("setup"); }
QIcon firmware() { return load("firmware"); }
QIcon dragFiles() { return load("drag-files"); }
QIcon cradle() { return load("cradle"); }

QIcon node(int kind)
{
    static const char* const names[] = {"computer", "terminal", "removable", "harddisk", "cdrom", "folder", "file"};
    return load(kind >= 0 && kind < 7 ? names[kind] : "file");
}

}  // namespace feld::gui::icons
