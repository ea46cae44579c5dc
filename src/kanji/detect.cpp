// SPDX-License-Identifier: GPL-3.0-or-later
// Kanji code detection and the convert-to-target dispatcher.
#include <algorithm>

#include "kanji/bytes.h"
#include "kanji/kanji.h"

namespace kanji {
namespace {

using detail::kEsc;

constexpr unsigned kSingleShift3 = 0x8F;  // EUC-JP: a JIS X 0212 kanji follows

bool InRange(unsigned c, unsigned low, unsigned high) { return c - low <= high - low; }

// A byte that changes nothing when met as a first byte: 08..7F but ESC.
bool IsPlainAscii(unsigned c) { return c >= 0x08 && c < 0x80 && c != kEsc; }

bool IsPlainAsciiWord(std::uint64_t word) {
  return detail::AllAscii(word) && !detail::HasByteBelow(word, 0x08) &&
         !detail::HasByteEqual(word, kEsc);
}

// The detector proper. `i` is the index of the byte under examination; `at`
// gives 0 for an index past the end, so the scanning rules can look ahead
// without bounds checks of their own. The last byte is never taken as a first
// byte: a lead byte there has nothing to be judged by.
class Detector {
 public:
  explicit Detector(std::string_view text) : s_(detail::Bytes(text)), n_(text.size()) {}

  KanjiCode Run() {
    if (HasBinaryStart()) return kcBinary;
    while ((code_ == kcNone || code_ == kcEucOrSjis) && i_ + 1 < n_) {
      const unsigned c = s_[i_];
      if (IsPlainAscii(c)) {
        SkipPlainAscii();
        continue;
      }
      Examine(c);
      ++i_;
    }
    return code_;
  }

 private:
  unsigned At(std::size_t i) const { return i < n_ ? s_[i] : 0; }
  unsigned Next() { return At(++i_); }

  // A control byte below 8 or a byte FF among the first 512 bytes, the last
  // byte of the text excepted.
  bool HasBinaryStart() const {
    const std::size_t end = std::min<std::size_t>(512, n_ == 0 ? 0 : n_ - 1);
    return std::any_of(s_, s_ + end, [](unsigned char c) { return c < 0x08 || c == 0xFF; });
  }

  void SkipPlainAscii() {
    ++i_;
    while (i_ + 8 <= n_ && IsPlainAsciiWord(detail::LoadWord(s_ + i_))) i_ += 8;
  }

  void Examine(unsigned c) {
    if (c == kEsc) {
      if (Next() == '$') {
        const unsigned d = Next();
        if (d == 'B') code_ = kcNewJis;
        else if (d == '@') code_ = kcOldJis;
      }
    } else if (c < 0x08 || c == 0xFF) {
      code_ = kcBinary;
    } else if (c == kSingleShift3) {
      ExamineSingleShift3();
    } else if (InRange(c, 0x81, 0x8D) || InRange(c, 0x90, 0x9F)) {
      code_ = kcSjis;
    } else if (c == 0x8E) {
      const unsigned d = Next();
      if (InRange(d, 0x40, 0x7E) || InRange(d, 0x80, 0xA0) || InRange(d, 0xE0, 0xFC))
        code_ = kcSjis;
      else if (InRange(d, 0xA1, 0xDF))
        code_ = kcEucOrSjis;
    } else if (InRange(c, 0xA1, 0xDF)) {
      ExamineAfterKana(Next());
    } else if (InRange(c, 0xF0, 0xFE)) {
      code_ = kcEuc;
    } else if (InRange(c, 0xE0, 0xEF)) {
      const unsigned d = Next();
      if (InRange(d, 0x40, 0x7E) || InRange(d, 0x80, 0xA0))
        code_ = kcSjis;
      else if (InRange(d, 0xFD, 0xFE))
        code_ = kcEuc;
      else if (InRange(d, 0xA1, 0xFC))
        code_ = kcEucOrSjis;
    }
    // 80 and A0 decide nothing.
  }

  // A first byte 8F: a Shift-JIS lead byte, or in EUC-JP the start of a JIS
  // X 0212 kanji, whose two bytes A1..FE a Shift-JIS text may hold as well
  // (a kanji with a trail byte A1..FC, then a kana or a lead byte). Such a
  // triple settles nothing and is passed over as a whole.
  void ExamineSingleShift3() {
    const unsigned d = At(i_ + 1);
    const unsigned e = At(i_ + 2);
    if (!InRange(d, 0xA1, 0xFE) || !InRange(e, 0xA1, 0xFE)) {
      code_ = kcSjis;
    } else if (d >= 0xFD || e >= 0xFD) {
      code_ = kcEuc;
    } else {
      code_ = kcEucOrSjis;
      i_ += 2;
    }
  }

  // A first byte A1..DF (a half-width kana in Shift-JIS, an EUC-JP lead byte)
  // and `d`, the byte after it.
  void ExamineAfterKana(unsigned d) {
    if (InRange(d, 0xF0, 0xFE)) {
      code_ = kcEuc;
    } else if (InRange(d, 0xA1, 0xDF)) {
      code_ = kcEucOrSjis;
    } else if (InRange(d, 0xE0, 0xEF)) {
      // Either a kana followed by a Shift-JIS lead byte or an EUC-JP pair:
      // read on through bytes from 40 up until one settles it.
      code_ = kcEucOrSjis;
      while (d >= 0x40 && i_ < n_ && code_ == kcEucOrSjis) {
        if (d >= 0x81) {
          if (d <= 0x8D || InRange(d, 0x8F, 0x9C)) code_ = kcSjis;
          else if (InRange(d, 0xFD, 0xFE)) code_ = kcEuc;
        }
        d = Next();
      }
    } else if (d <= 0x9F) {
      code_ = kcSjis;
    }
  }

  const unsigned char* s_;
  std::size_t n_;
  std::size_t i_ = 0;
  KanjiCode code_ = kcNone;
};

}  // namespace

KanjiCode DetectKanjiCode(std::string_view text) { return Detector(text).Run(); }

std::string ConvertKanji(std::string_view text, KanjiCode target) {
  const KanjiCode code = DetectKanjiCode(text);
  if (code < kcNewJis || code == target || code == kcEucOrSjis) return std::string(text);
  const bool jis = code == kcNewJis || code == kcOldJis;
  switch (target) {
    case kcNewJis:
      if (code == kcEuc) return EucToJis(text);
      if (code == kcSjis) return SjisToJis(text);
      break;
    case kcEuc:
      if (jis) return JisToEuc(text);
      if (code == kcSjis) return SjisToEuc(text);
      break;
    case kcSjis:
      if (jis) return JisToSjis(text);
      if (code == kcEuc) return EucToSjis(text);
      break;
    default:
      break;
  }
  return std::string(text);
}

}  // namespace kanji
