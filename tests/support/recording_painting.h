// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A PagePainting for command tests: it records the ranges the commands ask
// to paint, render and make plain, and paints nothing itself unless a test
// hands it a painter of single tags.

#include "colouring/page_painting.h"

#include <functional>
#include <utility>
#include <vector>

namespace wrenpad {

struct RecordingPainting : PagePainting {
  using Range = std::pair<int, int>;
  std::vector<Range> singleTags;
  std::vector<Range> ranges;    // paintTagsInRange
  std::vector<Range> rendered;  // renderWebFormats
  std::vector<Range> plain;     // plainRange
  // Called for each single tag after it is recorded, when set.
  std::function<void(int from, int to)> onSingleTag;

  void paintSingleTag(int from, int to) override {
    singleTags.emplace_back(from, to);
    if (onSingleTag) onSingleTag(from, to);
  }
  void paintTagsInRange(int start, int finish) override { ranges.emplace_back(start, finish); }
  void renderWebFormats(int start, int finish) override { rendered.emplace_back(start, finish); }
  void plainRange(int start, int finish) override { plain.emplace_back(start, finish); }
};

}  // namespace wrenpad
