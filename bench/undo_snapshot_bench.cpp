// SPDX-License-Identifier: GPL-3.0-or-later
// An undo snapshot of a coloured page of 1 Mi characters (about 40,000 tags
// coloured, Japanese and English prose), as the quiet tick takes it and Undo
// brings it back:
//   TakeSnapshot     the editor's formats read out, written as RTF, the file
//                    written whole and renamed into place: the whole write
//   ReadFormats      the part of it on the window's thread (the rest runs in
//                    the background while typing goes on)
//   RestoreSnapshot  the file read, the RTF read, the text and its formats
//                    set in the editor
//   BareTextEditRtf  the yardstick: a bare QTextEdit holding the same page
//                    gives its text as HTML (Qt's own rich-text export)
//
//   undo_snapshot_bench [benchmark flags]
#include "offscreen_main.h"
#include "shown_page_editor.h"

#include "documents/undo_snapshots.h"
#include "text/rich_text.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QWidget>

namespace {

using namespace wrenpad;

QString ColouredPage() {
  constexpr qsizetype kSize = 1024 * 1024;
  QString page = QStringLiteral("<html>\r\n<body>\r\n");
  for (int n = 0; page.size() < kSize; ++n)
    page += QStringLiteral("<h3 id=\"r%1\">Record %1</h3>\r\n港は夜明け前に静かで the nets were hung "
                           "<b>to dry</b> <!-- n -->\r\n<img src=\"p%1.png\"><br>\r\n")
                .arg(n);
  return page + QStringLiteral("</body>\r\n</html>\r\n");
}

void TakeSnapshot(benchmark::State& state) {
  bench::ShownPageEditor shown(ColouredPage());
  shown.repaint();
  QTemporaryDir folder;
  UndoSnapshots snapshots(folder.path(), 1);
  int count = 0, top = 0;
  qint64 bytes = 0;
  for (auto _ : state) {
    const QByteArray rtf = WriteRtf(shown.editor.richDocument());
    snapshots.take(rtf, count, top);
    bytes = rtf.size();
  }
  state.counters["rtf_bytes"] = double(bytes);
}

void ReadFormats(benchmark::State& state) {
  bench::ShownPageEditor shown(ColouredPage());
  shown.repaint();
  size_t runs = 0;
  for (auto _ : state) {
    const RichDocument document = shown.editor.richDocument();
    runs = 0;
    for (const RichParagraph& paragraph : document.paragraphs) runs += paragraph.runs.size();
  }
  state.counters["runs"] = double(runs);
}

void RestoreSnapshot(benchmark::State& state) {
  bench::ShownPageEditor shown(ColouredPage());
  shown.repaint();
  QTemporaryDir folder;
  UndoSnapshots snapshots(folder.path(), 1);
  int count = 0, top = 0;
  snapshots.take(WriteRtf(shown.editor.richDocument()), count, top);
  for (auto _ : state) {
    const std::optional<RichDocument> document = ReadRtf(*snapshots.read(1));
    shown.editor.setRichDocument(*document);
    QApplication::processEvents();
  }
}

void BareTextEditRtf(benchmark::State& state) {
  bench::ShownPageEditor shown(ColouredPage());
  shown.repaint();
  QTextEdit edit;
  edit.setDocument(shown.editor.widget()->findChild<QTextDocument*>()->clone(&edit));
  for (auto _ : state) benchmark::DoNotOptimize(edit.toHtml());
}

}  // namespace

BENCHMARK(TakeSnapshot)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ReadFormats)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(RestoreSnapshot)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BareTextEditRtf)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) { return wrenpad::bench::RunWidgetBenchmarks(argc, argv); }
