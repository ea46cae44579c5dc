// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The HTML tag painter as a pure computation: from the editor text and a
// range it gives the spans to colour (tags, double-quoted values, comments)
// and the progress bar values to show on the way. Applying them to the
// editor is the adapter's work.

#include <QString>
#include <optional>
#include <vector>

#include "colouring/colour_span.h"

namespace wrenpad {

// The part of the main window's progress bar (0 to 100) a run may fill.
struct ProgressRange {
  int low = 0;
  int high = 100;
};

// The bar takes `value` once the first `spansApplied` spans are applied.
struct ProgressStep {
  int spansApplied = 0;
  int value = 0;

  friend bool operator==(const ProgressStep&, const ProgressStep&) = default;
};

struct TagPaint {
  std::vector<ColourSpan> spans;       // in the order they are to be applied
  std::vector<ProgressStep> progress;  // only where the bar's value changes
  int finalProgress = 0;               // the bar's value at the end of the run
};

// Recolours the range [start, finish) of `text` (0-based editor positions).
// Phases, each applied over the one before: tags, then double-quoted values,
// then comments.
// - Tags: a tag runs from the first "<" after a ">" (or after the start) to
//   the next ">", whatever lies between; a "<" inside a tag opens nothing. A
//   ">" with no "<" since the previous ">" (a stray one, as in "3 > 2" or a
//   script's "if (c > d)") closes nothing, so the tags after it keep their
//   colour. A range that starts inside a tag begins pairing just after the
//   ">" that ends it; a range after position 0 without any ">" paints
//   nothing.
// - Script: the first "<script" in the range has its opening tag painted;
//   pairing resumes at the next "</script", so "a<b" in the script body is
//   not taken for a tag. Without a "</script" it resumes after the opening tag.
// - Quotes in the range pair up in order (1st with 2nd, ...), inside tags or
//   not; an unpaired last quote is left alone.
// - Comments: every "<!--" from the first one that lies wholly in the range
//   to the end of the document, each up to and including its "-->" (only
//   "<!-" and no further comments when "-->" is missing). Comments inside the
//   last script block of the page are left to the program colouring.
// Progress: tags fill the first 70 % of the bar's part, quotes the next 20 %,
// comments the last 10 %; the run ends at `progress.high`.
TagPaint PaintTagsInRange(const QString& text, int start, int finish, ProgressRange progress);

// Appends the tag spans of [from, to) to `paint`, paired as above, with
// progress steps when `progress` is given.
void PaintTagSpans(const QString& text, int from, int to,
                   std::optional<ProgressRange> progress, TagPaint& paint);

// Paints the one tag [from, to) the user has just closed: a ClosedTag span
// with the quoted values in it, or one ClosedComment span when it starts
// with "<!--". Nothing when its last ">" is a stray one: a ">" after the
// last "<" before it, or the "-->" of its comment, came first.
TagPaint PaintSingleTag(const QString& text, int from, int to);

}  // namespace wrenpad
