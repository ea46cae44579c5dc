// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's choices for writing texts, as the settings hold them: the output
// kanji code of new and unmarked documents, and the line end of every text
// that was not read from a file (new documents, pages made from a text, what
// is copied to the clipboard). One place decides them for every writer.

#include "encoding/document_codec.h"
#include "settings/settings.h"

#include <QString>

namespace wrenpad {

// The output kanji code; a stored number out of range counts as Shift-JIS.
TextEncoding chosenOutputEncoding(const Settings& settings);

// LF, the line end of this system, unless the user chose CR LF.
LineEnd newTextLineEnd(const Settings& settings);

// The characters of a line end: "\n", "\r\n" or "\r".
QString lineBreakOf(LineEnd lineEnd);

// How a text is written: `form` as its file had it, but with the line end
// chosen for new texts when the file had none of its own, and LF after an
// interpreter line ("#!...").
TextForm formForWritingText(const QString& text, TextForm form, const Settings& settings);

}  // namespace wrenpad
