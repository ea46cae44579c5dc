// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/writing_choices.h"

#include "encoding/output_code.h"
#include <QCoreApplication>
#include <array>

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

namespace {

// The names are translated where the dialog shows them (context "SaveFormat").
struct CodeItem {
  TextEncoding encoding;
  bool jis;
  bool utf8Bom;
  const char* name;
};
constexpr std::array kCodeItems{
    //: Stays English in the Japanese interface.
    CodeItem{TextEncoding::ShiftJis, false, false, QT_TRANSLATE_NOOP("SaveFormat", "Shift-JIS")},
    //: Stays English in the Japanese interface.
    CodeItem{TextEncoding::EucJp, false, false, QT_TRANSLATE_NOOP("SaveFormat", "EUC-JP")},
    //: Stays English in the Japanese interface.
    CodeItem{TextEncoding::ShiftJis, true, false, QT_TRANSLATE_NOOP("SaveFormat", "JIS (ISO-2022-JP)")},
    //: Stays English in the Japanese interface.
    CodeItem{TextEncoding::Utf8, false, false, QT_TRANSLATE_NOOP("SaveFormat", "UTF-8")},
    CodeItem{TextEncoding::Utf8, false, true, QT_TRANSLATE_NOOP("SaveFormat", "UTF-8 with BOM")},
};

struct LineEndItem {
  LineEnd lineEnd;
  const char* name;
};
constexpr std::array kLineEndItems{
    LineEndItem{LineEnd::Lf, QT_TRANSLATE_NOOP("SaveFormat", "LF (Linux, macOS)")},
    LineEndItem{LineEnd::CrLf, QT_TRANSLATE_NOOP("SaveFormat", "CR LF (Windows)")},
    LineEndItem{LineEnd::Cr, QT_TRANSLATE_NOOP("SaveFormat", "CR (old Mac OS)")},
};

QString translated(const char* text) { return QCoreApplication::translate("SaveFormat", text); }

}  // namespace

std::vector<FileDialogRequest::Choice> saveFormatChoices(const SaveFormat& current) {
  FileDialogRequest::Choice code{QCoreApplication::translate("SaveFormat", "&Kanji code:"), {}, 0};
  for (const CodeItem& item : kCodeItems) {
    // JIS is Shift-JIS's characters in seven bits, so it matches only with
    // its flag; the byte-order mark matters only to UTF-8.
    const bool bomMatters = current.encoding == TextEncoding::Utf8;
    if (item.encoding == current.encoding && item.jis == current.jis &&
        (!bomMatters || item.utf8Bom == current.utf8Bom))
      code.selected = int(code.items.size());
    code.items << translated(item.name);
  }
  FileDialogRequest::Choice lineEnds{QCoreApplication::translate("SaveFormat", "&Line ends:"), {}, 0};
  for (const LineEndItem& item : kLineEndItems) {
    if (item.lineEnd == current.lineEnd) lineEnds.selected = int(lineEnds.items.size());
    lineEnds.items << translated(item.name);
  }
  return {code, lineEnds};
}

SaveFormat saveFormatChosen(const std::vector<int>& items, const SaveFormat& current) {
  SaveFormat chosen = current;
  if (!items.empty() && items[0] >= 0 && std::size_t(items[0]) < kCodeItems.size()) {
    const CodeItem& code = kCodeItems[std::size_t(items[0])];
    chosen.encoding = code.encoding;
    chosen.jis = code.jis;
    chosen.utf8Bom = code.utf8Bom;
  }
  if (items.size() > 1 && items[1] >= 0 && std::size_t(items[1]) < kLineEndItems.size())
    chosen.lineEnd = kLineEndItems[std::size_t(items[1])].lineEnd;
  return chosen;
}

}  // namespace wrenpad
