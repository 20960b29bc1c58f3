#include "gui/app/Mnemonics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace feld::gui {

namespace {

// Letters a keyboard of the pack's language types directly: Latin, Greek, Cyrillic, digits.
bool typeable(QChar c) { return c.isLetterOrNumber() && c.unicode() < 0x0530; }

// The letter an existing "&x" marks, or a null QChar ("&&" is a plain ampersand).
QChar markedLetter(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toUpper();
    }
    return QChar();
}

void giveTo(const QList<QAction*>& actions)
{
    QSet<QChar> used;
    for (QAction* a : actions)
        if (!a->isSeparator())
            if (const QChar c = markedLetter(a->text()); !c.isNull())
                used.insert(c);
    for (QAction* a : actions) {
        if (a->isSeparator())
            continue;
        if (markedLetter(a->text()).isNull()) {
            const QString hint = a->property("mnemonic").toString();
            a->setText(WithMnemonic(a->text(), used, hint.isEmpty() ? QChar() : hint[0]));
        }
        if (QMenu* sub = a->menu())
            GiveMnemonics(sub);
    }
}

}  // namespace

QString WithMnemonic(const QString& text, QSet<QChar>& used, QChar hint)
{
    if (text.isEmpty())
        return text;
    if (const QChar c = markedLetter(text); !c.isNull()) {
        used.insert(c);
        return text;
    }
    auto take = [&](qsizetype at) {
        used.insert(text[at].toUpper());
        QString out = text;
        out.insert(at, QLatin1Char('&'));
        return out;
    };
    auto freeAt = [&](qsizetype i) { return typeable(text[i]) && !used.contains(text[i].toUpper()); };
    hint = hint.toUpper();
    if (!hint.isNull() && !used.contains(hint))
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text[i].toUpper() == hint && (i == 0 || !text[i - 1].isLetterOrNumber()))
                return take(i);
    for (qsizetype i = 0; i < text.size(); ++i)
        if (freeAt(i) && (i == 0 || !text[i - 1].isLetterOrNumber()))
            return take(i);
    for (qsizetype i = 0; i < text.size(); ++i)
        if (freeAt(i))
            return take(i);
    // No letter of its own to mark: one is added, the hint when it is free.
    QChar letter = !hint.isNull() && !used.contains(hint) ? hint : QChar();
    for (char c = 'A'; letter.isNull() && c <= 'Z'; ++c)
        if (!used.contains(QLatin1Char(c)))
            letter = QLatin1Char(c);
    if (letter.isNull())
        return text;  // more entries than letters: the rest are reached with the arrow keys
    used.insert(letter);
    QString out = text;
    // "…" and ":" stay at the end, after the letter.
    QString tail;
    while (!out.isEmpty() && (out.endsWith(QStringLiteral("...")) || out.endsWith(QChar(0x2026)))) {
        const qsizetype n = out.endsWith(QChar(0x2026)) ? 1 : 3;
        tail.prepend(out.right(n));
        out.chop(n);
    }
    return out + QStringLiteral("(&") + letter + QLatin1Char(')') + tail;
}

QString WithoutMnemonic(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // An added "(&F)" goes whole; an "&" in a word goes alone; "&&" is one "&".
        if (text[i] == QLatin1Char('(') && i + 3 < text.size() && text[i + 1] == QLatin1Char('&') &&
            text[i + 3] == QLatin1Char(')')) {
            i += 3;
            continue;
        }
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        out += text[i];
    }
    return out;
}

void GiveMnemonics(QMenu* menu)
{
    if (menu)
        giveTo(menu->actions());
}

void GiveMnemonics(QMenuBar* bar)
{
    if (bar)
        giveTo(bar->actions());
}

}  // namespace feld::gui
