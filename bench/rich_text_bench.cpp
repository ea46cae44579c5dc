// SPDX-License-Identifier: GPL-3.0-or-later
// Rich text as RTF, the form of a page's undo snapshots:
//   WriteRtfPage / ReadRtfPage  a page of about 1 MiB in 40,000 runs of
//                               changing font, size, colour and weight
//   ReadRtfDeepNesting          100,000 groups opened (and closed, or left
//                               open): skipped, not followed, so the cost
//                               stays linear
//
//   rich_text_bench [benchmark flags]
#include <benchmark/benchmark.h>

#include "text/rich_text.h"

namespace {

using namespace wrenpad;

RichDocument LargePage() {
  RichDocument page;
  for (int line = 0; line < 4000; ++line) {
    RichParagraph& paragraph = page.paragraphs.emplace_back();
    for (int run = 0; run < 10; ++run) {
      paragraph.runs.push_back(RichRun{QStringLiteral(u"<td class=\"x\">色 %1</td>").arg(line * 10 + run),
                                       run % 3 ? QStringLiteral("Arial") : QString(), 10 + run % 4,
                                       RgbColour{run * 20, line % 256, 0}, run % 2 == 0, false, false});
    }
  }
  return page;
}

void WriteRtfPage(benchmark::State& state) {
  const RichDocument page = LargePage();
  qsizetype bytes = 0;
  for (auto _ : state) bytes = WriteRtf(page).size();
  state.counters["bytes"] = double(bytes);
}

void ReadRtfPage(benchmark::State& state) {
  const QByteArray rtf = WriteRtf(LargePage());
  for (auto _ : state) benchmark::DoNotOptimize(ReadRtf(rtf));
}

void ReadRtfDeepNesting(benchmark::State& state, bool closed) {
  QByteArray rtf = "{\\rtf1 a" + QByteArray(100000, '{');
  if (closed) rtf += "hidden" + QByteArray(100000, '}') + "b}";
  for (auto _ : state) benchmark::DoNotOptimize(ReadRtf(rtf));
}

}  // namespace

BENCHMARK(WriteRtfPage)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadRtfPage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadRtfDeepNesting, Closed, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadRtfDeepNesting, LeftOpen, false)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
