// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table skeleton the table command writes, built from plain values, and
// the empty row that Add Row inserts into the table around the caret. Plain
// functions over text and values; no widgets.
//
// Positions are 0-based offsets in the editor text (a line break counts two).

#include "text/colour_names.h"

#include <QString>
#include <optional>
#include <vector>

namespace wrenpad {

// Everything the written table depends on.
struct TableMarkupValues {
  QString caption;          // empty: no caption element
  int rows = 2;             // 0 still writes the first row
  int columns = 2;          // 0 writes rows without cells
  // Heights of rows 1, 2, ... and widths of columns 1, 2, ...; an entry of
  // 0 or less, and a row or column past the end of the list, means none.
  std::vector<int> rowHeights;
  std::vector<int> colWidths;
  int border = 3;
  int spacing = 2;
  int padding = 2;
  int alignment = 0;        // 0 left, 1 center, 2 right
  std::optional<RgbColour> background;  // bgcolor, written only with a border
  bool cellComments = false;            // "<!-- row,column-->" in each cell
  // The default font of the table's style attribute.
  QString fontName;         // none when empty or the document's standard face
  RgbColour fontColour;     // none when black
  bool setFontSize = false;
  int fontSize = 10;
  QString fontSizeUnit = QStringLiteral("pt");
};

// The style attribute: " style = \"" followed by the font family (when the
// face is given and is not the standard face), " color:" and the colour's
// name or "#RRGGBB" (when not black), and the size with its unit (when set),
// closed by "\""; empty when none of them is written.
QString TableStyleAttribute(const TableMarkupValues& values);

// The whole table, from the "<br>" before it to the line break after
// "</table> ". Only the first row's cells carry widths; no closing tags are
// written for rows and cells.
QString TableMarkup(const TableMarkupValues& values);

struct RowInsertion {
  int position = 0;  // where the row goes
  QString text;      // "\r\n<tr>\r\n", one "<td>" and eight blanks per cell, "\r\n"
};

// The empty row Add Row inserts, modelled on the first row of the table that
// encloses `caret` (more "<table" than "</table" before the caret, compared
// in lower case). The first row runs from just past the table's first "<tr"
// to its next "<tr" or "</table", whichever comes first, so cells after the
// caret count too; its "<td" are counted. The row goes directly before the
// first "<tr" found from one character before the caret; when the table's
// "</table" comes first, or no "<tr" follows (the caret in the last row), it
// goes before that "</table", and at the end of the text when the table is
// not closed. Nothing when the caret is not inside a table.
std::optional<RowInsertion> AddRowInsertion(const QString& text, int caret);

}  // namespace wrenpad
