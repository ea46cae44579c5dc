// SPDX-License-Identifier: GPL-3.0-or-later
#include "colouring/whole_repaint.h"

#include "text/text_helpers.h"

namespace wrenpad {

namespace {

constexpr int kRenderingEnd = 20;
constexpr int kPaintingEnd = 97;

}  // namespace

std::optional<ProgramStretch> FirstScriptStretch(const QString& text) {
  // Searched in the lower-cased text without making it (a page can be large).
  if (IndexOfLowered(text, QStringLiteral("</script>")) < 0 ||
      IndexOfLowered(text, QStringLiteral("javascript")) < 0) {
    return std::nullopt;
  }
  const qsizetype open = IndexOfLowered(text, QStringLiteral("<script"));
  const qsizetype close = text.lastIndexOf(QStringLiteral("</script"), -1, Qt::CaseInsensitive);
  if (open < 0 || close <= open) return std::nullopt;
  const qsizetype openEnd = text.indexOf(u'>', open);
  const qsizetype lastBreak = text.lastIndexOf(QStringLiteral("\r\n"), close);
  if (openEnd < 0 || openEnd >= close || lastBreak <= openEnd) return std::nullopt;
  // 1-based: the character after ">" through the CR of the last line break.
  return ProgramStretch{static_cast<int>(openEnd) + 2, static_cast<int>(lastBreak) + 1};
}

RepaintPlan PlanWholeRepaint(const QString& text, const RepaintInputs& inputs) {
  RepaintPlan plan;
  plan.editorFontSize = inputs.editorFontSize;
  if (inputs.autoRepaint && inputs.pageTextColour != QColor(0, 0, 0)) {
    plan.wholeTextColour = inputs.pageTextColour;
  }
  if (IndexOfLowered(text, QStringLiteral("</style>")) >= 0) {
    if (!inputs.pageFontName.isEmpty()) plan.wholeTextFontName = inputs.pageFontName;
    if (inputs.pageFontSizePt) {
      plan.wholeTextFontSize = *inputs.pageFontSizePt;
      plan.editorFontSize = *inputs.pageFontSizePt;
    }
  }
  const bool rendering = inputs.realization && inputs.autoRepaint;
  const int paintingStart = rendering ? kRenderingEnd : 0;
  if (rendering) plan.rendering = ProgressRange{0, kRenderingEnd};
  if (inputs.autoRepaint) plan.tagPainting = ProgressRange{paintingStart, kPaintingEnd};
  plan.script = FirstScriptStretch(text);
  return plan;
}

}  // namespace wrenpad
