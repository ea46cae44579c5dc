// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Help context numbers of widgets, for F1: a window or control carries its
// number as a property, and F1 opens the page of the number nearest to the
// focus.

#include <QWidget>

namespace wrenpad {

// The property that holds a widget's help context number.
inline constexpr const char* kHelpContextProperty = "helpContext";

void setHelpContext(QWidget& widget, int context);

// The help context for F1 with `focus` the focused widget: the first number of
// at least 1 on the widget or, going outwards, on the widgets that hold it
// (the control, then its window); 1 when none has one.
int helpContextOf(const QWidget* focus);

}  // namespace wrenpad
