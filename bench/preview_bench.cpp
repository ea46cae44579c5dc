// SPDX-License-Identifier: GPL-3.0-or-later
// How soon the preview window shows a local page: from asking the window to
// show the page (what Display as a Web Page does once the page is written)
// to the web view's loadFinished and the next paint of the view after it.
//   ColdPreview  the first page of the process: the web engine starts too
//                (this is the user's first F9); one iteration
//   WarmPreview  later pages in the same window (F9 again refreshes)
//
//   preview_bench [benchmark flags]     (runs on the offscreen platform
//   unless QT_QPA_PLATFORM says otherwise; under Xvfb set it to xcb)
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>

#include "page/preview/browser_window.h"
#include "web_view_timing.h"

namespace {

using namespace wrenpad;

QString WritePage() {
  const QString path = QDir::temp().filePath(QStringLiteral("wrenpad-preview-bench.htm"));
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    QByteArray page = "<html><head><title>bench</title><style>body{background:#ffffbd}</style></head><body>";
    for (int i = 0; i < 200; ++i) page += "<p align=\"center\"><b>Record</b> <i>text</i> 日本語の段落</p>\n";
    file.write(page + "</body></html>");
  }
  return path;
}

TBrowser* browser = nullptr;

void Report(benchmark::State& state, const bench::ViewTiming& timing) {
  state.SetIterationTime(std::max(timing.paintedMs, timing.loadedMs) / 1e3);
  state.counters["loaded_ms"] = timing.loadedMs;
  state.counters["painted_ms"] = timing.paintedMs;
}

void ColdPreview(benchmark::State& state) {
  const QString path = WritePage();
  for (auto _ : state) Report(state, bench::untilPainted(browser->view(), [&] { browser->showAddress(path); }));
}

void WarmPreview(benchmark::State& state) {
  const QString path = WritePage();
  for (auto _ : state) Report(state, bench::untilPainted(browser->view(), [&] { browser->showAddress(path); }));
}

}  // namespace

BENCHMARK(ColdPreview)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(WarmPreview)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TBrowser::PrepareWebEngine();
  QApplication app(argc, argv);
  TBrowser shown;
  browser = &shown;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  QFile::remove(QDir::temp().filePath(QStringLiteral("wrenpad-preview-bench.htm")));
  return 0;
}
