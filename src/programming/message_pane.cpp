#include "programming/message_pane.h"

#include <QTextBlock>

namespace wrenpad {

MessagePane::MessagePane(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("CMsgWindow"));
  setFixedHeight(77);
  setFocusPolicy(Qt::ClickFocus);  // not a tab stop
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setLineWrapMode(QPlainTextEdit::NoWrap);
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
