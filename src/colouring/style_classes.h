// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class names a page defines in its style block, offered by the font and
// box dialogs.

#include <QString>
#include <QStringList>

namespace wrenpad {

inline constexpr int kStyleClassRows = 30;
inline constexpr int kStyleClassLength = 1000;

// The classes of the page's first style block, lower-cased, in order: every
// rule selector that starts with "." gives its text without the dot, with
// blanks and line breaks removed (".big, p" gives "big,p"; "p.note" and
// "a:hover" give nothing). A "<!--" that hides the block from old browsers is
// skipped. At most 30 names of at most 1000 characters; later ones are
// ignored.
QStringList CollectStyleClasses(const QString& text);

// The items a class list offers: the table's names up to the first empty one.
QStringList FillStyleClassList(const QStringList& styleClassTable);

}  // namespace wrenpad
