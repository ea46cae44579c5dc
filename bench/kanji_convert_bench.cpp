// SPDX-License-Identifier: GPL-3.0-or-later
// Kanji detection and conversion on generated Japanese text (64 MiB by
// default). Two inputs, each the same text in Shift-JIS, EUC-JP and JIS:
//   kana   (the default) kanji of level 1, hiragana, katakana, half-width
//          katakana, a few punctuation marks and ASCII words, lines ending in
//          CR LF;
//   mixed  prose with kanji of level 2 as well as level 1, the symbols of row
//          1 (and ※ 〒 and the like from row 2), full-width Latin letters and
//          digits, half-width katakana with voiced marks, bracketed phrases,
//          ASCII words and postal codes, lines ending in LF, blank lines
//          between paragraphs.
//
//   kanji_convert_bench [--input=kana|mixed] [--input_mib=N] [benchmark flags]
//       keeps freed memory in the process, so that repeated conversions reuse
//       pages already mapped instead of faulting in fresh ones every time
//   kanji_convert_bench [--input=kana|mixed] [--input_mib=N] --write_inputs=DIR
//       writes sjis.txt, euc.txt and jis.txt (the same text in the three codes)
//   kanji_convert_bench --convert=euc-sjis|jis-sjis|sjis-euc IN OUT
//       converts a file, for timing against other tools with the same file I/O
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "kanji/kanji.h"

namespace {

std::size_t g_inputBytes = std::size_t{64} << 20;
bool g_mixedInput = false;

class Random {
 public:
  explicit Random(std::uint32_t seed = 2463534242u) : state_(seed) {}
  std::uint32_t Next() {  // xorshift32: fast, fixed sequence for a fixed seed
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  unsigned Below(unsigned n) { return Next() % n; }

 private:
  std::uint32_t state_;
};

// The same text written in Shift-JIS, EUC-JP and JIS. JIS has no half-width
// katakana, so there they are written as full-width katakana: in the kana
// input always as ア or ゛, in the mixed input as the full-width form of each
// (HalfWidthRun). The JIS-to-Shift-JIS comparison therefore takes another
// tool's output as its reference rather than the Shift-JIS text.
struct Texts {
  std::string sjis, euc, jis;
  bool jisDouble = false;

  void Ascii(char c) {
    if (jisDouble) jis += "\x1B(B";
    jisDouble = false;
    sjis += c;
    euc += c;
    jis += c;
  }
  void Jis0208(unsigned row, unsigned cell) {
    const kanji::BytePair s = kanji::JisToSjisPair(static_cast<unsigned char>(row), static_cast<unsigned char>(cell));
    sjis += static_cast<char>(s.first);
    sjis += static_cast<char>(s.second);
    euc += static_cast<char>(row | 0x80);
    euc += static_cast<char>(cell | 0x80);
    JisPair(row, cell);
  }
  void HalfWidth(unsigned kana, unsigned fullCell) {
    sjis += static_cast<char>(kana);
    euc += '\x8E';
    euc += static_cast<char>(kana);
    JisPair(0x25, fullCell);
  }
  // A run of half-width katakana bytes (A1..DF): in JIS each becomes its
  // full-width form, a voiced or semi-voiced mark merging into the kana
  // before it where the combined form exists.
  void HalfWidthRun(const std::string& kana) {
    for (std::size_t i = 0; i < kana.size(); ++i) {
      const auto byte = static_cast<unsigned char>(kana[i]);
      sjis += kana[i];
      euc += '\x8E';
      euc += kana[i];
      const unsigned char next = i + 1 < kana.size() ? static_cast<unsigned char>(kana[i + 1]) : 0;
      const kanji::FullWidthKana full = kanji::HalfToFullKana(byte, next);
      JisPair(full.jis.first, full.jis.second);
      if (full.markUsed) {
        ++i;
        sjis += kana[i];
        euc += '\x8E';
        euc += kana[i];
      }
    }
  }
  void Word(const char* word) {
    for (; *word; ++word) Ascii(*word);
  }
  std::size_t Size() const { return sjis.size(); }
  void JisPair(unsigned row, unsigned cell) {
    if (!jisDouble) jis += "\x1B$B";
    jisDouble = true;
    jis += static_cast<char>(row);
    jis += static_cast<char>(cell);
  }
};

Texts MakeTexts(std::size_t bytes) {
  static const char* const kWords[] = {"Qt", "C++", "HTML", "UTF-8", "2024", "file", "OK", "editor", "(x)", "12:30"};
  static const unsigned kPunctuation[] = {0x22, 0x23, 0x56, 0x57, 0x3C};  // 、。「」ー
  Random random;
  Texts t;
  t.sjis.reserve(bytes + 256);
  t.euc.reserve(bytes + bytes / 8);
  t.jis.reserve(bytes + bytes / 4);
  while (t.sjis.size() < bytes) {
    const unsigned segments = 3 + random.Below(10);
    for (unsigned s = 0; s < segments; ++s) {
      const unsigned kind = random.Below(100);
      const unsigned length = 1 + random.Below(kind < 70 ? 5 : 3);
      for (unsigned k = 0; k < length; ++k) {
        if (kind < 35) {  // kanji of level 1: rows 30..4F
          const unsigned row = 0x30 + random.Below(0x20);
          t.Jis0208(row, 0x21 + random.Below(row == 0x4F ? 0x33 : 0x5E));
        } else if (kind < 70) {
          t.Jis0208(0x24, 0x21 + random.Below(0x53));  // hiragana
        } else if (kind < 78) {
          t.Jis0208(0x25, 0x21 + random.Below(0x56));  // katakana
        } else if (kind < 84) {
          t.HalfWidth(0xB1 + random.Below(0x2D), 0x22);  // half-width ｱ..ﾝ
          if (random.Below(4) == 0) t.HalfWidth(0xDE, 0x2B);
        } else if (kind < 88) {
          t.Jis0208(0x21, kPunctuation[random.Below(5)]);
        } else {
          for (const char* w = kWords[random.Below(10)]; *w; ++w) t.Ascii(*w);
          t.Ascii(' ');
        }
      }
    }
    t.Ascii('\r');
    t.Ascii('\n');
  }
  return t;
}

// Prose for the mixed input. Every line is a paragraph of one to four
// sentences; a sentence is clauses joined by 、 or ， and closed by 。 ．
// ！ or ？. Kanji are drawn from level 2 (rows 50..74 hex) more often than from
// level 1, so that the lead bytes E0..EA of Shift-JIS and D0..F4 of EUC-JP,
// which the kana input hardly has, are common.
class MixedProse {
 public:
  explicit MixedProse(Texts& t) : t_(t) {}

  void Paragraph() {
    if (random_.Below(3) == 0) t_.Jis0208(0x21, 0x21);  // full-width space
    const unsigned sentences = 1 + random_.Below(4);
    for (unsigned s = 0; s < sentences; ++s) Sentence();
    t_.Ascii('\n');
    if (random_.Below(6) == 0) t_.Ascii('\n');
  }

 private:
  void Sentence() {
    const unsigned clauses = 1 + random_.Below(3);
    for (unsigned c = 0; c < clauses; ++c) {
      if (c > 0) t_.Jis0208(0x21, random_.Below(5) == 0 ? 0x24 : 0x22);  // ， or 、
      Clause();
    }
    static const unsigned kEnds[] = {0x23, 0x23, 0x23, 0x23, 0x25, 0x2A, 0x29};  // 。。。。．！？
    t_.Jis0208(0x21, kEnds[random_.Below(7)]);
    if (random_.Below(5) == 0) t_.Ascii(' ');
  }

  void Clause() {
    const unsigned pieces = 2 + random_.Below(5);
    for (unsigned p = 0; p < pieces; ++p) Piece(true);
  }

  void Piece(bool mayBracket) {
    const unsigned kind = random_.Below(100);
    if (kind < 30) Kanji(1 + random_.Below(4));
    else if (kind < 55) Hiragana(1 + random_.Below(4));
    else if (kind < 62) Katakana();
    else if (kind < 70) HalfWidthKatakana();
    else if (kind < 77) FullWidthAlnum();
    else if (kind < 86) AsciiWord();
    else if (kind < 93) Symbol();
    else if (mayBracket) Bracketed();
    else Kanji(2);
  }

  void Kanji(unsigned count) {
    for (unsigned k = 0; k < count; ++k) {
      if (random_.Below(10) < 6) {  // level 2: rows 50..73 full, row 74 has six
        const unsigned row = 0x50 + random_.Below(0x25);
        t_.Jis0208(row, 0x21 + random_.Below(row == 0x74 ? 6 : 0x5E));
      } else {  // level 1: rows 30..4F, row 4F up to cell 53
        const unsigned row = 0x30 + random_.Below(0x20);
        t_.Jis0208(row, 0x21 + random_.Below(row == 0x4F ? 0x33 : 0x5E));
      }
    }
  }

  void Hiragana(unsigned count) {
    for (unsigned k = 0; k < count; ++k) t_.Jis0208(0x24, 0x21 + random_.Below(0x53));  // ぁ..ん
  }

  // One or two katakana words joined by ・, some with the long mark ー.
  void Katakana() {
    const unsigned words = random_.Below(4) == 0 ? 2 : 1;
    for (unsigned w = 0; w < words; ++w) {
      if (w > 0) t_.Jis0208(0x21, 0x26);  // ・
      const unsigned length = 2 + random_.Below(4);
      for (unsigned k = 0; k < length; ++k) {
        t_.Jis0208(0x25, 0x21 + random_.Below(0x56));  // ァ..ヶ
        if (random_.Below(5) == 0) t_.Jis0208(0x21, 0x3C);  // ー
      }
    }
  }

  // A half-width katakana word: ｦ..ﾝ, voiced marks after the kana that take
  // them, ﾟ after ﾊ..ﾎ, ｰ now and then, and sometimes half-width ｢ ｣ ､ ｡ ･.
  void HalfWidthKatakana() {
    std::string word;
    const bool quoted = random_.Below(6) == 0;
    if (quoted) word += '\xA2';  // ｢
    const unsigned length = 2 + random_.Below(5);
    for (unsigned k = 0; k < length; ++k) {
      const auto kana = static_cast<unsigned char>(0xA6 + random_.Below(0x38));  // ｦ..ﾝ
      word += static_cast<char>(kana);
      const bool voiceable = kana == 0xB3 || (kana >= 0xB6 && kana <= 0xC4) || (kana >= 0xCA && kana <= 0xCE);
      if (voiceable && random_.Below(3) == 0) {
        word += kana >= 0xCA && random_.Below(2) == 0 ? '\xDF' : '\xDE';
      } else if (random_.Below(8) == 0) {
        word += '\xB0';  // ｰ
      }
    }
    if (quoted) word += '\xA3';  // ｣
    if (random_.Below(8) == 0) word += random_.Below(2) ? '\xA4' : '\xA5';  // ､ or ･
    t_.HalfWidthRun(word);
  }

  // ＡＢＣ, ｘｙｚ, １２３ or a letter followed by digits.
  void FullWidthAlnum() {
    const unsigned length = 1 + random_.Below(6);
    const unsigned style = random_.Below(4);
    for (unsigned k = 0; k < length; ++k) {
      const bool digit = style == 2 || (style == 3 && k > 0);
      if (digit) t_.Jis0208(0x23, 0x30 + random_.Below(10));
      else if (style == 1) t_.Jis0208(0x23, 0x61 + random_.Below(26));
      else t_.Jis0208(0x23, 0x41 + random_.Below(26));
    }
  }

  // Words as they turn up in Japanese technical prose. No backslash or
  // tilde: Shift-JIS tools disagree on whether those bytes are yen and
  // overline.
  void AsciiWord() {
    static const char* const kWords[] = {
        "Wrenpad", "UTF-8", "v2.1", "x86_64", "README", "OK", "Ctrl+S", "42", "3.14", "tab",
        "diff", "[draft]", "e-mail", "#7", "50%", "a/b", "TODO:", "make", "CSV", "PDF",
        "2025-03-01", "10:45", "(sic)", "A4", "USB", "Wi-Fi", "page 12", "id=\"x\"", "&", "@home"};
    const bool spaced = random_.Below(2) == 0;
    if (spaced) t_.Ascii(' ');
    t_.Word(kWords[random_.Below(30)]);
    if (spaced) t_.Ascii(' ');
  }

  // Any of the 94 symbols of row 1, or one of ◆□■△▲▽▼※〒→←↑↓〓 from row 2;
  // 〒 is followed by a postal code in ASCII digits.
  void Symbol() {
    if (random_.Below(3) == 0) {
      const unsigned cell = 0x21 + random_.Below(14);
      t_.Jis0208(0x22, cell);
      if (cell == 0x29) {
        char code[9];
        std::snprintf(code, sizeof code, "%03u-%04u", random_.Below(1000), random_.Below(10000));
        t_.Word(code);
      }
    } else {
      t_.Jis0208(0x21, 0x21 + random_.Below(0x5E));
    }
  }

  // 「…」 『…』 【…】 （…） 〔…〕 around one to three pieces.
  void Bracketed() {
    static const unsigned kOpen[] = {0x56, 0x56, 0x58, 0x5A, 0x4A, 0x4C};
    const unsigned which = random_.Below(6);
    t_.Jis0208(0x21, kOpen[which]);
    const unsigned pieces = 1 + random_.Below(3);
    for (unsigned p = 0; p < pieces; ++p) Piece(false);
    t_.Jis0208(0x21, kOpen[which] + 1);
  }

  Texts& t_;
  Random random_{0x5EED1234u};
};

Texts MakeMixedTexts(std::size_t bytes) {
  Texts t;
  t.sjis.reserve(bytes + 1024);
  t.euc.reserve(bytes + bytes / 4);
  t.jis.reserve(bytes + bytes / 2);
  MixedProse prose(t);
  while (t.Size() < bytes) prose.Paragraph();
  return t;
}

const Texts& Inputs() {
  static const Texts texts = g_mixedInput ? MakeMixedTexts(g_inputBytes) : MakeTexts(g_inputBytes);
  return texts;
}

// Texts that the detector has to read to the end: ASCII (kcNone), and EUC-JP
// hiragana that fit Shift-JIS half-width kana as well (kcEucOrSjis).
const std::string& AsciiText() {
  static const std::string text = [] {
    std::string s;
    while (s.size() < g_inputBytes) s += "The quick brown fox jumps over the lazy dog, 0123456789.\r\n";
    return s;
  }();
  return text;
}

const std::string& AmbiguousText() {
  static const std::string text = [] {
    Random random;
    std::string s;
    while (s.size() < g_inputBytes) {
      for (int k = 0; k < 30; ++k) {
        s += '\xA4';
        s += static_cast<char>(0xA1 + random.Below(0x3F));
      }
      s += "\r\n";
    }
    return s;
  }();
  return text;
}

const std::string& LfText() {
  static const std::string text = kanji::ConvertLineEnds(Inputs().sjis, kanji::leLf);
  return text;
}

void Detect(benchmark::State& state, const std::string& text, kanji::KanjiCode expected) {
  for (auto _ : state) {
    const kanji::KanjiCode code = kanji::DetectKanjiCode(text);
    if (code != expected) state.SkipWithError("unexpected kanji code");
    benchmark::DoNotOptimize(code);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

template <typename Convert>
void Run(benchmark::State& state, const std::string& text, Convert convert) {
  for (auto _ : state) {
    std::string out = convert(text);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_DetectSjis(benchmark::State& s) { Detect(s, Inputs().sjis, kanji::kcSjis); }
void BM_DetectEuc(benchmark::State& s) { Detect(s, Inputs().euc, kanji::kcEuc); }
void BM_DetectJis(benchmark::State& s) { Detect(s, Inputs().jis, kanji::kcNewJis); }
void BM_DetectAsciiWholeText(benchmark::State& s) { Detect(s, AsciiText(), kanji::kcNone); }
void BM_DetectEucOrSjisWholeText(benchmark::State& s) { Detect(s, AmbiguousText(), kanji::kcEucOrSjis); }

void BM_ConvertKanjiEucToSjis(benchmark::State& s) {
  Run(s, Inputs().euc, [](const std::string& t) { return kanji::ConvertKanji(t, kanji::kcSjis); });
}
void BM_ConvertKanjiJisToSjis(benchmark::State& s) {
  Run(s, Inputs().jis, [](const std::string& t) { return kanji::ConvertKanji(t, kanji::kcSjis); });
}
void BM_SjisToEuc(benchmark::State& s) { Run(s, Inputs().sjis, [](const std::string& t) { return kanji::SjisToEuc(t); }); }
void BM_SjisToJis(benchmark::State& s) { Run(s, Inputs().sjis, [](const std::string& t) { return kanji::SjisToJis(t); }); }
void BM_JisToEuc(benchmark::State& s) { Run(s, Inputs().jis, [](const std::string& t) { return kanji::JisToEuc(t); }); }
void BM_ConvertLineEndsLfToCrLf(benchmark::State& s) {
  Run(s, LfText(), [](const std::string& t) { return kanji::ConvertLineEnds(t, kanji::leCrLf); });
}
void BM_LooksLikeUtf8TextAscii(benchmark::State& s) {
  const std::string& text = AsciiText();
  for (auto _ : s) benchmark::DoNotOptimize(kanji::LooksLikeUtf8Text(text));
  s.SetBytesProcessed(static_cast<std::int64_t>(s.iterations() * text.size()));
}

// Detection of real text stops at the first decisive byte: nanoseconds.
BENCHMARK(BM_DetectSjis);
BENCHMARK(BM_DetectEuc);
BENCHMARK(BM_DetectJis);
#define KANJI_BENCH(name) BENCHMARK(name)->Unit(benchmark::kMillisecond)
KANJI_BENCH(BM_DetectAsciiWholeText);
KANJI_BENCH(BM_DetectEucOrSjisWholeText);
KANJI_BENCH(BM_ConvertKanjiEucToSjis);
KANJI_BENCH(BM_ConvertKanjiJisToSjis);
KANJI_BENCH(BM_SjisToEuc);
KANJI_BENCH(BM_SjisToJis);
KANJI_BENCH(BM_JisToEuc);
KANJI_BENCH(BM_ConvertLineEndsLfToCrLf);
KANJI_BENCH(BM_LooksLikeUtf8TextAscii);

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

// Maps the input file rather than reading it into a fresh buffer, as iconv
// does, so that the timing compares the conversions and not the ways of
// reading a file.
int ConvertFile(const std::string& direction, const std::string& in, const std::string& out) {
  const int fd = open(in.c_str(), O_RDONLY);
  struct stat info {};
  if (fd < 0 || fstat(fd, &info) != 0) return std::perror(in.c_str()), 1;
  const auto size = static_cast<std::size_t>(info.st_size);
  void* mapped = size ? mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0) : nullptr;
  if (mapped == MAP_FAILED) return std::perror(in.c_str()), 1;
  const std::string_view text(static_cast<const char*>(mapped), size);
  std::string result;
  if (direction == "euc-sjis" || direction == "jis-sjis") result = kanji::ConvertKanji(text, kanji::kcSjis);
  else if (direction == "sjis-euc") result = kanji::SjisToEuc(text);
  else return std::fprintf(stderr, "unknown direction %s\n", direction.c_str()), 2;
  return WriteFile(out, result) ? 0 : 1;
}

bool TakeFlag(const char* arg, const char* name, std::string& value) {
  const std::size_t length = std::strlen(name);
  if (std::strncmp(arg, name, length) != 0 || arg[length] != '=') return false;
  value = arg + length + 1;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string writeDir, mib, direction, input;
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (TakeFlag(argv[i], "--input_mib", mib)) g_inputBytes = std::stoul(mib) << 20;
    else if (TakeFlag(argv[i], "--write_inputs", writeDir)) continue;
    else if (TakeFlag(argv[i], "--convert", direction)) continue;
    else if (TakeFlag(argv[i], "--input", input)) {
      if (input != "kana" && input != "mixed") return std::fprintf(stderr, "--input is kana or mixed\n"), 2;
      g_mixedInput = input == "mixed";
    }
    else rest.push_back(argv[i]);
  }
  if (!direction.empty()) {
    if (rest.size() != 3) return std::fprintf(stderr, "--convert needs IN and OUT\n"), 2;
    return ConvertFile(direction, rest[1], rest[2]);
  }
  if (!writeDir.empty()) {
    const Texts& t = Inputs();
    const bool ok = WriteFile(writeDir + "/sjis.txt", t.sjis) && WriteFile(writeDir + "/euc.txt", t.euc) &&
                    WriteFile(writeDir + "/jis.txt", t.jis);
    return ok ? 0 : 1;
  }
  int count = static_cast<int>(rest.size());
  benchmark::Initialize(&count, rest.data());
  if (benchmark::ReportUnrecognizedArguments(count, rest.data())) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
