// SPDX-License-Identifier: GPL-3.0-or-later
#include "large/character_count.h"

#include <algorithm>

namespace wrenpad::large {

namespace {
constexpr qint64 kBlockBytes = qint64(1) << 20;

// The end of the block that begins at `at`: on a character's start, with
// the LF of a CR LF never parted from its CR.
qint64 blockEnd(const LargeDocument& document, qint64 at, qint64 to) {
  qint64 end = std::min(to, at + kBlockBytes);
  if (end < to) end = document.characterStart(end);
  if (end <= at) end = document.nextCharacter(at);
  if (end < to && document.byteAt(end - 1) == '\r' && document.byteAt(end) == '\n') ++end;
  return std::min(end, to);
}
}  // namespace

std::optional<CharacterCount> countCharacters(const LargeDocument& document, qint64 from, qint64 to,
                                              const std::function<bool(qint64 done)>& goOn) {
  CharacterCount count{0, 1};
  for (qint64 at = from; at < to;) {
    const qint64 end = blockEnd(document, at, to);
    const QString text = document.decode(at, end).text;
    for (qsizetype i = 0; i < text.size(); ++i) {
      const QChar c = text.at(i);
      if (c == u'\n' || c == u'\r') {
        // A CR LF is one break.
        if (c == u'\n' || i + 1 == text.size() || text.at(i + 1) != u'\n') ++count.lines;
        continue;
      }
      if (!c.isLowSurrogate()) ++count.characters;
    }
    at = end;
    if (goOn && !goOn(at - from)) return std::nullopt;
  }
  return count;
}

}  // namespace wrenpad::large
