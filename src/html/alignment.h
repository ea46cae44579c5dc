// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paragraph alignment as mark-up: the align attribute of the paragraph,
// division or heading around the caret is removed, changed or added, or a
// new aligned paragraph is opened. Plain values in, the changes and what to
// recolour out.

#include "editing/tag_typing.h"
#include "text/text_change.h"

#include <QString>
#include <optional>
#include <vector>

namespace wrenpad {

struct AlignmentRequest {
  QString text;
  int caret = 0;
  int selLength = 0;
  QString currentAlign;  // the caret context's align ("" for none)
  int headingIndex = 0;  // the heading box: 0 "Normal", 1 to 5
  QString align;         // "left", "center" or "right"
};

enum class AlignmentCase {
  Nothing,       // the text gives the command no safe place: it stays as it is
  Remove,        // the align asked for is already there: it goes
  ChangeValue,   // another align is there: its value changes
  NewParagraph,  // no align: a paragraph "<p align = ...>" opens
  Heading,       // the caret's line is a heading: its opening tag gets the align
};

struct AlignmentPlan {
  AlignmentCase kind = AlignmentCase::Nothing;
  TextChanges changes;
  int caret = 0;                        // afterwards, beside the same character
  QString resultingAlign;               // the align at the caret afterwards
  std::optional<TextRange> singleTag;   // the changed tag, to colour on its own
  std::optional<TextRange> repaint;     // the changed stretch, to recolour
  std::optional<TextRange> display;     // lines whose display alignment follows
  QString displayAlign;                 // "left", "center" or "right"
  bool refreshCaretContext = false;     // the key handling should look at the caret again
};

// The case is chosen in this order:
// 1. currentAlign equals align: the last " align = value" before the caret
//    is removed with its leading blank.
// 2. currentAlign set, no heading: in the last "<p align" or "<div align"
//    tag before the caret, currentAlign (as written) becomes align.
// 3. no currentAlign, no heading: "<p align = \"align\">" takes the place of
//    the last "<br>" before the caret, or of the last "<p>", or follows the
//    page's "<body ...>" tag; after a "<br>" or the body tag the first "<br>"
//    from the caret on becomes "</p>". Without that "<br>" nothing changes.
// 4. a heading: its opening tag on the caret's line becomes
//    "<hN align = \"align\">".
AlignmentPlan PlanAlignment(const AlignmentRequest& request);

// The extent of an attribute " align = value" that starts with the blank at
// `blank`: the blank, the name, "=" with blanks around it, and the value,
// quoted or not. Nothing when the text there is not such an attribute.
std::optional<int> AlignAttributeLength(const QString& text, int blank);

// The line starts whose display alignment changes for the lines from `from`
// to `to`: `from` itself and the start of every further line that begins
// before `to`.
std::vector<int> LineStartsToAlign(const QString& text, int from, int to);

}  // namespace wrenpad
