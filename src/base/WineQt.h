#pragma once
// Wine hands a Windows program none of the QT_* variables of the shell that starts it. A variable
// given as WINEQT_NAME instead reaches the program as QT_NAME, unless QT_NAME is set already.
// Under Wine the window's text is drawn by Qt's FreeType engine unless QT_QPA_PLATFORM says otherwise.
// Called at the very start of main, before the Q(Core)Application is made; nothing on Linux.

namespace feld {

void TakeQtVariablesFromWine();

}  // namespace feld
