// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the editor's background is dark, and the colour plain text takes on
// it, so that text stays readable on a background the user or a page chose.

#include <QColor>

namespace wrenpad {

// Relative luminance of an sRGB colour as WCAG 2 defines it: 0 for black,
// 1 for white.
double RelativeLuminance(const QColor& colour);

// A background is dark below the luminance where black text and white text
// contrast with it equally: (L + 0.05) / 0.05 = 1.05 / (L + 0.05) at
// L = sqrt(1.05 * 0.05) - 0.05, about 0.179 (between the greys #757575 and #767676). Darker than
// that, light text reads better than black.
bool IsDarkBackground(const QColor& background);

// Plain text on `background`: black on a light one, as always; a light grey
// on a dark one.
QColor PlainTextColourOn(const QColor& background);

// `colour` mixed toward white on a dark background, or toward black on a
// light one, as little as brings its contrast with `background` to `ratio`
// (3 for pictures, 4.5 for text); `colour` itself when it already does.
QColor withContrastOn(const QColor& colour, const QColor& background, double ratio);

}  // namespace wrenpad
