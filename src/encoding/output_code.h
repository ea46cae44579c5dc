#pragma once
// Which code a document is written in: the code a page declares, the code a
// UTF-8 file came in, or the output kanji code the user chose.

#include "encoding/document_codec.h"

#include <QString>

namespace wrenpad {

// The lower-cased charset that the first meta tag of a page declares, read
// from the 200 characters after its "<"; "<meta" is looked for first, then
// "<META". Empty when there is none.
QString declaredCharset(const QString& text);

struct OutputChoice {
  bool htmlMode = false;      // only pages are searched for a declaration
  bool eucChosen = false;     // the output kanji code is EUC
  TextEncoding loadedAs = TextEncoding::ShiftJis;
};

// A page declaring Shift_JIS is written in Shift-JIS and one declaring UTF-8
// in UTF-8, whatever else holds; a file read as UTF-8 goes back as UTF-8;
// otherwise the chosen output code decides.
TextEncoding chooseOutputEncoding(const QString& text, const OutputChoice& choice);

}  // namespace wrenpad
