#pragma once
// Small searches on plain text shared by the editing, colouring, mark-up and
// page commands. Positions they return are 1-based, 0 meaning "not found".

#include <QString>
#include <QStringView>

namespace wrenpad {

// Number of positions at which `needle` starts in `text`, case-sensitively.
// Overlapping occurrences count: "aaa" holds "aa" twice. An empty needle
// occurs nowhere.
int CountOccurrences(const QString& needle, const QString& text);

// 1-based position of the last occurrence of `needle` in `text`, 0 when there
// is none. An occurrence that ends at the very last character of `text` is
// not seen: the search starts with the occurrence that ends one character
// before the end. Callers pass "the text before the caret" and rely on this.
int LastPosition(const QString& needle, const QString& text);

// The lower-cased text between the first `open` and the first `close`, both
// compared in lower case. Empty when either is missing or the first `close`
// does not come after the first `open`.
QString ExtractBetween(const QString& open, const QString& close, const QString& text);

// A text unit in lower case as LowerKeepingPositions makes it (a unit of a
// surrogate pair stays as it is).
char16_t LowerUnit(char16_t unit);
// Start of the first occurrence of the lower-case `lowerNeedle` at or after
// `from` in the text lower-cased as LowerKeepingPositions does, found without
// a lower-cased copy; -1 for none.
qsizetype IndexOfLowered(const QString& text, const QString& lowerNeedle, qsizetype from = 0);

// The text lower-cased character by character, with each character's own
// lower case where that has the same length: every position of the result is
// the same position in `text`, so a search in it gives positions in the text
// as written. (QString::toLower can lengthen the text: "\u0130" becomes two
// characters.)
QString LowerKeepingPositions(QString text);

// `position` (0-based, clamped to the text) moved back to the start of its
// character when it falls between the two halves of a surrogate pair.
int WholeCharacterPosition(QStringView text, int position);

// The position `count` whole characters on from `from` (a surrogate pair is
// one character), stopping at the end of the text.
int PositionAfterCharacters(QStringView text, int from, int count);

}  // namespace wrenpad
