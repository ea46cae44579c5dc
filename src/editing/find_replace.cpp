// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/find_replace.h"

#include "documents/document_state.h"
#include "documents/document_view.h"
#include "editor/editor_control.h"
#include "platform/dialogs.h"

#include <QWidget>
#include <functional>

namespace wrenpad {

namespace {

// With the caret this near the start Replace All asks nothing and covers the
// whole text at once.
constexpr int kQuietCaretLimit = 3;

}  // namespace

QString ReplacedCountQuestion(int count) {
  return QCoreApplication::translate("FindReplace",
                                     "%1 of the words have been replaced.\n"
                                     "Would you like to continue replacing from start to current cursor?")
      .arg(count);
}

QString AdditionalReplacedMessage(int count) {
  return QCoreApplication::translate("FindReplace", "Additional %1 of the words have been replaced.").arg(count);
}

// ---- the commands -------------------------------------------------------

FindReplace::FindReplace(FindReplaceContext context) : c_(std::move(context)) {}

// The forms' channels call back into this object: they go with it.
FindReplace::~FindReplace() {
  delete findForm_.data();
  delete replaceForm_.data();
}

TFindDialog& FindReplace::findForm() {
  if (!findForm_) {
    findForm_ = new TFindDialog(c_.editor.widget()->window());
    findForm_->requests().serve([this](const FindRequest& request) { serveFindDialog(request); });
  }
  return *findForm_;
}

TReplaceDialog& FindReplace::replaceForm() {
  if (!replaceForm_) {
    replaceForm_ = new TReplaceDialog(c_.editor.widget()->window());
    replaceForm_->requests().serve(
        [this](const FindRequest& request) { serveReplaceDialog(request); });
  }
  return *replaceForm_;
}

// The paste item's Ctrl+V stays away while either dialog is open: Ctrl+V in
// one dialog's field must not paste into the editor because the other
// dialog has just closed.
void FindReplace::mmFindClick() {
  findOpen_ = true;
  givePasteShortcut(false);
  TFindDialog& form = findForm();
  form.showValues({findFields_});
  c_.dialogs.showModeless(form.window());
}

void FindReplace::mmReplaceClick() {
  replaceOpen_ = true;
  givePasteShortcut(false);
  TReplaceDialog& form = replaceForm();
  form.showValues({replaceFields_});
  // At the top of the editor, a third of its width in from its left edge.
  const QWidget* editor = c_.view->widget();
  const QPoint corner = editor->mapToGlobal(QPoint(0, 0));
  form.move(corner.x() + editor->width() / 3, corner.y());
  c_.dialogs.showModeless(form.window());
}

void FindReplace::FindDialogClose() {
  findOpen_ = false;
  if (!replaceOpen_) givePasteShortcut(true);
  returnToEditor();
}

void FindReplace::ReplaceDialogClose() {
  replaceOpen_ = false;
  if (!findOpen_) givePasteShortcut(true);
  returnToEditor();
}

// The window becomes active again with the editor focused: without a window
// manager to do it, the menus' short-cuts would stay with the closed dialog.
void FindReplace::returnToEditor() { c_.editor.returnFocus(); }

void FindReplace::givePasteShortcut(bool on) {
  if (c_.setPasteShortcut) c_.setPasteShortcut(on);
}

// The program's own closing: hiding raises no Closed request, so the close
// handler runs once.
void FindReplace::closeFindDialog() {
  if (findForm_) findForm_->hide();
  FindDialogClose();
}

void FindReplace::closeReplaceDialog() {
  if (replaceForm_) replaceForm_->hide();
  ReplaceDialogClose();
}

void FindReplace::serveFindDialog(const FindRequest& request) {
  findFields_ = request.fields;
  switch (request.kind) {
    case FindRequest::Kind::FindNext: FindDialogFind(); break;
    case FindRequest::Kind::Closed: FindDialogClose(); break;
    default: break;  // the Find dialog has nothing else to ask
  }
}

void FindReplace::serveReplaceDialog(const FindRequest& request) {
  replaceFields_ = request.fields;
  switch (request.kind) {
    case FindRequest::Kind::FindNext: ReplaceDialogFind(); break;
    case FindRequest::Kind::Replace: ReplaceDialogReplace(false); break;
    case FindRequest::Kind::ReplaceAll: ReplaceDialogReplace(true); break;
    case FindRequest::Kind::Closed: ReplaceDialogClose(); break;
    case FindRequest::Kind::Edited: break;
  }
}

// One forward search from the end of the selection, with the Find dialog's
// case rule; it stops at the end of the text.
void FindReplace::FindDialogFind() {
  const QString& what = findFields_.findText;
  if (what.isEmpty()) return;
  if (c_.view->findNext(what, findFields_.matchCase)) return;
  // Shown when Find reaches the end of the text.
  c_.dialogs.showMessage(kApplicationTitle, tr("Could not find the word"));
  closeFindDialog();
}

// Find Next of the Replace dialog searches with its text but, going through
// the Find dialog, with the Find dialog's case rule.
void FindReplace::ReplaceDialogFind() {
  findFields_.findText = replaceFields_.findText;
  if (findForm_) findForm_->showValues({findFields_});
  FindDialogFind();
}

void FindReplace::ReplaceDialogReplace(bool all) {
  if (replaceFields_.findText.isEmpty()) return;  // nothing to look for, nothing to replace
  if (all)
    replaceAll();
  else
    replaceSelection();
}

// Whatever is selected becomes the replacement; the caret then goes on
// (length of the search text - 1) past it and the next occurrence is
// selected. With nothing selected this only searches.
void FindReplace::replaceSelection() {
  // The next search starts right after the inserted text, so an occurrence
  // that follows at once is found too, and the replacement is never searched.
  if (!c_.view->replaceSelection(replaceFields_.replaceText)) return;
  ReplaceDialogFind();
}

// Replace All in two passes around the caret (the view's replaceAll): from
// just before the caret to the end, then, when the user goes on, from the
// start up to the first hit of that pass. With the caret at
// kQuietCaretLimit or less nothing is asked and one pass covers the whole
// text. Both passes count and replace with the Replace dialog's case rule,
// and the question and the report come even when a pass found nothing.
void FindReplace::replaceAll() {
  DocumentView& view = *c_.view;
  std::function<bool(qint64)> goOn;
  if (view.caret() > kQuietCaretLimit) {
    goOn = [this](qint64 count) {
      return c_.dialogs.askYesNoCancel(QString(), ReplacedCountQuestion(int(count))) == Answer::Yes;
    };
  }
  const DocumentView::ReplacedCounts counts =
      view.replaceAll(replaceFields_.findText, replaceFields_.replaceText, replaceFields_.matchCase, goOn);
  if (counts.second)
    c_.dialogs.showMessage(kApplicationTitle, AdditionalReplacedMessage(int(*counts.second)));
  closeReplaceDialog();
  // A new text has lost its colours; an untouched one kept them.
  if (counts.first + counts.second.value_or(0) > 0 && c_.recolourWholeText) c_.recolourWholeText();
}

}  // namespace wrenpad
