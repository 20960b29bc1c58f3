#pragma once
// The program's own icons (res/icons, drawn for this program), by what they show.

#include <QIcon>

namespace feld::gui::icons {

QIcon app();            // the program; also the about boxes
QIcon tray();           // the notification-area icon
QIcon disconnected();   // status bar: no connection to the terminal
QIcon busy(int frame);  // status bar: the four frames (1-4) of a write that is waiting
QIcon newProject();     // toolbar: add a project
QIcon receive();        // toolbar and project mode: receive data files
QIcon status();         // project mode: the terminal's status
QIcon send();           // project mode: send the projects to the terminal
QIcon setup();          // project mode: port settings and connection
QIcon firmware();       // toolbar: update the terminal's firmware
QIcon dragFiles();      // dragging two or more files
QIcon cradle();         // the cradle's boxes
// The seven pictures of advanced mode's tree nodes, by node kind (0-6): computer, terminal,
// removable medium, fixed disk, optical drive, folder, document page.
QIcon node(int kind);

}  // namespace feld::gui::icons
