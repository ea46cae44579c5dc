// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/rich_text.h"

#include "text/rich_text_format.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <charconv>

namespace wrenpad {

namespace {

using rtf::ClampColour;
using rtf::ClampPoints;

// The font the writer names as the default when the document names none.
const QString& DefaultFontName() {
  static const QString name = QStringLiteral(u"ＭＳ ゴシック");
  return name;
}

void AppendNumber(QByteArray& out, long long value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr - digits);
}

void AppendWord(QByteArray& out, const char* word, long long value) {
  out.append(word);
  AppendNumber(out, value);
}

// Text as RTF: printable ASCII as is, the three special characters escaped,
// tabs as \tab and every other UTF-16 unit as \uN? (signed). In the font
// table a ';' would end the name, so it is written as \u59? there.
void AppendEscaped(QByteArray& out, const QString& text, bool inFontTable) {
  for (const QChar ch : text) {
    const char16_t unit = ch.unicode();
    if (unit == u'\\' || unit == u'{' || unit == u'}') {
      out.append('\\');
      out.append(char(unit));
    } else if (unit == u'\t') {
      out.append("\\tab ");
    } else if (unit >= 0x20 && unit < 0x7F && !(inFontTable && unit == u';')) {
      out.append(char(unit));
    } else {
      AppendWord(out, "\\u", static_cast<int16_t>(unit));
      out.append('?');
    }
  }
}

bool IsAscii(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar ch) { return ch.unicode() < 0x80; });
}

quint32 ColourKey(RgbColour colour) {
  return quint32(colour.red) << 16 | quint32(colour.green) << 8 | quint32(colour.blue);
}

// The font and colour tables a document needs. \f0 is the document's
// default; every named font gets its own entry after it, even one named like
// the default, so "" reads back as "". \cf1 is black, then each other colour
// in order of first use.
struct RtfTables {
  QStringList fontNames;
  QHash<QString, int> fontIndex;
  std::vector<RgbColour> colours{RgbColour{}};
  QHash<quint32, int> colourIndex{{0, 1}};
  qsizetype textSize = 0;  // characters of text, to reserve the output
};

RtfTables TablesOf(const RichDocument& document) {
  RtfTables tables;
  for (const RichParagraph& paragraph : document.paragraphs) {
    for (const RichRun& run : paragraph.runs) {
      tables.textSize += run.text.size();
      if (!run.fontName.isEmpty() && !tables.fontIndex.contains(run.fontName)) {
        tables.fontNames.append(run.fontName);
        tables.fontIndex.insert(run.fontName, int(tables.fontNames.size()));
      }
      const RgbColour colour = ClampColour(run.colour);
      if (!tables.colourIndex.contains(ColourKey(colour))) {
        tables.colours.push_back(colour);
        tables.colourIndex.insert(ColourKey(colour), int(tables.colours.size()));
      }
    }
  }
  return tables;
}

void AppendFont(QByteArray& out, int index, const QString& name) {
  AppendWord(out, "{\\f", index);
  AppendWord(out, "\\fnil\\fcharset", IsAscii(name) ? 0 : 128);
  out.append(' ');
  AppendEscaped(out, name, true);
  out.append(";}");
}

void AppendHeader(QByteArray& out, const RtfTables& tables) {
  out.append("{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl");
  AppendFont(out, 0, tables.fontNames.isEmpty() ? DefaultFontName() : tables.fontNames.first());
  for (int i = 0; i < tables.fontNames.size(); ++i) AppendFont(out, i + 1, tables.fontNames[i]);
  out.append("}{\\colortbl;");
  for (const RgbColour& colour : tables.colours) {
    AppendWord(out, "\\red", colour.red);
    AppendWord(out, "\\green", colour.green);
    AppendWord(out, "\\blue", colour.blue);
    out.append(';');
  }
  out.append("}\r\n\\viewkind4\\uc1");
}

// Writes the paragraphs, keeping what the reader holds at each point so that
// only changes of format are written.
class BodyWriter {
 public:
  BodyWriter(QByteArray& out, const RtfTables& tables) : out_(out), tables_(tables) {}

  void Paragraph(const RichParagraph& paragraph, bool first) {
    if (!first) out_.append("\\par\r\n");
    out_.append("\\pard");
    switch (paragraph.alignment) {
      case RichAlignment::Left: out_.append("\\ql"); break;
      case RichAlignment::Right: out_.append("\\qr"); break;
      case RichAlignment::Center: out_.append("\\qc"); break;
    }
    afterWord_ = true;
    for (const RichRun& run : paragraph.runs) {
      if (!run.text.isEmpty()) Run(run);
    }
  }

 private:
  void Run(const RichRun& run) {
    const int runFont = run.fontName.isEmpty() ? 0 : tables_.fontIndex.value(run.fontName);
    const int runHalfPoints = 2 * ClampPoints(run.sizePoints);
    const int runColour = tables_.colourIndex.value(ColourKey(ClampColour(run.colour)));
    const qsizetype before = out_.size();
    if (runFont != font_) AppendWord(out_, "\\f", font_ = runFont);
    if (runHalfPoints != halfPoints_) AppendWord(out_, "\\fs", halfPoints_ = runHalfPoints);
    if (runColour != colour_) AppendWord(out_, "\\cf", colour_ = runColour);
    if (run.bold != bold_) out_.append((bold_ = run.bold) ? "\\b" : "\\b0");
    if (run.italic != italic_) out_.append((italic_ = run.italic) ? "\\i" : "\\i0");
    if (run.underline != underline_) out_.append((underline_ = run.underline) ? "\\ul" : "\\ulnone");
    if (afterWord_ || out_.size() != before) out_.append(' ');
    AppendEscaped(out_, run.text, false);
    afterWord_ = false;
  }

  QByteArray& out_;
  const RtfTables& tables_;
  bool afterWord_ = true;  // text must then be parted from the word by a blank
  int font_ = -1;
  int halfPoints_ = -1;
  int colour_ = -1;
  bool bold_ = false;
  bool italic_ = false;
  bool underline_ = false;
};
}  // namespace

QByteArray WriteRtf(const RichDocument& document) {
  const RtfTables tables = TablesOf(document);
  QByteArray out;
  out.reserve(tables.textSize + tables.textSize / 4 + 256);
  AppendHeader(out, tables);
  BodyWriter body(out, tables);
  for (size_t p = 0; p < document.paragraphs.size(); ++p) body.Paragraph(document.paragraphs[p], p == 0);
  out.append("}\r\n");
  return out;
}
}  // namespace wrenpad
