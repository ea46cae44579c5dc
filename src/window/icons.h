#pragma once
// The program's own pictures, drawn in code: the program icon and the tool
// button images.

#include <QIcon>
#include <QString>

namespace wrenpad {

// The program icon: a writing pad with a small bird on it.
QIcon programIcon();
QPixmap programIconPixmap(int size);

// Image for a tool button or menu item by object name; a null icon when the
// name has no picture.
QIcon toolIcon(const QString& name);

}  // namespace wrenpad
