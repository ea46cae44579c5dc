// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small searches on plain text shared by the editing, colouring, mark-up and
// page commands. Positions they return are 1-based, 0 meaning "not found".

#include <QString>
#include <limits>
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
// Whether the text lower-cased as LowerKeepingPositions does holds the
// lower-case `lowerNeedle` at `at`; no lower-cased copy is made.
bool MatchesLoweredAt(QStringView text, qsizetype at, QStringView lowerNeedle);
// Start of the first such occurrence that begins at or after `from` and ends
// by `before`; -1 for none.
qsizetype IndexOfLowered(QStringView text, QStringView lowerNeedle, qsizetype from = 0,
                         qsizetype before = std::numeric_limits<qsizetype>::max());

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

// Letters in `selection`: line breaks do not count, every other character
// counts one, Japanese characters and characters beyond 16 bits included.
int CountLetters(const QString& selection);

// Typed values as mark-up: an attribute value (written between double
// quotes) with "&" and '"' as "&amp;" and "&quot;"; element text with "&",
// "<" and ">" as "&amp;", "&lt;" and "&gt;". Every command that writes what
// the user typed into a page goes through these two.
QString EscapeAttributeValue(const QString& value);
QString EscapeElementText(const QString& text);
// An attribute value as read from a page back to what it says: "&quot;",
// "&#39;", "&lt;", "&gt;" and "&amp;" become their characters.
QString UnescapeAttributeValue(const QString& value);

}  // namespace wrenpad
