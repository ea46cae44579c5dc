// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Judges whether a text is single-byte (English) text, for the font choice:
// more than 90 per cent of its Shift-JIS bytes must be single-byte
// characters. In a page with line breaks and a body, only the body's text
// outside the tags is measured.

#include "text/piece_text.h"

#include <QString>
#include <optional>

namespace wrenpad {

bool IsEnglishText(QStringView text);
inline bool IsEnglishText(const QString& text) { return IsEnglishText(QStringView(text)); }

// IsEnglishText of the text before a position, for a text edited and asked
// about again and again (the text before the caret, key after key). What
// the judgement counts is kept for the last position asked, moved to the
// next one and taken back before each edit, so an answer costs the distance
// from the last position asked and the edits since, not the text's length.
// Only a page whose body has ended before the position is measured whole.
class EnglishTextBefore {
 public:
  // IsEnglishText(text.left(position)).
  bool at(const PieceText& text, qsizetype position);
  // One edit at `start`; `before` is the text as it was before it.
  void follow(const PieceText& before, qsizetype start);
  // Another text, or an edit that was not followed.
  void forget() { kept_.reset(); }

  // Line breaks, characters Shift-JIS writes in two bytes and the tags the
  // judgement looks for, each counted at the position where it ends.
  struct Counts {
    qsizetype crLfPairs = 0;
    qsizetype doubleByte = 0;
    qsizetype breakTags = 0;
    qsizetype bodyTags = 0;
    qsizetype bodyEnds = 0;

    Counts& add(const Counts& other, int sign);
  };

 private:
  struct Kept {
    qsizetype position = 0;
    Counts before;  // of the text before `position`
  };
  std::optional<Kept> kept_;
};

// Length in bytes of the text in Shift-JIS: one byte for ASCII and half-width
// katakana, two for every other character.
qsizetype shiftJisByteLength(const QString& text);

}  // namespace wrenpad
