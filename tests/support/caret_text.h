// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts with the caret written in them: "ab|c" puts the caret before "c";
// reading back, a selection shows as "[...]".

#include "editor/editor_control.h"

#include <QString>
#include <algorithm>

namespace wrenpad::test {

// Gives the editor the text with the caret where "|" stands.
inline void setTextWithCaret(EditorControl& editor, const QString& withCaret) {
  const int at = int(withCaret.indexOf(u'|'));
  QString text = withCaret;
  if (at >= 0) text.remove(at, 1);
  editor.setText(text);
  editor.setSelStart(std::max(at, 0));
}

// The editor's text with "|" at the caret (nothing selected) or [ ] around
// the selection.
inline QString textWithCaret(const EditorControl& editor) {
  QString text = editor.text();
  const int start = editor.selStart();
  if (editor.selLength() == 0) return text.insert(start, u'|');
  text.insert(start + editor.selLength(), u']');
  return text.insert(start, u'[');
}

}  // namespace wrenpad::test
