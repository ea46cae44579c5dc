// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page check: the page's text read by libtidy in this process, for its
// report only (tidy's cleaned output is never made, the text never changes).
// Each error and warning tidy finds about the page becomes a finding at a
// line and a column of the text as the editor holds it.

#include <QString>
#include <QStringList>
#include <vector>

namespace wrenpad {

enum class FindingLevel { Error, Warning };

struct PageFinding {
  int line = 0;    // 1-based line of the page
  int column = 0;  // 1-based, counting the line's characters (a tab is one)
  FindingLevel level = FindingLevel::Warning;
  QString code;            // tidy's name of the message, e.g. "MISSING_ENDTAG_FOR"
  QStringList arguments;   // the tag and attribute names the message is about
  QString tidyText;        // tidy's own English text, for the codes we have no text of
  friend bool operator==(const PageFinding&, const PageFinding&) = default;
};

// Checks `pageText` (the decoded page, any line ends) with the doctype the
// page declares. The findings come ordered by line, then column.
std::vector<PageFinding> CheckPage(const QString& pageText);

// Tidy counts a column per character and takes a tab to the next stop of
// `tabSize` columns. The 1-based character column in `line` of tidy's
// 1-based column `tidyColumn`.
int CharacterColumn(QStringView line, int tidyColumn, int tabSize);

}  // namespace wrenpad
