// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/text_on_background.h"

#include "editor/gutter_look.h"

#include <cmath>

namespace wrenpad {

namespace {

const double kEqualContrastLuminance = std::sqrt(1.05 * 0.05) - 0.05;

double linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

bool IsDarkBackground(const QColor& background) {
  return RelativeLuminance(background) < kEqualContrastLuminance;
}

QColor withContrastOn(const QColor& colour, const QColor& background, double ratio) {
  const QColor toward = IsDarkBackground(background) ? QColor(Qt::white) : QColor(Qt::black);
  const QColor from = colour.toRgb();
  for (int step = 0; step <= 20; ++step) {
    const double share = step / 20.0;
    const QColor mixed = QColor::fromRgbF(float(from.redF() + (toward.redF() - from.redF()) * share),
                                          float(from.greenF() + (toward.greenF() - from.greenF()) * share),
                                          float(from.blueF() + (toward.blueF() - from.blueF()) * share));
    if (contrastRatio(mixed, background) >= ratio) return mixed;
  }
  return toward;
}

QColor PlainTextColourOn(const QColor& background) {
  return IsDarkBackground(background) ? QColor(0xe6, 0xe6, 0xe6) : QColor(Qt::black);
}

}  // namespace wrenpad
