// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/editor_view.h"

#include "documents/undo_commands.h"
#include "editor/editor_control.h"
#include "editor/line_number_gutter.h"
#include "text/text_helpers.h"

#include <QFont>
#include <QStringView>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace wrenpad {

namespace {

Qt::CaseSensitivity caseRule(bool matchCase) { return matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive; }

// Where `what` occurs in `text`, searching from `from` and resuming after the
// whole of each hit (so hits never overlap), keeping the hits that begin
// before `beginBefore` and end by `endBy`. QStringView::indexOf with
// Qt::CaseInsensitive folds case character by character with Unicode's
// simple folding (Ä/ä, Ａ/ａ, Σ/σ), so a hit is always exactly as long as
// `what`; Japanese letters have no case and match themselves.
std::vector<qsizetype> findOccurrences(const QString& text, const QString& what, Qt::CaseSensitivity cs,
                                       qsizetype from, qsizetype beginBefore, qsizetype endBy) {
  std::vector<qsizetype> hits;
  if (what.isEmpty()) return hits;
  const QStringView within = QStringView(text).first(std::clamp<qsizetype>(endBy, 0, text.size()));
  for (qsizetype at = within.indexOf(what, std::max<qsizetype>(from, 0), cs);
       at >= 0 && at < beginBefore; at = within.indexOf(what, at + what.size(), cs))
    hits.push_back(at);
  return hits;
}

// `text` with `with` put in place of the `length` characters at each of
// `at` (ascending, not overlapping), built piece by piece into a reserved
// string: replacing in place would move the whole rest of the text at every hit.
QString replaceAt(const QString& text, const std::vector<qsizetype>& at, qsizetype length, const QString& with) {
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

}  // namespace

QWidget* EditorView::widget() const { return c_.editor.widget(); }

qint64 EditorView::lineCount() { return c_.editor.lineCount(); }

QString EditorView::lineText(qint64 line) { return c_.editor.line(int(line)); }

QString EditorView::textBetween(qint64 from, qint64 to) { return c_.editor.keptText().mid(from, to - from); }

qint64 EditorView::caret() const { return c_.editor.selStart(); }

qint64 EditorView::selectionStart() const { return c_.editor.selStart(); }

qint64 EditorView::selectionEnd() const { return c_.editor.selStart() + c_.editor.selLength(); }

void EditorView::select(qint64 from, qint64 to) {
  c_.editor.select(int(from), int(to - from));
  c_.editor.scrollCaretIntoView();
}

void EditorView::selectAll() { c_.editor.selectAll(); }

qint64 EditorView::caretLine() { return c_.editor.lineFromPosition(c_.editor.selStart()); }

void EditorView::goToLine(qint64 line, int column) {
  EditorControl& editor = c_.editor;
  const int target = int(std::clamp<qint64>(line, 0, editor.lineCount() - 1));
  editor.scrollLines(target - editor.lineFromPosition(editor.selStart()));
  const int offset = PositionAfterCharacters(editor.line(target), 0, std::max(column, 0));
  editor.setSelStart(editor.positionOfLine(target) + offset);
  editor.scrollCaretIntoView();
  editor.setFocus();
}

bool EditorView::replaceSelection(const QString& text) {
  if (c_.editor.selLength() > 0 && !c_.editor.isReadOnly()) c_.editor.replaceSelection(text);
  return true;
}

void EditorView::cut() {
  if (c_.editor.isReadOnly()) return copy();
  c_.editor.copyToClipboard();
  c_.editor.replaceSelection(QString());
}

void EditorView::copy() { c_.editor.copyToClipboard(); }

void EditorView::paste() {
  if (!c_.editor.isReadOnly() && c_.paste) c_.paste();
}

void EditorView::undo() {
  if (undo_)
    undo_->mmUndoClick();
  else
    c_.editor.undo();
}

void EditorView::redo() {
  if (undo_) undo_->mmRedoClick();
}

bool EditorView::findNext(const QString& what, bool matchCase) {
  const qsizetype at = c_.editor.text().indexOf(what, selectionEnd(), caseRule(matchCase));
  if (at < 0) return false;
  select(at, at + what.size());
  return true;
}

// The two passes around a split point s one character before the caret c
// (s = c - 1), so that an occurrence beginning on the character just
// before the caret belongs to the first pass.
//
//   First pass: the occurrences beginning at or after s, searched from s to
//   the end without overlaps. Let f be where the first of them begins (the
//   end of the text when there is none); nothing before f changes.
//   Additional pass (on going on): the occurrences beginning before s and
//   ending by f, searched from the start without overlaps. An occurrence
//   that begins before s and crosses it lies in the untouched stretch
//   before f, so it is replaced here, once. One that would reach past f
//   overlaps a hit of the first pass, which already replaced those
//   characters: hits never overlap, and the first pass has precedence. Text
//   made by a replacement is never searched again.
//
// A pass with no hit leaves the text alone (no modified flag, colours kept).
DocumentView::ReplacedCounts EditorView::replaceAll(const QString& what, const QString& with, bool matchCase,
                                                    const std::function<bool(qint64)>& goOn) {
  ReplacedCounts counts;
  if (c_.editor.isReadOnly()) return counts;
  const Qt::CaseSensitivity cs = caseRule(matchCase);
  const QString original = c_.editor.text();
  const int caret = c_.editor.selStart();
  const qsizetype split = goOn ? caret - 1 : 0;
  const std::vector<qsizetype> tail = findOccurrences(original, what, cs, split, original.size(), original.size());
  QString current = replaceAt(original, tail, what.size(), with);
  if (!tail.empty()) c_.editor.replaceText(current);
  counts.first = qint64(tail.size());
  // The question is modal: the text cannot change before the answer.
  if (goOn && goOn(counts.first)) {
    const qsizetype untouchedEnd = tail.empty() ? original.size() : tail.front();
    const std::vector<qsizetype> head = findOccurrences(original, what, cs, 0, split, untouchedEnd);
    if (!head.empty()) {
      current = replaceAt(current, head, what.size(), with);
      c_.editor.replaceText(current, /*sameUndoStep=*/!tail.empty());
    }
    counts.second = qint64(head.size());
  }
  c_.editor.setSelStart(std::min(caret, c_.editor.textLength()));
  return counts;
}

std::optional<DocumentView::TextCount> EditorView::countSelection() {
  if (c_.editor.selLength() == 0) c_.editor.selectAll();
  return TextCount{.characters = CountLetters(c_.editor.selText()), .lines = std::nullopt};
}

bool EditorView::isModified() const { return c_.editor.isModified(); }

bool EditorView::isReadOnly() const { return c_.editor.isReadOnly(); }

void EditorView::setReadOnly(bool readOnly) { c_.editor.setReadOnly(readOnly); }

void EditorView::showLineNumbers(bool shown) {
  if (c_.gutter) c_.gutter->setShown(shown);
}

QFont EditorView::face() const {
  const EditorFont font = c_.editor.defaultFont();
  QFont face(font.name);
  face.setPointSize(std::max(1, font.sizePoints));
  return face;
}

void EditorView::setFace(const QFont& face) {
  EditorFont font = c_.editor.defaultFont();
  font.name = face.family();
  font.sizePoints = face.pointSize();
  c_.editor.setDefaultFont(font);
}

void EditorView::endEdits(bool keepForRecovery) {
  if (!undo_) return;
  if (keepForRecovery)
    undo_->keepForRecovery();
  else
    undo_->cleanUp();
}

}  // namespace wrenpad
