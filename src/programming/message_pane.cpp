// SPDX-License-Identifier: GPL-3.0-or-later
#include "programming/message_pane.h"

#include "editor/plain_paste.h"
#include "platform/font_substitution.h"

#include <QFont>
#include <QTextBlock>

namespace wrenpad {

MessagePane::MessagePane(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("CMsgWindow"));
  setFixedHeight(77);
  setFocusPolicy(Qt::ClickFocus);  // not a tab stop
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  // Compiler messages quote code: a fixed-pitch face keeps the markers under
  // the columns they point at, and shows a backslash as a backslash (the
  // Japanese window face draws it as a yen sign).
  QFont codeFont(programFace(QString()));
  codeFont.setStyleHint(QFont::TypeWriter);
  codeFont.setPointSize(9);
  setFont(codeFont);
  installPlainPaste(this);
}

void MessagePane::showCodeIn(const QString& face) {
  if (font().family() == face) return;
  QFont codeFont = font();
  codeFont.setFamily(face);
  setFont(codeFont);
}

bool MessagePane::canInsertFromMimeData(const QMimeData* source) const {
  return source != nullptr && QPlainTextEdit::canInsertFromMimeData(source);
}

void MessagePane::insertFromMimeData(const QMimeData* source) {
  if (source != nullptr) QPlainTextEdit::insertFromMimeData(source);
}

int MessagePane::caretLineIndex() const { return textCursor().blockNumber(); }

QString MessagePane::caretLineText() const { return textCursor().block().text(); }

void MessagePane::mouseDoubleClickEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseDoubleClickEvent(event);  // puts the caret on the clicked line
  emit lineDoubleClicked();
}

void MessagePane::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  emit clicked();
}

}  // namespace wrenpad
