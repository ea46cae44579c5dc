// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole numbers typed by the user (line numbers, the tab width), with the
// error texts shown when the input is not one.

#include <QString>
#include <optional>

namespace wrenpad {

// The number written in `text` (blanks around it allowed, a sign allowed),
// or nothing when it is not a whole number that fits 32 bits.
std::optional<int> parseWholeNumber(const QString& text);

// "'abc' is not a valid integer value"
QString notAnIntegerMessage(const QString& text);
// "300 is not within the valid range of -128..127"
QString outOfRangeMessage(int value, int low, int high);

}  // namespace wrenpad
