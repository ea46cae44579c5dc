#pragma once
// Judges whether a text is single-byte (English) text, for the font choice:
// more than 90 per cent of its Shift-JIS bytes must be single-byte
// characters. In a page with line breaks and a body, only the body's text
// outside the tags is measured.

#include <QString>

namespace wrenpad {

bool IsEnglishText(QStringView text);
inline bool IsEnglishText(const QString& text) { return IsEnglishText(QStringView(text)); }

// Length in bytes of the text in Shift-JIS: one byte for ASCII and half-width
// katakana, two for every other character.
qsizetype shiftJisByteLength(const QString& text);

}  // namespace wrenpad
