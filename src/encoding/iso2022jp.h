// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 7-bit JIS (ISO-2022-JP) written from the editor's text: ASCII after
// ESC ( B, JIS X 0208 pairs after ESC $ B, and ASCII again before every line
// end and at the end of the text, so each line can be read alone. The
// characters are code page 932's, as for Shift-JIS; those JIS X 0208 lacks
// (half-width katakana, NEC's row 13, the IBM kanji, the user-defined rows)
// and the stand-ins of undecodable bytes have no place in it.

#include "encoding/cp932.h"

#include <QStringView>

namespace wrenpad::iso2022jp {

// Characters the code cannot hold become "?" and the first is reported.
cp932::Encoded encode(QStringView text);
bool canEncode(QChar c);

}  // namespace wrenpad::iso2022jp
