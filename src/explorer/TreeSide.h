#pragma once
// Which of advanced mode's two trees a chosen file, a drag or a transfer belongs to. The values are
// the ones the trees and the transfer procedures pass around: 1 the PC tree, 2 the terminal tree.

namespace feld {

enum class TreeSide : int { None = 0, Pc = 1, Terminal = 2 };

}  // namespace feld
