// One typed character in the middle of a document, through the whole window:
// the editor's own insertion plus our key-down, change, key-up handling (tag
// check, typed-text format, line-number box, undo and caret timers), in a text
// file, a page and a program, from 48 KiB to 50 MiB. Automatic colouring is
// switched back on after opening (opening a large page switches it off), as a
// user who wants colours does. The same key in a bare QTextEdit holding the
// same text is the yardstick, measured in the same run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextEdit>

#include "platform/app_paths.h"
#include "documents/document_commands.h"
#include "offscreen_main.h"
#include "quiet_dialogs.h"
#include "editor/editor_control.h"
#include "window/main_window.h"

namespace {

using namespace wrenpad;

QString generatedPage(int kibibytes) {
  const qsizetype size = qsizetype{kibibytes} * 1024;
  QString page = QStringLiteral("<html>\r\n<head><title>records</title></head>\r\n<body>\r\n");
  for (int n = 0; page.size() < size; ++n) {
    page += QStringLiteral("<h3 id=\"r%1\">Record %1</h3>\r\n").arg(n);
    page += QStringLiteral("港は夜明け前に静かで、the gulls waited on the posts.<br>\r\n");
  }
  return page + QStringLiteral("</body>\r\n</html>\r\n");
}

using bench::QuietDialogs;

// A key pressed and released, as the window system delivers it.
void typeKey(QWidget* view, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(view, &press);
  QApplication::sendEvent(view, &release);
}

// Types a character and takes it back, as many times as the state asks. One
// untimed round first: the first key lays the text out as far as the caret
// (the bare edit) or makes the kept text the editor's own (ours).
void typeAndTakeBack(benchmark::State& state, QWidget* view) {
  typeKey(view, Qt::Key_A, QStringLiteral("a"));
  typeKey(view, Qt::Key_Backspace, QString());
  for (auto _ : state) {
    typeKey(view, Qt::Key_A, QStringLiteral("a"));
    typeKey(view, Qt::Key_Backspace, QString());
  }
  state.SetItemsProcessed(state.iterations() * 2);
}

// Argument 0: size in KiB; argument 1: 0 for a text file, 1 for a page, 2 for
// a program.
void BM_TypeCharacter(benchmark::State& state) {
  QTemporaryDir folder;
  QFile settings(folder.filePath("wrenpad.ini"));
  settings.open(QIODevice::WriteOnly);
  settings.write("[Settings]\r\nJpn=0\r\n");
  settings.close();
  const char* names[] = {"page.txt", "page.htm", "page.c"};
  QFile page(folder.filePath(names[state.range(1)]));
  page.open(QIODevice::WriteOnly);
  page.write(generatedPage(int(state.range(0))).toUtf8());
  page.close();

  QuietDialogs dialogs;
  StartupOptions options;
  options.paths = AppPaths::inFolder(folder.path());
  TMain main(options, &dialogs);
  main.resize(900, 700);
  main.show();
  main.documents().OpenFile(page.fileName());
  main.settings().AutoRepaint = true;
  EditorControl& editor = main.editor();
  editor.setSelStart(editor.textLength() / 2);
  typeAndTakeBack(state, editor.widget());
  editor.setModified(false);
  main.close();
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
  typeAndTakeBack(state, edit.viewport()->parentWidget());
}
BENCHMARK(BM_BareEditTypeCharacter)
    ->Arg(48)->Arg(1024)->Arg(10240)->Arg(51200)->ArgName("KiB")
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return wrenpad::bench::RunWidgetBenchmarks(argc, argv); }
