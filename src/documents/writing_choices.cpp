// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/writing_choices.h"

#include "encoding/output_code.h"

namespace wrenpad {

TextEncoding chosenOutputEncoding(const Settings& settings) { return outputCodeEncoding(settings.OutputCode); }

LineEnd newTextLineEnd(const Settings& settings) {
  return settings.NewDocumentsCRLF ? LineEnd::CrLf : LineEnd::Lf;
}

QString lineBreakOf(LineEnd lineEnd) {
  switch (lineEnd) {
    case LineEnd::CrLf: return QStringLiteral("\r\n");
    case LineEnd::Lf: return QStringLiteral("\n");
    case LineEnd::Cr: return QStringLiteral("\r");
  }
  return QStringLiteral("\n");
}

TextForm formForWritingText(const QString& text, TextForm form, const Settings& settings) {
  if (!form.lineEndFromFile) form.lineEnd = newTextLineEnd(settings);
  return formForWriting(text, form);
}

}  // namespace wrenpad
