// SPDX-License-Identifier: GPL-3.0-or-later
// The large file's own storage and view: edits (a key at the end and in the
// middle, undo), the line index (a whole count, a line's start), decoding a
// screen of lines in each kanji code, a search that finds nothing and the
// blocks a save writes, on a document of 64 MiB held in memory; and a key on
// one line of 10 MB in the view, with the repaint that follows it.
//
//   large_storage_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include "encoding/cp932.h"
#include "encoding/euc_jp.h"
#include "large/large_document.h"
#include "large_view/large_text_view.h"
#include "offscreen_main.h"

#include <QKeyEvent>
#include <QPixmap>
#include <cstring>
#include <random>

namespace {

using namespace wrenpad;
using namespace wrenpad::large;

constexpr std::size_t kDocumentBytes = std::size_t(64) << 20;

// Japanese and ASCII lines in `code`, about kDocumentBytes in all.
std::string sampleBytes(TextEncoding code, std::size_t total = kDocumentBytes) {
  const QString line = QStringLiteral("港は夜明け前に静かで、漁船が一艘ずつ戻ってきた。 The gulls waited on the posts.");
  QByteArray encoded;
  switch (code) {
    case TextEncoding::ShiftJis: encoded = cp932::encode(line).bytes; break;
    case TextEncoding::EucJp: encoded = eucjp::encode(line).bytes; break;
    case TextEncoding::Utf8: encoded = line.toUtf8(); break;
  }
  std::string bytes;
  bytes.reserve(total + 128);
  for (int n = 0; bytes.size() < total; ++n) bytes += encoded.toStdString() + ' ' + std::to_string(n) + '\n';
  return bytes;
}

const std::string& sjisDocument() {
  static const std::string bytes = sampleBytes(TextEncoding::ShiftJis);
  return bytes;
}

std::unique_ptr<LargeDocument> openSjis() { return LargeDocument::holding(sjisDocument(), TextEncoding::ShiftJis); }

// One key a step, at the end or in the middle of the document.
void BM_KeyAt(benchmark::State& state) {
  auto document = openSjis();
  qint64 at = state.range(0) == 0 ? document->size() : document->lines().lineStart(document->lines().lineCount() / 2);
  for (auto _ : state) {
    document->replace(at, 0, "x", EditKind::Typing);
    ++at;
  }
  state.counters["pieces"] = double(document->text().pieces().size());
}
BENCHMARK(BM_KeyAt)->Arg(0)->Arg(1)->ArgName("middle");

// A key typed at one random place after another: the pieces grow with every
// key, and the line index moves its marks.
void BM_KeyAtRandomPlaces(benchmark::State& state) {
  auto document = openSjis();
  document->lines().lineCount();
  std::mt19937 random(3);
  for (auto _ : state) {
    document->replace(qint64(random() % std::uint64_t(document->size())) & ~qint64(1), 0, "\n", EditKind::Other);
  }
  state.counters["pieces"] = double(document->text().pieces().size());
}
BENCHMARK(BM_KeyAtRandomPlaces)->Iterations(20000);

// Undo and redo of a deletion of half the document.
void BM_UndoHalfDeleted(benchmark::State& state) {
  auto document = openSjis();
  document->replace(document->size() / 4, document->size() / 2, {});
  for (auto _ : state) {
    document->undo();
    document->redo();
  }
}
BENCHMARK(BM_UndoHalfDeleted);

void BM_CountAllLines(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto document = openSjis();
    state.ResumeTiming();
    benchmark::DoNotOptimize(document->lines().lineCount());
  }
  state.SetBytesProcessed(qint64(state.iterations()) * qint64(kDocumentBytes));
}
BENCHMARK(BM_CountAllLines)->Unit(benchmark::kMillisecond);

void BM_LineStartAnywhere(benchmark::State& state) {
  auto document = openSjis();
  const qint64 lines = document->lines().lineCount();
  std::mt19937 random(5);
  for (auto _ : state) benchmark::DoNotOptimize(document->lines().lineStart(qint64(random() % std::uint64_t(lines))));
}
BENCHMARK(BM_LineStartAnywhere);

// Fifty lines of a screen, found and decoded.
void BM_DecodeScreen(benchmark::State& state) {
  const auto code = TextEncoding(state.range(0));
  auto document = LargeDocument::holding(sampleBytes(code, std::size_t(8) << 20), code);
  const qint64 top = document->lines().lineCount() / 2;
  for (auto _ : state) {
    for (const LineIndex::Span& span : document->lines().lines(top, 50))
      benchmark::DoNotOptimize(document->decode(span.start, span.end));
  }
  state.SetLabel(encodingName(code).toStdString());
}
BENCHMARK(BM_DecodeScreen)
    ->Arg(int(TextEncoding::ShiftJis))
    ->Arg(int(TextEncoding::EucJp))
    ->Arg(int(TextEncoding::Utf8));

void BM_FindNothing(benchmark::State& state) {
  auto document = openSjis();
  const bool matchCase = state.range(0) != 0;
  for (auto _ : state) benchmark::DoNotOptimize(document->find("no such words", 0, false, matchCase));
  state.SetBytesProcessed(qint64(state.iterations()) * document->size());
}
BENCHMARK(BM_FindNothing)->Arg(0)->Arg(1)->ArgName("matchCase")->Unit(benchmark::kMillisecond);

// The blocks a save writes, after an edit in the middle, each copied as a
// write would copy it (the disk left out).
void BM_SaveBlocks(benchmark::State& state) {
  auto document = openSjis();
  document->replace(document->size() / 2, 10, "edited");
  std::string buffer(std::size_t(1) << 20, '\0');
  for (auto _ : state) {
    document->writeTo([&buffer](std::string_view block) {
      std::memcpy(buffer.data(), block.data(), block.size());
      benchmark::ClobberMemory();
      return 0;
    });
  }
  state.SetBytesProcessed(qint64(state.iterations()) * document->size());
}
BENCHMARK(BM_SaveBlocks)->Unit(benchmark::kMillisecond);

// A key in the view on one line of 10 MB (at its start, middle or end, and
// at the end of the same line when no break ends the file) and the repaint
// of the screen that follows.
void BM_ViewKeyOnLongLine(benchmark::State& state) {
  static const char* const kPlaces[] = {"start", "middle", "end", "end, no final break"};
  std::string line;
  while (line.size() < 10'000'000) line += "漢字 abc 0123 ";
  LargeTextView view;
  view.resize(800, 600);
  view.setDocument(LargeDocument::holding(state.range(0) == 3 ? line : line + "\n", TextEncoding::Utf8));
  view.show();
  const qint64 size = qint64(line.size());
  view.setCaret(state.range(0) == 0 ? 0 : state.range(0) == 1 ? size / 2 : size);
  for (auto _ : state) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(&view, &press);
    benchmark::DoNotOptimize(view.viewport()->grab());
  }
  state.SetLabel(kPlaces[state.range(0)]);
}
BENCHMARK(BM_ViewKeyOnLongLine)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// A key in the view, and the repaint that follows it, on a file of 20 MB in
// lines of 200 kB: at the start of a line in the middle of the file, in the
// middle of that line, at the end of the file. The yardstick: the same text
// in lines of 80 bytes, a key at the start of a line in the middle.
void BM_ViewKeyOn200kLines(benchmark::State& state) {
  static const char* const kPlaces[] = {"80-byte lines, line start", "200 kB lines, line start",
                                        "200 kB lines, line middle", "200 kB lines, file end"};
  const std::size_t lineBytes = state.range(0) == 0 ? 80 : 200'000;
  std::string bytes;
  std::string line;
  while (line.size() < lineBytes) line += "漢字 abc 0123 ";
  line.resize(lineBytes - 1);
  while (line.back() & 0x80) line.pop_back();  // no character cut at the end
  while (bytes.size() < std::size_t(20'000'000)) bytes += line + '\n';
  LargeTextView view;
  view.resize(800, 600);
  view.setDocument(LargeDocument::holding(bytes, TextEncoding::Utf8));
  view.show();
  const qint64 middle = view.document()->lines().lineStart(qint64(bytes.size() / line.size() / 2));
  const qint64 places[] = {middle, middle, middle + qint64(line.size() / 2), qint64(bytes.size())};
  view.setCaret(places[state.range(0)]);
  for (auto _ : state) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(&view, &press);
    benchmark::DoNotOptimize(view.viewport()->grab());
  }
  state.SetLabel(kPlaces[state.range(0)]);
}
BENCHMARK(BM_ViewKeyOn200kLines)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// A key in the view on a screen full of Japanese lines in the middle of the
// 64 MiB document, and the repaint of the screen.
void BM_ViewKeyOnScreenOfLines(benchmark::State& state) {
  LargeTextView view;
  view.resize(800, 600);
  view.setDocument(openSjis());
  view.show();
  view.goToLine(view.document()->lines().lineCount() / 2);
  for (auto _ : state) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(&view, &press);
    benchmark::DoNotOptimize(view.viewport()->grab());
  }
}
BENCHMARK(BM_ViewKeyOnScreenOfLines)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return wrenpad::bench::RunWidgetBenchmarks(argc, argv); }
