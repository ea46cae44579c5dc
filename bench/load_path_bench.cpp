// SPDX-License-Identifier: GPL-3.0-or-later
// The whole load path of a document: the file's bytes to the editor's text
// (detection, conversion to Shift-JIS, line ends, code page 932 decoding),
// on a generated Japanese text of 64 MiB in Shift-JIS and in EUC-JP.
//
//   load_path_bench [--input_mib=N] [benchmark flags]
#include "kanji/kanji.h"
#include "encoding/document_codec.h"

#include <QByteArray>
#include <benchmark/benchmark.h>
#include <cstring>
#include <string>

namespace {

std::size_t g_inputBytes = std::size_t{64} << 20;

// Kanji, hiragana, katakana, half-width katakana and ASCII words, lines
// ending in CR LF; deterministic.
std::string generatedShiftJis(std::size_t size) {
  std::string text;
  text.reserve(size + 64);
  std::uint32_t state = 2463534242u;
  const auto next = [&state] {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  };
  const auto pair = [&text](unsigned row, unsigned cell) {
    const kanji::BytePair p = kanji::JisToSjisPair(static_cast<unsigned char>(row),
                                                   static_cast<unsigned char>(cell));
    text += static_cast<char>(p.first);
    text += static_cast<char>(p.second);
  };
  while (text.size() < size) {
    switch (next() % 8) {
      case 0: case 1: pair(0x30 + next() % 0x20, 0x21 + next() % 0x5E); break;  // kanji
      case 2: pair(0x24, 0x21 + next() % 0x53); break;                         // hiragana
      case 3: pair(0x25, 0x21 + next() % 0x56); break;                         // katakana
      case 4: text += static_cast<char>(0xA6 + next() % 0x38); break;          // half-width
      case 5: text += "word "; break;
      case 6: text += static_cast<char>('a' + next() % 26); break;
      default: if (next() % 4 == 0) text += "\r\n"; break;
    }
  }
  return text;
}

const QByteArray& sjisInput() {
  static const QByteArray bytes = [] {
    const std::string s = generatedShiftJis(g_inputBytes);
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
  }();
  return bytes;
}

const QByteArray& eucInput() {
  static const QByteArray bytes = [] {
    const std::string e = kanji::SjisToEuc(std::string_view(sjisInput().constData(),
                                                             std::size_t(sjisInput().size())));
    return QByteArray(e.data(), static_cast<qsizetype>(e.size()));
  }();
  return bytes;
}

void loadPath(benchmark::State& state, const QByteArray& input) {
  for (auto _ : state) {
    wrenpad::LoadedText loaded = wrenpad::decodeDocument(input);
    benchmark::DoNotOptimize(loaded.text.constData());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * input.size());
}

void BM_LoadShiftJis(benchmark::State& state) { loadPath(state, sjisInput()); }
void BM_LoadEucJp(benchmark::State& state) { loadPath(state, eucInput()); }
BENCHMARK(BM_LoadShiftJis)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadEucJp)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--input_mib=", 12) == 0)
      g_inputBytes = std::size_t(std::atol(argv[i] + 12)) << 20;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
