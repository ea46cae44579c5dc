// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own pictures: SVG files under resources/icons/, compiled in
// through the resource system, so a picture changes without touching code.

#include <QIcon>
#include <QString>

namespace wrenpad {

// The program icon: a writing pad with a small bird on it.
QIcon programIcon();
QPixmap programIconPixmap(int size);

// Image for a tool button by object name (":/icons/<name>.svg"); a null icon
// when the name has no picture. Whatever the picture draws in "currentColor"
// takes the text colour of the application's palette whenever it is drawn.
QIcon toolIcon(const QString& name);

}  // namespace wrenpad
