// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/plain_paste.h"

#include <QAbstractScrollArea>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace wrenpad {

namespace {

const char* const kFilterName = "wrenpadPlainPaste";

// Ctrl+V, Shift+Insert and whatever else the platform calls Paste.
bool isPasteKey(const QKeyEvent* key) {
  if (key->matches(QKeySequence::Paste)) return true;
  const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
  return (key->key() == Qt::Key_V && modifiers == Qt::ControlModifier) ||
         (key->key() == Qt::Key_Insert && modifiers == Qt::ShiftModifier);
}

class PlainPasteFilter : public QObject {
 public:
  PlainPasteFilter(QAbstractScrollArea* edit, PlainPasteInsert insert)
      : QObject(edit), edit_(edit), viewport_(edit->viewport()), insert_(std::move(insert)) {
    setObjectName(QString::fromLatin1(kFilterName));
    edit->installEventFilter(this);
    edit->viewport()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == edit_ && event->type() == QEvent::KeyPress && isPasteKey(static_cast<QKeyEvent*>(event))) {
      paste(QClipboard::Clipboard, std::nullopt);
      return true;
    }
    // The viewport as it was when the filter was installed: events still
    // arrive while the widget is taken down, when it is no scroll area any
    // more and none of its members may be called.
    if (watched == viewport_ && isMiddleRelease(event)) {
      if (QGuiApplication::clipboard()->supportsSelection())
        paste(QClipboard::Selection, static_cast<QMouseEvent*>(event)->position().toPoint());
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  // The widgets paste on the middle button's release; its press only
  // reaches them as a click.
  static bool isMiddleRelease(const QEvent* event) {
    return event->type() == QEvent::MouseButtonRelease &&
           static_cast<const QMouseEvent*>(event)->button() == Qt::MiddleButton;
  }

  void paste(QClipboard::Mode mode, std::optional<QPoint> at) {
    if (edit_->property("readOnly").toBool()) return;
    const QString text = QGuiApplication::clipboard()->text(mode);
    if (text.isEmpty()) return;
    insert_(text, at);
  }

  QAbstractScrollArea* edit_;
  const QObject* viewport_;
  PlainPasteInsert insert_;
};

// The widget's own caret, moved to a clicked point first.
template <typename Edit>
PlainPasteInsert ownInsertion(Edit* edit) {
  return [edit](const QString& text, std::optional<QPoint> at) {
    if (at) edit->setTextCursor(edit->cursorForPosition(*at));
    edit->insertPlainText(text);
    edit->ensureCursorVisible();
  };
}

}  // namespace

void installPlainPaste(QAbstractScrollArea* edit, PlainPasteInsert insert) {
  if (edit == nullptr || hasPlainPaste(edit)) return;
  new PlainPasteFilter(edit, std::move(insert));
}

void installPlainPaste(QPlainTextEdit* edit) { installPlainPaste(edit, ownInsertion(edit)); }

void installPlainPaste(QTextEdit* edit) { installPlainPaste(edit, ownInsertion(edit)); }

bool hasPlainPaste(const QAbstractScrollArea* edit) {
  return edit != nullptr &&
         edit->findChild<QObject*>(QString::fromLatin1(kFilterName), Qt::FindDirectChildrenOnly) != nullptr;
}

}  // namespace wrenpad
