#include "base/WineQt.h"

namespace feld {

// The QT_* variables reach a Linux program as they are.
void TakeQtVariablesFromWine() {}

}  // namespace feld
