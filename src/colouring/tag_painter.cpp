#include "colouring/tag_painter.h"

#include "colouring/format_runs.h"
#include "colouring/style_classes.h"
#include "platform/dialogs.h"

namespace wrenpad {

namespace {

constexpr qint64 kLargestAutoPaintedPage = 50000;
constexpr qint64 kLargestAutoPaintedProgram = 30000;

// Keeps the change handler quiet while colouring changes the editor, and
// gives ChangeWatch back its earlier value afterwards, so a run nested in a
// longer one does not switch it on half-way.
class ChangeWatchOff {
 public:
  explicit ChangeWatchOff(SessionState& session)
      : session_(session), previous_(session.ChangeWatch) {
    session_.ChangeWatch = false;
  }
  ~ChangeWatchOff() { session_.ChangeWatch = previous_; }
  ChangeWatchOff(const ChangeWatchOff&) = delete;
  ChangeWatchOff& operator=(const ChangeWatchOff&) = delete;

 private:
  SessionState& session_;
  bool previous_;
};

// Redrawing of the editor suspended for the lifetime of the object.
class RedrawSuspended {
 public:
  explicit RedrawSuspended(EditorControl& editor) : editor_(editor) { editor_.beginUpdate(); }
  ~RedrawSuspended() { editor_.endUpdate(); }
  RedrawSuspended(const RedrawSuspended&) = delete;
  RedrawSuspended& operator=(const RedrawSuspended&) = delete;

 private:
  EditorControl& editor_;
};

struct Selection {
  int start = 0;
  int length = 0;
};

Selection SelectionOf(const EditorControl& editor) {
  return {editor.selStart(), editor.selLength()};
}

// The editor's default font in black: what the text looks like uncoloured.
EditorFont PlainFont(const EditorControl& editor) {
  EditorFont font = editor.defaultFont();
  font.color = Qt::black;
  return font;
}

}  // namespace

bool TooLargeForAutoRepaint(int documentMode, qint64 fileBytes) {
  if (documentMode == kHtmlMode) return fileBytes > kLargestAutoPaintedPage;
  if (documentMode == kProgramMode) return fileBytes > kLargestAutoPaintedProgram;
  return false;
}

TagPainter::TagPainter(ColouringContext context) : c_(context) {}

TagPaintStyle TagPainter::paintStyle() const { return c_.colouring.paintStyle(); }

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

void TagPainter::PaintSingleTag(int from, int to) {
  if (!c_.settings.AutoRepaint) return;
  applyKeepingSelection(wrenpad::PaintSingleTag(c_.editor.text(), from, to), false);
}

void TagPainter::ResetFormatting() {
  const ChangeWatchOff quiet(c_.session);
  const RedrawSuspended frozen(c_.editor);
  const int caret = c_.editor.selStart();
  const int firstLine = c_.editor.firstVisibleLine();
  // Formats cleared and every paragraph left-aligned in the same batch.
  c_.editor.applyFormats({PlainRun(c_.editor.textLength(), PlainFont(c_.editor))}, true);
  restoreView(caret, firstLine);
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
  if (c_.document.DocumentMode == kTextMode) return;
  const ChangeWatchOff quiet(c_.session);
  c_.host.showWaitCursor(true);
  const RedrawSuspended frozen(c_.editor);
  const QString text = c_.editor.text();
  c_.colouring.StyleClassTable = CollectStyleClasses(text);
  const int firstLine = c_.editor.firstVisibleLine();
  const int caret = c_.editor.selStart();
  repaintWholeText(text);
  c_.host.setProgress(0);
  c_.host.showWaitCursor(false);
  restoreView(caret, firstLine);
  c_.editor.setFocus();
}

RepaintInputs TagPainter::repaintInputs() const {
  RepaintInputs inputs;
  inputs.autoRepaint = c_.settings.AutoRepaint;
  inputs.pageTextColour = c_.colouring.PageTextColour;
  inputs.pageFontName = c_.colouring.PageFontName;
  inputs.pageFontSizePt = c_.colouring.PageFontSizePt;
  // The in-editor rendering of web formats does not exist in the program
  // yet: the repaint runs as it does with that rendering switched off.
  inputs.realization = false;
  inputs.editorFontSize = c_.colouring.EditorFontSize;
  return inputs;
}

// The font the whole text takes before the tags are coloured: the default
// font in black, or in the page's colour, face and size where it sets them.
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

// Strips the old formats and applies the page's own attributes and the tag
// colours in one batch: the plain run comes first, the spans over it.
void TagPainter::repaintWholeText(const QString& text) {
  const RepaintPlan plan = PlanWholeRepaint(text, repaintInputs());
  c_.colouring.EditorFontSize = plan.editorFontSize;
  const int length = static_cast<int>(text.size());
  std::vector<EditorControl::FormatRun> runs{PlainRun(length, wholeTextFont(plan))};
  TagPaint paint;
  if (plan.tagPainting) paint = wrenpad::PaintTagsInRange(text, 0, length, *plan.tagPainting);
  applySpans(runs, paint.spans, true);
  if (plan.tagPainting) c_.host.setProgress(paint.finalProgress);
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
