// SPDX-License-Identifier: GPL-3.0-or-later
// A key typed at the end of a line in the middle of a Japanese text full of
// backslashes (Windows paths), through the whole window and painted: in a
// UTF-8 file, whose text is drawn with the program's backslash font before
// the Japanese face (utf8:1), and, as yardsticks, the same UTF-8 text drawn
// with the Japanese face alone (utf8:2) and the same text in a Shift-JIS
// file (utf8:0).
#include <benchmark/benchmark.h>

#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <memory>

#include "documents/document_commands.h"
#include "editor/editor_control.h"
#include "offscreen_main.h"
#include "platform/app_paths.h"
#include "quiet_dialogs.h"
#include "typed_keys.h"
#include "window/main_window.h"

namespace {

using namespace wrenpad;
using namespace wrenpad::bench;

// "C:\Users\taro\日本語のテキスト" in each code, a line end after it.
const QByteArray kUtf8Line = "C:\\Users\\taro\\\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE"
                             "\xE3\x83\x86\xE3\x82\xAD\xE3\x82\xB9\xE3\x83\x88\\report.txt\r\n";
const QByteArray kShiftJisLine = "C:\\Users\\taro\\\x93\xfa\x96{\x8c\xea\x82\xcc\x83" "e\x83L\x83X\x83g\\report.txt\r\n";

void BM_KeyInJapanesePaths(benchmark::State& state) {
  QTemporaryDir folder;
  QFile settings(folder.filePath("wrenpad.ini"));
  settings.open(QIODevice::WriteOnly);
  settings.write("[Settings]\r\nJpn=0\r\n");
  settings.close();
  QuietDialogs dialogs;
  StartupOptions options;
  options.paths = AppPaths::inFolder(folder.path());
  auto main = std::make_unique<TMain>(options, &dialogs);
  main->resize(900, 700);
  main->show();
  QFile file(folder.filePath("paths.txt"));
  file.open(QIODevice::WriteOnly);
  file.write((state.range(0) ? kUtf8Line : kShiftJisLine).repeated(2000));
  file.close();
  main->documents().OpenFile(file.fileName());
  EditorControl& editor = main->editor();
  if (editor.drawsBackslash() != bool(state.range(0))) state.SkipWithError("the file was not read in its code");
  if (state.range(0) == 2) {  // the same text without the backslash font
    editor.setDrawsBackslash(false);
    editor.setText(editor.text());
  }
  editor.setSelStart(editor.positionOfLine(1000) - 2);
  typeAndTakeBack(state, editor.widget(), Painted::Yes);
  editor.setModified(false);
  main->close();
}
BENCHMARK(BM_KeyInJapanesePaths)->Arg(0)->Arg(1)->Arg(2)->ArgName("utf8")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return wrenpad::bench::RunWidgetBenchmarks(argc, argv); }
