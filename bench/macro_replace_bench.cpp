// SPDX-License-Identifier: GPL-3.0-or-later
// A macro list of 100 rules applied to a page of 1 Mi characters (about
// 40,000 upper-case tags and attributes, Japanese and English prose):
//   ApplyRules      the rules on the text alone
//   ExecuteCommand  Execute of the macro dialog on a shown editor: the rules,
//                   the new text as one undoable edit, and the whole repaint
//                   of the page that follows, to its last slice
//   BareSetText     the yardstick: a bare QTextEdit given the same new text
//
//   macro_replace_bench [benchmark flags]
#include "offscreen_main.h"
#include "shown_page_editor.h"

#include "editing/macro_replace.h"
#include "editing/macro_rules.h"
#include "editor/editor_control.h"
#include "settings/settings.h"

#include <QApplication>
#include <QTextEdit>
#include <QWidget>

namespace {

using namespace wrenpad;

QString GeneratedPage() {
  constexpr qsizetype kSize = 1024 * 1024;
  QString page = QStringLiteral("<HTML>\r\n<BODY BGCOLOR=\"white\">\r\n");
  page.reserve(kSize + 256);
  for (int n = 0; page.size() < kSize; ++n) {
    page += QStringLiteral("<H2 ALIGN=\"center\">Record %1</H2>\r\n<P ALIGN=\"right\">港の朝、"
                           "<B>nets drying</B> and <FONT COLOR=\"navy\" SIZE=\"+1\">buyers</FONT>"
                           "<BR>\r\n<IMG SRC=\"p%1.png\" WIDTH=\"40\"></P>\r\n")
                .arg(n);
  }
  return page + QStringLiteral("</BODY>\r\n</HTML>\r\n");
}

// 100 rules: the tags and attributes of the page to lower case, then rules
// that find nothing (as a long list does).
QString GeneratedList() {
  QStringList rules;
  for (const char* tag : {"HTML", "BODY", "H2", "P", "B", "FONT", "IMG"}) {
    const QString upper = QString::fromLatin1(tag);
    rules << "<" + upper + ">==>><" + upper.toLower() + ">" << "<" + upper + " ==>><" + upper.toLower() + " "
          << "</" + upper + ">==>></" + upper.toLower() + ">";
  }
  rules << "<BR>==>><br>";
  for (const char* attribute : {"BGCOLOR", "ALIGN", "COLOR", "SIZE", "SRC", "WIDTH"})
    rules << QStringLiteral(" %1===>> %2=").arg(QString::fromLatin1(attribute), QString::fromLatin1(attribute).toLower());
  for (int i = 0; rules.size() < 100; ++i) rules << QStringLiteral("absent%1==>>nothing").arg(i);
  return rules.join(u'\n');
}

void ApplyRules(benchmark::State& state) {
  const QString page = GeneratedPage();
  const std::vector<MacroRule> rules = ParseMacroList(GeneratedList());
  for (auto _ : state) benchmark::DoNotOptimize(ApplyMacroRules(page, rules));
  state.counters["rules"] = double(rules.size());
}

void ExecuteCommand(benchmark::State& state) {
  const QString page = GeneratedPage();
  const QString list = GeneratedList();
  bench::ShownPageEditor shown(page);
  EditorControl& editor = shown.editor;
  MacroReplace macros({editor, shown.dialogs, shown.settings, [](bool) {}, [&shown] { shown.repaint(); }, {}});
  for (auto _ : state) {
    state.PauseTiming();
    editor.setText(page);
    QApplication::processEvents();
    state.ResumeTiming();
    macros.serve(MacroRequest{MacroRequest::Kind::Execute, list, false, false});
    QApplication::processEvents();
  }
}

void BareSetText(benchmark::State& state) {
  QString result = ApplyMacroRules(GeneratedPage(), ParseMacroList(GeneratedList()));
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QWidget window;
  window.resize(900, 700);
  QTextEdit edit(&window);
  edit.resize(900, 700);
  window.show();
  for (auto _ : state) {
    edit.setPlainText(result);
    QApplication::processEvents();
  }
}

}  // namespace

BENCHMARK(ApplyRules)->Unit(benchmark::kMillisecond);
BENCHMARK(ExecuteCommand)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BareSetText)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) { return wrenpad::bench::RunWidgetBenchmarks(argc, argv); }
