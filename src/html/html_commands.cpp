// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/html_commands.h"

#include "colouring/colour_span.h"
#include "editing/editing_host.h"
#include "editing/editor_events.h"
#include "editor/apply_changes.h"
#include "html/alignment.h"
#include "html/headings.h"
#include "html/markup.h"
#include "platform/dialogs.h"
#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "settings/settings.h"
#include "text/text_helpers.h"

#include <algorithm>

namespace wrenpad {

namespace {

Alignment alignmentNamed(const QString& align) {
  if (align == u"center") return Alignment::Center;
  if (align == u"right") return Alignment::Right;
  return Alignment::Left;
}

// The colours of tags, comments and plain text on the editor's background.
TagPaintStyle ShownStyle(const EditorControl& editor) {
  return StyleOnBackground(TagPaintStyle{}, editor.background());
}

std::uint32_t windowsColour(const QColor& colour) {
  return std::uint32_t(colour.red()) | (std::uint32_t(colour.green()) << 8) |
         (std::uint32_t(colour.blue()) << 16);
}

}  // namespace

HtmlCommands::HtmlCommands(HtmlContext context) : c_(std::move(context)) {}

bool HtmlCommands::isPlainText() const { return c_.document.DocumentMode == kTextMode; }
bool HtmlCommands::isWebPage() const { return c_.document.DocumentMode == kHtmlMode; }
bool HtmlCommands::autoRepaint() const { return c_.settings.AutoRepaint; }

// ---- colouring of what changed ------------------------------------------------------

void HtmlCommands::recolour(int from, int to, int renderFrom) {
  if (!autoRepaint()) return;
  const int end = std::min(to, c_.editor.textLength());
  from = std::clamp(from, 0, end);
  if (c_.settings.Realization) c_.painting.renderWebFormats(std::clamp(renderFrom, 0, end), end);
  c_.painting.paintTagsInRange(from, end);
  c_.host.resetProgressBar();
}

void HtmlCommands::colourRange(int from, int to, const QColor& colour) {
  EditorControl::FormatRun run;
  run.start = from;
  run.length = to - from;
  run.attributes.color = colour;
  c_.editor.applyFormats({run});
}

// Commands move the caret without a key: the key handling refreshes the
// line-number box and the formatting buttons for the new place.
void HtmlCommands::lookAtCaretAgain() {
  if (isWebPage()) c_.keys.UpdateCaretContext();
}

// ---- inline formatting ----------------------------------------------------------------

void HtmlCommands::WrapInTag(const QString& tag) {
  if (isPlainText()) return;
  const int start = c_.editor.selStart();
  const QString markup = WrappedInTag(c_.editor.selText(), tag);
  c_.editor.beginUpdate();
  c_.editor.replaceSelection(markup);
  const int end = start + int(markup.size());
  recolour(start, end, start - 2);
  c_.editor.endUpdate();
  c_.editor.setSelStart(end);
}

void HtmlCommands::UnwrapTag(const QString& tag) {
  if (c_.document.DocumentMode == kProgramMode) return;
  const std::optional<UnwrapPlan> plan = PlanUnwrapTag(c_.editor.text(), c_.editor.selStart(), tag);
  if (!plan) return;
  c_.editor.beginUpdate();
  applyChanges(c_.editor, plan->changes);
  if (autoRepaint() && plan->enclosed.to > plan->enclosed.from) {
    // The enclosed text may show the tag's rendering; it goes with the tag.
    EditorControl::FormatRun plain;
    plain.start = plan->enclosed.from;
    plain.length = plan->enclosed.to - plan->enclosed.from;
    plain.attributes.bold = plain.attributes.italic = false;
    plain.attributes.underline = plain.attributes.strikeOut = false;
    c_.editor.applyFormats({plain});
    recolour(plan->enclosed.from, plan->enclosed.to);
  }
  c_.editor.endUpdate();
  c_.editor.setSelStart(plan->caret);
}

// `buttonDown` is the mark of the tool button that shows the format, if any.
void HtmlCommands::toggleTag(const QString& tag, bool& inTag, bool* buttonDown) {
  if (inTag) {
    UnwrapTag(tag);
    inTag = false;  // a second click before the caret is looked at again wraps anew
  } else {
    WrapInTag(tag);
  }
  if (buttonDown) {
    *buttonDown = inTag;
    c_.host.showCommandStates();
  }
  lookAtCaretAgain();
}

void HtmlCommands::mmBoldClick() { toggleTag(QStringLiteral("b"), c_.caret.InBold, &c_.marks.bold); }
void HtmlCommands::mmItalicClick() {
  toggleTag(QStringLiteral("i"), c_.caret.InItalic, &c_.marks.italic);
}
void HtmlCommands::mmUnderlineClick() { toggleTag(QStringLiteral("u"), c_.caret.InUnderline, nullptr); }

void HtmlCommands::mmSubscriptClick() { c_.editor.replaceSelection(SubscriptMarkup(c_.editor.selText())); }

void HtmlCommands::mmSuperscriptClick() {
  c_.editor.replaceSelection(SuperscriptMarkup(c_.editor.selText()));
}

void HtmlCommands::mmCommentizeClick() {
  const int start = c_.editor.selStart();
  const QString markup = CommentMarkup(c_.editor.selText());
  c_.editor.beginUpdate();
  c_.editor.replaceSelection(markup);
  const int end = start + int(markup.size());
  if (!isPlainText()) colourRange(start, end, ShownStyle(c_.editor).commentColour);
  c_.editor.setSelStart(end);
  c_.editor.endUpdate();
}

// ---- alignment ---------------------------------------------------------------------------

void HtmlCommands::mmAlignLeftClick() { ApplyAlignment(QStringLiteral("left")); }
void HtmlCommands::mmAlignRightClick() { ApplyAlignment(QStringLiteral("right")); }

void HtmlCommands::mmAlignCenterClick() {
  if (isPlainText()) return;
  const QString selected = c_.editor.selText();
  if (!selected.isEmpty()) {
    c_.editor.replaceSelection(CenteredMarkup(selected));
    const int end = c_.editor.selStart();
    const int length = int(selected.size());
    recolour(end - length - 20, end);
    ShowParagraphAlignment(QStringLiteral("center"), end - length - 17, end - 1);
    return;
  }
  const QString text = c_.editor.text();
  const int caret = c_.editor.selStart();
  if (c_.editor.paragraphAlignment() != Alignment::Center || !CaretFollowsCentreTag(text, caret)) {
    ApplyAlignment(QStringLiteral("center"));
    return;
  }
  // The caret is in a stretch that "<center>" centres: the pair goes.
  const std::optional<CentreRemovalPlan> plan = PlanCentreRemoval(text, caret);
  if (!plan) return;
  applyChanges(c_.editor, plan->changes);
  ShowParagraphAlignment(QStringLiteral("left"), plan->formerlyCentred.from, plan->formerlyCentred.to);
  c_.editor.setSelStart(plan->caret);
}

void HtmlCommands::ApplyAlignment(const QString& align) {
  if (isPlainText()) return;
  const AlignmentPlan plan = PlanAlignment({c_.editor.text(), c_.editor.selStart(), c_.editor.selLength(),
                                            c_.caret.CurrentAlign, c_.host.headingIndex(), align});
  if (plan.kind == AlignmentCase::Nothing) return;
  c_.editor.beginUpdate();
  applyChanges(c_.editor, plan.changes);
  if (plan.repaint) recolour(plan.repaint->from, plan.repaint->to);
  if (plan.singleTag && autoRepaint()) c_.painting.paintSingleTag(plan.singleTag->from, plan.singleTag->to);
  if (plan.display) ShowParagraphAlignment(plan.displayAlign, plan.display->from, plan.display->to);
  c_.editor.endUpdate();
  c_.editor.setSelStart(plan.caret);
  c_.caret.CurrentAlign = plan.resultingAlign;
  if (plan.refreshCaretContext) c_.keys.pressAndReleaseCtrl();
  lookAtCaretAgain();
}

void HtmlCommands::ShowParagraphAlignment(const QString& align, int from, int to) {
  if (!autoRepaint()) return;
  const int selStart = c_.editor.selStart();
  const int selLength = c_.editor.selLength();
  c_.editor.beginUpdate();
  for (const int lineStart : LineStartsToAlign(c_.editor.text(), from, to)) {
    c_.editor.setSelStart(lineStart);
    c_.editor.setParagraphAlignment(alignmentNamed(align));
  }
  c_.editor.select(selStart, selLength);
  c_.editor.endUpdate();
}

// ---- headings ------------------------------------------------------------------------------

void HtmlCommands::HeaderComboBoxChange() {
  if (isWebPage()) c_.host.startHeadingTimer();
}

void HtmlCommands::Timer4Timer() {
  c_.host.stopHeadingTimer();
  EditorControl& editor = c_.editor;
  const int caret = editor.selStart();
  const int lineIndex = editor.lineFromPosition(caret);
  const int lineStart = editor.positionOfLine(lineIndex);
  const QString line = editor.line(lineIndex);
  const int level = c_.host.headingIndex();
  const QString heading = HeadingLine(line, level);
  editor.beginUpdate();
  if (heading != line) {
    editor.select(lineStart, int(line.size()));
    editor.replaceSelection(heading);
  }
  const int lineEnd = lineStart + int(heading.size());
  if (level < 1 && autoRepaint()) {
    EditorControl::FormatRun plain;
    plain.start = lineStart;
    plain.length = lineEnd - lineStart;
    plain.attributes.color = ShownStyle(editor).textColour;
    plain.attributes.sizePoints = c_.editorFontSize ? c_.editorFontSize() : editor.defaultFont().sizePoints;
    editor.applyFormats({plain});
    ShowParagraphAlignment(QStringLiteral("left"), lineStart, lineEnd);
  } else if (level >= 1) {
    recolour(lineStart, lineEnd);
  }
  editor.endUpdate();
  // The caret stays in its line, which may have become shorter, and never
  // between the halves of one character.
  editor.setSelStart(WholeCharacterPosition(editor.text(), std::min(caret, lineEnd)));
  editor.setFocus();
}

// ---- lists, the "<br>" mode, the background --------------------------------------------------

void HtmlCommands::tbInsertListClick(ListKind kind) {
  if (isPlainText()) return;
  const ListPlan plan = PlanList(c_.editor.text(), c_.editor.selStart(), c_.editor.selLength(), kind);
  c_.editor.beginUpdate();
  applyChanges(c_.editor, plan.changes);
  for (const TextRange& tag : plan.tagRanges) colourRange(tag.from, tag.to, ShownStyle(c_.editor).tagColour);
  if (plan.repaint) recolour(plan.repaint->from, plan.repaint->to);
  c_.editor.endUpdate();
  c_.editor.setSelStart(plan.caret);
}

void HtmlCommands::mmBRClick() {
  c_.settings.AutoBR = !c_.settings.AutoBR;
  c_.host.showCommandStates();
}

void HtmlCommands::mmBackGroundColorClick() {
  const std::optional<QColor> colour = c_.dialogs.chooseColor(c_.editor.background());
  if (!colour) return;
  c_.editor.setBackground(*colour);
  c_.settings.BGColor = windowsColour(*colour);
}

}  // namespace wrenpad
