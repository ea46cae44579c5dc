// SPDX-License-Identifier: GPL-3.0-or-later
// The tag painter's span computation alone, on generated pages of 256 KiB,
// 1 MiB and 4 MiB with about 20,000 tags, 10,000 quoted values and 500
// comments per MiB, plus a script block whose body holds "<".
#include <benchmark/benchmark.h>

#include <QString>
#include <array>

#include "colouring/tag_spans.h"

namespace {

using wrenpad::PaintTagsInRange;
using wrenpad::TagPaint;

// About 105 characters a paragraph: 2 tags and one quoted value each, and a
// comment every 20th paragraph.
QString GeneratedPage(int kibibytes) {
  const qsizetype size = qsizetype{kibibytes} * 1024;
  QString page = QStringLiteral(
      "<html>\r\n<head>\r\n<script language=\"JavaScript\"><!--\r\n"
      "function less(a, b) { return a<b; }\r\n// --></script>\r\n</head>\r\n<body>\r\n");
  page.reserve(size + 256);
  const QString words = QStringLiteral("夏の献立は冷やし中華 and cold noodles, with a glass of "
                                       "barley tea; 麦茶を添えて。 Fresh from the garden today. ");
  for (int n = 0; page.size() < size; ++n) {
    if (n % 20 == 0) page += QStringLiteral("<!-- section %1 -->\r\n").arg(n / 20);
    page += QStringLiteral("<p class=\"c%1\">").arg(n % 100);
    page += words.left(80 + n % 9);
    page += QStringLiteral("</p>\r\n");
  }
  page += QStringLiteral("</body>\r\n</html>\r\n");
  return page;
}

void WholePage(benchmark::State& state) {
  const QString page = GeneratedPage(static_cast<int>(state.range(0)));
  const int length = static_cast<int>(page.size());
  std::array<int, 5> kinds{};
  for (auto _ : state) {
    const TagPaint paint = PaintTagsInRange(page, 0, length, {0, 97});
    benchmark::DoNotOptimize(paint.spans.data());
    state.PauseTiming();
    kinds.fill(0);
    for (const wrenpad::ColourSpan& span : paint.spans) ++kinds[static_cast<int>(span.kind)];
    state.ResumeTiming();
  }
  state.counters["tags"] = kinds[static_cast<int>(wrenpad::SpanKind::Tag)];
  state.counters["values"] = kinds[static_cast<int>(wrenpad::SpanKind::QuotedValue)];
  state.counters["comments"] = kinds[static_cast<int>(wrenpad::SpanKind::Comment)];
  state.SetComplexityN(length);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * length * 2);
}
BENCHMARK(WholePage)->Arg(256)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// A command's repaint of 400 characters in the middle of the page that hold
// a comment: from there the comment search runs on to the end of the page.
void MiddleRange(benchmark::State& state) {
  const QString page = GeneratedPage(static_cast<int>(state.range(0)));
  const int middle = static_cast<int>(page.indexOf(QStringLiteral("<!--"), page.size() / 2)) - 100;
  for (auto _ : state) {
    const TagPaint paint = PaintTagsInRange(page, middle, middle + 400, {0, 100});
    benchmark::DoNotOptimize(paint.spans.data());
  }
  state.SetComplexityN(page.size());
}
BENCHMARK(MiddleRange)->Arg(256)->Arg(1024)->Arg(4096)->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
