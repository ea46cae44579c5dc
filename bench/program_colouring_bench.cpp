// SPDX-License-Identifier: GPL-3.0-or-later
// Program colouring through EditorControl on a shown editor, for generated
// C programs of 30,000 bytes (the largest coloured on opening), 48 KiB and
// 1 MiB, beside a bare QTextEdit given the same formats:
//   WholeProgram     PaintWholeProgram from a plain text (every line changes)
//   BareFormats      a bare QTextEdit holding the same text given the same
//                    colours with QTextCursor::setCharFormat in one edit block
//   KeyInProgram     typing one character in the middle of a line and taking
//                    it back, each followed by the colouring after a key
//   BareKey          the same two edits in the bare QTextEdit, uncoloured
//   ReplaceAllRecoloured  Replace All of 10,000 occurrences in a 1 MiB
//                    program ("total" becomes "count"), with the
//                    whole-program colouring that follows
//
//   build-bench/bench/program_colouring_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTextCursor>
#include <QTextEdit>
#include <QWidget>

#include "offscreen_main.h"
#include "colouring/format_runs.h"
#include "colouring/program_painter.h"
#include "documents/editor_view.h"
#include "editing/find_replace.h"
#include "shown_page_editor.h"
#include "platform/qt_dialogs.h"

namespace {

using namespace wrenpad;

// Functions of about 400 bytes: a comment, a loop, a condition, a string.
QString GeneratedProgram(int bytes) {
  QString program = QStringLiteral("#include <stdio.h>\r\n\r\n");
  for (int n = 0; program.size() < bytes; ++n) {
    program += QStringLiteral(
                   "/* step %1: adds the numbers below the limit */\r\n"
                   "int step%1(int limit) {\r\n"
                   "  int total = 0;  // running sum\r\n"
                   "  for (int i = 0; i < limit; ++i) {\r\n"
                   "    if (i %% 3 == 0) continue;\r\n"
                   "    total += i;\r\n"
                   "  }\r\n"
                   "  printf(\"step %1: %%d\\n\", total);\r\n"
                   "  return total;\r\n"
                   "}\r\n\r\n")
                   .arg(n);
  }
  program.truncate(bytes);
  return program;
}

KeywordList Keywords() {
  return KeywordList::fromLines({"|int", "|void", "return", "for", "if", "else|", "while", "continue;",
                                 "break;", "|#include", "char", "const", "static"});
}


struct ShownProgram {
  explicit ShownProgram(const QString& program) {
    window.resize(900, 700);
    editor.widget()->resize(900, 700);
    window.show();
    document.DocumentMode = kProgramMode;
    colouring.Keywords = Keywords();
    QObject::connect(&editor, &EditorControl::textChanged, [this] { painter.noteTextChanged(); });
    editor.setText(program);
    editor.setSelStart(editor.textLength());  // lays the whole text out
    editor.setSelStart(editor.textLength() / 2);
    QApplication::processEvents();
  }

  QWidget window;
  EditorControl editor{&window};
  QtDialogs dialogs{&window};
  bench::QuietColouringHost host;
  DocumentState document;
  SessionState session;
  Settings settings;
  MessageTable messages = englishMessages();
  ColouringState colouring = colouringStateFrom(settings);
  ProgramPainter painter{{editor, dialogs, host, document, session, settings, messages, colouring}};
};

void WholeProgram(benchmark::State& state) {
  ShownProgram shown(GeneratedProgram(int(state.range(0))));
  for (auto _ : state) {
    state.PauseTiming();
    shown.editor.applyFormats({}, true);
    QApplication::processEvents();
    state.ResumeTiming();
    shown.painter.PaintWholeProgram();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BareFormats(benchmark::State& state) {
  const QString program = GeneratedProgram(int(state.range(0)));
  const KeywordList keywords = Keywords();
  // The bare edit counts a line break as one character.
  QString bareText = program;
  bareText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  const std::vector<ColourSpan> spans = ProgramSpans(bareText, LanguageMode::Cpp, keywords);
  const TagPaintStyle style;
  QTextEdit edit;
  edit.resize(900, 700);
  edit.show();
  edit.setPlainText(bareText);
  QApplication::processEvents();
  for (auto _ : state) {
    state.PauseTiming();
    QTextCursor all(edit.document());
    all.select(QTextCursor::Document);
    all.setCharFormat(QTextCharFormat());
    QApplication::processEvents();
    state.ResumeTiming();
    QTextCursor cursor(edit.document());
    cursor.beginEditBlock();
    for (const ColourSpan& span : spans) {
      QTextCharFormat format;
      format.setForeground(FormatOfSpan(span.kind, style).colour);
      cursor.setPosition(span.start);
      cursor.setPosition(span.start + span.length, QTextCursor::KeepAnchor);
      cursor.setCharFormat(format);
    }
    cursor.endEditBlock();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// The caret inside "total" of a line in the middle of the program.
void KeyInProgram(benchmark::State& state) {
  ShownProgram shown(GeneratedProgram(int(state.range(0))));
  shown.painter.PaintWholeProgram();
  const int at = int(shown.editor.text().indexOf(QStringLiteral("total += i"), shown.editor.textLength() / 2)) + 2;
  for (auto _ : state) {
    shown.editor.setSelStart(at);
    shown.editor.replaceSelection(QStringLiteral("x"));
    shown.painter.PaintAfterKey();
    shown.editor.select(at, 1);
    shown.editor.replaceSelection(QString());
    shown.painter.PaintAfterKey();
  }
}

void BareKey(benchmark::State& state) {
  QString program = GeneratedProgram(int(state.range(0)));
  program.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QTextEdit edit;
  edit.resize(900, 700);
  edit.show();
  edit.setPlainText(program);
  QApplication::processEvents();
  const int at = int(program.indexOf(QStringLiteral("total += i"), program.size() / 2)) + 2;
  for (auto _ : state) {
    QTextCursor cursor(edit.document());
    cursor.setPosition(at);
    cursor.insertText(QStringLiteral("x"));
    cursor.deletePreviousChar();
  }
}

void ReplaceAllRecoloured(benchmark::State& state) {
  // A 1 MiB program whose first 10,000 "total"s stay; the later ones are
  // renamed, so exactly 10,000 are replaced.
  QString program = GeneratedProgram(1024 * 1024);
  qsizetype at = 0;
  for (int n = 0; n < 10000 && at >= 0; ++n) at = program.indexOf(QStringLiteral("total"), at) + 5;
  for (at = program.indexOf(QStringLiteral("total"), at); at >= 0; at = program.indexOf(QStringLiteral("total"), at))
    program.replace(at, 5, QStringLiteral("tally"));
  ShownProgram shown(program);
  bench::QuietDialogs dialogs;
  EditorView view({.editor = shown.editor});
  ShownView shownView(view);
  FindReplace find({shown.editor, shownView, dialogs, [](bool) {}, [&shown] { shown.painter.PaintWholeProgram(); }});
  const FindRequest request{FindRequest::Kind::ReplaceAll, {QStringLiteral("total"), QStringLiteral("count"), true}};
  int replaced = 0;
  for (auto _ : state) {
    state.PauseTiming();
    shown.editor.setText(program);
    shown.painter.PaintWholeProgram();
    shown.editor.setSelStart(0);
    QApplication::processEvents();
    state.ResumeTiming();
    find.serveReplaceDialog(request);
    QApplication::processEvents();
    state.PauseTiming();
    replaced = int(program.count(QStringLiteral("total")) - shown.editor.text().count(QStringLiteral("total")));
    state.ResumeTiming();
  }
  state.counters["replaced"] = replaced;
  state.counters["bytes"] = double(program.size());
}

constexpr int kSmall = 30000;
constexpr int kMedium = 48 * 1024;
constexpr int kLarge = 1024 * 1024;

BENCHMARK(WholeProgram)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BareFormats)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(KeyInProgram)->Arg(kMedium)->Arg(kLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(BareKey)->Arg(kMedium)->Arg(kLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReplaceAllRecoloured)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return wrenpad::bench::RunWidgetBenchmarks(argc, argv); }
