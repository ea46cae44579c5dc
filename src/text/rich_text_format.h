// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the RTF reader, the writer and Normalized share: the range of sizes
// \fs can carry and the bounds of colour parts. Used by rich_text*.cpp only.

#include "text/rich_text.h"

#include <algorithm>

namespace wrenpad::rtf {

// \fs carries half points in a signed 16-bit value.
constexpr int kMinPoints = 1;
constexpr int kMaxPoints = 1638;

inline int ClampPoints(int points) { return std::clamp(points, kMinPoints, kMaxPoints); }

inline RgbColour ClampColour(RgbColour colour) {
  return {std::clamp(colour.red, 0, 255), std::clamp(colour.green, 0, 255),
          std::clamp(colour.blue, 0, 255)};
}

}  // namespace wrenpad::rtf
