// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File names as the file system holds them: bytes, usually UTF-8, but not
// always (a name made in a Latin-1 locale, a name copied from an old disk).
// Qt turns every byte that is not UTF-8 into U+FFFD, so such a file can be
// neither opened nor saved under its own name. These two functions keep the
// bytes instead: each byte that is not part of a valid UTF-8 sequence stands
// in the text as the lone low surrogate U+DC00 + byte (U+DC80..U+DCFF), which
// no valid name holds, and turns back into the same byte.

#include <QByteArray>
#include <QString>

namespace wrenpad::files {

// The name as text: valid UTF-8 decoded, any other byte kept as its stand-in.
QString fileNameFromBytes(const QByteArray& bytes);

// The bytes of the name for the system's calls: stand-ins turned back into
// their bytes, everything else in UTF-8. fileNameToBytes(fileNameFromBytes(b))
// is b for every byte string b.
QByteArray fileNameToBytes(const QString& name);

}  // namespace wrenpad::files
