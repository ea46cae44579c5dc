// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the line-number gutter looks: how many digits its numbers take, and
// its colours worked out from the editor's background and text colours, so
// the gutter sits on the page's own background with numbers that stay
// readable on any background the user or a page chooses.

#include <QColor>

namespace wrenpad {

// Digits of the largest line number of a document of `lineCount` lines.
int lineNumberDigits(int lineCount);

// The contrast ratio of two colours (1 to 21) as the accessibility
// guidelines reckon it; 4.5 is the least they ask of ordinary text.
double contrastRatio(const QColor& first, const QColor& second);
inline constexpr double kReadableContrast = 4.5;

struct GutterColours {
  QColor background;   // the page's background, a shade toward the text
  QColor number;       // muted: toward the background as far as stays readable
  QColor caretStrip;   // behind the caret's line
  QColor caretNumber;
  QColor errorStrip;   // behind the line of the last compile error
  QColor errorMark;    // the bar at the gutter's edge beside that line
  QColor errorNumber;
};

// `page` is the editor's background, `text` its text colour. A text colour
// that cannot be read on the page gives way to black or white.
GutterColours gutterColoursFor(const QColor& page, const QColor& text);

}  // namespace wrenpad
