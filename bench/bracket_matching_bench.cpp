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
#include "quiet_dialogs.h"
#include "platform/app_paths.h"
#include "platform/dialogs.h"
#include "typed_keys.h"
#include "window/main_window.h"

namespace {

using namespace wrenpad;
using namespace wrenpad::bench;

// The keystroke benchmark's document: records of a page, CR LF lines.
QString keystrokeDocument(int kibibytes) {
  const qsizetype size = qsizetype{kibibytes} * 1024;
  QString page = QStringLiteral("<html>\r\n<head><title>records</title></head>\r\n<body>\r\n");
  for (int n = 0; page.size() < size; ++n) {
    page += QStringLiteral("<h3 id=\"r%1\">Record %1</h3>\r\n").arg(n);
    page += QStringLiteral("港は夜明け前に静かで、the gulls waited on the posts.<br>\r\n");
  }
  return page + QStringLiteral("</body>\r\n</html>\r\n");
}

struct WindowOnDocument {
  // `kind`: 1 a page, 2 a program.
  WindowOnDocument(int kibibytes, int kind) {
    QFile settings(folder.filePath("wrenpad.ini"));
    settings.open(QIODevice::WriteOnly);
    settings.write("[Settings]\r\nJpn=0\r\n");
    settings.close();
    StartupOptions options;
    options.paths = AppPaths::inFolder(folder.path());
    main = std::make_unique<TMain>(options, &dialogs);
    main->resize(900, 700);
    main->show();
    QFile file(folder.filePath(kind == 1 ? "page.htm" : "page.c"));
    file.open(QIODevice::WriteOnly);
    file.write(keystrokeDocument(1).toUtf8());
    file.close();
    main->documents().OpenFile(file.fileName());
    QString text = keystrokeDocument(kibibytes);
    caret = int(text.indexOf(QStringLiteral("<h3"), text.size() / 2));
    if (kind == 2) {
      text.insert(caret, u'(');
      text.insert(text.size() - 2, u')');
    }
    main->editor().setText(text);
    main->settings().AutoRepaint = true;
  }
  ~WindowOnDocument() {
    main->editor().setModified(false);
    main->close();
  }

  QTemporaryDir folder;
  QuietDialogs dialogs;
  std::unique_ptr<TMain> main;
  int caret = 0;
};

// Arguments: size in KiB; kind (1 page, 2 program); marks (1 on, 0 off).
void BM_CaretMove(benchmark::State& state) {
  WindowOnDocument window(int(state.range(0)), int(state.range(1)));
  window.main->bracketMatching().setActive(state.range(2) != 0);
  EditorControl& editor = window.main->editor();
  editor.setSelStart(window.caret);
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
