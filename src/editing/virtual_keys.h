// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key handlers compare keys as the keyboard's virtual-key codes and the
// modifier set Shift 1, Alt 2, Ctrl 4. Qt's key events come in through the
// one mapping below.

#include <Qt>

namespace wrenpad::vk {

inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Shift = 16;
inline constexpr int Ctrl = 17;
inline constexpr int Alt = 18;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Space = 32;
inline constexpr int F1 = 112;
inline constexpr int F2 = 113;
inline constexpr int F10 = 121;
inline constexpr int Apps = 0x5D;  // the Menu key
// Any key without a code of its own here (punctuation, symbols, ...).
inline constexpr int Other = 0xFF;

// Modifier bits.
inline constexpr int ShiftBit = 1;
inline constexpr int AltBit = 2;
inline constexpr int CtrlBit = 4;

// The virtual-key code of a Qt key. Letters and digits keep their codes
// (Qt uses the same values); Shift+Tab, which Qt reports as Backtab, is Tab.
int fromQtKey(int qtKey);

// The modifier set of Qt modifiers.
int fromQtModifiers(Qt::KeyboardModifiers modifiers);

bool isArrow(int key);

}  // namespace wrenpad::vk
