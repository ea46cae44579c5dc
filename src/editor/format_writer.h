// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Character and block formats made from the control's attribute values, and
// read back from a paragraph. Private to the editor room: the format writer
// and the selection's attribute calls share them.

#include "editor/editor_control.h"

#include <QTextFormat>

class QTextBlock;
class QTextCursor;

namespace wrenpad {

// Qt fonts have no Windows character set; it travels with the format.
inline constexpr int kCharsetProperty = QTextFormat::UserProperty + 1;

// The format that sets exactly the attributes given; its face draws U+005C
// as a backslash when `drawsBackslash` (see backslash_face.h).
QTextCharFormat formatOf(const CharAttributes& attributes, bool drawsBackslash);
// The families a format of `face` names.
QStringList familiesOf(const QString& face, bool drawsBackslash);
// The face a format names: the last of its families.
QString faceOf(const QTextCharFormat& format);
// Gives the paragraphs the cursor touches `alignment`.
void mergeAlignment(QTextCursor& cursor, Alignment alignment);
// A paragraph's alignment; left when its format sets none.
Alignment alignmentOf(const QTextBlock& block);

}  // namespace wrenpad
