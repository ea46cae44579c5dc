// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/form_commands.h"

#include "colouring/paint_guards.h"
#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "platform/dialogs.h"
#include "settings/settings.h"

#include <algorithm>

namespace wrenpad {

namespace {

// How far past a division the painting reaches, so a tag the division
// touches is coloured whole.
constexpr int kDivPaintMargin = 10;

}  // namespace

FormCommands::FormCommands(FormCommandsContext context) : c_(std::move(context)) {}

bool FormCommands::isWebPage() const { return c_.document.DocumentMode == kHtmlMode; }

template <class Values>
std::optional<Values> FormCommands::ask(ValueForm<Values>& form, Values& kept) {
  std::optional<Values> chosen = c_.dialogs.askForm(form, kept);
  if (chosen) kept = *chosen;
  return chosen;
}

void FormCommands::recolour(int from, int writtenTo, int paintTo, int renderTo) {
  const int length = c_.editor.textLength();
  paintTo = std::min(paintTo, length);
  renderTo = std::min(renderTo, length);
  if (c_.settings.AutoRepaint) {
    const RedrawSuspended frozen(c_.editor);
    if (from < writtenTo) c_.painting.plainRange(from, std::min(writtenTo, length));
    if (from < renderTo && c_.settings.Realization) c_.painting.renderWebFormats(from, renderTo);
    // An empty range has nothing to colour.
    if (from < paintTo) c_.painting.paintTagsInRange(from, paintTo);
  }
  if (c_.setProgress) c_.setProgress(0);
}

void FormCommands::insertMarkup(const QString& markup) {
  const int start = c_.editor.selStart();
  c_.editor.replaceSelection(markup);
  const int end = start + int(markup.size());
  recolour(start, end, end, start);
  c_.editor.setSelStart(end);
}

void FormCommands::mmNewFormClick() {
  if (!isWebPage() || !ask(c_.formDialog, form_)) return;
  const NewFormEdit edit = NewFormMarkup(form_, c_.editor.text(), c_.editor.selStart(), c_.editor.selLength());
  form_.handler = edit.handler;
  c_.editor.select(edit.start, edit.length);
  c_.editor.replaceSelection(edit.replacement);
  // The text between the function and the form was written anew: it is
  // rendered and coloured again too, from the start of the script element,
  // since the painter must start outside a tag or script.
  const int end = edit.start + int(edit.replacement.size());
  int from = edit.start;
  if (edit.functionAt >= 0) {
    const qsizetype script = c_.editor.text().lastIndexOf(QStringLiteral("<script"), edit.start, Qt::CaseInsensitive);
    if (script >= 0) from = int(script);
  }
  recolour(from, end, end, edit.functionAt >= 0 ? end : edit.start);
  c_.editor.setSelStart(edit.formStart + edit.formLength);
}

void FormCommands::mmSingleLineInputClick() {
  if (isWebPage() && ask(c_.singleLineInputDialog, singleLineInput_))
    insertMarkup(SingleLineInputMarkup(singleLineInput_));
}

void FormCommands::mmTextAreaClick() {
  if (isWebPage() && ask(c_.textAreaDialog, textArea_)) insertMarkup(TextAreaMarkup(textArea_));
}

void FormCommands::mmSelectClick() {
  if (isWebPage() && ask(c_.selectDialog, select_)) insertMarkup(SelectMarkup(select_));
}

void FormCommands::mmCheckBoxClick() {
  if (isWebPage() && ask(c_.checkDialog, checkBoxes_)) insertMarkup(CheckBoxesMarkup(checkBoxes_));
}

void FormCommands::mmDivClick() {
  if (!isWebPage() || !ask(c_.divDialog, div_)) return;
  const int start = c_.editor.selStart();
  const QString markup = DivMarkup(div_, c_.editor.selText());
  c_.editor.replaceSelection(markup);
  const int end = start + int(markup.size());
  recolour(start, end, end + kDivPaintMargin, end + 1);
  c_.editor.setSelStart(end);
}

}  // namespace wrenpad
