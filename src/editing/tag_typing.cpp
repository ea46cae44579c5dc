// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/tag_typing.h"

namespace wrenpad {

std::optional<TextRange> TagClosedAtCaret(const PieceText& text, int caret) {
  if (caret <= 0 || caret > text.size() || text.at(caret - 1) != u'>') return std::nullopt;
  const int opening = int(text.lastIndexOf(u'<', caret - 1));
  if (opening < 0) return std::nullopt;
  return TextRange{opening, caret};
}

std::optional<TextRange> TextTypedAfterTag(const PieceText& text, int caret) {
  if (caret <= 0 || caret > text.size()) return std::nullopt;
  const int lastClose = int(text.lastIndexOf(u'>', caret - 1));
  const int lastOpen = int(text.lastIndexOf(u'<', caret - 1));
  if (lastClose < 0 || lastClose < lastOpen || lastClose + 1 == caret) return std::nullopt;
  // Only a short look ahead: the next tag is near in any page.
  constexpr int kLookAhead = 1000;
  const QString ahead = text.mid(caret - 1, kLookAhead);
  const int nextClose = int(ahead.indexOf(u'>'));
  const int nextOpen = int(ahead.indexOf(u'<'));
  if (nextClose >= 0 && nextOpen >= 0 && nextClose < nextOpen) return std::nullopt;
  return TextRange{lastClose + 1, caret};
}

}  // namespace wrenpad
