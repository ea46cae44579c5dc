// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's choices for writing texts, as the settings hold them: the output
// kanji code of new and unmarked documents, and the line end of every text
// that was not read from a file (new documents, pages made from a text, what
// is copied to the clipboard). One place decides them for every writer.

#include "encoding/document_codec.h"
#include "platform/dialogs.h"
#include "settings/settings.h"

#include <QString>
#include <vector>

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

// The code and line ends a file is written in, as Save As offers them.
struct SaveFormat {
  TextEncoding encoding = TextEncoding::Utf8;
  bool jis = false;      // Shift-JIS's characters written as 7-bit JIS
  bool utf8Bom = false;  // UTF-8 that begins with a byte-order mark
  LineEnd lineEnd = LineEnd::Lf;
  bool operator==(const SaveFormat&) const = default;
};

// The save dialog's choices of kanji code and line ends, `current` selected.
std::vector<FileDialogRequest::Choice> saveFormatChoices(const SaveFormat& current);
// The format the items chosen of those choices name; `current` where the
// dialog gave no answer.
SaveFormat saveFormatChosen(const std::vector<int>& items, const SaveFormat& current);

}  // namespace wrenpad
