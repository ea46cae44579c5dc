// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// EUC-JP read and written directly, character by character, with code page
// 932 as the character set: a JIS X 0208 pair is the Shift-JIS pair the same
// row and cell give. A JIS X 0212 kanji (8F and two bytes) is read as its
// Unicode character, with the table of the system's EUC-JP converter, and a
// character that only JIS X 0212 has is written so again. Bytes that are no
// EUC-JP character travel as the same private-use stand-ins as undecodable
// Shift-JIS bytes (cp932.h), so every byte comes back as it was, and a
// stand-in is never taken as half of a pair with the character after it.

#include "encoding/cp932.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

namespace wrenpad::eucjp {

// A byte of an EUC-JP pair (JIS X 0208 row or cell, plus 0x80).
inline bool isPairByte(unsigned char b) { return b >= 0xA1 && b <= 0xFE; }

// Noting in `file` the codes read where a character has two, and the stray
// bytes (cp932.h).
QString decode(const QByteArray& bytes, cp932::FileCodes* file = nullptr);

// The bytes of each character `decode` gives for `bytes`, in order.
QList<QByteArrayView> characterBytes(QByteArrayView bytes);

// Characters EUC-JP has no place for become "?" and the first is reported:
// those JIS X 0208 lacks (NEC's row 13, the IBM kanji and the user-defined
// rows of code page 932, unless `file` held pairs of such rows; those only
// JIS X 0212 has, unless `file` held such kanji).
cp932::Encoded encode(QStringView text, const cp932::FileCodes& file = {});
bool canEncode(QChar c, const cp932::FileCodes& file = {});

}  // namespace wrenpad::eucjp
