#pragma once
// Alt-key letters for menus. Texts come from five language packs and the translators' words seldom
// carry an "&", so the letters are given when a menu is built: a letter the translator marked
// stays; otherwise the first free letter that starts a word of the text, then any free letter of
// it; a text without such letters (Chinese) gets one appended as "(&F)". A letter is free when no
// other entry of the same menu has it.

#include <QChar>
#include <QSet>
#include <QString>

class QMenu;
class QMenuBar;

namespace feld::gui {

// `text` with its mnemonic, chosen among the letters not in `used` (which gains it). `hint` is
// the letter wanted first (the English word's), or a null QChar.
QString WithMnemonic(const QString& text, QSet<QChar>& used, QChar hint = QChar());

// Gives every entry of a menu, and of its submenus, a letter of its own. An action's property
// "mnemonic" (a letter) is its hint. Safe to run again on a menu that has them.
void GiveMnemonics(QMenu* menu);
// The text as read, without its letter's mark ("檔案(&F)" and "&File" read "檔案" and "File").
QString WithoutMnemonic(const QString& text);
void GiveMnemonics(QMenuBar* bar);

}  // namespace feld::gui
