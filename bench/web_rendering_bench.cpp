// SPDX-License-Identifier: GPL-3.0-or-later
// The in-editor rendering of web formats on a generated page of 1 MiB (256
// KiB and 4 MiB too) with headings, aligned paragraphs, font elements, bold
// and italic in every record of about 260 characters:
//   RenderFormats        working out the formats alone (no editor)
//   RenderFormatsNested  the same on a page of small elements that all lie
//                        inside one element around the page: the cost must
//                        stay linear, with no rescanning of the page per tag
//   WholeRepaintRendered the whole-document repaint with the rendering on:
//                        rendering and tag colouring, every line changing,
//                        the slices run at once
//   WholeRepaintPlain    the same repaint with the rendering off
//   BareTextEditFormats  the yardstick: a bare QTextEdit holding the page is
//                        given the same character formats (rendering and tag
//                        colours) and alignments through QTextCursor in one
//                        edit block
//
//   web_rendering_bench [benchmark flags]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QWidget>

#include "colouring/format_runs.h"
#include "colouring/tag_painter.h"
#include "colouring/web_formats.h"
#include "platform/font_substitution.h"
#include "shown_page_editor.h"

namespace {

using namespace wrenpad;

QString RenderedPage(int kibibytes) {
  const qsizetype size = qsizetype{kibibytes} * 1024;
  QString page = QStringLiteral("<html>\r\n<head><title>records</title></head>\r\n<body>\r\n");
  page.reserve(size + 512);
  for (int n = 0; page.size() < size; ++n) {
    page += QStringLiteral("<h2 align=\"center\">Record %1</h2>\r\n").arg(n);
    page += QStringLiteral("<p align=\"%1\"><font size=\"+1\" color=\"navy\">港の朝 %2</font> "
                           "the quay was quiet, <b>nets drying <i>in the sun</i></b> and "
                           "<font face=\"Arial\" size=\"2\">buyers with lists</font></p>\r\n")
                .arg(n % 2 ? QStringLiteral("right") : QStringLiteral("center"))
                .arg(n);
  }
  page += QStringLiteral("</body>\r\n</html>\r\n");
  return page;
}

void RenderFormats(benchmark::State& state) {
  const QString page = RenderedPage(int(state.range(0)));
  std::size_t runs = 0;
  for (auto _ : state) {
    const WebFormats formats = RenderWebFormats(page, 0, int(page.size()), 11);
    runs = formats.runs.size() + formats.alignments.size();
    benchmark::DoNotOptimize(runs);
  }
  state.counters["runs"] = double(runs);
}

// Small elements inside one element around them all.
QString NestedPage(int kibibytes) {
  const qsizetype size = qsizetype{kibibytes} * 1024;
  QString page = QStringLiteral("<font color=red><p align=center>");
  const QString piece = QStringLiteral(
      "<font size=4>a</font><font color=blue>b</font> <b>c<i>d</i></b> <h2>e</h2> <p align=right>f</p>\r\n");
  while (page.size() < size) page += piece;
  return page + QStringLiteral("last</p></font>");
}

void RenderFormatsNested(benchmark::State& state) {
  const QString page = NestedPage(int(state.range(0)));
  for (auto _ : state) {
    const WebFormats formats = RenderWebFormats(page, 0, int(page.size()), 10);
    benchmark::DoNotOptimize(formats.runs.size());
  }
}

void WholeRepaint(benchmark::State& state, bool realization) {
  bench::ShownPageEditor shown(RenderedPage(int(state.range(0))), realization);
  for (auto _ : state) {
    state.PauseTiming();
    EditorFont grey = shown.editor.defaultFont();
    grey.color = Qt::darkGray;
    shown.editor.applyFormats({PlainRun(shown.editor.textLength(), grey)}, true);
    QApplication::processEvents();
    state.ResumeTiming();
    shown.repaint();
  }
}

// CR LF positions to the one-character line breaks of a QTextDocument.
int toDocument(const std::vector<int>& lineStarts, int position) {
  return position - int(std::upper_bound(lineStarts.begin(), lineStarts.end(), position) - lineStarts.begin() - 1);
}

QTextCharFormat formatOf(const CharAttributes& a) {
  QTextCharFormat format;
  if (a.color) format.setForeground(*a.color);
  if (a.fontName) format.setFontFamilies({*a.fontName});
  if (a.sizePoints) format.setFontPointSize(*a.sizePoints);
  if (a.bold) format.setFontWeight(*a.bold ? QFont::Bold : QFont::Normal);
  if (a.italic) format.setFontItalic(*a.italic);
  return format;
}

void BareTextEditFormats(benchmark::State& state) {
  const QString page = RenderedPage(int(state.range(0)));
  // The same runs the repaint applies: rendering, then the tag colours.
  const WebFormats formats = RenderWebFormats(page, 0, int(page.size()), 11);
  std::vector<EditorControl::FormatRun> runs = formats.runs;
  AppendFormatRuns(PaintTagsInRange(page, 0, int(page.size()), {0, 97}).spans, TagPaintStyle{}, runs);
  std::vector<int> lineStarts{0};
  for (int i = 0; i + 1 < page.size(); ++i)
    if (page[i] == u'\r' && page[i + 1] == u'\n') lineStarts.push_back(i + 2);
  QString plain = page;
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QWidget window;
  window.resize(900, 700);
  QTextEdit edit(&window);
  edit.resize(900, 700);
  edit.setPlainText(plain);
  window.show();
  QApplication::processEvents();
  for (auto _ : state) {
    QTextCursor cursor(edit.document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.setCharFormat(QTextCharFormat());
    for (const EditorControl::FormatRun& run : runs) {
      cursor.setPosition(toDocument(lineStarts, run.start));
      cursor.setPosition(toDocument(lineStarts, run.start + run.length), QTextCursor::KeepAnchor);
      cursor.mergeCharFormat(formatOf(run.attributes));
    }
    for (const EditorControl::AlignmentRun& run : formats.alignments) {
      cursor.setPosition(toDocument(lineStarts, run.start));
      cursor.setPosition(toDocument(lineStarts, run.start + run.length), QTextCursor::KeepAnchor);
      QTextBlockFormat block;
      block.setAlignment(run.alignment == Alignment::Right ? Qt::AlignRight : Qt::AlignHCenter);
      cursor.mergeBlockFormat(block);
    }
    cursor.endEditBlock();
    QApplication::processEvents();
  }
  state.counters["runs"] = double(runs.size() + formats.alignments.size());
}

}  // namespace

BENCHMARK(RenderFormats)->Arg(256)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond);
BENCHMARK(RenderFormatsNested)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeRepaint, Rendered, true)->Arg(256)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeRepaint, Plain, false)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BareTextEditFormats)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  installFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
