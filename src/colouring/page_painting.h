// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the mark-up commands ask of the page's colouring after they wrote
// text: the tag painter (colouring/tag_painter.h) carries it out in the
// program; tests record the ranges. Every call checks the automatic
// colouring switch itself, so a command calls it whether colouring is on or
// not. Positions are 0-based editor positions.

namespace wrenpad {

class PagePainting {
 public:
  virtual ~PagePainting() = default;

  // Colours the tag [from, to) just written or closed, with its quoted
  // values, or the comment it starts.
  virtual void paintSingleTag(int from, int to) = 0;
  // Colours the tags of [start, finish), the progress bar going from 0 to 100.
  virtual void paintTagsInRange(int start, int finish) = 0;
  // Shows the page's web formats within [start, finish); nothing unless the
  // in-editor rendering is on as well.
  virtual void renderWebFormats(int start, int finish) = 0;
  // Gives [start, finish) the uncoloured look before it is painted again:
  // text written anew would otherwise keep the format of the character
  // before it.
  virtual void plainRange(int start, int finish) = 0;
};

}  // namespace wrenpad
