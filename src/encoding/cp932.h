#pragma once
// Code page 932 (Shift-JIS as Windows writes it) to Unicode and back, by
// tables built once from ICU's "windows-31j" converter.
//
// Bytes that are not Shift-JIS (a lone lead byte, 0x80, 0xA0, 0xFD..0xFF, a
// pair that code page 932 leaves unassigned) are kept as the private-use
// characters U+F780..U+F7FF, one per byte, so they come back unchanged when
// the text is written again, whatever else was edited.

#include <QByteArray>
#include <QString>

namespace wrenpad::cp932 {

// The private-use character that stands for an undecodable byte.
inline constexpr char16_t kByteEscapeBase = 0xF700;
inline bool isByteEscape(QChar c) { return c.unicode() >= 0xF780 && c.unicode() <= 0xF7FF; }

QString decode(const QByteArray& bytes);

struct Encoded {
  QByteArray bytes;
  qsizetype firstUnencodable = -1;  // index in the text, -1 when all fit
};
// Characters that code page 932 cannot hold become "?" and the first one is
// reported, so the caller can ask before anything is written. Characters of
// the IBM extension are written with their NEC-selected codes (leads ED, EE),
// never with leads FA..FC, which would make the file look like EUC-JP.
Encoded encode(const QString& text);

}  // namespace wrenpad::cp932
