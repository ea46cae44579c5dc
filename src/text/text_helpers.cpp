#include "text/text_helpers.h"

namespace wrenpad {

int CountOccurrences(const QString& needle, const QString& text) {
  if (needle.isEmpty()) return 0;
  int count = 0;
  for (qsizetype at = text.indexOf(needle); at >= 0; at = text.indexOf(needle, at + 1)) {
    ++count;
  }
  return count;
}

int LastPosition(const QString& needle, const QString& text) {
  if (needle.isEmpty()) return 0;
  // 0-based start of an occurrence that ends on the last character but one.
  const qsizetype latestStart = text.size() - needle.size() - 1;
  if (latestStart < 0) return 0;
  return static_cast<int>(text.lastIndexOf(needle, latestStart)) + 1;
}

QString ExtractBetween(const QString& open, const QString& close, const QString& text) {
  const QString lower = text.toLower();
  const QString lowerOpen = open.toLower();
  const qsizetype openAt = lower.indexOf(lowerOpen);
  const qsizetype closeAt = lower.indexOf(close.toLower());
  if (openAt < 0 || closeAt < 0) return {};
  const qsizetype begin = openAt + lowerOpen.size();
  if (closeAt < begin) return {};
  return lower.mid(begin, closeAt - begin);
}

}  // namespace wrenpad
