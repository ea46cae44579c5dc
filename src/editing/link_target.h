#pragma once
// The quoted link under the caret, for the pop-up item that opens a linked
// page: href = "page.htm" with the caret inside the quotes or just after them.

#include <QString>
#include <optional>

namespace wrenpad {

// The text between two double quotes around the caret. The closing quote is
// the first one from the character before the caret on, and must lie within
// 24 characters of it; the opening quote is the last one before it. Nothing
// when either quote is missing.
std::optional<QString> QuotedTextAtCaret(const QString& text, int caret);

// A link written in a page, made a full file name against the page's folder.
// Backslashes count as separators, as in pages written on Windows.
QString ResolveLinkTarget(const QString& folder, const QString& link);

// True when the target is an existing ".htm" or ".html" file.
bool IsOpenablePage(const QString& fileName);

}  // namespace wrenpad
