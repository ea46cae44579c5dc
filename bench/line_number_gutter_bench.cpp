// SPDX-License-Identifier: GPL-3.0-or-later
// One typed character and its repaint in the editor, with the line-number
// gutter shown and hidden, in the middle and at the end of a program of
// 1 MiB and 50 MiB, beside a bare QPlainTextEdit holding the same text.
// Each key is pressed, painted (the editor's viewport and the gutter's
// stretch beside it), then taken back with Backspace and painted again.
// The gutter's own share, the repaint of the caret line's stretch (what a
// typed key asks of it) and of the whole gutter (a scroll), is timed alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "editor/editor_control.h"
#include "editor/line_number_gutter.h"
#include "offscreen_main.h"
#include "typed_keys.h"

namespace {

using namespace wrenpad;
using namespace wrenpad::bench;

// A C program of about `kibibytes` KiB: short lines of varying length.
QString generatedProgram(int kibibytes) {
  const qsizetype size = qsizetype{kibibytes} * 1024;
  QString text = QStringLiteral("#include <stdio.h>\r\n\r\nint main(void) {\r\n");
  text.reserve(size + 64);
  for (int n = 0; text.size() < size; ++n) {
    text += QStringLiteral("  total += values[%1] * %2;  /* step %1 */\r\n").arg(n).arg(n % 97);
    if (n % 10 == 9) text += QStringLiteral("\r\n");
  }
  return text + QStringLiteral("  return 0;\r\n}\r\n");
}

// Arguments: size in KiB, place (0 middle, 1 end), gutter (0 hidden, 1 shown).
void BM_EditorTypeCharacter(benchmark::State& state) {
  QWidget window;
  window.resize(900, 700);
  EditorControl editor(&window);
  editor.widget()->resize(900, 700);
  window.show();
  editor.setText(generatedProgram(int(state.range(0))));
  LineNumberGutter::of(editor).setShown(state.range(2) != 0);
  auto* edit = qobject_cast<QPlainTextEdit*>(editor.widget());
  putCaret(*edit, Place(state.range(1)));
  typeAndTakeBack(state, edit, Painted::Yes);
  state.counters["lines"] = editor.lineCount();
}
BENCHMARK(BM_EditorTypeCharacter)
    ->ArgsProduct({{1024, 51200}, {kMiddle, kEnd}, {0, 1}})
    ->ArgNames({"KiB", "end", "gutter"})
    ->Unit(benchmark::kMicrosecond);

// Arguments: size in KiB, place (0 middle, 1 end), whole (0 the caret line's
// stretch, 1 the whole gutter).
void BM_GutterRepaint(benchmark::State& state) {
  QWidget window;
  window.resize(900, 700);
  EditorControl editor(&window);
  editor.widget()->resize(900, 700);
  window.show();
  editor.setText(generatedProgram(int(state.range(0))));
  LineNumberGutter& gutter = LineNumberGutter::of(editor);
  gutter.setShown(true);
  putCaret(*qobject_cast<QPlainTextEdit*>(editor.widget()), Place(state.range(1)));
  QRect area = gutter.rect();
  if (state.range(2) == 0) {
    for (const LineNumberGutter::ShownLine& line : gutter.linesIn(gutter.rect()))
      if (line.caret) area = line.strip;
  }
  for (auto _ : state) gutter.repaint(area);
  state.counters["lines_drawn"] = double(gutter.linesIn(area).size());
}
BENCHMARK(BM_GutterRepaint)
    ->ArgsProduct({{1024, 51200}, {kMiddle, kEnd}, {0, 1}})
    ->ArgNames({"KiB", "end", "whole"})
    ->Unit(benchmark::kMicrosecond);

// The yardstick: a bare QPlainTextEdit, the same text, place and keys.
void BM_BarePlainTextEditTypeCharacter(benchmark::State& state) {
  QPlainTextEdit edit;
  edit.resize(900, 700);
  edit.show();
  edit.setPlainText(generatedProgram(int(state.range(0))));
  putCaret(edit, Place(state.range(1)));
  typeAndTakeBack(state, &edit, Painted::Yes);
}
BENCHMARK(BM_BarePlainTextEditTypeCharacter)
    ->ArgsProduct({{1024, 51200}, {kMiddle, kEnd}})
    ->ArgNames({"KiB", "end"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return wrenpad::bench::RunWidgetBenchmarks(argc, argv); }
