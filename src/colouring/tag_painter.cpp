// SPDX-License-Identifier: GPL-3.0-or-later
#include "colouring/tag_painter.h"

#include "colouring/format_runs.h"
#include "colouring/paint_guards.h"
#include "colouring/style_classes.h"
#include "editor/text_on_background.h"
#include "platform/dialogs.h"

namespace wrenpad {

namespace {

constexpr qint64 kLargestAutoPaintedPage = 50000;
constexpr qint64 kLargestAutoPaintedProgram = 30000;

// A page longer than this is repainted in slices, the screen first; a slice
// holds whole lines of about this many characters, a few milliseconds of
// formatting, so the window answers between slices.
constexpr int kSlicedRepaintFrom = 128 * 1024;
constexpr int kSliceCharacters = 32 * 1024;

struct Selection {
  int start = 0;
  int length = 0;
};

Selection SelectionOf(const EditorControl& editor) {
  return {editor.selStart(), editor.selLength()};
}

// The editor's default font in the plain colour of its background (black on
// a light one): what the text looks like uncoloured.
EditorFont PlainFont(const EditorControl& editor) {
  EditorFont font = editor.defaultFont();
  font.color = PlainTextColourOn(editor.background());
  return font;
}

}  // namespace

bool TooLargeForAutoRepaint(int documentMode, qint64 fileBytes) {
  if (documentMode == kHtmlMode) return fileBytes > kLargestAutoPaintedPage;
  if (documentMode == kProgramMode) return fileBytes > kLargestAutoPaintedProgram;
  return false;
}

TagPainter::TagPainter(ColouringContext context) : c_(context) {
  sliceTimer_.setSingleShot(true);
  sliceTimer_.setInterval(0);
  QObject::connect(&sliceTimer_, &QTimer::timeout, [this] { paintNextSlice(); });
}

TagPaintStyle TagPainter::paintStyle() const {
  return StyleOnBackground(c_.colouring.paintStyle(), c_.editor.background());
}

void TagPainter::applySpans(std::vector<EditorControl::FormatRun>& runs,
                            const std::vector<ColourSpan>& spans, bool fromPlain) {
  AppendFormatRuns(spans, paintStyle(), runs);
  c_.editor.applyFormats(runs, fromPlain);
}

// All runs go to the editor in one call: one edit block, one relayout. The
// bar cannot move while the block is open, so it takes the run's end value
// once the formats are in. The selection is put back afterwards, before
// ChangeWatch comes back on.
void TagPainter::applyKeepingSelection(const TagPaint& paint, bool showProgress) {
  const ChangeWatchOff quiet(c_.session);
  const Selection kept = SelectionOf(c_.editor);
  {
    const RedrawSuspended frozen(c_.editor);
    std::vector<EditorControl::FormatRun> runs;
    applySpans(runs, paint.spans);
    if (showProgress) c_.host.setProgress(paint.finalProgress);
  }
  c_.editor.select(kept.start, kept.length);
}

void TagPainter::PaintTagsInRange(int start, int finish, ProgressRange progress) {
  if (!c_.settings.AutoRepaint) return;
  const QString text = c_.editor.text();
  applyKeepingSelection(wrenpad::PaintTagsInRange(text, start, finish, progress), true);
}

void TagPainter::RenderWebFormats(int start, int finish) {
  if (!c_.settings.AutoRepaint || !c_.settings.Realization) return;
  const ChangeWatchOff quiet(c_.session);
  const Selection kept = SelectionOf(c_.editor);
  {
    const RedrawSuspended frozen(c_.editor);
    const WebFormats formats = wrenpad::RenderWebFormats(c_.editor.text(), start, finish, c_.colouring.EditorFontSize);
    c_.editor.applyFormats(formats.runs, false, formats.alignments);
  }
  c_.editor.select(kept.start, kept.length);
}

// Only the tag is read and painted: a key costs the same on any page.
void TagPainter::PaintSingleTag(int from, int to) {
  if (!c_.settings.AutoRepaint) return;
  const PieceText text = c_.editor.keptText();
  from = std::clamp(from, 0, int(text.size()));
  to = std::clamp(to, from, int(text.size()));
  TagPaint paint = wrenpad::PaintSingleTag(text.mid(from, to - from), 0, to - from);
  for (ColourSpan& span : paint.spans) span.start += from;
  applyKeepingSelection(paint, false);
}

void TagPainter::ResetFormatting() {
  pending_.reset();
  const ChangeWatchOff quiet(c_.session);
  const RedrawSuspended frozen(c_.editor);
  const int caret = c_.editor.selStart();
  const int firstLine = c_.editor.firstVisibleLine();
  // Formats cleared and every paragraph left-aligned in the same batch.
  c_.editor.applyFormats({PlainRun(c_.editor.textLength(), PlainFont(c_.editor))}, true);
  restoreView(caret, firstLine);
}

void TagPainter::PlainRange(int start, int finish) {
  if (!c_.settings.AutoRepaint || finish <= start) return;
  const ChangeWatchOff quiet(c_.session);
  EditorControl::FormatRun plain = PlainRun(finish - start, PlainFont(c_.editor));
  plain.start = start;
  c_.editor.applyFormats({plain});
}

// Puts the caret back and brings the view down to the line that was at its
// top; a view that already starts further down stays where it is.
void TagPainter::restoreView(int caret, int firstLine) {
  c_.editor.setSelStart(caret);
  for (int top = c_.editor.firstVisibleLine(); top < firstLine;) {
    c_.editor.scrollLines(firstLine - top);
    int moved = c_.editor.firstVisibleLine();
    // A view that starts exactly on a line's top can report the line above
    // it, and scrolling to that same line does not move it: one line more.
    if (moved <= top) {
      c_.editor.scrollLines(firstLine - top + 1);
      moved = c_.editor.firstVisibleLine();
    }
    if (moved <= top) break;  // the view cannot move further down
    top = moved;
  }
}

void TagPainter::mmRepaintTagsClick() {
  pending_.reset();
  if (c_.document.DocumentMode == kTextMode) return;
  const ChangeWatchOff quiet(c_.session);
  c_.host.showWaitCursor(true);
  const QString text = c_.editor.text();
  c_.host.readPageSettings(text);
  const int firstLine = c_.editor.firstVisibleLine();
  const int caret = c_.editor.selStart();
  if (text.size() < kSlicedRepaintFrom) {
    c_.colouring.StyleClassTable = CollectStyleClasses(text);
    const PendingRepaint repaint = planRepaint(text);
    const RedrawSuspended frozen(c_.editor);
    c_.editor.repaintLines(0, c_.editor.lineCount() - 1, repaint.runs, repaint.rendering.alignments);
    if (repaint.progress) c_.host.setProgress(repaint.progress->high);
    restoreView(caret, firstLine);
  } else {
    // The screen now; the page's style classes and the colours of the whole
    // text on the first tick, the lines in slices after it.
    paintScreenFirst(text);
    pending_ = PendingRepaint{};
    pending_->revision = c_.editor.revision();
    pending_->documentMode = c_.document.DocumentMode;
    sliceTimer_.start();
  }
  c_.host.setProgress(0);
  c_.host.showWaitCursor(false);
  c_.editor.setFocus();
}

// The plain run and the tag colours of the whole text, in the order they go
// over each other.
TagPainter::PendingRepaint TagPainter::planRepaint(const QString& text) {
  PendingRepaint repaint = measureRepaint(text);
  makeRuns(repaint);
  return repaint;
}

// The page's first script block, coloured as a program over the tags.
void TagPainter::appendScriptSpans(const QString& text, const RepaintPlan& plan,
                                   std::vector<ColourSpan>& spans) const {
  if (!plan.script || !c_.settings.AutoRepaint) return;
  // The stretch counts from 1 and ends on the CR of its last line break.
  const std::vector<ColourSpan> script = ProgramSpansIn(text, plan.script->from - 1, plan.script->to - 1,
                                                        LanguageMode::Cpp, c_.colouring.Keywords);
  spans.insert(spans.end(), script.begin(), script.end());
}

// The first half of planning: the page's plan and the tag colours as spans.
TagPainter::PendingRepaint TagPainter::measureRepaint(const QString& text) {
  PendingRepaint repaint;
  repaint.revision = c_.editor.revision();
  repaint.documentMode = c_.document.DocumentMode;
  repaint.length = static_cast<int>(text.size());
  repaint.plan = PlanWholeRepaint(text, repaintInputs());
  c_.colouring.EditorFontSize = repaint.plan.editorFontSize;
  if (repaint.plan.rendering)
    repaint.rendering = wrenpad::RenderWebFormats(text, 0, repaint.length, repaint.plan.editorFontSize);
  if (repaint.plan.tagPainting) {
    repaint.spans = wrenpad::PaintTagsInRange(text, 0, repaint.length, *repaint.plan.tagPainting).spans;
    repaint.progress = repaint.plan.tagPainting;
  }
  appendScriptSpans(text, repaint.plan, repaint.spans);
  return repaint;
}

// The second half: the spans as format runs over the plain run, and the
// short runs ordered by where they start, so that a slice finds its own.
void TagPainter::makeRuns(PendingRepaint& repaint) {
  repaint.runs.push_back(PlainRun(repaint.length, wholeTextFont(repaint.plan)));
  repaint.runs.insert(repaint.runs.end(), repaint.rendering.runs.begin(), repaint.rendering.runs.end());
  repaint.rendering.runs.clear();
  AppendFormatRuns(repaint.spans, paintStyle(), repaint.runs);
  repaint.spans.clear();
  repaint.longRuns.clear();
  repaint.shortRuns.clear();
  for (int i = 0; i < int(repaint.runs.size()); ++i)
    (repaint.runs[std::size_t(i)].length > kSliceCharacters ? repaint.longRuns : repaint.shortRuns).push_back(i);
  std::stable_sort(repaint.shortRuns.begin(), repaint.shortRuns.end(), [&repaint](int a, int b) {
    return repaint.runs[std::size_t(a)].start < repaint.runs[std::size_t(b)].start;
  });
  repaint.planned = true;
}

// The runs that reach into [from, to), in their order of application.
std::vector<EditorControl::FormatRun> TagPainter::runsWithin(const PendingRepaint& repaint, int from,
                                                             int to) {
  std::vector<int> picked = repaint.longRuns;
  const auto startOf = [&repaint](int i) { return repaint.runs[std::size_t(i)].start; };
  // A short run reaching `from` starts at most kSliceCharacters before it.
  auto it = std::lower_bound(repaint.shortRuns.begin(), repaint.shortRuns.end(), from - kSliceCharacters,
                             [&](int i, int position) { return startOf(i) < position; });
  for (; it != repaint.shortRuns.end() && startOf(*it) < to; ++it) picked.push_back(*it);
  std::sort(picked.begin(), picked.end());
  std::vector<EditorControl::FormatRun> runs;
  runs.reserve(picked.size());
  for (int i : picked) {
    const EditorControl::FormatRun& run = repaint.runs[std::size_t(i)];
    if (run.start < to && run.start + run.length > from) runs.push_back(run);
  }
  return runs;
}

// The lines on the screen, and a screen's worth around them, come first,
// coloured from their own stretch of text: a comment that opened above them
// shows once the slices reach them.
void TagPainter::paintScreenFirst(const QString& text) {
  constexpr int kScreenLines = 200;
  const int lines = c_.editor.lineCount();
  const int top = c_.editor.firstVisibleLine();
  const int firstLine = std::max(0, top - kScreenLines / 4);
  const int lastLine = std::min(lines - 1, top + kScreenLines);
  const int from = c_.editor.positionOfLine(firstLine);
  const int to = lastLine + 1 < lines ? c_.editor.positionOfLine(lastLine + 1) : int(text.size());
  const RepaintPlan plan = PlanWholeRepaint(text, repaintInputs());
  c_.colouring.EditorFontSize = plan.editorFontSize;
  EditorControl::FormatRun plain = PlainRun(to - from, wholeTextFont(plan));
  plain.start = from;
  std::vector<EditorControl::FormatRun> runs{plain};
  WebFormats rendering;
  if (plan.rendering) rendering = wrenpad::RenderWebFormats(text, from, to, plan.editorFontSize);
  runs.insert(runs.end(), rendering.runs.begin(), rendering.runs.end());
  std::vector<ColourSpan> spans;
  if (plan.tagPainting) spans = wrenpad::PaintTagsInRange(text, from, to, *plan.tagPainting).spans;
  appendScriptSpans(text, plan, spans);
  AppendFormatRuns(spans, paintStyle(), runs);
  const ChangeWatchOff quiet(c_.session);
  c_.editor.repaintLines(firstLine, lastLine, runs, rendering.alignments);
}

// A repaint belongs to the document it started on: another document, or
// this one in another mode, ends it.
bool TagPainter::repaintStillWanted() const {
  return c_.document.DocumentMode == pending_->documentMode;
}

void TagPainter::paintNextSlice() {
  if (!pending_) return;
  if (!repaintStillWanted()) {
    pending_.reset();
    return;
  }
  const ChangeWatchOff quiet(c_.session);
  const bool changed = pending_->revision != c_.editor.revision();
  if (!pending_->measured || changed) {
    // Ticks of their own for the whole text's colours and their runs. After a
    // change under the repaint they are computed afresh and the screen comes
    // first again; lines already right are passed over.
    const QString text = c_.editor.text();
    if (!pending_->measured) c_.colouring.StyleClassTable = CollectStyleClasses(text);
    if (changed) paintScreenFirst(text);
    *pending_ = measureRepaint(text);
    pending_->measured = true;
    sliceTimer_.start();
    return;
  }
  if (!pending_->planned) {
    makeRuns(*pending_);
    sliceTimer_.start();
    return;
  }
  const int lines = c_.editor.lineCount();
  int last = pending_->nextLine;
  for (int characters = 0; last < lines - 1 && characters < kSliceCharacters; ++last)
    characters += c_.editor.line(last).size() + 2;
  const int from = c_.editor.positionOfLine(pending_->nextLine);
  const int to = c_.editor.positionOfLine(last) + int(c_.editor.line(last).size()) + 2;
  c_.editor.repaintLines(pending_->nextLine, last, runsWithin(*pending_, from, to), pending_->rendering.alignments);
  pending_->nextLine = last + 1;
  if (pending_->nextLine >= lines) {
    pending_.reset();
    c_.host.setProgress(0);
    return;
  }
  if (const auto& part = pending_->progress)
    c_.host.setProgress(part->low + (part->high - part->low) * pending_->nextLine / lines);
  sliceTimer_.start();
}

void TagPainter::FinishRepaint() {
  while (pending_) paintNextSlice();
  sliceTimer_.stop();
}

RepaintInputs TagPainter::repaintInputs() const {
  RepaintInputs inputs;
  inputs.autoRepaint = c_.settings.AutoRepaint;
  inputs.pageTextColour = c_.colouring.PageTextColour;
  inputs.pageFontName = c_.colouring.PageFontName;
  inputs.pageFontSizePt = c_.colouring.PageFontSizePt;
  inputs.realization = c_.settings.Realization;
  inputs.editorFontSize = c_.colouring.EditorFontSize;
  return inputs;
}

// The font the whole text takes before the tags are coloured: the default
// font in the plain colour, or in the page's colour, face and size where it
// sets them.
// The page's colour also becomes the colour of typed text.
EditorFont TagPainter::wholeTextFont(const RepaintPlan& plan) {
  EditorFont font = PlainFont(c_.editor);
  if (plan.wholeTextColour) {
    font.color = *plan.wholeTextColour;
    EditorFont editorFont = c_.editor.defaultFont();
    editorFont.color = *plan.wholeTextColour;
    c_.editor.setDefaultFont(editorFont);
  }
  if (plan.wholeTextFontName) font.name = *plan.wholeTextFontName;
  if (plan.wholeTextFontSize) font.sizePoints = *plan.wholeTextFontSize;
  return font;
}

void TagPainter::mmAutoRepaintClick() {
  const bool on = !c_.settings.AutoRepaint;
  setAutoRepaint(on);
  if (on) {
    c_.editor.setPlainTextMode(false);
    return;
  }
  c_.settings.Realization = false;
  ResetFormatting();
  c_.editor.setPlainTextMode(true);
}

void TagPainter::setAutoRepaint(bool on) {
  c_.settings.AutoRepaint = on;
  c_.host.showCommandStates();
}

bool TagPainter::switchOffIfLarge(int documentMode, qint64 fileBytes) {
  if (!c_.settings.AutoRepaint || !TooLargeForAutoRepaint(documentMode, fileBytes)) return false;
  setAutoRepaint(false);
  c_.dialogs.showMessage(kApplicationTitle, c_.messages.MsgAutoRepaintOff);
  return true;
}

bool TagPainter::SwitchOffForLargeFile(qint64 fileBytes) {
  return switchOffIfLarge(c_.document.DocumentMode, fileBytes);
}

void TagPainter::WebPageModeOn(qint64 fileBytes) {
  switchOffIfLarge(kHtmlMode, fileBytes);
  mmRepaintTagsClick();
}

}  // namespace wrenpad
