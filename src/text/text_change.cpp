// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/text_change.h"

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

}  // namespace wrenpad
