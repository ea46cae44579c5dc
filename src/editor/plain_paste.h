// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pasting into the program's multi-line text widgets without Qt's own paste.
//
// Qt's text widgets paste the clipboard's mime object, and on X11 that object
// is missing while no program owns the selection (a fresh session, or after
// the program that held it quit): a middle click or Shift+Insert then ends
// the whole program inside the widget. Every multi-line text widget of ours
// installs this filter instead: the middle button's release and every paste
// key insert the clipboard's text as plain text, the primary selection for
// the middle button and the clipboard for keys. Nothing is inserted when
// there is no text, or into a read-only widget.

#include <QPoint>
#include <QString>
#include <functional>
#include <optional>

class QAbstractScrollArea;
class QPlainTextEdit;
class QTextEdit;

namespace wrenpad {

// Puts `text` into the widget: at the viewport point `at` (a middle click)
// or, without one, in place of the selection.
using PlainPasteInsert = std::function<void(const QString& text, std::optional<QPoint> at)>;

// Installs the filter on `edit` and its viewport; `insert` does the
// insertion. The filter belongs to the widget.
void installPlainPaste(QAbstractScrollArea* edit, PlainPasteInsert insert);

// The same with the widget's own caret and insertion.
void installPlainPaste(QPlainTextEdit* edit);
void installPlainPaste(QTextEdit* edit);

// Whether `edit` has the filter, for tests that walk a form's fields.
bool hasPlainPaste(const QAbstractScrollArea* edit);

}  // namespace wrenpad
