// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_context.h"

#include <QVariant>

namespace wrenpad {

void setHelpContext(QWidget& widget, int context) { widget.setProperty(kHelpContextProperty, context); }

int helpContextOf(const QWidget* focus) {
  for (const QWidget* widget = focus; widget; widget = widget->parentWidget()) {
    const int context = widget->property(kHelpContextProperty).toInt();
    if (context >= 1) return context;
  }
  return 1;
}

}  // namespace wrenpad
