// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/text_on_background.h"

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

QColor PlainTextColourOn(const QColor& background) {
  return IsDarkBackground(background) ? QColor(0xe6, 0xe6, 0xe6) : QColor(Qt::black);
}

}  // namespace wrenpad
