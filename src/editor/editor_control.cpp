// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editor_control.h"

#include "editor/crlf_text.h"
#include "editor/editor_widget.h"
#include "editor/format_writer.h"

#include <QApplication>
#include <QClipboard>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

// EditorControl's own calls on the text: the one-level undo, the selection,
// lines, and the attributes of the selection and the paragraph. The widget,
// the CR LF text, the format writer and rich documents have files of their
// own (editor_widget.cpp, crlf_text.cpp, format_writer.cpp,
// rich_conversion.cpp).

namespace wrenpad {

// ---- one-level undo ------------------------------------------------------

void EditorControl::rememberUndoState() {
  if (editRunOpen_ || restoringUndo_) return;
  undoText_ = keptText();  // a snapshot: no copy of the text
  undoCaret_ = selStart();
  undoValid_ = true;
  editRunOpen_ = true;
}

void EditorControl::noteCaretMoved() {
  // A caret move that is not part of an edit ends the current run of typing.
  if (revision_ == caretRevision_) editRunOpen_ = false;
  caretRevision_ = revision_;
  emit selectionChanged();
}

void EditorControl::undo() {
  if (!undoValid_) return;
  const PieceText current = keptText();
  const int caret = selStart();
  const QString restored = undoText_.toString();
  restoringUndo_ = true;
  replaceWholeText(restored);
  keepWholeText(restored);
  restoringUndo_ = false;
  setSelStart(undoCaret_);
  undoText_ = current;
  undoCaret_ = caret;
  editRunOpen_ = false;
}
// ---- selection --------------------------------------------------------------

int EditorControl::selStart() const {
  return toControlPosition(edit_->textCursor().selectionStart());
}

void EditorControl::setSelStart(int position) { select(position, 0); }

int EditorControl::selLength() const {
  const QTextCursor cursor = edit_->textCursor();
  if (!cursor.hasSelection()) return 0;  // asked on every key: no look-up of lines
  return toControlPosition(cursor.selectionEnd()) - toControlPosition(cursor.selectionStart());
}

void EditorControl::setSelLength(int length) { select(selStart(), length); }

void EditorControl::select(int start, int length) {
  edit_->setTextCursor(cursorFor(start, length));
}

QString EditorControl::selText() const {
  const int start = selStart();
  return currentKeptText().mid(start, selLength());
}

void EditorControl::replaceSelection(const QString& replacement) {
  editRunOpen_ = false;
  rememberUndoState();
  QTextCursor cursor = edit_->textCursor();
  cursor.insertText(replacement);  // CR LF and lone CR each make one paragraph break
  edit_->setTextCursor(cursor);
  editRunOpen_ = false;
}

void EditorControl::selectAll() { edit_->selectAll(); }

// Other programs on this system end lines with LF alone unless the user
// chose CR LF; pasting accepts CR LF, CR and LF alike.
QString EditorControl::copiedSelection() const {
  const QString lineBreak = copiedLineBreak_ ? copiedLineBreak_() : QStringLiteral("\n");
  return withLineBreaks(selText(), lineBreak);
}

void EditorControl::copyToClipboard() const {
  const QString selected = copiedSelection();
  if (!selected.isEmpty()) QApplication::clipboard()->setText(selected);
}

// ---- lines --------------------------------------------------------------------

int EditorControl::lineCount() const { return edit_->document()->blockCount(); }

QString EditorControl::line(int index) const {
  return edit_->document()->findBlockByNumber(index).text();
}

int EditorControl::lineFromPosition(int position) const {
  if (position <= 0) return 0;
  return lineAtCrLfPosition(*edit_->document(), position, edit_->textCursor().block());
}

int EditorControl::positionOfLine(int lineIndex) const {
  const QTextBlock block = edit_->document()->findBlockByNumber(lineIndex);
  if (!block.isValid()) return -1;
  return block.position() + lineIndex;
}
// ---- attributes ----------------------------------------------------------------

CharAttributes EditorControl::selAttributes() const {
  QTextCursor cursor = edit_->textCursor();
  QTextCharFormat format;
  if (cursor.hasSelection()) {
    QTextCursor first(edit_->document());
    first.setPosition(cursor.selectionStart() + 1);
    format = first.charFormat();
  } else {
    format = cursor.charFormat();
  }
  CharAttributes result;
  result.color = format.hasProperty(QTextFormat::ForegroundBrush)
                     ? format.foreground().color()
                     : defaultFont_.color;
  const QString face = faceOf(format);
  result.fontName = face.isEmpty() ? defaultFont_.name : face;
  result.sizePoints = format.hasProperty(QTextFormat::FontPointSize)
                          ? qRound(format.fontPointSize())
                          : defaultFont_.sizePoints;
  result.charset = format.hasProperty(kCharsetProperty) ? format.intProperty(kCharsetProperty)
                                                        : defaultFont_.charset;
  result.bold = format.fontWeight() >= QFont::Bold;
  result.italic = format.fontItalic();
  result.underline = format.fontUnderline();
  result.strikeOut = format.fontStrikeOut();
  return result;
}
void EditorControl::setSelAttributes(const CharAttributes& attributes) {
  const QTextCharFormat format = formatOf(attributes, drawsBackslash_);
  FormattingScope scope(*this);
  QTextCursor cursor = edit_->textCursor();
  if (cursor.hasSelection())
    cursor.mergeCharFormat(format);
  else
    edit_->mergeCurrentCharFormat(format);
}

void EditorControl::resetAllFormats() {
  FormattingScope scope(*this);
  QTextCursor cursor(edit_->document());
  cursor.select(QTextCursor::Document);
  cursor.setCharFormat(QTextCharFormat());
  edit_->setCurrentCharFormat(QTextCharFormat());
}
Alignment EditorControl::paragraphAlignment() const {
  const Qt::Alignment alignment = edit_->textCursor().blockFormat().alignment();
  if (alignment & Qt::AlignRight) return Alignment::Right;
  if (alignment & Qt::AlignHCenter) return Alignment::Center;
  return Alignment::Left;
}

void EditorControl::setParagraphAlignment(Alignment alignment) {
  FormattingScope scope(*this);
  QTextCursor cursor = edit_->textCursor();
  mergeAlignment(cursor, alignment);
}

void EditorControl::setDefaultFont(const EditorFont& font) {
  FormattingScope scope(*this);
  defaultFont_ = font;
  QFont qfont;
  qfont.setFamilies(familiesOf(font.name, drawsBackslash_));
  qfont.setPointSize(std::max(1, font.sizePoints));
  edit_->document()->setDefaultFont(qfont);
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Text, font.color);
  edit_->setPalette(palette);
  // Typed text takes the default font from now on.
  edit_->setCurrentCharFormat(defaultCharFormat());
}

void EditorControl::setDrawsBackslash(bool drawsBackslash) {
  if (drawsBackslash == drawsBackslash_) return;
  drawsBackslash_ = drawsBackslash;
  setDefaultFont(defaultFont_);
}

QTextCharFormat EditorControl::defaultCharFormat() const {
  QTextCharFormat format;
  format.setFontFamilies(familiesOf(defaultFont_.name, drawsBackslash_));
  format.setFontPointSize(std::max(1, defaultFont_.sizePoints));
  format.setForeground(defaultFont_.color);
  format.setProperty(kCharsetProperty, defaultFont_.charset);
  return format;
}
}  // namespace wrenpad
