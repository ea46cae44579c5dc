// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/table_markup.h"

#include "settings/settings.h"
#include "text/text_helpers.h"

#include <algorithm>

namespace wrenpad {

namespace {

const QString kStylePrefix = QStringLiteral(" style = \"");
const QString kCellBlanks(11, u' ');

// An entry of a 1-based list of heights or widths; 0 past its end.
int entry(const std::vector<int>& list, int number) {
  const auto index = std::size_t(number - 1);
  return number >= 1 && index < list.size() ? list[index] : 0;
}

QString quoted(const QString& name, int value) {
  return QStringLiteral(" %1 = \"%2\"").arg(name).arg(value);
}

QString heightOfRow(const TableMarkupValues& values, int row) {
  const int height = entry(values.rowHeights, row);
  return height >= 1 ? quoted(QStringLiteral("height"), height) : QString();
}

QString widthOfColumn(const TableMarkupValues& values, int column) {
  const int width = entry(values.colWidths, column);
  return width > 0 ? quoted(QStringLiteral("width"), width) : QString();
}

QString cellComment(const TableMarkupValues& values, int row, int column) {
  if (!values.cellComments) return {};
  return QStringLiteral("<!-- %1,%2-->").arg(row).arg(column);
}

QString alignment(int index) {
  if (index == 1) return QStringLiteral(" align = \"center\"");
  if (index == 2) return QStringLiteral(" align = \"right\"");
  return {};
}

// The table tag's attributes after "<table ", each starting with a blank.
QString tableAttributes(const TableMarkupValues& values) {
  QString attributes = TableStyleAttribute(values);
  // Alignment and background go with the border only, as the program always wrote them.
  if (values.border > 0) {
    attributes += quoted(QStringLiteral("border"), values.border) + alignment(values.alignment);
    if (values.background) attributes += QStringLiteral(" bgcolor = \"%1\"").arg(RgbHex(*values.background));
  }
  if (values.spacing > 0) attributes += quoted(QStringLiteral("cellspacing"), values.spacing);
  if (values.padding > 0) attributes += quoted(QStringLiteral("cellpadding"), values.padding);
  return attributes;
}

// The "<table" that encloses `caret`: tables opened and closed before the
// caret are passed over. -1 when the caret is in no table.
qsizetype enclosingTableStart(const QString& text, int caret) {
  std::vector<qsizetype> open;
  qsizetype at = IndexOfLowered(text, u"<", 0, caret);
  while (at >= 0) {
    // Only a tag name wholly before the caret counts.
    if (at + 6 <= caret && MatchesLoweredAt(text, at, u"<table")) {
      open.push_back(at);
    } else if (at + 7 <= caret && MatchesLoweredAt(text, at, u"</table") && !open.empty()) {
      open.pop_back();
    }
    at = IndexOfLowered(text, u"<", at + 1, caret);
  }
  return open.empty() ? -1 : open.back();
}

// The first of `a` and `b` that was found (not -1).
qsizetype firstFound(qsizetype a, qsizetype b) {
  if (a < 0) return b;
  if (b < 0) return a;
  return std::min(a, b);
}

}  // namespace

QString TableStyleAttribute(const TableMarkupValues& values) {
  QString style = kStylePrefix;
  if (!values.fontName.isEmpty() && values.fontName != kProportionalGothic)
    style += QStringLiteral("font-family:'%1';").arg(values.fontName);
  if (values.fontColour != RgbColour{})
    style += QStringLiteral(" color:%1;").arg(ColorToText(QStringLiteral("#") + RgbHex(values.fontColour)));
  if (values.setFontSize) style += QStringLiteral("font-size:%1%2;").arg(values.fontSize).arg(values.fontSizeUnit);
  if (style.size() == kStylePrefix.size()) return QString();
  // A face name is typed: its quotes and ampersands must not end the attribute.
  return kStylePrefix + EscapeAttributeValue(style.mid(kStylePrefix.size())) + u'"';
}

QString TableMarkup(const TableMarkupValues& values) {
  QString text = QStringLiteral("<br>\r\n<table ") + tableAttributes(values) + u'>';
  if (!values.caption.isEmpty())
    text += QStringLiteral("\r\n<caption> %1</caption> \r\n").arg(EscapeElementText(values.caption));
  text += QStringLiteral("\r\n");
  for (int row = 1; row == 1 || row <= values.rows; ++row) {
    text += QStringLiteral("<tr") + heightOfRow(values, row) + QStringLiteral(">\r\n");
    for (int column = 1; column <= values.columns; ++column) {
      const QString width = row == 1 ? widthOfColumn(values, column) : QString();
      text += QStringLiteral("<td") + width + u'>' + cellComment(values, row, column) + kCellBlanks +
              QStringLiteral("\r\n");
    }
  }
  return text + QStringLiteral("</table> \r\n");
}

std::optional<RowInsertion> AddRowInsertion(const QString& text, int caret) {
  caret = std::clamp(caret, 0, int(text.size()));
  const qsizetype table = enclosingTableStart(text, caret);
  if (table < 0) return std::nullopt;

  // The first row: from just past the table's first "<tr" to the next row or the table's end.
  int cells = 0;
  const qsizetype firstRow = IndexOfLowered(text, u"<tr", table);
  const qsizetype tableEnd = IndexOfLowered(text, u"</table", table);
  if (firstRow >= 0 && (tableEnd < 0 || firstRow < tableEnd)) {
    const qsizetype rowStart = firstRow + 3;
    qsizetype rowEnd = firstFound(IndexOfLowered(text, u"<tr", rowStart), tableEnd);
    if (rowEnd < 0) rowEnd = text.size();
    for (qsizetype at = IndexOfLowered(text, u"<td", rowStart, rowEnd); at >= 0;
         at = IndexOfLowered(text, u"<td", at + 1, rowEnd))
      ++cells;
  }

  RowInsertion insertion;
  insertion.text = QStringLiteral("\r\n<tr>\r\n") + QStringLiteral("<td>        ").repeated(cells) +
                   QStringLiteral("\r\n");
  const qsizetype from = std::max(caret - 1, 0);
  const qsizetype nextRow = IndexOfLowered(text, u"<tr", from);
  const qsizetype close = IndexOfLowered(text, u"</table", from);
  const qsizetype at = firstFound(nextRow, close);
  insertion.position = int(at >= 0 ? at : text.size());
  return insertion;
}

}  // namespace wrenpad
