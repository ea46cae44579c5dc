// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keys typed into a widget the way the window system delivers them, for the
// benchmarks that time a key: a press and its release, a character typed and
// taken back as often as the benchmark asks, and the caret put where typing
// goes in a QPlainTextEdit.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>

namespace wrenpad::bench {

// Whether each key is followed by the repaint and the zero-interval work it
// posted, as the window system would run them before the next key.
enum class Painted { No, Yes };

inline void typeKey(QWidget* view, int key, const QString& text, Painted painted) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(view, &press);
  QApplication::sendEvent(view, &release);
  if (painted == Painted::Yes) QApplication::processEvents();
}

// Types "a" and takes it back with Backspace, as many times as the state
// asks. One untimed round first: the first key lays the text out as far as
// the caret (a bare edit) or makes the kept text the editor's own (ours).
inline void typeAndTakeBack(benchmark::State& state, QWidget* view, Painted painted) {
  typeKey(view, Qt::Key_A, QStringLiteral("a"), painted);
  typeKey(view, Qt::Key_Backspace, QString(), painted);
  for (auto _ : state) {
    typeKey(view, Qt::Key_A, QStringLiteral("a"), painted);
    typeKey(view, Qt::Key_Backspace, QString(), painted);
  }
  state.SetItemsProcessed(state.iterations() * 2);
}

enum Place { kMiddle = 0, kEnd = 1 };

// The end of a line in the middle (where typing goes) or the very end.
inline void putCaret(QPlainTextEdit& edit, Place place) {
  QTextCursor cursor = edit.textCursor();
  if (place == kEnd) {
    cursor.movePosition(QTextCursor::End);
  } else {
    cursor.setPosition(edit.document()->characterCount() / 2);
    cursor.movePosition(QTextCursor::EndOfBlock);
  }
  edit.setTextCursor(cursor);
  edit.ensureCursorVisible();
  QApplication::processEvents();
}

}  // namespace wrenpad::bench
