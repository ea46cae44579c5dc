// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which code a document is written in: the code a page declares, the code a
// UTF-8 file came in, or the output kanji code the user chose.

#include "encoding/document_codec.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace wrenpad {

// Where the first meta tag of a page names its charset: the value, read from
// the 200 characters after the tag's "<"; "<meta" is looked for first, then
// "<META".
struct CharsetDeclaration {
  qsizetype start = 0;   // index of the value in the text
  qsizetype length = 0;
};
std::optional<CharsetDeclaration> findCharsetDeclaration(const QString& text);

// The lower-cased charset that the first meta tag declares; empty when there
// is none.
QString declaredCharset(const QString& text);

// The code the declared charset names, when it is one we write (any of the
// names browsers know for Shift-JIS, EUC-JP and UTF-8; ISO-2022-JP counts as
// Shift-JIS, whose characters it writes in seven bits).
std::optional<TextEncoding> declaredEncoding(const QString& text);
// The page declares ISO-2022-JP: it is written in 7-bit JIS.
bool declaresJis(const QString& text);

// The text with its declared charset replaced by `charset`; the text as it
// is when it declares none.
QString withDeclaredCharset(const QString& text, const QString& charset);

// The name a page's meta tag gives a code we write: "Shift_JIS", "EUC-JP",
// "UTF-8".
QString charsetNameOf(TextEncoding encoding);

// The output kanji code as the settings file stores it: 0 Shift-JIS,
// 1 EUC-JP, 2 UTF-8. Any other number (a broken settings file) is Shift-JIS.
TextEncoding outputCodeEncoding(int storedCode);
std::int8_t storedOutputCode(TextEncoding encoding);

struct OutputChoice {
  bool htmlMode = false;      // only pages are searched for a declaration
  TextEncoding chosen = TextEncoding::ShiftJis;  // the output kanji code
  TextEncoding loadedAs = TextEncoding::ShiftJis;
  // The text was read from a file (or written to one).
  bool fromFile = false;
};

// A page declaring a code we write is written in that code, whatever else
// holds; a text read from a file is written in the code it was read in, as it
// keeps its line ends; otherwise (a new document) the chosen output code
// decides.
TextEncoding chooseOutputEncoding(const QString& text, const OutputChoice& choice);

}  // namespace wrenpad
