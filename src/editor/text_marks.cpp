// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's background marks: the widget's extra selections, each tagged
// with the layer it belongs to, so that one layer is replaced without
// disturbing another's.
#include "editor/editor_control.h"
#include "editor/editor_widget.h"

#include <QTextCursor>

namespace wrenpad {

namespace {

constexpr int kMarkLayerProperty = QTextFormat::UserProperty + 2;

bool inLayer(const QTextEdit::ExtraSelection& selection, EditorControl::MarkLayer layer) {
  return selection.format.intProperty(kMarkLayerProperty) == int(layer);
}

}  // namespace

void EditorControl::setTextMarks(MarkLayer layer, const std::vector<TextMark>& marks) {
  QList<QTextEdit::ExtraSelection> selections = edit_->extraSelections();
  const qsizetype before = selections.size();
  selections.removeIf([layer](const QTextEdit::ExtraSelection& each) { return inLayer(each, layer); });
  if (marks.empty() && selections.size() == before) return;  // nothing shown, nothing to show
  for (const TextMark& mark : marks) {
    QTextEdit::ExtraSelection selection;
    selection.cursor = cursorFor(mark.start, mark.length);
    selection.format.setBackground(mark.background);
    selection.format.setProperty(kMarkLayerProperty, int(layer));
    selections << selection;
  }
  edit_->setExtraSelections(selections);
}

std::vector<EditorControl::TextMark> EditorControl::textMarks(MarkLayer layer) const {
  std::vector<TextMark> marks;
  for (const QTextEdit::ExtraSelection& selection : edit_->extraSelections()) {
    if (!inLayer(selection, layer)) continue;
    const int start = toControlPosition(selection.cursor.selectionStart());
    marks.push_back({start, toControlPosition(selection.cursor.selectionEnd()) - start,
                     selection.format.background().color()});
  }
  return marks;
}

}  // namespace wrenpad
