// SPDX-License-Identifier: GPL-3.0-or-later
// Caret moves through the whole window with the bracket and tag marks
// following them, beside the same moves with the marks switched off, in the
// same run: on the keystroke documents of 1 MiB and 50 MiB (records of a
// page, as keystroke_bench types into), opened as a page and as a program.
//
// The caret goes right and left by one character, each move painted before
// the next as the window system would. In the page it moves over the start
// of a heading tag, so every move reads and scans the whole reach around the
// caret and marks the pair. In the program it moves over an opening bracket
// whose partner lies at the far end of the document: every move reads and
// scans the reach both ways and gives up, the dearest case there is.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <memory>

#include "documents/document_commands.h"
#include "editing/bracket_highlight.h"
#include "editor/editor_control.h"
#include "offscreen_main.h"
#include "window_on_document.h"
#include "platform/app_paths.h"
#include "platform/dialogs.h"
#include "typed_keys.h"
#include "window/main_window.h"

namespace {

using namespace wrenpad;
using namespace wrenpad::bench;

// The caret where a heading tag starts in the middle of the document; in a
// program, an opening bracket there whose partner closes the document.
int placeCaret(WindowOnDocument& window, int kibibytes, int kind) {
  QString text = generatedPage(kibibytes);
  const int caret = int(text.indexOf(QStringLiteral("<h3"), text.size() / 2));
  if (kind == 2) {
    text.insert(caret, u'(');
    text.insert(text.size() - 2, u')');
    window.main->editor().setText(text);
  }
  return caret;
}

// Arguments: size in KiB; kind (1 page, 2 program); marks (1 on, 0 off).
void BM_CaretMove(benchmark::State& state) {
  WindowOnDocument window(int(state.range(0)), int(state.range(1)));
  const int caret = placeCaret(window, int(state.range(0)), int(state.range(1)));
  window.main->bracketMatching().setActive(state.range(2) != 0);
  EditorControl& editor = window.main->editor();
  editor.setSelStart(caret);
  editor.scrollCaretIntoView();
  QWidget* view = editor.widget();
  typeKey(view, Qt::Key_Right, QString(), Painted::Yes);
  typeKey(view, Qt::Key_Left, QString(), Painted::Yes);
  for (auto _ : state) {
    typeKey(view, Qt::Key_Right, QString(), Painted::Yes);
    typeKey(view, Qt::Key_Left, QString(), Painted::Yes);
  }
  state.SetItemsProcessed(state.iterations() * 2);
  state.counters["marks"] = double(editor.textMarks(EditorControl::MarkLayer::Brackets).size());
}
BENCHMARK(BM_CaretMove)
    ->ArgsProduct({{1024, 51200}, {1, 2}, {1, 0}})
    ->ArgNames({"KiB", "kind", "on"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return wrenpad::bench::RunWidgetBenchmarks(argc, argv); }
