// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/find_replace.h"

#include "documents/document_state.h"
#include "documents/large_files.h"
#include "editor/editor_control.h"
#include "large_view/large_text_view.h"
#include "platform/dialogs.h"

#include <QStringView>
#include <QWidget>
#include <algorithm>
#include <functional>

namespace wrenpad {

namespace {

// With the caret this near the start Replace All asks nothing and covers the
// whole text at once.
constexpr int kQuietCaretLimit = 3;

Qt::CaseSensitivity caseRule(bool matchCase) {
  return matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

}  // namespace

// ---- the text work ------------------------------------------------------

// QStringView::indexOf with Qt::CaseInsensitive folds case character by
// character with Unicode's simple folding (Ä/ä, Ａ/ａ, Σ/σ), so a hit is
// always exactly as long as `what`; Japanese letters have no case and match
// themselves.
std::vector<qsizetype> FindOccurrences(const QString& text, const QString& what,
                                       Qt::CaseSensitivity cs, qsizetype from,
                                       qsizetype beginBefore, qsizetype endBy) {
  std::vector<qsizetype> hits;
  if (what.isEmpty()) return hits;
  const QStringView within = QStringView(text).first(std::clamp<qsizetype>(endBy, 0, text.size()));
  for (qsizetype at = within.indexOf(what, std::max<qsizetype>(from, 0), cs);
       at >= 0 && at < beginBefore; at = within.indexOf(what, at + what.size(), cs))
    hits.push_back(at);
  return hits;
}

// Built piece by piece into a reserved string: replacing in place would move
// the whole rest of the text at every hit.
QString ReplaceAt(const QString& text, const std::vector<qsizetype>& at, qsizetype length,
                  const QString& with) {
  if (at.empty()) return text;
  QString result;
  result.reserve(text.size() + qsizetype(at.size()) * (with.size() - length));
  qsizetype copied = 0;
  for (const qsizetype hit : at) {
    result.append(QStringView(text).sliced(copied, hit - copied));
    result.append(with);
    copied = hit + length;
  }
  result.append(QStringView(text).sliced(copied));
  return result;
}

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
  const QWidget* editor = c_.editor.widget();
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
  LargeFiles* large = shownLargeFile();
  if (large ? large->findNext(what, findFields_.matchCase) : findInEditor(what, findFields_.matchCase)) return;
  // Shown when Find reaches the end of the text.
  c_.dialogs.showMessage(kApplicationTitle, tr("Could not find the word"));
  closeFindDialog();
}

LargeFiles* FindReplace::shownLargeFile() const {
  return c_.largeFiles && c_.largeFiles->shown() ? c_.largeFiles : nullptr;
}

bool FindReplace::findInEditor(const QString& what, bool matchCase) {
  const QString text = c_.editor.text();
  const qsizetype from = c_.editor.selStart() + c_.editor.selLength();
  const qsizetype at = text.indexOf(what, from, caseRule(matchCase));
  if (at < 0) return false;
  c_.editor.select(int(at), int(what.size()));
  c_.editor.scrollCaretIntoView();
  return true;
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
  if (LargeFiles* large = shownLargeFile()) {
    if (!large->replaceSelection(replaceFields_.replaceText)) return;
  } else if (c_.editor.selLength() > 0) {
    c_.editor.replaceSelection(replaceFields_.replaceText);
  }
  ReplaceDialogFind();
}

// Replace All works in two passes around a split point s one character
// before the caret c (s = c - 1), so that an occurrence beginning on the
// character just before the caret belongs to the first pass.
//
//   First pass: the occurrences beginning at or after s, searched from s to
//   the end without overlaps. Let f be where the first of them begins (the
//   end of the text when there is none); nothing before f changes.
//   Additional pass (on Yes): the occurrences beginning before s and ending
//   by f, searched from the start without overlaps. An occurrence that
//   begins before s and crosses it lies in the untouched stretch before f,
//   so it is replaced here, once. One that would reach past f overlaps a hit
//   of the first pass, which already replaced those characters: hits never
//   overlap, and the first pass has precedence. Text made by a replacement is
//   never searched again.
//
// With the caret at kQuietCaretLimit or less nothing is asked and s is 0: a
// single pass over the whole text, which leaves no occurrence out.
//
// Both passes count and replace with the Replace dialog's case rule. A pass
// with no hit leaves the text alone (no modified flag, colours kept); the
// question and the report come all the same. Both passes together are one
// undo step.
void FindReplace::replaceAll() {
  if (LargeFiles* large = shownLargeFile()) return replaceAllInLargeFile(*large);
  const QString& what = replaceFields_.findText;
  const QString& with = replaceFields_.replaceText;
  const Qt::CaseSensitivity cs = caseRule(replaceFields_.matchCase);
  const QString original = c_.editor.text();
  const int caret = c_.editor.selStart();
  const bool asks = caret > kQuietCaretLimit;
  const qsizetype split = asks ? caret - 1 : 0;

  const std::vector<qsizetype> tail =
      FindOccurrences(original, what, cs, split, original.size(), original.size());
  QString current = ReplaceAt(original, tail, what.size(), with);
  if (!tail.empty()) c_.editor.replaceText(current);
  bool changed = !tail.empty();

  // The question is modal: the text cannot change before the answer.
  if (asks && c_.dialogs.askYesNoCancel(QString(), ReplacedCountQuestion(int(tail.size()))) == Answer::Yes) {
    const qsizetype untouchedEnd = tail.empty() ? original.size() : tail.front();
    const std::vector<qsizetype> head = FindOccurrences(original, what, cs, 0, split, untouchedEnd);
    if (!head.empty()) {
      current = ReplaceAt(current, head, what.size(), with);
      c_.editor.replaceText(current, /*sameUndoStep=*/changed);
      changed = true;
    }
    c_.dialogs.showMessage(kApplicationTitle, AdditionalReplacedMessage(int(head.size())));
  }

  c_.editor.setSelStart(std::min(caret, c_.editor.textLength()));
  closeReplaceDialog();
  // A new text has lost its colours; an untouched one kept them.
  if (changed && c_.recolourWholeText) c_.recolourWholeText();
}

// The same two passes in a large file's own bytes (large_files.h).
void FindReplace::replaceAllInLargeFile(LargeFiles& large) {
  std::function<bool(qint64)> goOn;
  if (large.view().caret() > kQuietCaretLimit) {
    goOn = [this](qint64 count) {
      return c_.dialogs.askYesNoCancel(QString(), ReplacedCountQuestion(int(count))) == Answer::Yes;
    };
  }
  const LargeFiles::ReplacedCounts counts = large.replaceAll(
      replaceFields_.findText, replaceFields_.replaceText, replaceFields_.matchCase, goOn);
  if (counts.second)
    c_.dialogs.showMessage(kApplicationTitle, AdditionalReplacedMessage(int(*counts.second)));
  closeReplaceDialog();
}

}  // namespace wrenpad
