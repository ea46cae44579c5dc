// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/writing_choices.h"

#include "encoding/output_code.h"
#include "text/bilingual.h"

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

struct CodeItem {
  TextEncoding encoding;
  bool jis;
  bool utf8Bom;
  const char* english;
  const char16_t* japanese;
};
constexpr std::array kCodeItems{
    CodeItem{TextEncoding::ShiftJis, false, false, "Shift-JIS", u"Shift-JIS"},
    CodeItem{TextEncoding::EucJp, false, false, "EUC-JP", u"EUC-JP"},
    CodeItem{TextEncoding::ShiftJis, true, false, "JIS (ISO-2022-JP)", u"JIS (ISO-2022-JP)"},
    CodeItem{TextEncoding::Utf8, false, false, "UTF-8", u"UTF-8"},
    CodeItem{TextEncoding::Utf8, false, true, "UTF-8 with BOM", u"UTF-8 (BOM付き)"},
};

struct LineEndItem {
  LineEnd lineEnd;
  const char* english;
  const char16_t* japanese;
};
constexpr std::array kLineEndItems{
    LineEndItem{LineEnd::Lf, "LF (Linux, macOS)", u"LF（Linux、macOS）"},
    LineEndItem{LineEnd::CrLf, "CR LF (Windows)", u"CR LF（Windows）"},
    LineEndItem{LineEnd::Cr, "CR (old Mac OS)", u"CR（旧Mac OS）"},
};

}  // namespace

std::vector<FileDialogRequest::Choice> saveFormatChoices(const SaveFormat& current, bool japanese) {
  FileDialogRequest::Choice code{bilingual(japanese, "&Kanji code:", u"漢字コード(&K):"), {}, 0};
  for (const CodeItem& item : kCodeItems) {
    // JIS is Shift-JIS's characters in seven bits, so it matches only with
    // its flag; the byte-order mark matters only to UTF-8.
    const bool bomMatters = current.encoding == TextEncoding::Utf8;
    if (item.encoding == current.encoding && item.jis == current.jis &&
        (!bomMatters || item.utf8Bom == current.utf8Bom))
      code.selected = int(code.items.size());
    code.items << bilingual(japanese, item.english, item.japanese);
  }
  FileDialogRequest::Choice lineEnds{bilingual(japanese, "&Line ends:", u"改行コード(&L):"), {}, 0};
  for (const LineEndItem& item : kLineEndItems) {
    if (item.lineEnd == current.lineEnd) lineEnds.selected = int(lineEnds.items.size());
    lineEnds.items << bilingual(japanese, item.english, item.japanese);
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
