// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/gutter_look.h"

#include "editor/text_on_background.h"

#include <algorithm>
#include <cmath>

namespace wrenpad {

namespace {

// `share` of `to` mixed into `from`.
QColor mixed(const QColor& from, const QColor& to, double share) {
  const auto channel = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
  return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                channel(from.blue(), to.blue()));
}

// `preferred` when it can be read on `background`, else black or white,
// whichever stands out more (one of them always reaches 4.5).
QColor readableOn(const QColor& background, const QColor& preferred) {
  if (contrastRatio(preferred, background) >= kReadableContrast) return preferred;
  const QColor black(0, 0, 0), white(255, 255, 255);
  return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

// The ink moved toward the background as far as it stays readable there.
QColor mutedOn(const QColor& background, const QColor& ink) {
  for (double share = 0.6; share > 0.0; share -= 0.05) {
    const QColor muted = mixed(ink, background, share);
    if (contrastRatio(muted, background) >= kReadableContrast) return muted;
  }
  return ink;
}

}  // namespace

int lineNumberDigits(int lineCount) {
  int digits = 1;
  for (int rest = lineCount; rest >= 10; rest /= 10) ++digits;
  return digits;
}

double contrastRatio(const QColor& first, const QColor& second) {
  const double a = RelativeLuminance(first);
  const double b = RelativeLuminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

GutterColours gutterColoursFor(const QColor& page, const QColor& text) {
  GutterColours colours;
  const QColor ink = readableOn(page, text);
  colours.background = mixed(page, ink, 0.04);
  colours.number = mutedOn(colours.background, readableOn(colours.background, ink));
  colours.caretStrip = mixed(page, ink, 0.14);
  colours.caretNumber = readableOn(colours.caretStrip, ink);
  // A light red on dark pages, a deep one on light pages.
  colours.errorMark = IsDarkBackground(page) ? QColor(255, 105, 97) : QColor(204, 0, 0);
  colours.errorStrip = mixed(page, colours.errorMark, 0.3);
  colours.errorNumber = readableOn(colours.errorStrip, ink);
  return colours;
}

}  // namespace wrenpad
