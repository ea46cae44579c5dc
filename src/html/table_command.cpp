// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/table_command.h"

#include "colouring/colouring_context.h"
#include "colouring/paint_guards.h"
#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "html/font_tag.h"
#include "html/table_markup.h"
#include "platform/dialogs.h"
#include "settings/settings.h"
#include "text/text_helpers.h"

#include <algorithm>

namespace wrenpad {

namespace {

// The blank inside the first cell of an added row: "\r\n<tr>\r\n<td>" and one.
constexpr int kFirstCellOffset = 13;


TableMarkupValues markupValues(const TableValues& chosen) {
  TableMarkupValues values;
  values.caption = chosen.caption;
  values.rows = chosen.rows;
  values.columns = chosen.columns;
  values.rowHeights = chosen.rowHeights;
  values.colWidths = chosen.colWidths;
  values.border = chosen.border;
  values.spacing = chosen.spacing;
  values.padding = chosen.padding;
  values.alignment = chosen.alignment;
  if (chosen.setBackground) values.background = RgbOf(chosen.background);
  values.cellComments = chosen.cellComments;
  values.fontName = chosen.font.fontName;
  values.fontColour = RgbOf(chosen.font.colour);
  values.setFontSize = chosen.font.setSize;
  values.fontSize = chosen.font.size;
  values.fontSizeUnit = chosen.font.unit;
  return values;
}

}  // namespace

TableCommand::TableCommand(TableCommandContext context) : c_(std::move(context)) {}

void TableCommand::mmTableClick() {
  if (c_.document.DocumentMode == kTextMode) return;
  const int caret = c_.editor.selStart();
  const QString pageFace = c_.colouring.PageFontName.isEmpty() ? c_.document.DocumentFontName
                                                                : c_.colouring.PageFontName;
  TableValues shown = last_;
  if (c_.screenFonts) shown.fontNames = c_.screenFonts();
  shown.font.fontName = FontAtCaret(c_.editor.text(), caret, {pageFace, c_.colouring.EditorFontSize, {}}).face;
  const std::optional<TableValues> chosen = c_.dialogs.askForm(c_.form, shown);
  if (!chosen) return;
  last_ = *chosen;

  const int start = c_.editor.selStart();
  c_.editor.replaceSelection(TableMarkup(markupValues(*chosen)));
  // The whole insertion is coloured, the "<br>" before the table too.
  c_.painting.plainRange(start, c_.editor.selStart());
  c_.painting.paintTagsInRange(start, c_.editor.selStart());
  if (c_.setProgress) c_.setProgress(0);
}

void TableCommand::pmAddRowClick() {
  const std::optional<RowInsertion> row = AddRowInsertion(c_.editor.text(), c_.editor.selStart());
  if (!row) return;
  const int length = int(row->text.size());
  c_.editor.select(row->position, 0);
  c_.editor.replaceSelection(row->text);
  if (!c_.settings.AutoRepaint) {
    c_.editor.setSelStart(row->position + length);
    return;
  }
  {
    const ChangeWatchOff quiet(c_.session);
    const RedrawSuspended frozen(c_.editor);
    EditorControl::FormatRun run;
    run.start = row->position;
    run.length = length;
    run.attributes.color = StyleOnBackground(c_.colouring.paintStyle(), c_.editor.background()).tagColour;
    run.attributes.sizePoints = c_.colouring.EditorFontSize;
    run.attributes.fontName = kProportionalGothic;
    run.attributes.charset = kShiftJisCharset;
    run.attributes.bold = false;
    run.attributes.italic = false;
    run.attributes.underline = false;
    run.attributes.strikeOut = false;
    c_.editor.applyFormats({run});
  }
  c_.editor.setSelStart(row->position + std::min(kFirstCellOffset, length));
}

}  // namespace wrenpad
