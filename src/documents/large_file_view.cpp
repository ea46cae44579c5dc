// SPDX-License-Identifier: GPL-3.0-or-later
// The large file as a document view: the view's own commands, and what it
// cannot do, in words the disabled commands show as their tips.

#include "documents/large_count.h"
#include "documents/large_files.h"
#include "large_view/large_text_view.h"

#include <QCoreApplication>
#include <QFont>

namespace wrenpad {

namespace {

const struct {
  ViewAbility ability;
  const char* reason;
} kReasons[] = {
    {ViewAbility::EditorCommands, QT_TRANSLATE_NOOP("LargeFileCommands", "it works in the editor only")},
    {ViewAbility::PageCommands, QT_TRANSLATE_NOOP("LargeFileCommands", "page commands work in the editor only")},
    {ViewAbility::ProgramCommands, QT_TRANSLATE_NOOP("LargeFileCommands", "program commands work in the editor only")},
    {ViewAbility::ToolCommands, QT_TRANSLATE_NOOP("LargeFileCommands", "the tools work in the editor only")},
    {ViewAbility::Colouring, QT_TRANSLATE_NOOP("LargeFileCommands", "colouring is off")},
    {ViewAbility::CharacterFormats, QT_TRANSLATE_NOOP("LargeFileCommands", "the view shows one face")},
    {ViewAbility::PageRendering, QT_TRANSLATE_NOOP("LargeFileCommands", "in-page rendering is off")},
    {ViewAbility::BackgroundColour, QT_TRANSLATE_NOOP("LargeFileCommands", "the view shows the system's colours")},
    {ViewAbility::UndoLevels, QT_TRANSLATE_NOOP("LargeFileCommands", "the view always keeps every undo step")},
    {ViewAbility::Print, QT_TRANSLATE_NOOP("LargeFileCommands", "copy the part to print into a new document")},
    {ViewAbility::OtherCodes, QT_TRANSLATE_NOOP("LargeFileCommands", "the file keeps its own code")},
};

}  // namespace

QString LargeFiles::whyNot(ViewAbility ability) const {
  for (const auto& known : kReasons)
    if (known.ability == ability)
      return QCoreApplication::translate("LargeFileCommands", "Not available for large files: %1")
          .arg(QCoreApplication::translate("LargeFileCommands", known.reason));
  return {};
}

QWidget* LargeFiles::widget() const { return &c_.view; }

qint64 LargeFiles::lineCount() { return shown_ ? document().lines().lineCount() : 1; }

QString LargeFiles::lineText(qint64 line) {
  if (!shown_) return {};
  large::LineIndex& lines = document().lines();
  return textBetween(lines.lineStart(line), lines.lineEnd(line));
}

QString LargeFiles::textBetween(qint64 from, qint64 to) {
  return c_.view.textBetween(from, to, QStringLiteral("\r\n"));
}

qint64 LargeFiles::caret() const { return c_.view.caret(); }
qint64 LargeFiles::selectionStart() const { return c_.view.selectionStart(); }
qint64 LargeFiles::selectionEnd() const { return c_.view.selectionEnd(); }
void LargeFiles::select(qint64 from, qint64 to) { c_.view.select(from, to); }
void LargeFiles::selectAll() { c_.view.selectAll(); }
void LargeFiles::cut() { c_.view.cut(); }
void LargeFiles::copy() { c_.view.copy(); }
void LargeFiles::paste() { c_.view.paste(); }
void LargeFiles::undo() { c_.view.undo(); }
void LargeFiles::redo() { c_.view.redo(); }

std::optional<DocumentView::TextCount> LargeFiles::countSelection() {
  const std::optional<large::CharacterCount> count = CountLargeSelection(c_.view);
  if (!count) return std::nullopt;
  return TextCount{.characters = count->characters, .lines = count->lines};
}

void LargeFiles::showLineNumbers(bool shown) { c_.view.setLineNumbersVisible(shown); }
void LargeFiles::setTabColumns(int columns) { c_.view.setTabColumns(std::max(1, columns)); }
QFont LargeFiles::face() const { return c_.view.font(); }
void LargeFiles::setFace(const QFont& face) { c_.view.setFont(face); }

void LargeFiles::endEdits(bool keepForRecovery) {
  if (keepForRecovery && shown_)
    edits_.keepForRecovery();
  else
    edits_.stop();
}

}  // namespace wrenpad
