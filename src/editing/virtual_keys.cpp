// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/virtual_keys.h"

namespace wrenpad::vk {

int fromQtKey(int qtKey) {
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
    return qtKey;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return F1 + (qtKey - Qt::Key_F1);
  switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Enter;
    case Qt::Key_Shift: return Shift;
    case Qt::Key_Control: return Ctrl;
    case Qt::Key_Alt: return Alt;
    case Qt::Key_PageUp: return PageUp;
    case Qt::Key_PageDown: return PageDown;
    case Qt::Key_Left: return Left;
    case Qt::Key_Up: return Up;
    case Qt::Key_Right: return Right;
    case Qt::Key_Down: return Down;
    case Qt::Key_Space: return Space;
    case Qt::Key_Menu: return Apps;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return Other;
  }
}

int fromQtModifiers(Qt::KeyboardModifiers modifiers) {
  int set = 0;
  if (modifiers & Qt::ShiftModifier) set |= ShiftBit;
  if (modifiers & Qt::AltModifier) set |= AltBit;
  if (modifiers & Qt::ControlModifier) set |= CtrlBit;
  return set;
}

bool isArrow(int key) { return key >= Left && key <= Down; }

}  // namespace wrenpad::vk
