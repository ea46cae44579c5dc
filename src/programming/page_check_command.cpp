// SPDX-License-Identifier: GPL-3.0-or-later
#include "programming/page_check_command.h"

#include "editor/editor_control.h"
#include "page_check/finding_text.h"
#include "page_check/page_check.h"
#include "programming/message_pane.h"
#include "programming/program_commands.h"

#include <QStringList>
#include <algorithm>

namespace wrenpad {

void PageCheckCommand::mmCheckPageClick() {
  const std::vector<PageFinding> findings = CheckPage(c_.editor.text());
  if (findings.empty()) {
    c_.pane.setPlainText(NothingFoundLine());
    return;
  }
  QStringList lines;
  lines.reserve(qsizetype(findings.size()));
  for (const PageFinding& finding : findings) lines << FindingLine(finding);
  c_.pane.setPlainText(lines.join(u'\n'));
  const auto firstError = std::find_if(findings.begin(), findings.end(), [](const PageFinding& finding) {
    return finding.level == FindingLevel::Error;
  });
  c_.programs.jumpToMessageLine(firstError == findings.end() ? 0 : int(firstError - findings.begin()));
}

}  // namespace wrenpad
