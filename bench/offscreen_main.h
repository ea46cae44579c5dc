// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main of a benchmark that drives widgets: Qt on its offscreen platform,
// our font substitutions, then the benchmarks named on the command line.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "platform/font_substitution.h"

namespace wrenpad::bench {

inline int RunWidgetBenchmarks(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  installFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}

}  // namespace wrenpad::bench
