// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A page check's findings in words of the interface language: our own text
// for the messages a beginner's page gives, with the tag and attribute names
// filled in; tidy's English text and its name of the message for the rest.

#include "page_check/page_check.h"

#include <QString>
#include <QStringList>
#include <span>

namespace wrenpad {

// One message we have our own text for: tidy's name of it and our English
// text, %1, %2, ... standing for its arguments in tidy's order.
struct FindingTextRow {
  const char* code;
  const char* text;
};
std::span<const FindingTextRow> FindingTexts();

// `text` with %1 ... %9 replaced by the arguments of those numbers; a number
// with no argument stays as written.
QString FillArguments(const QString& text, const QStringList& arguments);

// What the finding says, in the interface language.
QString FindingText(const PageFinding& finding);

// The finding as a line of the message pane: "line:column: error: text"
// (the level word in the interface language).
QString FindingLine(const PageFinding& finding);

// The pane's one line for a page with nothing to report.
QString NothingFoundLine();

}  // namespace wrenpad
