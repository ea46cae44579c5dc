// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Our own interface texts come in two languages, written side by side where
// they are used: the English text as UTF-8, the Japanese one as UTF-16. This
// is the one place that picks between them. It lies in the text room, the
// lowest room with Qt, so that every room that speaks to the user (the files
// room included) reaches it.

#include <QString>

namespace wrenpad {

// `inJapanese` when `japanese` is set, `english` otherwise.
inline QString bilingual(bool japanese, const char* english, const char16_t* inJapanese) {
  return japanese ? QString::fromUtf16(inJapanese) : QString::fromUtf8(english);
}

}  // namespace wrenpad
