// SPDX-License-Identifier: GPL-3.0-or-later
// One typed character in the middle of a document, through the whole window:
// the editor's own insertion plus our key-down, change, key-up handling (tag
// check, typed-text format, line-number box, undo and caret timers), in a text
// file, a page and a program, from 48 KiB to 50 MiB. Automatic colouring is
// switched back on after opening (opening a large page switches it off), as a
// user who wants colours does. The same key in a bare QTextEdit holding the
// same text is the yardstick, measured in the same run.
//
// BM_WindowKeyAt types at the end of a line in the middle and at the very
// end of a coloured document, and lets the window paint and run what the key
// posted before the next key; its yardstick is a bare QPlainTextEdit (the
// widget the editor is built on) with the same text, caret and keys, painted
// the same way. Either benchmark puts the text in on the editor's own path,
// as a file below the large-file limit is opened.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextEdit>
#include <memory>

#include "colouring/tag_painter.h"
#include "platform/app_paths.h"
#include "documents/document_commands.h"
#include "offscreen_main.h"
#include "window_on_document.h"
#include "typed_keys.h"
#include "editor/editor_control.h"
#include "window/main_window.h"

namespace {

using namespace wrenpad;
using namespace wrenpad::bench;

// Argument 0: size in KiB; argument 1: 0 for a text file, 1 for a page, 2 for
// a program.
void BM_TypeCharacter(benchmark::State& state) {
  WindowOnDocument window(int(state.range(0)), int(state.range(1)));
  EditorControl& editor = window.main->editor();
  editor.setSelStart(editor.textLength() / 2);
  typeAndTakeBack(state, editor.widget(), Painted::No);
}
BENCHMARK(BM_TypeCharacter)
    ->ArgsProduct({{48, 1024, 10240, 51200}, {0, 1, 2}})
    ->ArgNames({"KiB", "kind"})
    ->Unit(benchmark::kMillisecond);

// The yardstick: a bare QTextEdit in a shown window, the same text, the caret
// in the middle, the same keys.
void BM_BareEditTypeCharacter(benchmark::State& state) {
  QTextEdit edit;
  edit.resize(900, 700);
  edit.setPlainText(generatedPage(int(state.range(0))));
  edit.show();
  QTextCursor cursor = edit.textCursor();
  cursor.setPosition(edit.document()->characterCount() / 2);
  edit.setTextCursor(cursor);
  typeAndTakeBack(state, edit.viewport()->parentWidget(), Painted::No);
}
BENCHMARK(BM_BareEditTypeCharacter)
    ->Arg(48)->Arg(1024)->Arg(10240)->Arg(51200)->ArgName("KiB")
    ->Unit(benchmark::kMillisecond);

// Arguments: size in KiB; place (0 middle, 1 end); kind (0 text, 1 page,
// 2 program).
void BM_WindowKeyAt(benchmark::State& state) {
  WindowOnDocument window(int(state.range(0)), int(state.range(2)));
  // The keys are typed into a coloured document, not into one being coloured.
  window.main->recolourWholeText();
  window.main->painter().FinishRepaint();
  auto* edit = qobject_cast<QPlainTextEdit*>(window.main->editor().widget());
  putCaret(*edit, Place(state.range(1)));
  typeAndTakeBack(state, edit, Painted::Yes);
}
BENCHMARK(BM_WindowKeyAt)
    ->ArgsProduct({{48, 1024, 51200}, {kMiddle, kEnd}, {0, 1, 2}})
    ->ArgNames({"KiB", "end", "kind"})
    ->Unit(benchmark::kMicrosecond);

// The yardstick of BM_WindowKeyAt: a bare QPlainTextEdit of the same size,
// the same text, caret and keys.
void BM_BarePlainKeyAt(benchmark::State& state) {
  QPlainTextEdit edit;
  edit.resize(900, 700);
  edit.show();
  edit.setPlainText(generatedPage(int(state.range(0))));
  putCaret(edit, Place(state.range(1)));
  typeAndTakeBack(state, &edit, Painted::Yes);
}
BENCHMARK(BM_BarePlainKeyAt)
    ->ArgsProduct({{48, 1024, 51200}, {kMiddle, kEnd}})
    ->ArgNames({"KiB", "end"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return wrenpad::bench::RunWidgetBenchmarks(argc, argv); }
