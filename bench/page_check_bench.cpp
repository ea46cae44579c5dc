// SPDX-License-Identifier: GPL-3.0-or-later
// Check Page on a page of 1 Mi characters (Japanese and English prose, with
// a beginner's slips every few lines: crossed tags, a picture without alt,
// an unquoted value, a stray "&", an unknown element):
//   CheckInProcess  libtidy in this process, the findings turned into the
//                   pane's lines (all the command does but show them)
//   TidyProgram     the yardstick: the tidy program (tidy -q -e) on the same
//                   page written as UTF-8, every error listed as in process,
//                   started and waited for
//
//   page_check_bench [benchmark flags]
#include "offscreen_main.h"

#include "page_check/finding_text.h"
#include "page_check/page_check.h"

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace {

using namespace wrenpad;

QString GeneratedPage() {
  constexpr qsizetype kSize = 1024 * 1024;
  QString page = QStringLiteral("<!DOCTYPE html>\n<html lang=\"ja\">\n<head><meta charset=\"utf-8\">"
                                "<title>港の記録</title></head>\n<body>\n");
  page.reserve(kSize + 256);
  for (int n = 0; page.size() < kSize; ++n) {
    page += QStringLiteral("<h2 id=\"r%1\">記録 %1</h2>\n<p class=\"note\">港の朝、<b>nets drying</b> and "
                           "<i>buyers</i> on the quay.\t網を干す。</p>\n")
                .arg(n);
    if (n % 4 == 0)
      page += QStringLiteral("<p align=center>朝市 <b>fish <i>and</b> rice</i> & tea</p>\n"
                             "<img src=\"p%1.png\" width=\"40\">\n<blinker>x</blinker>\n")
                  .arg(n);
  }
  return page + QStringLiteral("</body>\n</html>\n");
}

void CheckInProcess(benchmark::State& state) {
  const QString page = GeneratedPage();
  size_t findings = 0;
  for (auto _ : state) {
    QStringList lines;
    for (const PageFinding& finding : CheckPage(page)) lines << FindingLine(finding);
    findings = size_t(lines.size());
    benchmark::DoNotOptimize(lines);
  }
  state.counters["findings"] = double(findings);
}

void TidyProgram(benchmark::State& state) {
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("page.html"));
  QFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return state.SkipWithError("cannot write the page");
  out.write(GeneratedPage().toUtf8());
  out.close();
  qsizetype printed = 0;
  for (auto _ : state) {
    QProcess tidy;
    tidy.start(QStringLiteral("/usr/bin/tidy"), {"-q", "-e", "-utf8", "--show-errors", "1000000", file});
    if (!tidy.waitForFinished(120000)) return state.SkipWithError("tidy did not finish");
    printed = tidy.readAllStandardError().count('\n');
  }
  state.counters["lines"] = double(printed);
}

}  // namespace

BENCHMARK(CheckInProcess)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(TidyProgram)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) { return wrenpad::bench::RunWidgetBenchmarks(argc, argv); }
