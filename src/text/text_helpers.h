#pragma once
// Small searches on plain text shared by the editing, colouring, mark-up and
// page commands. Positions they return are 1-based, 0 meaning "not found".

#include <QString>

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

}  // namespace wrenpad
