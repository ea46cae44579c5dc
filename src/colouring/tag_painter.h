// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tag-colouring commands: they read the editor, compute the spans with
// the pure painter (tag_spans.h, whole_repaint.h) and write the formats back
// through EditorControl, one edit block per run. Formats never set the
// modified flag nor make an undo step; ChangeWatch is off while they run.

#include <QTimer>
#include <QtGlobal>
#include <vector>

#include "colouring/colouring_context.h"
#include "colouring/page_painting.h"
#include "colouring/tag_spans.h"
#include "colouring/web_formats.h"
#include "colouring/whole_repaint.h"
#include "editor/editor_control.h"

namespace wrenpad {

// Automatic colouring is switched off when a file this large is opened: a
// page of 50001 bytes or more, a program of more than 30000 bytes.
bool TooLargeForAutoRepaint(int documentMode, qint64 fileBytes);

class TagPainter : public PagePainting {
 public:
  explicit TagPainter(ColouringContext context);

  // PagePainting: what the mark-up commands ask after they wrote text; a
  // range is painted with the whole progress bar.
  void paintSingleTag(int from, int to) override { PaintSingleTag(from, to); }
  void paintTagsInRange(int start, int finish) override { PaintTagsInRange(start, finish, {0, 100}); }
  void renderWebFormats(int start, int finish) override { RenderWebFormats(start, finish); }
  void plainRange(int start, int finish) override { PlainRange(start, finish); }

  // Recolours [start, finish) (0-based editor positions), filling the part
  // `progress` of the progress bar. Nothing while automatic colouring is off.
  // The selection stays as it was.
  void PaintTagsInRange(int start, int finish, ProgressRange progress);
  // Shows the page's web formats within [start, finish) (font elements,
  // headings, alignment of paragraphs and divisions, bold and italic) over
  // what the text shows now. Nothing unless automatic colouring and the
  // in-editor rendering are both on. The selection stays as it was.
  void RenderWebFormats(int start, int finish);
  // Paints the tag [from, to) the user has just closed, with its quoted
  // values, or the comment it starts. Nothing while automatic colouring is off.
  void PaintSingleTag(int from, int to);
  // Gives the whole text the editor's default font in the plain colour (black
  // on a light background) and left alignment, in memory; the caret stays
  // where it was (a selection collapses to its start).
  void ResetFormatting();
  // Gives [start, finish) the uncoloured look (the default font in black)
  // before it is rendered and painted: text a command wrote anew would
  // otherwise keep the format of the character before it.
  void PlainRange(int start, int finish);

  // Strips every format and recolours the whole document, keeping the caret
  // and the view. Nothing for a plain-text document. A long page is coloured
  // screen first, then the rest in slices between window events (typing
  // included); RepaintPending() tells whether slices remain.
  void mmRepaintTagsClick();
  bool RepaintPending() const { return pending_.has_value(); }
  // Colours what remains of a sliced repaint now.
  void FinishRepaint();
  // Toggles automatic colouring. Switching off also switches the in-editor
  // rendering off and strips the formats.
  void mmAutoRepaintClick();

  // When automatic colouring is on and a file of `fileBytes` is too large
  // for the current document mode, switches it off and says so. True when
  // it did.
  bool SwitchOffForLargeFile(qint64 fileBytes);
  // The colouring part of switching a document to HTML mode, once its
  // DocumentMode is HTML: a page of `fileBytes` too large switches automatic
  // colouring off (with the message), then the whole document is repainted.
  void WebPageModeOn(qint64 fileBytes);

 private:
  TagPaintStyle paintStyle() const;
  // Appends the runs of `spans` to `runs` and applies them all.
  // With `fromPlain` the old formats and alignments go in the same batch.
  void applySpans(std::vector<EditorControl::FormatRun>& runs,
                  const std::vector<ColourSpan>& spans, bool fromPlain = false);
  void applyKeepingSelection(const TagPaint& paint, bool showProgress);
  RepaintInputs repaintInputs() const;
  EditorFont wholeTextFont(const RepaintPlan& plan);
  void setAutoRepaint(bool on);
  bool switchOffIfLarge(int documentMode, qint64 fileBytes);
  void restoreView(int caret, int firstLine);

  // A whole repaint under way: the runs for the whole text as it was when
  // they were computed, and the lines still to colour.
  struct PendingRepaint {
    quint64 revision = 0;
    int documentMode = 0;
    bool measured = false;  // plan and spans computed
    bool planned = false;   // runs computed from them
    int length = 0;
    RepaintPlan plan;
    WebFormats rendering;  // when the rendering is on
    std::vector<ColourSpan> spans;
    std::vector<int> longRuns;   // indexes of runs longer than a slice
    std::vector<int> shortRuns;  // the others, by start
    std::vector<EditorControl::FormatRun> runs;
    std::optional<ProgressRange> progress;  // when tags are coloured
    int nextLine = 0;
  };
  PendingRepaint planRepaint(const QString& text);
  void appendScriptSpans(const QString& text, const RepaintPlan& plan, std::vector<ColourSpan>& spans) const;
  PendingRepaint measureRepaint(const QString& text);
  void makeRuns(PendingRepaint& repaint);
  static std::vector<EditorControl::FormatRun> runsWithin(const PendingRepaint& repaint, int from, int to);
  void paintScreenFirst(const QString& text);
  void paintNextSlice();
  bool repaintStillWanted() const;

  ColouringContext c_;
  std::optional<PendingRepaint> pending_;
  QTimer sliceTimer_;
};

}  // namespace wrenpad
