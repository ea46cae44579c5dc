// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Documents and settings keep the Windows face names the program was designed
// with; these substitutions map them to faces installed on Linux, so Japanese
// text never shows as empty boxes.

#include <QString>
#include <QStringList>

namespace wrenpad {

void installFontSubstitutions();

// The face program documents and the compiler message pane show code in.
// The Japanese gothic faces that stand in for "ＭＳ ゴシック" draw U+005C as a
// yen sign, as the Windows face did; code needs its backslash, so the face
// names the settings carry for programs ("ＭＳ ゴシック", "MS Gothic",
// "Courier New", or none) give a monospaced face that draws a backslash and
// has Japanese glyphs: Noto Sans Mono CJK JP, else a Latin monospaced face
// (Japanese characters then come from the desktop's fallback face). A face
// the user chose for programs is kept as chosen.
QString programFace(const QString& chosenFace);
// The same choice among `installedFamilies`; "monospace" when none of the
// faces is installed.
QString programFace(const QString& chosenFace, const QStringList& installedFamilies);

}  // namespace wrenpad
