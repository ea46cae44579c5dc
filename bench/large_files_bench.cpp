// SPDX-License-Identifier: GPL-3.0-or-later
// Large and odd files through the whole window, beside a bare QTextEdit doing
// the same work in the same run: a file of many short lines opened, the caret
// sent to its end, one character typed and the file saved; and one typed
// character in a file that is a single long line.
//
//   large_files_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextEdit>

#include "documents/document_commands.h"
#include "offscreen_main.h"
#include "quiet_dialogs.h"
#include "editor/editor_control.h"
#include "platform/app_paths.h"
#include "window/main_window.h"

namespace {

using namespace wrenpad;

using bench::QuietDialogs;

void sendKey(QWidget* view, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(view, &press);
  QApplication::sendEvent(view, &release);
}

QByteArray shortLines(int count) {
  QByteArray bytes;
  bytes.reserve(qsizetype{count} * 12);
  for (int i = 0; i < count; ++i) bytes += "line " + QByteArray::number(i) + '\n';
  return bytes;
}

QByteArray oneLine(qsizetype size) { return QByteArray(size, 'a'); }

QString writeFile(const QTemporaryDir& folder, const char* name, const QByteArray& bytes) {
  QFile file(folder.filePath(QString::fromLatin1(name)));
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
  return file.fileName();
}

std::unique_ptr<TMain> startWindow(const QTemporaryDir& folder, QuietDialogs& dialogs) {
  writeFile(folder, "wrenpad.ini", "[Settings]\r\nJpn=0\r\n");
  StartupOptions options;
  options.paths = AppPaths::inFolder(folder.path());
  auto main = std::make_unique<TMain>(options, &dialogs);
  main->resize(900, 700);
  main->show();
  return main;
}

// Open, Ctrl+End, one character, Ctrl+S: the whole round a user makes.
void BM_ManyLinesOpenEndTypeSave(benchmark::State& state) {
  QTemporaryDir folder;
  const QString path = writeFile(folder, "lines.txt", shortLines(int(state.range(0))));
  QuietDialogs dialogs;
  const auto main = startWindow(folder, dialogs);
  for (auto _ : state) {
    main->documents().OpenFile(path);
    QWidget* view = main->editor().widget();
    sendKey(view, Qt::Key_End, Qt::ControlModifier, QString());
    sendKey(view, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    main->documents().mmSaveClick();
  }
  main->editor().setModified(false);
}
BENCHMARK(BM_ManyLinesOpenEndTypeSave)->Arg(500000)->Arg(1000000)->ArgName("lines")
    ->Unit(benchmark::kSecond)->Iterations(1);

void BM_BareEditManyLinesOpenEndTypeSave(benchmark::State& state) {
  QTemporaryDir folder;
  const QString path = writeFile(folder, "lines.txt", shortLines(int(state.range(0))));
  QTextEdit edit;
  edit.resize(900, 700);
  edit.show();
  for (auto _ : state) {
    QFile in(path);
    in.open(QIODevice::ReadOnly);
    edit.setPlainText(QString::fromUtf8(in.readAll()));
    sendKey(&edit, Qt::Key_End, Qt::ControlModifier, QString());
    sendKey(&edit, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QSaveFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(edit.toPlainText().toUtf8());
    out.commit();
  }
}
BENCHMARK(BM_BareEditManyLinesOpenEndTypeSave)->Arg(500000)->Arg(1000000)->ArgName("lines")
    ->Unit(benchmark::kSecond)->Iterations(1);

// One character typed and taken back at the end of a single long line.
void BM_LongLineTypeCharacter(benchmark::State& state) {
  QTemporaryDir folder;
  const QString path = writeFile(folder, "line.txt", oneLine(state.range(0)));
  QuietDialogs dialogs;
  const auto main = startWindow(folder, dialogs);
  main->documents().OpenFile(path);
  QWidget* view = main->editor().widget();
  main->editor().setSelStart(main->editor().textLength());
  for (auto _ : state) {
    sendKey(view, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    sendKey(view, Qt::Key_Backspace, Qt::NoModifier, QString());
  }
  state.counters["chars"] = main->editor().textLength();
  main->editor().setModified(false);
}
BENCHMARK(BM_LongLineTypeCharacter)->Arg(1 << 16)->ArgName("bytes")
    ->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_BareEditLongLineTypeCharacter(benchmark::State& state) {
  QTextEdit edit;
  edit.resize(900, 700);
  edit.setPlainText(QString::fromLatin1(oneLine(state.range(0))));
  edit.show();
  edit.moveCursor(QTextCursor::End);
  for (auto _ : state) {
    sendKey(&edit, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    sendKey(&edit, Qt::Key_Backspace, Qt::NoModifier, QString());
  }
  state.counters["chars"] = edit.document()->characterCount();
}
BENCHMARK(BM_BareEditLongLineTypeCharacter)->Arg(1 << 16)->ArgName("bytes")
    ->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) { return wrenpad::bench::RunWidgetBenchmarks(argc, argv); }
