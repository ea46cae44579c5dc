// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Count on a large file: the characters of the selection (the whole file,
// selected, when nothing is), counted by the rules of the editor's Count
// (large/character_count.h), and its lines; a progress dialog, with Cancel,
// stands over a count that takes a while.

#include "large/character_count.h"

#include <optional>

namespace wrenpad {

namespace large {
class LargeTextView;
}

// Nothing when the view holds no document or the user stopped the count.
std::optional<large::CharacterCount> CountLargeSelection(large::LargeTextView& view);

}  // namespace wrenpad
