// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an editor shows, line by line: each line's alignment and its text cut
// into stretches of one format, adjacent equal formats joined. Two editors
// that show the same thing give equal dumps, however their formats were laid
// down.

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <vector>

#include "editor/editor_control.h"

namespace wrenpad::test {

struct ShownStretch {
  int end = 0;  // within the line
  QTextCharFormat format;
  friend bool operator==(const ShownStretch&, const ShownStretch&) = default;
};

struct ShownLine {
  Qt::Alignment alignment = Qt::AlignLeft;
  std::vector<ShownStretch> stretches;
  friend bool operator==(const ShownLine&, const ShownLine&) = default;
};

inline std::vector<ShownLine> shownLines(const EditorControl& editor) {
  const auto* view = qobject_cast<const QPlainTextEdit*>(editor.widget());
  std::vector<ShownLine> lines;
  for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
    ShownLine line;
    line.alignment = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    if (line.alignment == Qt::Alignment()) line.alignment = Qt::AlignLeft;
    QTextCursor cursor(block);
    for (int at = 1; at < block.length(); ++at) {
      cursor.setPosition(block.position() + at);
      const QTextCharFormat format = cursor.charFormat();  // of the character before `at`
      if (!line.stretches.empty() && line.stretches.back().format == format)
        line.stretches.back().end = at;
      else
        line.stretches.push_back({at, format});
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace wrenpad::test
