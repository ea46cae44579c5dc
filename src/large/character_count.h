// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Characters and lines of a stretch of a large document, counted as the
// Count command counts the editor's text: every character shown (spaces,
// tabs and the stand-ins of undecodable bytes included, a character beyond
// U+FFFF once), no line break. The stretch is decoded a block at a time, so
// a count over a gigabyte holds a MiB of it.

#include "large/large_document.h"

#include <functional>
#include <optional>

namespace wrenpad::large {

struct CharacterCount {
  qint64 characters = 0;
  qint64 lines = 0;  // the line breaks in the stretch, plus one
};

// [from, to), both on characters' starts; `goOn(bytesDone)` after each
// block: false stops the count, and nothing is returned.
std::optional<CharacterCount> countCharacters(const LargeDocument& document, qint64 from, qint64 to,
                                              const std::function<bool(qint64 done)>& goOn = nullptr);

}  // namespace wrenpad::large
