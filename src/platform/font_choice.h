// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The font dialog's values. The program keeps its own face names (such as
// "ＭＳ ゴシック") that only substitution maps to an installed family; the
// dialog lists installed families and their styles. It opens on the face the
// editor really draws with, and OK on that face gives the program's own font
// back, so a dialog closed without a change changes nothing.

#include <QFont>

class QFontDialog;

namespace wrenpad {

// The installed family that draws `used`, one of that family's own style
// names (the one drawn, or the listed style of the same weight and slant) and
// `used`'s size, underline and strike-out: what the font dialog opens on.
QFont installedFontOf(const QFont& used);

// The font the dialog's OK (or Apply) gives: another family as chosen;
// the family it opened on as `used`'s own face name, with the size, underline
// and strike-out shown and, where another style was picked, its weight and
// slant.
QFont fontChosenFrom(const QFont& used, const QFont& opened, const QFont& shown);

// The style of `family` that draws upright text of normal weight ("Regular",
// "Book", "Roman"...), or the nearest the family has.
QString uprightStyleOf(const QString& family);

// Makes `dialog` show the upright style of normal weight of every family the
// user picks. Left alone, the dialog keeps the style name it had and, where
// the new family lacks it, takes the family's first listed style: often
// "Oblique" (DejaVu's upright face is "Book", not "Regular").
void showUprightStyleOfEachFamily(QFontDialog& dialog);

}  // namespace wrenpad
