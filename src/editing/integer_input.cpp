// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/integer_input.h"

#include <QCoreApplication>

namespace wrenpad {

std::optional<int> parseWholeNumber(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok, 10);
  if (!ok) return std::nullopt;
  return value;
}

QString notAnIntegerMessage(const QString& text) {
  //: Stays English in the Japanese interface, as designed.
  return QCoreApplication::translate("IntegerInput", "'%1' is not a valid integer value").arg(text);
}

QString outOfRangeMessage(int value, int low, int high) {
  //: Stays English in the Japanese interface, as designed.
  return QCoreApplication::translate("IntegerInput", "%1 is not within the valid range of %2..%3")
      .arg(value)
      .arg(low)
      .arg(high);
}

}  // namespace wrenpad
