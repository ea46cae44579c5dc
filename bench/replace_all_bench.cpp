// SPDX-License-Identifier: GPL-3.0-or-later
// Replace All through the command and a shown editor, offscreen: a text of
// 1 Mi characters (Japanese and English, CR LF lines) with one occurrence
// of the search text on each of its 10,000 lines, the caret at the start so
// nothing is asked. The time covers the search, the new text, setting it
// in the editor as one undoable edit and the events that lay it out and
// draw it. The recolouring that follows belongs
// to the window and is timed by colour_repaint_bench; here the recolour
// callback does nothing.
#include "offscreen_main.h"
#include "quiet_dialogs.h"

#include "documents/editor_view.h"
#include "editing/find_replace.h"
#include "editor/editor_control.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

using wrenpad::EditorControl;
using wrenpad::FindReplace;
using wrenpad::FindRequest;

constexpr qsizetype kTextSize = 1024 * 1024;
constexpr int kLines = 10'000;

// Every line holds "needle", in upper case on every other line; the lines
// are padded so the whole text is kTextSize characters.
QString GeneratedText() {
  const QString words = QStringLiteral(
      "夏の献立は冷やし中華 and cold noodles, with a glass of barley tea; 麦茶を添えて。 "
      "Fresh from the garden today, ripe tomatoes. ");
  const qsizetype perLine = kTextSize / kLines;  // 104, with the line break
  QString text;
  text.reserve(kTextSize);
  for (int line = 0; line < kLines; ++line) {
    const QString word = line % 2 ? QStringLiteral("needle") : QStringLiteral("NEEDLE");
    const qsizetype before = line % 40;
    QString row = words.left(before) + word;
    row += words.mid(before, perLine - 2 - row.size());
    text += row;
    text += QStringLiteral("\r\n");
  }
  while (text.size() < kTextSize) text += u'.';
  return text;
}

void ReplaceAllInEditor(benchmark::State& state) {
  const bool matchCase = state.range(0) != 0;
  const QString text = GeneratedText();
  QWidget window;
  window.resize(900, 700);
  EditorControl editor(&window);
  editor.widget()->resize(900, 700);
  window.show();
  wrenpad::bench::QuietDialogs dialogs;
  wrenpad::EditorView view({.editor = editor});
  wrenpad::ShownView shownView(view);
  FindReplace find({editor, shownView, dialogs, [](bool) {}, [] { /* the window's work */ }});
  const FindRequest request{FindRequest::Kind::ReplaceAll,
                            {QStringLiteral("needle"), QStringLiteral("thread"), matchCase}};
  for (auto _ : state) {
    state.PauseTiming();
    editor.setText(text);
    editor.setSelStart(0);
    state.ResumeTiming();
    find.serveReplaceDialog(request);
    QCoreApplication::processEvents();  // the new text laid out and drawn
  }
  const int left = int(editor.text().count(QStringLiteral("needle"), Qt::CaseInsensitive));
  state.counters["replaced"] = double(kLines - left);
  if (editor.text().size() != text.size()) state.SkipWithError("the text changed its length");
}
BENCHMARK(ReplaceAllInEditor)->ArgName("match_case")->Arg(0)->Arg(1)
    ->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return wrenpad::bench::RunWidgetBenchmarks(argc, argv); }
