// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Telling EUC-JP from Shift-JIS where the kanji library's detector cannot:
// its rule looks for a byte pair only one of the codes allows, and ordinary
// short EUC-JP texts (kana and common kanji, every byte A1..FE) have none,
// since the same bytes are Shift-JIS half-width katakana and kanji as well.
// The system's statistical charset prober (uchardet) weighs the characters
// the bytes make in each code, as Japanese text would have them; a text too
// short for it to call is weighed by its share of hiragana.

#include <QByteArrayView>

namespace wrenpad {

// True when the bytes are more likely EUC-JP than Shift-JIS.
bool probablyEucJp(QByteArrayView bytes);

}  // namespace wrenpad
