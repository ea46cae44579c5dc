// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The quoted link under the caret, for the pop-up item that opens a linked
// page: href = "page.htm" with the caret inside the quotes or just after them.

#include "text/piece_text.h"

#include <QString>
#include <optional>

namespace wrenpad {

// The text between two double quotes around the caret. The closing quote is
// the first one from the character before the caret on, and must lie within
// 24 characters of it; the opening quote is the last one before it. Nothing
// when either quote is missing.
std::optional<QString> QuotedTextAtCaret(const PieceText& text, int caret);
inline std::optional<QString> QuotedTextAtCaret(const QString& text, int caret) {
  return QuotedTextAtCaret(PieceText(text), caret);
}

// A link written in a page, made a full file name against the page's folder.
// Backslashes count as separators, as in pages written on Windows, and
// percent-escapes ("my%20page.htm") are read back into their characters.
QString ResolveLinkTarget(const QString& folder, const QString& link);

// The reference a page in `folder` writes for `fileName`: relative to the
// folder ("img/a.jpg", "../pics/b.png", as many "../" as it takes), with "/"
// separators. Blanks, non-ASCII characters and the characters that mean
// something in a URL or an HTML attribute are written as UTF-8 percent-escapes
// ("my%20page.htm"), so any browser finds the file whatever the page's own
// encoding.
QString RelativePath(const QString& folder, const QString& fileName);

// True when the target is an existing ".htm" or ".html" file.
bool IsOpenablePage(const QString& fileName);

}  // namespace wrenpad
