// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Typing mark-up in a page: the tag a just-typed ">" closes, and the text
// typed behind a coloured tag, which must not keep the tag's colour. Both
// read the text near the caret only, back to the "<" or ">" they look for.

#include "text/piece_text.h"

#include <QString>
#include <optional>

namespace wrenpad {

struct TextRange {
  int from = 0;  // editor positions, `to` exclusive
  int to = 0;

  friend bool operator==(const TextRange&, const TextRange&) = default;
};

// When the character before the caret is ">", the tag it closes: from the
// last "<" before the caret to the caret. Nothing when there is no "<".
std::optional<TextRange> TagClosedAtCaret(const PieceText& text, int caret);

// The text typed since the last tag before the caret: from just after the
// last ">" before the caret to the caret, when that ">" comes after the last
// "<" (the caret is not inside a tag) and the text from the character before
// the caret on does not show a ">" before its first "<" (the caret is not in
// front of the rest of a tag either). Nothing when no character was typed
// after the ">".
std::optional<TextRange> TextTypedAfterTag(const PieceText& text, int caret);

}  // namespace wrenpad
