// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-document repaint command through EditorControl on a shown,
// fully laid-out editor, for generated pages of 256 KiB, 1 MiB and 4 MiB with
// about 20,000 tags, 10,000 quoted values and 500 comments per MiB; and its
// two halves alone: the format reset and the range painting of the whole text.
//
// A page of 128 KiB or more is repainted screen first and the rest in slices
// run from the event loop, and only lines whose formats change are touched.
// So the repaint is timed in two starting states:
//   every line changes  before each repaint the whole text is given a grey
//                       plain format, so no line holds the formats the
//                       repaint wants (a page opened uncoloured leaves its
//                       prose lines as they are: this is the costlier case);
//   nothing changes     the page is already coloured; the repaint computes
//                       the colours and compares every line, but writes none.
//
//   colour_repaint_bench [--page_kib=N] [benchmark flags]
//       with --page_kib, the Sliced* benchmarks use that page size alone
//       (1 MiB and 4 MiB otherwise)
//   colour_repaint_bench [--page_kib=N] --write_page=FILE
//       writes the generated page (1 MiB unless given) as UTF-8 and exits, so
//       other tools can be timed on the same page
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "colouring/format_runs.h"
#include "colouring/tag_painter.h"
#include "platform/font_substitution.h"
#include "platform/qt_dialogs.h"

namespace {

using namespace wrenpad;

// Records of about 210 characters: a heading with an id, a line of mixed
// Japanese and English text, a picture and a line break (four tags, two
// quoted values); a comment before every tenth record.
QString GeneratedPage(int kibibytes) {
  const qsizetype size = qsizetype{kibibytes} * 1024;
  QString page = QStringLiteral("<html>\r\n<head><title>records</title></head>\r\n<body>\r\n");
  page.reserve(size + 512);
  const QString prose = QStringLiteral(
      "The harbour was quiet before dawn; 港は夜明け前に静かで、漁船が一艘ずつ戻ってきた。"
      " Gulls waited on the posts while the nets were hung to dry, and the first "
      "buyers walked along the quay with their lists. 市場は六時に開く。");
  for (int n = 0; page.size() < size; ++n) {
    if (n % 10 == 0) page += QStringLiteral("<!-- records %1 to %2 -->\r\n").arg(n).arg(n + 9);
    page += QStringLiteral("<h3 id=\"r%1\">Record %1</h3>\r\n").arg(n);
    page += prose.left(128 + n % 23);
    page += QStringLiteral("\r\n<img src=\"photos/p%1.png\"><br>\r\n").arg(n);
  }
  page += QStringLiteral("</body>\r\n</html>\r\n");
  return page;
}

// Counts the slices of a sliced repaint: each slice but the last moves the
// progress bar, and the last one sets it back to 0.
class BenchHost : public ColouringHost {
 public:
  void showCommandStates() override {}
  void setProgress(int) override { ++progressCalls; }
  void showWaitCursor(bool) override {}

  int progressCalls = 0;
};

// A shown window with the editor holding a page, laid out to its end, the
// caret in the middle as after reading half-way down.
struct ShownEditor {
  explicit ShownEditor(const QString& page) {
    window.resize(900, 700);
    editor.widget()->resize(900, 700);
    editor.setDefaultFont({kProportionalGothic, 11, kShiftJisCharset, Qt::black});
    window.show();
    document.DocumentMode = kHtmlMode;
    editor.setText(page);
    editor.setSelStart(editor.textLength());  // lays the whole page out
    editor.setSelStart(editor.textLength() / 2);
    QApplication::processEvents();
  }

  // Gives the whole text one grey plain format, which no line of the
  // repainted page has, and lets the window settle.
  void makeEveryLineDiffer() {
    EditorFont grey = editor.defaultFont();
    grey.color = Qt::darkGray;
    editor.applyFormats({PlainRun(editor.textLength(), grey)}, true);
    QApplication::processEvents();
  }

  // Repaints once so the page holds its colours.
  void colour() {
    painter.mmRepaintTagsClick();
    painter.FinishRepaint();
    QApplication::processEvents();
  }

  QWidget window;
  EditorControl editor{&window};
  QtDialogs dialogs{&window};
  BenchHost host;
  DocumentState document;
  SessionState session;
  Settings settings;  // AutoRepaint on, whatever the page's size
  MessageTable messages = englishMessages();
  ColouringState colouring = colouringStateFrom(settings);
  TagPainter painter{{editor, dialogs, host, document, session, settings, messages, colouring}};
};

void CountSpans(benchmark::State& state, const QString& page) {
  const TagPaint paint = PaintTagsInRange(page, 0, static_cast<int>(page.size()), {0, 97});
  std::array<int, 5> kinds{};
  for (const ColourSpan& span : paint.spans) ++kinds[static_cast<int>(span.kind)];
  state.counters["tags"] = kinds[static_cast<int>(SpanKind::Tag)];
  state.counters["values"] = kinds[static_cast<int>(SpanKind::QuotedValue)];
  state.counters["comments"] = kinds[static_cast<int>(SpanKind::Comment)];
  state.SetComplexityN(page.size());
}

// The whole repaint to its end, the remaining slices run at once
// (FinishRepaint) rather than between window events: every line changes.
void WholeRepaint(benchmark::State& state) {
  const QString page = GeneratedPage(static_cast<int>(state.range(0)));
  ShownEditor shown(page);
  for (auto _ : state) {
    state.PauseTiming();
    shown.makeEveryLineDiffer();
    state.ResumeTiming();
    shown.painter.mmRepaintTagsClick();
    shown.painter.FinishRepaint();
  }
  CountSpans(state, page);
}

// The same on a page already coloured: nothing changes.
void WholeRepaintColoured(benchmark::State& state) {
  const QString page = GeneratedPage(static_cast<int>(state.range(0)));
  ShownEditor shown(page);
  shown.colour();
  for (auto _ : state) {
    shown.painter.mmRepaintTagsClick();
    shown.painter.FinishRepaint();
  }
  CountSpans(state, page);
}

// The repaint as the window runs it: the command returns with the screen
// coloured (screen_ms), then the event loop runs the slices one turn at a
// time until none remain. max_gap_ms is the longest single turn, the longest
// the window could not answer; total_ms runs from the command to the last
// slice, and is the benchmark's time (its CPU time leaves the grey format out
// as well). The counters are means over the iterations, max_gap_ms the
// longest of all.
void SlicedRepaint(benchmark::State& state, bool everyLineChanges) {
  const QString page = GeneratedPage(static_cast<int>(state.range(0)));
  ShownEditor shown(page);
  if (!everyLineChanges) shown.colour();
  double screenMs = 0, maxGapMs = 0, totalMs = 0, slices = 0;
  for (auto _ : state) {
    if (everyLineChanges) {
      state.PauseTiming();
      shown.makeEveryLineDiffer();
      state.ResumeTiming();
    }
    shown.host.progressCalls = 0;
    QElapsedTimer total;
    total.start();
    shown.painter.mmRepaintTagsClick();
    const double screen = static_cast<double>(total.nsecsElapsed()) / 1e6;
    // The command's own moves of the bar are left out: slices count from here.
    const int commandCalls = shown.host.progressCalls;
    QElapsedTimer turn;
    while (shown.painter.RepaintPending()) {
      turn.start();
      QCoreApplication::processEvents();
      maxGapMs = std::max(maxGapMs, static_cast<double>(turn.nsecsElapsed()) / 1e6);
    }
    const double elapsed = static_cast<double>(total.nsecsElapsed()) / 1e6;
    state.SetIterationTime(elapsed / 1e3);
    screenMs += screen;
    totalMs += elapsed;
    slices += shown.host.progressCalls - commandCalls;
  }
  const double runs = static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
  state.counters["screen_ms"] = screenMs / runs;
  state.counters["max_gap_ms"] = maxGapMs;
  state.counters["total_ms"] = totalMs / runs;
  state.counters["slices"] = slices / runs;
  state.counters["kib"] = static_cast<double>(state.range(0));
}

void ResetFormatting(benchmark::State& state) {
  const QString page = GeneratedPage(static_cast<int>(state.range(0)));
  ShownEditor shown(page);
  for (auto _ : state) shown.painter.ResetFormatting();
  state.SetComplexityN(page.size());
}

void PaintWholeRange(benchmark::State& state) {
  const QString page = GeneratedPage(static_cast<int>(state.range(0)));
  ShownEditor shown(page);
  for (auto _ : state) shown.painter.PaintTagsInRange(0, shown.editor.textLength(), {0, 97});
  CountSpans(state, page);
}

void RegisterBenchmarks(int slicedKib) {
  for (auto* b : {benchmark::RegisterBenchmark("WholeRepaint", WholeRepaint),
                  benchmark::RegisterBenchmark("WholeRepaintColoured", WholeRepaintColoured),
                  benchmark::RegisterBenchmark("ResetFormatting", ResetFormatting),
                  benchmark::RegisterBenchmark("PaintWholeRange", PaintWholeRange)})
    b->Arg(256)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
  const std::vector<int> sizes = slicedKib > 0 ? std::vector<int>{slicedKib} : std::vector<int>{1024, 4096};
  for (const bool everyLine : {true, false}) {
    auto* b = benchmark::RegisterBenchmark(everyLine ? "SlicedRepaint" : "SlicedRepaintColoured",
                                           SlicedRepaint, everyLine);
    for (const int kib : sizes) b->Arg(kib);
    b->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
  }
}

bool TakeFlag(const char* arg, const char* name, std::string& value) {
  const std::size_t length = std::strlen(name);
  if (std::strncmp(arg, name, length) != 0 || arg[length] != '=') return false;
  value = arg + length + 1;
  return true;
}

int WritePage(const std::string& path, int kibibytes) {
  QFile file(QString::fromStdString(path));
  const QByteArray bytes = GeneratedPage(kibibytes).toUtf8();
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
    return std::fprintf(stderr, "cannot write %s\n", path.c_str()), 1;
  return 0;
}

}  // namespace

// Widgets need an application object; the offscreen platform needs no display.
int main(int argc, char** argv) {
  std::string writePath, kib;
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (TakeFlag(argv[i], "--write_page", writePath)) continue;
    if (TakeFlag(argv[i], "--page_kib", kib)) continue;
    rest.push_back(argv[i]);
  }
  int pageKib = 0;
  if (!kib.empty()) {
    pageKib = std::atoi(kib.c_str());
    if (pageKib <= 0) return std::fprintf(stderr, "--page_kib needs a positive number\n"), 2;
  }
  if (!writePath.empty()) return WritePage(writePath, pageKib > 0 ? pageKib : 1024);

  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt takes out the arguments meant for it; the benchmark flags remain.
  int qtCount = static_cast<int>(rest.size());
  QApplication app(qtCount, rest.data());
  int count = qtCount;
  installFontSubstitutions();
  RegisterBenchmarks(pageKib);
  benchmark::Initialize(&count, rest.data());
  if (benchmark::ReportUnrecognizedArguments(count, rest.data())) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
