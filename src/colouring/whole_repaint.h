// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The decisions of the whole-document repaint that depend only on the text
// and the page settings: which whole-text attributes to apply, the progress
// parts of its phases, and the script stretch to colour as a program.

#include <QColor>
#include <QString>
#include <optional>

#include "colouring/tag_spans.h"

namespace wrenpad {

// A stretch of the editor text as 1-based positions, both inclusive, as the
// program colouring takes it.
struct ProgramStretch {
  int from = 0;
  int to = 0;

  friend bool operator==(const ProgramStretch&, const ProgramStretch&) = default;
};

// What the repaint reads from the rest of the program.
struct RepaintInputs {
  bool autoRepaint = true;
  QColor pageTextColour{0, 0, 0};   // the page settings' text colour
  QString pageFontName;             // the face the page's style block names
  std::optional<int> pageFontSizePt;  // set when the page settings give a size in pt
  bool realization = false;         // in-editor rendering of web formats
  int editorFontSize = 10;
};

struct RepaintPlan {
  std::optional<QColor> wholeTextColour;    // also the editor font's colour
  std::optional<QString> wholeTextFontName;
  std::optional<int> wholeTextFontSize;     // also the new editor font size
  std::optional<ProgressRange> rendering;   // the web-format rendering's part
  std::optional<ProgressRange> tagPainting; // the tag painting of the whole text
  std::optional<ProgramStretch> script;     // program colouring of the script
  int editorFontSize = 10;                  // in effect for the tag painting
};

// The script text to colour as a program: from just after the first
// "<script ...>" to the last line break before the last "</script". Only for
// pages that hold "</script>" and "javascript"; nothing when the stretch
// would be empty.
std::optional<ProgramStretch> FirstScriptStretch(const QString& text);

// The plan for repainting the whole `text`.
RepaintPlan PlanWholeRepaint(const QString& text, const RepaintInputs& inputs);

}  // namespace wrenpad
