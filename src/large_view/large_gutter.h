// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The line numbers beside the large view, the caret's line in bold; painted
// from the view's own state (large_view_painting.cpp).

#include "large_view/large_text_view.h"

#include <QWidget>

namespace wrenpad::large {

class LargeGutter : public QWidget {
 public:
  explicit LargeGutter(LargeTextView& view) : QWidget(&view), view_(view) {}
  // Wide enough for the number `lastLine`, and never narrower than 999's.
  int widthFor(qint64 lastLine) const {
    int digits = 1;
    for (qint64 n = std::max<qint64>(lastLine, 999); n >= 10; n /= 10) ++digits;
    return fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits + 10;
  }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  LargeTextView& view_;
};

}  // namespace wrenpad::large
