#include "editing/text_change.h"

#include "shell/editor_control.h"

namespace wrenpad {

QString appliedTo(QString text, const TextChanges& changes) {
  for (const TextChange& change : changes) text.replace(change.start, change.length, change.replacement);
  return text;
}

int positionAfter(int position, const TextChanges& changes) {
  for (const TextChange& change : changes) {
    if (position <= change.start && !(change.length == 0 && position == change.start)) continue;
    if (position >= change.end())
      position += int(change.replacement.size()) - change.length;
    else
      position = change.start + int(change.replacement.size());
  }
  return position;
}

void applyChanges(EditorControl& editor, const TextChanges& changes) {
  for (const TextChange& change : changes) {
    editor.select(change.start, change.length);
    editor.replaceSelection(change.replacement);
  }
}

}  // namespace wrenpad
