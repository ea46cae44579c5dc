// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Count on a large file: the characters of the selection (the whole file,
// selected, when nothing is), counted by the rules of the editor's Count
// (large/character_count.h), and its lines; a progress dialog, with Cancel,
// stands over a count that takes a while.

#include <QString>

namespace wrenpad {

namespace large {
class LargeTextView;
}

class Dialogs;
struct MessageTable;

void CountLargeText(large::LargeTextView& view, Dialogs& dialogs, const MessageTable& messages);

// The message of a count, as the editor's Count words it, with the lines after it.
QString LargeCountMessage(const MessageTable& messages, qint64 characters, qint64 lines);

}  // namespace wrenpad
