// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Japanese faces installed on Linux (IPA and its kin) draw U+005C as a
// yen sign, as the Windows faces did for Shift-JIS text. In a UTF-8 document
// the yen sign is a character of its own (U+00A5), so there a backslash must
// look like one. For such a face the program makes a font of its own that
// holds one glyph, a backslash, with the face's line metrics (so lines keep
// their height) and the width of the face's U+005C, and puts it before the
// face: Qt takes U+005C from it and every other character from the face.

#include <QString>
#include <QStringList>

namespace wrenpad {

// The families that draw `face` with U+005C as a backslash: the backslash
// font's family and `face` when the face draws a yen sign there, else `face`
// alone. The font is made once per installed face and kept for the run.
QStringList familiesDrawingBackslash(const QString& face);

// The TrueType font holding the backslash glyph, with the line metrics and
// the U+005C width of `face`; empty when the face is not a TrueType or
// OpenType face (nothing is then put before it).
QByteArray backslashFontFor(const QString& face, const QString& familyName);

}  // namespace wrenpad
