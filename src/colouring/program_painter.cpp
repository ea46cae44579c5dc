// SPDX-License-Identifier: GPL-3.0-or-later
#include "colouring/program_painter.h"

#include "colouring/format_runs.h"
#include "colouring/paint_guards.h"
#include "colouring/whole_repaint.h"

#include <QDir>
#include <QFile>

namespace wrenpad {

namespace {

// Lines coloured at once after a key; a change that reaches further (an
// opened comment) colours the rest at the next quiet moment.
constexpr int kLinesPerKey = 300;
// A keyword list is a small text file; anything larger is no keyword list.
constexpr qint64 kLargestKeywordFile = 1024 * 1024;

std::optional<QStringList> readListFile(const QString& path) {
  QFile file(path);
  if (file.size() > kLargestKeywordFile || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  return QString::fromUtf8(file.readAll()).split(u'\n');
}

// The colours of the spans on the editor's background, light or dark.
TagPaintStyle ShownStyle(const ColouringContext& c) {
  return StyleOnBackground(c.colouring.paintStyle(), c.editor.background());
}

}  // namespace

ProgramPainter::ProgramPainter(ColouringContext context) : c_(context) {}

LanguageMode ProgramPainter::mode() const { return languageModeFrom(c_.settings.PL); }

std::optional<LineState> ProgramPainter::stateAtLineStart(int line) const {
  if (line <= 0) return LineState::Code;
  if (!statesFollowText() || line > int(states_.size())) return std::nullopt;
  return states_[std::size_t(line - 1)];
}

bool ProgramPainter::LoadKeywordList(LanguageMode mode, const QStringList& folders) {
  const QString name = mode == LanguageMode::Cpp || mode == LanguageMode::Java ? QStringLiteral("KeyWords_cpp.ini")
                                                                               : QStringLiteral("KeyWords_pas.ini");
  statesRevision_ = ~0ull;  // other keywords: every line's colours may change
  for (const QString& folder : folders) {
    if (const std::optional<QStringList> lines = readListFile(QDir(folder).filePath(name))) {
      c_.colouring.Keywords = KeywordList::fromLines(*lines);
      return true;
    }
  }
  c_.colouring.Keywords.addFallbackWords();
  return false;
}

// ---- whole text and ranges -------------------------------------------------------

void ProgramPainter::PaintWholeProgram() {
  clearMark();
  if (!c_.settings.AutoRepaint) {
    statesRevision_ = ~0ull;
    return;
  }
  const ChangeWatchOff quiet(c_.session);
  const QString text = c_.editor.text();
  states_.clear();
  const std::vector<ColourSpan> spans = ProgramSpans(text, mode(), c_.colouring.Keywords, &states_);
  std::vector<EditorControl::FormatRun> runs;
  AppendFormatRuns(spans, ShownStyle(c_), runs);
  const int caret = c_.editor.selStart();
  const int length = c_.editor.selLength();
  c_.editor.applyFormats(runs, true);
  if (c_.editor.selStart() != caret || c_.editor.selLength() != length) c_.editor.select(caret, length);
  statesRevision_ = c_.editor.revision();
  statesMode_ = mode();
}

void ProgramPainter::PaintProgramRange(int from, int to) {
  if (!c_.settings.AutoRepaint) return;
  if (!statesFollowText()) {
    PaintWholeProgram();
    return;
  }
  // Lines marked by earlier changes come along: their states are not known yet.
  int first = c_.editor.lineFromPosition(std::max(0, from));
  int last = c_.editor.lineFromPosition(std::max(from, to - 1));
  if (markFirst_ >= 0) {
    first = std::min(first, markFirst_);
    last = std::max(last, markLast_);
  }
  paintLines(first, last, c_.editor.lineCount());
}

bool ProgramPainter::statesFollowText() const {
  return statesRevision_ == c_.editor.revision() && statesMode_ == mode() &&
         int(states_.size()) == c_.editor.lineCount();
}

int ProgramPainter::paintLines(int first, int last, int limit) {
  const ChangeWatchOff quiet(c_.session);
  const int lines = c_.editor.lineCount();
  const LanguageMode language = mode();
  LineState state = first > 0 ? states_[std::size_t(first - 1)] : LineState::Code;
  std::vector<ColourSpan> spans;
  int line = first;
  bool complete = true;
  for (; line < lines; ++line) {
    state = ScanProgramLine(c_.editor.line(line), state, language, c_.colouring.Keywords,
                            c_.editor.positionOfLine(line), spans);
    const bool changed = states_[std::size_t(line)] != state;
    states_[std::size_t(line)] = state;
    if (line >= last && !changed) break;
    if (line >= limit) {
      complete = false;
      break;
    }
  }
  line = std::min(line, lines - 1);
  if (language == LanguageMode::Pascal && c_.editor.positionOfLine(first) < 200)
    if (const std::optional<ColourSpan> heading = PascalHeadingSpan(c_.editor.keptText().left(200));
        heading && c_.editor.lineFromPosition(heading->start) >= first)
      spans.push_back(*heading);
  std::vector<EditorControl::FormatRun> runs;
  AppendFormatRuns(spans, ShownStyle(c_), runs);
  c_.editor.repaintLines(first, line, runs);
  if (complete)
    clearMark();
  else
    mark(line + 1, std::max(markLast_, line + 1));
  return line;
}

// ---- after changes and keys ----------------------------------------------------------

// Keeps the line states in step with a change the editor could follow: the
// states of the changed lines are dropped and those lines marked; the states
// after them stay, shifted with their lines. Any other change marks all.
void ProgramPainter::noteTextChanged() {
  if (c_.document.DocumentMode != kProgramMode) return;
  const quint64 revision = c_.editor.revision();
  const std::optional<EditorControl::TextSplice> splice = c_.editor.lastSplice();
  const int lines = c_.editor.lineCount();
  if (statesRevision_ + 1 != revision || !splice) {
    statesRevision_ = ~0ull;
    mark(0, lines - 1);
    return;
  }
  const int first = c_.editor.lineFromPosition(splice->start);
  const int lastNew = c_.editor.lineFromPosition(splice->start + splice->added);
  const int delta = lines - int(states_.size());
  const int lastOld = lastNew - delta;
  if (lastOld < first - 1 || lastOld >= int(states_.size())) {
    statesRevision_ = ~0ull;
    mark(0, lines - 1);
    return;
  }
  // The changed lines' states are replaced where they stand: typing within
  // a line moves none of the states after it.
  const auto changedOld = states_.begin() + first;
  const std::size_t oldCount = std::size_t(lastOld + 1 - first);
  const std::size_t newCount = std::size_t(lastNew + 1 - first);
  if (newCount < oldCount) states_.erase(changedOld, changedOld + std::ptrdiff_t(oldCount - newCount));
  if (newCount > oldCount) states_.insert(changedOld, newCount - oldCount, LineState::Code);
  std::fill_n(states_.begin() + first, newCount, LineState::Code);
  if (markFirst_ > lastOld) markFirst_ += delta;
  if (markLast_ > lastOld) markLast_ += delta;
  mark(first, lastNew);
  statesRevision_ = revision;
}

void ProgramPainter::PaintAfterKey() {
  if (!c_.settings.AutoRepaint || markFirst_ < 0) return;
  if (!statesFollowText()) {
    // Colours that no change could follow (an undo): the whole text, or at
    // the next quiet moment when that is much to do on a key.
    constexpr int kWholeTextOnKey = 64 * 1024;
    if (c_.editor.textLength() <= kWholeTextOnKey) PaintWholeProgram();
    return;
  }
  const int first = markFirst_;
  const int last = std::min(markLast_, first + kLinesPerKey);
  const int markLast = markLast_;
  const int painted = paintLines(first, last, first + kLinesPerKey);
  // Marked lines the bound left out stay marked.
  if (painted < markLast) mark(painted + 1, markLast);
}

void ProgramPainter::PaintMarkedLines() {
  if (scriptMarked_) {
    scriptMarked_ = false;
    if (c_.document.DocumentMode == kHtmlMode && c_.settings.AutoRepaint) {
      const QString text = c_.editor.text();
      if (const std::optional<ProgramStretch> script = FirstScriptStretch(text)) {
        const int start = script->from - 1;
        const int end = script->to - 1;
        std::vector<EditorControl::FormatRun> runs;
        AppendFormatRuns(std::vector<ColourSpan>{{start, end - start, SpanKind::ProgramText}},
                         ShownStyle(c_), runs);
        AppendFormatRuns(ProgramSpansIn(text, start, end, LanguageMode::Cpp, c_.colouring.Keywords),
                         ShownStyle(c_), runs);
        const ChangeWatchOff quiet(c_.session);
        c_.editor.applyFormats(runs);
      }
    }
  }
  if (markFirst_ < 0 || c_.document.DocumentMode != kProgramMode || !c_.settings.AutoRepaint) return;
  if (!statesFollowText()) {
    PaintWholeProgram();
    return;
  }
  paintLines(markFirst_, markLast_, c_.editor.lineCount());
}

// The caret's line of a page's script: from after an opening script tag on
// it to before a closing one.
void ProgramPainter::PaintScriptLineAtCaret() {
  if (!c_.settings.AutoRepaint) return;
  const int line = c_.editor.lineFromPosition(c_.editor.selStart());
  const QString text = c_.editor.line(line);
  qsizetype from = 0;
  if (const qsizetype open = text.indexOf(QStringLiteral("<script"), 0, Qt::CaseInsensitive); open >= 0) {
    const qsizetype close = text.indexOf(u'>', open);
    from = close < 0 ? text.size() : close + 1;
  }
  qsizetype to = text.indexOf(QStringLiteral("</script"), from, Qt::CaseInsensitive);
  if (to < 0) to = text.size();
  const int offset = c_.editor.positionOfLine(line);
  std::vector<ColourSpan> spans{{offset + int(from), int(to - from), SpanKind::ProgramText}};
  ScanProgramLine(QStringView(text).mid(from, to - from), LineState::Code, LanguageMode::Cpp,
                  c_.colouring.Keywords, offset + int(from), spans);
  std::vector<EditorControl::FormatRun> runs;
  AppendFormatRuns(spans, ShownStyle(c_), runs);
  const ChangeWatchOff quiet(c_.session);
  c_.editor.applyFormats(runs);
  scriptMarked_ = true;
}

void ProgramPainter::mark(int first, int last) {
  const int lines = c_.editor.lineCount();
  first = std::clamp(first, 0, std::max(0, lines - 1));
  last = std::clamp(last, first, std::max(0, lines - 1));
  markFirst_ = markFirst_ < 0 ? first : std::min(markFirst_, first);
  markLast_ = std::max(markLast_, last);
}

void ProgramPainter::clearMark() {
  markFirst_ = -1;
  markLast_ = -1;
}

}  // namespace wrenpad
